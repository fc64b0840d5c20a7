#include "tools/diff/diff_engine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string_view>

namespace tessera::tools {

namespace {

using Lines = std::vector<DiffLine>;

int Size(const Lines& lines) { return static_cast<int>(lines.size()); }

// Equal texts, compared as memory (the code-unit loop of the string view
// is much slower on long runs of equal lines).
bool SameUnits(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

void AppendWithoutBlanks(std::u16string_view text, std::u16string& out) {
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\u3000') out += c;
  }
}

std::uint64_t HashUnits(std::u16string_view text) {
  // Four units at a time; quality enough for a table of lines.
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ text.size();
  const char16_t* units = text.data();
  std::size_t left = text.size();
  while (left >= 4) {
    std::uint64_t word = 0;
    std::memcpy(&word, units, sizeof word);
    hash = (hash ^ word) * 0xBF58476D1CE4E5B9ull;
    hash ^= hash >> 29;
    units += 4;
    left -= 4;
  }
  std::uint64_t word = 0;
  std::memcpy(&word, units, left * sizeof(char16_t));
  hash = (hash ^ word) * 0x94D049BB133111EBull;
  return hash ^ (hash >> 31);
}

// The texts lines are compared by: the lines themselves, or with
// ignoreBlanks their copies without blanks, all kept in one buffer.
class LineKeys {
 public:
  LineKeys(const Lines& lines, bool ignoreBlanks) : lines_(lines), stripped_(ignoreBlanks) {
    if (!stripped_) return;
    std::vector<std::size_t> ends;
    ends.reserve(lines.size());
    for (const auto& line : lines) {
      AppendWithoutBlanks(line.text, buffer_);
      ends.push_back(buffer_.size());
    }
    keys_.reserve(lines.size());
    std::size_t start = 0;
    for (const std::size_t end : ends) {
      keys_.push_back(std::u16string_view(buffer_).substr(start, end - start));
      start = end;
    }
  }
  std::u16string_view operator[](int k) const {
    const auto i = static_cast<std::size_t>(k);
    return stripped_ ? keys_[i] : lines_[i].text;
  }

 private:
  const Lines& lines_;
  bool stripped_;
  std::u16string buffer_;
  std::vector<std::u16string_view> keys_;
};

// Each line of `from`, in order, pairs with the first line of `to` after the
// highest one paired so far that is equal to it. Every line paired so far
// lies at or before that highest line, so the first equal line after it is
// always free: when it is the very next line it is taken at once, else a
// chain of the equal lines of `to` per distinct line, with a cursor that
// only moves forward, finds it without scanning.
void MatchLines(Lines& from, Lines& to, bool ignoreBlanks) {
  const int m = Size(to);
  const LineKeys keyOf(to, ignoreBlanks);

  // Open addressing: a slot stands for one distinct line by the first line
  // of its chain; the chain's cursor is kept by that first line.
  std::size_t capacity = 16;
  while (capacity < to.size() * 2) capacity <<= 1;
  struct Slot {
    std::uint32_t hash = 0;
    int first = -1;
  };
  std::vector<Slot> slots(capacity);
  std::vector<int> next(to.size(), -1);
  auto find = [&](std::u16string_view key, std::uint32_t hash) -> Slot& {
    std::size_t i = hash & (capacity - 1);
    while (slots[i].first >= 0 &&
           (slots[i].hash != hash || !SameUnits(keyOf[slots[i].first], key))) {
      i = (i + 1) & (capacity - 1);
    }
    return slots[i];
  };
  // Built from the end so that each chain runs in ascending order; the
  // slots, spread over a big table, are asked for a few lines ahead.
  std::vector<std::uint32_t> hashes(to.size());
  for (int k = 0; k < m; ++k) {
    hashes[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(HashUnits(keyOf[k]));
  }
  constexpr int kAhead = 8;
  for (int k = m - 1; k >= 0; --k) {
    if (k >= kAhead) {
      __builtin_prefetch(&slots[hashes[static_cast<std::size_t>(k - kAhead)] & (capacity - 1)]);
    }
    const std::u16string_view key = keyOf[k];
    const std::uint32_t hash = hashes[static_cast<std::size_t>(k)];
    Slot& slot = find(key, hash);
    if (slot.first >= 0) next[static_cast<std::size_t>(k)] = slot.first;
    slot.hash = hash;
    slot.first = k;
  }
  // The next line of a chain not yet passed, kept by its first line.
  std::vector<int> cursorOf(to.size());
  std::iota(cursorOf.begin(), cursorOf.end(), 0);

  int last = -1;
  std::u16string stripped;
  for (int j = 0; j < Size(from); ++j) {
    std::u16string_view key = from[static_cast<std::size_t>(j)].text;
    if (ignoreBlanks) {
      stripped.clear();
      AppendWithoutBlanks(key, stripped);
      key = stripped;
    }
    int k = -1;
    if (last + 1 < m && SameUnits(keyOf[last + 1], key)) {
      k = last + 1;
    } else {
      const Slot& slot = find(key, static_cast<std::uint32_t>(HashUnits(key)));
      if (slot.first < 0) continue;
      int& cursor = cursorOf[static_cast<std::size_t>(slot.first)];
      while (cursor >= 0 && cursor <= last) cursor = next[static_cast<std::size_t>(cursor)];
      if (cursor < 0) continue;
      k = cursor;
      cursor = next[static_cast<std::size_t>(k)];
    }
    from[static_cast<std::size_t>(j)].match = k;
    to[static_cast<std::size_t>(k)].match = j;
    last = std::max(last, k);
  }
}

// States of the unmatched lines of `lines` against a file of otherSize lines;
// `onlyHere` is deleted for the first file, added for the second.
void MarkStates(Lines& lines, int otherSize, int onlyHere) {
  const int n = Size(lines);
  auto set = [&](int from, int to, int state) {
    for (int i = from; i < to; ++i)
      lines[static_cast<std::size_t>(i)].state = static_cast<std::uint8_t>(state);
  };
  if (otherSize == 0) {
    set(0, n, onlyHere);
    return;
  }
  int j = 0;
  while (j < n) {
    if (lines[static_cast<std::size_t>(j)].match >= 0) {
      ++j;
      continue;
    }
    const int b = j;
    while (j < n && lines[static_cast<std::size_t>(j)].match < 0) ++j;
    if (b == 0) {
      const bool pairsWithFirst = j < n && lines[static_cast<std::size_t>(j)].match == 0;
      set(b, j, pairsWithFirst ? onlyHere : kChanged);
      continue;
    }
    const int p = lines[static_cast<std::size_t>(b - 1)].match;
    if (p + 1 == otherSize) {
      set(b, n, onlyHere);
      j = n;
    } else if (j < n) {
      set(b, j, lines[static_cast<std::size_t>(j)].match == p + 1 ? onlyHere : kChanged);
    } else {
      set(b, j, kChanged);
    }
  }
}

void MarkContext(Lines& lines) {
  const int n = Size(lines);
  for (int i = 0; i < n; ++i) {
    if (lines[static_cast<std::size_t>(i)].state == kUnchanged) continue;
    lines[static_cast<std::size_t>(i)].shown = true;
    if (i > 0) lines[static_cast<std::size_t>(i - 1)].shown = true;
    if (i + 1 < n) lines[static_cast<std::size_t>(i + 1)].shown = true;
  }
}

// The shown regions of B carried over to the A lines they span.
void CarryRegions(Lines& a, const Lines& b) {
  const int n = Size(a);
  const int m = Size(b);
  int i = 0;
  while (i < m) {
    if (!b[static_cast<std::size_t>(i)].shown) {
      ++i;
      continue;
    }
    const int start = i;
    while (i < m && b[static_cast<std::size_t>(i)].shown) ++i;
    int s = b[static_cast<std::size_t>(start)].match;
    if (s < 0 && start == 0) s = 0;
    int t = b[static_cast<std::size_t>(i - 1)].match;
    if (t < 0 && i == m) t = n - 1;
    if (s < 0 || t < 0) continue;
    for (int x = s; x <= t && x < n; ++x) a[static_cast<std::size_t>(x)].shown = true;
  }
}

std::u16string Number(int value) {
  std::u16string out;
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
  return out;
}

void PrintSide(const Lines& lines, int from, int to, std::u16string_view marker,
               std::u16string_view onlyPrefix, int onlyState, ToolOutput& out) {
  for (int i = from; i <= to; ++i) {
    const DiffLine& line = lines[static_cast<std::size_t>(i)];
    std::u16string_view prefix = u" ";
    if (line.state == onlyState) {
      prefix = onlyPrefix;
    } else if (line.state == kChanged) {
      prefix = u"!";
    }
    out.Write(prefix);
    out.Write(marker);
    out.Write(line.text);
    out.Write(u"\n");
  }
}

bool SideIsEmpty(const Lines& lines, int from, int to) {
  return to - from < 2 && lines[static_cast<std::size_t>(from)].state == kUnchanged &&
         lines[static_cast<std::size_t>(to)].state == kUnchanged;
}

void PrintRegion(const Lines& a, const Lines& b, int a1, int a2, int b1, int b2, ToolOutput& out) {
  const bool aEmpty = SideIsEmpty(a, a1, a2);
  const bool bEmpty = b1 <= b2 && SideIsEmpty(b, b1, b2);
  if (aEmpty) {
    out.Write(u"\n*," + Number(b1 + 1) + u"-" + Number(b2 + 1) + u"\n");
  } else if (bEmpty) {
    out.Write(u"\n" + Number(a1 + 1) + u"-" + Number(a2 + 1) + u",*\n");
  } else {
    out.Write(u"\n" + Number(a1 + 1) + u"-" + Number(a2 + 1) + u"," + Number(b1 + 1) + u"-" +
              Number(b2 + 1) + u"\n");
  }
  if (!aEmpty) PrintSide(a, a1, a2, u"<", u"-", kDeleted, out);
  out.Write(u" ---\n");
  if (!bEmpty) PrintSide(b, b1, b2, u">", u"+", kAdded, out);
}

// A file without lines against one with lines: one region holding all of
// the other file, its own side empty.
void PrintAgainstEmpty(const Lines& a, const Lines& b, ToolOutput& out) {
  if (a.empty() && !b.empty()) {
    out.Write(u"\n*,1-" + Number(Size(b)) + u"\n");
    out.Write(u" ---\n");
    PrintSide(b, 0, Size(b) - 1, u">", u"+", kAdded, out);
  } else if (b.empty() && !a.empty()) {
    out.Write(u"\n1-" + Number(Size(a)) + u",*\n");
    PrintSide(a, 0, Size(a) - 1, u"<", u"-", kDeleted, out);
    out.Write(u" ---\n");
  }
}

}  // namespace

std::u16string DiffKey(std::u16string_view text, bool ignoreBlanks) {
  if (!ignoreBlanks) return std::u16string(text);
  std::u16string key;
  AppendWithoutBlanks(text, key);
  return key;
}

void CompareDiffLines(Lines& a, Lines& b, bool ignoreBlanks) {
  MatchLines(a, b, ignoreBlanks);
  MarkStates(a, Size(b), kDeleted);
  MarkStates(b, Size(a), kAdded);
  MarkContext(a);
  MarkContext(b);
  if (!a.empty() && !b.empty()) CarryRegions(a, b);
}

void PrintDiffRegions(const Lines& a, const Lines& b, ToolOutput& out) {
  if (a.empty() || b.empty()) {
    PrintAgainstEmpty(a, b, out);
    return;
  }
  const int n = Size(a);
  const int m = Size(b);
  int k = 0;
  while (k < n) {
    if (!a[static_cast<std::size_t>(k)].shown) {
      ++k;
      continue;
    }
    int j = k;
    while (j < n && a[static_cast<std::size_t>(j)].shown) ++j;
    int s = a[static_cast<std::size_t>(k)].match;
    if (k == 0) {
      if (s < 0) s = 0;
      while (s > 0 && b[static_cast<std::size_t>(s)].shown &&
             b[static_cast<std::size_t>(s - 1)].shown) {
        --s;
      }
    }
    int t = a[static_cast<std::size_t>(j - 1)].match;
    if (t < 0 && j == n) t = m - 1;
    if (j == n) {
      while (t + 1 < m && b[static_cast<std::size_t>(t)].shown &&
             b[static_cast<std::size_t>(t + 1)].shown) {
        ++t;
      }
    }
    // A run starting or ending on an unmatched line cannot happen past the
    // first and last lines (an unmatched line always shows its neighbours);
    // the bounds are kept all the same.
    s = std::clamp(s, 0, m - 1);
    t = std::clamp(t, 0, m - 1);
    PrintRegion(a, b, k, j - 1, s, t, out);
    k = j;
  }
}

}  // namespace tessera::tools
