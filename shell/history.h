// The command history: newest first, at most 100 entries, no duplicates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessera {

inline constexpr std::size_t kHistoryLimit = 100;

class CommandHistory {
 public:
  // Trims white space at both ends; an equal (case-sensitive) entry moves
  // to the front; past the limit the oldest entry goes.
  void Add(std::u16string_view text);
  std::size_t size() const { return entries_.size(); }
  // Entry 0 is the newest.
  const std::u16string& at(std::size_t index) const { return entries_[index]; }

 private:
  std::vector<std::u16string> entries_;
};

}  // namespace tessera
