#include "shell/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/environment.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::Utf8;

TEST(JoinPath, ComponentsDotsAndSeparators) {
  EXPECT_EQ(Utf8(JoinPath(u"\\a\\b", u"..\\..\\..")), "");
  EXPECT_EQ(Utf8(JoinPath(u"\\a", u"\\\\b\\\\\\\\c")), "\\a\\b\\c");
  EXPECT_EQ(Utf8(JoinPath(u"\\a", u".\\x\\..\\y")), "\\a\\y");
  EXPECT_EQ(Utf8(JoinPath(u"", u"windows")), "\\windows");
  EXPECT_EQ(Utf8(JoinPath(u"\\", u"x")), "\\x");
  EXPECT_EQ(Utf8(JoinPath(u"\\a", u"  b\\ c")), "\\a\\b\\c");
  EXPECT_EQ(Utf8(JoinPath(u"\\a\\", u"")), "\\a");
  EXPECT_EQ(Utf8(JoinPath(u"", u"..")), "");
}

TEST(ReplaceFileName, KeepsTheDirectory) {
  EXPECT_EQ(Utf8(ReplaceFileName(u"\\a\\b.txt", u"c.txt")), "\\a\\c.txt");
  EXPECT_EQ(Utf8(ReplaceFileName(u"\\b.txt", u"c.txt")), "\\c.txt");
  EXPECT_EQ(Utf8(ReplaceFileName(u"b.txt", u"c.txt")), "");
}

class CurrentDirectoryTest : public testing::ShellTest {};

TEST_F(CurrentDirectoryTest, AVanishedDirectoryReadsAsTheRoot) {
  std::filesystem::create_directories(root_->Host("\\gone"));
  context_.FindValue(u"CUR DIR", 0)->value = u"\\gone";
  EXPECT_EQ(Utf8(*GetCurrentDirectoryValue(context_)->value), "\\gone");
  std::filesystem::remove(root_->Host("\\gone"));
  EXPECT_EQ(Utf8(*GetCurrentDirectoryValue(context_)->value), "");
  EXPECT_EQ(Utf8(*context_.GetValueText(u"CUR DIR")), "");
}

// The directory found once is known until something changes its way; each
// kind of change must still be seen at the next look.
TEST_F(CurrentDirectoryTest, AKnownDirectoryIsLookedAtAgainWhenItsWayChanges) {
  auto look = [&] { return Utf8(*GetCurrentDirectoryValue(context_)->value); };
  std::filesystem::create_directories(root_->Host("\\a\\b"));
  context_.FindValue(u"CUR DIR", 0)->value = u"\\a\\b";
  EXPECT_EQ(look(), "\\a\\b");
  EXPECT_EQ(look(), "\\a\\b");

  // Removed and made again under the same name: still there.
  std::filesystem::remove(root_->Host("\\a\\b"));
  std::filesystem::create_directory(root_->Host("\\a\\b"));
  EXPECT_EQ(look(), "\\a\\b");

  // A folder above it renamed.
  std::filesystem::rename(root_->Host("\\a"), root_->Host("\\c"));
  EXPECT_EQ(look(), "");

  // Another value is looked at for itself, whatever was known before.
  context_.FindValue(u"CUR DIR", 0)->value = u"\\c\\b";
  EXPECT_EQ(look(), "\\c\\b");
  context_.FindValue(u"CUR DIR", 0)->value = u"\\nosuch";
  EXPECT_EQ(look(), "");

  // Replaced by a file of the same name.
  context_.FindValue(u"CUR DIR", 0)->value = u"\\c\\b";
  EXPECT_EQ(look(), "\\c\\b");
  std::filesystem::remove(root_->Host("\\c\\b"));
  root_->WriteHostFile(root_->Host("\\c\\b"), "now a file");
  EXPECT_EQ(look(), "");
}

// The shell keeps its commands away from the current directory, but a batch
// file runs in a copy of the context and may remove or move it.
TEST_F(CurrentDirectoryTest, TheShellsOwnCommandsAreSeenAtTheNextPrompt) {
  root_->WriteHostFile(root_->Host("\\remove.bat"), "@echo off\r\ncd \\\r\nrmdir /s /q \\a\r\n");
  root_->WriteHostFile(root_->Host("\\move.bat"), "@echo off\r\ncd \\\r\nmove \\a \\moved\r\n");
  std::filesystem::create_directories(root_->Host("\\a\\b"));
  Run("cd \\a\\b");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\a\\b>");
  Run("call \\remove.bat");
  EXPECT_FALSE(std::filesystem::exists(root_->Host("\\a")));
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\>");

  std::filesystem::create_directories(root_->Host("\\a\\b"));
  Run("cd \\a\\b");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\a\\b>");
  Run("call \\move.bat");
  EXPECT_TRUE(std::filesystem::exists(root_->Host("\\moved\\b")));
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\>");
}

TEST_F(CurrentDirectoryTest, ANewDeviceRootIsLookedAtForItself) {
  std::filesystem::create_directories(root_->Host("\\only here"));
  context_.FindValue(u"CUR DIR", 0)->value = u"\\only here";
  EXPECT_EQ(Utf8(*GetCurrentDirectoryValue(context_)->value), "\\only here");
  testing::TempRoot other;
  EXPECT_EQ(Utf8(*GetCurrentDirectoryValue(context_)->value), "");
}

TEST_F(CurrentDirectoryTest, MissingEntryGivesNothing) {
  context_.RemoveValue(u"CUR DIR");
  EXPECT_EQ(GetCurrentDirectoryValue(context_), nullptr);
}

TEST_F(CurrentDirectoryTest, MakeAbsolute) {
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Temp";
  EXPECT_EQ(Utf8(MakeAbsolute(context_, u"x\\..\\y.txt")), "\\Temp\\y.txt");
  EXPECT_EQ(Utf8(MakeAbsolute(context_, u"\\abs")), "\\abs");
}

}  // namespace
}  // namespace tessera
