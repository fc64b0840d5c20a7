#include "shell/environment.h"

#include <gtest/gtest.h>

#include <regex>

#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class EnvironmentTest : public testing::ShellTest {
 protected:
  std::string Prompt(const std::string& templateText) {
    context_.Set(kPrompt, U(templateText));
    return Utf8(ExpandPrompt(context_));
  }
};

TEST_F(EnvironmentTest, DefaultsInOrderWithTheirFlags) {
  struct Expected {
    const char* name;
    std::uint32_t flags;
  };
  const Expected expected[] = {{"CUR DIR", 2}, {"ECHO MODE", 3},    {"PROMPT", 2},
                               {"PATH", 0},    {"ERRORLEVEL", 2},   {"TSXVER", 4},
                               {"OSVER", 4},   {"SUPPORTSTDIN", 4}, {"SUPPORTSTDOUT", 4}};
  ASSERT_EQ(context_.entries().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(Utf8(context_.entries()[i]->name), expected[i].name);
    EXPECT_EQ(context_.entries()[i]->flags, expected[i].flags) << expected[i].name;
  }
  EXPECT_EQ(Value("CUR DIR"), "");
  EXPECT_EQ(Value("ECHO MODE"), "ON");
  EXPECT_EQ(Value("PROMPT"), "$P$G");
  EXPECT_EQ(Value("PATH"), "\\Program Files\\Tessera\\bin;\\Windows;\\");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(Value("TSXVER"), "2.05");
  EXPECT_TRUE(std::regex_match(Value("OSVER"), std::regex("[0-9]+\\.[0-9]{2,}")));
  EXPECT_EQ(Value("SUPPORTSTDIN"), "OK");
  EXPECT_EQ(Value("SUPPORTSTDOUT"), "OK");
}

TEST(OsVersion, Formatting) {
  EXPECT_EQ(Utf8(FormatOsVersion(5, 0)), "5.00");
  EXPECT_EQ(Utf8(FormatOsVersion(5, 2)), "5.20");
  EXPECT_EQ(Utf8(FormatOsVersion(5, 21)), "5.21");
}

TEST_F(EnvironmentTest, PromptCodes) {
  EXPECT_EQ(Prompt("$P$G"), "\\>");
  EXPECT_EQ(Prompt("$a$B$c$F$g$L$Q$S$$"), "&|()><= $");
  EXPECT_EQ(Prompt("$P$_$G"), "\\\r\n>");
  EXPECT_EQ(Prompt("x$Yy"), "xy");  // unknown codes vanish
  EXPECT_EQ(Prompt("end$"), "end");
  EXPECT_TRUE(std::regex_match(Prompt("$D"), std::regex("[0-9]{4}年[0-9]{2}月[0-9]{2}日")));
  EXPECT_TRUE(std::regex_match(Prompt("$T"), std::regex("[0-9]{2}時[0-9]{2}分[0-9]{2}秒")));
  EXPECT_TRUE(std::regex_match(Prompt("$V"), std::regex("[0-9]+\\.[0-9]{2,}")));
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Windows";
  EXPECT_EQ(Prompt("$P$G"), "\\Windows>");
}

TEST_F(EnvironmentTest, PromptCountsTheDirectoryStack) {
  EXPECT_EQ(Prompt("$+$P$G"), "\\>");
  context_.Set(kDirStack, u"\\;\\a", kValueHidden);
  EXPECT_EQ(Prompt("$+$P$G"), "++\\>");
  context_.Set(kDirStack, u"");
  EXPECT_EQ(Prompt("$+$G"), ">");
}

TEST_F(EnvironmentTest, NoPromptWhenEchoIsOffOrPromptMissing) {
  context_.Set(kEchoMode, u"OFF");
  EXPECT_EQ(Prompt("$P$G"), "");
  context_.Set(kEchoMode, u"off");  // only exactly OFF silences it
  EXPECT_EQ(Prompt("$P$G"), "\\>");
  context_.RemoveValue(kPrompt);
  EXPECT_EQ(Utf8(ExpandPrompt(context_)), "");
}

TEST_F(EnvironmentTest, PromptIsCutBeforeItsBuffer) {
  EXPECT_EQ(Prompt(std::string(600, 'x')).size(), kPromptBuffer - 1);
  // A date that would not fit ends the prompt before it.
  const std::string nearlyFull(kPromptBuffer - 5, 'y');
  EXPECT_EQ(Prompt(nearlyFull + "$D"), nearlyFull);
}

TEST_F(EnvironmentTest, PrintPromptHasNoLineEnd) {
  PrintPrompt(context_);
  EXPECT_EQ(ConsoleText(), "\\>");
}

}  // namespace
}  // namespace tessera
