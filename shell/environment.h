// The start-up values of a session and the prompt.
#pragma once

#include <optional>
#include <string>

#include "shell/result_codes.h"
#include "shell/shell_context.h"

namespace tessera {

inline constexpr std::u16string_view kShellVersion = u"2.05";
inline constexpr std::u16string_view kDefaultPrompt = u"$P$G";
// The prompt text is cut before it reaches this many characters.
inline constexpr std::size_t kPromptBuffer = 519;

// Fills a context with CUR DIR, ECHO MODE, PROMPT, PATH, ERRORLEVEL, TSXVER,
// OSVER, SUPPORTSTDIN and SUPPORTSTDOUT, in that order.
ResultCode InitContextDefaults(ShellContext& context);

// The platform version as OSVER shows it: 5.00 for 5.0, 5.21 for 5.21.
std::u16string FormatOsVersion(int major, int minor);

// The prompt expanded from the PROMPT template; empty when echo is off.
std::u16string ExpandPrompt(ShellContext& context);
// Prints the expanded prompt without a line end.
void PrintPrompt(ShellContext& context);

// Longest PATH element taken, in UTF-16 units (longer ones are cut).
inline constexpr std::size_t kMaxPathElement = 1039;
// Takes the next ';'-separated element off the front of `rest` (elements
// are not trimmed). None at the end of the list: the end of the text, or
// an empty element (two ';' in a row, a final ';').
std::optional<std::u16string> NextPathElement(std::u16string_view& rest);

}  // namespace tessera
