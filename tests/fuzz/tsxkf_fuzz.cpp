// TSXKF: detection of the encoding and the line ends, every decoder and
// every encoder.
//
// Input: one byte choosing the output encoding and line end, then the
// file. Checked: the detected encoding is one the validity checks agree
// with; valid text, once it is in the target encoding, comes out of a
// round trip through SJIS unchanged; replacing a
// kind of line end leaves none of that kind.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "tools/tsxkf/detection.h"
#include "tools/tsxkf/kanji_convert.h"
#include "tools/tsxkf/tsxkf_tool.h"

using namespace tessera::tools;

namespace {

constexpr Encoding kOutputs[] = {kSjis, kJis, kEuc, kUtf8, kUtf8N, kUnicode};
constexpr LineEnd kLineEnds[] = {kCrLf, kCr, kLf, kNoLineEnd};

// SJIS text in one of the output encodings, as TSXKF writes it (without
// the line-end step).
std::string FromSjis(const std::string& sjis, Encoding output) {
  switch (output) {
    case kJis:
      return SjisToJisText(sjis);
    case kEuc:
      return SjisToEucText(sjis);
    case kUtf8:
    case kUtf8N:
      return SjisToUtf8Text(sjis);
    case kUnicode: {
      const std::u16string wide = SjisToWide(sjis);
      std::string bytes;
      for (char16_t c : wide) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
      }
      return bytes;
    }
    default:
      return sjis;
  }
}

// True when the text holds `unit` not next to `partner` on the given side.
bool HasLone(std::string_view text, char unit, char partner, bool partnerAfter) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != unit) continue;
    const bool paired = partnerAfter ? i + 1 < text.size() && text[i + 1] == partner
                                     : i > 0 && text[i - 1] == partner;
    if (!paired) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Encoding output = kOutputs[data[0] % 6];
  const LineEnd lineEnd = kLineEnds[(data[0] / 6) % 4];
  const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);

  const Encoding detected = DetectEncoding(file);
  (void)DetectLineEnd(file);
  if (detected == kSjis) FUZZ_REQUIRE(IsValidShiftJis(file));
  if (detected == kEuc) FUZZ_REQUIRE(IsValidEucJp(file));
  if (detected == kUtf8N) FUZZ_REQUIRE(IsValidUtf8(file));

  for (Encoding input : {kSjis, kJis, kEuc, kUtf8, kUtf8N, kUnicode}) {
    (void)ToSjis(file, input);
  }
  const Encoding input = detected == kUnknown || detected == kAscii ? kSjis : detected;
  (void)ConvertForFile(file, input, output, lineEnd);

  // Valid SJIS text, once in the output encoding, comes out of a round trip
  // through SJIS unchanged (but for a literal ESC, which JIS text cannot
  // hold). Bytes that are no SJIS are copied as they stand, by design.
  const std::string sjis = ToSjis(file, input);
  if (IsValidShiftJis(sjis) && (output != kJis || sjis.find('\x1b') == std::string::npos)) {
    const std::string converted = FromSjis(sjis, output);
    const Encoding back = output == kUtf8 ? kUtf8N : output;
    FUZZ_REQUIRE(FromSjis(ToSjis(converted, back), output) == converted);
  }

  // Replaced line ends leave none of their kind alone.
  const std::string noLoneLf = ReplaceLineEnds(sjis, kLf, lineEnd);
  FUZZ_REQUIRE(lineEnd == kLf || !HasLone(noLoneLf, '\n', '\r', false));
  const std::string noLoneCr = ReplaceLineEnds(sjis, kCr, lineEnd);
  FUZZ_REQUIRE(lineEnd == kCr || !HasLone(noLoneCr, '\r', '\n', true));
  return 0;
}
