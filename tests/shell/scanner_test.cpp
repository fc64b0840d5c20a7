#include "shell/scanner.h"

#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::Utf8;

std::string TokenText(std::u16string_view text, const std::optional<Token>& token) {
  if (!token) return "<none>";
  return Utf8(text.substr(token->start, token->end - token->start));
}

TEST(Scanner, BlanksAreSpaceAndTabOnly) {
  EXPECT_EQ(Utf8(SkipBlanks(u" \t x")), "x");
  EXPECT_EQ(Utf8(SkipBlanks(u"\r\nx")), "\r\nx");
  EXPECT_EQ(WordEnd(u"ab cd", false), 2u);
  EXPECT_EQ(WordEnd(u"ab>cd", false), 5u);
  EXPECT_EQ(WordEnd(u"ab>cd", true), 2u);
}

TEST(Scanner, GetTokenPlainAndOperatorMode) {
  const std::u16string text = u"dir/w>>out.txt";
  auto word = GetToken(text, 0, true);
  EXPECT_EQ(TokenText(text, word), "dir/w");
  auto op = GetToken(text, word->next, true);
  EXPECT_EQ(TokenText(text, op), ">>");
  EXPECT_EQ(TokenText(text, GetToken(text, op->next, true)), "out.txt");
  EXPECT_EQ(TokenText(text, GetToken(text, 0, false)), "dir/w>>out.txt");
  const std::u16string pipe = u"a|b&c<d>e";
  std::vector<std::string> tokens;
  for (auto t = GetToken(pipe, 0, true); t; t = GetToken(pipe, t->next, true))
    tokens.push_back(TokenText(pipe, t));
  EXPECT_EQ(tokens, (std::vector<std::string>{"a", "|", "b", "&", "c", "<", "d", ">", "e"}));
}

TEST(Scanner, QuotedTokens) {
  const std::u16string text = u"  \"  a b  \" rest";
  auto plain = GetToken(text, 0, false);
  EXPECT_EQ(TokenText(text, plain), "  a b  ");
  auto op = GetToken(text, 0, true);
  EXPECT_EQ(TokenText(text, op), "a b");
  EXPECT_EQ(text[op->next], u' ');
  EXPECT_EQ(TokenText(u"\"   \"", GetToken(u"\"   \"", 0, true)), "");
  EXPECT_FALSE(GetToken(u"\"never closed", 0, true));
  EXPECT_FALSE(GetToken(u"   ", 0, true));
  EXPECT_FALSE(GetToken(u"", 0, false));
}

TEST(Scanner, TrimTrailing) {
  std::u16string text = u"path\\\\ \t";
  TrimTrailing(text);
  EXPECT_EQ(Utf8(text), "path\\\\");
  TrimTrailing(text, u'\\');
  EXPECT_EQ(Utf8(text), "path");
  std::u16string blank = u" \t ";
  TrimTrailing(blank);
  EXPECT_TRUE(blank.empty());
}

TEST(Scanner, ParseLongReadsLikeTheRuntimeAtol) {
  EXPECT_EQ(ParseLong(u"123abc"), 123);
  EXPECT_EQ(ParseLong(u"  -42"), -42);
  EXPECT_EQ(ParseLong(u"+7"), 7);
  EXPECT_EQ(ParseLong(u"x1"), 0);
  EXPECT_EQ(ParseLong(u""), 0);
  EXPECT_EQ(ParseLong(u"99999999999999999999"), 2147483647);
  EXPECT_EQ(ParseLong(u"-99999999999999999999"), -2147483647L - 1);
}

}  // namespace
}  // namespace tessera
