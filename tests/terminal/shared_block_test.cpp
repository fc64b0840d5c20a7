// The current directory a running shell publishes, read by another process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/shared_memory.h"
#include "shell/current_directory.h"
#include "support/neutral_locale.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

std::string ReadBlock(const std::string& name) {
  auto block = platform::SharedMemoryBlock::OpenExisting(name);
  if (!block.ok()) return "<absent>";
  auto bytes = block->Read(0, kCurrentDirectoryBlockSize);
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
    if ((*bytes)[i] == 0 && (*bytes)[i + 1] == 0) break;
    text += static_cast<char>((*bytes)[i]);  // the test's directories are ASCII
  }
  return text;
}

// Waits until the shell's output holds `text`.
bool WaitForOutput(int fd, const std::string& text, std::string& seen) {
  char buffer[256];
  for (int rounds = 0; rounds < 500 && seen.find(text) == std::string::npos; ++rounds) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
  return seen.find(text) != std::string::npos;
}

TEST(SharedCurrentDirectory, AnotherProcessReadsWhatTheShellPublished) {
  testing::TempRoot root;  // the same device root as the shell's, so the name is the same
  const std::string name = platform::QualifiedSharedMemoryName(kCurrentDirectoryBlock);
  EXPECT_EQ(ReadBlock(name), "<absent>");  // no shell running

  int input[2], output[2];
  ASSERT_EQ(pipe(input), 0);
  ASSERT_EQ(pipe(output), 0);
  const pid_t shell = fork();
  if (shell == 0) {
    dup2(input[0], 0);
    dup2(output[1], 1);
    close(input[1]);
    close(output[0]);
    tessera::testing::UseNeutralLocale();
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(input[0]);
  close(output[1]);
  std::string seen;
  ASSERT_TRUE(WaitForOutput(output[0], "\\>", seen));
  EXPECT_EQ(ReadBlock(name), "\\");
  const std::string command = "cd \\temp\necho marker\n";
  ASSERT_EQ(write(input[1], command.data(), command.size()), static_cast<ssize_t>(command.size()));
  ASSERT_TRUE(WaitForOutput(output[0], "marker\n", seen));
  EXPECT_EQ(ReadBlock(name), "\\temp\\");

  close(input[1]);  // end of input: the shell ends and the block goes with it
  int status = 0;
  waitpid(shell, &status, 0);
  close(output[0]);
  EXPECT_EQ(ReadBlock(name), "<absent>");
}

}  // namespace
}  // namespace tessera
