// The browser's three settings in the settings store and under a caller's key.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include "browser/browser_settings.h"
#include "support/temp_root.h"

namespace tessera::browser {
namespace {

TEST(BrowserSettingsStore, DefaultsThenWhatWasWrittenBack) {
  tessera::testing::TempRoot root;
  LoadBrowserSettings();
  EXPECT_EQ(CurrentBrowserSettings(), BrowserSettings());
  EXPECT_EQ(CurrentBrowserSettings().listStyle, 1);
  EXPECT_EQ(CurrentBrowserSettings().sortKey, 0);
  EXPECT_EQ(CurrentBrowserSettings().commonMode, 0x1A00810u);

  CurrentBrowserSettings() = {kListStyleDetail, 2, 0x80000010u};
  ASSERT_TRUE(StoreBrowserSettings().ok());
  EXPECT_EQ(ReadSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_STYLE", -1), 2);
  EXPECT_EQ(ReadSettingInt(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_SORT_KEY", -1), 2);
  CurrentBrowserSettings() = BrowserSettings();
  LoadBrowserSettings();
  EXPECT_EQ(CurrentBrowserSettings(), (BrowserSettings{kListStyleDetail, 2, 0x80000010u}));

  // A value of another type reads as its default.
  ASSERT_TRUE(WriteSettingString(u"STR_SETTINGS", u"STR_FILE_SELECT_LIST_SORT_KEY", u"3").ok());
  EXPECT_EQ(ReadBrowserSettings().sortKey, 0);
}

TEST(BrowserSettingsStore, DwordValuesUnderAGivenKeyAndNames) {
  tessera::testing::TempRoot root;
  auto registry = platform::DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  auto key = platform::CreateKey(registry->Root(platform::RegistryRoot::CurrentUser),
                                 u"Software\\Elsewhere\\Browser");
  ASSERT_TRUE(key.ok());
  const BrowserSettingNames names{u"Style", u"Sort", u"Mode"};
  EXPECT_EQ(ReadBrowserSettings(key->key, names), BrowserSettings());
  ASSERT_TRUE(WriteBrowserSettings(key->key, names, {kListStyleIcon, 3, 0x10u}).ok());
  const auto mode = platform::QueryValue(key->key, u"Mode");
  ASSERT_TRUE(mode.ok());
  EXPECT_EQ(mode->type, platform::kRegDword);
  EXPECT_EQ(ReadBrowserSettings(key->key, names), (BrowserSettings{kListStyleIcon, 3, 0x10u}));
  // The settings store is not touched.
  EXPECT_EQ(ReadBrowserSettings(), BrowserSettings());
}

}  // namespace
}  // namespace tessera::browser
