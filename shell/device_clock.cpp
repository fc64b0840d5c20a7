#include "shell/device_clock.h"

#include <charconv>
#include <string>

#include "platform/text.h"
#include "shell/settings.h"

namespace tessera {

namespace {
constexpr std::u16string_view kClockSection = u"CLOCK";
constexpr std::u16string_view kOffsetKey = u"OFFSET_SECONDS";
}  // namespace

void LoadDeviceClock() {
  const std::string text =
      platform::Utf16ToUtf8(ReadSettingString(kClockSection, kOffsetKey, u"0"));
  long long offset = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), offset);
  // A damaged value means no offset.
  platform::SetDeviceClockOffset(error == std::errc() && end == text.data() + text.size() ? offset
                                                                                          : 0);
}

platform::Status SetDeviceClock(const platform::SystemTime& time) {
  if (const platform::Status set = platform::SetDeviceLocalTime(time); !set.ok()) return set;
  const std::string offset = std::to_string(platform::DeviceClockOffset());
  return WriteSettingString(kClockSection, kOffsetKey, platform::Utf8ToUtf16(offset));
}

}  // namespace tessera
