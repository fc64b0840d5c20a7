#include "shell/name_index.h"

#include "shell/shell_context.h"

namespace tessera {

std::uint64_t NameIndex::Hash(std::u16string_view name) {
  // Names are short: FNV-1a over the units.
  std::uint64_t hash = 14695981039346656037u;
  for (const char16_t unit : name) hash = (hash ^ unit) * 1099511628211u;
  return hash;
}

std::size_t NameIndex::Probe(std::uint64_t hash, std::u16string_view name) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = static_cast<std::size_t>(hash) & mask;
  while (slots_[at].entry && (slots_[at].hash != hash || slots_[at].entry->name != name)) {
    at = (at + 1) & mask;
  }
  return at;
}

NameIndex::Found NameIndex::Find(std::u16string_view name) const {
  if (used_ == 0) return {};
  const Slot& slot = slots_[Probe(Hash(name), name)];
  return {slot.entry, slot.order};
}

void NameIndex::Add(ContextValue* entry, std::uint64_t order) {
  // At most three quarters full, so that every search ends at a free slot.
  if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::uint64_t hash = Hash(entry->name);
  slots_[Probe(hash, entry->name)] = {hash, entry, order};
  ++used_;
}

void NameIndex::Remove(std::u16string_view name) {
  if (used_ == 0) return;
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = Probe(Hash(name), name);
  if (!slots_[hole].entry) return;
  // Later slots of the same run move up into the hole when their search
  // would pass it, so that no search ends early at a freed slot.
  for (std::size_t next = (hole + 1) & mask; slots_[next].entry; next = (next + 1) & mask) {
    const std::size_t home = static_cast<std::size_t>(slots_[next].hash) & mask;
    const bool passesHole =
        hole <= next ? (home <= hole || home > next) : (home <= hole && home > next);
    if (passesHole) {
      slots_[hole] = slots_[next];
      hole = next;
    }
  }
  slots_[hole] = Slot();
  --used_;
}

void NameIndex::Clear() {
  slots_.clear();
  used_ = 0;
}

void NameIndex::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 32 : old.size() * 2, Slot());
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.entry) continue;
    std::size_t at = static_cast<std::size_t>(slot.hash) & mask;
    while (slots_[at].entry) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace tessera
