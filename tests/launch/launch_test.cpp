#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "launch/external.h"
#include "launch/process_table.h"
#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "shell/environment.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;
namespace fs = std::filesystem;

int OpenDescriptors() {
  int count = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++count;
  }
  return count;
}

std::size_t FilesIn(const std::string& dir) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    (void)entry;
    ++count;
  }
  return count;
}

// The test process's own standard streams are moved aside while the shell
// points them at its files, and put back after each line so that the
// test's own reports stay visible.
class LaunchTest : public testing::ShellTest {
 protected:
  std::string Run(const std::string& line) {
    const std::string out = ShellTest::Run(line);
    RestoreStreams();
    return out;
  }
  void RestoreStreams() {
    for (int fd = 0; fd < 3; ++fd) dup2(saved_[fd], fd);
  }
  void SetUp() override {
    ShellTest::SetUp();
    for (int fd = 0; fd < 3; ++fd) saved_[fd] = dup(fd);
    ResetRestingFiles();
    CurrentStreamSwitches() = StreamSwitches();
    for (auto stream : {platform::StandardStream::Input, platform::StandardStream::Output,
                        platform::StandardStream::Error}) {
      ASSERT_TRUE(RestStream(stream));
    }
    RestoreStreams();
    fs::create_symlink(TPROG_EXE, root_->Host("\\Windows\\tprog.exe"));
  }
  void TearDown() override {
    Processes().EndAll();
    for (int fd = 0; fd < 3; ++fd) {
      dup2(saved_[fd], fd);
      close(saved_[fd]);
    }
    ResetRestingFiles();
    ShellTest::TearDown();
  }
  int saved_[3] = {-1, -1, -1};
};

TEST_F(LaunchTest, OutputThenErrorsAndTheExitCode) {
  EXPECT_EQ(Run("tprog err e1 out o1 out o2 exit 3"), "o1\r\no2\r\n\r\ne1\r\n\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "3");
  EXPECT_EQ(Run("@tprog exit 0"), "");  // nothing written: nothing shown
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(LaunchTest, ArgumentsAreSplitAndTheExactTextIsPassed) {
  EXPECT_EQ(Run("tprog args \"a b\" c\\\"d \"\""), "[a b]\r\n[c\"d]\r\n[]\r\n\r\n");
  EXPECT_EQ(Run("tprog env TESSERA_CMDLINE"), "env TESSERA_CMDLINE\r\n\r\n");
  EXPECT_EQ(Run("tprog env TESSERA_STDOUT_MODE"), "text\r\n\r\n");
  EXPECT_EQ(Run("tprog env TESSERA_ROOT"), root_->host() + "\r\n\r\n");
}

TEST_F(LaunchTest, RedirectionTargets) {
  Run("tprog env TESSERA_CMDLINE > \"out b\" b");
  EXPECT_EQ(root_->ReadHostFile(root_->Host("\\out b")), "env TESSERA_CMDLINE  b\r\n");
  Run("tprog out first > out c");
  EXPECT_EQ(root_->ReadHostFile(root_->Host("\\out c")), "first\r\n");
  Run("tprog out second >> \\out c");
  EXPECT_EQ(root_->ReadHostFile(root_->Host("\\out c")), "first\r\nsecond\r\n");
  root_->WriteHostFile(root_->Host("\\in.txt"), "typed\r\n");
  EXPECT_EQ(Run("tprog cat < in.txt"), "typed\r\n\r\n");
  EXPECT_EQ(Run("tprog out x > " + std::string(260, 'n')), "x\r\n\r\n");  // too long: ignored
}

TEST_F(LaunchTest, RedirectionFailures) {
  EXPECT_EQ(Run("tprog cat < \\none.txt"), "標準入力のリダイレクト元ファイルが存在しません。\r\n");
  EXPECT_EQ(Run("tprog cat < \\Windows"),
            "標準入力のリダイレクト元にディレクトリが指定されています。\r\n");
  EXPECT_EQ(Run("tprog out x > \\Windows"),
            "標準出力のリダイレクト先にはディレクトリを指定できません。\r\n");
  root_->WriteHostFile(root_->Host("\\ro.txt"), "keep");
  fs::permissions(root_->Host("\\ro.txt"),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(Run("tprog out x > \\ro.txt"),
            "標準出力のリダイレクト先ファイルは読み取り専用です。\r\n");
  EXPECT_EQ(root_->ReadHostFile(root_->Host("\\ro.txt")), "keep");
}

TEST_F(LaunchTest, WithoutATemporaryDirectoryCapturesFail) {
  fs::remove_all(root_->Host("\\Temp"));
  ResetRestingFiles();
  ASSERT_TRUE(RestStream(platform::StandardStream::Output));  // falls back to the program's folder
  RestoreStreams();
  EXPECT_TRUE(fs::exists(root_->Host("\\Program Files\\Tessera\\TSXSTDOUT.tmp")));
  EXPECT_EQ(Run("tprog out x"),
            "一時ファイルの作成に失敗しました。環境変数 TMP, "
            "TEMP　の設定、またはストレージに十分な空きがあるか確認してください。\r\n");
}

TEST_F(LaunchTest, SwitchesOffSkipRedirection) {
  CurrentStreamSwitches().useStdout = false;
  EXPECT_EQ(Run("tprog out x > \\made.txt"), "");
  EXPECT_FALSE(fs::exists(root_->Host("\\made.txt")));
  CurrentStreamSwitches().useStdin = false;
  EXPECT_EQ(Run("tprog cat < \\none.txt"), "");
}

TEST_F(LaunchTest, ProgramsBeforeBatchFilesAndPathRules) {
  fs::create_directories(root_->Host("\\Tools"));
  fs::create_symlink(TPROG_EXE, root_->Host("\\Tools\\both.exe"));
  root_->WriteHostFile(root_->Host("\\Tools\\both.bat"), "@echo the batch");
  root_->WriteHostFile(root_->Host("\\Tools\\only.bat"), "@echo only batch %1");
  Run("path \\Tools");
  EXPECT_EQ(Run("both out program"), "program\r\n\r\n");
  EXPECT_EQ(Run("both.bat"), "the batch\r\n");
  EXPECT_EQ(Run("only x"), "only batch x\r\n");
  EXPECT_EQ(Run("tprog out x"),
            "指定のコマンドが見つかりません。\r\n");  // \Windows is no longer on PATH
  Run("path \\Nowhere;;\\Tools");
  EXPECT_EQ(Run("only"), "指定のコマンドが見つかりません。\r\n");
  EXPECT_EQ(Run("\\Tools\\both out absolute"), "absolute\r\n\r\n");
  root_->WriteHostFile(root_->Host("\\Tools\\notes.txt"), "x");
  Run("path \\Tools");
  EXPECT_EQ(Run("notes.txt"),
            "指定のコマンドが見つかりません。\r\n");  // documents only by place or path
}

TEST_F(LaunchTest, DocumentsGoToTheOpener) {
  root_->WriteHostFile(root_->Host("\\doc.txt"), "x");
  const std::string log = root_->host() + "/opened.log";
  const std::string opener = root_->host() + "/opener.sh";
  root_->WriteHostFile(opener, "#!/bin/sh\necho \"$@\" > " + log + "\n");
  fs::permissions(opener, fs::perms::owner_all);
  setenv("TESSERA_OPEN", opener.c_str(), 1);
  EXPECT_EQ(Run("doc.txt a > b"), "");
  unsetenv("TESSERA_OPEN");
  for (int i = 0; i < 100 && !fs::exists(log); ++i) usleep(20000);
  usleep(50000);
  EXPECT_EQ(root_->ReadHostFile(log), root_->Host("\\doc.txt") + " a > b\n");
}

TEST_F(LaunchTest, StopQuestionAnsweredYesEndsTheProgram) {
  SetErrorLevel(context_, 7);
  host_.stopAfterPumps = 1;
  host_.answers = {MessageBoxAnswer::Yes};
  const auto start = std::chrono::steady_clock::now();
  Run("tprog sleep 20000 exit 5");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]), "処理を中止しますか？");
  EXPECT_EQ(Value("ERRORLEVEL"), "7");
  EXPECT_EQ(Processes().size(), 0u);
}

TEST_F(LaunchTest, BackgroundProgramsBgAndKill) {
  EXPECT_EQ(Run("bg"), "");
  Run("tprog sleep 30000 &");
  Run("tprog sleep 30001 &");
  Run("tprog sleep 30002 &");
  EXPECT_EQ(Run("bg"),
            " 1 tprog.EXE sleep 30002\r\n 2 tprog.EXE sleep 30001\r\n 3 tprog.EXE sleep 30000\r\n");
  EXPECT_NE(Run("bg /ALL").find("No ProcID     STime Command\r\n 1 "), std::string::npos);

  host_.answers = {MessageBoxAnswer::Yes};
  Run("kill 1");  // position 1: the newest
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_NE(Utf8(host_.questions[0]).find("Command Name: tprog.EXE sleep 30002"),
            std::string::npos);
  EXPECT_EQ(Run("bg"), " 1 tprog.EXE sleep 30001\r\n 2 tprog.EXE sleep 30000\r\n");

  const std::uint32_t oldest = Processes().records().front().processId;
  host_.answers = {MessageBoxAnswer::Yes};
  Run("kill " + std::to_string(oldest));
  EXPECT_NE(Utf8(host_.questions[1]).find("Process ID: " + std::to_string(oldest)),
            std::string::npos);
  EXPECT_EQ(Run("bg"), " 1 tprog.EXE sleep 30001\r\n");

  host_.answers = {MessageBoxAnswer::No};
  Run("kill TP");  // a name prefix, without regard to case
  EXPECT_EQ(Run("bg"), " 1 tprog.EXE sleep 30001\r\n");

  host_.answers = {MessageBoxAnswer::No};
  Run("kill /ALL");
  EXPECT_EQ(Processes().size(), 1u);
  EXPECT_EQ(Run("kill 99"), "指定されたプロセスが見つかりません。\r\n");
  EXPECT_EQ(Run("kill"), "コマンドの書式に誤りがあります。\r\n");
  host_.answers = {MessageBoxAnswer::Yes};
  Run("kill /all");
  EXPECT_EQ(Processes().size(), 0u);
}

TEST_F(LaunchTest, LongArgumentsAreCutInTheTable) {
  Run("tprog sleep 30000 " + std::string(100, 'a') + " &");
  EXPECT_EQ(Run("bg"), " 1 tprog.EXE sleep 30000 " + std::string(64 - 12, 'a') + "\r\n");
}

// Found by fuzzing: "." joined to the root is the empty text, and ".EXE"
// after it named a host file beside the shell's working directory.
TEST_F(LaunchTest, NamesOfTheRootItselfFindNoProgramOutsideTheDevice) {
  const std::string outside = root_->host() + "/../work";
  fs::create_directories(outside);
  const std::string marker = outside + "/ran";
  for (const char* name : {"/.EXE", "/.BAT"}) {
    root_->WriteHostFile(outside + name, "#!/bin/sh\necho outside > " + marker + "\n");
    fs::permissions(outside + name, fs::perms::owner_all);
  }
  const fs::path before = fs::current_path();
  fs::current_path(outside);
  for (const char* line : {".", "..", "\\Temp\\..", "..\\.", "\"\"."}) {
    EXPECT_EQ(Run(line), "指定のコマンドが見つかりません。\r\n") << line;
  }
  fs::current_path(before);
  EXPECT_FALSE(fs::exists(marker));
}

// A program the shell waits for may remove or rename the current directory:
// the prompt after it shows the root, as it would after any such change.
TEST_F(LaunchTest, AProgramThatTakesTheCurrentDirectoryAwayIsSeenAtThePrompt) {
  fs::create_symlink("/bin/rmdir", root_->Host("\\Windows\\hostrmdir.exe"));
  fs::create_symlink("/bin/mv", root_->Host("\\Windows\\hostmv.exe"));
  fs::create_directories(root_->Host("\\a\\b"));
  Run("cd \\a\\b");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\a\\b>");
  Run("hostmv.exe \"" + root_->Host("\\a") + "\" \"" + root_->Host("\\c") + "\"");
  ASSERT_TRUE(fs::exists(root_->Host("\\c\\b")));
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\>");

  Run("cd \\c\\b");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\c\\b>");
  Run("hostrmdir.exe \"" + root_->Host("\\c\\b") + "\"");
  ASSERT_FALSE(fs::exists(root_->Host("\\c\\b")));
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\>");
}

TEST_F(LaunchTest, AThousandRunsLeaveNothingBehind) {
  const int descriptors = OpenDescriptors();
  const std::size_t tempFiles = FilesIn(root_->Host("\\Temp"));
  for (int i = 0; i < 1000; ++i) Run(i % 2 ? "tprog out x" : "tprog exit 1");
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(FilesIn(root_->Host("\\Temp")), tempFiles);
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // no child left, finished or not
  EXPECT_EQ(Processes().size(), 0u);
}

}  // namespace
}  // namespace tessera
