// sort, upcase and diff started from bash (no stream modes from a shell):
// multibyte input that is valid UTF-8 is read as UTF-8, any other in the
// ANSI code page, and input neither can read is refused with a message,
// never read with characters replaced.
#include <gtest/gtest.h>

#include <string>

#include "support/temp_root.h"
#include "tools/program_runner.h"

namespace tessera::tools {
namespace {

// か, あ and b in Shift_JIS with CR LF, as the handheld wrote them.
const std::string kSjisList = "\x82\xA9\r\n\x82\xA0\r\nb\r\n";
// "日本 語" with an ideographic space (81 40) in Shift_JIS.
const std::string kSjisSpaced = "\x93\xFA\x96\x7B\x81\x40\x8C\xEA\r\nx\r\n";
// A lead byte followed by a blank: no Shift_JIS, no UTF-8.
const std::string kBroken = "ab\x82 c\n";

class BashTextTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = root_.host() + "/" + name;
    root_.WriteHostFile(path, bytes);
    return path;
  }
  testing::TempRoot root_;
};

TEST_F(BashTextTest, SortReadsAShiftJisFileAndStandardInput) {
  const std::string list = File("list.txt", kSjisList);
  Finished file = RunProgram({"sort.exe", {list}, {}, "", "", ""});
  EXPECT_EQ(file.code, 0);
  EXPECT_EQ(file.out, "b\nあ\nか\n");
  Finished input = RunProgram({"sort.exe", {"/R"}, {}, kSjisList, "", ""});
  EXPECT_EQ(input.code, 0);
  EXPECT_EQ(input.out, "か\nあ\nb\n");
}

TEST_F(BashTextTest, UpcaseReadsAShiftJisFileAndStandardInput) {
  // ｘ (82 98) has a capital, ア (83 41) has none.
  const std::string text = "abc \x82\x98\x83\x41\r\n";
  Finished file = RunProgram({"upcase.exe", {File("u.txt", text)}, {}, "", "", ""});
  EXPECT_EQ(file.code, 0);
  EXPECT_EQ(file.out, "ABC Ｘア\n");
  Finished input = RunProgram({"upcase.exe", {}, {}, text, "", ""});
  EXPECT_EQ(input.out, "ABC Ｘア\n");
}

TEST_F(BashTextTest, FilesWhoseNamesAreNoUtf8AreOpened) {
  const std::string first = File("caf\xE9.txt", "b\na\n");
  File("caf\xE8.txt", "b\nz\n");
  Finished sorted = RunProgram({"sort.exe", {first}, {}, "", "", ""});
  EXPECT_EQ(sorted.code, 0) << sorted.out;
  EXPECT_EQ(sorted.out, "a\nb\n");
  Finished upper = RunProgram({"upcase.exe", {first}, {}, "", "", ""});
  EXPECT_EQ(upper.out, "B\nA\n");
  // The two names differ only in their undecodable byte: two files.
  Finished compared =
      RunProgram({"diff.exe", {first, root_.host() + "/caf\xE8.txt"}, {}, "", "", ""});
  EXPECT_NE(compared.out.find("z"), std::string::npos) << compared.out;
}

TEST_F(BashTextTest, BytesThatAreValidUtf8AreReadAsUtf8) {
  // E6 97 A5 is 日 in UTF-8 and also a Shift_JIS pair with a half-width kana.
  Finished run = RunProgram({"sort.exe", {File("utf8.txt", "\xE6\x97\xA5\nb\n")}, {}, "", "", ""});
  EXPECT_EQ(run.out, "b\n日\n");
  EXPECT_EQ(RunProgram({"upcase.exe", {}, {}, "\xE6\x97\xA5x\n", "", ""}).out, "日X\n");
}

TEST_F(BashTextTest, TheAnsiCodePageCanBeChosen) {
  const std::string latin = "caf\xE9\n";
  Finished run =
      RunProgram({"upcase.exe", {File("l.txt", latin)}, {{"TESSERA_ACP", "1252"}}, "", "", ""});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "CAFÉ\n");
}

TEST_F(BashTextTest, InputNeitherReadingAcceptsIsRefusedWithAMessage) {
  const std::string broken = File("broken.txt", kBroken);
  const std::string why =
      "文字コードを判別できません。UTF-8 でもコードページ 932 でも読めないバイトが 2 "
      "バイト目（先頭を 0 として）にあります：";
  const std::string failed = "入力ファイルの読み込みでエラーが発生しました。\n";
  Finished sorted = RunProgram({"sort.exe", {broken}, {}, "", "", ""});
  EXPECT_EQ(sorted.code, 255);
  EXPECT_EQ(sorted.out, why + broken + "\n" + failed);
  Finished upper = RunProgram({"upcase.exe", {}, {}, kBroken, "", ""});
  EXPECT_EQ(upper.code, 255);
  EXPECT_EQ(upper.out, why + "標準入力\n" + failed);
  Finished compared = RunProgram({"diff.exe", {broken, File("ok.txt", "ab\n")}, {}, "", "", ""});
  EXPECT_EQ(compared.code, 0);
  EXPECT_EQ(compared.out, why + broken + "\n");
  // With UTF-8 as the code page there is nothing left to try.
  Finished utf8 = RunProgram({"sort.exe", {broken}, {{"TESSERA_ACP", "65001"}}, "", "", ""});
  EXPECT_EQ(utf8.code, 255);
  EXPECT_NE(utf8.out.find("コードページ 65001 でも"), std::string::npos) << utf8.out;
}

TEST_F(BashTextTest, DiffComparesShiftJisWithUnicodeAndIgnoresIdeographicSpaces) {
  const std::string sjis = File("sjis.txt", kSjisSpaced);
  // The same text in UTF-16 with its mark.
  const std::u16string wide = u"\uFEFF日本\u3000語\r\nx\r\n";
  std::string bytes;
  for (char16_t c : wide) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  const std::string unicode = File("wide.txt", bytes);
  Finished same = RunProgram({"diff.exe", {unicode, sjis}, {}, "", "", ""});
  EXPECT_EQ(same.code, 0);
  EXPECT_EQ(same.out, "< [Unicode]\n> [シフトJIS]\n--------------\n");

  const std::string joined = File("joined.txt", "\x93\xFA\x96\x7B\x8C\xEA\r\nx\r\n");
  EXPECT_EQ(RunProgram({"diff.exe", {"/I", sjis, joined}, {}, "", "", ""}).out, "");
  Finished strict = RunProgram({"diff.exe", {sjis, joined}, {}, "", "", ""});
  EXPECT_EQ(strict.out, "\n1-2,1-2\n!<日本　語\n <x\n ---\n!>日本語\n >x\n");
}

}  // namespace
}  // namespace tessera::tools
