// The start-up and the end of a session, seen from outside the shell: the
// stream probe's settings, the answering side, and the end by SIGTERM or
// SIGHUP.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/shared_memory.h"
#include "shell/current_directory.h"
#include "support/temp_root.h"
#include "terminal/shell_process.h"

namespace tessera {
namespace {

using testing::ProcessRun;
using testing::RunningProcess;
using testing::RunProcess;

namespace fs = std::filesystem;

constexpr const char* kSettingsKey = "HKCU, Software\\Verdane\\Tessera\\SETTINGS";

ProcessRun Shell(const testing::TempRoot& root, const std::string& line) {
  return RunProcess({TESSERA_EXE, "--tty", "--root", root.host(), "--yes", "-c", line}, "");
}

std::string Setting(const testing::TempRoot& root, const std::string& name) {
  const ProcessRun run = Shell(root, std::string("DIRREG ") + kSettingsKey + ", " + name);
  const auto comma = run.out.rfind(", ");
  if (run.out.empty() || comma == std::string::npos) return "<none>";
  std::string value = run.out.substr(comma + 2);
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
  return value;
}

bool BlockExists(const std::string& name) {
  const int fd = shm_open(name.c_str(), O_RDONLY, 0);
  if (fd < 0) return false;
  close(fd);
  return true;
}

TEST(StreamProbeAtStart, AFreshDeviceStoresWhatReachedTheProgram) {
  testing::TempRoot root;
  const ProcessRun run = Shell(root, std::string("DIRREG ") + kSettingsKey);
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* name : {"SUPPORT_STDIN", "USE_STDIN", "SUPPORT_STDOUT", "USE_STDOUT",
                           "SUPPORT_STDERR", "USE_STDERR"}) {
    EXPECT_NE(run.out.find(std::string(kSettingsKey) + ", " + name + ", 0x00010001, 1\n"),
              std::string::npos)
        << name << " in\n"
        << run.out;
  }
  EXPECT_EQ(Shell(root, "echo %SUPPORTSTDIN% %SUPPORTSTDOUT%").out, "OK OK\n");
}

TEST(StreamProbeAtStart, OneResultDeletedProbesAgain) {
  testing::TempRoot root;
  ASSERT_EQ(Setting(root, "USE_STDOUT"), "1");
  // The user's choice is kept while all three results are there...
  Shell(root, std::string("ADDREG ") + kSettingsKey + ", USE_STDOUT, 0x10001, 0");
  EXPECT_EQ(Shell(root, "echo %SUPPORTSTDOUT%").out, "NG\n");
  // ...and one result deleted makes the next start probe and store afresh.
  Shell(root, std::string("DELREG ") + kSettingsKey + ", SUPPORT_STDERR");
  EXPECT_EQ(Shell(root, "echo %SUPPORTSTDOUT%").out, "OK\n");
  EXPECT_EQ(Setting(root, "SUPPORT_STDERR"), "1");
  EXPECT_EQ(Setting(root, "USE_STDOUT"), "1");
}

TEST(DeviceRootAtStart, ARootThatCannotBeSetUpIsNamedWithTheReason) {
  testing::TempRoot root;
  const std::string file = root.host() + "/plain-file";
  std::ofstream(file) << "x";
  const ProcessRun run = RunProcess({TESSERA_EXE, "--tty", "--root", file, "-c", "echo hi"}, "");
  EXPECT_EQ(WEXITSTATUS(run.status), 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Tessera: cannot set up the device root " + file + ": not a directory\n");
}

TEST(StreamCheckAnswer, EchoesOneLineAndAnswersWithoutAShell) {
  const std::string home =
      fs::temp_directory_path() / ("tessera-answer-" + std::to_string(getpid()));
  fs::create_directories(home);
  const std::vector<std::string> environment = {"HOME=" + home, "XDG_DATA_HOME=" + home + "/data",
                                                "TESSERA_ROOT="};
  ProcessRun run = RunProcess({TESSERA_EXE, "/CHECKSTDIO"}, "first line\nsecond\n", environment);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
  EXPECT_EQ(run.out, "first line\nTessera!\n");
  EXPECT_EQ(run.err, "Tessera:Stderr Check");
  run = RunProcess({TESSERA_EXE, "/CHECKSTDIO"}, "", environment);
  EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  // Neither a device nor anything else was made.
  EXPECT_TRUE(fs::is_empty(home));
  fs::remove_all(home);
}

// A shell at its prompt with a background program, or waiting for a
// foreground one, ended by a signal.
class SessionEnd : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(SessionEnd, ASignalEndsTheSessionAsExitDoes) {
  const auto [signal, foreground] = GetParam();
  testing::TempRoot root;
  fs::create_symlink(TPROG_EXE, root.Host("\\Windows\\tprog.exe"));
  const std::string block = platform::QualifiedSharedMemoryName(kCurrentDirectoryBlock);
  const std::string pidFile = root.host() + "/tprog.pid";
  RunningProcess shell({TESSERA_EXE, "--tty", "--root", root.host()});
  ASSERT_TRUE(shell.WaitFor("\\>"));
  const std::string line =
      "tprog pid " + pidFile + " sleep 30000" + (foreground ? "" : " &") + "\necho typed\n";
  ASSERT_EQ(write(shell.input, line.data(), line.size()), static_cast<ssize_t>(line.size()));
  for (int i = 0; i < 400 && !fs::exists(pidFile); ++i) usleep(25 * 1000);
  ASSERT_TRUE(fs::exists(pidFile));
  if (!foreground) {
    ASSERT_TRUE(shell.WaitFor("typed\n"));
  }
  usleep(100 * 1000);  // the program has written its pid; let it reach its sleep
  pid_t program = 0;
  std::ifstream(pidFile) >> program;
  ASSERT_GT(program, 0);
  EXPECT_TRUE(BlockExists(block));
  EXPECT_TRUE(fs::exists(root.Host("\\Temp\\TSXSTDOUT.tmp")));

  ASSERT_EQ(kill(shell.pid, signal), 0);
  const int status = shell.Finish();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
  EXPECT_FALSE(BlockExists(block));
  EXPECT_NE(kill(program, 0), 0);  // ended, and collected by the shell
  EXPECT_FALSE(fs::exists(root.Host("\\Temp\\TSXSTDOUT.tmp")));
  EXPECT_FALSE(fs::exists(root.Host("\\Temp\\TSXSTDINN.tmp")));
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEnd,
                         ::testing::Values(std::make_tuple(SIGTERM, false),
                                           std::make_tuple(SIGTERM, true),
                                           std::make_tuple(SIGHUP, false)));

TEST(SharedBlocks, AStartRemovesTheBlocksOfShellsThatNoLongerRun) {
  testing::TempRoot running;
  const std::string runningBlock = platform::QualifiedSharedMemoryName(kCurrentDirectoryBlock);
  RunningProcess shell({TESSERA_EXE, "--tty", "--root", running.host()});
  ASSERT_TRUE(shell.WaitFor("\\>"));
  ASSERT_TRUE(BlockExists(runningBlock));
  // A block left by a shell that was killed outright: nobody holds it.
  const std::string stale =
      "/tessera-" + std::to_string(getuid()) + "-00000000deadbeef-TESSERA_CURRENT_DIRECTORY";
  const int fd = shm_open(stale.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  close(fd);

  testing::TempRoot other;
  EXPECT_EQ(Shell(other, "echo started").out, "started\n");
  EXPECT_FALSE(BlockExists(stale));
  // The running shell's block is its own still, and holds its directory.
  const std::string cd = "cd \\Windows\necho moved\n";
  ASSERT_EQ(write(shell.input, cd.data(), cd.size()), static_cast<ssize_t>(cd.size()));
  ASSERT_TRUE(shell.WaitFor("moved\n"));
  auto opened = platform::SharedMemoryBlock::OpenExisting(runningBlock);
  ASSERT_TRUE(opened.ok());
  EXPECT_EQ(opened->Read(0, 2).value(), (std::vector<std::uint8_t>{'\\', 0}));
  EXPECT_EQ(shell.Finish(), 0);
}

}  // namespace
}  // namespace tessera
