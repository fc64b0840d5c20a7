#include "platform/filetime.h"

#include <time.h>

namespace tessera::platform {

namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kUnixEpochInFileTime = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10'000'000;

std::int64_t& Offset() {
  static std::int64_t offset = 0;
  return offset;
}

SystemTime FromTm(const struct tm& tm, int milliseconds) {
  SystemTime out;
  out.year = tm.tm_year + 1900;
  out.month = tm.tm_mon + 1;
  out.dayOfWeek = tm.tm_wday;
  out.day = tm.tm_mday;
  out.hour = tm.tm_hour;
  out.minute = tm.tm_min;
  out.second = tm.tm_sec;
  out.milliseconds = milliseconds;
  return out;
}

SystemTime LocalFromUnix(std::int64_t seconds, int milliseconds) {
  const time_t t = static_cast<time_t>(seconds);
  struct tm tm;
  if (localtime_r(&t, &tm) == nullptr) return SystemTime();
  return FromTm(tm, milliseconds);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

FileTime FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds) {
  const std::int64_t since1601 = seconds + kUnixEpochInFileTime;
  if (since1601 < 0) return 0;  // before 1601: the earliest file time
  return static_cast<FileTime>(since1601) * kTicksPerSecond +
         static_cast<FileTime>(nanoseconds < 0 ? 0 : nanoseconds / 100);
}

SystemTime FileTimeToLocal(FileTime time) {
  const auto seconds = static_cast<std::int64_t>(time / kTicksPerSecond) - kUnixEpochInFileTime;
  const int milliseconds = static_cast<int>((time % kTicksPerSecond) / 10'000);
  return LocalFromUnix(seconds, milliseconds);
}

SystemTime GetDeviceLocalTime() {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return LocalFromUnix(static_cast<std::int64_t>(now.tv_sec) + Offset(),
                       static_cast<int>(now.tv_nsec / 1'000'000));
}

Status SetDeviceLocalTime(const SystemTime& time) {
  if (!IsValidSystemTime(time)) return ErrorCode::InvalidParameter;
  struct tm tm = {};
  tm.tm_year = time.year - 1900;
  tm.tm_mon = time.month - 1;
  tm.tm_mday = time.day;
  tm.tm_hour = time.hour;
  tm.tm_min = time.minute;
  tm.tm_sec = time.second;
  tm.tm_isdst = -1;  // let the host's zone rules decide
  const time_t wanted = mktime(&tm);
  if (wanted == static_cast<time_t>(-1)) return ErrorCode::InvalidParameter;
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  Offset() = static_cast<std::int64_t>(wanted) - static_cast<std::int64_t>(now.tv_sec);
  return Status::Ok();
}

std::int64_t DeviceClockOffset() { return Offset(); }

void SetDeviceClockOffset(std::int64_t seconds) { Offset() = seconds; }

bool IsValidSystemTime(const SystemTime& time) {
  if (time.year < 1601 || time.year > 30827) return false;
  if (time.month < 1 || time.month > 12) return false;
  if (time.day < 1 || time.day > DaysInMonth(time.year, time.month)) return false;
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59) return false;
  if (time.second < 0 || time.second > 59) return false;
  return time.milliseconds >= 0 && time.milliseconds <= 999;
}

}  // namespace tessera::platform
