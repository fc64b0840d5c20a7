// Lines the shell reads from bash (a pipe, a file, -c) keep every character:
// UTF-8 when valid, else the device's ANSI code page, and refused with a
// message, never guessed at, when neither reads them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_root.h"
#include "terminal/shell_process.h"

namespace tessera {
namespace {

using testing::ProcessRun;
using testing::RunProcess;

const std::vector<std::string> kShiftJis = {"TESSERA_ACP=932"};

ProcessRun Piped(const testing::TempRoot& root, const std::string& input) {
  return RunProcess({TESSERA_EXE, "--tty", "--root", root.host()}, input, kShiftJis);
}

ProcessRun Command(const testing::TempRoot& root, const std::string& line) {
  return RunProcess({TESSERA_EXE, "--tty", "--root", root.host(), "-c", line}, "", kShiftJis);
}

TEST(TypedTextFromBash, ShiftJisLinesAreReadInTheAnsiCodePage) {
  testing::TempRoot root;
  // 日本 in Shift_JIS, then in UTF-8, and a character beyond U+FFFF.
  const ProcessRun piped =
      Piped(root, "echo \x93\xfa\x96\x7b\necho \xe6\x97\xa5\xe6\x9c\xac\necho \xf0\xa0\xae\xb7\n");
  EXPECT_EQ(WEXITSTATUS(piped.status), 0) << piped.err;
  EXPECT_NE(piped.out.find("\n日本\n\\>echo 日本\n日本\n\\>echo 𠮷\n𠮷\n"), std::string::npos)
      << piped.out;
  const ProcessRun command = Command(root, "echo \x93\xfa\x96\x7b");
  EXPECT_EQ(command.out, "日本\n");
  EXPECT_EQ(WEXITSTATUS(command.status), 0) << command.err;
}

TEST(TypedTextFromBash, AnUnreadableLineIsNotRunAndNothingAfterIt) {
  testing::TempRoot root;
  const ProcessRun run = Piped(root, "MD kept\necho \x81\x39 here\r\nMD gone\necho never\n");
  EXPECT_EQ(WEXITSTATUS(run.status), 255);
  EXPECT_NE(run.err.find("line 2 of the input cannot be read: the byte at offset 5 is neither "
                         "UTF-8 nor code page 932"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out.find("never"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("here"), std::string::npos) << run.out;
  EXPECT_TRUE(std::filesystem::exists(root.Host("\\kept")));
  EXPECT_FALSE(std::filesystem::exists(root.Host("\\gone")));

  const ProcessRun command = Command(root, "MD \xff");
  EXPECT_EQ(WEXITSTATUS(command.status), 255);
  EXPECT_NE(command.err.find("the command after -c cannot be read: the byte at offset 3"),
            std::string::npos)
      << command.err;
  EXPECT_EQ(command.out, "");
}

TEST(TypedTextFromBash, TheWindowsLinesAndRootKeepTheirBytes) {
  testing::TempRoot root;
  // A root whose host name is no UTF-8, and a line to run in Shift_JIS.
  const std::string odd = root.host() + "/dev\xe9";
  const std::string shot = root.host() + "/shot.png";
  const std::vector<std::string> environment = {"TESSERA_ACP=932", "QT_QPA_PLATFORM=offscreen"};
  const ProcessRun run = RunProcess(
      {TESSERA_EXE, "--root", odd, "--run", "echo \x93\xfa\x96\x7b> \\x.txt", "--screenshot", shot},
      "", environment);
  ASSERT_EQ(WEXITSTATUS(run.status), 0) << run.err;
  std::ifstream written(odd + "/x.txt", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(written)), {});
  EXPECT_EQ(bytes, "\x93\xfa\x96\x7b\r\n");

  const ProcessRun refused = RunProcess(
      {TESSERA_EXE, "--root", odd, "--run", "MD \xff", "--screenshot", shot}, "", environment);
  EXPECT_EQ(WEXITSTATUS(refused.status), 2);
  EXPECT_NE(refused.err.find("the line after --run cannot be read: the byte at offset 3"),
            std::string::npos)
      << refused.err;
}

}  // namespace
}  // namespace tessera
