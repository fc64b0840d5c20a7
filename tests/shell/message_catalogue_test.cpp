#include "shell/message_catalogue.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "shell/message_overrides.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class MessageCatalogueTest : public testing::ShellTest {};

TEST_F(MessageCatalogueTest, DefaultsAreTheBuiltInTexts) {
  EXPECT_EQ(Utf8(GetMessageText(0)), "");
  EXPECT_EQ(Utf8(GetMessageText(1)), "");
  EXPECT_EQ(Utf8(GetMessageText(4)), "\"が完結していません。");
  EXPECT_EQ(Utf8(GetMessageText(62)), "指定のコマンドが見つかりません。");
  EXPECT_EQ(Utf8(GetMessageText(98)), "\"%s\" を削除します。\n\nよろしいですか？");
  EXPECT_EQ(Utf8(GetMessageText(101)), "\r\n   0 個のファイル  0 バイト\r\n");
  EXPECT_EQ(Utf8(GetMessageText(112)),
            "実行形式 (*.BAT;*.EXE)|*.BAT;*.EXE|すべてのファイル (*.*)|*.*||");
  EXPECT_EQ(Utf8(GetMessageText(160)),
            "標準エラーの処理でエラーが発生しました。Tessera を再起動してください。");
  EXPECT_EQ(GetMessageText(77), GetMessageText(26));
  EXPECT_EQ(GetMessageText(78), GetMessageText(31));
  EXPECT_EQ(GetMessageText(128), GetMessageText(123));
  EXPECT_EQ(Utf8(GetMessageText(161)), "");
  EXPECT_EQ(Utf8(GetMessageText(0xFFFFFFFF)), "");
}

TEST_F(MessageCatalogueTest, SettingTextsAndThePrefix) {
  SetMessageText(77, u"changed");
  EXPECT_EQ(Utf8(GetMessageText(77)), "changed");
  EXPECT_EQ(Utf8(GetMessageText(26)), "コピー元の指定に誤りがあります。");
  SetMessageText(161, u"ignored");
  EXPECT_EQ(Utf8(GetMessageText(161)), "");
  SetMessageText(1, U(std::string(40, 'P')));
  EXPECT_EQ(ErrorPrefix().size(), kErrorPrefixMax);
  EXPECT_EQ(Utf8(GetMessageText(1)), "");  // the prefix never shows through slot 1
  FreeMessageTexts();
  EXPECT_EQ(Utf8(GetMessageText(77)), "コピー元の指定に誤りがあります。");
  EXPECT_TRUE(ErrorPrefix().empty());
}

TEST_F(MessageCatalogueTest, OverrideLines) {
  ApplyMessageOverrideLine(u"120 Bad root.");
  EXPECT_EQ(Utf8(GetMessageText(120)), "Bad root.");
  ApplyMessageOverrideLine(u"  # 121 x");
  ApplyMessageOverrideLine(u"' 121 x");
  ApplyMessageOverrideLine(u": 121 x");
  ApplyMessageOverrideLine(u"0 text");
  ApplyMessageOverrideLine(u"abc text");
  ApplyMessageOverrideLine(u"500 text");
  ApplyMessageOverrideLine(u"-5 text");
  EXPECT_EQ(Utf8(GetMessageText(121)), "キーの指定に誤りがあります。");
  ApplyMessageOverrideLine(u"122\t  two blanks kept");
  EXPECT_EQ(Utf8(GetMessageText(122)), "  two blanks kept");
  ApplyMessageOverrideLine(u"123");
  EXPECT_EQ(Utf8(GetMessageText(123)), "");
  ApplyMessageOverrideLine(u"124 Line one\\nLine two");
  EXPECT_EQ(Utf8(GetMessageText(124)), "Line one\r\nLine two");
  ApplyMessageOverrideLine(u"125abc still 125");
  EXPECT_EQ(Utf8(GetMessageText(125)), "still 125");
}

TEST_F(MessageCatalogueTest, ErrorPrefixLeadsEveryErrorLine) {
  ApplyMessageOverrideLine(u"1 ERR:");
  ShowError(67, u"\\a.txt");
  EXPECT_EQ(ConsoleText(), "ERR: 指定のファイルが見つかりません： \\a.txt\r\n");
}

class MessageFileTest : public testing::ShellTest {
 protected:
  void WriteMessageFile(const std::string& bytes) {
    root_->WriteHostFile(root_->Host("\\Program Files\\Tessera\\STRRESOURCE.TXT"), bytes);
  }
  static std::string Utf16Le(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
      out += static_cast<char>(c & 0xFF);
      out += static_cast<char>(c >> 8);
    }
    return out;
  }
};

TEST_F(MessageFileTest, Utf16WithAndWithoutByteOrderMark) {
  WriteMessageFile("\xFF\xFE" + Utf16Le(u"5 エコーは <%s>\r\n62 見つからない"));
  LoadMessageOverrides();
  EXPECT_EQ(Utf8(GetMessageText(5)), "エコーは <%s>");
  EXPECT_EQ(Utf8(GetMessageText(62)), "見つからない");
  FreeMessageTexts();
  WriteMessageFile(Utf16Le(u"62 no mark\r\n"));
  LoadMessageOverrides();
  EXPECT_EQ(Utf8(GetMessageText(62)), "no mark");
}

TEST_F(MessageFileTest, AnsiFileIsConvertedWithTheCodePage) {
  const std::string sjis = platform::WideToAnsi(u"62 コマンドなし\r\n1 エラー:");
  WriteMessageFile(sjis);
  LoadMessageOverrides();
  if (platform::AnsiCodePage() == platform::kCodePageShiftJis) {
    EXPECT_EQ(Utf8(GetMessageText(62)), "コマンドなし");
    EXPECT_EQ(Utf8(ErrorPrefix()), "エラー:");
  } else {
    EXPECT_EQ(Utf8(GetMessageText(62)),
              Utf8(platform::AnsiToWide(sjis.substr(3, sjis.find('\r') - 3))));
  }
}

TEST_F(MessageFileTest, GarbageLongLinesAndHostilePlaceholdersAreSafe) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  std::string file = garbage + "\r\n5 %s%s%s%n%p\r\n108 " + std::string(100000, 'x') + "\r\n";
  WriteMessageFile(file);
  LoadMessageOverrides();  // must neither crash nor read out of bounds
  // The garbage holds zero bytes, so the whole file reads as UTF-16: the
  // later lines are not the ASCII lines written. Now a clean ANSI file:
  FreeMessageTexts();
  WriteMessageFile("5 %s%s%s%n%p\r\n108 " + std::string(100000, 'x') + "\r\n");
  LoadMessageOverrides();
  EXPECT_EQ(GetMessageText(108).size(), 100000u);
  Run("echo");
  EXPECT_EQ(ConsoleText(), "ON%s%s%n%p\r\n");
}

TEST_F(MessageFileTest, MissingFileChangesNothing) {
  LoadMessageOverrides();
  EXPECT_EQ(Utf8(GetMessageText(62)), "指定のコマンドが見つかりません。");
}

TEST_F(MessageFileTest, LaterLineForTheSameIdWins) {
  WriteMessageFile("62 first\r\n62 second\r\n");
  LoadMessageOverrides();
  EXPECT_EQ(Utf8(GetMessageText(62)), "second");
}

}  // namespace
}  // namespace tessera
