// The built-in commands. To add one: write its handler (one file per
// command group in commands/) and add one row here at its place in the
// lookup order; the first row whose words match runs.
#include "commands/console_commands.h"
#include "commands/echo_command.h"
#include "commands/help_command.h"
#include "commands/registry_commands.h"
#include "shell/command.h"

namespace tessera {

namespace {

constexpr BuiltinCommand kBuiltins[] = {
    {{u"ADDREG"}, AddRegCommand, LevelReset::Before},
    {{u"CLS", u"CLEAR"}, ClsCommand, LevelReset::Before},
    {{u"DELREG", u"DELETEREG"}, DelRegCommand, LevelReset::Before},
    {{u"DIRREG", u"PRINTREG"}, DirRegCommand, LevelReset::Before},
    {{u"ECHO"}, EchoCommand, LevelReset::AfterSuccess},
    {{u"ENTRY"}, EntryCommand, LevelReset::Before},
    {{u"EXIT"}, ExitCommand, LevelReset::None},
    {{u"GOTO"}, GotoCommand, LevelReset::None},
    {{u"HELP"}, HelpCommand, LevelReset::Before},
    {{u"PAUSE"}, PauseCommand, LevelReset::None},
    {{u"REM"}, RemCommand, LevelReset::None},
    {{u"SLEEP"}, SleepCommand, LevelReset::Before},
    {{u"BEEP"}, BeepCommand, LevelReset::Before},
};

}  // namespace

std::span<const BuiltinCommand> BuiltinCommands() { return kBuiltins; }

const BuiltinCommand* FindBuiltin(std::u16string_view upperWord) {
  if (upperWord.empty()) return nullptr;
  for (const BuiltinCommand& command : kBuiltins) {
    for (std::u16string_view word : command.words) {
      if (!word.empty() && word == upperWord) return &command;
    }
  }
  return nullptr;
}

}  // namespace tessera
