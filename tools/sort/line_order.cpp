#include "tools/sort/line_order.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessera::tools {

namespace {

// A line stands for itself by its first four code units, the first one
// highest, missing ones as 0. Different keys order their lines the way
// the whole lines order; lines with equal keys are compared in full.
struct KeyedLine {
  std::uint64_t key;
  std::uint32_t index;
};

std::uint64_t LeadingUnits(std::u16string_view line) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    key = (key << 16) | (i < line.size() ? line[i] : 0);
  }
  return key;
}

// Least significant byte first, each pass stable; a pass in which every
// key has the same byte is left out.
void RadixSort(std::vector<KeyedLine>& items) {
  constexpr int kPasses = 8;
  std::vector<std::array<std::uint32_t, 256>> counts(kPasses);
  for (auto& count : counts) count.fill(0);
  for (const KeyedLine& item : items) {
    for (int pass = 0; pass < kPasses; ++pass) ++counts[pass][(item.key >> (8 * pass)) & 0xFF];
  }
  std::vector<KeyedLine> spare(items.size());
  for (int pass = 0; pass < kPasses; ++pass) {
    auto& count = counts[pass];
    const std::uint64_t firstByte = items.empty() ? 0 : (items[0].key >> (8 * pass)) & 0xFF;
    if (count[firstByte] == items.size()) continue;
    std::uint32_t offset = 0;
    for (auto& slot : count) {
      const std::uint32_t n = slot;
      slot = offset;
      offset += n;
    }
    for (const KeyedLine& item : items) spare[count[(item.key >> (8 * pass)) & 0xFF]++] = item;
    items.swap(spare);
  }
}

}  // namespace

void StableSortByCodeUnit(std::vector<std::u16string_view>& lines, bool descending) {
  std::vector<KeyedLine> items(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::uint64_t key = LeadingUnits(lines[i]);
    items[i] = {descending ? ~key : key, static_cast<std::uint32_t>(i)};
  }
  RadixSort(items);

  // Runs of equal keys: the lines themselves decide, stably.
  auto less = [&](const KeyedLine& x, const KeyedLine& y) {
    return descending ? lines[y.index] < lines[x.index] : lines[x.index] < lines[y.index];
  };
  for (std::size_t start = 0; start < items.size();) {
    std::size_t end = start + 1;
    while (end < items.size() && items[end].key == items[start].key) ++end;
    if (end - start > 1) std::stable_sort(items.begin() + start, items.begin() + end, less);
    start = end;
  }

  std::vector<std::u16string_view> sorted;
  sorted.reserve(lines.size());
  for (const KeyedLine& item : items) sorted.push_back(lines[item.index]);
  lines.swap(sorted);
}

}  // namespace tessera::tools
