// The order of the file browser's list.
#pragma once

#include <vector>

#include "browser/list_entry.h"

namespace tessera::browser {

enum SortKey : int { kSortByName = 0, kSortBySize = 1, kSortByTime = 2, kSortByType = 3 };

struct SortState {
  int key = kSortByName;  // any other number sorts by name
  bool ascending = true;

  // Choosing the key in force flips the direction; another key keeps it.
  void Choose(int newKey);
};

// Negative when a comes first. Folders come before files and ".." before
// everything, whatever the key and direction; then the key decides, and
// equal keys go by name without regard to case.
int CompareEntries(const ListEntry& a, const ListEntry& b, const SortState& state);

// Sorts the entries; entries that compare equal keep their order.
void SortEntries(std::vector<ListEntry>& entries, const SortState& state);

}  // namespace tessera::browser
