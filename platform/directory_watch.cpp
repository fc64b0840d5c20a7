#include "platform/directory_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/device.h"

namespace tessera::platform {

namespace {

// The folder watched itself: gone, renamed, permissions changed.
constexpr std::uint32_t kSelfEvents =
    IN_DELETE_SELF | IN_MOVE_SELF | IN_ATTRIB | IN_UNMOUNT | IN_ONLYDIR;
// A folder above it: also an entry added, removed or renamed, which may be
// the next folder on the way or change how its name is found.
constexpr std::uint32_t kWayEvents =
    kSelfEvents | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// Set by the kernel's signal when the watch queue gets an event: the kernel
// signals the watching thread from inside the call that made the change, so
// a change made by this thread is known before that call returns.
volatile std::sig_atomic_t g_eventsQueued = 0;

void OnEventsQueued(int) { g_eventsQueued = 1; }

struct WatchState {
  int fd = -1;
  bool failed = false;  // no watching is possible in this process
  std::vector<int> watches;
  bool changed = true;
};

WatchState& State() {
  static WatchState state;
  return state;
}

// The event signal belongs to this file; a process that handles it
// elsewhere gets no watching.
bool InstallSignal() {
  struct sigaction current {};
  if (sigaction(SIGIO, nullptr, &current) != 0) return false;
  if (current.sa_handler == OnEventsQueued) return true;
  if (current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN) return false;
  struct sigaction action {};
  action.sa_handler = OnEventsQueued;
  sigemptyset(&action.sa_mask);
  // Interrupted calls go on: the signal only sets the flag.
  action.sa_flags = SA_RESTART;
  return sigaction(SIGIO, &action, nullptr) == 0;
}

bool Open(WatchState& state) {
  if (state.fd >= 0) return true;
  if (state.failed) return false;
  state.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (state.fd < 0 || !InstallSignal()) {
    if (state.fd >= 0) close(state.fd);
    state.fd = -1;
    state.failed = true;
    return false;
  }
  return true;
}

// The signal goes to the calling thread (the one that asks), so that it
// is taken when that thread's own change returns.
bool SignalThisThread(int fd) {
  f_owner_ex owner{F_OWNER_TID, static_cast<pid_t>(syscall(SYS_gettid))};
  if (fcntl(fd, F_SETOWN_EX, &owner) != 0) return false;
  const int flags = fcntl(fd, F_GETFL);
  return flags >= 0 && fcntl(fd, F_SETFL, flags | O_ASYNC) == 0;
}

// Reads every queued event; true when one of them is a change (the notes
// that a watch was dropped on request are none).
bool DrainEvents(int fd) {
  bool change = false;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->mask != IN_IGNORED) change = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return change;
}

void RemoveWatches(WatchState& state) {
  for (const int watch : state.watches) inotify_rm_watch(state.fd, watch);
  state.watches.clear();
  state.changed = true;
}

// The host folders from the device root down to the directory.
std::vector<std::string> FoldersOnTheWay(std::u16string_view devicePath) {
  const std::string& root = DeviceRootHostPath();
  auto host = HostPath(devicePath.empty() ? std::u16string_view(u"\\") : devicePath);
  if (root.empty() || !host || host->compare(0, root.size(), root) != 0) return {};
  std::vector<std::string> folders{root};
  std::size_t at = root.back() == '/' ? root.size() - 1 : root.size();
  while (at < host->size()) {
    std::size_t next = host->find('/', at + 1);
    if (next == std::string::npos) next = host->size();
    folders.push_back(host->substr(0, next));
    at = next;
  }
  return folders;
}

}  // namespace

bool WatchDirectory(std::u16string_view devicePath) {
  WatchState& state = State();
  if (!Open(state)) return false;
  // What the old watch still reports, its own removal included, is of no
  // interest any more.
  RemoveWatches(state);
  DrainEvents(state.fd);
  g_eventsQueued = 0;
  const std::vector<std::string> folders = FoldersOnTheWay(devicePath);
  if (folders.empty() || !SignalThisThread(state.fd)) return false;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::uint32_t events = i + 1 < folders.size() ? kWayEvents : kSelfEvents;
    const int watch = inotify_add_watch(state.fd, folders[i].c_str(), events);
    if (watch < 0) {
      RemoveWatches(state);
      return false;
    }
    state.watches.push_back(watch);
  }
  state.changed = false;
  return true;
}

bool WatchedDirectoryUnchanged() {
  WatchState& state = State();
  if (state.changed) return false;
  if (g_eventsQueued) {
    g_eventsQueued = 0;
    if (DrainEvents(state.fd)) state.changed = true;
  }
  return !state.changed;
}

void ResetDirectoryWatch() {
  WatchState& state = State();
  if (!Open(state)) return;
  RemoveWatches(state);
  DrainEvents(state.fd);
  g_eventsQueued = 0;
}

}  // namespace tessera::platform
