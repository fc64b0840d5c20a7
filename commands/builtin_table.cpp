// The built-in commands. To add one: write its handler (one file per
// command group in commands/) and add one row here at its place in the
// lookup order; the first row whose words match runs.
#include <unordered_map>

#include "commands/attrib_command.h"
#include "commands/batch_commands.h"
#include "commands/comp_command.h"
#include "commands/console_commands.h"
#include "commands/copy_command.h"
#include "commands/delete_command.h"
#include "commands/dir_command.h"
#include "commands/directory_commands.h"
#include "commands/directory_tree_commands.h"
#include "commands/dump_command.h"
#include "commands/echo_command.h"
#include "commands/environment_commands.h"
#include "commands/help_command.h"
#include "commands/move_command.h"
#include "commands/process_commands.h"
#include "commands/registry_commands.h"
#include "commands/rename_command.h"
#include "commands/time_commands.h"
#include "commands/type_command.h"
#include "shell/command.h"

namespace tessera {

namespace {

constexpr BuiltinCommand kBuiltins[] = {
    {{u"CD", u"CHDIR", u"PWD"}, CdCommand, LevelReset::Before},
    {{u"ATTRIB"}, AttribCommand, LevelReset::Before},
    {{u"ADDREG"}, AddRegCommand, LevelReset::Before},
    {{u"BG"}, BgCommand, LevelReset::Before},
    {{u"CALL"}, CallCommand, LevelReset::Before},
    {{u"CLS", u"CLEAR"}, ClsCommand, LevelReset::Before},
    {{u"COMP"}, CompCommand, LevelReset::Before},
    {{u"COPY", u"CP"}, CopyCommand, LevelReset::Before},
    {{u"DATE"}, DateCommand, LevelReset::Before},
    {{u"DEL", u"ERASE"}, DeleteCommand, LevelReset::Before},
    {{u"DELREG", u"DELETEREG"}, DelRegCommand, LevelReset::Before},
    {{u"DIRREG", u"PRINTREG"}, DirRegCommand, LevelReset::Before},
    {{u"DIR", u"LS"}, DirCommand, LevelReset::Before},
    {{u"DUMP"}, DumpCommand, LevelReset::Before},
    {{u"ECHO"}, EchoCommand, LevelReset::AfterSuccess},
    {{u"ENTRY"}, EntryCommand, LevelReset::Before},
    {{u"EXIT"}, ExitCommand, LevelReset::None},
    {{u"GOTO"}, GotoCommand, LevelReset::None},
    {{u"SET"}, SetCommand, LevelReset::Before},
    {{u"HELP"}, HelpCommand, LevelReset::Before},
    {{u"IF"}, IfCommand, LevelReset::ReadThenReset},
    {{u"KILL"}, KillCommand, LevelReset::Before},
    {{u"MD", u"MKDIR"}, MkdirCommand, LevelReset::Before},
    {{u"MV", u"MOVE"}, MoveCommand, LevelReset::Before},
    {{u"PATH"}, PathCommand, LevelReset::Before},
    {{u"PROMPT"}, PromptCommand, LevelReset::Before},
    {{u"PAUSE"}, PauseCommand, LevelReset::None},
    {{u"PUSHD"}, PushdCommand, LevelReset::Before},
    {{u"POPD"}, PopdCommand, LevelReset::Before},
    {{u"RD", u"RMDIR"}, RmdirCommand, LevelReset::Before},
    {{u"REM"}, RemCommand, LevelReset::None},
    {{u"REN", u"RENAME"}, RenameCommand, LevelReset::Before},
    {{u"SHIFT"}, ShiftCommand, LevelReset::Before},
    {{u"SLEEP"}, SleepCommand, LevelReset::Before},
    {{u"TIME"}, TimeCommand, LevelReset::Before},
    {{u"TYPE", u"CAT"}, TypeCommand, LevelReset::Before},
    {{u"BEEP"}, BeepCommand, LevelReset::Before},
};

}  // namespace

std::span<const BuiltinCommand> BuiltinCommands() { return kBuiltins; }

const BuiltinCommand* FindBuiltin(std::u16string_view upperWord) {
  // Every line of a batch file asks: the words are indexed once, each with
  // the first row that has it.
  static const auto words = [] {
    std::unordered_map<std::u16string_view, const BuiltinCommand*> index;
    for (const BuiltinCommand& command : kBuiltins) {
      for (std::u16string_view word : command.words) {
        if (!word.empty()) index.emplace(word, &command);
      }
    }
    return index;
  }();
  if (upperWord.empty()) return nullptr;
  const auto found = words.find(upperWord);
  return found == words.end() ? nullptr : found->second;
}

}  // namespace tessera
