// Ctrl+C on a real terminal while a program runs asks whether to stop it.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

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

// Waits until the shell has started a program (it has a child process).
bool WaitForChild(pid_t shell) {
  const std::string children = "/proc/" + std::to_string(shell) + "/task/" + std::to_string(shell) + "/children";
  for (int i = 0; i < 300; ++i) {
    std::ifstream in(children);
    std::string pid;
    if (in >> pid) return true;
    usleep(100 * 1000);
  }
  return false;
}

void Type(int fd, const std::string& keys) { ASSERT_EQ(write(fd, keys.data(), keys.size()), static_cast<ssize_t>(keys.size())); }

TEST(TerminalInterrupt, CtrlCAsksAndYesEndsTheProgram) {
  testing::TempRoot root;
  std::filesystem::create_symlink(TPROG_EXE, root.Host("\\Windows\\tprog.exe"));
  int terminal = -1;
  const pid_t shell = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(shell, 0);
  if (shell == 0) {
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string seen;
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen));
  const auto start = std::chrono::steady_clock::now();
  Type(terminal, "tprog sleep 30000 out finished\r");
  ASSERT_TRUE(WaitFor(terminal, "tprog sleep 30000 out finished", seen));
  ASSERT_TRUE(WaitForChild(shell));
  Type(terminal, "\x03");
  ASSERT_TRUE(WaitFor(terminal, "処理を中止しますか？", seen)) << seen;
  Type(terminal, "y\r");
  seen.clear();
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen)) << seen;
  EXPECT_EQ(seen.find("finished"), std::string::npos);  // the program was ended, not run out
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(25));
  Type(terminal, "\x04");  // Ctrl+D on the empty line ends the session
  int status = 0;
  waitpid(shell, &status, 0);
  close(terminal);
  EXPECT_TRUE(WIFEXITED(status));
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
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  Type(terminal, "echo typed ahead\r");  // before the shell has printed anything
  std::string seen;
  EXPECT_TRUE(WaitFor(terminal, "\ntyped ahead\r\n", seen)) << seen;
  Type(terminal, "\x04");
  int status = 0;
  waitpid(shell, &status, 0);
  close(terminal);
}

}  // namespace
}  // namespace tessera
