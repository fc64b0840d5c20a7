#include "tools/sort/line_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace tessera::tools {

namespace {

// A line stands for itself by four of its code units, the first one
// highest, missing ones as 0. Different keys order their lines the way
// the whole lines order; lines with equal keys go on to their next four
// units, and only where a line ends among those are they compared in full.
// The line itself rides along, so that the deeper keys are read from the
// text without going through the list of lines first.
struct KeyedLine {
  std::uint64_t key;
  const char16_t* text;
  std::uint32_t size;
  std::uint32_t index;
  std::u16string_view line() const { return {text, size}; }
};

constexpr std::size_t kKeyUnits = 4;
// Below this many lines, a comparison sort of the keys beats counting.
constexpr std::size_t kSmallRun = 64;
// Past this many units of common beginning, lines are compared in full:
// the lines are long and alike, and comparing is as quick.
constexpr std::size_t kMaxKeyDepth = 64;

std::uint64_t UnitsAt(const KeyedLine& item, std::size_t at) {
  std::uint64_t key = 0;
  for (std::size_t i = at; i < at + kKeyUnits; ++i) {
    key = (key << 16) | (i < item.size ? item.text[i] : 0);
  }
  return key;
}

// Least significant byte first, each pass stable; a pass in which every
// key has the same byte is left out.
void RadixSort(std::span<KeyedLine> items, std::vector<KeyedLine>& spare) {
  constexpr int kPasses = 8;
  std::array<std::array<std::uint32_t, 256>, kPasses> counts{};
  for (const KeyedLine& item : items) {
    for (int pass = 0; pass < kPasses; ++pass) ++counts[pass][(item.key >> (8 * pass)) & 0xFF];
  }
  spare.resize(items.size());
  std::span<KeyedLine> from = items;
  std::span<KeyedLine> to(spare.data(), items.size());
  for (int pass = 0; pass < kPasses; ++pass) {
    auto& count = counts[pass];
    const std::uint64_t firstByte = (items[0].key >> (8 * pass)) & 0xFF;
    if (count[firstByte] == items.size()) continue;
    std::uint32_t offset = 0;
    for (auto& slot : count) {
      const std::uint32_t n = slot;
      slot = offset;
      offset += n;
    }
    for (const KeyedLine& item : from) to[count[(item.key >> (8 * pass)) & 0xFF]++] = item;
    std::swap(from, to);
  }
  if (from.data() != items.data()) std::copy(from.begin(), from.end(), items.begin());
}

void SortByKey(std::span<KeyedLine> items, std::vector<KeyedLine>& spare) {
  if (items.size() < kSmallRun) {
    std::stable_sort(items.begin(), items.end(),
                     [](const KeyedLine& x, const KeyedLine& y) { return x.key < y.key; });
  } else {
    RadixSort(items, spare);
  }
}

class LineSorter {
 public:
  explicit LineSorter(bool descending) : descending_(descending) {}

  // Orders items whose lines agree on their first `depth` units.
  void Sort(std::span<KeyedLine> items, std::size_t depth) {
    if (depth > kMaxKeyDepth) {
      CompareInFull(items, depth);
      return;
    }
    for (KeyedLine& item : items) {
      const std::uint64_t key = UnitsAt(item, depth);
      item.key = descending_ ? ~key : key;
    }
    SortByKey(items, spare_);
    // Each run of equal keys goes on with the units after them, unless one
    // of its lines ended among them: a missing unit and a NUL look alike.
    for (std::size_t start = 0; start < items.size();) {
      std::size_t end = start + 1;
      bool allGoOn = items[start].size >= depth + kKeyUnits;
      while (end < items.size() && items[end].key == items[start].key) {
        allGoOn = allGoOn && items[end].size >= depth + kKeyUnits;
        ++end;
      }
      const std::span<KeyedLine> run = items.subspan(start, end - start);
      if (run.size() > 1) {
        if (allGoOn) {
          Sort(run, depth + kKeyUnits);
        } else {
          CompareInFull(run, depth);
        }
      }
      start = end;
    }
  }

 private:
  // A stable sort comparing the lines from `depth` on.
  void CompareInFull(std::span<KeyedLine> items, std::size_t depth) {
    std::stable_sort(items.begin(), items.end(), [&](const KeyedLine& x, const KeyedLine& y) {
      const std::u16string_view a = x.line().substr(std::min<std::size_t>(depth, x.size));
      const std::u16string_view b = y.line().substr(std::min<std::size_t>(depth, y.size));
      return descending_ ? b < a : a < b;
    });
  }

  bool descending_;
  std::vector<KeyedLine> spare_;
};

}  // namespace

void StableSortByCodeUnit(std::vector<std::u16string_view>& lines, bool descending) {
  if (lines.size() < 2) return;
  std::vector<KeyedLine> items(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    items[i] = {0, lines[i].data(), static_cast<std::uint32_t>(lines[i].size()),
                static_cast<std::uint32_t>(i)};
  }
  LineSorter sorter(descending);
  sorter.Sort(items, 0);

  std::vector<std::u16string_view> sorted;
  sorted.reserve(lines.size());
  for (const KeyedLine& item : items) sorted.push_back(lines[item.index]);
  lines.swap(sorted);
}

}  // namespace tessera::tools
