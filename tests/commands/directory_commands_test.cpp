#include "commands/directory_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/shared_memory.h"
#include "shell/current_directory.h"
#include "shell/environment.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class DirectoryTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(CreateCurrentDirectoryBlock());
    PublishCurrentDirectory(u"");
    for (const char* dir : {"\\a\\b", "\\a\\y", "\\abc"})
      std::filesystem::create_directories(root_->Host(dir));
    root_->WriteHostFile(root_->Host("\\file.txt"), "x");
  }
  void TearDown() override {
    CloseCurrentDirectoryBlock();
    ShellTest::TearDown();
  }
  std::string Published() {
    auto block = platform::SharedMemoryBlock::OpenExisting(CurrentDirectoryBlockName());
    EXPECT_TRUE(block.ok());
    if (!block.ok()) return "<none>";
    auto bytes = block->Read(0, kCurrentDirectoryBlockSize);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
      const char16_t c = static_cast<char16_t>((*bytes)[i] | ((*bytes)[i + 1] << 8));
      if (c == 0) break;
      text += c;
    }
    return Utf8(text);
  }
};

TEST_F(DirectoryTest, CdShowsAndChanges) {
  EXPECT_EQ(Run("cd"), "\\\r\n");
  EXPECT_EQ(Published(), "\\");
  Run("cd windows");
  EXPECT_EQ(Value("CUR DIR"), "\\windows");
  EXPECT_EQ(Published(), "\\windows\\");
  Run("cd \\a\\b");
  Run("cd ..");
  EXPECT_EQ(Value("CUR DIR"), "\\a");
  Run("cd .\\x\\..\\y");
  EXPECT_EQ(Value("CUR DIR"), "\\a\\y");
  Run("cd \\Windows\\");
  EXPECT_EQ(Value("CUR DIR"), "\\Windows");
  Run("cd \\");
  EXPECT_EQ(Value("CUR DIR"), "");
  Run("chdir \"a\"");
  EXPECT_EQ(Value("CUR DIR"), "\\a");
  Run("pwd \"  b");  // an unclosed quote: the rest names the directory
  EXPECT_EQ(Value("CUR DIR"), "\\a\\b");
}

TEST_F(DirectoryTest, CdFailures) {
  EXPECT_EQ(Run("cd \\nosuch"), "指定のパスが見つかりません： \\nosuch\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  Run("cd \\a");
  EXPECT_EQ(Run("cd nosuch"), "指定のパスが見つかりません： \\a\\nosuch\r\n");
  EXPECT_EQ(Run("cd \\file.txt"), "指定のパスはディレクトリではありません： \\file.txt\r\n");
  EXPECT_EQ(Run("cd /"), "指定のパスが見つかりません： \\a\\/\r\n");
  EXPECT_EQ(Value("CUR DIR"), "\\a");
  EXPECT_EQ(Published(), "\\a\\");
}

TEST_F(DirectoryTest, PushdAndPopd) {
  Run("pushd \\a");
  Run("pushd \\abc");
  EXPECT_EQ(Value("DIR STACK"), "\\;\\a");
  EXPECT_EQ(Run("pushd"), "\\a\r\n\\\r\n");
  context_.Set(kPrompt, u"$+$P$G");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "++\\abc>");
  Run("popd");
  EXPECT_EQ(Value("CUR DIR"), "\\a");
  Run("popd");
  EXPECT_EQ(Value("CUR DIR"), "\\");
  EXPECT_EQ(Published(), "\\");
  SetErrorLevel(context_, 0);
  EXPECT_EQ(Run("popd"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(Run("pushd"), "\r\n");
}

TEST_F(DirectoryTest, PushdFailures) {
  EXPECT_EQ(Run("pushd \\nosuch"), "指定のディレクトリは存在しません： \\nosuch\r\n");
  EXPECT_EQ(Run("pushd file.txt"),
            "このコマンドの引数にはファイルを指定できません： \\file.txt\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Value("DIR STACK"), "<none>");
}

TEST_F(DirectoryTest, PopdOfAVanishedDirectory) {
  Run("pushd \\abc");
  Run("pushd \\a\\y");
  std::filesystem::remove(root_->Host("\\a\\y"));
  Run("cd \\a");
  std::filesystem::remove_all(root_->Host("\\abc"));
  EXPECT_EQ(
      Run("popd"),
      "PUSH したディレクトリが削除されたため、カレントディレクトリを変更できません： \\abc\r\n");
  EXPECT_EQ(Value("CUR DIR"), "\\a");
  EXPECT_EQ(Value("DIR STACK"), "\\");
}

TEST(PublishedDirectory, OneTrailingBackslashAndTheBlockLimit) {
  EXPECT_EQ(Utf8(PublishedDirectoryText(u"")), "\\");
  EXPECT_EQ(Utf8(PublishedDirectoryText(u"\\")), "\\");
  EXPECT_EQ(Utf8(PublishedDirectoryText(u"\\Temp \\\\")), "\\Temp\\");
  const std::u16string longest = u"\\" + std::u16string(258, u'd');
  EXPECT_EQ(PublishedDirectoryText(longest), longest);  // 259 units: no room for the '\'
  EXPECT_EQ(PublishedDirectoryText(longest.substr(0, 258)), longest.substr(0, 258) + u"\\");
}

}  // namespace
}  // namespace tessera
