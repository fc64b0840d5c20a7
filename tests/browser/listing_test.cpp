// Shortcut files, filter texts and reading a folder into the list.
#include <gtest/gtest.h>

#include "browser/file_filter.h"
#include "browser/folder_listing.h"
#include "browser/shortcut.h"
#include "browser_fixture.h"
#include "shell/message_catalogue.h"

namespace tessera::browser::testing {
namespace {

class ListingTest : public BrowserTest {};

TEST_F(ListingTest, AQuotedAbsoluteTargetIsUsedAsItStands) {
  Write("\\Windows\\calc.exe");
  Write("\\calc.lnk", "22#\"\\Windows\\calc.exe\"\r\nignored");
  const auto followed = FollowShortcut(u"\\calc.lnk");
  ASSERT_TRUE(followed.has_value());
  EXPECT_EQ(followed->target, u"\\Windows\\calc.exe");
}

TEST_F(ListingTest, ABareProgramNameIsLookedForInWindowsThenAtTheRoot) {
  Write("\\calc.lnk", "9#calc.exe");
  EXPECT_EQ(ShortcutCandidates(u"calc.exe"),
            (std::vector<std::u16string>{u"\\Windows\\calc.exe", u"\\calc.exe"}));
  EXPECT_FALSE(FollowShortcut(u"\\calc.lnk").has_value());
  Write("\\calc.exe");
  EXPECT_EQ(FollowShortcut(u"\\calc.lnk")->target, u"\\calc.exe");
  Write("\\Windows\\calc.exe");
  EXPECT_EQ(FollowShortcut(u"\\calc.lnk")->target, u"\\Windows\\calc.exe");
  // Only a program may be named without a path.
  EXPECT_TRUE(ShortcutCandidates(u"notes.txt").empty());
}

TEST(ShortcutText, TheTargetIsTheFirstLineAfterTheHashConvertedAndTrimmed) {
  EXPECT_EQ(ShortcutTargetText("17#  \\My Documents  \r\nnext"), u"\\My Documents");
  EXPECT_EQ(ShortcutTargetText("30#\"\\Program Files\\x.exe\" /arg"), u"\\Program Files\\x.exe");
  EXPECT_EQ(ShortcutTargetText("5#\\a\\b\""), u"\\a\\b");
  // Shift_JIS: the test runs with the device's ANSI code page 932.
  EXPECT_EQ(ShortcutTargetText("8#\\\x83\x81\x83\x82.txt"), u"\\メモ.txt");
  EXPECT_FALSE(ShortcutTargetText("no hash here").has_value());
  EXPECT_FALSE(ShortcutTargetText("\r\n9#calc.exe").has_value());
  // A CR or LF of its own ends the line too: no path holds one.
  EXPECT_EQ(ShortcutTargetText("22#\"\\Win\rdows\\calc.exe\""), u"\\Win");
  EXPECT_EQ(ShortcutTargetText("9#calc.exe\nmore"), u"calc.exe");
}

TEST_F(ListingTest, NoMoreThan520BytesOfAShortcutAreRead) {
  Write("\\x.exe");
  Write("\\near.lnk", std::string(510, ' ') + "#\\x.exe");
  Write("\\far.lnk", std::string(520, ' ') + "#\\x.exe");
  EXPECT_TRUE(FollowShortcut(u"\\near.lnk").has_value());
  EXPECT_FALSE(FollowShortcut(u"\\far.lnk").has_value());
}

TEST(FileFilterText, PairsEndAtTheFirstEmptyOne) {
  const auto programs = ParseFileFilter(GetMessageText(112));
  ASSERT_EQ(programs.size(), 2u);
  EXPECT_EQ(programs[0].description, u"実行形式 (*.BAT;*.EXE)");
  EXPECT_EQ(programs[0].patterns, (std::vector<std::u16string>{u"*.BAT", u"*.EXE"}));
  EXPECT_EQ(programs[1].patterns, std::vector<std::u16string>{u"*.*"});
  const auto text = ParseFileFilter(u"Text (*.txt)|*.txt||Other|*.dat|");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].description, u"Text (*.txt)");
  EXPECT_TRUE(ParseFileFilter(u"||").empty());
  EXPECT_TRUE(ParseFileFilter(u"Nothing| ; |").empty());
  EXPECT_TRUE(MatchesFilter(text[0].patterns, u"A.TXT"));
  EXPECT_FALSE(MatchesFilter(text[0].patterns, u"a.txt.bak"));
  EXPECT_TRUE(MatchesFilter({u"*.*"}, u"README"));
}

using Shown = std::vector<std::u16string>;

TEST_F(ListingTest, AFolderListsFoldersFilesAndFollowedShortcuts) {
  Write("\\Windows\\calc.exe");
  MakeFolder("\\Docs");
  Write("\\f\\notes.txt");
  Write("\\f\\data.bin");
  Write("\\f\\.hidden.txt");
  Write("\\f\\sub\\x");
  Write("\\f\\Calculator.lnk", "9#calc.exe");
  Write("\\f\\Docs.lnk", "5#\\Docs");
  Write("\\f\\broken.lnk", "9#none.exe");
  ListOptions options;
  auto entries = ListFolder(u"\\f", options);
  ASSERT_TRUE(entries.ok());
  EXPECT_EQ(ShownNames(*entries), (Shown{u"..", u"broken.lnk", u"Calculator", u"data.bin", u"Docs",
                                         u"notes.txt", u"sub"}));
  const ListEntry& calculator = (*entries)[2];
  EXPECT_EQ(calculator.fileName, u"Calculator.lnk");
  EXPECT_EQ(calculator.target, u"\\Windows\\calc.exe");
  EXPECT_EQ(IconOf(calculator), kIconProgram + 1);
  EXPECT_TRUE((*entries)[4].isFolder());
  EXPECT_EQ(IconOf((*entries)[4]), kIconFolderShortcut);
  EXPECT_EQ(IconOf((*entries)[1]), kIconBrokenShortcut);

  options.patterns = {u"*.exe", u"*.txt"};
  options.showFolders = false;
  EXPECT_EQ(ShownNames(*ListFolder(u"\\f", options)), (Shown{u"Calculator", u"notes.txt"}));
  options.showHidden = true;
  options.shortcuts = ShortcutView::Hide;
  EXPECT_EQ(ShownNames(*ListFolder(u"\\f", options)), (Shown{u".hidden.txt", u"notes.txt"}));
  options = ListOptions();
  options.shortcuts = ShortcutView::AsFiles;
  options.patterns = {u"*.lnk"};
  EXPECT_EQ(ShownNames(*ListFolder(u"\\f", options)),
            (Shown{u"..", u"broken.lnk", u"Calculator.lnk", u"Docs.lnk", u"sub"}));
}

TEST_F(ListingTest, TheRootHasNoParentRowAndAMissingFolderIsAnError) {
  const auto root = ListFolder(u"\\", ListOptions());
  ASSERT_TRUE(root.ok());
  for (const ListEntry& entry : *root) EXPECT_FALSE(entry.isParent());
  EXPECT_FALSE(ListFolder(u"\\none", ListOptions()).ok());
  Write("\\file.txt");
  EXPECT_EQ(ListFolder(u"\\file.txt", ListOptions()).error(), platform::ErrorCode::NotADirectory);
  MakeFolder("\\empty");
  EXPECT_EQ(ShownNames(*ListFolder(u"\\empty", ListOptions())), Shown{u".."});
}

}  // namespace
}  // namespace tessera::browser::testing
