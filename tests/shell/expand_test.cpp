#include "shell/expand.h"

#include <gtest/gtest.h>

#include "shell/multi_string.h"
#include "shell/scanner.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class ExpandTest : public testing::ShellTest {
 protected:
  std::string Expand(const std::string& line, std::uint32_t flags = 0) {
    return Utf8(ExpandVariables(U(line), context_, flags).text);
  }
  void SetArgs(std::vector<std::u16string> args) {
    context_.Set(kBatchArgs, JoinMultiString(args), kValueHidden);
  }
};

TEST_F(ExpandTest, UndefinedNamesAndLonePercents) {
  EXPECT_EQ(Expand("echo %X%"), "echo %X%");
  EXPECT_EQ(Expand("echo %X% %PATH%"), "echo  \\Program Files\\Tessera\\bin;\\Windows;\\");
  EXPECT_EQ(Expand("echo 50%"), "echo 50%");
  EXPECT_EQ(Expand("echo %PATH% 50%"), "echo \\Program Files\\Tessera\\bin;\\Windows;\\ 50");
  EXPECT_EQ(Expand("echo %%"), "echo %");
  EXPECT_EQ(Expand("a %% %X% b"), "a %  b");
}

TEST_F(ExpandTest, NamesMatchByPrefixWithoutCase) {
  EXPECT_EQ(Expand("%pat%"), "\\Program Files\\Tessera\\bin;\\Windows;\\");
  context_.Set(u"PATTERN", u"first");  // created after PATH: PATH still wins
  EXPECT_EQ(Expand("%pat%"), "\\Program Files\\Tessera\\bin;\\Windows;\\");
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Temp";
  EXPECT_EQ(Expand("[%cur dir%]"), "[\\Temp]");
  EXPECT_EQ(Expand("[%ECHO MODE%]"), "[%ECHO MODE%]");  // hidden values are never substituted
}

TEST_F(ExpandTest, TrailingBlanksAreRemoved) {
  context_.Set(u"EMPTYVAR", u"");
  EXPECT_EQ(Expand("echo %EMPTYVAR%   "), "echo");
  EXPECT_EQ(Expand("echo %E%"), "echo 0");  // ERRORLEVEL is the first visible name with E
  EXPECT_EQ(Expand("echo x   "), "echo x");
}

TEST_F(ExpandTest, OutsideABatchDigitsAreNames) {
  context_.Set(u"1", u"one");
  SetArgs({u"b.bat", u"arg"});
  EXPECT_EQ(Expand("%1%"), "one");
  EXPECT_EQ(Expand("%1", kExpandInBatch), "arg");
}

TEST_F(ExpandTest, BatchArguments) {
  SetArgs({u"x.bat", u"\"a b\"", u"c"});
  EXPECT_EQ(Expand("[%0] [%1] [%2] [%3]", kExpandInBatch), "[x.bat] [\"a b\"] [c] []");
  EXPECT_EQ(Expand("[%*]", kExpandInBatch), "[ \"a b\" c]");
  EXPECT_EQ(Expand("[%~1]", kExpandInBatch), "[a b]");
  context_.RemoveValue(kBatchArgs);
  EXPECT_EQ(Expand("[%1][%*]", kExpandInBatch), "[][]");
}

TEST_F(ExpandTest, StarStopsAtNine) {
  std::vector<std::u16string> args = {u"b"};
  for (int i = 1; i <= 12; ++i) args.push_back(U(std::to_string(i)));
  SetArgs(args);
  EXPECT_EQ(Expand("%*", kExpandInBatch), " 1 2 3 4 5 6 7 8 9");
}

TEST_F(ExpandTest, TildeTakesNamesApart) {
  root_->WriteHostFile(root_->Host("\\Temp\\x.txt"), "12345");
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Temp";
  SetArgs({u"b.bat", u"x.txt", u"\"  \\Temp\\x.txt  \""});
  EXPECT_EQ(Expand("%~f1", kExpandInBatch), "\\Temp\\x.txt");
  EXPECT_EQ(Expand("%~n1", kExpandInBatch), "x");
  EXPECT_EQ(Expand("%~x1", kExpandInBatch), ".txt");
  EXPECT_EQ(Expand("%~p1", kExpandInBatch), "\\Temp\\");
  EXPECT_EQ(Expand("%~nx1", kExpandInBatch), "x.txt");
  EXPECT_EQ(Expand("%~dpnx1", kExpandInBatch), "\\Temp\\x.txt");
  EXPECT_EQ(Expand("%~z1", kExpandInBatch), "5");
  EXPECT_EQ(Expand("%~2", kExpandInBatch), "\\Temp\\x.txt");
  EXPECT_EQ(Expand("%~zf2", kExpandInBatch), "5 \\Temp\\x.txt");
  EXPECT_EQ(Expand("%~a1", kExpandInBatch), "--a------");
  const std::string time = Expand("%~t1", kExpandInBatch);
  ASSERT_EQ(time.size(), 16u);
  EXPECT_EQ(time[4], '/');
  EXPECT_EQ(time[13], ':');
}

TEST_F(ExpandTest, TildeOnMissingFilesAndBadModifiers) {
  SetArgs({u"b.bat", u"none.txt"});
  EXPECT_EQ(Expand("[%~azt1]", kExpandInBatch), "[]");
  EXPECT_EQ(Expand("[%~azn1]", kExpandInBatch), "[none]");
  EXPECT_EQ(Expand("%~q1 rest", kExpandInBatch), "q1 rest");
  EXPECT_EQ(Expand("end %~f", kExpandInBatch), "end");
}

TEST_F(ExpandTest, TildeResultIsBounded) {
  SetArgs({u"b.bat", U(std::string(300, 'n') + "." + std::string(300, 'x'))});
  EXPECT_LE(ExpandVariables(u"%~nx1", context_, kExpandInBatch).text.size(), kMaxTildeResult);
}

TEST(MultiString, RoundTrip) {
  const std::vector<std::u16string> elements = {u"a.bat", u"\"x y\"", u"z"};
  const std::u16string joined = JoinMultiString(elements);
  EXPECT_EQ(joined.size(), 5u + 1 + 5 + 1 + 1 + 1 + 1);
  EXPECT_EQ(SplitMultiString(joined), elements);
  EXPECT_TRUE(SplitMultiString(JoinMultiString({})).empty());
  EXPECT_EQ(MultiStringElement(joined, 1), std::u16string_view(u"\"x y\""));
  EXPECT_EQ(MultiStringElement(joined, 3), std::nullopt);
  std::u16string shifted = joined;
  RemoveFirstElement(shifted);
  EXPECT_EQ(SplitMultiString(shifted), (std::vector<std::u16string>{u"\"x y\"", u"z"}));
  RemoveFirstElement(shifted);
  RemoveFirstElement(shifted);
  EXPECT_TRUE(SplitMultiString(shifted).empty());
  RemoveFirstElement(shifted);  // an empty list stays empty
  EXPECT_TRUE(SplitMultiString(shifted).empty());
}

TEST_F(ExpandTest, ALinePastTheLimitIsGivenUpUnchanged) {
  context_.Set(u"HALF", std::u16string(kMaxExpandedLine / 2 + 1, u'h'));
  context_.Set(u"ALL", std::u16string(kMaxExpandedLine, u'a'));
  const Expansion atLimit = ExpandVariables(u"%ALL%", context_, 0);
  EXPECT_FALSE(atLimit.tooLong);
  EXPECT_EQ(atLimit.text.size(), kMaxExpandedLine);
  for (std::u16string_view line : {u"%HALF%%HALF%  ", u"x%ALL%", u"%ALL%%ALL%%ALL%%ALL% %HALF%"}) {
    const Expansion over = ExpandVariables(line, context_, 0);
    EXPECT_TRUE(over.tooLong);
    EXPECT_EQ(over.text, TrimTrailingView(line));
    EXPECT_EQ(over.substitutions, 0u);
  }
}

}  // namespace
}  // namespace tessera
