#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/filetime.h"
#include "support/time_zone.h"

namespace tessera::platform {
namespace {

using testing::TimeZone;

SystemTime Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  SystemTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

TEST(TimeFileTime, ConvertsUnixTimes) {
  EXPECT_EQ(FileTimeFromUnix(0, 0), 116444736000000000ull);
  // 2011-03-11 05:46:23.5 UTC.
  EXPECT_EQ(FileTimeFromUnix(1299822383, 500000000), 129442959835000000ull);
  EXPECT_EQ(FileTimeFromUnix(-11644473600, 0), 0u);
  EXPECT_EQ(FileTimeFromUnix(-11644473601, 0), 0u);  // before 1601 stays at the start
}

TEST(TimeFileTime, ToLocalUsesTheHostZone) {
  TimeZone zone("JST-9");
  const SystemTime t = FileTimeToLocal(FileTimeFromUnix(1299822383, 500000000));
  EXPECT_EQ(t.year, 2011);
  EXPECT_EQ(t.month, 3);
  EXPECT_EQ(t.day, 11);
  EXPECT_EQ(t.dayOfWeek, 5);  // a Friday
  EXPECT_EQ(t.hour, 14);
  EXPECT_EQ(t.minute, 46);
  EXPECT_EQ(t.second, 23);
  EXPECT_EQ(t.milliseconds, 500);
}

TEST(TimeValidity, RefusesImpossibleDates) {
  EXPECT_TRUE(IsValidSystemTime(Date(2011, 6, 30, 23, 59, 59)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 6, 31)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 2, 29)));
  EXPECT_TRUE(IsValidSystemTime(Date(2012, 2, 29)));
  EXPECT_TRUE(IsValidSystemTime(Date(2000, 2, 29)));
  EXPECT_FALSE(IsValidSystemTime(Date(1900, 2, 29)));
  EXPECT_TRUE(IsValidSystemTime(Date(2011, 12, 31)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 13, 1)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 0, 1)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 1, 0)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 1, 1, 24)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 1, 1, 0, 60)));
  EXPECT_FALSE(IsValidSystemTime(Date(2011, 1, 1, 0, 0, 60)));
  EXPECT_FALSE(IsValidSystemTime(Date(1600, 12, 31)));
  SystemTime ms = Date(2011, 1, 1);
  ms.milliseconds = 1000;
  EXPECT_FALSE(IsValidSystemTime(ms));
}

TEST(TimeDeviceClock, OffsetMovesTheDeviceClockOnly) {
  TimeZone zone("UTC0");
  SetDeviceClockOffset(0);
  ASSERT_TRUE(SetDeviceLocalTime(Date(2030, 1, 2, 3, 4, 5)).ok());
  const SystemTime now = GetDeviceLocalTime();
  EXPECT_EQ(now.year, 2030);
  EXPECT_EQ(now.month, 1);
  EXPECT_EQ(now.day, 2);
  EXPECT_EQ(now.hour, 3);
  EXPECT_EQ(now.minute, 4);
  EXPECT_LE(now.second - 5, 1);  // the test may cross a second
  EXPECT_GT(DeviceClockOffset(), 0);

  const std::int64_t before = DeviceClockOffset();
  EXPECT_EQ(SetDeviceLocalTime(Date(2030, 6, 31)).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(DeviceClockOffset(), before);
  SetDeviceClockOffset(0);
  const SystemTime host = FileTimeToLocal(FileTimeFromUnix(std::time(nullptr), 0));
  EXPECT_LE(std::abs(GetDeviceLocalTime().year - host.year), 1);
}

}  // namespace
}  // namespace tessera::platform
