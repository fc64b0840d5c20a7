// The numbered messages of the interpreter: built-in Japanese defaults,
// replaceable one by one from the message file beside the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessera {

inline constexpr std::uint32_t kMessageCount = 161;
// The error prefix keeps at most this many characters of message 1.
inline constexpr std::size_t kErrorPrefixMax = 32;

extern const char16_t* const kDefaultMessageTexts[kMessageCount];

// Message ids the interpreter core names in code.
namespace msg {
inline constexpr std::uint32_t kErrorPrefix = 1;
inline constexpr std::uint32_t kEchoIs = 5;
inline constexpr std::uint32_t kOutOfMemory = 16;
inline constexpr std::uint32_t kWriteFailed = 43;
inline constexpr std::uint32_t kCommandNotFound = 62;
inline constexpr std::uint32_t kFileIsReadOnly = 68;
inline constexpr std::uint32_t kOutputIsDirectory = 73;
inline constexpr std::uint32_t kDateFormat = 99;
inline constexpr std::uint32_t kTimeFormat = 100;
inline constexpr std::uint32_t kStopQuestion = 109;
inline constexpr std::uint32_t kBatchStopQuestion = 110;
inline constexpr std::uint32_t kNoHelpEntry = 111;
inline constexpr std::uint32_t kPauseText = 117;
inline constexpr std::uint32_t kSameAs = 118;
}  // namespace msg

// The current text of a message; empty for an unknown id or an empty slot.
std::u16string_view GetMessageText(std::uint32_t id);
// Replaces a message; id 1 sets the error prefix (first 32 characters).
// Ids of 161 and above are ignored.
void SetMessageText(std::uint32_t id, std::u16string_view text);
// The text put in front of every error line (message 1); initially empty.
std::u16string_view ErrorPrefix();
// Puts every message back to its built-in text and empties the prefix
// (at program end, and between tests).
void FreeMessageTexts();

}  // namespace tessera
