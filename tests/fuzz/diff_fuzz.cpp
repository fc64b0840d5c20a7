// diff's comparison on pairs of files.
//
// Input: two texts separated by the first NUL (UTF-8 where valid, else one
// unit per byte), and one flag byte in front for /I. Checked: reads never
// pass the line buffer; matches pair lines both ways in increasing order
// and only equal keys; a file compared with itself shows nothing; every
// line of either file is unchanged or printed.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "tools/common/text_streams.h"
#include "tools/diff/diff_engine.h"
#include "tools/diff/diff_tool.h"

using namespace tessera;
using namespace tessera::tools;

namespace {

void CheckMatches(const std::vector<DiffLine>& a, const std::vector<DiffLine>& b,
                  bool ignoreBlanks) {
  int last = -1;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].match < 0) {
      FUZZ_REQUIRE(a[i].state != kUnchanged || a[i].shown);
      continue;
    }
    const auto j = static_cast<std::size_t>(a[i].match);
    FUZZ_REQUIRE(j < b.size() && b[j].match == static_cast<int>(i));
    FUZZ_REQUIRE(a[i].match > last);
    last = a[i].match;
    FUZZ_REQUIRE(DiffKey(a[i].text, ignoreBlanks) == DiffKey(b[j].text, ignoreBlanks));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool ignoreBlanks = data[0] & 1;
  const std::u16string input = fuzz::InputText(data + 1, size - 1);
  const std::size_t split = input.find(u'\0');
  const std::u16string first = input.substr(0, split);
  const std::u16string second = split == std::u16string::npos ? u"" : input.substr(split + 1);

  std::vector<DiffLine> a = SplitDiffLines(first);
  std::vector<DiffLine> b = SplitDiffLines(second);
  for (const auto* lines : {&a, &b}) {
    for (const DiffLine& line : *lines) FUZZ_REQUIRE(line.text.size() < 10240);
  }
  CompareDiffLines(a, b, ignoreBlanks);
  CheckMatches(a, b, ignoreBlanks);
  StringOutput out;
  PrintDiffRegions(a, b, out);

  std::vector<DiffLine> self1 = SplitDiffLines(first);
  std::vector<DiffLine> self2 = SplitDiffLines(first);
  CompareDiffLines(self1, self2, ignoreBlanks);
  StringOutput none;
  PrintDiffRegions(self1, self2, none);
  FUZZ_REQUIRE(none.text().empty());
  return 0;
}
