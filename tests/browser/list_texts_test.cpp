// The list's Size and Time texts, its order and its icons.
#include <gtest/gtest.h>

#include <ctime>

#include "browser/entry_sort.h"
#include "browser/entry_texts.h"
#include "browser_fixture.h"
#include "platform/filetime.h"
#include "support/time_zone.h"

namespace tessera::browser {
namespace {

platform::FileInfo FileOfSize(std::uint64_t size) {
  platform::FileInfo info;
  info.size = size;
  return info;
}

TEST(SizeText, BytesKilobytesAndMegabytes) {
  EXPECT_EQ(SizeText(FileOfSize(0)), u"0 ");
  EXPECT_EQ(SizeText(FileOfSize(1024)), u"1024 ");
  EXPECT_EQ(SizeText(FileOfSize(1025)), u"2K");
  EXPECT_EQ(SizeText(FileOfSize(2048)), u"3K");
  EXPECT_EQ(SizeText(FileOfSize(1048576)), u"1025K");
  EXPECT_EQ(SizeText(FileOfSize(1572864)), u"1.50M");
  // Past 4 GiB the whole size counts.
  EXPECT_EQ(SizeText(FileOfSize(5ull << 30)), u"5120.00M");
  platform::FileInfo folder = FileOfSize(4096);
  folder.attributes = platform::kAttrDirectory;
  EXPECT_EQ(SizeText(folder), u"");
}

// The list's times in a fixed time zone; the device clock set back after.
class TimeTextTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetDeviceClockOffset(0); }

  tessera::testing::TimeZone zone_{"Asia/Tokyo"};
};

TEST_F(TimeTextTest, TodayShowsTheTimeAndAnotherDayTheDate) {
  // 2024-03-05 14:07:30 in Tokyo is 05:07:30 UTC.
  const platform::FileTime time = platform::FileTimeFromUnix(1709615250, 0);
  platform::SystemTime today;
  today.year = 2024;
  today.month = 3;
  today.day = 5;
  EXPECT_EQ(TimeText(time, today), u"14:07");
  today.day = 6;
  EXPECT_EQ(TimeText(time, today), u"24/03/05");
  EXPECT_EQ(TimeText(0, today), u"");
}

TEST_F(TimeTextTest, TodayIsTheDeviceClocksDay) {
  const platform::FileTime now = platform::FileTimeFromUnix(::time(nullptr), 0);
  const platform::SystemTime local = platform::FileTimeToLocal(now);
  EXPECT_EQ(TimeText(now).size(), 5u);
  EXPECT_EQ(TimeText(now)[2], u':');
  // Two days ahead on the device clock, a file changed now is from another day.
  platform::SetDeviceClockOffset(2 * 86400);
  const std::u16string dated = TimeText(now);
  ASSERT_EQ(dated.size(), 8u);
  EXPECT_EQ(dated[6] - u'0', local.day / 10);
  EXPECT_EQ(dated[7] - u'0', local.day % 10);
}

ListEntry Entry(const std::u16string& name, bool folder, std::uint64_t size = 0,
                platform::FileTime time = 0) {
  platform::FindData data;
  data.name = name;
  data.info.attributes = folder ? platform::kAttrDirectory : platform::kAttrArchive;
  data.info.size = size;
  data.info.lastWriteTime = time;
  return EntryOf(std::move(data));
}

using Order = std::vector<std::u16string>;

TEST(EntrySort, ChoosingNameTwiceReversesWithFoldersAboveFilesAndParentFirst) {
  std::vector<ListEntry> entries = {Entry(u"c.txt", false), Entry(u"B", true),
                                    Entry(u"A.txt", false), ParentEntry(),
                                    Entry(u"b", false),     Entry(u"a", true)};
  SortState state;
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries), (Order{u"..", u"a", u"B", u"A.txt", u"b", u"c.txt"}));
  state.Choose(kSortByName);
  EXPECT_FALSE(state.ascending);
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries), (Order{u"..", u"B", u"a", u"c.txt", u"b", u"A.txt"}));
}

TEST(EntrySort, SizeTimeAndTypeKeysFallBackToTheName) {
  std::vector<ListEntry> entries = {Entry(u"big.txt", false, 5000, 30),
                                    Entry(u"small.log", false, 10, 20),
                                    Entry(u"same.bin", false, 10, 10),
                                    Entry(u"README", false, 1, 40), Entry(u"dir", true, 0, 50)};
  SortState state;
  state.Choose(kSortBySize);
  EXPECT_TRUE(state.ascending);  // another key keeps the direction
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries),
            (Order{u"dir", u"README", u"same.bin", u"small.log", u"big.txt"}));
  state.Choose(kSortByTime);
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries),
            (Order{u"dir", u"same.bin", u"small.log", u"big.txt", u"README"}));
  state.Choose(kSortByType);
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries),
            (Order{u"dir", u"README", u"same.bin", u"small.log", u"big.txt"}));
  state.Choose(kSortByType);
  SortEntries(entries, state);
  EXPECT_EQ(testing::ShownNames(entries),
            (Order{u"dir", u"big.txt", u"small.log", u"same.bin", u"README"}));
}

TEST(EntryIcons, KnownGroupsTheirShortcutFormsAndFolders) {
  EXPECT_EQ(IconOf(Entry(u"notes.TXT", false)), kIconText);
  EXPECT_EQ(IconOf(Entry(u"photo.jpeg", false)), kIconImage);
  EXPECT_EQ(IconOf(Entry(u"song.midi", false)), kIconSound);
  EXPECT_EQ(IconOf(Entry(u"index.htm", false)), kIconPage);
  EXPECT_EQ(IconOf(Entry(u"calc.exe", false)), kIconProgram);
  EXPECT_EQ(IconOf(Entry(u"archive.zip", false)), kIconOther);
  EXPECT_EQ(IconOf(Entry(u"dir", true)), kIconFolder);
  ListEntry shortcut = Entry(u"Calculator", false);
  shortcut.shortcut = ShortcutState::Followed;
  shortcut.target = u"\\Windows\\calc.exe";
  EXPECT_EQ(IconOf(shortcut), kIconProgram + 1);
  shortcut.target = u"\\Docs\\x.dat";
  EXPECT_EQ(IconOf(shortcut), kIconOther + 1);
  ListEntry folderShortcut = Entry(u"Docs", true);
  folderShortcut.shortcut = ShortcutState::Followed;
  EXPECT_EQ(IconOf(folderShortcut), kIconFolderShortcut);
  shortcut.shortcut = ShortcutState::Broken;
  EXPECT_EQ(IconOf(shortcut), kIconBrokenShortcut);
}

}  // namespace
}  // namespace tessera::browser
