// Language libraries the tests build, each with one thing wrong or right:
// the build defines which exports it has and what they answer.
#define EXPORT extern "C" __attribute__((visibility("default")))

#ifndef TEST_WITHOUT_LANGUAGE_ID
EXPORT int GetLanguageID() { return TEST_LANGUAGE_ID; }
#endif
EXPORT int GetVersion() { return TEST_VERSION; }
EXPORT const char* GetBASEAppName() { return TEST_APP_NAME; }
EXPORT const char* GetHelpBriefFileName() { return "HELPBRIEF_TST.TXT"; }
EXPORT const char* GetStrResourceFileName() { return "STRRESOURCE_TST.TXT"; }
