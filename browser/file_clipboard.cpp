#include "browser/file_clipboard.h"

#include "browser/browser_paths.h"
#include "platform/files.h"

namespace tessera::browser {

void FileClipboard::Take(ClipboardMode newMode, std::u16string_view folder,
                         std::span<const std::u16string> selected) {
  Clear();
  mode = newMode;
  sourceFolder = WithTrailingSeparator(folder);
  for (const std::u16string& name : selected) Add(name);
}

void FileClipboard::Add(std::u16string_view name) {
  if (!IsPlainName(name)) return;
  names.emplace_back(name);
  if (platform::IsDirectory(ChildPath(sourceFolder, name))) hasFolder = true;
}

void FileClipboard::DropSet() {
  mode = ClipboardMode::Copy;
  hasFolder = false;
  sourceFolder.clear();
  names.clear();
}

void FileClipboard::Clear() {
  DropSet();
  resultNames.clear();
}

}  // namespace tessera::browser
