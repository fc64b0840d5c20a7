#include "platform/name_index.h"

#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/text.h"

namespace tessera::platform::detail {

namespace {

// More would cost a kernel watch and memory each for folders seldom used.
constexpr std::size_t kMaxIndexes = 8;

constexpr std::uint32_t kWatchedEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                         IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

std::u16string Key(std::string_view hostName) { return ToUpper(HostBytesToWide(hostName)); }

struct Index {
  dev_t device = 0;
  ino_t inode = 0;
  int watch = -1;
  std::uint64_t lastUse = 0;
  // Names equal without regard to case, each group in byte order.
  std::unordered_map<std::u16string, std::set<std::string>> names;

  void Add(std::string_view name) { names[Key(name)].emplace(name); }
  void Remove(std::string_view name) {
    const auto group = names.find(Key(name));
    if (group == names.end()) return;
    group->second.erase(std::string(name));
    if (group->second.empty()) names.erase(group);
  }
};

// Walks a directory's entries (not . and ..); false when it cannot be read.
template <typename Visit>
bool ForEachEntry(const std::string& dir, Visit visit) {
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return false;
  while (const dirent* entry = readdir(d)) {
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    visit(name);
  }
  closedir(d);
  return true;
}

class NameIndexes {
 public:
  std::optional<std::string> Find(const std::string& dir, std::u16string_view name) {
    std::lock_guard lock(mutex_);
    TakeEvents();
    struct stat st;
    if (stat(dir.c_str(), &st) != 0) {
      Drop(dir);
      return std::nullopt;
    }
    auto it = byDir_.find(dir);
    // The same path may name another directory now (the old one moved away).
    if (it != byDir_.end() && (it->second.device != st.st_dev || it->second.inode != st.st_ino)) {
      Drop(dir);
      it = byDir_.end();
    }
    if (it == byDir_.end()) {
      const std::u16string wanted = ToUpper(name);
      std::optional<std::string> best;
      std::size_t count = 0;
      const bool read = ForEachEntry(dir, [&](std::string_view entry) {
        ++count;
        if (Key(entry) == wanted && (!best || entry < *best)) best = std::string(entry);
      });
      if (!read || count < kNameIndexThreshold || !Build(dir, st)) return best;
      it = byDir_.find(dir);
    }
    it->second.lastUse = ++clock_;
    const auto group = it->second.names.find(ToUpper(name));
    if (group == it->second.names.end()) return std::nullopt;
    return *group->second.begin();
  }

  std::size_t Count() {
    std::lock_guard lock(mutex_);
    TakeEvents();
    return byDir_.size();
  }

  void Reset() {
    std::lock_guard lock(mutex_);
    while (!byDir_.empty()) Drop(byDir_.begin()->first);
  }

 private:
  // Watches first and reads the names after, so that no change in between
  // is missed: a report of a name already read changes nothing.
  bool Build(const std::string& dir, const struct stat& st) {
    if (fd_ < 0) fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return false;
    const int watch = inotify_add_watch(fd_, dir.c_str(), kWatchedEvents);
    if (watch < 0) return false;
    // The same directory reached by another path shares the watch: that
    // path stays unindexed rather than have two owners of one watch.
    if (dirOfWatch_.count(watch) != 0) return false;
    Index index;
    index.device = st.st_dev;
    index.inode = st.st_ino;
    index.watch = watch;
    if (!ForEachEntry(dir, [&](std::string_view entry) { index.Add(entry); })) {
      inotify_rm_watch(fd_, watch);
      return false;
    }
    if (byDir_.size() >= kMaxIndexes) DropLeastUsed();
    dirOfWatch_[watch] = dir;
    byDir_.emplace(dir, std::move(index));
    return true;
  }

  void Drop(const std::string& dir) {
    const auto it = byDir_.find(dir);
    if (it == byDir_.end()) return;
    inotify_rm_watch(fd_, it->second.watch);
    dirOfWatch_.erase(it->second.watch);
    byDir_.erase(it);
  }

  void DropLeastUsed() {
    auto oldest = byDir_.begin();
    for (auto it = byDir_.begin(); it != byDir_.end(); ++it) {
      if (it->second.lastUse < oldest->second.lastUse) oldest = it;
    }
    Drop(oldest->first);
  }

  // Applies every report waiting in the queue, in order.
  void TakeEvents() {
    if (fd_ < 0) return;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
      const ssize_t n = read(fd_, buffer, sizeof buffer);
      if (n <= 0) return;
      for (ssize_t at = 0; at < n;) {
        inotify_event event;
        std::memcpy(&event, buffer + at, sizeof event);
        const char* name = buffer + at + sizeof event;
        at += static_cast<ssize_t>(sizeof event + event.len);
        Apply(event, event.len > 0 ? std::string_view(name) : std::string_view());
      }
    }
  }

  void Apply(const inotify_event& event, std::string_view name) {
    if (event.mask & IN_Q_OVERFLOW) {  // reports were lost: nothing can be trusted
      while (!byDir_.empty()) Drop(byDir_.begin()->first);
      return;
    }
    const auto owner = dirOfWatch_.find(event.wd);
    if (owner == dirOfWatch_.end()) return;
    if (event.mask & IN_IGNORED) {  // the kernel dropped the watch itself
      byDir_.erase(owner->second);
      dirOfWatch_.erase(owner);
      return;
    }
    if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) {
      Drop(std::string(owner->second));
      return;
    }
    Index& index = byDir_.at(owner->second);
    if (event.mask & (IN_CREATE | IN_MOVED_TO)) index.Add(name);
    if (event.mask & (IN_DELETE | IN_MOVED_FROM)) index.Remove(name);
  }

  std::mutex mutex_;
  int fd_ = -1;
  std::uint64_t clock_ = 0;
  std::map<std::string, Index> byDir_;
  std::unordered_map<int, std::string> dirOfWatch_;
};

NameIndexes& Indexes() {
  static NameIndexes indexes;
  return indexes;
}

}  // namespace

std::optional<std::string> FindNameNoCase(const std::string& dir, std::u16string_view name) {
  return Indexes().Find(dir, name);
}

std::size_t IndexedDirectoryCount() { return Indexes().Count(); }

void ResetNameIndex() { Indexes().Reset(); }

}  // namespace tessera::platform::detail
