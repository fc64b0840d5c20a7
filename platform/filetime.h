// File times and the device clock.
#pragma once

#include <cstdint>

#include "platform/result.h"

namespace tessera::platform {

// 100-nanosecond units since 1601-01-01 UTC.
using FileTime = std::uint64_t;

struct SystemTime {
  int year = 0;
  int month = 0;      // 1..12
  int dayOfWeek = 0;  // 0 = Sunday
  int day = 0;        // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

FileTime FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds);
// A file time converted to host local time (no device clock offset: file
// times are real times).
SystemTime FileTimeToLocal(FileTime time);

// Device local time = host local time + the device clock offset.
SystemTime GetDeviceLocalTime();
// Seconds added to the host clock to give the device clock (0 at start;
// the settings store keeps it across runs).
std::int64_t DeviceClockOffset();
void SetDeviceClockOffset(std::int64_t seconds);
// Moves the device clock (never the host's) so that its local time is now
// `time`; InvalidParameter for an impossible date or time of day.
Status SetDeviceLocalTime(const SystemTime& time);

// True for a real calendar date (years 1601..30827) and time of day
// (31 June is not); the day of the week is not checked.
bool IsValidSystemTime(const SystemTime& time);

}  // namespace tessera::platform
