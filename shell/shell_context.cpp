#include "shell/shell_context.h"

#include <algorithm>

#include "shell/scanner.h"

namespace tessera {

ShellContext::ShellContext(const ShellContext& other) {
  entries_.reserve(other.entries_.size());
  for (const auto& entry : other.entries_)
    entries_.push_back(std::make_unique<ContextValue>(*entry));
}

ShellContext& ShellContext::operator=(const ShellContext& other) {
  if (this != &other) {
    ShellContext copy(other);
    *this = std::move(copy);
  }
  return *this;
}

ContextValue* ShellContext::FindValue(std::u16string_view name, std::uint32_t mode) {
  for (auto& entry : entries_) {
    if (entry->name == name) return entry.get();
  }
  if (mode & kFindOnly) return nullptr;
  auto entry = std::make_unique<ContextValue>();
  entry->name = std::u16string(name);
  entry->flags = (mode & kCreateHidden) ? std::uint32_t{kValueHidden} : 0u;
  entries_.push_back(std::move(entry));
  return entries_.back().get();
}

const ContextValue* ShellContext::FindValue(std::u16string_view name) const {
  for (const auto& entry : entries_) {
    if (entry->name == name) return entry.get();
  }
  return nullptr;
}

const std::u16string* ShellContext::GetValueText(std::u16string_view name) const {
  const ContextValue* entry = FindValue(name);
  return (entry && entry->value) ? &*entry->value : nullptr;
}

void ShellContext::RemoveValue(std::u16string_view name) {
  std::erase_if(entries_, [&](const auto& entry) { return entry->name == name; });
}

ContextValue& ShellContext::Set(std::u16string_view name, std::u16string_view value,
                                std::uint32_t flagsIfCreated) {
  ContextValue* entry = FindValue(name, kFindOnly);
  if (!entry) {
    entry = FindValue(name, 0);
    entry->flags = flagsIfCreated;
  }
  entry->value = std::u16string(value);
  return *entry;
}

void SetErrorLevel(ShellContext& context, long n) {
  const std::string digits = std::to_string(n);
  context.Set(kErrorLevel, std::u16string(digits.begin(), digits.end()));
}

long GetErrorLevel(const ShellContext& context) {
  const std::u16string* text = context.GetValueText(kErrorLevel);
  return text ? ParseLong(*text) : 0;
}

}  // namespace tessera
