// Language libraries: shared libraries in the folder "Language" beside the
// program that carry the window's resources in another language and name
// the message and help files that go with them. The program's own resources
// count as the built-in language "English".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shared_library.h"
#include "shell/resource_table.h"

namespace tessera {

// What the probe answers for the program's own path.
inline constexpr std::uint16_t kBuiltInLanguageId = 1252;
inline constexpr std::u16string_view kBuiltInHelpFile = u"HELPBRIEF.TXT";
inline constexpr std::u16string_view kBuiltInMessageFile = u"STRRESOURCE.TXT";
inline constexpr std::u16string_view kBuiltInLanguageName = u"English";
// A library must answer this version and this name (in any case).
inline constexpr int kLanguageLibraryVersion = 517;
inline constexpr std::u16string_view kLanguageLibraryAppName = u"TESSERA";

struct LanguageProbe {
  bool accepted = false;
  bool builtIn = false;  // the program's own path: nothing was loaded
  // The library's language; also set for a refused library that answered it.
  std::uint16_t languageId = 0;
  std::u16string helpBriefFile;
  std::u16string messageFile;
  // Open only for an accepted library; closing it unloads the library.
  platform::SharedLibrary library;
  // The library's resources (the program's own for the built-in language).
  const TesseraResourceTable* resources = nullptr;
};

// Loads the library at a device path and checks its exports: GetLanguageID,
// GetVersion (517), GetBASEAppName ("TESSERA") and its resource table are
// required; GetHelpBriefFileName and GetStrResourceFileName are optional. A
// library that is refused is unloaded before this returns. The program's
// own path is the built-in language, accepted without loading anything.
LanguageProbe ProbeLanguage(std::u16string_view path);

struct LanguageList {
  // Parallel lists; entry 0 is always the program itself ("English").
  std::vector<std::u16string> paths;
  std::vector<std::u16string> names;
  // The last acceptable library found whose language is the user's.
  std::u16string preferred;
};

// The program and the acceptable libraries of Language\*.DLL, in the order
// the file search gives them; each library is unloaded again. A library's
// name is its file name without its last four characters.
LanguageList EnumerateLanguages(std::uint16_t userLanguage);

}  // namespace tessera
