#include "shell/batch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/shared_memory.h"
#include "shell/current_directory.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class BatchTest : public testing::ShellTest {
 protected:
  void Write(const std::string& device, const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    root_->WriteHostFile(root_->Host(device), text);
  }
};

TEST_F(BatchTest, ArgumentsAndShift) {
  Write("\\x.bat", {"@echo off", "echo [%0] [%1] [%2] [%*]", "shift", "echo [%0] [%1]"});
  EXPECT_EQ(Run("call \\x.bat \"a b\" c"),
            "[\\x.bat] [\"a b\"] [c] [ \"a b\" c]\r\n[\"a b\"] [c]\r\n");
  EXPECT_EQ(context_.FindValue(kBatchArgs), nullptr);  // the call's list goes with it
}

TEST_F(BatchTest, EchoedLinesWithThePrompt) {
  Write("\\e.bat", {"echo one", "", "@echo two", "echo off", "echo three"});
  EXPECT_EQ(Run("call \\e"), "\\>echo one\r\none\r\n\\>\r\ntwo\r\n\\>echo off\r\nthree\r\n");
}

TEST_F(BatchTest, ContextCopyCallerAndFresh) {
  Write("\\s.bat", {"@set A=1", "@path \\changed"});
  Run("call \\s.bat");
  EXPECT_EQ(Value("A"), "<none>");
  EXPECT_EQ(Value("PATH"), "\\Program Files\\Tessera\\bin;\\Windows;\\");
  Run("call /i \\s.bat");
  EXPECT_EQ(Value("A"), "1");
  EXPECT_EQ(Value("PATH"), "\\changed");
  Write("\\n.bat", {"@echo [%PATH%] [%A%] [%CUR DIR%]"});
  Run("cd \\Windows");
  EXPECT_EQ(Run("call /N \\n.bat"), "[\\Program Files\\Tessera\\bin;\\Windows;\\] [] []\r\n");
  EXPECT_EQ(Value("CUR DIR"), "\\Windows");
}

TEST_F(BatchTest, ErrorStopFlag) {
  Write("\\x.bat", {"@echo first", "@goto nolabel", "@echo not reached"});
  EXPECT_EQ(Run("call /X \\x.bat"), "first\r\n指定のラベルが見つかりません： nolabel\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("call \\x.bat"),
            "first\r\n指定のラベルが見つかりません： nolabel\r\nnot reached\r\n");
  context_.Set(kErrorStopFlag, u"0");
  EXPECT_EQ(Run("call /i \\x.bat").find("not reached"),
            std::string("first\r\n指定のラベルが見つかりません： nolabel\r\n").size());
}

TEST_F(BatchTest, DirectoryOptions) {
  std::filesystem::create_directories(root_->Host("\\Work\\sub"));
  Write("\\Work\\d.bat", {"@cd"});
  EXPECT_EQ(Run("call /e \\Work\\d.bat"), "\\Work\r\n");
  EXPECT_EQ(Run("call /p \\Work\\sub \\Work\\d.bat"), "\\Work\\sub\r\n");
  EXPECT_EQ(Run("call /p\"\\Work\" /ex \\Work\\d.bat"), "\\Work\r\n");
  EXPECT_EQ(Value("CUR DIR"), "");  // the caller's directory is untouched
  EXPECT_EQ(Run("call /p"), "オプションの指定に誤りがあります： /P\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(Run("call /p \\nosuch \\Work\\d.bat"),
            "/P で指定したディレクトリが不適切です： \\nosuch\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(BatchTest, FindingTheFile) {
  std::filesystem::create_directories(root_->Host("\\Tools"));
  Write("\\Tools\\t.bat", {"@echo from path"});
  Write("\\Tools\\both.exe", {"@echo the exe read as a batch"});
  Write("\\Tools\\both.bat", {"@echo the bat"});
  Run("path \\Tools");
  EXPECT_EQ(Run("call t"), "from path\r\n");
  EXPECT_EQ(Run("call both"), "the exe read as a batch\r\n");
  EXPECT_EQ(Run("call Both.BAT"), "the bat\r\n");
  EXPECT_EQ(Run("call nosuch a b"), "指定のバッチファイルが見つかりません： nosuch a b\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("call"), "実行するバッチファイルを指定してください： \r\n");
  EXPECT_EQ(Run("call \\gone.bat"), "指定のファイルが見つかりません： \\gone.bat\r\n");
  std::filesystem::create_directories(root_->Host("\\Tools\\dir.bat"));
  Write("\\dir.bat.bat", {"x"});
  EXPECT_EQ(Run("call dir.bat"), "指定のバッチファイルが見つかりません： dir.bat\r\n");
}

TEST_F(BatchTest, PathElementsEndAtAnEmptyOne) {
  std::filesystem::create_directories(root_->Host("\\Late"));
  Write("\\Late\\late.bat", {"@echo late"});
  Run("path \\Windows;;\\Late");
  EXPECT_EQ(Run("call late"), "指定のバッチファイルが見つかりません： late\r\n");
  Run("path Late");  // a relative element joins the current directory
  EXPECT_EQ(Run("call late"), "late\r\n");
}

TEST_F(BatchTest, IfConditions) {
  Write("\\i.bat",
        {"@echo off", "@if \"%1\"==\"\" goto end", "@echo has %1", ":end",
         "@if not exist \\none echo missing", "@if exist \\i.bat echo exists", "@if a==a echo same",
         "@if \"a\"==a echo quotes dropped", "@if A==a echo never"});
  EXPECT_EQ(Run("call \\i"), "missing\r\nexists\r\nsame\r\nquotes dropped\r\n");
  EXPECT_EQ(Run("call \\i x"), "has x\r\nmissing\r\nexists\r\nsame\r\nquotes dropped\r\n");
}

TEST_F(BatchTest, IfErrorLevel) {
  Write("\\l.bat", {"@goto nolabel", "@if errorlevel 1 echo one or more",
                    "@if errorlevel 2 echo never", "@if not errorlevel 1 echo below one"});
  EXPECT_EQ(Run("call \\l"),
            "指定のラベルが見つかりません： nolabel\r\none or more\r\nbelow one\r\n");
  SetErrorLevel(context_, -1);  // compared as unsigned: the largest level
  EXPECT_EQ(Run("if errorlevel 4000000000 echo high"), "high\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(BatchTest, IfMessages) {
  EXPECT_EQ(Run("if"), "IF の条件部が指定されていません。\r\n");
  EXPECT_EQ(Run("if errorlevel"), "IF 文が未完結です。\r\n");
  EXPECT_EQ(Run("if errorlevel 12345678901 echo x"),
            "ERRORLEVEL と比較する数値が適切ではありません。\r\n");
  EXPECT_EQ(Run("if exist"), "IF 文が未完結です。\r\n");
  EXPECT_EQ(Run("if exist \"open"), "\"が完結していません。 \"open\r\n");
  EXPECT_EQ(Run("if exist \"\" echo x"), "EXIST の次のファイル名の指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("if a = b echo x"), "条件部の書式に誤りがあります。\r\n");
  EXPECT_EQ(Run("if a== \"b echo x"), "文字列２の指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("if a=="), "IF 文が未完結です。\r\n");
  EXPECT_EQ(Run("if a==a"), "IF 文のコマンド部の書式に誤りがあります。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(BatchTest, GotoInsideIfThatFindsNothingGoesOn) {
  Write("\\g.bat", {"@echo off", "@if 1==1 goto nolabel", "@echo next line runs",
                    "@if 1==1 goto end", "@echo skipped", ":end", "@echo at end"});
  EXPECT_EQ(Run("call \\g"),
            "指定のラベルが見つかりません： nolabel\r\nnext line runs\r\nat end\r\n");
}

TEST_F(BatchTest, ExitEndsTheInnermostFile) {
  Write("\\inner.bat", {"@echo inner", "@exit", "@echo not inner"});
  Write("\\outer.bat",
        {"@call \\inner", "@echo back in outer", "@if 1==1 exit", "@echo not outer"});
  EXPECT_EQ(Run("call \\outer"), "inner\r\nback in outer\r\n");
  EXPECT_EQ(host_.closeRequests, 0);
}

TEST_F(BatchTest, AStopAnsweredYesPassesOutwards) {
  Write("\\inner.bat", {"@echo a", "@echo b"});
  Write("\\outer.bat", {"@call \\inner", "@echo after"});
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::Yes, MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("call \\outer"), "a\r\n");
  EXPECT_EQ(host_.questions.size(), 2u);
  EXPECT_EQ(Utf8(host_.questions[0]), "バッチファイルの実行を中止しますか？");
}

TEST_F(BatchTest, AStopAnsweredNoGoesOn) {
  Write("\\b.bat", {"@echo a", "@echo b"});
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("call \\b"), "a\r\nb\r\n");
  EXPECT_FALSE(Session().stopRequested);
}

TEST_F(BatchTest, EndlessSelfCallEndsWithAMessage) {
  Write("\\self.bat", {"@call \\self.bat"});
  const std::string out = Run("call \\self.bat");
  EXPECT_EQ(out, "エラーが発生しました。原因はメモリー不足と思われます。 \\self.bat\r\n");
  // Deep but finite nesting runs through.
  Write("\\count.bat", {"@echo off", "@if \"%1\"==\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\" goto end",
                        "@call \\count.bat %1x", ":end"});
  EXPECT_EQ(Run("call \\count.bat"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(BatchTest, PublishesTheCallersDirectoryAtTheEnd) {
  ASSERT_TRUE(CreateCurrentDirectoryBlock());
  std::filesystem::create_directories(root_->Host("\\Work"));
  Write("\\Work\\c.bat", {"@cd \\Windows"});
  Run("cd \\Work");
  Run("call c.bat");
  EXPECT_EQ(Value("CUR DIR"), "\\Work");
  auto block = platform::SharedMemoryBlock::OpenExisting(CurrentDirectoryBlockName());
  ASSERT_TRUE(block.ok());
  auto bytes = block->Read(0, 12);
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), std::string("\\\0W\0o\0r\0k\0\\\0", 12));
  CloseCurrentDirectoryBlock();
}

TEST_F(BatchTest, ALongFileRunsToTheEnd) {
  std::vector<std::string> lines = {"@echo off"};
  for (int i = 0; i < 100000; ++i)
    lines.push_back(i % 2 ? "set N=" + std::to_string(i) : "if %N%==x echo never");
  lines.push_back("echo end %N%");
  Write("\\long.bat", lines);
  EXPECT_EQ(Run("call /i \\long.bat"), "end 99999\r\n");
}

TEST(BatchArguments, Splitting) {
  EXPECT_EQ(SplitBatchArguments(u" a \"b c\"  d>e \"open"),
            (std::vector<std::u16string>{u"a", u"\"b c\"", u"d", u">", u"e", u"\"open"}));
  EXPECT_TRUE(SplitBatchArguments(u"   ").empty());
}

// Found by fuzzing: a file that calls itself with its argument doubled
// grew its line without bound (2^400 characters at the depth limit).
TEST_F(BatchTest, ALineThatWouldExpandPastTheLimitIsNotRun) {
  Write("\\grow.bat", {"@%0 %1%1", "@echo after"});
  const std::string out = Run("call \\grow.bat x");
  const std::string message = "エラーが発生しました。原因はメモリー不足と思われます。\r\n";
  // The call whose line would pass the limit (the 15th: "\grow.bat " and
  // 2^15 characters) says so once; every call goes on with its next line.
  std::string expected = message;
  for (int call = 0; call < 15; ++call) expected += "after\r\n";
  EXPECT_EQ(out, expected);
}

}  // namespace
}  // namespace tessera
