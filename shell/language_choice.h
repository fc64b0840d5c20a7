// The user's choice of a language library: stored in the settings, applied
// at start-up (the library becomes the resource module for the whole run).
#pragma once

#include <cstdint>
#include <string_view>

namespace tessera {

// Chooses the resource module at start-up, before the message and help
// files are chosen: the stored library when it is still acceptable; else,
// when no language was ever chosen, the library of the user's language
// (read from the locale), which is then stored. Otherwise the program's own
// resources. The front ends call this once, right after the device is set up.
void ChooseStartupLanguage();
// The same with the user's language given (0: none).
void ChooseStartupLanguage(std::uint16_t userLanguage);

// Stores a choice of the language list for the next start: the path, the
// language and the library's help and message file names. False when the
// path is not an acceptable library or the settings cannot be written.
bool ApplyLanguageChoice(std::u16string_view path);

// The language of the resource module in use (the built-in language's
// identifier while the program's own resources are in use).
std::uint16_t CurrentUiLanguage();
// The device path of the library in use; empty for the program's own.
const std::u16string& CurrentLanguageLibraryPath();

// Puts the program's own resources back and unloads the library.
void ReleaseLanguageLibrary();

}  // namespace tessera
