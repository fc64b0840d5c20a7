// The start-up and shut-down sequence the window and the terminal share:
// the device, the language, the message overrides, the decision about the
// standard streams, the shared current-directory block; and at the end
// the resting files, the message texts and the block, in that order.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "launch/stream_probe.h"
#include "platform/result.h"

namespace tessera {

class ShellStartup {
 public:
  ShellStartup() = default;
  ShellStartup(const ShellStartup&) = delete;
  ShellStartup& operator=(const ShellStartup&) = delete;
  // Finishes a session that was started.
  ~ShellStartup();

  // Sets up the device on the root (--root; else TESSERA_ROOT or the
  // default) and removes the shared blocks of shells that were killed.
  platform::Status OpenDevice(const std::optional<std::string>& root);
  // The line for the host's error stream when OpenDevice failed: which
  // directory, and why.
  static std::string DeviceFailureText(const std::optional<std::string>& root,
                                       platform::Status status);
  // The rest of start-up, in order: SIGTERM and SIGHUP recorded, the
  // language, the application title, the device clock, the message
  // overrides, the standard streams (stored or probed), the shared
  // current-directory block.
  void Start(const StreamProbeOptions& probe = {});
  // The end of the program: the resting files released, the message texts
  // freed, the shared block closed. Runs once.
  void Finish();

 private:
  bool started_ = false;
};

// A request to close: refused while a command runs; with background
// programs still running the user is asked to end them (or told how to
// close). True when closing may go on.
bool ConfirmClose();

// Ends the session after SIGTERM or SIGHUP as Exit does, without asking:
// the background programs are ended, the front end stores what it keeps
// (frontEndSteps), the session finishes, and the process ends by the
// signal.
[[noreturn]] void EndSessionOnSignal(const std::function<void()>& frontEndSteps = {});

}  // namespace tessera
