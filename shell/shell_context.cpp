#include "shell/shell_context.h"

#include <algorithm>

#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

// A prefix that many names share is looked up by walking the values in
// order instead, which stops at the first visible match.
constexpr std::size_t kMaxPrefixCandidates = 32;

}  // namespace

ShellContext::ShellContext(const ShellContext& other) {
  for (const auto& entry : other.entries()) {
    ContextValue* copy = Append(entry->name, entry->flags);
    copy->value = entry->value;
  }
}

ShellContext& ShellContext::operator=(const ShellContext& other) {
  if (this != &other) {
    ShellContext copy(other);
    *this = std::move(copy);
  }
  return *this;
}

ShellContext::ShellContext(ShellContext&& other) noexcept
    : entries_(std::move(other.entries_)),
      orders_(std::move(other.orders_)),
      index_(std::move(other.index_)),
      upperNames_(std::move(other.upperNames_)),
      nextOrder_(other.nextOrder_) {
  other.entries_.clear();
  other.orders_.clear();
  other.index_.Clear();
  other.upperNames_.clear();
}

ShellContext& ShellContext::operator=(ShellContext&& other) noexcept {
  if (this != &other) {
    entries_ = std::move(other.entries_);
    orders_ = std::move(other.orders_);
    index_ = std::move(other.index_);
    upperNames_ = std::move(other.upperNames_);
    nextOrder_ = other.nextOrder_;
    other.entries_.clear();
    other.orders_.clear();
    other.index_.Clear();
    other.upperNames_.clear();
  }
  return *this;
}

ContextValue* ShellContext::Append(std::u16string_view name, std::uint32_t flags) {
  auto entry = std::make_unique<ContextValue>();
  entry->name = std::u16string(name);
  entry->flags = flags;
  ContextValue* created = entry.get();
  const std::uint64_t order = nextOrder_++;
  entries_.push_back(std::move(entry));
  orders_.push_back(order);
  index_.Add(created, order);
  upperNames_.emplace(platform::ToUpper(name), order);
  return created;
}

ContextValue* ShellContext::FindValue(std::u16string_view name, std::uint32_t mode) {
  if (ContextValue* found = index_.Find(name).entry) return found;
  if (mode & kFindOnly) return nullptr;
  return Append(name, (mode & kCreateHidden) ? std::uint32_t{kValueHidden} : 0u);
}

const ContextValue* ShellContext::FindValue(std::u16string_view name) const {
  return index_.Find(name).entry;
}

const std::u16string* ShellContext::GetValueText(std::u16string_view name) const {
  const ContextValue* entry = FindValue(name);
  return (entry && entry->value) ? &*entry->value : nullptr;
}

std::size_t ShellContext::SlotOf(std::uint64_t order) const {
  return static_cast<std::size_t>(std::lower_bound(orders_.begin(), orders_.end(), order) -
                                  orders_.begin());
}

void ShellContext::RemoveValue(std::u16string_view name) {
  const NameIndex::Found found = index_.Find(name);
  if (!found.entry) return;
  const std::uint64_t order = found.order;
  upperNames_.erase({platform::ToUpper(name), order});
  index_.Remove(name);
  entries_[SlotOf(order)].reset();
  // Gaps are closed once they are as many as the entries, so that removing
  // stays cheap on average and the list never grows without bound.
  if (entries_.size() >= 2 * index_.size() + 16) Compact();
}

void ShellContext::Compact() const {
  if (entries_.size() == index_.size()) return;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!entries_[i]) continue;
    entries_[kept] = std::move(entries_[i]);
    orders_[kept] = orders_[i];
    ++kept;
  }
  entries_.resize(kept);
  orders_.resize(kept);
}

const std::vector<std::unique_ptr<ContextValue>>& ShellContext::entries() const {
  Compact();
  return entries_;
}

ContextValue& ShellContext::Set(std::u16string_view name, std::u16string_view value,
                                std::uint32_t flagsIfCreated) {
  ContextValue* entry = FindValue(name, kFindOnly);
  if (!entry) entry = Append(name, flagsIfCreated);
  entry->value = std::u16string(value);
  return *entry;
}

const ContextValue* ShellContext::FindVisibleByPrefix(std::u16string_view prefix) const {
  const std::u16string upper = platform::ToUpper(prefix);
  const ContextValue* best = nullptr;
  std::uint64_t bestOrder = 0;
  std::size_t candidates = 0;
  for (auto it = upperNames_.lower_bound({upper, 0}); it != upperNames_.end(); ++it) {
    if (it->first.compare(0, upper.size(), upper) != 0) return best;
    if (++candidates > kMaxPrefixCandidates) break;
    if (best && it->second > bestOrder) continue;
    const ContextValue* entry = entries_[SlotOf(it->second)].get();
    if (entry->flags & kValueHidden) continue;
    best = entry;
    bestOrder = it->second;
  }
  if (candidates <= kMaxPrefixCandidates) return best;
  for (const auto& entry : entries_) {
    if (!entry || (entry->flags & kValueHidden)) continue;
    if (platform::StartsWithNoCase(entry->name, prefix)) return entry.get();
  }
  return nullptr;
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
