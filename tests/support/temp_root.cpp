#include "support/temp_root.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/device.h"

namespace tessera::testing {

namespace fs = std::filesystem;

TempRoot::TempRoot() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tessera-test-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  base_ = pattern;
  root_ = base_ + "/root";
  program_ = base_ + "/program";
  fs::create_directories(root_);
  fs::create_directories(program_ + "/bin");
  WriteHostFile(program_ + "/Tessera.exe", "#!/bin/sh\n");
  if (!platform::SetupDevice(Options()).ok()) throw std::runtime_error("SetupDevice failed");
}

TempRoot::~TempRoot() {
  std::error_code ignored;
  // Make everything writable again so that read-only test files go too.
  for (auto it = fs::recursive_directory_iterator(base_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (!it->is_symlink())
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(base_, ignored);
}

platform::DeviceOptions TempRoot::Options() const {
  platform::DeviceOptions options;
  options.root = root_;
  options.programHostDir = program_;
  options.programFileName = "Tessera.exe";
  return options;
}

std::string TempRoot::Host(const std::string& devicePathUtf8) const {
  std::string out = root_;
  for (char c : devicePathUtf8) out += (c == '\\') ? '/' : c;
  return out;
}

void TempRoot::WriteHostFile(const std::string& hostPath, const std::string& bytes) const {
  fs::create_directories(fs::path(hostPath).parent_path());
  std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempRoot::ReadHostFile(const std::string& hostPath) const {
  std::ifstream in(hostPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tessera::testing
