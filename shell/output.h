// The output writers: the only way the interpreter reaches the console and
// the user. All of them do nothing while no console is set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/console_surface.h"
#include "shell/host.h"

namespace tessera {

// The console grows to at most this many characters; past it the oldest
// 80 % of its lines are dropped.
inline constexpr std::size_t kConsoleTextLimit = 30000;
// Longest line PrintLine composes, terminator included.
inline constexpr std::size_t kPrintLineBuffer = 1040;

enum PrintFlags : std::uint32_t {
  kPrintAtCaret = 1,  // insert at the caret instead of at the end
  kPrintNoLengthCheck = 2,
  kPrintNoLineEnd = 4,
};

// The console the writers append to (null: none) and the host that answers
// questions. Set by the front end.
void SetConsoleSurface(ConsoleSurface* surface);
ConsoleSurface* CurrentConsoleSurface();
void SetHost(Host* host);
Host* CurrentHost();

// Shared between the user interface and the interpreter.
struct SessionFlags {
  bool commandRunning = false;
  bool stopRequested = false;
  int consoleColumns = 32;
  std::u16string applicationTitle = u"Tessera";
};
SessionFlags& Session();

void PrintText(std::u16string_view text, std::uint32_t flags = 0);

// A line that arrives in parts, printed as PrintText prints it whole: the
// console gets the same pieces, so its trimming keeps the same text, while
// no more than a piece of the line is held.
class LinePrinter {
 public:
  void Add(std::u16string_view part);
  // Prints the rest of the line, ending with `last`, and its line end.
  void End(std::u16string_view last = {});

 private:
  std::u16string pending_;
};
// One line of up to three parts, separated by single blanks, ended by CR LF.
// A missing middle part before a given one shows as "(NULL)".
void PrintLineParts(std::optional<std::u16string_view> first,
                    std::optional<std::u16string_view> second,
                    std::optional<std::u16string_view> third);
void PrintLine(std::u16string_view first);
void PrintLine(std::u16string_view first, std::u16string_view second);
void PrintLine(std::u16string_view first, std::u16string_view second, std::u16string_view third);
// An error line: the error prefix, the message and the argument. Id -1 means
// the argument is the whole text.
inline constexpr std::int32_t kPreformattedError = -1;
void ShowError(std::int32_t id, std::optional<std::u16string_view> argument = std::nullopt);
void ClearConsole();

// Lets the window handle its pending events; when a stop was requested asks
// the question (message 109 when null) and gives true to stop.
bool PollForStop(std::optional<std::u16string_view> question = std::nullopt);

// A question box titled with the application title; without a host the
// default answer.
MessageBoxAnswer AskUser(std::u16string_view text, MessageBoxButtons buttons, MessageBoxIcon icon,
                         MessageBoxAnswer defaultAnswer);

}  // namespace tessera
