#include "browser/file_filter.h"

#include "platform/find.h"

namespace tessera::browser {

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The parts of text between the separators.
std::vector<std::u16string_view> Split(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> parts;
  while (true) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::u16string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::u16string_view text) {
  const std::vector<std::u16string_view> parts = Split(text, u'|');
  std::vector<FileFilter> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter filter;
    filter.description = Trimmed(parts[i]);
    for (std::u16string_view pattern : Split(parts[i + 1], u';')) {
      pattern = Trimmed(pattern);
      if (!pattern.empty()) filter.patterns.emplace_back(pattern);
    }
    if (filter.description.empty() || filter.patterns.empty()) break;
    filters.push_back(std::move(filter));
  }
  return filters;
}

bool MatchesFilter(const std::vector<std::u16string>& patterns, std::u16string_view name) {
  if (patterns.empty()) return true;
  for (const std::u16string& pattern : patterns) {
    if (platform::MatchWildcard(pattern, name)) return true;
  }
  return false;
}

}  // namespace tessera::browser
