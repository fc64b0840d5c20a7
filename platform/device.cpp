#include "platform/device.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/directory_watch.h"
#include "platform/host_fs.h"
#include "platform/name_index.h"
#include "platform/text.h"

namespace tessera::platform {

namespace {

using detail::JoinHost;

struct DeviceState {
  std::string root;       // absolute, lexically normalised, as chosen
  std::string rootReal;   // the same with every link resolved
  std::string stateReal;  // the state folder with every link resolved
  bool isDefault = false;
  std::u16string modulePath;
};

DeviceState& State() {
  static DeviceState state;
  return state;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::optional<std::string> Env(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string("/");
}

// Collapses "//", "." and ".." of an absolute host path without touching
// the file system; ".." at the top stays at "/".
std::string NormalizeHost(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t i = 0;
  while (i < path.size()) {
    while (i < path.size() && path[i] == '/') ++i;
    std::size_t j = i;
    while (j < path.size() && path[j] != '/') ++j;
    const std::string_view part = path.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j;
  }
  std::string out;
  for (const auto part : parts) {
    out += '/';
    out += part;
  }
  return out.empty() ? "/" : out;
}

std::string AbsoluteHost(const std::string& path) {
  if (!path.empty() && path[0] == '/') return NormalizeHost(path);
  return NormalizeHost(CurrentDirectory() + "/" + path);
}

std::string RealOrSame(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::optional<std::string> HomeDirectory() {
  if (auto home = Env("HOME")) return home;
  struct passwd pw;
  struct passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir) {
    return std::string(found->pw_dir);
  }
  return std::nullopt;
}

struct FoundEntry {
  std::string name;
  bool isLink = false;  // the entry is a symbolic link (or may be one)
};

// The name under which `name` exists in host directory `dir`: the exact
// spelling when present, else the first entry (in byte order) equal to it
// without regard to case.
std::optional<FoundEntry> FindEntry(const std::string& dir, std::u16string_view name,
                                    const std::string& exact) {
  struct stat st;
  if (lstat(JoinHost(dir, exact).c_str(), &st) == 0) return FoundEntry{exact, S_ISLNK(st.st_mode)};
  std::optional<std::string> found = detail::FindNameNoCase(dir, name);
  if (!found) return std::nullopt;
  // Gone again since it was found: taken for a link, the careful reading.
  const bool isLink = lstat(JoinHost(dir, *found).c_str(), &st) != 0 || S_ISLNK(st.st_mode);
  return FoundEntry{std::move(*found), isLink};
}

// True when the absolute host path is the state folder or lies in it.
bool InStateFolder(std::string_view path, const std::string& state) {
  return !state.empty() && path.compare(0, state.size(), state) == 0 &&
         (path.size() == state.size() || path[state.size()] == '/');
}

// Where a host path really leads: its own resolved form, else its parent's
// (a name about to be created), else nothing.
std::optional<std::string> ResolvedHost(const std::string& path) {
  char buffer[PATH_MAX];
  if (realpath(path.c_str(), buffer)) return std::string(buffer);
  const std::string parent = detail::HostDirName(path);
  if (realpath(parent.c_str(), buffer)) {
    return JoinHost(buffer, detail::HostBaseName(path));
  }
  return std::nullopt;
}

// mkdir -p; missing directories get `mode`.
Status MakeDirectories(const std::string& path, mode_t mode) {
  std::size_t pos = 1;
  while (true) {
    pos = path.find('/', pos);
    const std::string prefix = path.substr(0, pos);
    if (mkdir(prefix.c_str(), mode) != 0 && errno != EEXIST) return ErrorFromErrno(errno);
    if (pos == std::string::npos) break;
    ++pos;
  }
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return ErrorFromErrno(errno);
  if (!S_ISDIR(st.st_mode)) return ErrorCode::NotADirectory;
  return Status::Ok();
}

// The host directory the options name as device root; empty when none can
// be made out (an empty --root, no home directory).
std::string RootPathFor(const DeviceOptions& options, bool& isDefault) {
  isDefault = false;
  if (options.root) return options.root->empty() ? std::string() : AbsoluteHost(*options.root);
  if (auto env = Env("TESSERA_ROOT")) return AbsoluteHost(*env);
  isDefault = true;
  auto data = Env("XDG_DATA_HOME");
  if (!data || (*data)[0] != '/') {  // relative values are to be ignored
    const auto home = HomeDirectory();
    if (!home) return {};
    data = *home + "/.local/share";
  }
  return AbsoluteHost(*data + "/tessera/device");
}

Status ChooseRoot(const DeviceOptions& options, DeviceState& state) {
  state.root = RootPathFor(options, state.isDefault);
  if (state.root.empty()) {
    return options.root ? ErrorCode::InvalidParameter : ErrorCode::PathNotFound;
  }
  // A root of our own making holds private data; a named one is the caller's.
  if (Status made = MakeDirectories(state.root, state.isDefault ? 0700 : 0777); !made) return made;
  state.rootReal = RealOrSame(state.root);
  return Status::Ok();
}

Status EnsureDeviceDirectory(std::u16string_view devicePath) {
  auto host = HostPath(devicePath);
  if (!host) return host.status();
  struct stat st;
  if (stat(host->c_str(), &st) == 0) {
    return S_ISDIR(st.st_mode) ? Status::Ok() : Status(ErrorCode::NotADirectory);
  }
  if (mkdir(host->c_str(), 0777) != 0 && errno != EEXIST) return ErrorFromErrno(errno);
  return Status::Ok();
}

std::optional<std::string> ReadLink(const std::string& path) {
  char buffer[PATH_MAX];
  const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
  if (n < 0 || static_cast<std::size_t>(n) >= sizeof buffer) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(n));
}

// Points folder/entry at source. A link that points elsewhere is replaced;
// a real file or directory (the user's own) is left alone.
Status LinkEntry(const std::string& source, const std::string& folder, const std::string& entry) {
  const auto existing = FindEntry(folder, HostBytesToWide(entry), entry);
  const std::string target = JoinHost(folder, entry);
  if (!existing) {
    if (symlink(source.c_str(), target.c_str()) != 0) return ErrorFromErrno(errno);
    return Status::Ok();
  }
  const std::string current = JoinHost(folder, existing->name);
  struct stat st;
  if (lstat(current.c_str(), &st) != 0) return ErrorFromErrno(errno);
  if (!S_ISLNK(st.st_mode)) return Status::Ok();
  if (ReadLink(current) == source) return Status::Ok();
  // Build the new link beside the stale one and rename it over, so that the
  // entry never goes missing.
  const std::string fresh = JoinHost(folder, ".tessera-link-" + std::to_string(getpid()));
  unlink(fresh.c_str());
  if (symlink(source.c_str(), fresh.c_str()) != 0) return ErrorFromErrno(errno);
  if (existing->name != entry && unlink(current.c_str()) != 0) {
    const int err = errno;
    unlink(fresh.c_str());
    return ErrorFromErrno(err);
  }
  if (rename(fresh.c_str(), target.c_str()) != 0) {
    const int err = errno;
    unlink(fresh.c_str());
    return ErrorFromErrno(err);
  }
  return Status::Ok();
}

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

Status LinkShippedEntries(const std::string& programDir, const std::string& folder,
                          const std::vector<std::string>& entries) {
  Status first;
  for (const auto& entry : entries) {
    if (!IsPlainName(entry)) continue;
    const std::string source = JoinHost(programDir, entry);
    struct stat st;
    if (stat(source.c_str(), &st) != 0) continue;  // not part of this build
    Status linked = LinkEntry(source, folder, entry);
    if (!linked && first.ok()) first = linked;
  }
  return first;
}

std::u16string JoinDevice(const std::u16string& dir, std::u16string_view name) {
  std::u16string out = dir;
  if (out.empty() || out.back() != u'\\') out += u'\\';
  out += name;
  return out;
}

// Device path below `root` for a normalised absolute host path, if it lies there.
std::optional<std::u16string> RelativeToRoot(const std::string& path, const std::string& root) {
  std::string_view rest;
  if (root == "/") {
    rest = std::string_view(path).substr(1);
  } else if (path == root) {
    rest = {};
  } else if (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
             path[root.size()] == '/') {
    rest = std::string_view(path).substr(root.size() + 1);
  } else {
    return std::nullopt;
  }
  std::u16string device = u"\\" + HostBytesToWide(rest);
  for (auto& c : device) {
    if (c == u'/') c = u'\\';
  }
  return device;
}

// Earlier versions kept the registry database in \Windows. A database there
// is moved into the state folder once, before the registry is first opened;
// the journal files go first, so that a move cut short is finished by the
// next start and never leaves the database without its journal.
Status MoveOldRegistry(const std::string& stateFolder) {
  const std::string fresh = JoinHost(stateFolder, "registry.db");
  struct stat st;
  if (lstat(fresh.c_str(), &st) == 0) return Status::Ok();
  auto old = HostPath(u"\\Windows\\registry.db");
  if (!old || lstat(old->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Status::Ok();
  for (const char* suffix : {"-wal", "-shm", ""}) {
    const std::string from = *old + suffix;
    if (lstat(from.c_str(), &st) != 0) continue;
    if (rename(from.c_str(), (fresh + suffix).c_str()) != 0) return ErrorFromErrno(errno);
  }
  return Status::Ok();
}

Status MakeStateFolder(DeviceState& state) {
  const std::string folder = JoinHost(state.root, std::string(kDeviceStateFolder));
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return ErrorFromErrno(errno);
  struct stat st;
  if (stat(folder.c_str(), &st) != 0) return ErrorFromErrno(errno);
  if (!S_ISDIR(st.st_mode)) return ErrorCode::NotADirectory;
  state.stateReal = RealOrSame(folder);
  return MoveOldRegistry(folder);
}

}  // namespace

bool detail::IsDeviceStateFolder(const std::string& hostPath) {
  const DeviceState& state = State();
  if (state.stateReal.empty()) return false;
  char buffer[PATH_MAX];
  return realpath(hostPath.c_str(), buffer) && state.stateReal == buffer;
}

std::string DeviceRootFor(const DeviceOptions& options) {
  bool isDefault = false;
  return RootPathFor(options, isDefault);
}

Status SetupDevice(const DeviceOptions& options) {
  DeviceState& state = State();
  state = DeviceState();
  // A watch of the old root's folders tells nothing about the new one.
  ResetDirectoryWatch();
  detail::ResetNameIndex();
  if (Status chosen = ChooseRoot(options, state); !chosen) {
    state = DeviceState();
    return chosen;
  }
  for (const auto* dir : {u"\\Windows", u"\\Temp", u"\\My Documents", u"\\Program Files",
                          u"\\Program Files\\Tessera"}) {
    if (Status made = EnsureDeviceDirectory(dir); !made) return made;
  }
  if (Status made = MakeStateFolder(state); !made) return made;
  if (state.isDefault) {
    const auto home = HomeDirectory();
    auto card = HostPath(u"\\Storage Card");
    struct stat st;
    if (home && card && lstat(card->c_str(), &st) != 0 && errno == ENOENT) {
      if (symlink(home->c_str(), card->c_str()) != 0) return ErrorFromErrno(errno);
    }
  }

  const std::string executable = RealOrSame("/proc/self/exe");
  const std::string programDir =
      RealOrSame(options.programHostDir ? AbsoluteHost(*options.programHostDir)
                                        : detail::HostDirName(executable));
  const std::string programName = options.programFileName
                                      ? *options.programFileName
                                      : std::string(detail::HostBaseName(executable));
  const std::u16string programNameWide = HostBytesToWide(programName);

  Status linked;
  const std::u16string ownDir = DevicePathOf(programDir);
  if (!ownDir.empty()) {
    // Started from inside the device: the program's folder is where it lies.
    if (!programName.empty()) state.modulePath = JoinDevice(ownDir, programNameWide);
  } else {
    auto folder = HostPath(u"\\Program Files\\Tessera");
    if (!folder) return folder.status();
    linked = LinkShippedEntries(programDir, *folder, options.shippedEntries);
    auto windows = HostPath(u"\\Windows");
    if (!windows) return windows.status();
    for (const auto& entry : options.systemEntries) {
      if (!IsPlainName(entry.name)) continue;
      const std::string source = JoinHost(programDir, entry.source);
      struct stat st;
      if (stat(source.c_str(), &st) != 0) continue;  // not part of this build
      Status made = LinkEntry(source, *windows, entry.name);
      if (!made && linked.ok()) linked = made;
    }
    const std::u16string folderDevice = DevicePathOf(*folder);
    if (!programName.empty()) state.modulePath = JoinDevice(folderDevice, programNameWide);
  }
  return linked;
}

const std::string& DeviceRootHostPath() { return State().root; }

std::string DeviceStateHostPath() {
  const DeviceState& state = State();
  if (state.root.empty()) return {};
  return JoinHost(state.root, std::string(kDeviceStateFolder));
}

bool DeviceRootIsDefault() { return State().isDefault; }

std::string DeviceRootTag() {
  // FNV-1a of the root's host path.
  std::uint64_t hash = 1469598103934665603ULL;
  for (unsigned char c : State().root) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  char tag[17];
  std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(hash));
  return tag;
}

const std::u16string& ModulePath() { return State().modulePath; }

std::u16string ProgramDirectory() {
  const std::u16string& module = ModulePath();
  const auto slash = module.rfind(u'\\');
  return slash == std::u16string::npos ? std::u16string() : module.substr(0, slash + 1);
}

std::u16string TempDirectory() { return u"\\Temp"; }

Result<std::string> HostPath(std::u16string_view path) {
  if (path.empty()) return ErrorCode::PathNotFound;
  if (path.size() > kMaxDevicePath) return ErrorCode::FilenameTooLong;
  // A NUL would silently cut the name short on the host.
  if (path.find(u'\0') != std::u16string_view::npos) return ErrorCode::InvalidName;
  // Only '\' starts a device path: "/tmp/x" from a tool run in bash is a host path.
  if (path.front() != u'\\') return WideToHostBytes(path);
  const DeviceState& state = State();
  if (state.root.empty()) return ErrorCode::PathNotFound;  // no device set up yet

  std::vector<std::u16string_view> parts;
  std::size_t i = 0;
  while (i < path.size()) {
    while (i < path.size() && IsSeparator(path[i])) ++i;
    std::size_t j = i;
    while (j < path.size() && !IsSeparator(path[j])) ++j;
    const std::u16string_view part = path.substr(i, j - i);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    i = j;
  }

  // The state folder is no part of the device, in whatever case it is named.
  static const std::u16string stateName = Utf8ToUtf16(kDeviceStateFolder);
  if (!parts.empty() && EqualsNoCase(parts.front(), stateName)) return ErrorCode::AccessDenied;

  std::string host = state.root;
  bool lookUp = true;    // false once a component is missing: nothing lies below it
  bool viaLink = false;  // a link on the way may lead back into the root
  for (const auto part : parts) {
    std::string name = WideToHostBytes(part);
    if (lookUp) {
      if (auto found = FindEntry(host, part, name)) {
        name = std::move(found->name);
        viaLink = viaLink || found->isLink;
      } else {
        lookUp = false;
      }
    }
    host = JoinHost(host, name);
  }
  if (viaLink) {
    const auto resolved = ResolvedHost(host);
    if (resolved && InStateFolder(*resolved, state.stateReal)) return ErrorCode::AccessDenied;
  }
  return host;
}

std::u16string DevicePathOf(const std::string& hostPath) {
  const DeviceState& state = State();
  if (hostPath.empty() || state.root.empty()) return {};
  const std::string absolute = AbsoluteHost(hostPath);
  if (InStateFolder(absolute, JoinHost(state.root, std::string(kDeviceStateFolder)))) return {};
  if (auto device = RelativeToRoot(absolute, state.root)) return *device;
  char buffer[PATH_MAX];
  if (realpath(hostPath.c_str(), buffer)) {
    if (InStateFolder(buffer, state.stateReal)) return {};
    if (auto device = RelativeToRoot(buffer, state.rootReal)) return *device;
  }
  return {};
}

}  // namespace tessera::platform
