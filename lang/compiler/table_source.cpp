#include "lang/compiler/table_source.h"

#include <cstdio>

#include "shell/resource_table.h"

namespace tessera::rescomp {

namespace {

// A u"" literal; everything outside printable ASCII is escaped, so the
// generated file reads the same under any source character set.
std::string Literal(std::u16string_view text) {
  std::string out = "u\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    char buffer[16];
    if (c == u'"' || c == u'\\' || c == u'?') {
      // '?' too: two of them could start a trigraph.
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == u'\n') {
      out += "\\n";
    } else if (c == u'\r') {
      out += "\\r";
    } else if (c == u'\t') {
      out += "\\t";
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] < 0xE000) {
      const unsigned point = 0x10000u + ((c - 0xD800u) << 10) + (text[i + 1] - 0xDC00u);
      std::snprintf(buffer, sizeof buffer, "\\U%08X", point);
      out += buffer;
      ++i;
    } else {
      std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
      out += buffer;
    }
  }
  return out + "\"";
}

std::string Number(std::uint32_t value) { return std::to_string(value); }

std::string Counted(std::size_t count, const std::string& array) {
  return count == 0 ? "0, nullptr" : Number(static_cast<std::uint32_t>(count)) + ", " + array;
}

}  // namespace

std::string TableSource(const ResourceScript& script, TableOwner owner, const std::string& origin) {
  std::string out = "// Generated from " + origin +
                    " by the resource compiler; do not edit.\n"
                    "#include \"shell/resource_table.h\"\n\nnamespace {\n\n";

  out += "const TesseraResourceString kStrings[] = {\n";
  for (const auto& [id, text] : script.strings)
    out += "    {" + Number(id) + ", " + Literal(text) + "},\n";
  if (script.strings.empty()) out += "    {0, nullptr},\n";
  out += "};\n\n";

  for (const auto& [id, items] : script.menus) {
    out += "const TesseraMenuItem kMenu" + Number(id) + "[] = {\n";
    for (const ScriptMenuItem& item : items) {
      out += "    {" + Number(item.kind) + ", " + Number(item.depth) + ", " + Number(item.command) +
             ", " + Literal(item.text) + "},\n";
    }
    out += "};\n";
  }
  if (!script.menus.empty()) {
    out += "const TesseraMenu kMenus[] = {\n";
    for (const auto& [id, items] : script.menus)
      out += "    {" + Number(id) + ", " + Counted(items.size(), "kMenu" + Number(id)) + "},\n";
    out += "};\n\n";
  }

  for (const auto& [id, dialog] : script.dialogs) {
    if (dialog.controls.empty()) continue;
    out += "const TesseraDialogControl kDialog" + Number(id) + "[] = {\n";
    for (const auto& [control, text] : dialog.controls)
      out += "    {" + Number(control) + ", " + Literal(text) + "},\n";
    out += "};\n";
  }
  if (!script.dialogs.empty()) {
    out += "const TesseraDialog kDialogs[] = {\n";
    for (const auto& [id, dialog] : script.dialogs) {
      out += "    {" + Number(id) + ", " + Literal(dialog.title) + ", " +
             Counted(dialog.controls.size(), "kDialog" + Number(id)) + "},\n";
    }
    out += "};\n\n";
  }

  for (const auto& [id, entries] : script.accelerators) {
    if (entries.empty()) continue;
    out += "const TesseraAccelerator kAccelerators" + Number(id) + "[] = {\n";
    for (const ScriptAccelerator& entry : entries)
      out += "    {" + Number(entry.command) + ", " + Literal(entry.keys) + "},\n";
    out += "};\n";
  }
  if (!script.accelerators.empty()) {
    out += "const TesseraAcceleratorTable kAcceleratorTables[] = {\n";
    for (const auto& [id, entries] : script.accelerators) {
      out += "    {" + Number(id) + ", " + Counted(entries.size(), "kAccelerators" + Number(id)) +
             "},\n";
    }
    out += "};\n\n";
  }
  out += "}  // namespace\n\n";

  const std::string body = " = {\n    kResourceTableFormat,\n    " +
                           Counted(script.strings.size(), "kStrings") + ",\n    " +
                           Counted(script.menus.size(), "kMenus") + ",\n    " +
                           Counted(script.dialogs.size(), "kDialogs") + ",\n    " +
                           Counted(script.accelerators.size(), "kAcceleratorTables") + ",\n};\n";
  if (owner == TableOwner::Program) {
    out +=
        "namespace tessera {\nextern const TesseraResourceTable kProgramResources;\n"
        "const TesseraResourceTable kProgramResources" +
        body + "}  // namespace tessera\n";
  } else {
    out += "extern \"C\" __attribute__((visibility(\"default\"))) const TesseraResourceTable " +
           std::string(kResourceTableSymbol) + body;
  }
  return out;
}

}  // namespace tessera::rescomp
