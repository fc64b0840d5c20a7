// The recently used files: the last four files opened as commands, newest
// first, kept in the settings store (section "QuillpadMRUList", File1..File4)
// and shown in the main menu under names of at most 30 characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::ui {

inline constexpr std::u16string_view kRecentFilesSection = u"QuillpadMRUList";
inline constexpr std::size_t kRecentFileCount = 4;
inline constexpr std::size_t kRecentNameLength = 30;

class RecentFileList {
 public:
  // Reads File1..File4; empty and repeated entries are skipped.
  void Load();
  const std::vector<std::u16string>& entries() const { return entries_; }
  // Puts the entry first: an equal one (without regard to case) moves up,
  // the oldest falls off a full list. Stored at once.
  void Add(std::u16string_view entry);
  // Removes the entry (without regard to case). Stored at once.
  void Remove(std::u16string_view entry);

 private:
  void Store() const;

  std::vector<std::u16string> entries_;
};

// The entry as a menu shows it: whole when it is short enough; otherwise
// the folders between the first one and the file name give way to "...",
// and a file name too long by itself is cut and ends in "...".
std::u16string RecentDisplayName(std::u16string_view entry, std::size_t limit = kRecentNameLength);

}  // namespace tessera::ui
