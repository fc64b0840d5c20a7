#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <random>

#include "platform/files.h"
#include "platform/shared_memory.h"
#include "platform/text.h"
#include "support/temp_root.h"
#include "tools/common/command_line.h"
#include "tools/common/current_directory.h"
#include "tools/common/file_argument.h"
#include "tools/common/line_reader.h"
#include "tools/common/text_streams.h"
#include "tools/common/tool_environment.h"

namespace tessera::tools {
namespace {

TEST(ToolCommandLine, ShellTextOnlyWhenTheShellIsTheParent) {
  const std::vector<std::string> args = {"/R", "my file.txt"};
  EXPECT_EQ(SelectCommandLine(std::string("/R  my file.txt "), std::string("42"), 42, args),
            u"/R  my file.txt ");
  // A grandchild inherits the variables but not the parent.
  EXPECT_EQ(SelectCommandLine(std::string("/R x"), std::string("42"), 43, args),
            u"/R \"my file.txt\"");
  EXPECT_EQ(SelectCommandLine(std::string("x"), std::string("42x"), 42, args),
            u"/R \"my file.txt\"");
  EXPECT_EQ(SelectCommandLine(std::nullopt, std::nullopt, 1, {}), u"");
  EXPECT_EQ(JoinArguments({"a", "", "say \"hi there\""}), u"a \"\" say \"hi there\"");
  EXPECT_EQ(JoinArguments({"漢字"}), u"漢字");
  EXPECT_EQ(JoinArguments({"/R", "/tmp/a b/c.txt", "/home/x"}),
            u"/R \"/tmp/a b/c.txt\" \"/home/x\"");
}

TEST(ToolFileArgument, RelativeNamesJoinTheShellDirectory) {
  EXPECT_EQ(ReadFileArgument(u"a.txt", 0, NameEnd::RestOfText, u"\\Work\\").path, u"\\Work\\a.txt");
  EXPECT_EQ(ReadFileArgument(u"\\a.txt", 0, NameEnd::RestOfText, u"\\Work\\").path, u"\\a.txt");
  // No shell: the name reaches the file system unchanged.
  EXPECT_EQ(ReadFileArgument(u"a.txt", 0, NameEnd::RestOfText, u"").path, u"a.txt");
  EXPECT_EQ(ReadFileArgument(u"/tmp/x y ", 0, NameEnd::RestOfText, u"").path, u"/tmp/x y");
}

TEST(ToolFileArgument, QuotesAndNameEnds) {
  FileArgument quoted =
      ReadFileArgument(u"\"  my file.txt\" rest", 0, NameEnd::FirstBlank, u"\\W\\");
  EXPECT_EQ(quoted.path, u"\\W\\my file.txt");
  EXPECT_EQ(quoted.end, 15u);
  EXPECT_EQ(ReadFileArgument(u"\"open ended", 0, NameEnd::FirstBlank, u"").path, u"open ended");
  FileArgument word = ReadFileArgument(u"a.txt\tb.txt", 0, NameEnd::FirstBlank, u"");
  EXPECT_EQ(word.path, u"a.txt");
  EXPECT_EQ(word.end, 5u);
  EXPECT_EQ(ReadFileArgument(u"my file.txt  ", 0, NameEnd::RestOfText, u"").path, u"my file.txt");
  EXPECT_TRUE(ReadFileArgument(u"\"\"", 0, NameEnd::FirstBlank, u"\\W\\").path.empty());
}

TEST(ToolFileArgument, NormalisedDevicePaths) {
  EXPECT_EQ(NormalizeDevicePath(u"\\Work\\.\\sub\\..\\a.txt"), u"\\Work\\a.txt");
  EXPECT_EQ(NormalizeDevicePath(u"\\..\\..\\a.txt"), u"\\a.txt");
  EXPECT_EQ(NormalizeDevicePath(u"\\Work\\ sub \\\\b"), u"\\Work\\sub\\b");
  EXPECT_EQ(NormalizeDevicePath(u"\\Work\\.."), u"\\");
  EXPECT_EQ(NormalizeDevicePath(u""), u"\\");
}

TEST(ToolLineReader, LongLinesArriveInPieces) {
  const std::u16string text = std::u16string(5, u'x') + u"\nab\n\ncd";
  LineReader reader(text, 4);  // three characters per read
  std::vector<std::u16string> reads;
  std::u16string_view line;
  while (reader.Next(line)) reads.emplace_back(line);
  const std::vector<std::u16string> expected = {u"xxx", u"xx\n", u"ab\n", u"\n", u"cd"};
  EXPECT_EQ(reads, expected);
}

// The four-at-a-time search against a plain one, with units that differ
// from the one looked for only in their top bit or in one byte.
TEST(ToolLineReader, FindUnitAgreesWithAPlainSearch) {
  static constexpr char16_t kUnits[] = {u'a', u'\n', 0x800A, 0x0A0A, 0x0B0A, 0xFFFF, 0x000B, 0};
  std::mt19937 random(23);
  for (int round = 0; round < 2000; ++round) {
    std::u16string text(random() % 20, u'a');
    for (auto& c : text) c = kUnits[random() % (random() % 2 ? 8 : 2)];
    for (const char16_t unit : {u'\n', char16_t{0}, char16_t{0x800A}}) {
      const std::size_t plain = text.find(unit);
      ASSERT_EQ(FindUnit(text, unit), plain) << "round " << round;
    }
  }
}

TEST(ToolStreams, ModesEncodeAsTheShellOpenedTheStream) {
  EXPECT_EQ(ParseStreamMode("text"), StreamMode::Text);
  EXPECT_EQ(ParseStreamMode("binary"), StreamMode::Binary);
  EXPECT_EQ(ParseStreamMode("TEXT"), StreamMode::Utf8);
  EXPECT_EQ(ParseStreamMode(nullptr), StreamMode::Utf8);

  StreamEncoder text(StreamMode::Text);
  EXPECT_EQ(text.Encode(u"日本\nA\r"), "\x93\xFA\x96\x7B\r\nA\r");
  EXPECT_EQ(text.Encode(u"\nB\n"), "\nB\r\n");  // the CR before the split LF is not doubled
  StreamEncoder binary(StreamMode::Binary);
  EXPECT_EQ(binary.Encode(u"a\n"), std::string("a\0\n\0", 4));
  StreamEncoder utf8(StreamMode::Utf8);
  const std::u16string smile = u"\U0001F600";
  EXPECT_EQ(utf8.Encode(smile.substr(0, 1)), "");  // half a pair waits for its other half
  EXPECT_EQ(utf8.Encode(smile.substr(1)), "\xF0\x9F\x98\x80");
  EXPECT_EQ(utf8.Encode(smile.substr(0, 1)), "");
  EXPECT_EQ(utf8.Finish(), "\xEF\xBF\xBD");  // a half left at the end
}

// Text handed over in pieces of any size encodes as the whole would, also
// when a piece ends between the two halves of a pair.
TEST(ToolStreams, PiecesEncodeLikeTheWhole) {
  static constexpr char16_t kUnits[] = {u'a', u'\n', 0x65E5, 0xD83D, 0xDE00, 0xDC00, 0xFFFF};
  std::mt19937 random(5);
  for (int round = 0; round < 50; ++round) {
    std::u16string text;
    const std::size_t length = random() % 400;
    for (std::size_t i = 0; i < length; ++i) text += kUnits[random() % 7];
    for (const StreamMode mode : {StreamMode::Utf8, StreamMode::Binary}) {
      StreamEncoder pieces(mode);
      std::string bytes;
      for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = std::min<std::size_t>(random() % 5, text.size() - at);
        pieces.EncodeInto(std::u16string_view(text).substr(at, size), bytes);
        at += size;
      }
      bytes += pieces.Finish();
      std::string whole;
      if (mode == StreamMode::Utf8) {
        whole = platform::Utf16ToUtf8(text);
      } else {
        for (char16_t c : text) {
          whole += static_cast<char>(c & 0xFF);
          whole += static_cast<char>(c >> 8);
        }
      }
      ASSERT_EQ(bytes, whole) << "round " << round;
    }
  }
}

TEST(ToolStreams, DecodingInput) {
  EXPECT_EQ(DecodeTextBytes("a\r\nb\rc\n", 65001), u"a\nb\rc\n");
  EXPECT_EQ(DecodeTextBytes("\x93\xFA\r\n", 932), u"日\n");
  EXPECT_EQ(DecodeUtf16Le(std::string("a\0\r\0\n\0z", 7)), u"a\r\n");
  EXPECT_EQ(DecodeStreamBytes(std::string("\xFF\xFE"
                                          "a\0",
                                          4),
                              StreamMode::Binary)
                .text,
            u"\uFEFFa");
  EXPECT_EQ(SkipByteOrderMark(u"\uFFFEx"), u"x");
  EXPECT_EQ(SkipByteOrderMark(u"x\uFEFF"), u"x\uFEFF");
}

TEST(ToolStreams, TextFromBashIsUtf8WhenValidElseTheAnsiCodePage) {
  DecodedText utf8 = DecodeMultiByteText("\xE6\x97\xA5\r\n", kCodePageUtf8OrAnsi);
  EXPECT_TRUE(utf8.ok());
  EXPECT_EQ(utf8.codePage, 65001);
  EXPECT_EQ(utf8.text, u"日\n");
  DecodedText sjis = DecodeMultiByteText("\x93\xFA\x81\x40\xB1\r\n", kCodePageUtf8OrAnsi);
  EXPECT_TRUE(sjis.ok());
  EXPECT_EQ(sjis.codePage, 932);
  EXPECT_EQ(sjis.text, u"日\u3000ｱ\n");
  // Neither: the first byte neither reads is named, nothing is passed off
  // as text.
  DecodedText broken = DecodeMultiByteText("ok\x93\xFA\x82\x0A", kCodePageUtf8OrAnsi);
  EXPECT_FALSE(broken.ok());
  EXPECT_EQ(broken.undecodable, 4u);
  EXPECT_EQ(UndecodableTextMessage(u"in.txt", broken),
            u"文字コードを判別できません。UTF-8 でもコードページ 932 でも読めないバイトが 4 "
            u"バイト目（先頭を 0 として）にあります：in.txt");
  // Standard input without a mode follows the same rule; a named code page
  // (the shell's text mode) reads as the device does.
  EXPECT_EQ(DecodeStreamBytes("\x93\xFA", StreamMode::Utf8).text, u"日");
  EXPECT_FALSE(DecodeStreamBytes("\xFF", StreamMode::Utf8).ok());
  EXPECT_TRUE(DecodeStreamBytes("\xFF", StreamMode::Text).ok());
}

TEST(ToolFiles, WholeFilesOfEverySize) {
  testing::TempRoot root;
  std::mt19937 random(11);
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65536},
                                 std::size_t{65537}, std::size_t{1} << 20}) {
    std::string bytes(size, '\0');
    for (auto& b : bytes) b = static_cast<char>(random());
    root.WriteHostFile(root.Host("/f.bin"), bytes);
    auto read = ReadFileBytes(u"\\f.bin");
    ASSERT_TRUE(read.ok()) << size;
    EXPECT_EQ(*read, bytes) << size;
  }
  EXPECT_FALSE(ReadFileBytes(u"\\missing.bin").ok());
  ASSERT_TRUE(platform::CreateDirectory(u"\\folder").ok());
  EXPECT_FALSE(ReadFileBytes(u"\\folder").ok());
}

TEST(ToolSharedDirectory, ReadFromTheBlockTheVariableNames) {
  std::vector<std::uint8_t> bytes;
  for (char16_t c : std::u16string(u"\\Work\\")) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  bytes.resize(kDirectoryBlockBytes, 0);
  EXPECT_EQ(DecodeDirectoryBlock(bytes), u"\\Work\\");
  EXPECT_EQ(DecodeDirectoryBlock({'W', 0}), u"");  // no directory of the shell

  testing::TempRoot root;
  auto block =
      platform::SharedMemoryBlock::Create(u"TESSERA_CURRENT_DIRECTORY", kDirectoryBlockBytes);
  ASSERT_TRUE(block.ok());
  ASSERT_TRUE(block->Write(0, bytes.data(), bytes.size()).ok());
  setenv("TESSERA_CWD_BLOCK", block->hostName().c_str(), 1);
  EXPECT_EQ(ReadSharedCurrentDirectory(), u"\\Work\\");
  block->Close();
  EXPECT_EQ(ReadSharedCurrentDirectory(), u"");  // the shell has gone
  setenv("TESSERA_CWD_BLOCK", "/tessera-no-such-block", 1);
  EXPECT_EQ(ReadSharedCurrentDirectory(), u"");
  unsetenv("TESSERA_CWD_BLOCK");
  EXPECT_EQ(ReadSharedCurrentDirectory(), u"");
}

}  // namespace
}  // namespace tessera::tools
