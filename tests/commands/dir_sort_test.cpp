#include "commands/dir_sort.h"

#include <gtest/gtest.h>

#include <list>
#include <random>

namespace tessera {
namespace {

platform::FindData Entry(std::u16string name, std::uint64_t size, platform::FileTime written,
                         bool directory = false) {
  platform::FindData entry;
  entry.name = std::move(name);
  entry.info.size = size;
  entry.info.lastWriteTime = written;
  entry.info.attributes = directory ? platform::kAttrDirectory : platform::kAttrArchive;
  return entry;
}

std::vector<std::u16string> Names(const std::vector<platform::FindData>& entries) {
  std::vector<std::u16string> names;
  for (const auto& e : entries) names.push_back(e.name);
  return names;
}

// The listing order as a linked list built by insertion before the first
// entry that compares greater: the rule the sort has to reproduce.
std::vector<std::u16string> ByInsertion(const std::vector<platform::FindData>& entries,
                                        std::u16string_view keys) {
  std::list<platform::FindData> list;
  for (const auto& entry : entries) {
    auto at = list.begin();
    while (at != list.end() && CompareForListing(*at, entry, keys) <= 0) ++at;
    list.insert(at, entry);
  }
  std::vector<std::u16string> names;
  for (const auto& e : list) names.push_back(e.name);
  return names;
}

TEST(DirSort, KeysAndDirections) {
  const auto a = Entry(u"a.txt", 10, 300);
  const auto b = Entry(u"B.log", 20, 100);
  const auto dir = Entry(u"c", 0, 200, true);
  EXPECT_LT(CompareForListing(a, b, u"N"), 0);
  EXPECT_GT(CompareForListing(a, b, u"-N"), 0);
  EXPECT_GT(CompareForListing(a, b, u"E"), 0);    // .LOG before .TXT
  EXPECT_LT(CompareForListing(dir, a, u"E"), 0);  // no extension first
  EXPECT_GT(CompareForListing(a, b, u"D"), 0);
  EXPECT_LT(CompareForListing(a, b, u"s"), 0);
  EXPECT_LT(CompareForListing(dir, a, u"G"), 0);
  EXPECT_EQ(CompareForListing(a, b, u"QXZ"), 0);  // unknown keys are ignored
  EXPECT_EQ(CompareForListing(a, Entry(u"A.TXT", 99, 1), u"N"), 0);
  // Equal extensions fall back to the write time.
  EXPECT_LT(CompareForListing(Entry(u"z.txt", 0, 1), Entry(u"a.txt", 0, 2), u"E"), 0);
  // The '-' stays on for the later keys: equal names, sizes descending.
  EXPECT_GT(CompareForListing(Entry(u"x", 1, 0), Entry(u"X", 2, 0), u"-NS"), 0);
  // Sizes beyond 32 bits still order by their whole value.
  EXPECT_GT(CompareForListing(Entry(u"x", 0x100000000ull, 0), Entry(u"y", 1, 0), u"S"), 0);
}

TEST(DirSort, SameOrderAsInsertionBeforeTheFirstGreater) {
  std::mt19937 random(7);
  std::vector<platform::FindData> entries;
  for (int i = 0; i < 400; ++i) {
    std::u16string name = u"f" + std::u16string(1, static_cast<char16_t>(u'a' + random() % 5));
    name += u"." + std::u16string(1, static_cast<char16_t>(u'a' + random() % 3));
    name += u"#" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) +
            std::u16string(1, static_cast<char16_t>(u'A' + i / 10));
    entries.push_back(Entry(name, random() % 4, random() % 3, random() % 7 == 0));
  }
  for (std::u16string_view keys : {u"S", u"-S", u"G", u"E", u"D", u"GS", u"-GD", u"SE", u"ZS"}) {
    std::vector<platform::FindData> sorted = entries;
    SortListing(sorted, keys);
    EXPECT_EQ(Names(sorted), ByInsertion(entries, keys)) << std::string(keys.begin(), keys.end());
  }
}

TEST(DirSort, NoKeysKeepDirectoryOrder) {
  std::vector<platform::FindData> entries = {Entry(u"b", 1, 0), Entry(u"a", 2, 0)};
  SortListing(entries, u"");
  EXPECT_EQ(Names(entries), (std::vector<std::u16string>{u"b", u"a"}));
}

}  // namespace
}  // namespace tessera
