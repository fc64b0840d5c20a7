// A throw-away device root for tests.
#pragma once

#include <string>

#include "platform/device.h"

namespace tessera::testing {

// Creates a fresh host directory under $TMPDIR (or /tmp), sets it up as the
// device root with a program folder whose shipped files are linked from a
// second scratch directory, and removes both when destroyed.
class TempRoot {
 public:
  TempRoot();
  ~TempRoot();
  TempRoot(const TempRoot&) = delete;
  TempRoot& operator=(const TempRoot&) = delete;

  const std::string& host() const { return root_; }
  // Host directory that stands for the program's install tree.
  const std::string& programHost() const { return program_; }
  // The options this root was set up with, for setting it up again.
  platform::DeviceOptions Options() const;
  // Host path of a device path (plain concatenation; no case folding).
  std::string Host(const std::string& devicePathUtf8) const;
  // Writes bytes to a host file (creating parents).
  void WriteHostFile(const std::string& hostPath, const std::string& bytes) const;
  std::string ReadHostFile(const std::string& hostPath) const;

 private:
  std::string base_;
  std::string root_;
  std::string program_;
};

}  // namespace tessera::testing
