#include "ui/recent_files.h"

#include <algorithm>

#include "platform/text.h"
#include "shell/settings.h"

namespace tessera::ui {

namespace {

std::u16string EntryKey(std::size_t index) {
  std::u16string key = u"File";
  key += static_cast<char16_t>(u'1' + index);
  return key;
}

constexpr std::u16string_view kEllipsis = u"...";

}  // namespace

void RecentFileList::Load() {
  entries_.clear();
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    std::u16string entry = ReadSettingString(kRecentFilesSection, EntryKey(i), u"");
    if (entry.empty()) continue;
    const bool known = std::any_of(entries_.begin(), entries_.end(), [&](const auto& other) {
      return platform::EqualsNoCase(other, entry);
    });
    if (!known) entries_.push_back(std::move(entry));
  }
}

void RecentFileList::Add(std::u16string_view entry) {
  if (entry.empty()) return;
  std::erase_if(entries_, [&](const auto& other) { return platform::EqualsNoCase(other, entry); });
  entries_.insert(entries_.begin(), std::u16string(entry));
  if (entries_.size() > kRecentFileCount) entries_.resize(kRecentFileCount);
  Store();
}

void RecentFileList::Remove(std::u16string_view entry) {
  std::erase_if(entries_, [&](const auto& other) { return platform::EqualsNoCase(other, entry); });
  Store();
}

void RecentFileList::Store() const {
  // The list is a convenience: a slot that cannot be written keeps its old
  // entry, which the next start shows again.
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    if (i < entries_.size()) {
      static_cast<void>(WriteSettingString(kRecentFilesSection, EntryKey(i), entries_[i]).ok());
    } else {
      static_cast<void>(DeleteSetting(kRecentFilesSection, EntryKey(i)).ok());
    }
  }
}

std::u16string RecentDisplayName(std::u16string_view entry, std::size_t limit) {
  if (entry.size() <= limit) return std::u16string(entry);
  if (limit <= kEllipsis.size()) return std::u16string(entry.substr(0, limit));
  const std::size_t nameStart = entry.rfind(u'\\') + 1;  // npos + 1 is 0
  const std::u16string_view name = entry.substr(nameStart);
  // "\First\...\name": the first folder is kept when there is room.
  if (nameStart > 0) {
    const std::size_t firstEnd = entry.find(u'\\', 1);
    if (firstEnd != std::u16string_view::npos && firstEnd < nameStart) {
      const std::size_t length = firstEnd + 1 + kEllipsis.size() + 1 + name.size();
      if (length <= limit) {
        return std::u16string(entry.substr(0, firstEnd + 1)) + std::u16string(kEllipsis) + u'\\' +
               std::u16string(name);
      }
    }
    if (kEllipsis.size() + 1 + name.size() <= limit)
      return std::u16string(kEllipsis) + u'\\' + std::u16string(name);
  }
  return std::u16string(name.substr(0, limit - kEllipsis.size())) + std::u16string(kEllipsis);
}

}  // namespace tessera::ui
