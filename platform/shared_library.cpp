#include "platform/shared_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <utility>

namespace tessera::platform {

namespace {
thread_local std::string g_lastLoadError;
}  // namespace

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

SharedLibrary::~SharedLibrary() { Close(); }

Result<SharedLibrary> SharedLibrary::Open(const std::string& hostPath) {
  if (hostPath.empty() || hostPath.find('\0') != std::string::npos) {
    return ErrorCode::InvalidParameter;
  }
  void* handle = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    g_lastLoadError = reason ? reason : "";
    return ErrorCode::FileNotFound;
  }
  g_lastLoadError.clear();
  return SharedLibrary(handle);
}

Result<SharedLibrary> SharedLibrary::OpenBesideProgram(const std::string& fileName) {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ErrorCode::FileNotFound;
  std::string path(buffer, static_cast<std::size_t>(n));
  path.resize(path.rfind('/') + 1);
  return Open(path + fileName);
}

void* SharedLibrary::Symbol(std::string_view name) const {
  if (!handle_) return nullptr;
  const std::string symbol(name);
  return dlsym(handle_, symbol.c_str());
}

void SharedLibrary::Close() {
  if (handle_) dlclose(std::exchange(handle_, nullptr));
}

bool IsSharedLibraryLoaded(const std::string& hostPath) {
  if (hostPath.empty() || hostPath.find('\0') != std::string::npos) return false;
  // RTLD_NOLOAD finds a loaded library without loading it; the handle it
  // gives counts as one more open, given back at once.
  void* handle = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return false;
  dlclose(handle);
  return true;
}

const std::string& LastLoadError() { return g_lastLoadError; }

}  // namespace tessera::platform
