// The texts of the list's Size and Time columns.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/filetime.h"

namespace tessera::browser {

// Empty for a folder; "%d " up to 1024 bytes; "%dK" (kilobytes, one more
// than the whole number) up to 1048576 bytes; "%.2fM" above.
std::u16string SizeText(const platform::FileInfo& info);

// Empty for a zero time. The time in local time: "hh:mm" when it falls on
// `today`, else "yy/mm/dd".
std::u16string TimeText(platform::FileTime time, const platform::SystemTime& today);
// The same, with today's date from the device clock.
std::u16string TimeText(platform::FileTime time);

}  // namespace tessera::browser
