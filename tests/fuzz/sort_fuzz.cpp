// sort and upcase on their inputs, against plain reference versions.
//
// Input: one byte of options (/R, /Q, /U), then the text. Checked: the
// sorted lines are the input's lines, in code-unit order, equal lines in
// their first order; /Q drops exactly the repeats; upcase keeps the length
// and changes only what has an upper case.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "platform/text.h"
#include "tools/sort/line_order.h"
#include "tools/sort/sort_tool.h"
#include "tools/upcase/upcase_tool.h"

using namespace tessera;
using namespace tessera::tools;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool descending = data[0] & 1;
  const bool unique = data[0] & 2;
  const bool unicode = data[0] & 4;
  const std::u16string text = fuzz::InputText(data + 1, size - 1);

  const std::vector<std::u16string_view> lines = SplitSortLines(text, unicode);
  std::vector<std::u16string_view> sorted = lines;
  SortLines(sorted, descending, unique);

  // The reference: a stable sort by code unit, then repeats dropped.
  std::vector<std::u16string_view> expected = lines;
  std::stable_sort(expected.begin(), expected.end(),
                   [descending](std::u16string_view x, std::u16string_view y) {
                     return descending ? y < x : x < y;
                   });
  if (unique) expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  FUZZ_REQUIRE(sorted.size() == expected.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    // Equal lines must also be the same occurrences (views into the text).
    FUZZ_REQUIRE(sorted[i].data() == expected[i].data() && sorted[i].size() == expected[i].size());
  }

  const std::u16string upper = UpcaseText(text);
  FUZZ_REQUIRE(upper.size() == text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    FUZZ_REQUIRE(upper[i] == platform::ToUpper(text[i]) || upper[i] == text[i]);
  }
  return 0;
}
