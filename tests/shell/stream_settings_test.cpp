#include <gtest/gtest.h>

#include "shell/environment.h"
#include "shell/settings.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::Utf8;

class StreamSettingsTest : public testing::ShellTest {
 protected:
  std::string Fresh(std::u16string_view name) {
    ShellContext context;
    InitContextDefaults(context);
    const std::u16string* value = context.GetValueText(name);
    return value ? Utf8(*value) : "<none>";
  }
};

TEST_F(StreamSettingsTest, AStoredZeroSwitchesAStreamOff) {
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"USE_STDIN", 0).ok());
  EXPECT_EQ(Fresh(kSupportStdin), "NG");
  EXPECT_EQ(Fresh(kSupportStdout), "OK");
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"USE_STDOUT", 0).ok());
  EXPECT_EQ(Fresh(kSupportStdout), "NG");
  // Any other number means on, as does a setting of the wrong type.
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"USE_STDIN", 2).ok());
  EXPECT_EQ(Fresh(kSupportStdin), "OK");
  ASSERT_TRUE(WriteSettingString(kSettingsSection, u"USE_STDOUT", u"0").ok());
  EXPECT_EQ(Fresh(kSupportStdout), "OK");
}

}  // namespace
}  // namespace tessera
