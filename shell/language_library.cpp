#include "shell/language_library.h"

#include "platform/device.h"
#include "platform/find.h"
#include "platform/text.h"
#include "shell/resources.h"

namespace tessera {

namespace {

using IntExport = int();
using TextExport = const char*();

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

// An optional text export, as UTF-16; empty when missing.
std::u16string OptionalText(const platform::SharedLibrary& library, std::string_view name) {
  auto* function = library.FunctionNamed<TextExport>(name);
  if (!function) return {};
  const char* text = function();
  return text ? platform::Utf8ToUtf16(text) : std::u16string();
}

}  // namespace

LanguageProbe ProbeLanguage(std::u16string_view path) {
  LanguageProbe probe;
  path = Trimmed(path);
  if (path.empty()) return probe;
  if (platform::EqualsNoCase(path, platform::ModulePath())) {
    probe.accepted = true;
    probe.builtIn = true;
    probe.languageId = kBuiltInLanguageId;
    probe.helpBriefFile = kBuiltInHelpFile;
    probe.messageFile = kBuiltInMessageFile;
    probe.resources = &kProgramResources;
    return probe;
  }

  const auto host = platform::HostPath(path);
  if (!host.ok()) return probe;
  auto opened = platform::SharedLibrary::Open(*host);
  if (!opened.ok()) return probe;
  // Unloaded when this goes, unless it is handed to the probe's result.
  platform::SharedLibrary library = std::move(opened.value());

  auto* languageId = library.FunctionNamed<IntExport>("GetLanguageID");
  if (!languageId) return probe;
  probe.languageId = static_cast<std::uint16_t>(static_cast<unsigned>(languageId()) & 0xFFFF);
  auto* version = library.FunctionNamed<IntExport>("GetVersion");
  auto* appName = library.FunctionNamed<TextExport>("GetBASEAppName");
  if (!version || !appName) return probe;
  probe.helpBriefFile = OptionalText(library, "GetHelpBriefFileName");
  probe.messageFile = OptionalText(library, "GetStrResourceFileName");

  const char* name = appName();
  if (!name || !platform::EqualsNoCase(platform::Utf8ToUtf16(name), kLanguageLibraryAppName) ||
      version() != kLanguageLibraryVersion) {
    return probe;
  }
  // Without its table the library could not show anything of its language.
  const auto* resources =
      static_cast<const TesseraResourceTable*>(library.Symbol(kResourceTableSymbol));
  if (!resources || resources->format != kResourceTableFormat) return probe;

  probe.accepted = true;
  probe.resources = resources;
  probe.library = std::move(library);
  return probe;
}

LanguageList EnumerateLanguages(std::uint16_t userLanguage) {
  LanguageList list;
  list.paths.push_back(platform::ModulePath());
  list.names.emplace_back(kBuiltInLanguageName);
  const std::u16string folder = platform::ProgramDirectory() + u"Language\\";
  const auto found = platform::FindFiles(folder + u"*.DLL");
  if (!found.ok()) return list;
  for (const platform::FindData& entry : *found) {
    if (entry.info.attributes & platform::kAttrDirectory) continue;
    const std::u16string path = folder + entry.name;
    const LanguageProbe probe = ProbeLanguage(path);
    // Only a library the program accepts can be preferred: a refused one
    // would not show its language anyway.
    if (!probe.accepted) continue;
    if (userLanguage != 0 && probe.languageId == userLanguage) list.preferred = path;
    list.paths.push_back(path);
    list.names.push_back(entry.name.substr(0, entry.name.size() - 4));
  }
  return list;
}

}  // namespace tessera
