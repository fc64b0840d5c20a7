// Language libraries: the probe, the language list, storing a choice and the
// choice at start-up, with libraries built for the tests (each with one
// export missing or answering something else) copied into the program's
// Language folder under the names a test gives them.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/device.h"
#include "platform/shared_library.h"
#include "platform/text.h"
#include "shell/language_choice.h"
#include "shell/language_library.h"
#include "shell/message_overrides.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kChinese = 2052;
constexpr std::uint16_t kJapanese = 1041;
const std::u16string kLanguageFolder = u"\\Program Files\\Tessera\\Language\\";

class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { ReleaseLanguageLibrary(); }

  // Copies a test library into the program's Language folder as `name`
  // and gives its device path.
  std::u16string Install(const std::string& library, const std::string& name) {
    const fs::path folder = fs::path(root_.programHost()) / "Language";
    fs::create_directories(folder);
    fs::copy_file(fs::path(TEST_LANGUAGE_LIBRARIES) / (library + ".so"), folder / name,
                  fs::copy_options::overwrite_existing);
    // The folder is linked into the device when the device is set up.
    EXPECT_TRUE(platform::SetupDevice(root_.Options()).ok());
    return kLanguageFolder + platform::Utf8ToUtf16(name);
  }

  std::string HostOf(const std::string& name) const {
    return root_.programHost() + "/Language/" + name;
  }

  std::u16string StoredPath() {
    return ReadSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", u"?");
  }
  std::int32_t StoredId() { return ReadSettingInt(kSettingsSection, u"UI_LANG_ID", -1); }

  testing::TempRoot root_;
};

TEST_F(LanguageTest, TheProgramsOwnPathIsTheBuiltInLanguage) {
  ASSERT_EQ(platform::ModulePath(), u"\\Program Files\\Tessera\\Tessera.exe");
  for (const char16_t* path :
       {u"\\Program Files\\Tessera\\Tessera.exe", u"  \\PROGRAM FILES\\tessera\\tessera.EXE\t"}) {
    const LanguageProbe probe = ProbeLanguage(path);
    EXPECT_TRUE(probe.accepted);
    EXPECT_TRUE(probe.builtIn);
    EXPECT_FALSE(probe.library.isOpen());
    EXPECT_EQ(probe.languageId, 1252);
    EXPECT_EQ(probe.helpBriefFile, u"HELPBRIEF.TXT");
    EXPECT_EQ(probe.messageFile, u"STRRESOURCE.TXT");
  }
}

TEST_F(LanguageTest, AnAcceptedLibraryStaysLoadedWithItsAnswers) {
  const std::u16string path = Install("lang_chinese", "Chinese.DLL");
  {
    const LanguageProbe probe = ProbeLanguage(path);
    ASSERT_TRUE(probe.accepted);
    EXPECT_FALSE(probe.builtIn);
    EXPECT_EQ(probe.languageId, kChinese);
    EXPECT_EQ(probe.helpBriefFile, u"HELPBRIEF_TST.TXT");
    EXPECT_EQ(probe.messageFile, u"STRRESOURCE_TST.TXT");
    ASSERT_NE(probe.resources, nullptr);
    EXPECT_EQ(ResourceModule(probe.resources).String(57344), u"Tessera (test language)");
    EXPECT_TRUE(platform::IsSharedLibraryLoaded(HostOf("Chinese.DLL")));
  }
  // The probe's library goes with it.
  EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf("Chinese.DLL")));
  // The name is compared without regard to case.
  EXPECT_TRUE(ProbeLanguage(Install("lang_chinese_lower_case", "Lower.DLL")).accepted);
}

TEST_F(LanguageTest, RefusedLibrariesAreUnloaded) {
  const struct {
    const char* library;
    std::uint16_t languageId;  // what the probe learnt before refusing
  } refused[] = {{"lang_version_518", kChinese},
                 {"lang_without_id", 0},
                 {"lang_other_name", kChinese},
                 {"lang_without_table", kChinese}};
  for (const auto& each : refused) {
    const std::string name = std::string(each.library) + ".DLL";
    const LanguageProbe probe = ProbeLanguage(Install(each.library, name));
    EXPECT_FALSE(probe.accepted) << each.library;
    EXPECT_FALSE(probe.library.isOpen()) << each.library;
    EXPECT_EQ(probe.languageId, each.languageId) << each.library;
    EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf(name))) << each.library;
  }
  // Nothing there, no library at all, or no path.
  root_.WriteHostFile(HostOf("Text.DLL"), "not a library");
  EXPECT_FALSE(ProbeLanguage(kLanguageFolder + u"Text.DLL").accepted);
  EXPECT_FALSE(ProbeLanguage(kLanguageFolder + u"Missing.DLL").accepted);
  EXPECT_FALSE(ProbeLanguage(u" \t").accepted);
}

TEST_F(LanguageTest, TheListHasTheProgramThenTheAcceptableLibrariesInSearchOrder) {
  // Without a Language folder: the program alone.
  LanguageList list = EnumerateLanguages(kChinese);
  ASSERT_EQ(list.paths.size(), 1u);
  EXPECT_EQ(list.paths[0], platform::ModulePath());
  EXPECT_EQ(list.names[0], u"English");
  EXPECT_EQ(list.preferred, u"");

  Install("lang_japanese", "nihongo.dll");
  Install("lang_chinese", "Zhongwen.DLL");
  Install("lang_version_518", "Newer.DLL");
  Install("lang_other_name", "Other.DLL");
  Install("lang_chinese", "Chinese.so");
  root_.WriteHostFile(HostOf("Broken.DLL"), "not a library");
  list = EnumerateLanguages(kJapanese);
  EXPECT_EQ(list.names, (std::vector<std::u16string>{u"English", u"nihongo", u"Zhongwen"}));
  EXPECT_EQ(list.paths,
            (std::vector<std::u16string>{platform::ModulePath(), kLanguageFolder + u"nihongo.dll",
                                         kLanguageFolder + u"Zhongwen.DLL"}));
  EXPECT_EQ(list.preferred, kLanguageFolder + u"nihongo.dll");
  for (const char* name : {"nihongo.dll", "Zhongwen.DLL", "Newer.DLL", "Other.DLL"})
    EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf(name))) << name;
  // A language no library has, or none.
  EXPECT_EQ(EnumerateLanguages(1031).preferred, u"");
  EXPECT_EQ(EnumerateLanguages(0).preferred, u"");
}

TEST_F(LanguageTest, OfTwoLibrariesOfTheUsersLanguageTheOneFoundLastIsPreferred) {
  Install("lang_chinese", "A.DLL");
  Install("lang_chinese", "b.dll");
  Install("lang_japanese", "C.DLL");
  EXPECT_EQ(EnumerateLanguages(kChinese).preferred, kLanguageFolder + u"b.dll");
}

TEST_F(LanguageTest, ALibraryThatIsRefusedIsNeverPreferred) {
  // Its language is the user's, but the program does not accept it.
  Install("lang_version_518", "Newer.DLL");
  const LanguageList list = EnumerateLanguages(kChinese);
  EXPECT_EQ(list.paths.size(), 1u);
  EXPECT_EQ(list.preferred, u"");
  ChooseStartupLanguage(kChinese);
  EXPECT_EQ(ActiveResources().table(), &kProgramResources);
  EXPECT_EQ(StoredId(), -1);
}

TEST_F(LanguageTest, StoringAChoice) {
  const std::u16string path = Install("lang_chinese", "Chinese.DLL");
  ASSERT_TRUE(ApplyLanguageChoice(path));
  EXPECT_EQ(StoredPath(), path);
  EXPECT_EQ(StoredId(), kChinese);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"HELP_BRIEF_PATH", u""), u"HELPBRIEF_TST.TXT");
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"CMD_RESOURCE_PATH", u""), u"STRRESOURCE_TST.TXT");
  EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf("Chinese.DLL")));

  // English is the program's own path and the built-in language.
  ASSERT_TRUE(ApplyLanguageChoice(platform::ModulePath()));
  EXPECT_EQ(StoredPath(), platform::ModulePath());
  EXPECT_EQ(StoredId(), 1252);
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"HELP_BRIEF_PATH", u""), u"HELPBRIEF.TXT");
  EXPECT_EQ(ReadSettingString(kSettingsSection, u"CMD_RESOURCE_PATH", u""), u"STRRESOURCE.TXT");

  // A path that is no acceptable library changes nothing.
  EXPECT_FALSE(ApplyLanguageChoice(Install("lang_other_name", "Other.DLL")));
  EXPECT_EQ(StoredPath(), platform::ModulePath());
  EXPECT_EQ(StoredId(), 1252);
}

TEST_F(LanguageTest, TheFirstStartTakesTheLibraryOfTheUsersLanguageAndStoresIt) {
  const std::u16string path = Install("lang_chinese", "Chinese.DLL");
  Install("lang_japanese", "Japanese.DLL");
  ChooseStartupLanguage(kChinese);
  EXPECT_EQ(CurrentUiLanguage(), kChinese);
  EXPECT_EQ(CurrentLanguageLibraryPath(), path);
  EXPECT_EQ(LoadResourceString(57344), u"Tessera (test language)");
  // What the library lacks comes from the program's table.
  EXPECT_EQ(LoadResourceString(30318), u"Input");
  EXPECT_EQ(StoredId(), kChinese);
  EXPECT_EQ(StoredPath(), path);
  EXPECT_TRUE(platform::IsSharedLibraryLoaded(HostOf("Chinese.DLL")));
  EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf("Japanese.DLL")));

  // The library names the message file, taken when it is beside the program.
  root_.WriteHostFile(root_.Host("\\Program Files\\Tessera\\STRRESOURCE_TST.TXT"), "");
  ChooseProgramFileNames();
  EXPECT_EQ(MessageFileName(), u"\\STRRESOURCE_TST.TXT");

  ReleaseLanguageLibrary();
  EXPECT_EQ(LoadResourceString(57344), u"Tessera");
  EXPECT_FALSE(platform::IsSharedLibraryLoaded(HostOf("Chinese.DLL")));
  ChooseProgramFileNames();
  EXPECT_EQ(MessageFileName(), u"\\STRRESOURCE.TXT");
}

TEST_F(LanguageTest, ALaterStartKeepsTheStoredChoiceWhateverTheLocaleSays) {
  Install("lang_chinese", "Chinese.DLL");
  const std::u16string japanese = Install("lang_japanese", "Japanese.DLL");
  ASSERT_TRUE(ApplyLanguageChoice(japanese));
  ChooseStartupLanguage(kChinese);
  EXPECT_EQ(CurrentUiLanguage(), kJapanese);
  EXPECT_EQ(CurrentLanguageLibraryPath(), japanese);

  // English stored: the program's resources, even for a Chinese user.
  ASSERT_TRUE(ApplyLanguageChoice(platform::ModulePath()));
  ChooseStartupLanguage(kChinese);
  EXPECT_EQ(ActiveResources().table(), &kProgramResources);
  EXPECT_EQ(CurrentUiLanguage(), 1252);
  EXPECT_EQ(StoredPath(), platform::ModulePath());
}

TEST_F(LanguageTest, AStoredLibraryThatNoLongerLoadsIsIgnoredAndKept) {
  const std::u16string path = Install("lang_chinese", "Chinese.DLL");
  ASSERT_TRUE(ApplyLanguageChoice(path));
  fs::remove(HostOf("Chinese.DLL"));
  Install("lang_chinese", "Other.DLL");
  ChooseStartupLanguage(kChinese);
  // A language was chosen once: no other library is taken in its place.
  EXPECT_EQ(ActiveResources().table(), &kProgramResources);
  EXPECT_EQ(StoredPath(), path);
  EXPECT_EQ(StoredId(), kChinese);
}

TEST_F(LanguageTest, WithoutALibraryOfTheUsersLanguageNothingIsStored) {
  Install("lang_japanese", "Japanese.DLL");
  for (std::uint16_t user : {std::uint16_t{0}, kChinese}) {
    ChooseStartupLanguage(user);
    EXPECT_EQ(ActiveResources().table(), &kProgramResources);
    EXPECT_EQ(CurrentUiLanguage(), 1252);
    EXPECT_EQ(StoredId(), -1);
    EXPECT_EQ(StoredPath(), u"?");
  }
}

}  // namespace
}  // namespace tessera
