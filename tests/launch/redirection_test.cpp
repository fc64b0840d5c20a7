#include "launch/redirection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class RedirectionTest : public testing::ShellTest {
 protected:
  RedirectSpec Parse(const std::string& text) { return ParseRedirections(U(text), context_); }
};

TEST_F(RedirectionTest, QuotedTargetKeepsItsBlanks) {
  const RedirectSpec redirect = Parse("a > \"out b\" b");
  EXPECT_EQ(Utf8(redirect.outputPath), "\\out b");
  EXPECT_EQ(Utf8(redirect.argumentText), "a  b");
  EXPECT_FALSE(redirect.append);
}

TEST_F(RedirectionTest, UnquotedTargetRunsToTheEnd) {
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Temp";
  const RedirectSpec redirect = Parse("a > out b");
  EXPECT_EQ(Utf8(redirect.outputPath), "\\Temp\\out b");
  EXPECT_EQ(Utf8(redirect.argumentText), "a");
}

TEST_F(RedirectionTest, InputAppendAndTheLastOutputWins) {
  const RedirectSpec redirect = Parse("x <in.txt >a.txt >>\\b.txt");
  EXPECT_EQ(Utf8(redirect.inputPath), "\\in.txt");
  EXPECT_EQ(Utf8(redirect.outputPath), "\\b.txt");
  EXPECT_TRUE(redirect.append);
  EXPECT_EQ(Utf8(redirect.argumentText), "x");
  EXPECT_FALSE(Parse(">>a >b").append);
}

TEST_F(RedirectionTest, AmpersandInTheMiddleOrAtTheEnd) {
  RedirectSpec middle = Parse("a & b");
  EXPECT_FALSE(middle.background);
  EXPECT_EQ(Utf8(middle.argumentText), "a & b");
  RedirectSpec end = Parse("a b &   ");
  EXPECT_TRUE(end.background);
  EXPECT_EQ(Utf8(end.argumentText), "a b");
}

TEST_F(RedirectionTest, TokensPassUnchanged) {
  EXPECT_EQ(Utf8(Parse("  \"q  uoted\"   x|y  ").argumentText), "\"q  uoted\" x|y");
  EXPECT_EQ(Utf8(Parse("a \"never closed > x").argumentText), "a \"never closed > x");
  EXPECT_TRUE(Parse("a \"never closed > x").outputPath.empty());
  EXPECT_EQ(Utf8(Parse("").argumentText), "");
}

TEST_F(RedirectionTest, OverlongTargetsAreIgnored) {
  const RedirectSpec redirect = Parse("a > " + std::string(260, 'n'));
  EXPECT_TRUE(redirect.outputPath.empty());
  EXPECT_EQ(Utf8(redirect.argumentText), "a");
  EXPECT_EQ(Parse("a > " + std::string(258, 'g')).outputPath.size(), 259u);
  // A relative name that only becomes too long once joined is refused too.
  std::filesystem::create_directories(root_->Host("\\" + std::string(200, 'd')));
  context_.FindValue(u"CUR DIR", 0)->value = U("\\" + std::string(200, 'd'));
  EXPECT_TRUE(Parse("a > " + std::string(100, 'f')).outputPath.empty());
}

}  // namespace
}  // namespace tessera
