// Choosing a file or folder of the device with the shell's own file
// browser: the one way the window asks for a path (Open, Select Path, the
// function-key bar's "...", the Save dialog's "..." and the options sheet).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "browser/typed_name.h"

class QWidget;

namespace tessera::ui {

struct DeviceFileChoice {
  std::u16string path;  // device path, beginning with '\'
  bool isDirectory = false;
};

struct DeviceFileRequest {
  browser::BrowseMode mode = browser::BrowseMode::Open;
  QString title;
  // A filter text of the device ("Programs (*.BAT;*.EXE)|*.BAT;*.EXE|All (*.*)|*.*||").
  std::u16string filter;
  std::u16string folder;        // where the browser starts
  std::u16string proposedName;  // save mode: the name offered
};

// filterIndex counts from 1 and is updated to the filter chosen. Nothing
// when the browser is cancelled.
std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const DeviceFileRequest& request,
                                                 int& filterIndex);
// A file (or, with an empty name, the folder shown) to open.
std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const QString& title,
                                                 std::u16string_view filter,
                                                 std::u16string_view folder, int& filterIndex);

}  // namespace tessera::ui
