// Ctrl+C on a real terminal while a program runs asks whether to stop it.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>

#include "support/neutral_locale.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

// Reads from the terminal until `text` has appeared or a few seconds passed.
bool WaitFor(int fd, const std::string& text, std::string& seen) {
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

// Ends the session with Ctrl+D, then by hanging up, and last by force, so
// that a test never waits for a shell for ever.
bool EndShell(pid_t shell, int terminal) {
  const char endOfInput = '\x04';
  (void)!write(terminal, &endOfInput, 1);
  int status = 0;
  for (int i = 0; i < 100; ++i) {
    if (waitpid(shell, &status, WNOHANG) == shell) {
      close(terminal);
      return WIFEXITED(status);
    }
    usleep(50 * 1000);
  }
  close(terminal);
  for (int i = 0; i < 40 && waitpid(shell, &status, WNOHANG) != shell; ++i) usleep(50 * 1000);
  kill(shell, SIGKILL);
  waitpid(shell, &status, 0);
  return false;
}

// Ends the shell however the test leaves its body.
struct ShellSession {
  pid_t shell = -1;
  int terminal = -1;
  bool ended = false;
  bool End() {
    ended = true;
    return EndShell(shell, terminal);
  }
  ~ShellSession() {
    if (!ended && shell > 0) EndShell(shell, terminal);
  }
};

void Type(int fd, const std::string& keys) {
  ASSERT_EQ(write(fd, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
}

TEST(TerminalInterrupt, CtrlCAsksAndYesEndsTheProgram) {
  testing::TempRoot root;
  std::filesystem::create_symlink(TPROG_EXE, root.Host("\\Windows\\tprog.exe"));
  int terminal = -1;
  const pid_t shell = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(shell, 0);
  if (shell == 0) {
    tessera::testing::UseNeutralLocale();
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  ShellSession session{shell, terminal};
  std::string seen;
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen));
  const auto start = std::chrono::steady_clock::now();
  const std::string marker = root.host() + "/running";
  Type(terminal, "tprog touch " + marker + " sleep 30000 out finished\r");
  // Ctrl+C only once the program runs.
  for (int i = 0; i < 600 && !std::filesystem::exists(marker); ++i) usleep(50 * 1000);
  ASSERT_TRUE(std::filesystem::exists(marker)) << seen;
  Type(terminal, "\x03");
  ASSERT_TRUE(WaitFor(terminal, "処理を中止しますか？", seen)) << seen;
  Type(terminal, "y\r");
  seen.clear();
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen)) << seen;
  EXPECT_EQ(seen.find("finished"), std::string::npos);  // the program was ended, not run out
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(25));
  EXPECT_TRUE(session.End());  // Ctrl+D on the empty line ends the session
}

}  // namespace
}  // namespace tessera

namespace tessera {
namespace {

TEST(TerminalTypeAhead, KeysTypedBeforeThePromptAreKept) {
  testing::TempRoot root;
  int terminal = -1;
  const pid_t shell = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(shell, 0);
  if (shell == 0) {
    tessera::testing::UseNeutralLocale();
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  ShellSession session{shell, terminal};
  Type(terminal, "echo typed ahead\r");  // before the shell has printed anything
  std::string seen;
  EXPECT_TRUE(WaitFor(terminal, "\ntyped ahead\r\n", seen)) << seen;
  session.End();
}

}  // namespace
}  // namespace tessera
