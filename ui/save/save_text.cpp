#include "ui/save/save_text.h"

#include <vector>

#include "browser/typed_name.h"
#include "platform/files.h"
#include "shell/paths.h"

namespace tessera::save {

namespace {

using browser::kNoticeStyle;
using browser::PromptChannel;
using browser::PromptStyle;

// Questions that replace or change what is there default to No.
constexpr PromptStyle kCarefulQuestion{MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                                       MessageBoxAnswer::No};
constexpr PromptStyle kQuestion{MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                                MessageBoxAnswer::Yes};

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// False when the user keeps the existing file (or it cannot be replaced).
bool MayReplace(const std::u16string& path, const platform::FileInfo& info,
                PromptChannel& prompts) {
  if (info.attributes & platform::kAttrDirectory) {
    prompts.Ask(text::kOutputIsFolder, kNoticeStyle, path);
    return false;
  }
  if (info.attributes & platform::kAttrReadOnly) {
    if (prompts.Ask(text::kClearReadOnlyQuestion, kCarefulQuestion) != MessageBoxAnswer::Yes)
      return false;
    if (!platform::SetFileAttributes(path, info.attributes & ~platform::kAttrReadOnly).ok()) {
      prompts.Ask(text::kAttributesFailed, kNoticeStyle);
      return false;
    }
    return true;
  }
  return prompts.Ask(text::kOverwriteQuestion, kCarefulQuestion, path) == MessageBoxAnswer::Yes;
}

// Creates the missing folders of path's parent, from the root down, each
// after the user agreed; false when one is refused or cannot be made.
bool MakeFolders(std::u16string_view path, PromptChannel& prompts) {
  for (std::size_t slash = path.find(u'\\', 1); slash != std::u16string_view::npos;
       slash = path.find(u'\\', slash + 1)) {
    const std::u16string folder(path.substr(0, slash));
    const auto info = platform::GetFileInfo(folder);
    if (info.ok()) {
      if (info->attributes & platform::kAttrDirectory) continue;
      prompts.Ask(text::kFileWhereFolder, kNoticeStyle, folder);
      return false;
    }
    if (prompts.Ask(text::kCreateFolderQuestion, kQuestion, folder) != MessageBoxAnswer::Yes)
      return false;
    if (!platform::CreateDirectory(folder).ok()) {
      prompts.Ask(text::kFolderCreateFailed, kNoticeStyle, folder);
      return false;
    }
  }
  return true;
}

SaveResult Failed(PromptChannel& prompts, std::uint32_t id, std::u16string path) {
  prompts.Ask(id, kNoticeStyle);
  return {SaveOutcome::Failed, std::move(path)};
}

}  // namespace

std::optional<std::u16string> OutputPath(const SaveRequest& request) {
  const std::u16string_view name = Trimmed(request.typedName);
  if (name.empty()) return std::nullopt;
  if (name.front() == u'\\') return browser::ShownPath(JoinPath(u"", name));
  if (!request.currentDirectory) return std::nullopt;
  return browser::ShownPath(JoinPath(*request.currentDirectory, name));
}

SaveResult SaveConsoleText(const SaveRequest& request, PromptChannel& prompts) {
  if (Trimmed(request.typedName).empty()) {
    prompts.Ask(text::kNameMissing, kNoticeStyle);
    return {};
  }
  const std::optional<std::u16string> path = OutputPath(request);
  if (!path) {
    prompts.Ask(text::kNoCurrentDirectory, kNoticeStyle);
    return {};
  }
  SaveResult result{SaveOutcome::Stay, *path};
  // Converted before anything on the device changes.
  auto encoded = EncodeForSaving(request.text, request.encoding);
  if (!encoded.ok()) return Failed(prompts, text::kNoMemory, *path);
  if (!encoded->lost.empty() &&
      prompts.Ask(text::kCharactersLostQuestion, kCarefulQuestion,
                  LostCharactersText(encoded->lost)) != MessageBoxAnswer::Yes)
    return result;

  if (const auto info = platform::GetFileInfo(*path); info.ok()) {
    if (!MayReplace(*path, *info, prompts)) return result;
  } else if (!MakeFolders(*path, prompts)) {
    return result;
  }
  auto file = platform::File::Open(*path, platform::OpenMode::CreateAlways);
  if (!file.ok()) {
    prompts.Ask(text::kOpenFailed, kNoticeStyle, *path);
    return result;
  }
  const std::string& bytes = encoded->bytes;
  if (!file->Write(bytes.data(), bytes.size()).ok() || !file->Close().ok())
    return Failed(prompts, text::kWriteFailed, *path);
  result.outcome = SaveOutcome::Saved;
  return result;
}

}  // namespace tessera::save
