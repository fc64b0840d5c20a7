// RMDIR /S and MOVE/REN through the interpreter, for what the transcripts
// cannot reach: undeletable entries, links out of the tree, the pure helpers.
#include "commands/tree_removal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "commands/dump_command.h"
#include "commands/rename_command.h"
#include "platform/files.h"
#include "platform/move.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;
using testing::U;

// Refuses to delete one entry, as a file the platform cannot remove would.
class RefusingRemover : public EntryRemover {
 public:
  explicit RefusingRemover(std::u16string refused) : refused_(std::move(refused)) {}
  platform::Status DeleteFile(std::u16string_view path) override {
    if (path == refused_) return platform::ErrorCode::AccessDenied;
    return EntryRemover::DeleteFile(path);
  }

 private:
  std::u16string refused_;
};

class TreeCommandsTest : public testing::ShellTest {};

TEST_F(TreeCommandsTest, AnUndeletableFileIsNamedByEveryDirectoryAboveIt) {
  root_->WriteHostFile(root_->Host("/t/a/first.txt"), "1");
  root_->WriteHostFile(root_->Host("/t/a/stuck.txt"), "2");
  root_->WriteHostFile(root_->Host("/t/a/zlast.txt"), "3");
  root_->WriteHostFile(root_->Host("/t/b.txt"), "4");
  root_->WriteHostFile(root_->Host("/outside.txt"), "5");
  RefusingRemover remover(u"\\t\\a\\stuck.txt");
  EXPECT_FALSE(RemoveTree(u"\\t", remover));
  EXPECT_EQ(ConsoleText(),
            "削除に失敗しました： \\t\\a\\stuck.txt\r\n"
            "削除に失敗しました： \\t\\a\r\n"
            "削除に失敗しました： \\t\r\n");
  // The walk stops at the failure: what came before is gone, the rest stays.
  EXPECT_FALSE(platform::PathExists(u"\\t\\a\\first.txt"));
  EXPECT_TRUE(platform::PathExists(u"\\t\\a\\zlast.txt"));
  EXPECT_TRUE(platform::PathExists(u"\\t\\b.txt"));
  EXPECT_TRUE(platform::PathExists(u"\\outside.txt"));
}

TEST_F(TreeCommandsTest, RmdirAsksBeforeRemovingATree) {
  root_->WriteHostFile(root_->Host("/t/sub/x.txt"), "x");
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("rd /s \\t\\none"), "指定のディレクトリは存在しません： \\t\\none\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_TRUE(host_.questions.empty());
  EXPECT_EQ(Run("rd /s \\t"), "");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(testing::Utf8(host_.questions[0]),
            "下記フォルダをファイルとサブフォルダを含め削除します。よろしいですか？\n\n\\t");
  EXPECT_FALSE(platform::PathExists(u"\\t"));
}

TEST_F(TreeCommandsTest, LinksInsideTheTreeAreRemovedAsLinks) {
  root_->WriteHostFile(root_->Host("/outside/keep.txt"), "keep");
  ASSERT_EQ(chmod(root_->Host("/outside/keep.txt").c_str(), 0444),
            0);  // read-only: its bit must not be cleared
  root_->WriteHostFile(root_->Host("/t/plain.txt"), "p");
  ASSERT_EQ(symlink(root_->Host("/outside").c_str(), root_->Host("/t/dirlink").c_str()), 0);
  ASSERT_EQ(symlink(root_->Host("/outside/keep.txt").c_str(), root_->Host("/t/filelink").c_str()),
            0);
  ASSERT_EQ(symlink(root_->Host("/nowhere").c_str(), root_->Host("/t/dangling").c_str()), 0);
  EXPECT_EQ(Run("rd /s /q \\t"), "");
  EXPECT_FALSE(fs::exists(fs::symlink_status(root_->Host("/t"))));
  EXPECT_EQ(root_->ReadHostFile(root_->Host("/outside/keep.txt")), "keep");
  struct stat st {};
  ASSERT_EQ(stat(root_->Host("/outside/keep.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(TreeCommandsTest, MoveEntryNeverReplaces) {
  root_->WriteHostFile(root_->Host("/a.txt"), "a");
  root_->WriteHostFile(root_->Host("/b.txt"), "b");
  EXPECT_EQ(platform::MoveEntry(u"\\a.txt", u"\\b.txt").error(),
            platform::ErrorCode::AlreadyExists);
  EXPECT_EQ(platform::MoveEntry(u"\\a.txt", u"\\A.TXT").error(),
            platform::ErrorCode::AlreadyExists);
  EXPECT_EQ(platform::MoveEntry(u"\\none.txt", u"\\c.txt").error(),
            platform::ErrorCode::FileNotFound);
  EXPECT_EQ(root_->ReadHostFile(root_->Host("/b.txt")), "b");
  EXPECT_TRUE(platform::MoveEntry(u"\\a.txt", u"\\c.txt").ok());
  EXPECT_EQ(root_->ReadHostFile(root_->Host("/c.txt")), "a");
}

TEST(RenameExtension, NamesFormedFromTheLastDot) {
  EXPECT_EQ(NameWithExtension(u"x.log", u"txt"), u"x.txt");
  EXPECT_EQ(NameWithExtension(u"b.tar.gz", u""), u"b.tar");
  EXPECT_EQ(NameWithExtension(u"README", u"txt"), u"README.txt");
  EXPECT_EQ(NameWithExtension(u"README", u""), u"README");
  EXPECT_EQ(NameWithExtension(u"trailing.", u"md"), u"trailing.md");
}

TEST(DumpLines, OffsetsRunOnAndWordsShowAMissingHighByte) {
  const std::vector<std::uint8_t> bytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};
  const auto words = DumpBlockLines(bytes, 1000000, DumpLayout::Words);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0], u"1000000: 0201 0403 0605 0807");
  EXPECT_EQ(words[1], u"1000008: --09");
  EXPECT_TRUE(DumpBlockLines({}, 0, DumpLayout::Hex).empty());
  const std::vector<std::uint8_t> odd = {0xFF, 0x08};
  EXPECT_EQ(DumpBlockLines(odd, 256, DumpLayout::Octal)[0], u"000256: 377  10");
}

}  // namespace
}  // namespace tessera
