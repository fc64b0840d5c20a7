#include <gtest/gtest.h>

#include <filesystem>

#include "commands/echo_command.h"
#include "platform/codepage.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class EchoTest : public testing::ShellTest {
 protected:
  std::string File(const std::string& device) { return root_->ReadHostFile(root_->Host(device)); }
  static std::string Utf16(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += static_cast<char>(c & 0xFF), out += static_cast<char>(c >> 8);
    return out;
  }
};

TEST_F(EchoTest, ShowsTheEchoMode) {
  EXPECT_EQ(Run("echo"), "ECHO は <ON> です。\r\n");
  EXPECT_EQ(Run("echo off"), "");
  EXPECT_EQ(Value("ECHO MODE"), "OFF");
  EXPECT_EQ(Run("echo"), "ECHO は <OFF> です。\r\n");
  EXPECT_EQ(Run("echo o"), "");  // a prefix of ON
  EXPECT_EQ(Value("ECHO MODE"), "ON");
  EXPECT_EQ(Run("echo OF and more"), "");
  EXPECT_EQ(Value("ECHO MODE"), "OFF");
  EXPECT_EQ(Run("echo online"), "online\r\n");
}

TEST_F(EchoTest, ConsoleText) {
  EXPECT_EQ(Run("echo a    b"), "a b\r\n");
  EXPECT_EQ(Run("echo \"on\""), "\"on\"\r\n");
  EXPECT_EQ(Run("echo /N"), "\r\n");
  EXPECT_EQ(Run("echo /A text"), "/A text\r\n");  // options only act on files
  EXPECT_EQ(Run("echo a | b"), "a | b\r\n");
  EXPECT_EQ(Run("echo a&b"), "a&b\r\n");
  EXPECT_EQ(Run("echo back &"), "back\r\n");
}

TEST_F(EchoTest, Utf16FileWithByteOrderMarkOnlyOnce) {
  EXPECT_EQ(Run("echo /U hello > x.txt"), "");
  EXPECT_EQ(File("\\x.txt"), Utf16(u"\xFEFFhello\r\n"));
  EXPECT_EQ(Run("echo /U again >> x.txt"), "");
  EXPECT_EQ(File("\\x.txt"), Utf16(u"\xFEFFhello\r\nagain\r\n"));
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(EchoTest, AnsiFileAndTextCode) {
  Run("echo 日本 > \\Temp\\a.txt");
  EXPECT_EQ(File("\\Temp\\a.txt"), platform::WideToAnsi(u"日本") + "\r\n");
  context_.Set(u"TEXTCODE", u"UNICODE-LE");
  Run("echo x > \\Temp\\b.txt");
  EXPECT_EQ(File("\\Temp\\b.txt"), Utf16(u"\xFEFFx\r\n"));
  Run("echo /a y > \\Temp\\c.txt");
  EXPECT_EQ(File("\\Temp\\c.txt"), "y\r\n");
}

TEST_F(EchoTest, NoTextWritesOnlyTheLineEnd) {
  Run("echo /N > n.txt");
  EXPECT_EQ(File("\\n.txt"), "\r\n");
  Run("echo /N /U > u.txt");
  EXPECT_EQ(File("\\u.txt"), Utf16(u"\xFEFF\r\n"));
}

TEST_F(EchoTest, RelativeTargetsJoinTheCurrentDirectory) {
  context_.FindValue(u"CUR DIR", 0)->value = u"\\Temp";
  Run("echo in temp > \"out b\"");
  EXPECT_EQ(File("\\Temp\\out b"), "in temp\r\n");
  Run("echo unquoted > out c");
  EXPECT_EQ(File("\\Temp\\out c"), "unquoted\r\n");
}

TEST_F(EchoTest, RefusedTargets) {
  EXPECT_EQ(Run("echo x > \\Temp"), "出力先にディレクトリは指定できません： \\Temp\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  root_->WriteHostFile(root_->Host("\\ro.txt"), "keep");
  std::filesystem::permissions(root_->Host("\\ro.txt"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(Run("echo x > \\ro.txt"), "指定のファイルは読み取り専用です： \\ro.txt\r\n");
  EXPECT_EQ(File("\\ro.txt"), "keep");
  EXPECT_EQ(Run("echo x > \\nodir\\x.txt"),
            "ファイルの書き込みに失敗しました： \\nodir\\x.txt\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

}  // namespace
}  // namespace tessera
