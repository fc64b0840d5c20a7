#include "commands/path_limits.h"

#include "platform/device.h"
#include "shell/output.h"

namespace tessera {

namespace {
constexpr std::int32_t kPathTooLongMessage = 39;
}

bool IsTooLongPath(std::u16string_view path) { return path.size() > platform::kMaxDevicePath; }

void ShowPathTooLong(std::u16string_view path) { ShowError(kPathTooLongMessage, path); }

}  // namespace tessera
