// Files as commands (File > Open) and paths for the command line (Select
// Path), both chosen in the device's file dialog.
#include "shell/output.h"
#include "shell/resources.h"
#include "ui/console_edit.h"
#include "ui/device_file_dialog.h"
#include "ui/open_command.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

// The filters of the Select Path and Open dialogs without FILEFILTER.
constexpr std::uint32_t kStringSelectPathFilter = 31001;
constexpr std::uint32_t kStringOpenFilter = 31004;

}  // namespace

void TesseraView::OpenPath(std::u16string_view devicePath, bool isDirectory) {
  if (Session().commandRunning) return;
  BeginCommand();
  const std::size_t end = console_->TextLength();
  console_->SetSelection(end, end);
  console_->ReplaceSelection(u"\r\n");
  RunOpenCommand(CommandForOpenedPath(devicePath, isDirectory), context_);
  EndCommand();
}

std::u16string TesseraView::DialogFilter(std::uint32_t fallback) const {
  if (const std::u16string* filter = context_.GetValueText(u"FILEFILTER");
      filter && !filter->empty())
    return *filter;
  return LoadResourceString(fallback);
}

std::u16string TesseraView::DialogFolder() const {
  const std::u16string* folder = context_.GetValueText(u"CUR DIR");
  return folder && !folder->empty() ? *folder : std::u16string(u"\\");
}

void TesseraView::OpenWithDialog() {
  if (Session().commandRunning) return;
  const auto choice =
      ChooseDeviceFile(window(), WindowString(kTitleOpen), DialogFilter(kStringOpenFilter),
                       DialogFolder(), filterIndex_);
  if (!choice) return;
  OpenPath(choice->path, choice->isDirectory);
  emit openedAsCommand(QString::fromStdU16String(choice->path));
  FocusConsole();
}

void TesseraView::SelectPath() {
  if (Session().commandRunning) return;
  DeviceFileRequest request;
  request.mode = browser::BrowseMode::SelectPath;
  request.title = WindowString(kTitleSelectPath);
  request.filter = DialogFilter(kStringSelectPathFilter);
  request.folder = DialogFolder();
  const auto choice = ChooseDeviceFile(window(), request, filterIndex_);
  if (!choice) return;
  FocusConsole();
  std::u16string text = choice->path;
  if (text.find(u' ') != std::u16string::npos) text = u"\"" + text + u"\"";
  text += u' ';
  console_->ReplaceInput(text, false);
}

}  // namespace tessera::ui
