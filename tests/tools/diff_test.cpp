#include <gtest/gtest.h>

#include "support/temp_root.h"
#include "tool_test_support.h"
#include "tools/diff/diff_tool.h"

namespace tessera::tools {
namespace {

using testing::Utf8;

class DiffTest : public ::testing::Test {
 protected:
  void Write(const std::string& device, const std::string& bytes) {
    root_.WriteHostFile(root_.Host(device), bytes);
  }
  std::string Diff(const std::u16string& commandLine, int expectedCode = 0) {
    StringOutput out;
    testing::ToolCall call;
    call.commandLine = commandLine;
    call.directory = u"\\Work\\";
    call.fileCodePage = 932;
    EXPECT_EQ(RunDiff(testing::MakeToolContext(call, out)), expectedCode);
    return Utf8(out.text());
  }
  testing::TempRoot root_;
};

std::string Utf16(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST_F(DiffTest, WorkedExampleLineForLine) {
  Write("\\Work\\a.txt", "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\n");
  Write("\\Work\\b.txt", "one\r\ntwo\r\nnew\r\nfour\r\nfive\r\nsix\r\n");
  EXPECT_EQ(
      Diff(u"a.txt b.txt"),
      "\n2-5,2-6\n <two\n!<three\n <four\n <five\n ---\n >two\n!>new\n >four\n >five\n+>six\n");
}

TEST_F(DiffTest, IdenticalFilesPrintNothing) {
  Write("\\Work\\a.txt", "same\nlines\n");
  Write("\\Work\\b.txt", "same\r\nlines\r\n");
  EXPECT_EQ(Diff(u"a.txt \\Work\\b.txt"), "");
}

TEST_F(DiffTest, EncodingBannerForUnicodeAgainstMultibyte) {
  Write("\\Work\\a.txt", Utf16(u"日本語\r\ntext\r\n"));
  Write("\\Work\\b.txt", "\x93\xFA\x96\x7B\x8C\xEA\r\ntext\r\n");
  EXPECT_EQ(Diff(u"a.txt b.txt"), "< [Unicode]\n> [シフトJIS]\n--------------\n");
  EXPECT_EQ(Diff(u"b.txt a.txt"), "< [シフトJIS]\n> [Unicode]\n--------------\n");
}

TEST_F(DiffTest, IgnoreBlanksTakesIdeographicSpaces) {
  Write("\\Work\\a.txt", "a b\n\tx\n");
  Write("\\Work\\b.txt", "ab\nx\n");
  EXPECT_NE(Diff(u"a.txt b.txt"), "");
  EXPECT_EQ(Diff(u"/I a.txt b.txt"), "");
  EXPECT_EQ(DiffKey(u"\u3000a\tb c", true), u"abc");
  Write("\\Work\\u.txt", Utf16(u"\u3000全角\r\n a\r\n"));
  Write("\\Work\\v.txt", Utf16(u"全角\r\na\r\n"));
  EXPECT_EQ(Diff(u"/i\u3000u.txt \u3000v.txt"), "");
  EXPECT_NE(Diff(u"u.txt v.txt"), "");
}

TEST_F(DiffTest, ChangeAtTheFirstLineExtendsBackToTheFirstShownLine) {
  Write("\\Work\\a.txt", "x\nkeep\nmore\nend\n");
  Write("\\Work\\b.txt", "y\nz\nkeep\nmore\nend\n");
  EXPECT_EQ(Diff(u"a.txt b.txt"), "\n1-2,1-3\n!<x\n <keep\n ---\n!>y\n!>z\n >keep\n");
}

TEST_F(DiffTest, DeletedAndAddedRuns) {
  Write("\\Work\\a.txt", "1\n2\n3\n4\n5\n6\n");
  Write("\\Work\\b.txt", "1\n2\n4\n5\n6\n7\n");
  EXPECT_EQ(Diff(u"a.txt b.txt"),
            "\n2-4,*\n <2\n-<3\n <4\n ---\n"
            "\n*,5-6\n ---\n >6\n+>7\n");
}

TEST_F(DiffTest, FileWithoutLinesAgainstOneWithLines) {
  Write("\\Work\\empty.txt", "");
  Write("\\Work\\b.txt", "p\nq\n");
  EXPECT_EQ(Diff(u"empty.txt b.txt"), "\n*,1-2\n ---\n+>p\n+>q\n");
  EXPECT_EQ(Diff(u"b.txt empty.txt"), "\n1-2,*\n-<p\n-<q\n ---\n");
  EXPECT_EQ(Diff(u"empty.txt empty.txt"), "");
}

TEST(DiffLines, LineEndsAndLongLines) {
  auto lines = SplitDiffLines(u"\r\n\nlast\r");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, u"");
  EXPECT_EQ(lines[1].text, u"");
  EXPECT_EQ(lines[2].text, u"last\r");
  const std::u16string longLine = std::u16string(10239 + 5, u'x') + u"\n";
  lines = SplitDiffLines(longLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text.size(), 10239u);
  EXPECT_EQ(lines[1].text, u"xxxxx");
  EXPECT_TRUE(LooksLikeUnicode(std::string("a\0", 2)));
  EXPECT_TRUE(LooksLikeUnicode("\xFE\xFF"));
  EXPECT_FALSE(LooksLikeUnicode("\x93\xFA"));
}

TEST_F(DiffTest, ArgumentAndFileErrors) {
  const std::string usage =
      "使用方法:\n  diff [/I] [/U] file1 [/U] file2\n\n /I  空白文字のみの差異なら無視\n"
      " /U  Unicodeファイルとして処理\nfile1, file2 比較対照のファイル\n";
  EXPECT_EQ(Diff(u"  \u3000", 1), usage);
  Write("\\Work\\a.txt", "a\n");
  EXPECT_EQ(Diff(u"a.txt"), "file2 を指定してください\n\n" + usage);
  EXPECT_EQ(Diff(u"/I"), "file1 を指定してください\n\n" + usage);
  EXPECT_EQ(Diff(u"a.txt \"\""), "file2 の指定に誤りがあります。\n\n" + usage);
  // Both files are looked at even when the first one fails.
  EXPECT_EQ(Diff(u"missing.txt \\Work"),
            "指定のファイルが存在しません：\\Work\\missing.txt\n"
            "file2 に指定されているのはフォルダです：\\Work\n");
}

TEST_F(DiffTest, ForcedUnicodeAndQuotedNames) {
  Write("\\Work\\my a.txt", Utf16(u"x\r\n"));
  Write("\\Work\\b.txt", std::string("x\0\r\0\n\0", 6));
  EXPECT_EQ(Diff(u"\"my a.txt\" /U b.txt"), "");
}

}  // namespace
}  // namespace tessera::tools
