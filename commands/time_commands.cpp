#include "commands/time_commands.h"

#include <array>

#include "shell/device_clock.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kTimeChangeUnsupported = 14;
constexpr std::int32_t kDateChangeUnsupported = 15;
constexpr std::int32_t kBadTime = 70;
constexpr std::int32_t kBadDate = 83;
constexpr std::int32_t kCurrentDate = 93;
constexpr std::int32_t kCurrentTime = 108;
constexpr std::size_t kArgumentLimit = 64;

// Reads three numbers separated by the given characters; the last may end
// the text. Each is taken modulo 65536, as the clock's fields are.
std::optional<std::array<long, 3>> ReadTriple(std::u16string_view text,
                                              std::u16string_view separators) {
  text = text.substr(0, kArgumentLimit);
  std::array<long, 3> parts{};
  std::size_t i = 0;
  for (std::size_t part = 0; part < 3; ++part) {
    i = SkipBlanksFrom(text, i);
    const std::size_t end = std::min(text.find_first_of(separators, i), text.size());
    if (part < 2 && end >= text.size()) return std::nullopt;  // a separator is missing
    parts[part] = ParseLong(text.substr(i, end - i)) & 0xFFFF;
    i = end + 1;
  }
  return parts;
}

ResultCode Fail(ShellContext& context, std::int32_t message) {
  ShowError(message);
  SetErrorLevel(context, 1);
  return kInvalidArgument;
}

ResultCode Apply(ShellContext& context, const platform::SystemTime& time, std::int32_t unsupported,
                 std::int32_t invalid) {
  const platform::Status set = SetDeviceClock(time);
  if (set.ok()) return kOk;
  return Fail(context, set.error() == platform::ErrorCode::NotSupported ? unsupported : invalid);
}

}  // namespace

ResultCode DateCommand(CommandCall& call) {
  const platform::SystemTime now = platform::GetDeviceLocalTime();
  if (call.arguments.empty()) {
    PrintLine(FormatMessage(GetMessageText(kCurrentDate), {now.year, now.month, now.day}));
    return kOk;
  }
  const auto parts = ReadTriple(call.arguments, u"-/");
  if (!parts || (*parts)[0] < 1970 || (*parts)[0] > 2037 || (*parts)[1] < 1 || (*parts)[1] > 12 ||
      (*parts)[2] < 1 || (*parts)[2] > 31) {
    return Fail(call.context, kBadDate);
  }
  platform::SystemTime time = now;
  time.year = static_cast<int>((*parts)[0]);
  time.month = static_cast<int>((*parts)[1]);
  time.day = static_cast<int>((*parts)[2]);
  return Apply(call.context, time, kDateChangeUnsupported, kBadDate);
}

ResultCode TimeCommand(CommandCall& call) {
  const platform::SystemTime now = platform::GetDeviceLocalTime();
  if (call.arguments.empty()) {
    PrintLine(FormatMessage(GetMessageText(kCurrentTime), {now.hour, now.minute, now.second}));
    return kOk;
  }
  const auto parts = ReadTriple(call.arguments, u":");
  if (!parts || (*parts)[0] > 23 || (*parts)[1] > 59 || (*parts)[2] > 59)
    return Fail(call.context, kBadTime);
  platform::SystemTime time = now;
  time.hour = static_cast<int>((*parts)[0]);
  time.minute = static_cast<int>((*parts)[1]);
  time.second = static_cast<int>((*parts)[2]);
  return Apply(call.context, time, kTimeChangeUnsupported, kBadTime);
}

}  // namespace tessera
