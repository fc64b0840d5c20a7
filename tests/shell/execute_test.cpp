#include "shell/execute.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class ExecuteTest : public testing::ShellTest {};

const std::string kNotFound = "指定のコマンドが見つかりません。\r\n";

TEST_F(ExecuteTest, CommandWordsAreUpperCasedAndEndAtBlanksOrOperators) {
  EXPECT_EQ(Run("Echo hi"), "hi\r\n");
  EXPECT_EQ(Run("ECHO hi"), "hi\r\n");
  EXPECT_EQ(Run("echox hi"), kNotFound);
  EXPECT_EQ(Run("echo/w"), kNotFound);  // the word runs to the next blank
  EXPECT_EQ(Run("  \t echo   spaced"), "spaced\r\n");
}

TEST_F(ExecuteTest, CommentsAndLabelsDoNothing) {
  SetErrorLevel(context_, 7);
  for (const char* line : {":label", "# note", "' note", "// note", "REM x", "rem", "   "}) {
    EXPECT_EQ(Run(line), "") << line;
  }
  EXPECT_EQ(Value("ERRORLEVEL"), "7");
  EXPECT_EQ(Run("/x"), kNotFound);
}

TEST_F(ExecuteTest, ErrorLevelAroundCommands) {
  Run("nosuch");  // the launcher leaves ERRORLEVEL alone
  SetErrorLevel(context_, 1);
  EXPECT_EQ(Run("echo %ERRORLEVEL%"), "1\r\n");  // expanded before ECHO resets it
  EXPECT_EQ(Run("echo %ERRORLEVEL%"), "0\r\n");
  SetErrorLevel(context_, 3);
  Run("pause");
  EXPECT_EQ(Value("ERRORLEVEL"), "3");
  Run("sleep 1");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(ExecuteTest, EchoFailureKeepsErrorLevelOne) {
  context_.RemoveValue(kEchoMode);
  EXPECT_EQ(Run("echo"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(ExecuteTest, SlashQuestionShowsHelpInsteadOfRunning) {
  root_->WriteHostFile(
      root_->programHost() + "/HELPBRIEF.TXT", std::string("\xFF\xFE", 2) + [] {
        std::string out;
        for (char c :
             std::string("<!--CMD-->\r\nECHO\r\n<!--BRIEF-->\r\nb\r\n<!--HELP-->\r\nEcho help\r\n"))
          out += c, out += '\0';
        return out;
      }());
  // The program folder holds a link to the shipped help file.
  std::filesystem::create_symlink(root_->programHost() + "/HELPBRIEF.TXT",
                                  root_->Host("\\Program Files\\Tessera\\HELPBRIEF.TXT"));
  EXPECT_EQ(Run("echo /? hello"), "Echo help\r\n");
  EXPECT_EQ(Run("x.exe /?"), "該当する項目がヘルプにありません。\r\n");
}

TEST_F(ExecuteTest, AtSignAndUnclosedQuotes) {
  EXPECT_EQ(Run("@echo quiet"), "quiet\r\n");
  EXPECT_EQ(Run("@"), kNotFound);
  EXPECT_EQ(Run("\"unclosed prog"), kNotFound);
}

TEST_F(ExecuteTest, TypedLinesGoToTheHistory) {
  Run("echo one");
  Run("nosuch two");
  Run("entry three");
  Run("entry");
  // ENTRY adds its text, and the typed line is added as every typed line is.
  EXPECT_EQ(host_.history, (std::vector<std::u16string>{u"echo one", u"nosuch two", u"three",
                                                        u"entry three", u"entry"}));
  TextLines batch{{u"echo from batch"}};
  RunInBatch(batch, 0);
  EXPECT_EQ(host_.history.size(), 5u);
}

TEST_F(ExecuteTest, ExitClosesTheApplicationOutsideABatch) {
  Session().commandRunning = true;
  Run("exit");
  EXPECT_EQ(host_.closeRequests, 1);
  EXPECT_FALSE(Session().commandRunning);
}

TEST_F(ExecuteTest, PauseAndBeepReachTheHost) {
  Run("pause");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]), "処理を継続するには、OKボタンをクリックしてください。");
  Run("beep 48");
  Run("beep");
  EXPECT_EQ(host_.beeps, (std::vector<std::uint32_t>{48, 0}));
}

TEST_F(ExecuteTest, ClsEmptiesTheConsole) {
  Run("echo x");
  Run("cls whatever");
  EXPECT_EQ(ConsoleText(), "");
  Run("clear");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(ExecuteTest, BatchEchoShowsTheLineBeforeExpansion) {
  TextLines batch{{u"echo %PATH%", u"@echo hidden", u"  "}};
  EXPECT_EQ(RunInBatch(batch, 0), std::optional<std::size_t>(1));
  EXPECT_EQ(ConsoleText(), "echo %PATH%\r\n\\Program Files\\Tessera\\bin;\\Windows;\\\r\n");
  EXPECT_EQ(RunInBatch(batch, 1), std::optional<std::size_t>(2));
  EXPECT_EQ(RunInBatch(batch, 2), std::nullopt);
  context_.Set(kEchoMode, u"OFF");
  console_.SetSelection(0, console_.TextLength());
  console_.ReplaceSelection(u"");
  RunInBatch(batch, 0);
  EXPECT_EQ(ConsoleText(), "\\Program Files\\Tessera\\bin;\\Windows;\\\r\n");
}

TEST_F(ExecuteTest, ExitEndsOnlyTheBatchFile) {
  TextLines batch{{u"exit", u"echo after"}};
  EXPECT_EQ(RunInBatch(batch, 0), std::nullopt);
  EXPECT_EQ(host_.closeRequests, 0);
}

TEST_F(ExecuteTest, GotoFindsLabelsWithWrapAndPrefix) {
  TextLines batch{{u":top", u"goto END", u"echo skipped", u"  :  end here", u"goto ending",
                   u"goto top", u"goto nowhere"}};
  EXPECT_EQ(RunInBatch(batch, 1), std::optional<std::size_t>(4));
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(RunInBatch(batch, 4), std::optional<std::size_t>(4));  // ENDING finds :end by prefix
  EXPECT_EQ(RunInBatch(batch, 5), std::optional<std::size_t>(1));  // wraps to the start
  EXPECT_EQ(RunInBatch(batch, 6), std::nullopt);  // not found: the next line (none)
  EXPECT_NE(ConsoleText().find("指定のラベルが見つかりません： nowhere"), std::string::npos);
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  // As the command of IF the label line itself is handed back.
  BatchPosition position{&batch, 1};
  EXPECT_EQ(ExecuteLine(u"goto end", context_, &position, kInBatch | kNoExpand),
            std::optional<std::size_t>(3));
}

TEST_F(ExecuteTest, GotoOutsideABatchSetsErrorLevel) {
  EXPECT_EQ(Run("goto x"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(ExecuteTest, NoCurrentLineRunsNothing) {
  TextLines batch{{u"echo x"}};
  BatchPosition position{&batch, std::nullopt};
  EXPECT_EQ(ExecuteLine(u"echo x", context_, &position, kInBatch), std::nullopt);
  EXPECT_EQ(ConsoleText(), "");
}

}  // namespace
}  // namespace tessera
