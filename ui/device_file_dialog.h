// Choosing a file of the device for Open and Select Path, with the plain
// file dialog of the toolkit: it starts in a device folder, filters with a
// device filter text and gives back a device path.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace tessera::ui {

struct DeviceFileChoice {
  std::u16string path;  // device path, beginning with '\'
  bool isDirectory = false;
};

// A filter text of the device ("Programs (*.BAT;*.EXE)|*.BAT;*.EXE|All (*.*)|*.*||")
// as the toolkit's name filters. "*.*" matches every name, with a dot or not.
QStringList NameFiltersOf(std::u16string_view filter);

// filterIndex counts from 1 and is updated to the filter chosen. Nothing
// when the dialog is cancelled or the choice lies outside the device.
std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const QString& title,
                                                 std::u16string_view filter,
                                                 std::u16string_view folder, int& filterIndex);

}  // namespace tessera::ui
