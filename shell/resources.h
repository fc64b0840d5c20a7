// Window texts looked up by identifier in the active resource module.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessera {

// One entry of a compiled string table; a table ends with id 0.
struct StringResource {
  std::uint32_t id;
  const char16_t* text;
};

// The program's own (English) string table.
extern const StringResource tessera_program_strings[];

// A module's resources: the program itself, or a language library whose
// table was found by symbol.
class ResourceModule {
 public:
  explicit ResourceModule(const StringResource* table) : table_(table) {}
  std::optional<std::u16string> LoadString(std::uint32_t id) const;

 private:
  const StringResource* table_;
};

// The module looked up first; the program's own until a language library
// replaces it.
const ResourceModule& ActiveResources();
void SetActiveResources(const StringResource* table);
// A string of the active module, falling back to the program's table.
std::u16string LoadResourceString(std::uint32_t id);

}  // namespace tessera
