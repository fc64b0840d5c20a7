#include "shell/resources.h"

namespace tessera {

namespace {
ResourceModule g_programModule(tessera_program_strings);
ResourceModule g_activeModule(tessera_program_strings);
}  // namespace

std::optional<std::u16string> ResourceModule::LoadString(std::uint32_t id) const {
  for (const StringResource* entry = table_; entry && entry->id != 0; ++entry) {
    if (entry->id == id) return std::u16string(entry->text);
  }
  return std::nullopt;
}

const ResourceModule& ActiveResources() { return g_activeModule; }

void SetActiveResources(const StringResource* table) {
  g_activeModule = ResourceModule(table ? table : tessera_program_strings);
}

std::u16string LoadResourceString(std::uint32_t id) {
  if (auto text = g_activeModule.LoadString(id)) return *text;
  return g_programModule.LoadString(id).value_or(std::u16string());
}

}  // namespace tessera
