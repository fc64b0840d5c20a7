#include "fuzz/support/scratch_device.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/device.h"

// The platform layer's HostPath is linked with -Wl,--wrap (see the
// CMakeLists of this folder): every call from another source reaches
// WrappedHostPath first, which looks at the host path it gives.
#define TESSERA_HOST_PATH_SYMBOL \
  "_ZN7tessera8platform8HostPathB5cxx11ESt17basic_string_viewIDsSt11char_traitsIDsEE"
tessera::platform::Result<std::string> RealHostPath(std::u16string_view path) __asm__(
    "__real_" TESSERA_HOST_PATH_SYMBOL);
tessera::platform::Result<std::string> WrappedHostPath(std::u16string_view path) __asm__(
    "__wrap_" TESSERA_HOST_PATH_SYMBOL);

namespace tessera::fuzz {

namespace fs = std::filesystem;

namespace {

bool g_wrapperSeen = false;
const ScratchDevice* g_device = nullptr;  // set once its root is known

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "\n*** scratch device: %s\n", what.c_str());
  std::abort();
}

// "." and ".." of an absolute path resolved without the file system.
std::string Lexical(std::string_view path) {
  return fs::path(path).lexically_normal().generic_string();
}

}  // namespace

void ReportEscape(std::string_view devicePath, std::string_view hostPath) {
  // At once, so that the report's stack shows who asked.
  Fail("device path \"" + std::string(devicePath) + "\" reached host path \"" +
       std::string(hostPath) + "\"");
}

ScratchDevice& ScratchDevice::Get() {
  static ScratchDevice device;
  return device;
}

ScratchDevice::ScratchDevice() {
  // In memory where it can be: the device's database syncs every change,
  // which on a disk costs more than the whole run of an input.
  std::string folder = "/dev/shm";
  if (const char* tmp = std::getenv("TESSERA_FUZZ_TMPDIR"); tmp && *tmp) {
    folder = tmp;
  } else if (access(folder.c_str(), W_OK) != 0) {
    const char* tmpdir = std::getenv("TMPDIR");
    folder = tmpdir && *tmpdir ? tmpdir : "/tmp";
  }
  std::string pattern = folder + "/scratch-device-XXXXXX";
  if (!mkdtemp(pattern.data())) Fail("cannot make a scratch folder");
  base_ = pattern;
  root_ = base_ + "/root";
  work_ = base_ + "/work";
  program_ = base_ + "/program";
  g_device = this;
  fs::create_directories(work_);
  fs::create_directories(program_);
  // Relative host paths land in the working directory, where they are seen.
  if (chdir(work_.c_str()) != 0) Fail("cannot enter " + work_);
  // A file beside the root and one in the working directory, which must
  // stay as they are.
  std::ofstream(base_ + "/neighbour.txt") << "outside the device\n";
  std::ofstream(work_ + "/neighbour.txt") << "outside the device\n";
  // Programs and documents the shell could start: nothing is opened.
  setenv("TESSERA_OPEN", "/bin/true", 1);
  Reset();
  (void)platform::HostPath(u"\\");
  if (!g_wrapperSeen) Fail("HostPath is not intercepted (check the --wrap symbol name)");
}

ScratchDevice::~ScratchDevice() {
  g_device = nullptr;
  Reset();  // makes every entry removable
  std::error_code ignored;
  fs::remove_all(base_, ignored);
}

bool ScratchDevice::InsideRoot(std::string_view hostPath) const {
  if (hostPath.empty()) return true;
  const std::string absolute =
      hostPath[0] == '/' ? Lexical(hostPath) : Lexical(work_ + "/" + std::string(hostPath));
  return absolute == root_ ||
         (absolute.size() > root_.size() && absolute.compare(0, root_.size(), root_) == 0 &&
          absolute[root_.size()] == '/');
}

void ScratchDevice::WriteFile(const std::string& devicePath, std::string_view bytes) const {
  std::string host = root_;
  for (char c : devicePath) host += c == '\\' ? '/' : c;
  fs::create_directories(fs::path(host).parent_path());
  std::ofstream(host, std::ios::binary) << bytes;
}

void ScratchDevice::Reset() {
  std::error_code ignored;
  // Read-only entries go too.
  for (auto it = fs::recursive_directory_iterator(root_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (!it->is_symlink())
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root_, ignored);
  fs::create_directories(root_);
  platform::DeviceOptions options;
  options.root = root_;
  options.programHostDir = program_;
  options.programFileName = "Tessera.exe";
  options.shippedEntries.clear();
  if (!platform::SetupDevice(options).ok()) Fail("SetupDevice failed on " + root_);
  WriteFile("\\a.txt", "alpha\r\nbeta\r\n");
  WriteFile("\\My Documents\\sjis.txt", "\x93\xfa\x96\x7b\x8c\xea\r\n\x81\x40x\r\n");
  WriteFile("\\My Documents\\wide.txt", std::string_view("\xff\xfe"
                                                         "a\0b\0\r\0\n\0",
                                                         10));
  WriteFile("\\Windows\\x.bat", "@echo off\r\necho %1 %2\r\nif \"%1\"==\"\" goto end\r\n:end\r\n");
  WriteFile("\\Temp\\sub\\deep\\c.txt", "c\n");
  before_ = Snapshot();
}

std::string ScratchDevice::Snapshot() const {
  std::vector<std::string> lines;
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(base_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    const std::string path = it->path().string();
    if (path == root_) {
      it.disable_recursion_pending();
      continue;
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) continue;
    lines.push_back(path + " " + std::to_string(st.st_mode) + " " + std::to_string(st.st_size) +
                    " " + std::to_string(st.st_mtim.tv_sec) + "." +
                    std::to_string(st.st_mtim.tv_nsec));
  }
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

void ScratchDevice::CheckUntouched() {
  const std::string after = Snapshot();
  if (after != before_) Fail("the host folders around the root changed:\n" + after);
  // Nothing the shell does makes a link, so a link inside the root could
  // only lead out of it.
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(root_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_symlink()) Fail("a link appeared inside the root: " + it->path().string());
  }
}

}  // namespace tessera::fuzz

tessera::platform::Result<std::string> WrappedHostPath(std::u16string_view path) {
  tessera::fuzz::g_wrapperSeen = true;
  auto host = RealHostPath(path);
  const tessera::fuzz::ScratchDevice* device = tessera::fuzz::g_device;
  if (host && device && !device->InsideRoot(*host)) {
    std::string device;
    for (char16_t c : path) device += c < 0x80 ? static_cast<char>(c) : '?';
    tessera::fuzz::ReportEscape(device, *host);
  }
  return host;
}
