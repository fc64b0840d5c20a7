#include <gtest/gtest.h>

#include <filesystem>

#include "commands/help_command.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

std::string Utf16Bytes(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out += static_cast<char>(c & 0xFF), out += static_cast<char>(c >> 8);
  return out;
}

class HelpTest : public testing::ShellTest {
 protected:
  void WriteHelp(const std::u16string& text) {
    const std::string host = root_->Host("\\Program Files\\Tessera\\HELPBRIEF.TXT");
    root_->WriteHostFile(host, Utf16Bytes(text));
  }
};

const std::u16string kHelpFile =
    u"\xFEFFheader ignored\r\n"
    u"<!--CMD-->\r\nCOPY\r\nCP\r\n<!--BRIEF-->\r\nファイルをコピーします。\r\nsecond brief line\r\n"
    u"<!--HELP-->\r\nCOPY src dst\r\n  /A ascii\r\n"
    u"<!--CMD-->\r\nCD\r\nCHDIR\r\n<!--BRIEF-->\r\nディレクトリ\r\n<!--HELP-->\r\nCD dir\r\n";

TEST_F(HelpTest, OneEntryByNameOrPrefix) {
  WriteHelp(kHelpFile);
  EXPECT_EQ(Run("help cp"), "COPY src dst\r\n  /A ascii\r\n");
  EXPECT_EQ(Run("help CO"), "COPY src dst\r\n  /A ascii\r\n");
  EXPECT_EQ(Run("help chdir"), "CD dir\r\n");
  EXPECT_EQ(Run("copy /?"), "COPY src dst\r\n  /A ascii\r\n");
  EXPECT_EQ(Run("help XYZ"), "該当する項目がヘルプにありません。\r\n");
}

TEST_F(HelpTest, TheList) {
  WriteHelp(kHelpFile);
  EXPECT_EQ(Run("help"),
            "-------------\r\n[COPY]\r\nファイルをコピーします。\r\n"
            "-------------\r\n[CP]\r\nCOPY と同じ\r\n"
            "-------------\r\n[CD]\r\nディレクトリ\r\n"
            "-------------\r\n[CHDIR]\r\nCD と同じ\r\n");
}

TEST_F(HelpTest, MissingAndEmptyFiles) {
  EXPECT_EQ(Run("help copy"), "");
  WriteHelp(u"");
  EXPECT_EQ(Run("help copy"), "該当する項目がヘルプにありません。\r\n");
}

TEST(HelpLines, LongLinesArriveInPiecesAndLineEndsGo) {
  std::u16string text = std::u16string(300, u'a') + u"\r\nb\nc";
  const std::string bytes = Utf16Bytes(text);
  const auto lines = SplitHelpLines(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].size(), 259u);
  EXPECT_EQ(Utf8(lines[1]), std::string(41, 'a'));
  EXPECT_EQ(Utf8(lines[2]), "b");
  EXPECT_EQ(Utf8(lines[3]), "c");
}

}  // namespace
}  // namespace tessera
