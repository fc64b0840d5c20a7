#include "platform/find.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_root.h"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempRoot;

std::vector<std::u16string> Names(std::u16string_view pattern) {
  std::vector<std::u16string> names;
  auto found = FindFiles(pattern);
  if (!found) return names;
  for (const auto& entry : *found) names.push_back(entry.name);
  return names;
}

using NameList = std::vector<std::u16string>;

TEST(FindWildcard, StarAndQuestionMark) {
  EXPECT_TRUE(MatchWildcard(u"*", u"anything.at.all"));
  EXPECT_TRUE(MatchWildcard(u"*.txt", u"Notes.TXT"));
  EXPECT_FALSE(MatchWildcard(u"*.txt", u"notes.txt.bak"));
  EXPECT_TRUE(MatchWildcard(u"a?c", u"ABC"));
  EXPECT_FALSE(MatchWildcard(u"a?c", u"ac"));
  EXPECT_FALSE(MatchWildcard(u"a?c", u"abbc"));
  EXPECT_TRUE(MatchWildcard(u"*a*b*", u"xxaxxbxx"));
  EXPECT_FALSE(MatchWildcard(u"*a*b*", u"xxbxxaxx"));
  EXPECT_TRUE(MatchWildcard(u"\uff21*", u"\uff41bc"));  // full-width letters fold too
  // Backtracking over many stars stays correct.
  EXPECT_FALSE(MatchWildcard(u"*a*a*a*a*a*b", std::u16string(60, u'a')));
}

TEST(FindWildcard, NamesWithoutADot) {
  EXPECT_TRUE(MatchWildcard(u"*.*", u"README"));
  EXPECT_TRUE(MatchWildcard(u"*.*", u"a.b"));
  EXPECT_TRUE(MatchWildcard(u"*.", u"README"));
  EXPECT_FALSE(MatchWildcard(u"*.", u"read.me"));
  EXPECT_TRUE(MatchWildcard(u"READ*.", u"readme"));
  EXPECT_FALSE(MatchWildcard(u"*.txt", u"txt"));
}

TEST(FindFiles, SortsWithoutRegardToCaseAndSkipsDots) {
  TempRoot root;
  for (const char* name : {"b.txt", "A.txt", "c.txt", "a.TXT", "notes", "d.dat"}) {
    root.WriteHostFile(root.host() + "/Temp/" + name, "");
  }
  EXPECT_EQ(Names(u"\\temp\\*.txt"), (NameList{u"A.txt", u"a.TXT", u"b.txt", u"c.txt"}));
  EXPECT_EQ(Names(u"\\Temp\\*.*"),
            (NameList{u"A.txt", u"a.TXT", u"b.txt", u"c.txt", u"d.dat", u"notes"}));
  EXPECT_EQ(Names(u"\\Temp\\*."), (NameList{u"notes"}));
  EXPECT_EQ(Names(u"\\Temp\\?.dat"), (NameList{u"d.dat"}));
  EXPECT_EQ(Names(u"\\*"), (NameList{u"My Documents", u"Program Files", u"Temp", u"Windows"}));
}

TEST(FindFiles, CarriesEntryInformation) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Windows/x.ini", "12345");
  auto found = FindFiles(u"\\windows\\*");
  ASSERT_TRUE(found.ok());
  ASSERT_EQ(found->size(), 1u);
  EXPECT_EQ((*found)[0].info.size, 5u);
  EXPECT_EQ((*found)[0].info.attributes, kAttrArchive);
  auto dirs = FindFiles(u"\\W*");
  ASSERT_TRUE(dirs.ok());
  EXPECT_EQ((*dirs)[0].info.attributes & kAttrDirectory, kAttrDirectory);
}

// A listing looks at its entries from the open directory; what it tells of
// each is what a look at the entry alone tells.
TEST(FindFiles, EachEntryIsDescribedAsItIsAlone) {
  TempRoot root;
  const std::string dir = root.host() + "/Temp/mix";
  fs::create_directories(dir + "/sub");
  root.WriteHostFile(dir + "/file.txt", "12345");
  root.WriteHostFile(dir + "/.hidden", "");
  fs::permissions(dir + "/file.txt", fs::perms::owner_write, fs::perm_options::remove);
  fs::create_symlink(dir + "/sub", dir + "/tosub");
  fs::create_symlink(dir + "/file.txt", dir + "/tofile");
  fs::create_symlink(dir + "/nowhere", dir + "/dangling");
  // Stored bits where the file system keeps extended attributes.
  (void)SetFileAttributes(u"\\Temp\\mix\\sub", kAttrHidden | kAttrSystem);
  auto found = FindFiles(u"\\Temp\\mix\\*");
  ASSERT_TRUE(found.ok());
  ASSERT_EQ(found->size(), 6u);
  for (const FindData& entry : *found) {
    const auto alone = GetFileInfo(u"\\Temp\\mix\\" + entry.name);
    ASSERT_TRUE(alone.ok());
    EXPECT_EQ(entry.info.attributes, alone->attributes) << Utf16ToUtf8(entry.name);
    EXPECT_EQ(entry.info.size, alone->size) << Utf16ToUtf8(entry.name);
    EXPECT_EQ(entry.info.lastWriteTime, alone->lastWriteTime) << Utf16ToUtf8(entry.name);
    EXPECT_EQ(entry.info.creationTime, alone->creationTime) << Utf16ToUtf8(entry.name);
    EXPECT_EQ(entry.info.isSymlink, alone->isSymlink) << Utf16ToUtf8(entry.name);
  }
}

TEST(FindFiles, WithoutWildcardsFindsTheOneEntryInItsOwnSpelling) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/Report.Doc", "");
  EXPECT_EQ(Names(u"\\TEMP\\REPORT.DOC"), (NameList{u"Report.Doc"}));
  EXPECT_EQ(Names(u"\\temp"), (NameList{u"Temp"}));
  EXPECT_EQ(FindFiles(u"\\Temp\\missing.doc").error(), ErrorCode::FileNotFound);
}

TEST(FindFiles, ReportsWhatIsMissing) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/file", "");
  EXPECT_EQ(FindFiles(u"\\Temp\\*.none").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(FindFiles(u"\\NoSuchDir\\*.*").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(FindFiles(u"\\NoSuchDir\\x").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(FindFiles(u"\\Temp\\file\\*").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(FindFiles(u"\\T*\\file").error(), ErrorCode::InvalidName);
  EXPECT_EQ(FindFiles(u"\\Temp\\").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(FindFiles(u"\\").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(FindFiles(u"").error(), ErrorCode::PathNotFound);
}

TEST(FindFileFinder, WalksFirstAndNext) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/two", "");
  root.WriteHostFile(root.host() + "/Temp/One", "");
  FileFinder finder;
  ASSERT_TRUE(finder.First(u"\\Temp\\*").ok());
  EXPECT_EQ(finder.Current().name, u"One");
  ASSERT_TRUE(finder.Next().ok());
  EXPECT_EQ(finder.Current().name, u"two");
  EXPECT_EQ(finder.Next().error(), ErrorCode::NoMoreFiles);
  EXPECT_EQ(finder.Next().error(), ErrorCode::NoMoreFiles);
  EXPECT_EQ(finder.First(u"\\Temp\\z*").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(finder.Next().error(), ErrorCode::NoMoreFiles);
}

}  // namespace
}  // namespace tessera::platform
