// The fast scans and converters of TSXKF against plain, byte-by-byte
// statements of the same rules, on random data long enough to cross the
// converters' internal buffers.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/codepage.h"
#include "platform/text.h"
#include "tools/tsxkf/detection.h"
#include "tools/tsxkf/kanji_convert.h"

namespace tessera::tools {
namespace {

bool In(unsigned char b, int low, int high) { return b >= low && b <= high; }

bool PlainShiftJis(const std::string& data) {
  for (std::size_t i = 0; i < data.size(); ++i) {
    const auto b = static_cast<unsigned char>(data[i]);
    if (b == 9 || b == 10 || b == 13 || In(b, 0x20, 0x7E) || In(b, 0xA1, 0xDF)) continue;
    if (!In(b, 0x81, 0x9F) && !In(b, 0xE0, 0xEF)) return false;
    if (i + 1 >= data.size()) return false;
    const auto trail = static_cast<unsigned char>(data[++i]);
    if (!In(trail, 0x40, 0x7E) && !In(trail, 0x80, 0xFC)) return false;
  }
  return true;
}

Encoding PlainDetection(const std::string& data) {
  if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    if (IsValidUtf8(data)) return kUtf8;
    return IsValidEucJp(data) ? kEuc : kUnknown;
  }
  bool multi = false;
  if (IsValidUtf8(data, &multi)) return multi ? kUtf8N : kAscii;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (data[i] == 0) return kUnicode;
    if (data[i] == 0x1B && i + 1 < data.size() && (data[i + 1] == '$' || data[i + 1] == '(')) {
      return kJis;
    }
  }
  if (PlainShiftJis(data)) return kSjis;
  return IsValidEucJp(data) ? kEuc : kUnknown;
}

LineEnd PlainLineEnd(const std::string& data) {
  long crs = 0, lfs = 0, pairs = 0;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\n') ++lfs;
    if (data[i] != '\r') continue;
    ++crs;
    if (data.compare(i + 1, 1, "\n") == 0 ||
        data.compare(i + 1, 3, std::string("\0\n\0", 3)) == 0) {
      ++pairs;
    }
  }
  if (pairs > 0) {
    if (pairs * 100 / crs < 50) return kCr;
    return pairs * 100 / lfs >= 50 ? kCrLf : kLf;
  }
  if (crs == 0 && lfs == 0) return kNoLineEnd;
  return lfs <= crs ? kCr : kLf;
}

// Bytes from a set that touches every class of the rules: leads (also the
// ones outside JIS rows and the last byte), trails, half-width kana, the
// gaps between them, controls, zero, ESC with and without what makes it a
// JIS escape, and line ends.
std::string RandomBytes(std::mt19937& random, std::size_t size) {
  static constexpr unsigned char kBytes[] = {'a',  ' ',  '\t', '\r', '\n', 0x00, 0x1B, '$',
                                             '(',  0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xA1, 0xB6,
                                             0xDE, 0xDF, 0xE0, 0xEF, 0xF0, 0xFC, 0xFD, 0xFF,
                                             0x40, 0x7E, 0x88, 0xA4, 0x8E, 0x8F, 0xFE};
  std::string data(size, 'a');
  // Mostly well-formed text, so that the validity scans run a long way.
  for (std::size_t i = 0; i < size; ++i) {
    if (random() % 8 == 0) {
      data[i] = static_cast<char>(kBytes[random() % std::size(kBytes)]);
    } else if (random() % 2 == 0 && i + 1 < size) {
      data[i] = static_cast<char>(0x88 + random() % 8);
      data[++i] = static_cast<char>(0x9F + random() % 0x5D);
    } else {
      data[i] = static_cast<char>(random() % 2 ? 0x20 + random() % 0x5F : 0xA1 + random() % 0x3F);
    }
  }
  return data;
}

TEST(TsxkfScans, DetectionAndLineEndsAgreeWithPlainScans) {
  std::mt19937 random(29);
  for (int round = 0; round < 3000; ++round) {
    const std::size_t size = round < 2000 ? random() % 24 : random() % 5000;
    std::string data = RandomBytes(random, size);
    if (round % 7 == 0) data.insert(0, "\xEF\xBB\xBF");
    // UTF-16 line ends among them, whose pairs have zero bytes inside.
    if (round % 5 == 0) {
      for (std::size_t at = 0; at < data.size(); at += 1 + random() % 9) {
        data.insert(at, std::string("\r\0\n\0", random() % 2 ? 4 : 2));
      }
    }
    ASSERT_EQ(IsValidShiftJis(data), PlainShiftJis(data)) << "round " << round;
    ASSERT_EQ(DetectEncoding(data), PlainDetection(data)) << "round " << round;
    ASSERT_EQ(DetectLineEnd(data), PlainLineEnd(data)) << "round " << round;
  }
  EXPECT_EQ(DetectLineEnd(std::string("a\0\r\0\n\0b\0\r\0\n\0", 12)), kCrLf);
  // Long clean Shift_JIS with one fault placed late, and a lead at the end.
  std::string sjis;
  for (int i = 0; i < 20000; ++i) sjis += i % 3 ? "\x93\xFA" : "a\xB1";
  EXPECT_TRUE(IsValidShiftJis(sjis));
  EXPECT_FALSE(IsValidShiftJis(sjis + "\x93"));
  std::string faulty = sjis;
  faulty[faulty.size() - 7] = '\x7F';
  EXPECT_FALSE(IsValidShiftJis(faulty));
}

TEST(TsxkfScans, ConvertersAgreeWithTheCodePage) {
  std::mt19937 random(31);
  for (int round = 0; round < 30; ++round) {
    // Any bytes read as SJIS: each character alone through the code page.
    const std::string sjis = RandomBytes(random, random() % 40000);
    ASSERT_EQ(SjisToUtf8Text(sjis), platform::Utf16ToUtf8(SjisToWide(sjis))) << "round " << round;

    // Text the code page holds, from UTF-8 and UTF-16 back to its bytes.
    std::u16string text;
    const std::size_t length = random() % 30000;
    for (std::size_t i = 0; i < length; ++i) {
      static const std::u16string kUnits = u"aZ ~\r\n日本語漢字のテキストｶﾞﾊﾟ、。■①";
      text += kUnits[random() % kUnits.size()];
    }
    auto expected = platform::WideToMultiByte(text, platform::kCodePageShiftJis);
    ASSERT_TRUE(expected.ok());
    ASSERT_EQ(Utf8ToSjisText(platform::Utf16ToUtf8(text)), *expected) << "round " << round;
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : text) {
      utf16 += static_cast<char>(c & 0xFF);
      utf16 += static_cast<char>(c >> 8);
    }
    ASSERT_EQ(Utf16ToSjisText(utf16), *expected) << "round " << round;
    ASSERT_EQ(SjisToWide(*expected), text) << "round " << round;
  }
}

}  // namespace
}  // namespace tessera::tools
