#include "tools/common/file_argument.h"

#include <vector>

namespace tessera::tools {

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

std::u16string TrimTrailingBlanks(std::u16string_view text) {
  std::size_t size = text.size();
  while (size > 0 && IsBlank(text[size - 1])) --size;
  return std::u16string(text.substr(0, size));
}

FileArgument ReadFileArgument(std::u16string_view text, std::size_t pos, NameEnd end,
                              std::u16string_view directory) {
  pos = std::min(pos, text.size());
  const bool quoted = pos < text.size() && text[pos] == u'"';
  if (quoted) pos = SkipBlanks(text, pos + 1);
  std::size_t stop = pos;
  std::size_t next = pos;
  if (quoted) {
    stop = text.find(u'"', pos);
    if (stop == std::u16string_view::npos) stop = text.size();
    next = stop < text.size() ? stop + 1 : stop;
  } else if (end == NameEnd::FirstBlank) {
    while (stop < text.size() && !IsBlank(text[stop])) ++stop;
    next = stop;
  } else {
    stop = next = text.size();
  }
  const std::u16string_view name = text.substr(pos, stop - pos);
  FileArgument argument;
  argument.end = next;
  if (name.empty()) return argument;
  std::u16string joined;
  if (name.front() != u'\\') joined = directory;
  joined += name;
  argument.path = TrimTrailingBlanks(joined);
  return argument;
}

std::u16string NormalizeDevicePath(std::u16string_view path) {
  std::vector<std::u16string> parts;
  std::size_t i = 0;
  while (i <= path.size()) {
    std::size_t j = path.find(u'\\', i);
    if (j == std::u16string_view::npos) j = path.size();
    std::u16string_view part = path.substr(i, j - i);
    while (!part.empty() && IsBlank(part.front())) part.remove_prefix(1);
    while (!part.empty() && IsBlank(part.back())) part.remove_suffix(1);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.emplace_back(part);
    }
    i = j + 1;
  }
  if (parts.empty()) return u"\\";
  std::u16string out;
  for (const auto& part : parts) out += u'\\' + part;
  return out;
}

}  // namespace tessera::tools
