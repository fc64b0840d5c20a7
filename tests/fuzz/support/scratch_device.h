// A device root for the harnesses that run the shell, inside a host folder
// of its own. Everything around the root — the folder itself, the working
// directory the harness runs in, and every host path the platform layer is
// asked to reach — is watched: a run that touches anything outside the
// root aborts the harness with the offending path.
#pragma once

#include <string>
#include <string_view>

namespace tessera::fuzz {

class ScratchDevice {
 public:
  // The one scratch device of the process, made on first use.
  static ScratchDevice& Get();

  // Empties the device root and sets it up again with a few files to work
  // on (text in UTF-8, Shift_JIS and UTF-16, a batch file, a folder).
  void Reset();
  // Aborts when anything outside the device root changed since Reset (a
  // device call that reaches a host path outside it aborts at once).
  void CheckUntouched();

  // Removes the whole scratch folder (a run that aborts leaves it behind).
  ~ScratchDevice();

  const std::string& root() const { return root_; }
  // True when the host path (absolute or relative to the working
  // directory) lies inside the device root.
  bool InsideRoot(std::string_view hostPath) const;

 private:
  ScratchDevice();
  std::string Snapshot() const;
  void WriteFile(const std::string& devicePath, std::string_view bytes) const;

  std::string base_;     // the folder that holds everything below
  std::string root_;     // base/root, the device root
  std::string work_;     // base/work, the harness's working directory
  std::string program_;  // base/program, the program's host folder (empty)
  std::string before_;   // Snapshot() after the last Reset
};

// Aborts the run: the platform layer gave a host path outside the root.
[[noreturn]] void ReportEscape(std::string_view devicePath, std::string_view hostPath);

}  // namespace tessera::fuzz
