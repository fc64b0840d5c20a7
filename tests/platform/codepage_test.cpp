#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace tessera::platform {
namespace {

std::u16string Decode(std::string_view bytes, int codePage) {
  auto wide = MultiByteToWide(bytes, codePage);
  EXPECT_TRUE(wide.ok());
  return wide ? *wide : std::u16string();
}

std::string Encode(std::u16string_view text, int codePage) {
  auto bytes = WideToMultiByte(text, codePage);
  EXPECT_TRUE(bytes.ok());
  return bytes ? *bytes : std::string();
}

TEST(CodePageShiftJis, RoundTripsJapaneseText) {
  const std::u16string text = u"コピー先ファイルは読み取り専用です：abc";
  const std::string sjis = Encode(text, kCodePageShiftJis);
  EXPECT_EQ(sjis.substr(0, 6), "\x83\x52\x83\x73\x81\x5b");  // コピー
  EXPECT_EQ(sjis.substr(sjis.size() - 3), "abc");
  EXPECT_EQ(Decode(sjis, kCodePageShiftJis), text);
  EXPECT_EQ(Decode("\xb1\xb2", kCodePageShiftJis), u"ｱｲ");  // half-width katakana
}

TEST(CodePageShiftJis, BadBytesBecomeMiddleDotsAndDecodingGoesOn) {
  // 0x81 0x20 is a lead byte without a trail; the blank after it survives.
  EXPECT_EQ(Decode("a\x81 b", kCodePageShiftJis), u"a\u30fb b");
  EXPECT_EQ(Decode("\xa0\xa0x", kCodePageShiftJis), u"\u30fb\u30fbx");
  EXPECT_EQ(Decode("ab\x83", kCodePageShiftJis), u"ab\u30fb");  // cut off at the end
}

TEST(CodePageShiftJis, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Encode(u"a\u00e9b", kCodePageShiftJis), "a?b");
  EXPECT_EQ(Encode(u"\U0001F600!", kCodePageShiftJis), "?!");  // one mark for the pair
  EXPECT_EQ(Encode(std::u16string{u'x', u'\xd800', u'y'}, kCodePageShiftJis), "x?y");
  EXPECT_EQ(Encode(std::u16string{u'x', u'\xd800'}, kCodePageShiftJis), "x?");
}

TEST(CodePageWestern, MapsTheWindowsOnlyCharacters) {
  EXPECT_EQ(Encode(u"\u20ac caf\u00e9", kCodePageWestern), "\x80 caf\xe9");
  EXPECT_EQ(Decode("\x80 caf\xe9", kCodePageWestern), u"\u20ac caf\u00e9");
  EXPECT_EQ(Encode(u"\u65e5", kCodePageWestern), "?");
}

TEST(CodePageUtf8, ConvertsAndReplacesMalformedBytes) {
  EXPECT_EQ(Encode(u"\u65e5\U0001F600", kCodePageUtf8), "\xe6\x97\xa5\xf0\x9f\x98\x80");
  EXPECT_EQ(Decode("\xe6\x97\xa5\xf0\x9f\x98\x80", kCodePageUtf8), u"\u65e5\U0001F600");
  EXPECT_EQ(Decode("a\xff"
                   "b",
                   kCodePageUtf8),
            u"a\u30fbb");
  EXPECT_EQ(Decode("a\xe6\x97", kCodePageUtf8), u"a\u30fb");
}

TEST(CodePageOthers, JapaneseEncodingsAndUtf16) {
  const std::u16string text = u"日本語 text";
  const std::string jis = Encode(text, 50220);
  EXPECT_EQ(jis.substr(0, 3), "\x1b$B");
  EXPECT_EQ(jis.substr(jis.size() - 4), "text");  // back in ASCII before the end
  EXPECT_EQ(Decode(jis, 50220), text);
  // An unmappable character in the middle of JIS text leaves the escapes sound.
  EXPECT_EQ(Decode(Encode(u"日\u00e9本", 50220), 50220), u"日?本");
  EXPECT_EQ(Decode(Encode(text, 20932), 20932), text);
  EXPECT_EQ(Encode(u"A\u65e5", 1200), std::string("A\0\xe5\x65", 4));
  EXPECT_EQ(Decode(std::string("A\0\xe5\x65\x01", 5), 1200), u"A\u65e5\u30fb");
}

TEST(CodePageErrors, UnknownCodePagesAreInvalid) {
  EXPECT_EQ(MultiByteToWide("x", 12345).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(WideToMultiByte(u"x", -1).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(Decode("", kCodePageShiftJis), u"");
  EXPECT_EQ(Encode(u"", 50220), "");
}

TEST(CodePageAnsi, DefaultsToShiftJis) {
  // The test environment does not set TESSERA_ACP.
  if (std::getenv("TESSERA_ACP") != nullptr) GTEST_SKIP() << "TESSERA_ACP is set";
  EXPECT_EQ(AnsiCodePage(), kCodePageShiftJis);
  EXPECT_EQ(WideToAnsi(u"読み"), "\x93\xc7\x82\xdd");
  EXPECT_EQ(AnsiToWide("\x93\xc7\x82\xdd"), u"読み");
  EXPECT_EQ(AnsiByteLength(u"読みabc"), 7u);
}

}  // namespace
}  // namespace tessera::platform
