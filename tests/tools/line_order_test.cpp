#include "tools/sort/line_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tessera::tools {
namespace {

using Views = std::vector<std::u16string_view>;

// Lines from a few units that stress the leading-unit keys: NUL (the same
// as a missing unit in a key), both ends of the surrogate range, the units
// above it, and lengths around the four units a key holds.
std::vector<std::u16string> RandomLines(std::mt19937& random, std::size_t count) {
  static constexpr char16_t kUnits[] = {u'\0', u'a', u'b', 0x7F, 0xD800, 0xDFFF, 0xE000, 0xFFFF};
  std::vector<std::u16string> lines(count);
  for (auto& line : lines) {
    const std::size_t length = random() % 9;
    for (std::size_t i = 0; i < length; ++i) line += kUnits[random() % (random() % 2 ? 2 : 8)];
  }
  return lines;
}

// Each line is its own string, so the data pointers show which of two
// equal lines went where.
std::vector<const char16_t*> Order(const Views& views) {
  std::vector<const char16_t*> order;
  for (const auto view : views) order.push_back(view.data());
  return order;
}

TEST(LineOrder, MatchesAPlainStableSortOnRandomLines) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const auto lines = RandomLines(random, 1 + random() % 3000);
    const Views input(lines.begin(), lines.end());
    for (const bool descending : {false, true}) {
      Views expected = input;
      if (descending) {
        std::stable_sort(expected.begin(), expected.end(), std::greater<>());
      } else {
        std::stable_sort(expected.begin(), expected.end());
      }
      Views actual = input;
      StableSortByCodeUnit(actual, descending);
      ASSERT_EQ(Order(actual), Order(expected))
          << "round " << round << " descending " << descending;
    }
  }
}

// Long lines made of a few pieces share long beginnings, as text does: the
// order then rests on units far into the lines, where lines also end, hold
// NULs, or are wholly alike; and runs of alike beginnings are both small
// and large.
TEST(LineOrder, MatchesAPlainStableSortOnLinesThatShareLongBeginnings) {
  static const std::u16string kPieces[] = {
      u"\u65e5\u672c",      u"ab", u"a", u"", std::u16string(1, u'\0'), u"\xFFFF",
      u"\u306e\u30c6\u30ad"};
  std::mt19937 random(11);
  for (int round = 0; round < 30; ++round) {
    std::vector<std::u16string> lines(1 + random() % 4000);
    for (auto& line : lines) {
      const std::size_t pieces = random() % (round % 3 == 0 ? 60 : 12);
      for (std::size_t i = 0; i < pieces; ++i) line += kPieces[random() % (random() % 3 ? 3 : 7)];
    }
    const Views input(lines.begin(), lines.end());
    for (const bool descending : {false, true}) {
      Views expected = input;
      if (descending) {
        std::stable_sort(expected.begin(), expected.end(), std::greater<>());
      } else {
        std::stable_sort(expected.begin(), expected.end());
      }
      Views actual = input;
      StableSortByCodeUnit(actual, descending);
      ASSERT_EQ(Order(actual), Order(expected))
          << "round " << round << " descending " << descending;
    }
  }
}

TEST(LineOrder, PrefixesNulsAndHighUnits) {
  const std::u16string a = u"ab";
  const std::u16string withNul(u"ab\0", 3);
  const std::u16string longer = u"abcdefgh";
  const std::u16string longerStill = u"abcdefghi";
  const std::u16string high = u"\xFFFF";
  const std::u16string empty;
  Views lines = {high, longerStill, withNul, longer, a, empty};
  StableSortByCodeUnit(lines, false);
  EXPECT_EQ(lines, (Views{empty, a, withNul, longer, longerStill, high}));
  StableSortByCodeUnit(lines, true);
  EXPECT_EQ(lines, (Views{high, longerStill, longer, withNul, a, empty}));
  Views none;
  StableSortByCodeUnit(none, false);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace tessera::tools
