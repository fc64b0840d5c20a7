#include "commands/environment_commands.h"

#include <gtest/gtest.h>

#include "shell/environment.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class SetCommandTest : public testing::ShellTest {};

TEST_F(SetCommandTest, ListsTheVisibleValuesInOrder) {
  EXPECT_EQ(Run("set"),
            "CUR DIR = \r\nPROMPT = $P$G\r\nPATH = \\Program "
            "Files\\Tessera\\bin;\\Windows;\\\r\nERRORLEVEL = 0\r\n"
            "TSXVER = 2.05\r\nOSVER = " +
                Value("OSVER") + "\r\nSUPPORTSTDIN = OK\r\nSUPPORTSTDOUT = OK\r\n");
  context_.FindValue(u"NOVALUE", 0);
  EXPECT_NE(Run("set").find("NOVALUE =\r\n"), std::string::npos);
}

TEST_F(SetCommandTest, NamesAreUpperCasedAndValuesTrimmed) {
  Run("set path=\\x");
  EXPECT_EQ(Value("PATH"), "\\x");
  Run("SET A = b  ");
  EXPECT_EQ(Value("A"), "b");
  Run("set cur dir=\\Temp");
  EXPECT_EQ(Value("CUR DIR"), "\\Temp");
  Run("set B==x");
  EXPECT_EQ(Value("B"), "=x");
}

TEST_F(SetCommandTest, ReservedValuesAreRefused) {
  EXPECT_EQ(Run("set TSXVER=3"),
            "この環境変数はシステムで予約されていますので、変更できません： TSXVER\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Value("TSXVER"), "2.05");
  EXPECT_EQ(Run("set ERRORLEVEL="),
            "この環境変数はシステムが使用していますので削除できません： ERRORLEVEL\r\n");
  EXPECT_EQ(Run("set ECHO MODE=OFF"),
            "この環境変数はシステムで予約されていますので、変更できません： ECHO MODE\r\n");
  EXPECT_EQ(Value("ECHO MODE"), "ON");
}

TEST_F(SetCommandTest, DeletingValues) {
  EXPECT_EQ(Run("set FOO="), "");
  EXPECT_EQ(context_.FindValue(u"FOO"), nullptr);
  Run("set FOO=1");
  Run("set foo=");
  EXPECT_EQ(context_.FindValue(u"FOO"), nullptr);
  context_.Set(u"HIDDEN", u"x", kValueHidden);
  Run("set HIDDEN=");  // a hidden value without the other flags can be deleted
  EXPECT_EQ(context_.FindValue(u"HIDDEN"), nullptr);
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(SetCommandTest, WithoutEqualsNothingIsShown) {
  EXPECT_EQ(Run("set PATH"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

class PathPromptTest : public testing::ShellTest {};

TEST_F(PathPromptTest, Path) {
  EXPECT_EQ(Run("path"), "\\Program Files\\Tessera\\bin;\\Windows;\\\r\n");
  Run("path \\a;\\b");
  EXPECT_EQ(Value("PATH"), "\\a;\\b");
  Run("path ;");
  EXPECT_EQ(Run("path"), "PATH=(null)\r\n");
  EXPECT_EQ(Run("path=\\x"), "指定のコマンドが見つかりません。\r\n");
  context_.RemoveValue(kPath);
  EXPECT_EQ(Run("path"), "エラーが発生しました。原因はメモリー不足と思われます。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(PathPromptTest, Prompt) {
  Run("prompt $P$_$G");
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "\\\r\n>");
  Run("prompt");
  EXPECT_EQ(Value("PROMPT"), "$P$G");
}

TEST(NextPathElement, EndsAtTheFirstEmptyElement) {
  std::u16string_view rest = u"\\a; \\b ;;\\c";
  EXPECT_EQ(NextPathElement(rest), std::u16string(u"\\a"));
  EXPECT_EQ(NextPathElement(rest), std::u16string(u" \\b "));
  EXPECT_EQ(NextPathElement(rest), std::nullopt);
  EXPECT_EQ(NextPathElement(rest), std::nullopt);
  std::u16string_view final = u"\\a;";
  EXPECT_TRUE(NextPathElement(final));
  EXPECT_FALSE(NextPathElement(final));
  std::u16string longElement(2000, u'x');
  std::u16string_view whole = longElement;
  EXPECT_EQ(NextPathElement(whole)->size(), kMaxPathElement);
}

}  // namespace
}  // namespace tessera
