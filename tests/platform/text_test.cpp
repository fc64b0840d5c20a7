#include "platform/text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tessera::platform {
namespace {

TEST(TextUtf8, RoundTripsAllPlanes) {
  const std::u16string text = u"a\u00e9\u65e5\U0001F600z";
  const std::string utf8 = Utf16ToUtf8(text);
  EXPECT_EQ(utf8, "a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80z");
  EXPECT_EQ(Utf8ToUtf16(utf8), text);
}

TEST(TextUtf8, MalformedInputBecomesReplacementAndGoesOn) {
  EXPECT_EQ(Utf8ToUtf16("a\xff"
                        "b"),
            u"a\ufffdb");
  EXPECT_EQ(Utf8ToUtf16("\xe6\x97"), u"\ufffd");  // cut off at the end
  EXPECT_EQ(Utf8ToUtf16("\xe6"
                        "A"),
            u"\ufffdA");                                  // the next character survives
  EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\ufffd");          // over-long '/'
  EXPECT_EQ(Utf8ToUtf16("\xed\xa0\x80"), u"\ufffd");      // an encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xf4\x90\x80\x80"), u"\ufffd");  // past U+10FFFF
}

// The one-pass decoder for text that must be valid agrees with checking
// first and decoding after, whatever the bytes.
TEST(TextUtf8, DecodingOnlyValidTextAgreesWithCheckingFirst) {
  for (const std::string& bytes :
       {std::string(), std::string("plain ascii, longer than eight bytes"),
        std::string("a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80z"),
        std::string("a\xff"
                    "b"),
        std::string("\xe6\x97"), std::string("12345678\xc0\xaf"), std::string("\xed\xa0\x80"),
        std::string("\xf4\x90\x80\x80"), std::string("ok\xe3\x81\x82\x82\xa0")}) {
    std::u16string decoded = u"left over";
    const bool valid = Utf8ToUtf16IfValid(bytes, decoded);
    EXPECT_EQ(valid, IsValidUtf8(bytes)) << bytes;
    if (valid) {
      EXPECT_EQ(decoded, Utf8ToUtf16(bytes)) << bytes;
    }
  }
}

// Long random texts from pieces whose decoding is known on its own:
// characters of every length, stray and cut-off bytes among them.
TEST(TextUtf8, LongMixedTextsDecodePieceByPiece) {
  struct Piece {
    std::string bytes;
    std::u16string units;
  };
  const std::vector<Piece> pieces = {
      {"a", u"a"},
      {"\n", u"\n"},
      {"\xc3\xa9", u"\u00e9"},
      {"\xe6\x97\xa5", u"\u65e5"},
      {"\xef\xbf\xbf", u"\uffff"},
      {"\xf0\x9f\x98\x80", u"\U0001F600"},
      {"\x80", u"\ufffd"},
      {"\xff", u"\ufffd"},
      {"\xe6\x97"
       "A",
       u"\ufffdA"},  // cut off by the letter after it
      {"\xf0\x9f\x98"
       "z",
       u"\ufffdz"},
  };
  std::mt19937 random(3);
  for (int round = 0; round < 20; ++round) {
    std::string bytes;
    std::u16string expected;
    const int count = static_cast<int>(random() % 5000);
    for (int i = 0; i < count; ++i) {
      const Piece& piece = pieces[random() % pieces.size()];
      bytes += piece.bytes;
      expected += piece.units;
    }
    ASSERT_EQ(Utf8ToUtf16(bytes), expected) << "round " << round;
    // Encoded onto what is there already, it reads back the same.
    std::string appended = "x";
    AppendUtf8(appended, expected);
    ASSERT_EQ(appended.front(), 'x');
    ASSERT_EQ(Utf8ToUtf16(appended.substr(1)), expected);
  }
}

TEST(TextUtf8, UnpairedSurrogatesBecomeReplacement) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xd800')), "\xef\xbf\xbd");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xdc00', u'a'}),
            "\xef\xbf\xbd"
            "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xd83d', u'\xd83d', u'\xde00'}),
            "\xef\xbf\xbd\xf0\x9f\x98\x80");
}

TEST(TextHostBytes, EveryNameMakesTheRoundTripAndStaysApart) {
  // A Latin-1 name, a cut-off sequence, an encoded surrogate, a character
  // beyond U+FFFF beside a broken byte: each broken byte is one lone
  // surrogate, and the way back gives the bytes.
  EXPECT_EQ(HostBytesToWide("caf\xe9.txt"), u"caf\xdce9.txt");
  EXPECT_EQ(HostBytesToWide("\xe6\x97"), u"\xdce6\xdc97");
  EXPECT_EQ(HostBytesToWide("\xed\xa0\x80"), u"\xdced\xdca0\xdc80");
  EXPECT_EQ(HostBytesToWide("\xf0\x9f\x98\x80\x80"), u"\U0001F600\xdc80");
  EXPECT_NE(HostBytesToWide("caf\xe9"), HostBytesToWide("caf\xe8"));
  EXPECT_EQ(HostBytesToWide("日本.txt"), u"日本.txt");
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 12, '\0');
    for (char& c : bytes) c = static_cast<char>(0x7E + random() % 0x82);
    EXPECT_EQ(WideToHostBytes(HostBytesToWide(bytes)), bytes);
  }
  // Text typed in the shell comes out as UTF-8 as before.
  EXPECT_EQ(WideToHostBytes(u"\U0001F600 日本"), Utf16ToUtf8(u"\U0001F600 日本"));
}

TEST(TextCase, FoldsTheScriptsDeviceNamesUse) {
  EXPECT_EQ(ToUpper(u"abc\u00e9\u00ff\u0101\u013a\u03c2\u03b1\u0430\u0451\uff41"),
            u"ABC\u00c9\u0178\u0100\u0139\u03a3\u0391\u0410\u0401\uff21");
  EXPECT_EQ(ToUpper(u'\u00f7'), u'\u00f7');  // the division sign has no capital
  EXPECT_EQ(ToUpper(u'\u65e5'), u'\u65e5');
  EXPECT_TRUE(EqualsNoCase(u"Program Files", u"PROGRAM files"));
  EXPECT_FALSE(EqualsNoCase(u"abc", u"abcd"));
  EXPECT_LT(CompareNoCase(u"a.txt", u"B.txt"), 0);
  EXPECT_GT(CompareNoCase(u"abc", u"AB"), 0);
  EXPECT_TRUE(StartsWithNoCase(u"\\Windows\\x", u"\\WINDOWS"));
  EXPECT_FALSE(StartsWithNoCase(u"\\Win", u"\\WINDOWS"));
}

}  // namespace
}  // namespace tessera::platform
