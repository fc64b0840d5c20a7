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
#include "terminal/shell_process.h"

namespace tessera {
namespace {

bool WaitFor(int fd, const std::string& text, std::string& seen) {
  return testing::WaitForText(fd, text, seen);
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

// The shell on a new pseudo-terminal, ended however the test leaves its body.
struct ShellSession {
  explicit ShellSession(const testing::TempRoot& root) {
    shell = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (shell == 0) {
      tessera::testing::UseNeutralLocale();
      execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ShellSession(const ShellSession&) = delete;
  ShellSession& operator=(const ShellSession&) = delete;
  bool started() const { return shell > 0; }
  bool End() {
    ended = true;
    return EndShell(shell, terminal);
  }
  ~ShellSession() {
    if (!ended && shell > 0) EndShell(shell, terminal);
  }
  pid_t shell = -1;
  int terminal = -1;
  bool ended = false;
};

void Type(int fd, const std::string& keys) {
  ASSERT_EQ(write(fd, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
}

TEST(TerminalInterrupt, CtrlCAsksAndYesEndsTheProgram) {
  testing::TempRoot root;
  std::filesystem::create_symlink(TPROG_EXE, root.Host("\\Windows\\tprog.exe"));
  ShellSession session(root);
  ASSERT_TRUE(session.started());
  const int terminal = session.terminal;
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
  ShellSession session(root);
  ASSERT_TRUE(session.started());
  const int terminal = session.terminal;
  Type(terminal, "echo typed ahead\r");  // before the shell has printed anything
  std::string seen;
  EXPECT_TRUE(WaitFor(terminal, "\ntyped ahead\r\n", seen)) << seen;
  session.End();
}

}  // namespace
}  // namespace tessera

namespace tessera {
namespace {

TEST(TerminalFunctionKeys, FollowTheirSettings) {
  testing::TempRoot root;
  // F1 made to run two lines (the two characters \n stand for Enter).
  const auto set =
      testing::RunProcess({TESSERA_EXE, "--tty", "--root", root.host(), "-c",
                           "ADDREG HKCU, Software\\Verdane\\Tessera\\SETTINGS, FKEY_COMMAND1, 0, "
                           "echo one\\necho two\\n"},
                          "");
  ASSERT_EQ(set.status, 0) << set.out << set.err;
  ShellSession session(root);
  ASSERT_TRUE(session.started());
  const int terminal = session.terminal;
  std::string seen;
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen));
  Type(terminal, "\x1bOP");
  EXPECT_TRUE(WaitFor(terminal, "\r\ntwo\r\n", seen)) << seen;
  EXPECT_NE(seen.find("\r\none\r\n"), std::string::npos) << seen;
  EXPECT_TRUE(session.End());
}

}  // namespace
}  // namespace tessera

namespace tessera {
namespace {

TEST(TerminalTyping, KeepsEveryCharacterAndRefusesBrokenBytesAudibly) {
  testing::TempRoot root;
  ShellSession session(root);
  ASSERT_TRUE(session.started());
  const int terminal = session.terminal;
  std::string seen;
  ASSERT_TRUE(WaitFor(terminal, "\\>", seen));
  seen.clear();
  Type(terminal, "echo \xf0\xa0\xae\xb7\xff\xe9\xe9\x87\x8e\xe5\xae\xb6\r");
  EXPECT_TRUE(WaitFor(terminal, "\r\n\xf0\xa0\xae\xb7\xe9\x87\x8e\xe5\xae\xb6\r\n", seen)) << seen;
  EXPECT_NE(seen.find('\a'), std::string::npos) << seen;  // the refused bytes rang
  EXPECT_TRUE(session.End());
}

}  // namespace
}  // namespace tessera
