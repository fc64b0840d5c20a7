#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/diff/diff_engine.h"

namespace tessera::tools {
namespace {

// The pairing as plainly as it can be said: each line of A takes the first
// line of B after the highest one taken so far that is equal and free.
std::vector<int> PlainMatches(const std::vector<std::u16string>& a,
                              const std::vector<std::u16string>& b, bool ignoreBlanks) {
  std::vector<int> matchOfA(a.size(), -1);
  std::vector<bool> taken(b.size(), false);
  int last = -1;
  for (std::size_t j = 0; j < a.size(); ++j) {
    for (std::size_t k = static_cast<std::size_t>(last + 1); k < b.size(); ++k) {
      if (taken[k] || DiffKey(a[j], ignoreBlanks) != DiffKey(b[k], ignoreBlanks)) continue;
      matchOfA[j] = static_cast<int>(k);
      taken[k] = true;
      last = std::max(last, static_cast<int>(k));
      break;
    }
  }
  return matchOfA;
}

std::vector<DiffLine> AsLines(const std::vector<std::u16string>& texts) {
  std::vector<DiffLine> lines(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) lines[i].text = texts[i];
  return lines;
}

// Few distinct lines, so that equal lines repeat in both files and blanks
// decide equality with /I.
std::vector<std::u16string> RandomFile(std::mt19937& random) {
  static const std::u16string kLines[] = {
      u"a", u"b", u"a b", u"ab", u"a\u3000b", u"", u"c\t", u"c", u"a much longer line of text"};
  std::vector<std::u16string> file(random() % 60);
  for (auto& line : file) line = kLines[random() % std::size(kLines)];
  return file;
}

TEST(DiffMatching, PairsAsThePlainForwardSearchDoes) {
  std::mt19937 random(17);
  for (int round = 0; round < 400; ++round) {
    const auto textA = RandomFile(random);
    const auto textB = RandomFile(random);
    for (const bool ignoreBlanks : {false, true}) {
      auto a = AsLines(textA);
      auto b = AsLines(textB);
      CompareDiffLines(a, b, ignoreBlanks);
      const std::vector<int> expected = PlainMatches(textA, textB, ignoreBlanks);
      std::vector<int> matchOfB(b.size(), -1);
      for (std::size_t j = 0; j < a.size(); ++j) {
        ASSERT_EQ(a[j].match, expected[j]) << "round " << round << " line " << j;
        if (expected[j] >= 0) matchOfB[static_cast<std::size_t>(expected[j])] = static_cast<int>(j);
      }
      for (std::size_t k = 0; k < b.size(); ++k) {
        ASSERT_EQ(b[k].match, matchOfB[k]) << "round " << round << " line " << k;
      }
    }
  }
}

}  // namespace
}  // namespace tessera::tools
