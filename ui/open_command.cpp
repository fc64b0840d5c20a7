#include "ui/open_command.h"

#include "commands/directory_commands.h"
#include "commands/type_command.h"
#include "launch/external.h"
#include "shell/batch.h"
#include "shell/command.h"
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

ResultCode RunCommand(CommandHandler handler, std::u16string_view word,
                      std::u16string_view arguments, ShellContext& context) {
  CommandCall call{.word = word, .arguments = arguments, .context = context};
  return handler(call);
}

}  // namespace

OpenCommand CommandForOpenedPath(std::u16string_view devicePath, bool isDirectory) {
  while (!devicePath.empty() && devicePath.back() == u'\\') devicePath.remove_suffix(1);
  OpenCommand command;
  command.path = devicePath.empty() ? std::u16string(u"\\") : std::u16string(devicePath);
  if (command.path.find(u' ') != std::u16string::npos) command.path = u"\"" + command.path + u"\"";
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
  PrintLine(command.historyLine);
  if (Host* host = CurrentHost()) host->AddToHistory(command.historyLine);
  switch (command.action) {
    case OpenAction::ChangeDirectory:
      return RunCommand(CdCommand, u"CD", command.path, context);
    case OpenAction::CallBatch:
      return CallBatch(command.path, context);
    case OpenAction::StartProgram:
      return RunExternalCommand(command.path, context);
    case OpenAction::TypeFile:
      return RunCommand(TypeCommand, u"TYPE", command.path, context);
  }
  return RunCommand(TypeCommand, u"TYPE", command.path, context);
}

}  // namespace tessera::ui
