#include "platform/copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/temp_root.h"

namespace tessera::platform {
namespace {

using testing::TempRoot;

TEST(CopyFileReplacing, CarriesBytesTimeAndAttributes) {
  TempRoot root;
  root.WriteHostFile(root.Host("/a.bin"), std::string("\x00\x01payload", 9));
  ASSERT_TRUE(SetLastWriteTime(u"\\a.bin", FileTimeFromUnix(946684800, 0)).ok());  // 2000-01-01
  ASSERT_TRUE(SetFileAttributes(u"\\a.bin", kAttrHidden | kAttrArchive).ok());

  ASSERT_TRUE(CopyFileReplacing(u"\\a.bin", u"\\b.bin").ok());
  EXPECT_EQ(root.ReadHostFile(root.Host("/b.bin")), std::string("\x00\x01payload", 9));
  auto info = GetFileInfo(u"\\b.bin");
  ASSERT_TRUE(info.ok());
  EXPECT_EQ(info->lastWriteTime, FileTimeFromUnix(946684800, 0));
  EXPECT_EQ(info->attributes & (kAttrHidden | kAttrArchive | kAttrReadOnly),
            kAttrHidden | kAttrArchive);
}

TEST(CopyFileReplacing, ReplacesAShorterOrLongerFile) {
  TempRoot root;
  root.WriteHostFile(root.Host("/a.txt"), "ab");
  root.WriteHostFile(root.Host("/b.txt"), "a much longer old text");
  ASSERT_TRUE(CopyFileReplacing(u"\\a.txt", u"\\b.txt").ok());
  EXPECT_EQ(root.ReadHostFile(root.Host("/b.txt")), "ab");
}

TEST(CopyFileReplacing, RefusesWithoutTouchingAnything) {
  TempRoot root;
  root.WriteHostFile(root.Host("/a.txt"), "new");
  root.WriteHostFile(root.Host("/ro.txt"), "old");
  ASSERT_TRUE(SetFileAttributes(u"\\ro.txt", kAttrReadOnly).ok());
  EXPECT_EQ(CopyFileReplacing(u"\\a.txt", u"\\ro.txt").error(), ErrorCode::AccessDenied);
  EXPECT_EQ(root.ReadHostFile(root.Host("/ro.txt")), "old");

  // The same file under another spelling would be emptied by a plain copy.
  EXPECT_EQ(CopyFileReplacing(u"\\a.txt", u"\\A.TXT").error(), ErrorCode::SharingViolation);
  ASSERT_EQ(link(root.Host("/a.txt").c_str(), root.Host("/hard.txt").c_str()), 0);
  EXPECT_EQ(CopyFileReplacing(u"\\a.txt", u"\\hard.txt").error(), ErrorCode::SharingViolation);
  EXPECT_EQ(root.ReadHostFile(root.Host("/a.txt")), "new");

  EXPECT_EQ(CopyFileReplacing(u"\\Temp", u"\\x").error(), ErrorCode::IsADirectory);
  EXPECT_EQ(CopyFileReplacing(u"\\a.txt", u"\\Temp").error(), ErrorCode::IsADirectory);
  EXPECT_FALSE(CopyFileReplacing(u"\\missing.txt", u"\\x").ok());
  EXPECT_FALSE(PathExists(u"\\x"));
}

TEST(IsSameFile, FollowsSpellingAndLinks) {
  TempRoot root;
  root.WriteHostFile(root.Host("/d/a.txt"), "x");
  root.WriteHostFile(root.Host("/d/b.txt"), "x");
  EXPECT_TRUE(IsSameFile(u"\\d\\a.txt", u"\\D\\.\\A.TXT"));
  EXPECT_FALSE(IsSameFile(u"\\d\\a.txt", u"\\d\\b.txt"));
  EXPECT_FALSE(IsSameFile(u"\\d\\a.txt", u"\\d\\missing.txt"));
}

}  // namespace
}  // namespace tessera::platform
