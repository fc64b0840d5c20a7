// The recently used files of the main menu, run as the files were when
// they were opened.
#include "launch/external.h"
#include "platform/files.h"
#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/open_command.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

ResultCode TesseraView::OpenRecentEntry(std::u16string_view entry) {
  if (Session().commandRunning) return kNotCarriedOut;
  BeginCommand();
  const std::size_t end = console_->TextLength();
  console_->SetSelection(end, end);
  console_->ReplaceSelection(u"\r\n");
  ResultCode result = kOk;
  if (!entry.empty() && entry.front() == u'"') {
    // A program's command line: shown, kept in the history and started.
    PrintLine(entry);
    AddToHistory(entry);
    result = RunExternalCommand(entry, context_);
  } else {
    const std::u16string_view path = TrimBlanks(entry);
    result = RunOpenCommand(CommandForOpenedPath(path, platform::IsDirectory(path)), context_);
  }
  EndCommand();
  if (closeRequested_) emit closeWanted();
  return result;
}

}  // namespace tessera::ui
