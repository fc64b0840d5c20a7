// DEL, ATTRIB, COPY and DIR through the interpreter, for what the
// transcripts cannot see: questions asked, the stop poll, the two-path reader.
#include <gtest/gtest.h>

#include "commands/attrib_command.h"
#include "commands/delete_command.h"
#include "commands/two_paths.h"
#include "platform/files.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class FileCommandsTest : public testing::ShellTest {};

TEST_F(FileCommandsTest, TwoPathReaderOutcomes) {
  EXPECT_EQ(ReadTwoPaths(u"  ", context_).outcome, TwoPathsOutcome::NoArguments);
  EXPECT_EQ(ReadTwoPaths(u"\"a b", context_).outcome, TwoPathsOutcome::NoFirst);
  EXPECT_EQ(ReadTwoPaths(u"a.txt", context_).outcome, TwoPathsOutcome::NoSecond);
  EXPECT_EQ(ReadTwoPaths(u"a.txt \"b", context_).outcome, TwoPathsOutcome::NoSecond);
  context_.Set(kCurDir, u"\\Temp");
  const TwoPaths paths = ReadTwoPaths(u"\"my a.txt\" ..\\Windows\\.\\b.txt ignored", context_);
  ASSERT_EQ(paths.outcome, TwoPathsOutcome::Both);
  EXPECT_EQ(paths.first, u"\\Temp\\my a.txt");
  EXPECT_EQ(paths.second, u"\\Windows\\b.txt");
  EXPECT_EQ(ReadTwoPaths(u"\\x\\..\\y z", context_).first,
            u"\\x\\..\\y");  // absolute: kept as given
}

TEST_F(FileCommandsTest, DeleteAsksWithTheFullNameAndRestoresReadOnlyOnNo) {
  root_->WriteHostFile(root_->Host("/d/x.txt"), "keep");
  ASSERT_TRUE(
      platform::SetFileAttributes(u"\\d\\x.txt", platform::kAttrReadOnly | platform::kAttrSystem)
          .ok());
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("del /F /P \\d\\x.txt"), "処理をスキップしました： \\d\\x.txt\r\n");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]), "\"\\d\\x.txt\" を削除します。\n\nよろしいですか？");
  EXPECT_EQ(Utf8(host_.captions[0]), "Tessera");
  auto attributes = platform::GetFileAttributes(u"\\d\\x.txt");
  ASSERT_TRUE(attributes.ok());
  EXPECT_EQ(*attributes & (platform::kAttrReadOnly | platform::kAttrSystem),
            platform::kAttrReadOnly | platform::kAttrSystem);
  EXPECT_EQ(Value("ERRORLEVEL"), "0");

  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("del /F /P \\d\\x.txt"), "");
  EXPECT_FALSE(platform::PathExists(u"\\d\\x.txt"));
}

TEST_F(FileCommandsTest, DeleteGoesOnAfterAFailure) {
  root_->WriteHostFile(root_->Host("/d/a.txt"), "");
  root_->WriteHostFile(root_->Host("/d/b.txt"), "");
  ASSERT_TRUE(platform::SetFileAttributes(u"\\d\\a.txt", platform::kAttrReadOnly).ok());
  Run("del \\d\\*.txt");
  EXPECT_TRUE(platform::PathExists(u"\\d\\a.txt"));
  EXPECT_FALSE(platform::PathExists(u"\\d\\b.txt"));
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(FileCommandsTest, ProtectionDescriptionSeparators) {
  using namespace platform;
  EXPECT_EQ(Utf8(ProtectionDescription(kAttrHidden)),
            "隠しファイル属性が設定されています。削除するには　/F を使用してください：");
  EXPECT_EQ(Utf8(ProtectionDescription(kAttrSystem | kAttrReadOnly)),
            "読み取り専用属性，システムファイル属性が設定されています。削除するには　/F "
            "を使用してください：");
}

TEST_F(FileCommandsTest, AttributeFieldOrder) {
  using namespace platform;
  EXPECT_EQ(AttributeField(kAttrReadOnly | kAttrArchive), u"--A--R");
  EXPECT_EQ(AttributeField(kAttrInRom | kAttrDirectory | kAttrSystem | kAttrHidden), u"*D-SH-");
  EXPECT_EQ(AttributeField(kAttrNormal), u"------");
}

TEST_F(FileCommandsTest, DirStopsWhenTheUserSaysSo) {
  root_->WriteHostFile(root_->Host("/d/a.txt"), "");
  root_->WriteHostFile(root_->Host("/d/b.txt"), "");
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("dir \\d"), "");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]), "処理を中止しますか？");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");  // unchanged outside the walk

  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("dir /s \\d"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");

  // Answered No, the listing goes on.
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_NE(Run("dir /b \\d"), "");
}

TEST_F(FileCommandsTest, TooLongNamesAreRefusedWhole) {
  const std::string deep(250, 'd');
  ASSERT_TRUE(platform::CreateDirectory(U("\\" + deep)).ok());
  root_->WriteHostFile(root_->Host("/" + deep + "/a-name-past-the-limit.txt"), "x");
  // The pattern fits; the full name of the match does not.
  EXPECT_EQ(Run("del \\" + deep + "\\*.*"),
            "パス名が長すぎます： \\" + deep + "\\a-name-past-the-limit.txt\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("copy \\" + deep + "\\a*.txt x.txt"),
            "パス名が長すぎます： \\" + deep + "\\a-name-past-the-limit.txt\r\n");
  EXPECT_FALSE(platform::PathExists(u"\\x.txt"));
}

}  // namespace
}  // namespace tessera
