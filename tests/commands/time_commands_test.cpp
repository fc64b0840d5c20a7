#include "commands/time_commands.h"

#include <gtest/gtest.h>

#include <ctime>

#include "platform/filetime.h"
#include "shell/device_clock.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

class TimeCommandTest : public testing::ShellTest {
 protected:
  void TearDown() override {
    platform::SetDeviceClockOffset(0);
    ShellTest::TearDown();
  }
};

TEST_F(TimeCommandTest, SettingMovesOnlyTheDeviceClockAndIsKept) {
  const std::time_t hostBefore = std::time(nullptr);
  EXPECT_EQ(Run("date 2011-12-31"), "");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(platform::GetDeviceLocalTime().year, 2011);
  EXPECT_LT(std::abs(std::time(nullptr) - hostBefore), 5);  // the host clock is untouched
  const std::int64_t offset = platform::DeviceClockOffset();
  platform::SetDeviceClockOffset(0);
  LoadDeviceClock();  // what a new session of the same device reads
  EXPECT_EQ(platform::DeviceClockOffset(), offset);
}

TEST_F(TimeCommandTest, TimeKeepsTheDate) {
  Run("date 2011-12-31");
  Run("time 23:59:58");
  const platform::SystemTime now = platform::GetDeviceLocalTime();
  EXPECT_EQ(now.hour, 23);
  EXPECT_EQ(now.minute, 59);
  EXPECT_TRUE(now.day == 31 || now.year == 2012);
}

TEST_F(TimeCommandTest, FieldsAreTakenModulo65536) {
  EXPECT_EQ(Run("date 67506-1-1"), "");  // 67506 mod 65536 = 1970
  EXPECT_EQ(platform::GetDeviceLocalTime().year, 1970);
  EXPECT_EQ(Run("time 65543:0:0"), "");  // 65543 mod 65536 = 7
  EXPECT_EQ(platform::GetDeviceLocalTime().hour, 7);
}

TEST_F(TimeCommandTest, RefusalsSetErrorLevel) {
  EXPECT_EQ(Run("date 2011-6-31"), "日にちの指定に誤りがあります。\r\n");
  EXPECT_EQ(Value("ERRORLEVEL"), "1");
  EXPECT_EQ(Run("time 7:60:0"), "時刻の指定に誤りがあります。\r\n");
  EXPECT_EQ(Run("time 7"), "時刻の指定に誤りがあります。\r\n");
  EXPECT_EQ(platform::DeviceClockOffset(), 0);
}

}  // namespace
}  // namespace tessera
