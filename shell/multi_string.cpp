#include "shell/multi_string.h"

#include <algorithm>

namespace tessera {

std::vector<std::u16string> SplitMultiString(std::u16string_view value) {
  std::vector<std::u16string> elements;
  std::size_t start = 0;
  while (start < value.size()) {
    const std::size_t end = value.find(u'\0', start);
    const std::u16string_view element = value.substr(
        start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
    if (element.empty()) break;  // the closing NUL
    elements.emplace_back(element);
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return elements;
}

std::optional<std::u16string_view> MultiStringElement(std::u16string_view value,
                                                      std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0;; ++i) {
    if (start >= value.size()) return std::nullopt;
    const std::size_t end = std::min(value.find(u'\0', start), value.size());
    if (end == start) return std::nullopt;  // the closing NUL
    if (i == index) return value.substr(start, end - start);
    start = end + 1;
  }
}

void RemoveFirstElement(std::u16string& value) {
  const std::size_t end = value.find(u'\0');
  if (end == std::u16string::npos) {
    value.clear();
  } else if (end > 0) {
    value.erase(0, end + 1);
  }
  if (value.empty()) value = std::u16string(1, u'\0');
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
