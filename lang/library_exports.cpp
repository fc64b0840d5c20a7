// The five functions a language library exports. The values are given by
// the build (lang/CMakeLists.txt) for each library; its resource table is
// the exported data symbol written by the resource compiler.
#define TESSERA_EXPORT extern "C" __attribute__((visibility("default")))

// Answered in the low 16 bits: the language of the library's texts.
TESSERA_EXPORT int GetLanguageID() { return TESSERA_LANGUAGE_ID; }
// The version of the library interface the program accepts.
TESSERA_EXPORT int GetVersion() { return 517; }
TESSERA_EXPORT const char* GetBASEAppName() { return "TESSERA"; }
// The help and message files beside the program that go with the library.
TESSERA_EXPORT const char* GetHelpBriefFileName() { return TESSERA_HELP_FILE; }
TESSERA_EXPORT const char* GetStrResourceFileName() { return TESSERA_MESSAGE_FILE; }
