// The index of a ShellContext's names: each name to its entry and creation
// number, found by hashing the name. Open addressing over a power-of-two
// table, so that a lookup costs a hash and one or two probes however many
// names there are (a batch file may make tens of thousands).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessera {

struct ContextValue;

class NameIndex {
 public:
  struct Found {
    ContextValue* entry = nullptr;
    std::uint64_t order = 0;
  };

  // The entry of that name (compared exactly), or none.
  Found Find(std::u16string_view name) const;
  // Adds an entry whose name is not in the index yet.
  void Add(ContextValue* entry, std::uint64_t order);
  // Takes the name out; an absent name is no error.
  void Remove(std::u16string_view name);
  void Clear();

  std::size_t size() const { return used_; }
  bool empty() const { return used_ == 0; }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    ContextValue* entry = nullptr;  // null: the slot is free
    std::uint64_t order = 0;
  };
  static std::uint64_t Hash(std::u16string_view name);
  // The slot holding the name, or the free slot where a search for it ends.
  std::size_t Probe(std::uint64_t hash, std::u16string_view name) const;
  void Grow();

  std::vector<Slot> slots_;  // empty, or a power of two long
  std::size_t used_ = 0;
};

}  // namespace tessera
