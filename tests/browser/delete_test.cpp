// The recursive delete and the Delete command over the list's rows.
#include <gtest/gtest.h>

#include "browser_fixture.h"

namespace tessera::browser::testing {
namespace {

using Rows = std::vector<ListedName>;
using Texts = std::vector<std::string>;
using Removed = std::vector<std::size_t>;

class DeleteTest : public BrowserTest {};

TEST_F(DeleteTest, AReadOnlyFileAnsweredNoKeepsItsFolder) {
  Write("\\t\\a.txt");
  Write("\\t\\keep.txt", "K");
  Write("\\t\\sub\\z.txt");
  SetReadOnly("\\t\\keep.txt");
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(operations_.DeleteTree(u"\\t"), kSkipped);
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kDeleteReadOnly, "\\t\\keep.txt"));
  EXPECT_EQ(prompter_.asked[0].defaultAnswer, MessageBoxAnswer::No);
  EXPECT_EQ(Read("\\t\\keep.txt"), "K");
  EXPECT_TRUE(IsReadOnly("\\t\\keep.txt"));
  EXPECT_FALSE(Exists("\\t\\a.txt"));
  EXPECT_FALSE(Exists("\\t\\sub"));

  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.DeleteTree(u"\\t"), kDone);
  EXPECT_FALSE(Exists("\\t"));
}

TEST_F(DeleteTest, CancelStopsTheDeleteAndWithoutPromptingReadOnlyIsRefused) {
  Write("\\t\\a.txt");
  Write("\\t\\b.txt");
  Write("\\t\\c.txt");
  SetReadOnly("\\t\\b.txt");
  EXPECT_EQ(operations_.DeleteTree(u"\\t", false), kReadOnly);
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_TRUE(Exists("\\t\\c.txt"));
  prompter_.answers = {MessageBoxAnswer::Cancel};
  EXPECT_EQ(operations_.DeleteTree(u"\\t"), kCancelled);
  EXPECT_TRUE(Exists("\\t\\b.txt"));
  EXPECT_TRUE(Exists("\\t\\c.txt"));
}

TEST_F(DeleteTest, AMissingPathIsToldOnlyWithoutPrompting) {
  EXPECT_EQ(operations_.DeleteTree(u""), kMissingArgument);
  EXPECT_EQ(operations_.DeleteTree(u"\\none"), kSourceMissing);
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_EQ(operations_.DeleteTree(u"\\none", false), kSourceMissing);
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kNotFound, "\\none"));
  EXPECT_EQ(prompter_.asked[0].icon, MessageBoxIcon::Error);
}

TEST_F(DeleteTest, AFileThatCannotBeDeletedKeepsItsFolders) {
  Write("\\t\\sub\\stuck.txt", "S");
  Write("\\t\\z.txt");
  calls_.refused = {u"\\t\\sub\\stuck.txt"};
  EXPECT_EQ(operations_.DeleteTree(u"\\t"), kSkipped);
  EXPECT_EQ(prompter_.Texts(),
            Texts{PromptText(text::kFileProcessingError, "\\t\\sub\\stuck.txt")});
  EXPECT_EQ(Read("\\t\\sub\\stuck.txt"), "S");
  EXPECT_FALSE(Exists("\\t\\z.txt"));
  // Without prompting the sub-folder stops at the file; its parent skips it.
  EXPECT_EQ(operations_.DeleteTree(u"\\t", false), kSkipped);
  EXPECT_EQ(prompter_.asked.size(), 1u);
  EXPECT_TRUE(Exists("\\t\\sub\\stuck.txt"));
}

TEST_F(DeleteTest, LinksInATreeGoAsLinks) {
  Write("\\outside\\keep.txt", "K");
  SetReadOnly("\\outside\\keep.txt");
  Write("\\t\\plain.txt");
  ASSERT_EQ(symlink(root_->Host("/outside").c_str(), root_->Host("/t/dirlink").c_str()), 0);
  ASSERT_EQ(symlink(root_->Host("/outside/keep.txt").c_str(), root_->Host("/t/filelink").c_str()),
            0);
  EXPECT_EQ(operations_.DeleteTree(u"\\t"), kDone);
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_FALSE(Exists("\\t"));
  EXPECT_EQ(Read("\\outside\\keep.txt"), "K");
  EXPECT_TRUE(IsReadOnly("\\outside\\keep.txt"));
}

TEST_F(DeleteTest, TheDeleteCommandAsksFirstAndWalksTheSelectedRowsFromTheLast) {
  Write("\\f\\a.txt");
  Write("\\f\\b.txt");
  Write("\\f\\dir\\x.txt");
  Write("\\f\\unselected.txt");
  const Rows rows = {{u"..", true},
                     {u"a.txt", true},
                     {u"dir", true},
                     {u"unselected.txt", false},
                     {u"b.txt", true}};
  prompter_.answers = {MessageBoxAnswer::No};
  DeleteOutcome outcome = operations_.DeleteSelected(u"\\f", rows);
  EXPECT_EQ(outcome.result, kCancelled);
  EXPECT_TRUE(outcome.removed.empty());
  EXPECT_TRUE(Exists("\\f\\a.txt"));
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kDeleteSelectedQuestion));
  EXPECT_EQ(prompter_.asked[0].buttons, MessageBoxButtons::YesNo);
  EXPECT_EQ(prompter_.asked[0].defaultAnswer, MessageBoxAnswer::No);

  prompter_.answers = {MessageBoxAnswer::Yes};
  outcome = operations_.DeleteSelected(u"\\f", rows);
  EXPECT_EQ(outcome.result, kDone);
  EXPECT_EQ(outcome.removed, (Removed{4, 2, 1}));
  EXPECT_FALSE(Exists("\\f\\a.txt"));
  EXPECT_FALSE(Exists("\\f\\dir"));
  EXPECT_TRUE(Exists("\\f\\unselected.txt"));
  EXPECT_TRUE(Exists("\\f"));
}

TEST_F(DeleteTest, TheDeleteCommandSkipsWhatIsGoneOrReadOnlyAndSaysSoAtTheEnd) {
  Write("\\f\\a.txt");
  Write("\\f\\ro.txt", "R");
  Write("\\f\\z.txt");
  SetReadOnly("\\f\\ro.txt");
  const Rows rows = {{u"a.txt", true}, {u"gone.txt", true}, {u"ro.txt", true}, {u"z.txt", true}};
  prompter_.answers = {MessageBoxAnswer::Yes, MessageBoxAnswer::No, MessageBoxAnswer::Ok};
  const DeleteOutcome outcome = operations_.DeleteSelected(u"\\f", rows);
  EXPECT_EQ(outcome.result, kSkipped);
  EXPECT_EQ(outcome.removed, (Removed{3, 0}));
  EXPECT_EQ(prompter_.Texts(), (Texts{PromptText(text::kDeleteSelectedQuestion),
                                      PromptText(text::kDeleteReadOnlyQuestion, "\\f\\ro.txt"),
                                      PromptText(text::kDeleteEntryMissing, "\\f\\gone.txt"),
                                      PromptText(text::kDeleteSomeSkipped)}));
  EXPECT_EQ(prompter_.asked[1].buttons, MessageBoxButtons::YesNoCancel);
  EXPECT_EQ(Read("\\f\\ro.txt"), "R");
  EXPECT_TRUE(IsReadOnly("\\f\\ro.txt"));
}

TEST_F(DeleteTest, TheDeleteCommandStopsOnCancelAndTellsAFileItCannotDelete) {
  Write("\\f\\a.txt");
  Write("\\f\\stuck.txt");
  Write("\\f\\z.txt");
  calls_.refused = {u"\\f\\stuck.txt"};
  const Rows rows = {{u"a.txt", true}, {u"stuck.txt", true}, {u"z.txt", true}};
  prompter_.answers = {MessageBoxAnswer::Yes, MessageBoxAnswer::Cancel};
  const DeleteOutcome outcome = operations_.DeleteSelected(u"\\f", rows);
  EXPECT_EQ(outcome.result, kCancelled);
  EXPECT_EQ(outcome.removed, Removed{2});
  EXPECT_EQ(prompter_.Texts().back(), PromptText(text::kDeleteFileFailed, "\\f\\stuck.txt"));
  EXPECT_TRUE(Exists("\\f\\a.txt"));
}

}  // namespace
}  // namespace tessera::browser::testing
