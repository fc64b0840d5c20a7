// The built programs, run as bash and as the shell run them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "platform/shared_memory.h"
#include "support/temp_root.h"
#include "tools/common/current_directory.h"
#include "tools/program_runner.h"

namespace tessera::tools {
namespace {

namespace fs = std::filesystem;

class ToolsEndToEnd : public ::testing::Test {
 protected:
  std::string Device(const std::string& path) { return root_.Host(path); }
  void Write(const std::string& hostPath, const std::string& bytes) {
    root_.WriteHostFile(hostPath, bytes);
  }
  std::string Read(const std::string& hostPath) { return root_.ReadHostFile(hostPath); }

  // The environment the shell gives a program it starts in \Work.
  std::map<std::string, std::string> ShellEnvironment(const std::string& commandLine,
                                                      const std::string& mode) {
    if (!block_.isOpen()) {
      auto block =
          platform::SharedMemoryBlock::Create(u"TESSERA_CURRENT_DIRECTORY", kDirectoryBlockBytes);
      EXPECT_TRUE(block.ok());
      const char text[] = "\\\0W\0o\0r\0k\0\\\0\0";
      EXPECT_TRUE(block->Write(0, text, sizeof text).ok());
      block_ = std::move(*block);
    }
    return {{"TESSERA_ROOT", root_.host()},   {"TESSERA_CWD_BLOCK", block_.hostName()},
            {"TESSERA_CMDLINE", commandLine}, {"TESSERA_SHELL_PID", std::to_string(getpid())},
            {"TESSERA_STDIN_MODE", mode},     {"TESSERA_STDOUT_MODE", mode},
            {"TESSERA_STDERR_MODE", mode}};
  }

  testing::TempRoot root_;
  platform::SharedMemoryBlock block_;
};

TEST_F(ToolsEndToEnd, DiffFromBashWithHostPaths) {
  const std::string dir = root_.host() + "/host";
  Write(dir + "/a.txt", "one\ntwo\nthree\nfour\nfive\n");
  Write(dir + "/b.txt", "one\ntwo\nnew\nfour\nfive\nsix\n");
  Finished run = RunProgram({"diff.exe", {"a.txt", dir + "/b.txt"}, {}, "", dir, ""});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(
      run.out,
      "\n2-5,2-6\n <two\n!<three\n <four\n <five\n ---\n >two\n!>new\n >four\n >five\n+>six\n");
  run = RunProgram({"diff.exe", {}, {}, "", dir, ""});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out.rfind("使用方法:\n  diff", 0), 0u);
}

TEST_F(ToolsEndToEnd, DiffFromTheShellWithDevicePaths) {
  Write(Device("\\Work\\a.txt"), "\x93\xFA\r\nx\r\n");
  Write(Device("\\Work\\b.txt"), "\x93\xFA\r\ny\r\n");
  // The argument vector is not what the shell meant; its exact text wins.
  Finished run = RunProgram(
      {"diff.exe", {"ignored"}, ShellEnvironment("a.txt \\Work\\b.txt", "text"), "", "", ""});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "\r\n1-2,1-2\r\n <\x93\xFA\r\n!<x\r\n ---\r\n >\x93\xFA\r\n!>y\r\n");
}

TEST_F(ToolsEndToEnd, SortInBothStreamModesAndOutsideTheShell) {
  Write(Device("\\Work\\list.txt"), "b\r\na\r\n\x93\xFA\r\nb\r\n");
  Finished text = RunProgram({"sort.exe", {}, ShellEnvironment("/R list.txt", "text"), "", "", ""});
  EXPECT_EQ(text.code, 0);
  EXPECT_EQ(text.out, "\x93\xFA\r\nb\r\nb\r\na\r\n");
  Finished binary = RunProgram({"sort.exe",
                                {},
                                ShellEnvironment("/q", "binary"),
                                std::string("b\0\r\0\n\0a\0\r\0\n\0", 12),
                                "",
                                ""});
  EXPECT_EQ(binary.code, 0);
  EXPECT_EQ(binary.out, std::string("a\0\r\0\n\0b\0\r\0\n\0", 12));
  Finished bash = RunProgram({"sort.exe", {}, {}, "b\n日\na\n", "", ""});
  EXPECT_EQ(bash.out, "a\nb\n日\n");
  Finished failed = RunProgram({"sort.exe", {"/R", "no such file"}, {}, "", root_.host(), ""});
  EXPECT_EQ(failed.code, 255);
  EXPECT_EQ(failed.out, "入力ファイルの読み込みでエラーが発生しました。\n");
}

TEST_F(ToolsEndToEnd, AFailedWriteIsReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(RunProgram({"sort.exe", {}, {}, "a\n", "", "/dev/full"}).code, 255);
  EXPECT_EQ(RunProgram({"upcase.exe", {}, {}, "a\n", "", "/dev/full"}).code, 255);
}

TEST_F(ToolsEndToEnd, UpcaseAndHostReport) {
  Finished up =
      RunProgram({"upcase.exe", {}, ShellEnvironment("", "text"), "abc \x82\x98\r\n", "", ""});
  EXPECT_EQ(up.out, "ABC \x82\x77\r\n");  // ｘ -> Ｘ in the device code page
  Write(Device("\\Work\\u.txt"), std::string("\xFF\xFEq\0", 4));
  up = RunProgram({"upcase.exe", {}, ShellEnvironment("/U u.txt", "binary"), "", "", ""});
  EXPECT_EQ(up.out, std::string("Q\0", 2));
  EXPECT_EQ(RunProgram({"upcase.exe", {}, {}, "abc ｘｙｚ\n", "", ""}).out, "ABC ＸＹＺ\n");

  Finished usage = RunProgram({"hostreport.exe", {"/h"}, {}, "", "", ""});
  EXPECT_EQ(usage.code, 0);
  EXPECT_EQ(usage.out.rfind("使用方法： hostreport [/h]\n\n", 0), 0u);
  Finished report = RunProgram({"hostreport.exe", {}, {}, "", "", ""});
  EXPECT_EQ(report.code, 0);
  EXPECT_EQ(report.out.substr(0, 19), "System Information\n");
  EXPECT_EQ(report.out.find("(unknown)"), std::string::npos) << report.out;
}

TEST_F(ToolsEndToEnd, TsxkfAsksThroughThePresetAnswer) {
  const std::string dir = root_.host() + "/host";
  Write(dir + "/in.txt", "日本\r\nｶﾞ\r\n");
  Finished run = RunProgram(
      {"TSXKF.exe", {"/O", "EUC", "in.txt", "in.txt"}, {{"TESSERA_ANSWER", "no"}}, "", dir, ""});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(Read(dir + "/in.txt"), "日本\r\nｶﾞ\r\n");
  // No preset answer and no terminal: the answer is No.
  EXPECT_EQ(RunProgram({"TSXKF.exe", {"in.txt", "in.txt"}, {}, "", dir, ""}).code, 1);
  run = RunProgram(
      {"TSXKF.exe", {"/O", "EUC", "in.txt", "in.txt"}, {{"TESSERA_ANSWER", "yes"}}, "", dir, ""});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(Read(dir + "/in.txt"), "\xC6\xFC\xCB\xDC\n\x8E\xB6\x8E\xDE\n");
  run = RunProgram({"TSXKF.exe", {"in.txt"}, {}, "", dir, ""});
  EXPECT_EQ(run.out, "日本\nｶﾞ\n\n");
}

TEST_F(ToolsEndToEnd, TsxkfFromTheShell) {
  Write(Device("\\Work\\in.txt"), "\x93\xFA\r\n");
  Finished run = RunProgram({"TSXKF.exe",
                             {},
                             ShellEnvironment("/o utf8 in.txt ..\\Work\\.\\out.txt", "text"),
                             "",
                             "",
                             ""});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(Read(Device("\\Work\\out.txt")), "\xEF\xBB\xBF\xE6\x97\xA5\r\n");
  run = RunProgram({"TSXKF.exe", {}, ShellEnvironment("out.txt", "text"), "", "", ""});
  EXPECT_EQ(run.out, "\x93\xFA\r\n\r\n");
  run = RunProgram({"TSXKF.exe", {}, ShellEnvironment("nothing.txt", "binary"), "", "", ""});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.out.find(std::string("\\\0W\0o\0r\0k\0\\\0n\0", 14)), std::string::npos);
}

}  // namespace
}  // namespace tessera::tools
