#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/files.h"
#include "support/temp_root.h"
#include "tool_test_support.h"
#include "tools/tsxkf/detection.h"
#include "tools/tsxkf/kanji_convert.h"
#include "tools/tsxkf/tsxkf_options.h"
#include "tools/tsxkf/tsxkf_tool.h"

namespace tessera::tools {
namespace {

using testing::Utf8;

// Kana, kanji, half-width katakana with voiced and semi-voiced marks (and
// one that does not combine), punctuation and ASCII.
const std::u16string kSample = u"日本語のテキスト、カナと漢字。\r\nｶﾞｷﾞﾊﾟﾎﾟｳﾞｱ ASCII 123 ~\r\n";
// The same text as JIS holds it: half-width katakana become full-width.
const std::u16string kSampleFullWidth =
    u"日本語のテキスト、カナと漢字。\r\nガギパポウ゛ア ASCII 123 ~\r\n";

std::string Encode(const std::u16string& text, int codePage) {
  auto bytes = platform::WideToMultiByte(text, codePage);
  EXPECT_TRUE(bytes.ok());
  return bytes.ok() ? *bytes : std::string();
}

std::u16string Decode(const std::string& bytes, int codePage) {
  auto text = platform::MultiByteToWide(bytes, codePage);
  EXPECT_TRUE(text.ok());
  return text.ok() ? *text : std::u16string();
}

std::string Utf16Le(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST(TsxkfArithmetic, JisAndSjisRoundTripOverEveryCell) {
  for (int j1 = 0x21; j1 <= 0x7E; ++j1) {
    for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
      std::uint8_t s1 = 0, s2 = 0, back1 = 0, back2 = 0;
      JisToSjis(static_cast<std::uint8_t>(j1), static_cast<std::uint8_t>(j2), s1, s2);
      ASSERT_TRUE((s1 >= 0x81 && s1 <= 0x9F) || (s1 >= 0xE0 && s1 <= 0xEF)) << j1 << "," << j2;
      ASSERT_TRUE(s2 >= 0x40 && s2 <= 0xFC && s2 != 0x7F) << j1 << "," << j2;
      SjisToJis(s1, s2, back1, back2);
      ASSERT_EQ(back1, j1);
      ASSERT_EQ(back2, j2);
    }
  }
  std::uint8_t s1 = 0, s2 = 0;
  JisToSjis(0x30, 0x21, s1, s2);  // 亜
  EXPECT_EQ(s1, 0x88);
  EXPECT_EQ(s2, 0x9F);
}

TEST(TsxkfKeywords, EverySpelling) {
  EXPECT_EQ(ParseEncodingKeyword(u"sjis"), kSjis);
  EXPECT_EQ(ParseEncodingKeyword(u"Shift"), kSjis);
  EXPECT_EQ(ParseEncodingKeyword(u"JIS"), kJis);
  EXPECT_EQ(ParseEncodingKeyword(u"euc-jp"), kEuc);
  EXPECT_EQ(ParseEncodingKeyword(u"UNICODE"), kUnicode);
  EXPECT_EQ(ParseEncodingKeyword(u"UNIODE"), kUnicode);
  EXPECT_EQ(ParseEncodingKeyword(u"un"), kUnicode);
  EXPECT_EQ(ParseEncodingKeyword(u"utf8"), kUtf8);
  EXPECT_EQ(ParseEncodingKeyword(u"UTF8N"), kUtf8N);
  EXPECT_EQ(ParseEncodingKeyword(u"utf-8"), kUnknown);
  EXPECT_EQ(ParseEncodingKeyword(u"u"), kUnknown);
  EXPECT_EQ(ParseEncodingKeyword(u""), kUnknown);
  EXPECT_EQ(ParseLineEndKeyword(u"crlf"), kCrLf);
  EXPECT_EQ(ParseLineEndKeyword(u"CR"), kCr);
  EXPECT_EQ(ParseLineEndKeyword(u"Lf"), kLf);
  EXPECT_EQ(ParseLineEndKeyword(u"C"), kNoLineEnd);
}

TEST(TsxkfOptions, OptionsThenNames) {
  TsxkfOptions options =
      ParseTsxkfCommandLine(u"/IEUC /o UTF8N /N lf in.txt ..\\out.txt", u"\\Work\\Sub\\");
  EXPECT_EQ(options.input, kEuc);
  EXPECT_EQ(options.output, kUtf8N);
  EXPECT_EQ(options.lineEnd, kLf);
  EXPECT_EQ(options.inputFile, u"\\Work\\Sub\\in.txt");
  EXPECT_EQ(options.outputFile, u"\\Work\\out.txt");
  // Outside the shell relative names stay host paths.
  options = ParseTsxkfCommandLine(u"\"  my in.txt \" ./out.txt", u"");
  EXPECT_EQ(options.inputFile, u"my in.txt");
  EXPECT_EQ(options.outputFile, u"./out.txt");
  EXPECT_FALSE(ParseTsxkfCommandLine(u"\\in.txt", u"\\W\\").outputFile.has_value());
  EXPECT_TRUE(ParseTsxkfCommandLine(u"  /O JIS ", u"").usage);
  EXPECT_TRUE(ParseTsxkfCommandLine(u"/h /I bad", u"").usage);
  EXPECT_EQ(ParseTsxkfCommandLine(u"/I bad x", u"").errorMessage, 9);
  EXPECT_EQ(ParseTsxkfCommandLine(u"/O", u"").errorMessage, 10);
  EXPECT_EQ(ParseTsxkfCommandLine(u"/N LR x", u"").errorMessage, 11);
  EXPECT_EQ(ParseTsxkfCommandLine(u"/N CRL x", u"").lineEnd, kCr);
  // Another letter: only the slash goes, the letter begins the name.
  EXPECT_EQ(ParseTsxkfCommandLine(u"/xin.txt", u"").inputFile, u"xin.txt");
}

TEST(TsxkfDetection, EachEncoding) {
  const std::string sjis = Encode(kSample, 932);
  EXPECT_EQ(DetectEncoding(sjis), kSjis);
  EXPECT_EQ(DetectEncoding(Encode(kSample, 20932)), kEuc);
  EXPECT_EQ(DetectEncoding(SjisToJisText(sjis)), kJis);
  EXPECT_EQ(DetectEncoding(platform::Utf16ToUtf8(kSample)), kUtf8N);
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" + platform::Utf16ToUtf8(kSample)), kUtf8);
  EXPECT_EQ(DetectEncoding("\xFF\xFE" + Utf16Le(kSample)), kUnicode);
  EXPECT_EQ(DetectEncoding(Utf16Le(u"plain")), kUnicode);
  EXPECT_EQ(DetectEncoding("plain ascii\r\n"), kAscii);
  EXPECT_EQ(DetectEncoding("\x01\x02"), kUnknown);
  // A zero byte before any escape sequence reads as UTF-16.
  EXPECT_EQ(DetectEncoding(std::string("a\0\x1B$B", 5)), kUnicode);
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\x80"));
  EXPECT_TRUE(IsValidUtf8("\xF8\x88\x80\x80\x80"));  // five bytes still count
  EXPECT_FALSE(IsValidShiftJis("\xF0\x40"));
  EXPECT_TRUE(IsValidEucJp("\x8F\xB0\xA1\x8E\xB1"));
}

TEST(TsxkfDetection, LineEnds) {
  EXPECT_EQ(DetectLineEnd("a\r\nb\r\n"), kCrLf);
  EXPECT_EQ(DetectLineEnd("a\nb\n"), kLf);
  EXPECT_EQ(DetectLineEnd("a\rb\r"), kCr);
  EXPECT_EQ(DetectLineEnd("abc"), kNoLineEnd);
  EXPECT_EQ(DetectLineEnd(std::string("a\0\r\0\n\0", 6)), kCrLf);
  EXPECT_EQ(DetectLineEnd("a\r\nb\rc\rd\r"), kCr);  // pairs are a quarter of the CRs
  EXPECT_EQ(DetectLineEnd("a\r\nb\nc\nd\n"), kLf);  // and a quarter of the LFs
  EXPECT_EQ(DetectLineEnd("a\r\nb\r\nc\n"), kCrLf);
}

TEST(TsxkfConvert, RoundTripsThroughEveryEncoding) {
  const std::string sjis = Encode(kSample, 932);
  EXPECT_EQ(SjisToEucText(sjis), Encode(kSample, 20932));
  EXPECT_EQ(EucToSjisText(SjisToEucText(sjis)), sjis);
  EXPECT_EQ(SjisToUtf8Text(sjis), platform::Utf16ToUtf8(kSample));
  EXPECT_EQ(Utf8ToSjisText(SjisToUtf8Text(sjis)), sjis);
  EXPECT_EQ(SjisToWide(sjis), kSample);
  EXPECT_EQ(Utf16ToSjisText("\xFF\xFE" + Utf16Le(kSample)), sjis);
  // JIS has no half-width katakana: they come back full-width, marks combined.
  const std::string jis = SjisToJisText(sjis);
  EXPECT_EQ(Decode(jis, 50220), kSampleFullWidth);
  EXPECT_EQ(JisToSjisText(jis), Encode(kSampleFullWidth, 932));
  EXPECT_EQ(jis.substr(0, 3), "\x1B$B");
  EXPECT_EQ(jis.substr(jis.size() - 1), "\n");  // back in single-byte mode before the line end
}

TEST(TsxkfConvert, JisEscapesAndKanaMode) {
  EXPECT_EQ(JisToSjisText("a\x1B$@\x30\x21\x1B(Jb"),
            "a\x88\x9F"
            "b");
  EXPECT_EQ(JisToSjisText("\x1B&@\x1B$B\x30\x21\x1B(B"), "\x88\x9F");
  EXPECT_EQ(JisToSjisText("\x1B(I\x36\x5E\n\x1B(Bz"), "\xB6\xDE\nz");
  EXPECT_EQ(JisToSjisText("\x1B%Zq"), "%Zq");  // an unknown sequence loses its ESC only
  EXPECT_EQ(JisToSjisText("\x1B$B\x30"), "\x81\xA1");
  EXPECT_EQ(EucToSjisText("\x8F\xB0\xA1x\x8E\xB1\xFF"), "\x81\xA1x\xB1\x81\xA1");
}

TEST(TsxkfConvert, OpenCasesOfTheCodePage) {
  // Leads without a JIS X 0208 form, and bytes that are no character.
  EXPECT_EQ(SjisToUtf8Text("\x80\xA0\xFD"), "\xE2\x96\xA0\xE2\x96\xA0\xE2\x96\xA0");
  EXPECT_EQ(SjisToUtf8Text("\xFA\x40"), platform::Utf16ToUtf8(Decode("\xFA\x40", 932)));
  EXPECT_EQ(SjisToEucText("\xFA\x40"
                          "a"),
            "\xA2\xA3"
            "a");
  EXPECT_EQ(SjisToJisText("\x88"), "\x1B$B\x22\x23\x1B(B");
  // A lead without its trail keeps the line end after it.
  EXPECT_EQ(SjisToUtf8Text("\x88\n"), "\xE2\x96\xA0\n");
  // Big-endian UTF-16 after its mark is read the right way round.
  EXPECT_EQ(Utf16ToSjisText(std::string("\xFE\xFF\x65\xE5\x00\x41", 6)),
            "\x93\xFA"
            "A");
  EXPECT_EQ(Utf8ToSjisText("\xF0\x9F\x98\x80\x80z"), "\x81\xA1z");
  EXPECT_EQ(ToSjis("abcdef", kUtf8), "def");
}

TEST(TsxkfConvert, FileOutputLineEndsAndMarks) {
  const std::string sjis = Encode(u"一\r\n二\r\n", 932);
  EXPECT_EQ(ConvertForFile(sjis, kSjis, kEuc, kLf), Encode(u"一\n二\n", 20932));
  EXPECT_EQ(ConvertForFile(sjis, kSjis, kUtf8, kCrLf),
            "\xEF\xBB\xBF" + platform::Utf16ToUtf8(u"一\r\n二\r\n"));
  EXPECT_EQ(ConvertForFile(sjis, kSjis, kUtf8N, kCr), platform::Utf16ToUtf8(u"一\r二\r"));
  EXPECT_EQ(ConvertForFile(sjis, kSjis, kUnicode, kLf), "\xFF\xFE" + Utf16Le(u"一\n二\n"));
  EXPECT_EQ(ConvertForFile("", kSjis, kUnicode, kCrLf), "\xFF\xFE");
  EXPECT_EQ(ConvertForFile("", kSjis, kUtf8, kCrLf), "\xEF\xBB\xBF");
  EXPECT_EQ(ConvertForFile("", kSjis, kJis, kLf), "");
}

class TsxkfRun : public ::testing::Test {
 protected:
  int Run(const std::u16string& commandLine, std::vector<platform::QuestionAnswer> answers = {}) {
    out_ = StringOutput();
    asked_.clear();
    testing::ToolCall call;
    call.commandLine = commandLine;
    call.directory = u"\\Work\\";
    auto ask = [&, answers](const std::u16string& text) mutable {
      asked_.push_back(Utf8(text));
      if (answers.empty()) return platform::QuestionAnswer::No;
      const auto answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    };
    return RunTsxkf(testing::MakeToolContext(call, out_), ask);
  }
  std::string Read(const std::string& device) { return root_.ReadHostFile(root_.Host(device)); }
  void Write(const std::string& device, const std::string& bytes) {
    root_.WriteHostFile(root_.Host(device), bytes);
  }
  std::string Printed() const { return Utf8(out_.text()); }

  testing::TempRoot root_;
  StringOutput out_;
  std::vector<std::string> asked_;
};

TEST_F(TsxkfRun, ConvertsToANewFileAndInPlace) {
  const std::string sjis = Encode(kSample, 932);
  Write("\\Work\\in.txt", sjis);
  EXPECT_EQ(Run(u"/O EUC in.txt out.txt"), 0);
  EXPECT_EQ(Printed(), "");
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(Read("\\Work\\out.txt"),
            Encode(u"日本語のテキスト、カナと漢字。\nｶﾞｷﾞﾊﾟﾎﾟｳﾞｱ ASCII 123 ~\n", 20932));

  // In place: the input is read whole before the output replaces it.
  EXPECT_EQ(Run(u"/o uniode in.txt in.txt", {platform::QuestionAnswer::Yes}), 0);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], "下記出力ファイルは既に存在します。上書きしますか？\n\n\\Work\\in.txt");
  EXPECT_EQ(Read("\\Work\\in.txt"), "\xFF\xFE" + Utf16Le(kSample));
  EXPECT_EQ(Run(u"/O SJIS in.txt in.txt", {platform::QuestionAnswer::Yes}), 0);
  EXPECT_EQ(Read("\\Work\\in.txt"), sjis);
}

TEST_F(TsxkfRun, NoToAQuestionLeavesTheFile) {
  Write("\\Work\\in.txt", "abc\r\n");
  Write("\\Work\\out.txt", "keep");
  EXPECT_EQ(Run(u"in.txt out.txt"), 1);
  EXPECT_EQ(Printed(), "");
  EXPECT_EQ(Read("\\Work\\out.txt"), "keep");

  ASSERT_TRUE(platform::SetFileAttributes(u"\\Work\\out.txt", platform::kAttrReadOnly).ok());
  EXPECT_EQ(Run(u"in.txt out.txt", {platform::QuestionAnswer::Yes, platform::QuestionAnswer::No}),
            1);
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[1],
            "出力ファイルは読み取り専用です。読み取り専用属性を解除して上書きしますか？\n\n\\Work\\"
            "out.txt");
  EXPECT_EQ(Read("\\Work\\out.txt"), "keep");
  EXPECT_EQ(
      Run(u"/N LF in.txt out.txt", {platform::QuestionAnswer::Yes, platform::QuestionAnswer::Yes}),
      0);
  EXPECT_EQ(Read("\\Work\\out.txt"), "abc\n");
  EXPECT_EQ(*platform::GetFileAttributes(u"\\Work\\out.txt") & platform::kAttrReadOnly, 0u);
}

TEST_F(TsxkfRun, StandardOutputIgnoresTheOutputEncoding) {
  Write("\\Work\\in.txt", Encode(u"行1\r行2\r", 932));
  EXPECT_EQ(Run(u"/O JIS /N CR in.txt"), 0);
  EXPECT_EQ(Printed(), "行1\n行2\n\n");
  Write("\\Work\\e.txt", "");
  EXPECT_EQ(Run(u"e.txt"), 0);
  EXPECT_EQ(Printed(), "\n");
}

TEST_F(TsxkfRun, Messages) {
  EXPECT_EQ(Run(u"missing.txt"), 1);
  EXPECT_EQ(Printed(), "***** Error\n指定された入力ファイルは存在しません： \\Work\\missing.txt\n");
  ASSERT_TRUE(platform::CreateDirectory(u"\\Work").ok());
  ASSERT_TRUE(platform::CreateDirectory(u"\\Work\\dir").ok());
  EXPECT_EQ(Run(u"dir"), 1);
  EXPECT_EQ(Printed(), "***** Error\n入力ファイルにディレクトリが指定されています：\\Work\\dir\n");
  Write("\\Work\\in.txt", "x");
  EXPECT_EQ(Run(u"in.txt dir"), 1);
  EXPECT_EQ(Printed(),
            "***** Error\n同名のフォルダが既に存在するため、出力ファイルを作成できません： "
            "\\Work\\dir\n");
  EXPECT_EQ(Run(u"in.txt \\Nowhere\\out.txt"), 1);
  EXPECT_EQ(Printed(),
            "***** Error\n出力ファイルのオープンでエラーが発生しました：  \\Nowhere\\out.txt\n");
  EXPECT_EQ(Run(u"/I XYZ in.txt"), 1);
  EXPECT_EQ(Printed(),
            "***** Error\n/I の指定に誤りがあります。/I "
            "の後ろに指定できるキーワードを以下に示します：\n\n"
            "SJIS  JIS  EUC  UNICODE  UTF8\n");
  EXPECT_EQ(Run(u"/N x in.txt"), 1);
  EXPECT_NE(Printed().find("CRLF  LF  CR"), std::string::npos);
  EXPECT_EQ(Run(u"/H"), 0);
  EXPECT_EQ(Printed().substr(0, 36), "TSXKF [/I SJIS|JIS|EUC|UNIODE|UTF8]\n");
  EXPECT_EQ(TsxkfMessage(3), u"***** Error\nメモリー不足が発生しました。");
  EXPECT_EQ(TsxkfMessage(8), u"***** Error\nファイル属性の変更でエラーが発生しました： ");
}

}  // namespace
}  // namespace tessera::tools
