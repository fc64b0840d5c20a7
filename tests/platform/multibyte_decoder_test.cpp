#include "platform/multibyte_decoder.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/codepage.h"

namespace tessera::platform {
namespace {

// The converter's own answer for the whole text, by the rules the decoder
// keeps: a byte that does not decode becomes U+30FB and the next byte starts
// afresh; a character cut off by the end becomes one U+30FB.
std::u16string Reference(std::string_view bytes, const char* name) {
  iconv_t cd = iconv_open("UTF-16LE", name);
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::u16string out;
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char buffer[256];
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    const int err = errno;
    for (char* b = buffer; b + 1 < dst; b += 2)
      out += static_cast<char16_t>(static_cast<std::uint8_t>(b[0]) | static_cast<std::uint8_t>(b[1])
                                                                         << 8);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    out += u'\u30FB';
    if (err == EINVAL) break;
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  return out;
}

// Decodes the bytes in pieces cut at random places.
std::u16string InPieces(std::string_view bytes, int codePage, std::mt19937& random) {
  MultiByteDecoder decoder(codePage);
  EXPECT_TRUE(decoder.ok());
  std::u16string out;
  while (!bytes.empty()) {
    const std::size_t size = std::min<std::size_t>(bytes.size(), random() % 6);
    decoder.Decode(bytes.substr(0, size), size == bytes.size(), out);
    bytes.remove_prefix(size);
  }
  decoder.Decode({}, true, out);
  return out;
}

TEST(MultiByteDecoder, EveryShiftJisByteAndPairAsTheConverterDecodesIt) {
  for (int lead = 0; lead < 256; ++lead) {
    std::string bytes(1, static_cast<char>(lead));
    ASSERT_EQ(*MultiByteToWide(bytes, kCodePageShiftJis), Reference(bytes, "CP932")) << lead;
    // Each pair on a line of its own (LF is never a trail byte), then a pair
    // cut off by the end of the text.
    std::string pairs;
    for (int trail = 0; trail < 256; ++trail) {
      pairs += static_cast<char>(lead);
      pairs += static_cast<char>(trail);
      pairs += '\n';
    }
    pairs += static_cast<char>(lead);
    ASSERT_EQ(*MultiByteToWide(pairs, kCodePageShiftJis), Reference(pairs, "CP932")) << lead;
  }
}

TEST(MultiByteDecoder, PiecesGiveWhatTheWholeGives) {
  std::mt19937 random(7);
  struct Case {
    int codePage;
    const char* name;
  };
  // Shift_JIS through its table, the others through the converter (ISO-2022-JP
  // keeps a shift state across the pieces).
  for (const Case c : {Case{kCodePageShiftJis, "CP932"}, Case{kCodePageUtf8, "UTF-8"},
                       Case{kCodePageWestern, "CP1252"}, Case{50220, "ISO-2022-JP"}}) {
    for (int round = 0; round < 300; ++round) {
      std::string bytes;
      const std::size_t length = random() % 40;
      for (std::size_t i = 0; i < length; ++i) {
        // Mostly text of the code page, with stray bytes among it.
        static const std::string samples[] = {
            "a",      "\r\n", "\x82\xa0", "\x93\xfa", "\xe3\x81\x82", "\x1b$B",
            "\x1b(B", "F$",   "\x81",     "\xff",     "\xe3\x81"};
        bytes += random() % 4 ? samples[random() % std::size(samples)]
                              : std::string(1, static_cast<char>(random() % 256));
      }
      const std::u16string whole = Reference(bytes, c.name);
      ASSERT_EQ(*MultiByteToWide(bytes, c.codePage), whole) << c.name << " round " << round;
      ASSERT_EQ(InPieces(bytes, c.codePage, random), whole) << c.name << " round " << round;
    }
  }
}

TEST(MultiByteDecoder, ACharacterCutByThePieceWaitsForTheNext) {
  MultiByteDecoder decoder(kCodePageShiftJis);
  std::u16string out;
  decoder.Decode("a\x93", false, out);
  EXPECT_EQ(out, u"a");
  decoder.Decode(
      "\xfa"
      "b\x93",
      false, out);
  EXPECT_EQ(out, u"a\u65e5b");
  decoder.Decode("", true, out);
  EXPECT_EQ(out, u"a\u65e5b\u30fb");
  EXPECT_FALSE(MultiByteDecoder(12345).ok());
}

}  // namespace
}  // namespace tessera::platform
