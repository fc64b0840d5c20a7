#include "shell/typed_line.h"

#include "shell/execute.h"
#include "shell/output.h"

namespace tessera {

namespace {

bool IsLineBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

void BeginCommand() {
  SessionFlags& session = Session();
  session.commandRunning = true;
  session.stopRequested = false;
}

void EndCommand() {
  SessionFlags& session = Session();
  session.commandRunning = false;
  session.stopRequested = false;
}

std::u16string_view TrimTypedLine(std::u16string_view line) {
  while (!line.empty() && IsLineBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsLineBlank(line.back())) line.remove_suffix(1);
  return line;
}

void RunTypedLine(std::u16string_view line, ShellContext& context) {
  BeginCommand();
  line = TrimTypedLine(line);
  if (!line.empty()) ExecuteLine(line, context, nullptr, 0);
  EndCommand();
}

}  // namespace tessera
