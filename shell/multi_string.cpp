#include "shell/multi_string.h"

namespace tessera {

std::vector<std::u16string> SplitMultiString(std::u16string_view value) {
  std::vector<std::u16string> elements;
  std::size_t start = 0;
  while (start < value.size()) {
    const std::size_t end = value.find(u'\0', start);
    const std::u16string_view element =
        value.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
    if (element.empty()) break;  // the closing NUL
    elements.emplace_back(element);
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return elements;
}

std::u16string JoinMultiString(const std::vector<std::u16string>& elements) {
  std::u16string value;
  for (const auto& element : elements) {
    value += element;
    value += u'\0';
  }
  value += u'\0';
  return value;
}

}  // namespace tessera
