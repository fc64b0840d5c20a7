#include "browser_fixture.h"

#include "platform/files.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/resources.h"

namespace tessera::browser::testing {

std::u16string U(const std::string& utf8) { return platform::Utf8ToUtf16(utf8); }
std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

std::string PromptText(std::uint32_t id, const std::string& path) {
  return Utf8(FormatMessage(LoadResourceString(id), {U(path)}));
}

std::vector<std::u16string> ShownNames(const std::vector<ListEntry>& entries) {
  std::vector<std::u16string> names;
  for (const ListEntry& entry : entries) names.push_back(entry.data.name);
  return names;
}

MessageBoxAnswer ScriptedPrompter::Ask(const MessageBoxRequest& request) {
  asked.push_back({Utf8(request.text), request.buttons, request.icon, request.defaultAnswer});
  if (answers.empty()) return request.defaultAnswer;
  const MessageBoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> ScriptedPrompter::Texts() const {
  std::vector<std::string> texts;
  for (const AskedPrompt& prompt : asked) texts.push_back(prompt.text);
  return texts;
}

platform::Status RefusingCalls::MoveFile(std::u16string_view source, std::u16string_view target) {
  if (refused.count(std::u16string(source))) return platform::ErrorCode::AccessDenied;
  return FileSystemCalls::MoveFile(source, target);
}

platform::Status RefusingCalls::DeleteFile(std::u16string_view path) {
  if (refused.count(std::u16string(path))) return platform::ErrorCode::AccessDenied;
  return FileSystemCalls::DeleteFile(path);
}

platform::Status RefusingCalls::CopyFile(std::u16string_view source, std::u16string_view target) {
  if (refused.count(std::u16string(source))) return platform::ErrorCode::AccessDenied;
  return FileSystemCalls::CopyFile(source, target);
}

void BrowserTest::Write(const std::string& path, const std::string& bytes) {
  root_->WriteHostFile(root_->Host(path), bytes);
}

std::string BrowserTest::Read(const std::string& path) const {
  return root_->ReadHostFile(root_->Host(path));
}

bool BrowserTest::Exists(const std::string& path) const { return platform::PathExists(U(path)); }

void BrowserTest::MakeFolder(const std::string& path) {
  ASSERT_TRUE(platform::CreateDirectory(U(path)).ok()) << path;
}

void BrowserTest::SetReadOnly(const std::string& path, bool readOnly) {
  const auto info = platform::GetFileInfo(U(path));
  ASSERT_TRUE(info.ok()) << path;
  const std::uint32_t bits = readOnly ? info->attributes | platform::kAttrReadOnly
                                      : info->attributes & ~std::uint32_t{platform::kAttrReadOnly};
  ASSERT_TRUE(platform::SetFileAttributes(U(path), bits).ok()) << path;
}

bool BrowserTest::IsReadOnly(const std::string& path) const {
  const auto info = platform::GetFileInfo(U(path));
  return info.ok() && (info->attributes & platform::kAttrReadOnly);
}

FileClipboard BrowserTest::Set(ClipboardMode mode, const std::string& folder,
                               const std::vector<std::string>& names) const {
  std::vector<std::u16string> selected;
  for (const std::string& name : names) selected.push_back(U(name));
  FileClipboard clipboard;
  clipboard.Take(mode, U(folder), selected);
  return clipboard;
}

}  // namespace tessera::browser::testing
