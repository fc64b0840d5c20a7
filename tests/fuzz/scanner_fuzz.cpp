// The scanners every command reads its arguments with, and the number
// reader, against the rules they promise.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "shell/scanner.h"

using namespace tessera;

namespace {

// The C runtime's wide atol, saturating at the 32-bit range.
long ReferenceLong(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > 2147483648LL) value = 2147483648LL;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) value = 2147483647LL;
  return static_cast<long>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = fuzz::InputText(data, size);
  const std::u16string_view view = text;

  const std::u16string_view skipped = SkipBlanks(view);
  FUZZ_REQUIRE(skipped.empty() || !IsBlank(skipped[0]));
  FUZZ_REQUIRE(view.ends_with(skipped));

  for (bool operatorMode : {false, true}) {
    std::size_t from = 0;
    std::size_t tokens = 0;
    while (auto token = GetToken(view, from, operatorMode)) {
      FUZZ_REQUIRE(token->start <= token->end && token->end <= view.size());
      FUZZ_REQUIRE(token->next > from && token->next <= view.size());  // always moves on
      from = token->next;
      FUZZ_REQUIRE(++tokens <= view.size());
    }
    for (std::size_t at = 0; at <= view.size(); at += 7) {
      const std::size_t end = WordEnd(view, operatorMode, at);
      FUZZ_REQUIRE(end >= at && end <= view.size());
      for (std::size_t i = at; i < end; ++i) {
        FUZZ_REQUIRE(!IsBlank(view[i]) && !(operatorMode && IsOperatorChar(view[i])));
      }
    }
  }

  std::u16string trimmed = text;
  TrimTrailing(trimmed, u'"');
  FUZZ_REQUIRE(trimmed.empty() || (!IsBlank(trimmed.back()) && trimmed.back() != u'"'));
  FUZZ_REQUIRE(ParseLong(view) == ReferenceLong(view));
  return 0;
}
