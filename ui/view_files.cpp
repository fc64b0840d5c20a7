// Files as commands (File > Open) and paths for the command line (Select
// Path), both chosen in the device's file dialog.
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/device_file_dialog.h"
#include "ui/open_command.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

// The filter of the Open and Select Path dialogs without FILEFILTER.
constexpr std::uint32_t kMessageProgramFilter = 112;

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

std::u16string TesseraView::DialogFilter() const {
  if (const std::u16string* filter = context_.GetValueText(u"FILEFILTER");
      filter && !filter->empty())
    return *filter;
  return std::u16string(GetMessageText(kMessageProgramFilter));
}

std::u16string TesseraView::DialogFolder() const {
  const std::u16string* folder = context_.GetValueText(u"CUR DIR");
  return folder && !folder->empty() ? *folder : std::u16string(u"\\");
}

void TesseraView::OpenWithDialog() {
  if (Session().commandRunning) return;
  const auto choice = ChooseDeviceFile(window(), WindowString(kTitleOpen), DialogFilter(),
                                       DialogFolder(), filterIndex_);
  if (!choice) return;
  OpenPath(choice->path, choice->isDirectory);
  FocusConsole();
}

void TesseraView::SelectPath() {
  if (Session().commandRunning) return;
  const auto choice = ChooseDeviceFile(window(), WindowString(kTitleSelectPath), DialogFilter(),
                                       DialogFolder(), filterIndex_);
  if (!choice) return;
  FocusConsole();
  std::u16string text = choice->path;
  if (text.find(u' ') != std::u16string::npos) text = u"\"" + text + u"\"";
  text += u' ';
  console_->ReplaceInput(text, false);
}

}  // namespace tessera::ui
