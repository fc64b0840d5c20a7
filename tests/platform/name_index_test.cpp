// Names found without regard to case in a large folder stay right whatever
// changes the folder: files made, removed and renamed from outside, names
// differing only in case, the folder itself replaced or removed.
#include "platform/name_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/device.h"
#include "support/temp_root.h"

namespace tessera::platform::detail {
namespace {

namespace fs = std::filesystem;

class NameIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetNameIndex();
    big_ = root_.host() + "/big";
    Fill(big_);
  }
  void TearDown() override { ResetNameIndex(); }

  static void Fill(const std::string& dir, std::size_t count = kNameIndexThreshold + 10) {
    fs::create_directories(dir);
    for (std::size_t i = 0; i < count; ++i) Touch(dir + "/file" + std::to_string(i) + ".txt");
  }
  static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

  testing::TempRoot root_;
  std::string big_;
};

TEST_F(NameIndexTest, ALargeFolderIsIndexedAndFollowsChangesFromOutside) {
  EXPECT_EQ(FindNameNoCase(big_, u"FILE7.TXT"), "file7.txt");
  EXPECT_EQ(IndexedDirectoryCount(), 1u);
  EXPECT_EQ(FindNameNoCase(big_, u"newone.txt"), std::nullopt);
  Touch(big_ + "/NewOne.TXT");  // made by another program, not through the device
  EXPECT_EQ(FindNameNoCase(big_, u"newone.txt"), "NewOne.TXT");
  fs::rename(big_ + "/NewOne.TXT", big_ + "/Renamed.txt");
  EXPECT_EQ(FindNameNoCase(big_, u"NEWONE.TXT"), std::nullopt);
  EXPECT_EQ(FindNameNoCase(big_, u"renamed.TXT"), "Renamed.txt");
  fs::remove(big_ + "/file7.txt");
  EXPECT_EQ(FindNameNoCase(big_, u"FILE7.TXT"), std::nullopt);
  EXPECT_EQ(IndexedDirectoryCount(), 1u);  // kept up to date, not rebuilt
}

TEST_F(NameIndexTest, NamesEqualButForCaseGiveTheFirstInByteOrder) {
  Touch(big_ + "/a.dat");
  EXPECT_EQ(FindNameNoCase(big_, u"A.DAT"), "a.dat");
  Touch(big_ + "/A.dat");
  EXPECT_EQ(FindNameNoCase(big_, u"a.DAT"), "A.dat");
  fs::remove(big_ + "/A.dat");
  EXPECT_EQ(FindNameNoCase(big_, u"A.DAT"), "a.dat");
}

TEST_F(NameIndexTest, AFolderReplacedOrRemovedIsReadAfresh) {
  EXPECT_EQ(FindNameNoCase(big_, u"FILE1.TXT"), "file1.txt");
  fs::rename(big_, root_.host() + "/old");
  fs::create_directories(big_);
  Touch(big_ + "/Other.txt");
  EXPECT_EQ(FindNameNoCase(big_, u"FILE1.TXT"), std::nullopt);
  EXPECT_EQ(FindNameNoCase(big_, u"other.TXT"), "Other.txt");
  fs::remove_all(big_);
  EXPECT_EQ(FindNameNoCase(big_, u"other.TXT"), std::nullopt);
  EXPECT_EQ(IndexedDirectoryCount(), 0u);
}

TEST_F(NameIndexTest, SmallFoldersAreReadEachTimeAndOnlyAFewLargeOnesKept) {
  const std::string small = root_.host() + "/small";
  Fill(small, 3);
  EXPECT_EQ(FindNameNoCase(small, u"File2.TXT"), "file2.txt");
  EXPECT_EQ(IndexedDirectoryCount(), 0u);
  for (int i = 0; i < 9; ++i) {
    const std::string dir = root_.host() + "/many" + std::to_string(i);
    Fill(dir);
    EXPECT_EQ(FindNameNoCase(dir, u"FILE3.TXT"), "file3.txt");
  }
  EXPECT_LE(IndexedDirectoryCount(), 8u);
  // An index let go is built again when wanted.
  EXPECT_EQ(FindNameNoCase(root_.host() + "/many0", u"FILE4.TXT"), "file4.txt");
}

TEST_F(NameIndexTest, DevicePathsInALargeFolderKeepTheNamesThereInAnyCase) {
  // The device is set up on the temporary root. Written under another case: the file there is
  // replaced, no second one made.
  auto host = HostPath(u"\\big\\FILE9.TXT");
  ASSERT_TRUE(host.ok());
  EXPECT_EQ(*host, big_ + "/file9.txt");
  auto fresh = HostPath(u"\\big\\Fresh.TXT");
  ASSERT_TRUE(fresh.ok());
  EXPECT_EQ(*fresh, big_ + "/Fresh.TXT");
}

}  // namespace
}  // namespace tessera::platform::detail
