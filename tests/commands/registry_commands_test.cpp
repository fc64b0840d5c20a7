#include "commands/registry_commands.h"

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "shell/environment.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using platform::RegistryRoot;
using testing::U;
using testing::Utf8;

class RegistryCommandsTest : public testing::ShellTest {
 protected:
  platform::RegistryKey Root(RegistryRoot root = RegistryRoot::CurrentUser) {
    platform::Result<platform::Registry> registry = platform::DeviceRegistry();
    EXPECT_TRUE(registry.ok());
    return registry.ok() ? registry->Root(root) : platform::RegistryKey();
  }
  std::optional<platform::RegistryValue> Query(const std::u16string& key,
                                               const std::u16string& name,
                                               RegistryRoot root = RegistryRoot::CurrentUser) {
    platform::Result<platform::RegistryKey> opened = platform::OpenKey(Root(root), key);
    if (!opened) return std::nullopt;
    platform::Result<platform::RegistryValue> value = platform::QueryValue(*opened, name);
    if (!value) return std::nullopt;
    return *value;
  }
  bool KeyExists(const std::u16string& key) { return platform::OpenKey(Root(), key).ok(); }
  // Runs a line and checks that it printed nothing and left ERRORLEVEL 0.
  void RunQuietly(const std::string& line) {
    EXPECT_EQ(Run(line), "") << line;
    EXPECT_EQ(Value("ERRORLEVEL"), "0") << line;
  }
};

TEST_F(RegistryCommandsTest, AddRegWritesEachTypeAndDirRegShowsIt) {
  RunQuietly("ADDREG HKCU, Software\\Test, Name, 0x00010001, 12");
  std::optional<platform::RegistryValue> value = Query(u"Software\\Test", u"Name");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, platform::kRegDword);
  EXPECT_EQ(value->data, platform::DwordValueData(12));
  EXPECT_EQ(Run("dirreg HKCU, Software\\Test, name"),
            "HKCU, Software\\Test, Name, 0x00010001, 12\r\n");
  EXPECT_EQ(Run("PRINTREG HKCU, software\\test, Name"),
            "HKCU, software\\test, Name, 0x00010001, 12\r\n");

  RunQuietly("addreg hkcu, \"My Key\", , 0, hello world");
  value = Query(u"My Key", u"");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, platform::kRegString);
  EXPECT_EQ(value->data, platform::StringValueData(u"hello world"));
  EXPECT_EQ(Run("DIRREG HKCU, \"My Key\""), "HKCU, \"My Key\", , 0x00000000, hello world\r\n\r\n");
  EXPECT_EQ(Run("DIRREG HKCU, \"My Key\","), "HKCU, \"My Key\", , 0x00000000, hello world\r\n");
}

TEST_F(RegistryCommandsTest, FaultsSetErrorLevelAndWriteNothing) {
  EXPECT_EQ(Run("ADDREG HKCU, Bad, N, 1, 0a,zz"), "値の記述に誤りがあります。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  // The data is checked before anything is written, the key included.
  EXPECT_FALSE(KeyExists(u"Bad"));
  EXPECT_EQ(Run("ADDREG HKCU, Software\\Test, , 0x10001, 5"),
            "標準の値を設定する場合には、データ型に文字列を指定してください。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("ADDREG HKCU, Bad, N, 0x4, 5"), "フラグの指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("ADDREG HKCU, " + std::string(256, 'k') + ", N, 0, x"),
            "レジストリキーのオープンに失敗しました： " + std::string(256, 'k') + "\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  RunQuietly("ADDREG HKCU, Bad2, N, 0, x");  // a good line resets it
}

TEST_F(RegistryCommandsTest, NoOverwriteBitKeepsAnExistingValue) {
  RunQuietly("ADDREG HKCU, K, N, 0x10001, 1");
  EXPECT_EQ(Run("ADDREG HKCU, K, n, 0x10003, 2"),
            "指定の値は既に存在するため、処理をスキップします： n\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Query(u"K", u"N")->data, platform::DwordValueData(1));
  RunQuietly("ADDREG HKCU, K, , 2, first");
  EXPECT_EQ(Run("ADDREG HKCU, K, , 2, second"),
            "指定の値は既に存在するため、処理をスキップします： (標準の値)\r\n");
  EXPECT_EQ(Query(u"K", u"")->data, platform::StringValueData(u"first"));
  // In an existing key a missing value is written, and without the bit any.
  RunQuietly("ADDREG HKCU, K, Other, 0x10003, 3");
  RunQuietly("ADDREG HKCU, K, N, 0x10001, 4");
  EXPECT_EQ(Query(u"K", u"Other")->data, platform::DwordValueData(3));
  EXPECT_EQ(Query(u"K", u"N")->data, platform::DwordValueData(4));
}

TEST_F(RegistryCommandsTest, DelRegAsksAndNoChangesNothing) {
  RunQuietly("ADDREG HKCU, Software\\Test, Name, 0x10001, 12");
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("DELREG HKCU, Software\\Test, Name"), "処理を中止しました。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]),
            "下記の名前の値を削除します。よろしいですか？\n\nキー：Software\\Test\n値の名前：Name");
  EXPECT_EQ(Utf8(host_.captions[0]), "Tessera");
  EXPECT_TRUE(Query(u"Software\\Test", u"Name"));

  host_.answers = {MessageBoxAnswer::Yes};
  RunQuietly("DELETEREG HKCU, Software\\Test, Name");
  EXPECT_FALSE(Query(u"Software\\Test", u"Name"));
  EXPECT_EQ(Run("DELREG HKCU, Software\\Test, Name"), "この「値の名前」は存在しません： Name\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");

  RunQuietly("ADDREG HKCU, Software\\Test, , 0, d");
  host_.answers = {MessageBoxAnswer::Yes};
  RunQuietly("DELREG HKCU, Software\\Test,");
  EXPECT_EQ(
      Utf8(host_.questions.back()),
      "下記の名前の値を削除します。よろしいですか？\n\nキー：Software\\Test\n値の名前：(標準の値)");
  EXPECT_FALSE(Query(u"Software\\Test", u""));
}

TEST_F(RegistryCommandsTest, DelRegRemovesAKeyWithItsTree) {
  RunQuietly("ADDREG HKCU, Top\\Mid\\Leaf, v, 0, x");
  RunQuietly("ADDREG HKCU, Top, v, 0, x");
  RunQuietly("ADDREG HKCU, Topper, v, 0, x");
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("DELREG HKCU, Top"), "処理を中止しました。\r\n");
  EXPECT_EQ(Utf8(host_.questions.back()), "下記のキーを削除します。よろしいですか？\n\nTop");
  EXPECT_TRUE(KeyExists(u"Top\\Mid\\Leaf"));
  const std::size_t asked = host_.questions.size();
  RunQuietly("DELREG /x/Q  /y HKCU, Top");  // /Q asks nothing; other letters do nothing
  EXPECT_EQ(host_.questions.size(), asked);
  EXPECT_FALSE(KeyExists(u"Top"));
  EXPECT_TRUE(KeyExists(u"Topper"));
  EXPECT_EQ(Run("DELREG /q HKCU, Top"), "レジストリキーのオープンに失敗しました： Top\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("DELREG /q HKCU, \\"), "ルートキーは削除できません。\r\n");
  EXPECT_EQ(Run("DELREG /q HKLM, \\, v"), "ルートキーは削除できません。\r\n");
  EXPECT_EQ(Run("DELREG HKLM,"), "キーの指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("DELREG HKLM, \"\""), "キーの指定に誤りがあります。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
}

TEST_F(RegistryCommandsTest, DirRegListsValuesAndWalksTheTree) {
  RunQuietly("ADDREG HKLM, T, a, 0x10001, 1");
  RunQuietly("ADDREG HKLM, T\\Empty\\Deep, b, 0x10001, 2");
  RunQuietly("ADDREG HKLM, T, Default, 0, named");  // an ordinary name here
  RunQuietly("ADDREG HKLM, T\\Second, c, 1, 7f");
  RunQuietly("ADDREG HKLM, T, , 0, the default");
  EXPECT_EQ(Run("DIRREG HKLM, T"),
            "HKLM, T, a, 0x00010001, 1\r\n"
            "HKLM, T, Default, 0x00000000, named\r\n"
            "HKLM, T, , 0x00000000, the default\r\n\r\n");
  EXPECT_EQ(Run("DIRREG /s HKLM, T, whatever, else"),
            "HKLM, T, a, 0x00010001, 1\r\n"
            "HKLM, T, Default, 0x00000000, named\r\n"
            "HKLM, T, , 0x00000000, the default\r\n\r\n"
            "HKLM, T\\Empty\\Deep, b, 0x00010001, 2\r\n\r\n"
            "HKLM, T\\Second, c, 0x00000001, 7f\r\n\r\n");
  EXPECT_EQ(Run("DIRREG HKLM, T\\Empty"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(Run("DIRREG HKLM, Nothing\\There"),
            "レジストリキーのオープンに失敗しました： Nothing\\There\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("DIRREG /S HKLM, Nothing"), "レジストリキーのオープンに失敗しました： Nothing\r\n");
  EXPECT_EQ(Run("DIRREG HKLM, T, missing"), "この「値の名前」は存在しません： missing\r\n");
  EXPECT_EQ(Run("DIRREG HKLM, T\\Empty,"), "この「値の名前」は存在しません： (標準の値)\r\n");
  EXPECT_EQ(Run("DIRREG HKLM, \"T\" x"), "キーの指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("DIRREG HKXX, T"), "ルート文字列の指定に誤りがあります。\r\n");
}

TEST_F(RegistryCommandsTest, DirRegStopsWhenTheUserSaysSo) {
  RunQuietly("ADDREG HKCU, S, a, 0, 1");
  RunQuietly("ADDREG HKCU, S, b, 0, 2");
  RunQuietly("ADDREG HKCU, S\\Sub, c, 0, 3");
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_EQ(Run("DIRREG /s HKCU, S"), "HKCU, S, a, 0x00000000, 1\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Utf8(host_.questions.back()), "処理を中止しますか？");
  // Answering No goes on to the end.
  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("DIRREG /s HKCU, S"),
            "HKCU, S, a, 0x00000000, 1\r\nHKCU, S, b, 0x00000000, 2\r\n\r\n"
            "HKCU, S\\Sub, c, 0x00000000, 3\r\n\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(RegistryCommandsTest, PercentSignsSurviveTheCommandLine) {
  RunQuietly("ADDREG HKCU, P, N, 0, 100%% of %%PATH%%");
  EXPECT_EQ(Query(u"P", u"N")->data, platform::StringValueData(u"100% of %PATH%"));
  const std::string line = Run("DIRREG HKCU, P, N");
  EXPECT_EQ(line, "HKCU, P, N, 0x00000000, 100%% of %%PATH%%\r\n");
  RunQuietly("DELREG /q HKCU, P");
  RunQuietly("ADDREG " + line.substr(0, line.size() - 2));
  EXPECT_EQ(Query(u"P", u"N")->data, platform::StringValueData(u"100% of %PATH%"));
}

TEST_F(RegistryCommandsTest, WritesReachTheSettingsStore) {
  RunQuietly("ADDREG HKCU, Software\\Verdane\\Tessera\\SETTINGS, USE_STDOUT, 0x10001, 0");
  ShellContext fresh;
  InitContextDefaults(fresh);
  EXPECT_EQ(Utf8(*fresh.GetValueText(kSupportStdout)), "NG");
  EXPECT_EQ(Utf8(*fresh.GetValueText(kSupportStdin)), "OK");
}

}  // namespace
}  // namespace tessera
