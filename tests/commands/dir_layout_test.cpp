#include "commands/dir_layout.h"

#include <gtest/gtest.h>

namespace tessera {
namespace {

platform::FindData Entry(std::u16string name, bool directory = false) {
  platform::FindData entry;
  entry.name = std::move(name);
  entry.info.attributes = directory ? platform::kAttrDirectory : platform::kAttrArchive;
  entry.info.lastWriteTime = platform::FileTimeFromUnix(1000000000, 0);  // 2001, any zone
  return entry;
}

std::vector<std::u16string> Rows(const std::vector<platform::FindData>& entries, int columns) {
  std::vector<std::size_t> widths;
  for (const auto& e : entries) widths.push_back(WideWidth(e));
  return WideRows(entries, widths, columns);
}

TEST(DirLayout, DigitGrouping) {
  EXPECT_EQ(GroupDigits(0, true), u"0");
  EXPECT_EQ(GroupDigits(999, true), u"999");
  EXPECT_EQ(GroupDigits(1000, true), u"1,000");
  EXPECT_EQ(GroupDigits(1000001, true), u"1,000,001");
  EXPECT_EQ(GroupDigits(1234567, true), u"1,234,567");
  EXPECT_EQ(GroupDigits(1234567, false), u"1234567");
  EXPECT_EQ(GroupDigits(5000000000ull, true), u"5,000,000,000");  // past 32 bits, not wrapped
}

TEST(DirLayout, LinesOfAFileAndADirectory) {
  platform::FindData file = Entry(u"a.txt");
  file.info.size = 12345678901ull;
  EXPECT_EQ(LongListingLine(file, true).substr(14), u"  12,345,678,901  a.txt");
  EXPECT_EQ(ShortListingLine(file, false).substr(11), u"12345678901 a.txt");  // too long: not cut
  EXPECT_EQ(LongListingLine(Entry(u"d", true), true).substr(14), u"    <DIR>         d");
  EXPECT_EQ(ShortListingLine(Entry(u"d", true), true).substr(11), u"   <DIR> d");
}

TEST(DirLayout, TotalsByWidth) {
  EXPECT_EQ(ListingTotal(2, 1500, true, 35), u"\r\n           2個のファイル   1,500 バイト\r\n");
  EXPECT_EQ(ListingTotal(2, 1500, false, 34), u"\r\n 2個のファイル  1500 バイト\r\n");
  EXPECT_EQ(WideTotal(3, 0, true), u"\r\n  3個のファイル   0 バイト\r\n");
}

TEST(DirLayout, WideRowsPadByAnsiBytes) {
  // Widths 6, 6, 4+2=6 with brackets: pitch 8, (20+2)/8 = 2 per row.
  EXPECT_EQ(Rows({Entry(u"a.txt"), Entry(u"b.txt"), Entry(u"abc", true)}, 20),
            (std::vector<std::u16string>{u"a.txt  b.txt", u"[abc]"}));
  // A two-byte character counts twice.
  EXPECT_EQ(Rows({Entry(u"日.t"), Entry(u"x")}, 40), (std::vector<std::u16string>{u"日.t  x"}));
  // Too wide for the console: one name per row, no padding.
  EXPECT_EQ(Rows({Entry(u"a-name-of-thirty-bytes-ok.txt"), Entry(u"b")}, 30),
            (std::vector<std::u16string>{u"a-name-of-thirty-bytes-ok.txt", u"b"}));
  EXPECT_EQ(Rows({Entry(u"a"), Entry(u"b")}, 0), (std::vector<std::u16string>{u"a", u"b"}));
}

}  // namespace
}  // namespace tessera
