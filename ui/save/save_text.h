// Saving the console's text to a file: the checks of the typed name, the
// folders created on the way, and the writing. Questions and failures are
// told through a prompt channel, so that it runs without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "browser/prompts.h"
#include "ui/save/save_encoding.h"

namespace tessera::save {

// String identifiers of the texts saving shows.
namespace text {
inline constexpr std::uint32_t kOutputIsFolder = 40010;
inline constexpr std::uint32_t kClearReadOnlyQuestion = 40011;
inline constexpr std::uint32_t kAttributesFailed = 40012;
inline constexpr std::uint32_t kFolderCreateFailed = 40013;
inline constexpr std::uint32_t kFileWhereFolder = 40014;
inline constexpr std::uint32_t kOverwriteQuestion = 40015;
inline constexpr std::uint32_t kOpenFailed = 40016;
inline constexpr std::uint32_t kNoMemory = 40017;
inline constexpr std::uint32_t kWriteFailed = 40018;
inline constexpr std::uint32_t kNoCurrentDirectory = 40019;
inline constexpr std::uint32_t kNameMissing = 40020;
inline constexpr std::uint32_t kCreateFolderQuestion = 40021;
inline constexpr std::uint32_t kCharactersLostQuestion = 40023;
}  // namespace text

struct SaveRequest {
  std::u16string typedName;  // the name edit's text
  SaveEncoding encoding = SaveEncoding::Unicode;
  std::u16string text;  // with CR LF line ends
  // The window's CUR DIR ("" for the root); nothing when it has none.
  std::optional<std::u16string> currentDirectory;
};

enum class SaveOutcome {
  Stay,    // nothing written: the user corrects the name or chooses again
  Saved,   // the file holds the text
  Failed,  // writing or converting failed after the user was told; the dialog closes
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Stay;
  std::u16string path;  // the file's device path once it was resolved
};

// The name as a device path: trimmed; one beginning with '\' as it stands
// ("." and ".." understood), any other joined to the current directory.
// Nothing for an empty name or a relative one without a current directory.
std::optional<std::u16string> OutputPath(const SaveRequest& request);

// Checks the name, asks before replacing a file, before clearing its
// read-only bit and before creating each missing folder of the path (from
// the root, one at a time), then writes the file anew. In Shift-JIS the
// user is first told which characters the code page cannot hold.
SaveResult SaveConsoleText(const SaveRequest& request, browser::PromptChannel& prompts);

}  // namespace tessera::save
