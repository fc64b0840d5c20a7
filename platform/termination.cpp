#include "platform/termination.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tessera::platform {

namespace {

volatile sig_atomic_t g_signal = 0;
int g_pipe[2] = {-1, -1};

void OnTermination(int signal) {
  const int saved = errno;
  if (g_signal == 0) g_signal = signal;
  const char byte = 1;
  if (g_pipe[1] >= 0) (void)!write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

void InstallTerminationHandler() {
  if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
  struct sigaction action {};
  action.sa_handler = OnTermination;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting read returns to look at the signal
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

int TerminationSignal() { return g_signal; }

int TerminationDescriptor() { return g_pipe[0]; }

void EndByTerminationSignal() {
  const int signal = g_signal != 0 ? g_signal : SIGTERM;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, signal);
  sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(signal);
  // Only reached when the signal could not end the process.
  _exit(128 + signal);
}

}  // namespace tessera::platform
