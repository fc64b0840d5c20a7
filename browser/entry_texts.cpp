#include "browser/entry_texts.h"

#include <charconv>

#include "shell/format.h"

namespace tessera::browser {

namespace {

constexpr std::uint64_t kKilobyte = 1024;
constexpr std::uint64_t kMegabyte = 1024 * 1024;

// Megabytes with two decimals, computed in single precision.
std::u16string MegabyteText(std::uint64_t size) {
  const float megabytes = static_cast<float>(size) * (1.0f / static_cast<float>(kMegabyte));
  char digits[64];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, megabytes, std::chars_format::fixed, 2);
  std::u16string text(digits, end.ptr);
  text += u'M';
  return text;
}

}  // namespace

std::u16string SizeText(const platform::FileInfo& info) {
  if (info.attributes & platform::kAttrDirectory) return {};
  // The whole 64-bit size: a file past 4 GiB shows what it holds.
  const std::uint64_t size = info.size;
  if (size <= kKilobyte) return FormatMessage(u"%d ", {static_cast<long long>(size)});
  if (size <= kMegabyte)
    return FormatMessage(u"%dK", {static_cast<long long>(size / kKilobyte + 1)});
  return MegabyteText(size);
}

std::u16string TimeText(platform::FileTime time, const platform::SystemTime& today) {
  if (time == 0) return {};
  const platform::SystemTime local = platform::FileTimeToLocal(time);
  if (local.year == today.year && local.month == today.month && local.day == today.day)
    return FormatMessage(u"%02d:%02d", {local.hour, local.minute});
  return FormatMessage(u"%02d/%02d/%02d", {local.year % 100, local.month, local.day});
}

std::u16string TimeText(platform::FileTime time) {
  return TimeText(time, platform::GetDeviceLocalTime());
}

}  // namespace tessera::browser
