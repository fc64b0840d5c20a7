#include "tools/common/line_reader.h"

namespace tessera::tools {

LineReader::LineReader(std::u16string_view text, std::size_t bufferSize)
    : text_(text), limit_(bufferSize > 1 ? bufferSize - 1 : 1) {}

bool LineReader::Next(std::u16string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t window = std::min(limit_, text_.size() - pos_);
  const std::u16string_view rest = text_.substr(pos_, window);
  const std::size_t feed = rest.find(u'\n');
  const std::size_t length = feed == std::u16string_view::npos ? window : feed + 1;
  line = text_.substr(pos_, length);
  pos_ += length;
  return true;
}

}  // namespace tessera::tools
