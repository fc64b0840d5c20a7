// The resource tables the program and its language libraries carry: every
// library has every resource of the program, with the same placeholders,
// menu commands, dialog controls and keys, and answers its exports as a
// library of its language must.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "platform/shared_library.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/language_library.h"
#include "shell/resources.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

struct ShippedLibrary {
  std::string name;
  platform::SharedLibrary library;
  const TesseraResourceTable* table = nullptr;

  int Int(const char* name) const {
    auto* function = library.FunctionNamed<int()>(name);
    return function ? function() : -1;
  }
  std::string Text(const char* name) const {
    auto* function = library.FunctionNamed<const char*()>(name);
    return function && function() ? function() : "<none>";
  }
};

// Every library in the build's Language folder, found as the program finds
// them: the names ending in ".DLL" in any case.
std::vector<ShippedLibrary> ShippedLibraries() {
  std::vector<ShippedLibrary> libraries;
  for (const auto& entry : fs::directory_iterator(TESSERA_LANGUAGE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.size() < 4 ||
        !platform::EqualsNoCase(platform::Utf8ToUtf16(name.substr(name.size() - 4)), u".DLL"))
      continue;
    auto opened = platform::SharedLibrary::Open(entry.path().string());
    EXPECT_TRUE(opened.ok()) << name << ": " << platform::LastLoadError();
    if (!opened.ok()) continue;
    ShippedLibrary shipped{name, std::move(opened.value()), nullptr};
    shipped.table =
        static_cast<const TesseraResourceTable*>(shipped.library.Symbol(kResourceTableSymbol));
    libraries.push_back(std::move(shipped));
  }
  std::sort(libraries.begin(), libraries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return libraries;
}

TEST(ResourceTables, ThreeLibrariesShipWithTheirLanguagesAndFiles) {
  const auto libraries = ShippedLibraries();
  ASSERT_EQ(libraries.size(), 3u);
  const struct {
    const char* name;
    int language;
    const char* help;
    const char* messages;
  } expected[] = {
      {"English (messages too).DLL", 1033, "HELPBRIEF_ENU.TXT", "STRRESOURCE_ENU.TXT"},
      {"Hanzi.dll", 2052, "HELPBRIEF_CHS.TXT", "STRRESOURCE_CHS.TXT"},
      {"Japanese.DLL", 1041, "HELPBRIEF.TXT", "STRRESOURCE.TXT"},
  };
  for (std::size_t i = 0; i < libraries.size(); ++i) {
    const ShippedLibrary& library = libraries[i];
    EXPECT_EQ(library.name, expected[i].name);
    EXPECT_EQ(library.Int("GetLanguageID") & 0xFFFF, expected[i].language) << library.name;
    EXPECT_EQ(library.Int("GetVersion"), kLanguageLibraryVersion) << library.name;
    EXPECT_EQ(library.Text("GetBASEAppName"), "TESSERA") << library.name;
    EXPECT_EQ(library.Text("GetHelpBriefFileName"), expected[i].help) << library.name;
    EXPECT_EQ(library.Text("GetStrResourceFileName"), expected[i].messages) << library.name;
    ASSERT_NE(library.table, nullptr) << library.name;
    EXPECT_EQ(library.table->format, kResourceTableFormat);
    // The strings the interpreter reads the file names from say the same.
    const ResourceModule module(library.table);
    EXPECT_EQ(Utf8(module.String(37502).value_or(u"")), expected[i].messages) << library.name;
    EXPECT_EQ(Utf8(module.String(37503).value_or(u"")), expected[i].help) << library.name;
    // The files it names are shipped beside the program (the program's own
    // message texts are built in: STRRESOURCE.TXT is the user's own file).
    EXPECT_TRUE(fs::exists(fs::path(TESSERA_BUILD_DIR) / expected[i].help)) << expected[i].help;
    if (std::string(expected[i].messages) != "STRRESOURCE.TXT") {
      EXPECT_TRUE(fs::exists(fs::path(TESSERA_BUILD_DIR) / expected[i].messages));
    }
  }
}

TEST(ResourceTables, ListsAreSortedForTheLookUp) {
  std::vector<const TesseraResourceTable*> tables{&kProgramResources};
  const auto libraries = ShippedLibraries();
  for (const auto& library : libraries) tables.push_back(library.table);
  for (const TesseraResourceTable* table : tables) {
    ASSERT_NE(table, nullptr);
    const ResourceModule module(table);
    const auto ascending = [](const auto& list) {
      return std::adjacent_find(list.begin(), list.end(), [](const auto& a, const auto& b) {
               return a.id >= b.id;
             }) == list.end();
    };
    EXPECT_TRUE(ascending(module.Strings()));
    EXPECT_TRUE(ascending(module.Menus()));
    EXPECT_TRUE(ascending(module.Dialogs()));
    EXPECT_TRUE(ascending(module.AcceleratorTables()));
    for (const TesseraDialog& dialog : module.Dialogs()) EXPECT_TRUE(ascending(ControlsOf(dialog)));
  }
}

// What must match between the program and a library, besides the texts.
std::vector<std::string> MenuShape(const TesseraMenu& menu) {
  std::vector<std::string> shape;
  for (const TesseraMenuItem& item : ItemsOf(menu)) {
    shape.push_back(std::to_string(item.kind) + "/" + std::to_string(item.depth) + "/" +
                    std::to_string(item.command));
  }
  return shape;
}

std::set<std::uint32_t> ControlIds(const TesseraDialog& dialog) {
  std::set<std::uint32_t> ids;
  for (const TesseraDialogControl& control : ControlsOf(dialog)) ids.insert(control.id);
  return ids;
}

std::map<std::u16string, std::uint32_t> Keys(const TesseraAcceleratorTable& table) {
  std::map<std::u16string, std::uint32_t> keys;
  for (const TesseraAccelerator& entry : EntriesOf(table)) keys[entry.keys] = entry.command;
  return keys;
}

TEST(ResourceTables, EveryLibraryHasEveryResourceOfTheProgramInTheSameShape) {
  const ResourceModule& program = ProgramResources();
  for (const ShippedLibrary& library : ShippedLibraries()) {
    ASSERT_NE(library.table, nullptr) << library.name;
    const ResourceModule module(library.table);
    SCOPED_TRACE(library.name);

    EXPECT_EQ(module.Strings().size(), program.Strings().size());
    for (const TesseraResourceString& string : program.Strings()) {
      const auto text = module.String(string.id);
      ASSERT_TRUE(text) << "string " << string.id;
      EXPECT_EQ(FormatPlaceholders(*text), FormatPlaceholders(string.text))
          << "string " << string.id << ": " << Utf8(*text);
      if (*string.text) {
        EXPECT_FALSE(text->empty()) << "string " << string.id;
      }
    }

    EXPECT_EQ(module.Menus().size(), program.Menus().size());
    for (const TesseraMenu& menu : program.Menus()) {
      const TesseraMenu* translated = module.Menu(menu.id);
      ASSERT_NE(translated, nullptr) << "menu " << menu.id;
      EXPECT_EQ(MenuShape(*translated), MenuShape(menu)) << "menu " << menu.id;
      for (const TesseraMenuItem& item : ItemsOf(*translated)) {
        if (item.kind != kMenuSeparator) {
          EXPECT_NE(*item.text, u'\0') << "menu " << menu.id;
        }
      }
    }

    EXPECT_EQ(module.Dialogs().size(), program.Dialogs().size());
    for (const TesseraDialog& dialog : program.Dialogs()) {
      const TesseraDialog* translated = module.Dialog(dialog.id);
      ASSERT_NE(translated, nullptr) << "dialog " << dialog.id;
      EXPECT_EQ(ControlIds(*translated), ControlIds(dialog)) << "dialog " << dialog.id;
      EXPECT_NE(*translated->title, u'\0') << "dialog " << dialog.id;
      for (const TesseraDialogControl& control : ControlsOf(dialog)) {
        const auto text = ControlText(*translated, control.id);
        ASSERT_TRUE(text);
        EXPECT_EQ(FormatPlaceholders(*text), FormatPlaceholders(control.text))
            << "dialog " << dialog.id << " control " << control.id;
        if (*control.text) {
          EXPECT_FALSE(text->empty()) << dialog.id << "/" << control.id;
        }
      }
    }

    EXPECT_EQ(module.AcceleratorTables().size(), program.AcceleratorTables().size());
    for (const TesseraAcceleratorTable& table : program.AcceleratorTables()) {
      const TesseraAcceleratorTable* translated = module.Accelerators(table.id);
      ASSERT_NE(translated, nullptr) << "accelerators " << table.id;
      EXPECT_EQ(Keys(*translated), Keys(table)) << "accelerators " << table.id;
    }
  }
}

TEST(ResourceTables, TheProgramHasTheResourcesOfEveryWindowAndDialog) {
  // The window and the dialogs that are built on these identifiers.
  const ResourceModule& program = ProgramResources();
  for (std::uint32_t menu : {128u, 134u, 137u, 144u, 147u, 149u})
    EXPECT_NE(program.Menu(menu), nullptr) << "menu " << menu;
  for (std::uint32_t dialog :
       {100u, 109u, 112u, 113u, 117u, 118u, 119u, 120u, 121u, 136u, 147u, 150u, 153u, 203u})
    EXPECT_NE(program.Dialog(dialog), nullptr) << "dialog " << dialog;
  EXPECT_NE(program.Accelerators(128), nullptr);
  EXPECT_NE(program.Accelerators(137), nullptr);
  std::vector<std::uint32_t> strings{30023, 30029, 30030, 30044, 30400, 30401, 30402,
                                     30507, 32802, 37000, 37004, 37006, 37502, 37503,
                                     40024, 40038, 40042, 40043, 40050, 57344};
  const std::pair<std::uint32_t, std::uint32_t> ranges[] = {
      {30307, 30310}, {30317, 30319}, {30600, 30619}, {31001, 31004}, {31006, 31006},
      {32830, 32838}, {35000, 35009}, {37011, 37014}, {37027, 37029}, {40010, 40023}};
  for (const auto& [first, last] : ranges) {
    for (std::uint32_t id = first; id <= last; ++id) strings.push_back(id);
  }
  for (std::uint32_t id : strings) EXPECT_TRUE(program.String(id)) << "string " << id;
  // Texts the window shows as they stand.
  EXPECT_EQ(program.String(57344), u"Tessera");
  EXPECT_EQ(program.String(32830),
            u"This change of user interface language will be effective after next Tessera starts.");
  EXPECT_EQ(program.String(40038), u"Please select a Language for application UI on the list.");
  EXPECT_EQ(program.Dialog(147)->title, std::u16string_view(u"Select UI Language"));
}

TEST(ResourceTables, TheActiveModuleFallsBackToTheProgramAndNotesWhatItLacks) {
  // A library table with one string and nothing else.
  const TesseraResourceString strings[] = {{57344, u"Titel"}};
  const TesseraResourceTable table{
      kResourceTableFormat, 1, strings, 0, nullptr, 0, nullptr, 0, nullptr};
  ForgetMissingResources();
  SetActiveResources(&table);
  EXPECT_EQ(LoadResourceString(57344), u"Titel");
  EXPECT_EQ(LoadResourceString(30318), u"Input");
  EXPECT_EQ(LoadResourceString(12345), u"");
  EXPECT_NE(LoadMenuResource(149), nullptr);
  EXPECT_EQ(LoadDialogTitle(147), u"Select UI Language");
  EXPECT_EQ(LoadControlText(203, 1004), u"Up");
  EXPECT_EQ(LoadControlText(203, 9999), u"");
  SetActiveResources(nullptr);
  EXPECT_EQ(LoadResourceString(57344), u"Tessera");
  const std::vector<MissingResource> expected{
      {ResourceKind::String, 30318, 0, true},   {ResourceKind::String, 12345, 0, false},
      {ResourceKind::Menu, 149, 0, true},       {ResourceKind::Dialog, 147, 0, true},
      {ResourceKind::Control, 203, 1004, true}, {ResourceKind::Control, 203, 9999, false}};
  EXPECT_EQ(MissingResources(), expected);
  ForgetMissingResources();
}

}  // namespace
}  // namespace tessera
