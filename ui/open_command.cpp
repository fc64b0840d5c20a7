#include "ui/open_command.h"

#include "shell/execute.h"
#include "shell/output.h"

namespace tessera::ui {

namespace {

bool EndsWithIgnoringCase(std::u16string_view text, std::u16string_view ending) {
  if (text.size() < ending.size()) return false;
  text.remove_prefix(text.size() - ending.size());
  for (std::size_t i = 0; i < ending.size(); ++i) {
    char16_t c = text[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != ending[i]) return false;
  }
  return true;
}

// A path as it stands in a typed line: quoted when it holds a blank, each
// '%' doubled so that expanding the line gives the path back.
std::u16string TypedPath(std::u16string_view path) {
  std::u16string text;
  for (char16_t c : path) {
    text += c;
    if (c == u'%') text += u'%';
  }
  if (text.find_first_of(u" \t") != std::u16string::npos) text = u"\"" + text + u"\"";
  return text;
}

}  // namespace

OpenCommand CommandForOpenedPath(std::u16string_view devicePath, bool isDirectory) {
  while (!devicePath.empty() && devicePath.back() == u'\\') devicePath.remove_suffix(1);
  OpenCommand command;
  command.path = TypedPath(devicePath.empty() ? std::u16string_view(u"\\") : devicePath);
  std::u16string_view word;
  if (isDirectory) {
    command.action = OpenAction::ChangeDirectory;
    word = u"CD ";
  } else if (EndsWithIgnoringCase(devicePath, u".bat")) {
    command.action = OpenAction::CallBatch;
    word = u"CALL ";
  } else if (EndsWithIgnoringCase(devicePath, u".exe")) {
    command.action = OpenAction::StartProgram;
  } else {
    command.action = OpenAction::TypeFile;
    word = u"TYPE ";
  }
  command.historyLine = std::u16string(word) + command.path;
  return command;
}

ResultCode RunOpenCommand(const OpenCommand& command, ShellContext& context) {
  // Shown and run as if typed; the line joins the history as typed lines do.
  PrintLine(command.historyLine);
  ExecuteLine(command.historyLine, context, nullptr, 0);
  return GetErrorLevel(context) == 0 ? kOk : kNotCarriedOut;
}

}  // namespace tessera::ui
