#include "terminal/shell_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace tessera::testing {

namespace {

void FixedEnvironment(const std::vector<std::string>& extra) {
  setenv("LC_ALL", "C.UTF-8", 1);
  setenv("TZ", "UTC", 1);
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("QT_QPA_PLATFORM");
  for (const auto& entry : extra) putenv(const_cast<char*>(entry.c_str()));
}

[[noreturn]] void Exec(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const auto& arg : arguments) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

}  // namespace

bool WaitForText(int fd, const std::string& text, std::string& seen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  char buffer[512];
  while (seen.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    pollfd entry{fd, POLLIN, 0};
    if (poll(&entry, 1, 100) <= 0) continue;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::string& input,
                      const std::vector<std::string>& environment) {
  int in[2], out[2], err[2];
  ProcessRun run;
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
    run.status = -1;
    return run;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    FixedEnvironment(environment);
    Exec(arguments);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  signal(SIGPIPE, SIG_IGN);
  (void)!write(in[1], input.data(), input.size());
  close(in[1]);
  pollfd entries[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* targets[2] = {&run.out, &run.err};
  int open = 2;
  char buffer[4096];
  while (open > 0 && poll(entries, 2, 60000) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (entries[i].fd < 0 || !(entries[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = read(entries[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        targets[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(entries[i].fd);
        entries[i].fd = -1;
        --open;
      }
    }
  }
  for (auto& entry : entries) {
    if (entry.fd >= 0) close(entry.fd);
  }
  waitpid(pid, &run.status, 0);
  return run;
}

RunningProcess::RunningProcess(const std::vector<std::string>& arguments) {
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) return;
  pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    FixedEnvironment({});
    Exec(arguments);
  }
  close(in[0]);
  close(out[1]);
  input = in[1];
  output = out[0];
}

bool RunningProcess::WaitFor(const std::string& text) { return WaitForText(output, text, seen); }

int RunningProcess::Finish() {
  if (pid <= 0) return -1;
  if (input >= 0) close(input);
  input = -1;
  int status = 0;
  bool ended = false;
  for (int i = 0; i < 200 && !ended; ++i) {
    ended = waitpid(pid, &status, WNOHANG) == pid;
    if (!ended) usleep(50 * 1000);
  }
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  pid = -1;
  if (output >= 0) close(output);
  output = -1;
  return status;
}

RunningProcess::~RunningProcess() { Finish(); }

}  // namespace tessera::testing
