#include "platform/lower_case.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace tessera::platform {
namespace {

// Every capital ToUpper gives must map back to a small letter with that
// capital (final sigma shares its capital), and ToLower must not touch
// what is already small.
TEST(ToLower, UndoesToUpperOverTheMappedRanges) {
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    const auto small = static_cast<char16_t>(c);
    const char16_t capital = ToUpper(small);
    if (capital == small) continue;
    EXPECT_NE(ToLower(capital), capital) << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(ToUpper(ToLower(capital)), capital) << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(ToLower(small), small) << std::hex << static_cast<unsigned>(c);
  }
}

TEST(ToLower, Text) {
  EXPECT_EQ(ToLower(u"MiXeD.TXT ÀÉ ΣΑ ДЖ ＡＺ 日本"), u"mixed.txt àé σα дж ａｚ 日本");
}

}  // namespace
}  // namespace tessera::platform
