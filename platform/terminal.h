// The terminal the front end runs in: private descriptors, raw key input,
// the interrupt key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessera::platform {

// The front end's own copies of the terminal streams, kept away from
// descriptors 0-2 (which the shell re-points for its children) and closed
// in every child.
struct TerminalDescriptors {
  int input = -1;
  int output = -1;
  int error = -1;
};

// Duplicates 0, 1 and 2 onto close-on-exec descriptors above 2.
Result<TerminalDescriptors> MoveTerminalDescriptors();

bool IsTerminal(int fd);
// The terminal's width in columns now (80 when it does not say).
int TerminalColumns(int fd);
// Writes all bytes (retrying after interrupts); false when the write fails.
bool WriteAll(int fd, std::string_view bytes);
// Reads one line without its '\n' (a final '\r' is kept); none at the end
// of input, and none once SIGTERM or SIGHUP asked the session to end.
std::optional<std::string> ReadLine(int fd);
// Reads whatever bytes are ready, waiting for at least one; none at the end
// of input or on error. An interrupt gives an empty string.
std::optional<std::string> ReadSome(int fd);

// Raw key-by-key input on a terminal for as long as the object lives.
class RawMode {
 public:
  explicit RawMode(int fd);
  ~RawMode();
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;
  bool active() const { return active_; }

 private:
  int fd_;
  bool active_ = false;
  struct Saved;
  Saved* saved_ = nullptr;
};

// Ctrl+C while a command runs: the interrupt is recorded instead of ending
// the process, and taken by the front end's event pump.
void InstallInterruptHandler();
// True once per interrupt since the last call.
bool TakeInterrupt();

// Milliseconds of a steady clock that is cheap to read and coarse (a few
// milliseconds): for pacing output, asked once for every line shown.
std::uint64_t CoarseMilliseconds();

// Opens the controlling terminal for questions when the input is a file or
// pipe; -1 when there is none.
int OpenControllingTerminal();

}  // namespace tessera::platform
