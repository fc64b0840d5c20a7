// Result codes of the interpreter's operations. Internal: the user sees
// messages and ERRORLEVEL, never a code.
#pragma once

#include <cstdint>

namespace tessera {

using ResultCode = std::uint32_t;

inline constexpr ResultCode kOk = 0;
inline constexpr ResultCode kInvalidArgument = 0x20000002;
inline constexpr ResultCode kOutOfMemory = 0x20000004;
inline constexpr ResultCode kNoCurrentDirectory = 0x20000006;
inline constexpr ResultCode kSyntaxError = 0x2000000E;
inline constexpr ResultCode kNotCarriedOut = 0x2000000F;
inline constexpr ResultCode kFileError = 0x20010002;
inline constexpr ResultCode kBatchNotFound = 0x2001000B;
inline constexpr ResultCode kCommandNotFound = 0x2001000B;
inline constexpr ResultCode kStoppedByUser = 0x20020003;

}  // namespace tessera
