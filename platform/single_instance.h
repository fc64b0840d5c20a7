// One window per user and device root. The first start holds a lock file
// for as long as it runs and listens on a local socket beside it; a later
// start finds the lock taken, asks the first one through the socket to come
// to the front, and ends. The kernel drops the lock of a process that dies,
// so a crashed window never blocks the next start.
#pragma once

#include <string>

namespace tessera::platform {

class WindowInstance {
 public:
  enum class Outcome {
    First,       // this start runs the window; others hand over to it
    HandedOver,  // another window of the device came to the front
    Alone,       // no answer, or no place for the lock: runs on its own
  };

  // Claims the window of the current device root. While another start
  // holds it, asks that one to come to the front, up to `tries` times
  // `pauseMilliseconds` apart.
  static WindowInstance Claim(int tries = 40, int pauseMilliseconds = 250);

  WindowInstance(WindowInstance&& other) noexcept;
  WindowInstance& operator=(WindowInstance&& other) noexcept;
  WindowInstance(const WindowInstance&) = delete;
  WindowInstance& operator=(const WindowInstance&) = delete;
  ~WindowInstance();

  Outcome outcome() const { return outcome_; }
  // The listening socket (readable when a later start knocks); -1 unless First.
  int listenDescriptor() const { return listen_; }
  // Answers one waiting request; true when it asked for the window.
  bool TakeRequest();

 private:
  WindowInstance() = default;
  void Release();

  Outcome outcome_ = Outcome::Alone;
  int lock_ = -1;
  int listen_ = -1;
  std::string socketPath_;
};

}  // namespace tessera::platform
