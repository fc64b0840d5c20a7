#include "shell/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

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
