#include "platform/find.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/device.h"
#include "platform/host_fs.h"
#include "platform/text.h"

namespace tessera::platform {

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool HasWildcard(std::u16string_view text) {
  return text.find_first_of(u"*?") != std::u16string_view::npos;
}

// '*' and '?' matching by the usual greedy walk with one backtrack point,
// which is linear enough for names and never recurses.
bool MatchPlain(std::u16string_view pattern, std::u16string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t starP = std::u16string_view::npos;
  std::size_t starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == u'?' || ToUpper(pattern[p]) == ToUpper(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::u16string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

bool SortsBefore(const FindData& a, const FindData& b) {
  const int order = CompareNoCase(a.name, b.name);
  return order != 0 ? order < 0 : a.name < b.name;
}

Result<std::vector<FindData>> FindOne(std::u16string_view path) {
  auto host = HostPath(path);
  if (!host) return host.error();
  if (*host == DeviceRootHostPath()) return ErrorCode::FileNotFound;  // the root has no name
  const std::string_view name = detail::HostBaseName(*host);
  if (name == "." || name == "..") return ErrorCode::FileNotFound;  // left only by host paths
  auto info = detail::HostFileInfo(*host);
  if (!info) return info.error();
  std::vector<FindData> found;
  found.push_back({HostBytesToWide(name), *info});
  return found;
}

}  // namespace

bool MatchWildcard(std::u16string_view pattern, std::u16string_view name) {
  if (MatchPlain(pattern, name)) return true;
  if (name.find(u'.') != std::u16string_view::npos) return false;
  std::u16string dotted(name);
  dotted += u'.';
  return MatchPlain(pattern, dotted);
}

Result<std::vector<FindData>> FindFiles(std::u16string_view pattern) {
  if (pattern.empty()) return ErrorCode::PathNotFound;
  std::size_t cut = pattern.size();
  while (cut > 0 && !IsSeparator(pattern[cut - 1])) --cut;
  const std::u16string_view directory = pattern.substr(0, cut);
  const std::u16string_view last = pattern.substr(cut);
  if (HasWildcard(directory)) return ErrorCode::InvalidName;
  if (last.empty()) return ErrorCode::FileNotFound;  // "\dir\" names no entry
  if (!HasWildcard(last)) return FindOne(pattern);
  if (pattern.size() > kMaxDevicePath) return ErrorCode::FilenameTooLong;

  std::string hostDir;
  if (directory.empty()) {
    hostDir = ".";  // a bare host name: the process's working directory
  } else {
    auto host = HostPath(directory);
    if (!host) return host.error();
    hostDir = std::move(*host);
  }
  DIR* dir = opendir(hostDir.c_str());
  if (dir == nullptr) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) return ErrorCode::PathNotFound;
    return ErrorFromErrno(err);
  }
  // Entries are looked at from the open directory: its path is walked and
  // its mount asked once, not once for every entry.
  const bool directoryReadOnly = detail::OnReadOnlyMount(hostDir);
  std::vector<FindData> found;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view hostName(entry->d_name);
    if (hostName == "." || hostName == "..") continue;
    if (hostName == kDeviceStateFolder &&
        detail::IsDeviceStateFolder(detail::JoinHost(hostDir, hostName))) {
      continue;
    }
    std::u16string name = HostBytesToWide(hostName);
    if (!MatchWildcard(last, name)) continue;
    auto info = detail::HostEntryInfo(dirfd(dir), entry->d_name,
                                      detail::JoinHost(hostDir, hostName), directoryReadOnly);
    if (!info) continue;  // gone since the directory was read
    found.push_back({std::move(name), std::move(*info)});
  }
  closedir(dir);
  if (found.empty()) return ErrorCode::FileNotFound;
  std::sort(found.begin(), found.end(), SortsBefore);
  return found;
}

Status FileFinder::First(std::u16string_view pattern) {
  entries_.clear();
  index_ = 0;
  auto found = FindFiles(pattern);
  if (!found) return found.status();
  entries_ = std::move(*found);
  return Status::Ok();
}

Status FileFinder::Next() {
  if (index_ + 1 >= entries_.size()) {
    index_ = entries_.empty() ? 0 : entries_.size() - 1;
    return ErrorCode::NoMoreFiles;
  }
  ++index_;
  return Status::Ok();
}

}  // namespace tessera::platform
