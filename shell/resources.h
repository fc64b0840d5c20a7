// Window texts, menus, dialog texts and accelerators, looked up by
// identifier in the active resource module: the program's own table, or the
// table of the language library chosen at start-up. What the active module
// lacks is taken from the program's table, so that an incomplete library
// still leaves a usable window; every such miss is noted.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/resource_table.h"

namespace tessera {

// The program's own (English) table.
extern const TesseraResourceTable kProgramResources;

// One module's table.
class ResourceModule {
 public:
  explicit ResourceModule(const TesseraResourceTable* table) : table_(table) {}
  const TesseraResourceTable* table() const { return table_; }

  std::optional<std::u16string_view> String(std::uint32_t id) const;
  const TesseraMenu* Menu(std::uint32_t id) const;
  const TesseraDialog* Dialog(std::uint32_t id) const;
  const TesseraAcceleratorTable* Accelerators(std::uint32_t id) const;

  std::span<const TesseraResourceString> Strings() const;
  std::span<const TesseraMenu> Menus() const;
  std::span<const TesseraDialog> Dialogs() const;
  std::span<const TesseraAcceleratorTable> AcceleratorTables() const;

 private:
  const TesseraResourceTable* table_;
};

std::span<const TesseraMenuItem> ItemsOf(const TesseraMenu& menu);
std::span<const TesseraDialogControl> ControlsOf(const TesseraDialog& dialog);
std::span<const TesseraAccelerator> EntriesOf(const TesseraAcceleratorTable& table);
std::optional<std::u16string_view> ControlText(const TesseraDialog& dialog, std::uint32_t control);

const ResourceModule& ProgramResources();
const ResourceModule& ActiveResources();
// Makes a library's table the active module; null gives the program's back.
void SetActiveResources(const TesseraResourceTable* table);

// A string of the active module; empty when neither module has it.
std::u16string LoadResourceString(std::uint32_t id);
// Menu, dialog and accelerator table of the active module; null when
// neither module has it.
const TesseraMenu* LoadMenuResource(std::uint32_t id);
const TesseraDialog* LoadDialogResource(std::uint32_t id);
const TesseraAcceleratorTable* LoadAcceleratorResource(std::uint32_t id);
// A dialog's title and a control's text; empty when missing.
std::u16string LoadDialogTitle(std::uint32_t dialog);
std::u16string LoadControlText(std::uint32_t dialog, std::uint32_t control);

enum class ResourceKind { String, Menu, Dialog, Control, Accelerators };

// A resource the program asked for that the active module lacked.
struct MissingResource {
  ResourceKind kind;
  std::uint32_t id;       // for a control: its dialog
  std::uint32_t control;  // for a control: its identifier; else 0
  bool inProgram;         // the program's table had it
  bool operator==(const MissingResource&) const = default;
};
// Every miss since the last ForgetMissingResources, each once, oldest first.
const std::vector<MissingResource>& MissingResources();
void ForgetMissingResources();

}  // namespace tessera
