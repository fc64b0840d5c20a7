// The questions and notices of the file operations. They go through an
// interface so that the operations run and are tested without a window;
// their texts come from the string table so that a language library can
// replace them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/host.h"

namespace tessera::browser {

// Shows message boxes for the file operations (the dialog implements it
// with its own message boxes).
class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows the request and gives the button chosen; blocks until answered.
  // An empty caption stands for the application title.
  virtual MessageBoxAnswer Ask(const MessageBoxRequest& request) = 0;
};

// Buttons, icon and the button Enter chooses.
struct PromptStyle {
  MessageBoxButtons buttons;
  MessageBoxIcon icon;
  MessageBoxAnswer defaultAnswer;
};

// OK with the stop icon.
inline constexpr PromptStyle kNoticeStyle{MessageBoxButtons::Ok, MessageBoxIcon::Error,
                                          MessageBoxAnswer::Ok};
inline constexpr PromptStyle kOkCancelStyle{MessageBoxButtons::OkCancel, MessageBoxIcon::None,
                                            MessageBoxAnswer::Ok};
inline constexpr PromptStyle kOkCancelStopStyle{MessageBoxButtons::OkCancel, MessageBoxIcon::Error,
                                                MessageBoxAnswer::Ok};
inline constexpr PromptStyle kOkCancelQuestionStyle{MessageBoxButtons::OkCancel,
                                                    MessageBoxIcon::Question, MessageBoxAnswer::Ok};
// Yes, No and Cancel with the question icon; No is the default.
inline constexpr PromptStyle kYesNoCancelStyle{MessageBoxButtons::YesNoCancel,
                                               MessageBoxIcon::Question, MessageBoxAnswer::No};
// Yes and No with the question icon; No is the default.
inline constexpr PromptStyle kYesNoStyle{MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                                         MessageBoxAnswer::No};

// String identifiers of the texts the file operations show.
namespace text {
inline constexpr std::uint32_t kDeleteSelectedQuestion = 30400;
inline constexpr std::uint32_t kDeleteSomeSkipped = 30401;
inline constexpr std::uint32_t kDeleteEntryMissing = 30023;
inline constexpr std::uint32_t kDeleteFileFailed = 30029;
inline constexpr std::uint32_t kDeleteReadOnlyQuestion = 30030;
inline constexpr std::uint32_t kDeleteAttributeFailed = 30507;

inline constexpr std::uint32_t kIntoOwnSubFolder = 30600;
inline constexpr std::uint32_t kSourceMissing = 30601;
inline constexpr std::uint32_t kSomeSkipped = 30602;
inline constexpr std::uint32_t kNamingLimit = 30603;
inline constexpr std::uint32_t kFileProcessingError = 30604;
inline constexpr std::uint32_t kMoveReadOnlyFile = 30605;
inline constexpr std::uint32_t kOverwriteError = 30606;
inline constexpr std::uint32_t kFileWhereFolder = 30607;
inline constexpr std::uint32_t kFolderWhereFile = 30608;
inline constexpr std::uint32_t kReadOnlyFolderTarget = 30609;
inline constexpr std::uint32_t kReadOnlyFileTarget = 30610;
inline constexpr std::uint32_t kAttributeChangeError = 30611;
inline constexpr std::uint32_t kOverwriteQuestion = 30612;
inline constexpr std::uint32_t kFolderCreateError = 30613;
inline constexpr std::uint32_t kMoveReadOnlyFolder = 30614;
inline constexpr std::uint32_t kFolderMoveError = 30615;
inline constexpr std::uint32_t kNotFound = 30616;
inline constexpr std::uint32_t kDeleteReadOnly = 30617;
inline constexpr std::uint32_t kFileDeleteError = 30618;
inline constexpr std::uint32_t kFolderDeleteError = 30619;
}  // namespace text

// A prompter with the caption of its message boxes.
class PromptChannel {
 public:
  PromptChannel(Prompter& prompter, std::u16string caption)
      : prompter_(prompter), caption_(std::move(caption)) {}
  // Asks string `id` of the active resources, its %s filled with `path`.
  // An answer that is not one of the style's buttons counts as its default.
  MessageBoxAnswer Ask(std::uint32_t id, const PromptStyle& style, std::u16string_view path = {});

 private:
  Prompter& prompter_;
  std::u16string caption_;
};

}  // namespace tessera::browser
