#include "shell/current_directory.h"

#include <optional>
#include <vector>

#include "platform/codepage.h"
#include "platform/shared_memory.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

std::optional<platform::SharedMemoryBlock>& Block() {
  static std::optional<platform::SharedMemoryBlock> block;
  return block;
}

constexpr std::size_t kMaxPublishedUnits = kCurrentDirectoryBlockSize / 2 - 1;

}  // namespace

bool CreateCurrentDirectoryBlock() {
  auto created =
      platform::SharedMemoryBlock::Create(kCurrentDirectoryBlock, kCurrentDirectoryBlockSize);
  if (!created.ok()) return false;
  Block() = std::move(*created);
  return true;
}

void CloseCurrentDirectoryBlock() { Block().reset(); }

std::string CurrentDirectoryBlockName() { return Block() ? Block()->hostName() : std::string(); }

std::u16string PublishedDirectoryText(std::u16string_view path) {
  std::u16string text(path.substr(0, kMaxPublishedUnits));
  TrimTrailing(text, u'\\');
  while (!text.empty() && (text.back() == u'\\' || IsBlank(text.back()))) text.pop_back();
  text += u'\\';
  if (text.size() > kMaxPublishedUnits) text.resize(kMaxPublishedUnits);
  return text;
}

bool PublishCurrentDirectory(std::u16string_view path) {
  if (!Block()) return false;
  const std::u16string text = PublishedDirectoryText(path);
  const std::string bytes =
      platform::WideToMultiByte(text + u'\0', platform::kCodePageUtf16Le).value();
  return Block()->Write(0, bytes.data(), bytes.size()).ok();
}

}  // namespace tessera
