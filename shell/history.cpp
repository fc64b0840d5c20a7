#include "shell/history.h"

#include <algorithm>

namespace tessera {

namespace {
bool IsWhite(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
}  // namespace

void CommandHistory::Add(std::u16string_view text) {
  while (!text.empty() && IsWhite(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhite(text.back())) text.remove_suffix(1);
  std::erase(entries_, text);
  entries_.insert(entries_.begin(), std::u16string(text));
  if (entries_.size() > kHistoryLimit) entries_.pop_back();
}

}  // namespace tessera
