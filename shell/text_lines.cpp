#include "shell/text_lines.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/files.h"

namespace tessera {

std::u16string DecodeText(const std::vector<std::uint8_t>& bytes, std::uint32_t flags) {
  bool utf16 = false;
  if (flags & kTextUtf16) {
    utf16 = true;
  } else if (!(flags & kTextAnsi)) {
    utf16 = (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) ||
            std::find(bytes.begin(), bytes.end(), std::uint8_t{0}) != bytes.end();
  }
  std::u16string text;
  if (utf16) {
    text.reserve(bytes.size() / 2);
    // An odd last byte is read as if followed by a zero byte.
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
      const std::uint8_t high = i + 1 < bytes.size() ? bytes[i + 1] : 0;
      text += static_cast<char16_t>(bytes[i] | (high << 8));
    }
    if (!text.empty() && text.front() == 0xFEFF) text.erase(0, 1);
  } else {
    text = platform::AnsiToWide(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  return text;
}

std::vector<std::u16string> SplitCrLfLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'\r' || text[i + 1] != u'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    start = i + 2;
    ++i;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

ResultCode ReadTextLines(std::u16string_view path, std::uint32_t flags, TextLines& out) {
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes.ok()) {
    return bytes.error() == platform::ErrorCode::OutOfMemory ? kOutOfMemory : kFileError;
  }
  out.lines = SplitCrLfLines(DecodeText(*bytes, flags));
  return kOk;
}

}  // namespace tessera
