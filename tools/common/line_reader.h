// Lines read through a fixed-size line buffer: a read ends after a line
// feed or when the buffer is full, so a longer line arrives as several.
#pragma once

#include <string_view>

namespace tessera::tools {

// The first position of `unit` in the text; npos when there is none.
std::size_t FindUnit(std::u16string_view text, char16_t unit);

class LineReader {
 public:
  // bufferSize counts the terminator, as a line buffer of that many
  // characters does: a read takes at most bufferSize - 1 characters.
  LineReader(std::u16string_view text, std::size_t bufferSize);
  // The next read, its line feed included; false at the end of the text.
  bool Next(std::u16string_view& line);

 private:
  std::u16string_view text_;
  std::size_t limit_;
  std::size_t pos_ = 0;
};

}  // namespace tessera::tools
