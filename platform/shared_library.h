// Loading a shared library of the program (a language library, the window
// front end) and finding its exported symbols.
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessera::platform {

// An open shared library; closed when the object goes.
class SharedLibrary {
 public:
  SharedLibrary() = default;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  ~SharedLibrary();

  // Opens the library at a host path (symbols resolved at once, kept local
  // to the library). The loader's reason for a refusal is in LastLoadError.
  static Result<SharedLibrary> Open(const std::string& hostPath);
  // Opens a library lying beside the running program's own file (its links
  // followed), wherever the program was started from.
  static Result<SharedLibrary> OpenBesideProgram(const std::string& fileName);

  bool isOpen() const { return handle_ != nullptr; }
  // The address of an exported symbol, or null when the library has none.
  void* Symbol(std::string_view name) const;
  // A function of the library, typed by the caller; null when missing.
  template <typename Function>
  Function* FunctionNamed(std::string_view name) const {
    return reinterpret_cast<Function*>(Symbol(name));
  }
  void Close();
  // Leaves the library loaded until the process ends: code of it may still
  // run when the process exits (handlers it registered).
  void KeepLoaded() { handle_ = nullptr; }

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  void* handle_ = nullptr;
};

// True while the library at a host path is loaded in this process (by any
// open handle).
bool IsSharedLibraryLoaded(const std::string& hostPath);

// The loader's text for the last failed Open on this thread (empty if none).
const std::string& LastLoadError();

}  // namespace tessera::platform
