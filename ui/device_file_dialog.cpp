#include "ui/device_file_dialog.h"

#include "browser/dialog/browser_dialog.h"

namespace tessera::ui {

std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const DeviceFileRequest& request,
                                                 int& filterIndex) {
  browser::BrowseRequest browse;
  browse.mode = request.mode;
  browse.title = request.title;
  browse.filter = request.filter;
  browse.folder = request.folder;
  browse.proposedName = request.proposedName;
  browse.filterIndex = filterIndex;
  browser::BrowserDialog dialog(browse, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  filterIndex = dialog.filterIndex();
  return DeviceFileChoice{dialog.choice().path, dialog.choice().isDirectory};
}

std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const QString& title,
                                                 std::u16string_view filter,
                                                 std::u16string_view folder, int& filterIndex) {
  DeviceFileRequest request;
  request.title = title;
  request.filter = filter;
  request.folder = folder;
  return ChooseDeviceFile(parent, request, filterIndex);
}

}  // namespace tessera::ui
