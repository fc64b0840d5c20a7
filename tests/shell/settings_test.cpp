#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/registry.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

using platform::ErrorCode;
using platform::RegistryRoot;

class SettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { SetSettingsApplicationTitle(u"Tessera"); }

  // The section's key as another process would see it.
  platform::Result<platform::RegistryKey> OpenSectionElsewhere(std::u16string_view path) {
    platform::Result<std::string> file = platform::RegistryDatabasePath();
    if (!file) return file.error();
    platform::Result<platform::Registry> registry = platform::OpenRegistryAt(*file);
    if (!registry) return registry.error();
    return platform::OpenKey(registry->Root(RegistryRoot::CurrentUser), path);
  }

  testing::TempRoot root_;
};

TEST_F(SettingsStoreTest, AFreshDeviceGivesTheDefaults) {
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"FONT_SIZE", 1), 1);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"COLOR_TEXT", 0x00FF00), 0x00FF00);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"FONT1_NAME", u"Tahoma"), u"Tahoma");
  // Reading creates nothing.
  EXPECT_EQ(OpenSectionElsewhere(u"Software\\Verdane").error(), ErrorCode::FileNotFound);
}

TEST_F(SettingsStoreTest, WrittenValuesAreStoredAtOnceWithTheirRegistryTypes) {
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"FONT_SIZE", 3).ok());
  ASSERT_TRUE(WriteSettingString(kSettingsSection, u"FKEY_COMMAND1", u"DIR \\n").ok());

  platform::Result<platform::RegistryKey> key =
      OpenSectionElsewhere(u"Software\\Verdane\\Tessera\\SETTINGS");
  ASSERT_TRUE(key.ok());
  platform::Result<platform::RegistryValue> size = platform::QueryValue(*key, u"FONT_SIZE");
  ASSERT_TRUE(size.ok());
  EXPECT_EQ(size->type, platform::kRegDword);
  EXPECT_EQ(size->data, platform::DwordValueData(3));
  platform::Result<platform::RegistryValue> command = platform::QueryValue(*key, u"FKEY_COMMAND1");
  ASSERT_TRUE(command.ok());
  EXPECT_EQ(command->type, platform::kRegString);
  EXPECT_EQ(command->data, platform::StringValueData(u"DIR \\n"));

  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"font_size", 1), 3);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"FKEY_COMMAND1", u""), u"DIR \\n");
}

TEST_F(SettingsStoreTest, ValuesRoundTripWholly) {
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"Negative", -5).ok());
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"Colour", 0x00FFFFFF).ok());
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"Lowest", INT32_MIN).ok());
  ASSERT_TRUE(WriteSettingString(kSettingsSection, u"Text", u"ラベル f1").ok());
  ASSERT_TRUE(WriteSettingString(kSettingsSection, u"Empty", u"").ok());
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"Negative", 0), -5);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"Colour", 0), 0x00FFFFFF);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"Lowest", 0), INT32_MIN);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"Text", u""), u"ラベル f1");
  // A written empty string is a value, not a missing one.
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"Empty", u"default"), u"");
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"Negative", 7).ok());
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"Negative", 0), 7);
}

TEST_F(SettingsStoreTest, SectionsAndTitlesAreSeparate) {
  ASSERT_TRUE(WriteSettingString(u"QuillpadMRUList", u"File1", u"\\My Documents\\a.txt").ok());
  ASSERT_TRUE(WriteSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", 2).ok());
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"File1", u"none"), u"none");
  EXPECT_EQ(ReadSettingString(u"QuillpadMRUList", u"File1", u""), u"\\My Documents\\a.txt");
  EXPECT_EQ(ReadSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", 0), 2);

  SetSettingsApplicationTitle(u"Other");
  EXPECT_EQ(SettingsApplicationTitle(), u"Other");
  EXPECT_EQ(ReadSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", 0), 0);
  ASSERT_TRUE(WriteSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", 9).ok());
  EXPECT_TRUE(OpenSectionElsewhere(u"Software\\Verdane\\Other\\STR_SETTINGS").ok());
  SetSettingsApplicationTitle(u"");  // refused
  EXPECT_EQ(SettingsApplicationTitle(), u"Other");
  SetSettingsApplicationTitle(u"Tessera");
  EXPECT_EQ(ReadSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", 0), 2);
}

TEST_F(SettingsStoreTest, DeletedSettingsReadAsTheirDefault) {
  // Nothing there yet: neither the section nor the value.
  EXPECT_TRUE(DeleteSetting(u"QuillpadMRUList", u"File4").ok());
  ASSERT_TRUE(WriteSettingString(u"QuillpadMRUList", u"File4", u"\\a.txt").ok());
  ASSERT_TRUE(WriteSettingString(u"QuillpadMRUList", u"File3", u"\\b.txt").ok());
  EXPECT_TRUE(DeleteSetting(u"QuillpadMRUList", u"file4").ok());
  EXPECT_EQ(ReadSettingString(u"QuillpadMRUList", u"File4", u"none"), u"none");
  EXPECT_EQ(ReadSettingString(u"QuillpadMRUList", u"File3", u""), u"\\b.txt");
  EXPECT_TRUE(DeleteSetting(u"QuillpadMRUList", u"File4").ok());
  EXPECT_EQ(DeleteSetting(u"QuillpadMRUList", u"").error(), ErrorCode::InvalidParameter);
}

TEST_F(SettingsStoreTest, ValuesOfAnotherShapeGiveTheDefault) {
  ASSERT_TRUE(WriteSettingString(kSettingsSection, u"FONT_SIZE", u"2").ok());
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"FONT_SIZE", 1), 1);
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"FONT1_NAME", 5).ok());
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"FONT1_NAME", u"Tahoma"), u"Tahoma");

  // A number value of the wrong size, as a registry command could leave it.
  platform::Result<platform::Registry> registry = platform::DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  platform::Result<platform::CreatedKey> key = platform::CreateKey(
      registry->Root(RegistryRoot::CurrentUser), u"Software\\Verdane\\Tessera\\SETTINGS");
  ASSERT_TRUE(key.ok());
  ASSERT_TRUE(platform::SetValue(key->key, u"COLOR_TEXT", platform::kRegDword,
                                 std::vector<std::uint8_t>{1, 2})
                  .ok());
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"COLOR_TEXT", 0x00FF00), 0x00FF00);
}

TEST_F(SettingsStoreTest, EmptyNamesAndZerosInTextAreRefused) {
  EXPECT_EQ(WriteSettingInt(u"", u"A", 1).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(WriteSettingInt(kSettingsSection, u"", 1).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(WriteSettingString(kSettingsSection, u"A", std::u16string(u"a\0b", 3)).error(),
            ErrorCode::InvalidParameter);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"A", u"kept"), u"kept");
  EXPECT_EQ(ReadSettingInt(kSettingsSection, u"", 4), 4);
}

}  // namespace
}  // namespace tessera
