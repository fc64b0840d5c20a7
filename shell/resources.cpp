#include "shell/resources.h"

#include <algorithm>

namespace tessera {

namespace {

ResourceModule g_activeModule(&kProgramResources);
std::vector<MissingResource> g_missing;

template <typename Entry>
std::span<const Entry> Span(const Entry* entries, std::uint32_t count) {
  return entries ? std::span<const Entry>(entries, count) : std::span<const Entry>();
}

// The lists are sorted by identifier.
template <typename Entry>
const Entry* FindById(std::span<const Entry> entries, std::uint32_t id) {
  const auto found =
      std::lower_bound(entries.begin(), entries.end(), id,
                       [](const Entry& entry, std::uint32_t wanted) { return entry.id < wanted; });
  return found != entries.end() && found->id == id ? &*found : nullptr;
}

void NoteMissing(ResourceKind kind, std::uint32_t id, std::uint32_t control, bool inProgram) {
  const MissingResource miss{kind, id, control, inProgram};
  if (std::find(g_missing.begin(), g_missing.end(), miss) == g_missing.end())
    g_missing.push_back(miss);
}

// Looks a resource up in the active module, else in the program's table.
template <typename Lookup>
auto LoadWithFallback(ResourceKind kind, std::uint32_t id, Lookup lookup) {
  if (auto found = lookup(ActiveResources())) return found;
  auto fallback = lookup(ProgramResources());
  NoteMissing(kind, id, 0, static_cast<bool>(fallback));
  return fallback;
}

}  // namespace

std::optional<std::u16string_view> ResourceModule::String(std::uint32_t id) const {
  if (const TesseraResourceString* entry = FindById(Strings(), id); entry && entry->text)
    return std::u16string_view(entry->text);
  return std::nullopt;
}

const TesseraMenu* ResourceModule::Menu(std::uint32_t id) const { return FindById(Menus(), id); }

const TesseraDialog* ResourceModule::Dialog(std::uint32_t id) const {
  return FindById(Dialogs(), id);
}

const TesseraAcceleratorTable* ResourceModule::Accelerators(std::uint32_t id) const {
  return FindById(AcceleratorTables(), id);
}

std::span<const TesseraResourceString> ResourceModule::Strings() const {
  return table_ ? Span(table_->strings, table_->stringCount)
                : std::span<const TesseraResourceString>();
}

std::span<const TesseraMenu> ResourceModule::Menus() const {
  return table_ ? Span(table_->menus, table_->menuCount) : std::span<const TesseraMenu>();
}

std::span<const TesseraDialog> ResourceModule::Dialogs() const {
  return table_ ? Span(table_->dialogs, table_->dialogCount) : std::span<const TesseraDialog>();
}

std::span<const TesseraAcceleratorTable> ResourceModule::AcceleratorTables() const {
  return table_ ? Span(table_->acceleratorTables, table_->acceleratorTableCount)
                : std::span<const TesseraAcceleratorTable>();
}

std::span<const TesseraMenuItem> ItemsOf(const TesseraMenu& menu) {
  return Span(menu.items, menu.itemCount);
}

std::span<const TesseraDialogControl> ControlsOf(const TesseraDialog& dialog) {
  return Span(dialog.controls, dialog.controlCount);
}

std::span<const TesseraAccelerator> EntriesOf(const TesseraAcceleratorTable& table) {
  return Span(table.entries, table.count);
}

std::optional<std::u16string_view> ControlText(const TesseraDialog& dialog, std::uint32_t control) {
  if (const TesseraDialogControl* entry = FindById(ControlsOf(dialog), control);
      entry && entry->text)
    return std::u16string_view(entry->text);
  return std::nullopt;
}

const ResourceModule& ProgramResources() {
  static const ResourceModule program(&kProgramResources);
  return program;
}

const ResourceModule& ActiveResources() { return g_activeModule; }

void SetActiveResources(const TesseraResourceTable* table) {
  g_activeModule = ResourceModule(table ? table : &kProgramResources);
}

std::u16string LoadResourceString(std::uint32_t id) {
  const auto text = LoadWithFallback(
      ResourceKind::String, id, [id](const ResourceModule& module) { return module.String(id); });
  return text ? std::u16string(*text) : std::u16string();
}

const TesseraMenu* LoadMenuResource(std::uint32_t id) {
  return LoadWithFallback(ResourceKind::Menu, id,
                          [id](const ResourceModule& module) { return module.Menu(id); });
}

const TesseraDialog* LoadDialogResource(std::uint32_t id) {
  return LoadWithFallback(ResourceKind::Dialog, id,
                          [id](const ResourceModule& module) { return module.Dialog(id); });
}

const TesseraAcceleratorTable* LoadAcceleratorResource(std::uint32_t id) {
  return LoadWithFallback(ResourceKind::Accelerators, id,
                          [id](const ResourceModule& module) { return module.Accelerators(id); });
}

std::u16string LoadDialogTitle(std::uint32_t dialog) {
  const TesseraDialog* found = LoadDialogResource(dialog);
  return found && found->title ? std::u16string(found->title) : std::u16string();
}

std::u16string LoadControlText(std::uint32_t dialog, std::uint32_t control) {
  for (const ResourceModule* module : {&ActiveResources(), &ProgramResources()}) {
    const TesseraDialog* found = module->Dialog(dialog);
    if (!found) continue;
    if (auto text = ControlText(*found, control)) {
      if (module != &ActiveResources()) NoteMissing(ResourceKind::Control, dialog, control, true);
      return std::u16string(*text);
    }
  }
  NoteMissing(ResourceKind::Control, dialog, control, false);
  return {};
}

const std::vector<MissingResource>& MissingResources() { return g_missing; }

void ForgetMissingResources() { g_missing.clear(); }

}  // namespace tessera
