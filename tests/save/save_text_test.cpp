// Saving console text on a scratch device root: the checks of the name,
// the questions asked, the folders made on the way and the bytes written.
#include "ui/save/save_text.h"

#include <gtest/gtest.h>

#include "browser/browser_fixture.h"
#include "ui/save/log_name.h"
#include "ui/save/save_encoding.h"

namespace tessera::save {
namespace {

using browser::testing::PromptText;
using browser::testing::U;

class SaveTextTest : public browser::testing::BrowserTest {
 protected:
  SaveResult Save(const std::string& name, const std::u16string& text = u"ab",
                  SaveEncoding encoding = SaveEncoding::Unicode,
                  std::optional<std::u16string> currentDirectory = u"") {
    SaveRequest request;
    request.typedName = U(name);
    request.encoding = encoding;
    request.text = text;
    request.currentDirectory = std::move(currentDirectory);
    browser::PromptChannel prompts(prompter_, {});
    return SaveConsoleText(request, prompts);
  }
};

TEST_F(SaveTextTest, UnicodeIsTheMarkThenUtf16LittleEndian) {
  const SaveResult result = Save("\\ab.txt");
  EXPECT_EQ(result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(result.path, u"\\ab.txt");
  EXPECT_EQ(Read("\\ab.txt"), std::string("\xFF\xFE\x61\x00\x62\x00", 6));
  EXPECT_TRUE(prompter_.asked.empty());
}

TEST_F(SaveTextTest, ShiftJisHasNoMarkAndKeepsTheLineEnds) {
  // The tests run with the device's ANSI code page 932.
  EXPECT_EQ(Save("\\sj.txt", u"a\u3042\r\nb", SaveEncoding::ShiftJis).outcome, SaveOutcome::Saved);
  EXPECT_EQ(Read("\\sj.txt"), "a\x82\xA0\r\nb");
}

TEST_F(SaveTextTest, CharactersShiftJisCannotHoldAreNamedBeforeAnythingIsWritten) {
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Save("\\lost.txt", u"x\uD55Cy", SaveEncoding::ShiftJis).outcome, SaveOutcome::Stay);
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(prompter_.asked[0].text,
            PromptText(text::kCharactersLostQuestion, "\xED\x95\x9C (U+D55C)"));
  EXPECT_FALSE(Exists("\\lost.txt"));
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Save("\\lost.txt", u"x\uD55Cy", SaveEncoding::ShiftJis).outcome, SaveOutcome::Saved);
  EXPECT_EQ(Read("\\lost.txt"), "x?y");
}

TEST_F(SaveTextTest, ARelativeNameJoinsTheCurrentDirectory) {
  if (!Exists("\\Temp")) MakeFolder("\\Temp");
  EXPECT_EQ(Save("  out.txt ", u"ab", SaveEncoding::Unicode, u"\\Temp").path, u"\\Temp\\out.txt");
  EXPECT_TRUE(Exists("\\Temp\\out.txt"));
  EXPECT_EQ(Save("..\\up.txt", u"ab", SaveEncoding::Unicode, u"\\Temp").path, u"\\up.txt");
  EXPECT_TRUE(Exists("\\up.txt"));
}

TEST_F(SaveTextTest, AnEmptyNameOrNoCurrentDirectoryIsRefused) {
  EXPECT_EQ(Save("   ").outcome, SaveOutcome::Stay);
  EXPECT_EQ(Save("out.txt", u"ab", SaveEncoding::Unicode, std::nullopt).outcome, SaveOutcome::Stay);
  ASSERT_EQ(prompter_.asked.size(), 2u);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kNameMissing));
  EXPECT_EQ(prompter_.asked[0].icon, MessageBoxIcon::Error);
  EXPECT_EQ(prompter_.asked[1].text, PromptText(text::kNoCurrentDirectory));
  EXPECT_FALSE(Exists("\\out.txt"));
}

TEST_F(SaveTextTest, EachMissingFolderIsAskedForAndCreatedFromTheRootDown) {
  prompter_.answers = {MessageBoxAnswer::Yes, MessageBoxAnswer::Yes};
  EXPECT_EQ(Save("\\A\\B\\log.txt").outcome, SaveOutcome::Saved);
  EXPECT_EQ(prompter_.Texts(),
            (std::vector<std::string>{PromptText(text::kCreateFolderQuestion, "\\A"),
                                      PromptText(text::kCreateFolderQuestion, "\\A\\B")}));
  EXPECT_TRUE(Exists("\\A\\B\\log.txt"));
}

TEST_F(SaveTextTest, NoToAFolderStopsThereAndKeepsTheFoldersAlreadyMade) {
  prompter_.answers = {MessageBoxAnswer::Yes, MessageBoxAnswer::No};
  EXPECT_EQ(Save("\\A\\B\\log.txt").outcome, SaveOutcome::Stay);
  EXPECT_TRUE(Exists("\\A"));
  EXPECT_FALSE(Exists("\\A\\B"));
}

TEST_F(SaveTextTest, AFileStandingWhereAFolderMustBeIsNamed) {
  Write("\\A", "file");
  EXPECT_EQ(Save("\\A\\log.txt").outcome, SaveOutcome::Stay);
  EXPECT_EQ(prompter_.Texts(),
            (std::vector<std::string>{PromptText(text::kFileWhereFolder, "\\A")}));
  EXPECT_EQ(Read("\\A"), "file");
}

TEST_F(SaveTextTest, AFolderOfTheNameIsNeverReplaced) {
  MakeFolder("\\out");
  EXPECT_EQ(Save("\\out").outcome, SaveOutcome::Stay);
  EXPECT_EQ(prompter_.Texts(),
            (std::vector<std::string>{PromptText(text::kOutputIsFolder, "\\out")}));
}

TEST_F(SaveTextTest, AnExistingFileIsReplacedOnlyAfterYes) {
  Write("\\out.txt", "old");
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Save("\\out.txt").outcome, SaveOutcome::Stay);
  EXPECT_EQ(Read("\\out.txt"), "old");
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Save("\\out.txt").outcome, SaveOutcome::Saved);
  EXPECT_EQ(Read("\\out.txt"), std::string("\xFF\xFE\x61\x00\x62\x00", 6));
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kOverwriteQuestion, "\\out.txt"));
  EXPECT_EQ(prompter_.asked[0].defaultAnswer, MessageBoxAnswer::No);
}

TEST_F(SaveTextTest, AReadOnlyFileIsClearedAndReplacedAfterYes) {
  Write("\\ro.txt", "old");
  SetReadOnly("\\ro.txt");
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Save("\\ro.txt").outcome, SaveOutcome::Stay);
  EXPECT_TRUE(IsReadOnly("\\ro.txt"));
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Save("\\ro.txt").outcome, SaveOutcome::Saved);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kClearReadOnlyQuestion));
  EXPECT_FALSE(IsReadOnly("\\ro.txt"));
  EXPECT_EQ(Read("\\ro.txt").size(), 6u);
}

TEST_F(SaveTextTest, TheProposedNameSkipsExistingOnesUpTo1023) {
  EXPECT_EQ(ProposedLogName(u"\\"), u"新規ログ(1).txt");
  Write("\\新規ログ(1).txt");
  EXPECT_EQ(ProposedLogName(u"\\"), u"新規ログ(2).txt");
  MakeFolder("\\Logs");
  for (int n = 1; n < kLastLogNumber; ++n) Write("\\Logs\\新規ログ(" + std::to_string(n) + ").txt");
  EXPECT_EQ(ProposedLogName(u"\\Logs\\"), u"新規ログ(1023).txt");
  Write("\\Logs\\新規ログ(1023).txt");
  EXPECT_EQ(ProposedLogName(u"\\Logs"), u"新規ログ(1023).txt");
}

TEST(SaveEncodingText, LostCharactersAreListedWithTheirCodesUpToALimit) {
  EXPECT_EQ(LostCharactersText({U'\U0001F600', 0xD800}), u"\U0001F600 (U+1F600)  \uFFFD (U+D800)");
  EXPECT_EQ(LostCharactersText({U'a', U'b', U'c'}, 2), u"a (U+0061)  b (U+0062)...");
}

}  // namespace
}  // namespace tessera::save
