// The start-up batch file: the offer, the record, the file gone, the run.
#include "shell/startup_batch.h"

#include <gtest/gtest.h>

#include "shell/batch.h"
#include "shell/startup_record.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class StartupBatchTest : public testing::ShellTest {
 protected:
  void WriteAutoexec(const std::string& text) {
    root_->WriteHostFile(root_->Host("\\Program Files\\Tessera\\AUTOEXEC.BAT"), text);
  }
  std::string Question(std::size_t i) const { return Utf8(host_.questions.at(i)); }
};

TEST_F(StartupBatchTest, TheArgumentQuotesAPathWithABlank) {
  EXPECT_EQ(StartupBatchArgument(u"\\AUTOEXEC.BAT"), u"/I \\AUTOEXEC.BAT");
  EXPECT_EQ(StartupBatchArgument(u"\\My Documents\\a.bat"), u"/I \"\\My Documents\\a.bat\"");
  EXPECT_EQ(StartupBatchArgument(u"\\x\ty.bat"), u"/I \"\\x\ty.bat\"");
}

TEST_F(StartupBatchTest, NoFileNoQuestion) {
  EXPECT_FALSE(ChooseStartupBatch());
  EXPECT_TRUE(host_.questions.empty());
  // A folder of that name is no file either.
  root_->WriteHostFile(root_->Host("\\Program Files\\Tessera\\AUTOEXEC.BAT\\x"), "");
  EXPECT_FALSE(ChooseStartupBatch());
  EXPECT_TRUE(host_.questions.empty());
}

TEST_F(StartupBatchTest, NoLeavesNoRecordSoTheOfferComesAgain) {
  WriteAutoexec("set X=1\r\n");
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_FALSE(ChooseStartupBatch());
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Question(0),
            "Autoexec.bat was Found. Do you want to load this and execute at every start "
            "time?\n\n\\Program Files\\Tessera\\AUTOEXEC.BAT ");
  EXPECT_EQ(Utf8(host_.captions.at(0)), "Tessera");
  EXPECT_FALSE(ReadStartupRecord());
  EXPECT_FALSE(ChooseStartupBatch());
  EXPECT_EQ(host_.questions.size(), 2u);
}

TEST_F(StartupBatchTest, YesRunsTheFileInTheSessionAndRemembers) {
  WriteAutoexec("@echo off\r\nset GREETING=hello\r\necho started\r\n");
  host_.answers = {MessageBoxAnswer::Yes};
  const auto call = ChooseStartupBatch();
  ASSERT_TRUE(call);
  EXPECT_EQ(*call, u"/I \"\\Program Files\\Tessera\\AUTOEXEC.BAT\"");
  const auto record = ReadStartupRecord();
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->enabled);
  EXPECT_EQ(record->path, u"\\Program Files\\Tessera\\AUTOEXEC.BAT");
  CallBatch(*call, context_);
  EXPECT_EQ(Value("GREETING"), "hello");
  EXPECT_NE(ConsoleText().find("started"), std::string::npos);
  // The next start runs it without asking.
  EXPECT_TRUE(ChooseStartupBatch());
  EXPECT_EQ(host_.questions.size(), 1u);
}

TEST_F(StartupBatchTest, AStoredFileThatVanishedIsToldAndSkipped) {
  ASSERT_TRUE(WriteStartupRecord({true, u"\\My Documents\\gone.bat"}));
  WriteAutoexec("echo default\r\n");
  EXPECT_FALSE(ChooseStartupBatch());
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Question(0),
            "Cannot execute the file \"\\My Documents\\gone.bat\" as the autoexec.bat.");
  // The record keeps the user's choice.
  EXPECT_EQ(ReadStartupRecord()->path, u"\\My Documents\\gone.bat");
  EXPECT_TRUE(ReadStartupRecord()->enabled);
}

TEST_F(StartupBatchTest, AStoredFileElsewhereRuns) {
  root_->WriteHostFile(root_->Host("\\go.bat"), "set FROM=root\r\n");
  ASSERT_TRUE(WriteStartupRecord({true, u"\\go.bat"}));
  const auto call = ChooseStartupBatch();
  ASSERT_TRUE(call);
  EXPECT_EQ(*call, u"/I \\go.bat");
  EXPECT_TRUE(host_.questions.empty());
}

TEST_F(StartupBatchTest, ASwitchedOffRecord) {
  WriteAutoexec("echo default\r\n");
  // Off with a path: the user turned it off; nothing is asked.
  ASSERT_TRUE(WriteStartupRecord({false, u"\\Program Files\\Tessera\\AUTOEXEC.BAT"}));
  EXPECT_FALSE(ChooseStartupBatch());
  EXPECT_TRUE(host_.questions.empty());
  // Off without a path: the default file is offered.
  ASSERT_TRUE(WriteStartupRecord({false, u""}));
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_TRUE(ChooseStartupBatch());
  EXPECT_EQ(host_.questions.size(), 1u);
  EXPECT_TRUE(ReadStartupRecord()->enabled);
}

}  // namespace
}  // namespace tessera
