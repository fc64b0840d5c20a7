// The message file beside the program that replaces message texts.
#pragma once

#include <optional>
#include <string>

namespace tessera {

inline constexpr std::uint32_t kStringMessageFileName = 37502;
inline constexpr std::uint32_t kStringHelpFileName = 37503;

// Chooses the message and help file names from the active resource module
// (a name is taken only when such a file exists in the program's folder).
void ChooseProgramFileNames();
// "\STRRESOURCE.TXT" unless the resource module named another file.
const std::u16string& MessageFileName();
const std::u16string& HelpFileName();

// Reads the message file from the program's folder and applies its lines.
// A missing or unreadable file changes nothing.
void LoadMessageOverrides();
// Applies the lines of a message file's text (one override per line).
void ApplyMessageOverrideLine(std::u16string_view line);

// One line of a message file: the number it begins with (read as the C
// runtime reads numbers: 0 when there is none) and the text after the
// blank that follows, "\n" made a line break. Nothing for a comment (#, '
// or :) or an empty line.
struct MessageFileLine {
  long id = 0;
  std::u16string text;
};
std::optional<MessageFileLine> ParseMessageFileLine(std::u16string_view line);

}  // namespace tessera
