// The device clock: host time plus an offset the settings keep, so that
// setting the date or time never touches the host's clock.
#pragma once

#include "platform/filetime.h"
#include "platform/result.h"

namespace tessera {

// Takes the stored offset into use (at start-up).
void LoadDeviceClock();
// Sets the device's local time and stores the new offset. InvalidParameter
// for an impossible date or time.
platform::Status SetDeviceClock(const platform::SystemTime& time);

}  // namespace tessera
