// The paste engine on real folder trees: copies and moves, duplicate names,
// refusals, read-only entries, skips and Cancel.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "browser_fixture.h"
#include "platform/files.h"

namespace tessera::browser::testing {
namespace {

using Names = std::vector<std::u16string>;
using Texts = std::vector<std::string>;

class PasteTest : public BrowserTest {};

TEST_F(PasteTest, ACopySetPastedIntoItsOwnFolderThreeTimesGetsThreeDuplicateNames) {
  Write("\\src\\a.txt", "A");
  Write("\\src\\dir\\inner.txt", "I");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt", "dir"});
  EXPECT_TRUE(clipboard.hasFolder);
  for (int round = 0; round < 3; ++round)
    ASSERT_EQ(operations_.Paste(clipboard, u"\\src"), kDone) << round;
  EXPECT_EQ(clipboard.resultNames, (Names{U("コピー(3) ～ a.txt"), U("コピー(3) ～ dir")}));
  for (const std::string prefix : {"コピー ～ ", "コピー(2) ～ ", "コピー(3) ～ "}) {
    EXPECT_EQ(Read("\\src\\" + prefix + "a.txt"), "A") << prefix;
    EXPECT_EQ(Read("\\src\\" + prefix + "dir\\inner.txt"), "I") << prefix;
  }
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_EQ(clipboard.names.size(), 2u);  // a copy set stays
}

TEST_F(PasteTest, ACutSetPastedIntoItsOwnFolderDoesNothing) {
  Write("\\src\\a.txt", "A");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src\\", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\SRC"), kDone);
  EXPECT_EQ(Read("\\src\\a.txt"), "A");
  EXPECT_FALSE(Exists("\\src\\コピー ～ a.txt"));
  EXPECT_TRUE(clipboard.resultNames.empty());
  EXPECT_EQ(clipboard.names.size(), 1u);  // still there for a paste elsewhere
}

TEST_F(PasteTest, AFolderIsNeverPastedIntoItselfOrItsOwnSubFolders) {
  Write("\\src\\dir\\sub\\x.txt");
  for (const char16_t* destination : {u"\\src\\dir\\sub", u"\\SRC\\DIR"}) {
    prompter_.asked.clear();
    FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"dir"});
    EXPECT_EQ(operations_.Paste(clipboard, destination), kMissingArgument);
    ASSERT_EQ(prompter_.asked.size(), 1u);
    EXPECT_EQ(prompter_.asked[0].text,
              "フォルダをそのサブフォルダ内に移動・コピーすることはできません。");
    EXPECT_EQ(prompter_.asked[0].buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(clipboard.names.size(), 1u);
  }
  EXPECT_FALSE(Exists("\\src\\dir\\sub\\dir"));
  EXPECT_FALSE(Exists("\\src\\dir\\dir"));
  EXPECT_TRUE(Exists("\\src\\dir\\sub\\x.txt"));
  // A folder whose name merely begins the same is somewhere else.
  MakeFolder("\\src\\dirt");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"dir"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\src\\dirt"), kDone);
  EXPECT_TRUE(Exists("\\src\\dirt\\dir\\sub\\x.txt"));
}

TEST_F(PasteTest, ACopySetPastesTwiceAndACutSetEmptiesTheClipboard) {
  Write("\\src\\a.txt", "A");
  MakeFolder("\\one");
  MakeFolder("\\two");
  FileClipboard copy = Set(ClipboardMode::Copy, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(copy, u"\\one"), kDone);
  EXPECT_EQ(operations_.Paste(copy, u"\\two"), kDone);
  EXPECT_EQ(Read("\\one\\a.txt"), "A");
  EXPECT_EQ(Read("\\two\\a.txt"), "A");
  EXPECT_EQ(Read("\\src\\a.txt"), "A");

  FileClipboard cut = Set(ClipboardMode::Cut, "\\two", {"a.txt"});
  EXPECT_EQ(operations_.Paste(cut, u"\\"), kDone);
  EXPECT_TRUE(cut.empty());
  EXPECT_EQ(cut.resultNames, Names{u"a.txt"});
  EXPECT_EQ(Read("\\a.txt"), "A");
  EXPECT_FALSE(Exists("\\two\\a.txt"));
}

TEST_F(PasteTest, AFileThatCannotBeMovedKeepsItsFolderAndIsReportedAsSkipped) {
  Write("\\src\\dir\\a.txt", "A");
  Write("\\src\\dir\\stuck.txt", "S");
  Write("\\src\\dir\\sub\\z.txt", "Z");
  MakeFolder("\\dst");
  calls_.refused = {u"\\src\\dir\\stuck.txt"};
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"dir"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.Texts(),
            (Texts{PromptText(text::kFileProcessingError, "\\src\\dir\\stuck.txt"),
                   PromptText(text::kSomeSkipped)}));
  EXPECT_EQ(Read("\\src\\dir\\stuck.txt"), "S");
  EXPECT_FALSE(Exists("\\src\\dir\\a.txt"));
  EXPECT_FALSE(Exists("\\src\\dir\\sub"));
  EXPECT_EQ(Read("\\dst\\dir\\a.txt"), "A");
  EXPECT_EQ(Read("\\dst\\dir\\sub\\z.txt"), "Z");
  EXPECT_EQ(clipboard.resultNames, Names{u"dir"});
  EXPECT_TRUE(clipboard.empty());
}

TEST_F(PasteTest, CancelStopsAtOnceAndKeepsWhatWasDone) {
  Write("\\src\\a.txt", "A");
  Write("\\src\\b.txt", "B");
  Write("\\src\\c.txt", "C");
  Write("\\dst\\b.txt", "old");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"a.txt", "b.txt", "c.txt"});
  prompter_.answers = {MessageBoxAnswer::Cancel};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kCancelled);
  ASSERT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kOverwriteQuestion, "\\dst\\b.txt"));
  EXPECT_EQ(prompter_.asked[0].buttons, MessageBoxButtons::YesNoCancel);
  EXPECT_EQ(prompter_.asked[0].defaultAnswer, MessageBoxAnswer::No);
  EXPECT_EQ(Read("\\dst\\a.txt"), "A");
  EXPECT_EQ(Read("\\dst\\b.txt"), "old");
  EXPECT_EQ(Read("\\src\\b.txt"), "B");
  EXPECT_EQ(Read("\\src\\c.txt"), "C");
  EXPECT_FALSE(Exists("\\dst\\c.txt"));
}

TEST_F(PasteTest, AnExistingFileIsReplacedOnYesKeptOnNoAndRefusedWithoutPrompting) {
  Write("\\src\\a.txt", "new");
  Write("\\dst\\a.txt", "old");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kTargetFileExists);
  EXPECT_TRUE(prompter_.asked.empty());
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.Texts().back(), PromptText(text::kSomeSkipped));
  EXPECT_EQ(Read("\\dst\\a.txt"), "old");
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kDone);
  EXPECT_EQ(Read("\\dst\\a.txt"), "new");
}

TEST_F(PasteTest, AReadOnlyTargetFileLosesItsBitOnlyOnYes) {
  Write("\\src\\a.txt", "new");
  Write("\\dst\\a.txt", "old");
  SetReadOnly("\\dst\\a.txt");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kReadOnly);
  prompter_.answers = {MessageBoxAnswer::Cancel};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kCancelled);
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(Read("\\dst\\a.txt"), "old");
  EXPECT_TRUE(IsReadOnly("\\dst\\a.txt"));
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kReadOnlyFileTarget, "\\dst\\a.txt"));
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kDone);
  EXPECT_EQ(Read("\\dst\\a.txt"), "new");
  EXPECT_FALSE(IsReadOnly("\\dst\\a.txt"));
}

TEST_F(PasteTest, AReadOnlySourceFileMovesOnlyWhenTheUserSaysYes) {
  Write("\\src\\a.txt", "A");
  SetReadOnly("\\src\\a.txt");
  MakeFolder("\\dst");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kReadOnly);
  for (const MessageBoxAnswer answer : {MessageBoxAnswer::Cancel, MessageBoxAnswer::No}) {
    clipboard = Set(ClipboardMode::Cut, "\\src", {"a.txt"});
    prompter_.answers = {answer};
    EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"),
              answer == MessageBoxAnswer::No ? kSkipped : kCancelled);
    EXPECT_TRUE(Exists("\\src\\a.txt"));
    EXPECT_FALSE(Exists("\\dst\\a.txt"));
  }
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kMoveReadOnlyFile, "\\src\\a.txt"));
  clipboard = Set(ClipboardMode::Cut, "\\src", {"a.txt"});
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kDone);
  EXPECT_FALSE(Exists("\\src\\a.txt"));
  EXPECT_EQ(Read("\\dst\\a.txt"), "A");
  EXPECT_TRUE(IsReadOnly("\\dst\\a.txt"));
}

TEST_F(PasteTest, AReadOnlyFolderMovesOnYesAndKeepsItsBit) {
  Write("\\src\\dir\\a.txt", "A");
  SetReadOnly("\\src\\dir");
  MakeFolder("\\dst");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"dir"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kCallFailed);
  EXPECT_TRUE(Exists("\\src\\dir\\a.txt"));
  clipboard = Set(ClipboardMode::Cut, "\\src", {"dir"});
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kMoveReadOnlyFolder, "\\src\\dir"));
  EXPECT_FALSE(Exists("\\dst\\dir"));
  clipboard = Set(ClipboardMode::Cut, "\\src", {"dir"});
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kDone);
  EXPECT_FALSE(Exists("\\src\\dir"));
  EXPECT_EQ(Read("\\dst\\dir\\a.txt"), "A");
  EXPECT_TRUE(IsReadOnly("\\dst\\dir"));
}

TEST_F(PasteTest, AReadOnlyTargetFolderIsMergedIntoOnlyOnYes) {
  Write("\\src\\dir\\a.txt", "A");
  Write("\\dst\\dir\\old.txt", "O");
  SetReadOnly("\\dst\\dir");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"dir"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kReadOnly);
  prompter_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kReadOnlyFolderTarget, "\\dst\\dir"));
  EXPECT_FALSE(Exists("\\dst\\dir\\a.txt"));
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kDone);
  EXPECT_EQ(Read("\\dst\\dir\\a.txt"), "A");
  EXPECT_EQ(Read("\\dst\\dir\\old.txt"), "O");
}

TEST_F(PasteTest, AFileAndAFolderOfTheSameNameDoNotReplaceEachOther) {
  Write("\\src\\name", "file");
  Write("\\src\\dir\\x.txt");
  Write("\\dst\\name\\keep.txt", "K");
  Write("\\dst\\dir", "file in the way");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"name", "dir"});
  prompter_.answers = {MessageBoxAnswer::Ok, MessageBoxAnswer::Ok};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.Texts(), (Texts{PromptText(text::kFolderWhereFile, "\\dst\\name"),
                                      PromptText(text::kFileWhereFolder, "\\dst\\dir"),
                                      PromptText(text::kSomeSkipped)}));
  EXPECT_EQ(Read("\\dst\\name\\keep.txt"), "K");
  EXPECT_EQ(Read("\\dst\\dir"), "file in the way");
  EXPECT_EQ(Read("\\src\\name"), "file");
  EXPECT_TRUE(Exists("\\src\\dir\\x.txt"));
}

TEST_F(PasteTest, AVanishedSourceIsSkippedOrStopsThePaste) {
  Write("\\src\\a.txt", "A");
  Write("\\src\\b.txt", "B");
  MakeFolder("\\dst");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt", "b.txt"});
  ASSERT_TRUE(platform::DeleteFile(u"\\src\\a.txt").ok());
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kSourceMissing);
  EXPECT_FALSE(Exists("\\dst\\b.txt"));
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst"), kSkipped);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kSourceMissing, "\\src\\a.txt"));
  EXPECT_EQ(prompter_.asked[0].icon, MessageBoxIcon::Question);
  EXPECT_EQ(Read("\\dst\\b.txt"), "B");
}

TEST_F(PasteTest, TheDestinationMustBeAnExistingFolder) {
  Write("\\src\\a.txt");
  Write("\\file.txt");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u""), kMissingArgument);
  EXPECT_EQ(operations_.Paste(clipboard, u"\\none"), kSourceMissing);
  EXPECT_EQ(operations_.Paste(clipboard, u"\\file.txt"), kFileInTheWay);
  EXPECT_TRUE(prompter_.asked.empty());
}

TEST_F(PasteTest, TheNamingLimitIsTheNumber4095) {
  Write("\\src\\a.txt", "A");
  Write("\\src\\コピー ～ a.txt");
  for (int number = 2; number <= 4094; ++number)
    Write("\\src\\コピー(" + std::to_string(number) + ") ～ a.txt");
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\src"), kDone);
  EXPECT_EQ(Read("\\src\\コピー(4095) ～ a.txt"), "A");

  EXPECT_EQ(operations_.Paste(clipboard, u"\\src", false), kNoFreeName);
  prompter_.answers = {MessageBoxAnswer::Cancel};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\src"), kCancelled);
  EXPECT_EQ(prompter_.asked[0].text, PromptText(text::kNamingLimit, "\\src\\a.txt"));
  EXPECT_EQ(prompter_.asked.size(), 1u);
  EXPECT_EQ(operations_.Paste(clipboard, u"\\src"), kSkipped);
  EXPECT_FALSE(Exists("\\src\\コピー(4096) ～ a.txt"));
}

TEST_F(PasteTest, ACopyFailureWithoutPromptingStopsThePaste) {
  Write("\\src\\a.txt", "A");
  Write("\\src\\b.txt", "B");
  MakeFolder("\\dst");
  calls_.refused = {u"\\src\\a.txt"};
  FileClipboard clipboard = Set(ClipboardMode::Copy, "\\src", {"a.txt", "b.txt"});
  EXPECT_EQ(operations_.Paste(clipboard, u"\\dst", false), kCallFailed);
  EXPECT_FALSE(Exists("\\dst\\b.txt"));
  EXPECT_TRUE(prompter_.asked.empty());
}

TEST_F(PasteTest, AMoveThroughALinkToTheSourceFolderLeavesTheFilesAlone) {
  Write("\\src\\a.txt", "A");
  ASSERT_EQ(symlink(root_->Host("/src").c_str(), root_->Host("/alias").c_str()), 0);
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"a.txt"});
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\alias"), kDone);
  EXPECT_EQ(Read("\\src\\a.txt"), "A");
}

// A folder on another file system, removed again with everything in it.
class ScratchOnOtherFileSystem {
 public:
  ScratchOnOtherFileSystem() : path_("/dev/shm/tessera-browser-test-" + std::to_string(getpid())) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchOnOtherFileSystem() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }
  bool SharesDeviceWith(const std::string& other) const {
    struct stat a {};
    struct stat b {};
    return stat(path_.c_str(), &a) == 0 && stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev;
  }

 private:
  std::string path_;
};

TEST_F(PasteTest, AMoveToAnotherFileSystemCopiesThenDeletes) {
  ScratchOnOtherFileSystem other;
  if (other.SharesDeviceWith(root_->host())) GTEST_SKIP() << "no second file system";
  ASSERT_EQ(symlink(other.path().c_str(), root_->Host("/card").c_str()), 0);
  Write("\\src\\dir\\a.txt", "A");
  Write("\\src\\b.txt", "B");
  SetReadOnly("\\src\\b.txt");
  FileClipboard clipboard = Set(ClipboardMode::Cut, "\\src", {"dir", "b.txt"});
  prompter_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(operations_.Paste(clipboard, u"\\card"), kDone);
  EXPECT_EQ(root_->ReadHostFile(other.path() + "/dir/a.txt"), "A");
  EXPECT_EQ(root_->ReadHostFile(other.path() + "/b.txt"), "B");
  EXPECT_TRUE(IsReadOnly("\\card\\b.txt"));
  EXPECT_FALSE(Exists("\\src\\dir"));
  EXPECT_FALSE(Exists("\\src\\b.txt"));
}

}  // namespace
}  // namespace tessera::browser::testing
