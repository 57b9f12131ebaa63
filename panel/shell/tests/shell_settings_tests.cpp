// The shell's plain rules: "main.ini", the registry language, the setup program's command line,
// the page-layout table and the K27 exit reports.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "exit_sequence.h"
#include "page_layouts.h"
#include "panel_settings.h"
#include "setup_program.h"
#include "test_files.h"

namespace {

// Writes the registry language value as raw bytes (type and length as given), or removes it.
void SetRegistryLanguage(const void* data, DWORD bytes, DWORD type = REG_SZ) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"LANGUAGE", 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

void RemoveRegistryLanguage() { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey); }

class RegistryLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { RemoveRegistryLanguage(); }
  TempFolder folder;
  std::wstring ini = MainIniPath(folder.path());
};

TEST_F(RegistryLanguageTest, ValueWithoutTerminatorIsReadExactlyAndOneTooLongIsRefused) {
  const wchar_t text[] = L"2020";
  SetRegistryLanguage(text, 4 * sizeof(wchar_t));  // no terminating zero
  std::wstring read;
  ASSERT_TRUE(ReadRegistryLanguage(read));
  EXPECT_EQ(read, L"2020");

  const std::wstring tooLong(300, L'3');  // more than the 520-byte buffer takes
  SetRegistryLanguage(tooLong.data(), static_cast<DWORD>(tooLong.size() * sizeof(wchar_t)));
  EXPECT_FALSE(ReadRegistryLanguage(read));
  EXPECT_EQ(read, L"2020");
}

TEST_F(RegistryLanguageTest, MissingKeyOrNonStringValueReadsAsNothing) {
  std::wstring read = L"untouched";
  RemoveRegistryLanguage();
  EXPECT_FALSE(ReadRegistryLanguage(read));
  const DWORD number = 2020;
  SetRegistryLanguage(&number, sizeof number, REG_DWORD);
  EXPECT_FALSE(ReadRegistryLanguage(read));
  EXPECT_EQ(read, L"untouched");
}

TEST(MainIniLanguage, RegistryValuesMapToTheMainIniLanguage) {
  const struct {
    const wchar_t* registry;
    int language;
  } cases[] = {{L"1010", 0}, {L"2020", 1}, {L"3030", 2}, {L"", 0}, {L"4040", 0}, {L"abc", 0}};
  for (const auto& c : cases) EXPECT_EQ(MainIniLanguageFromRegistry(c.registry), c.language) << c.registry;
}

TEST(MainIniLanguage, EachLanguageNamesItsUiLanguageFileAndRegistryValue) {
  const struct {
    int value;
    const wchar_t *ui, *file, *registry;
  } cases[] = {{0, L"en", L"lan_en.xml", L"1010"}, {1, L"de", L"lan_de.xml", L"2020"}, {2, L"fr", L"lan_fr.xml", L"3030"}};
  for (const auto& c : cases) {
    const PanelLanguage* language = PanelLanguageByValue(c.value);
    ASSERT_NE(language, nullptr);
    EXPECT_STREQ(language->uiLanguage, c.ui);
    EXPECT_STREQ(language->languageFile, c.file);
    EXPECT_STREQ(language->registryValue, c.registry);
  }
  EXPECT_EQ(PanelLanguageByValue(3), nullptr);
  EXPECT_EQ(PanelLanguageByValue(-1), nullptr);
}

// A choice in "main.ini" survives: the machine-wide value, which a user without administrator
// rights cannot rewrite, only seeds a "main.ini" without a language.
TEST_F(RegistryLanguageTest, HandOverSeedsOnlyAMainIniWithoutLanguage) {
  const struct {
    const wchar_t* registry;  // null: no value
    const wchar_t* iniBefore;  // null: no key
    const wchar_t* iniAfter;
  } cases[] = {
      {nullptr, nullptr, L"0"}, {L"2020", nullptr, L"1"}, {L"3030", nullptr, L"2"}, {L"9999", nullptr, L"0"},
      {L"2020", L"2", L"2"},    {nullptr, L"1", L"1"},    {L"1010", L"2", L"2"},
  };
  for (const auto& c : cases) {
    DeleteFileW(ini.c_str());
    RemoveRegistryLanguage();
    if (c.registry) SetRegistryLanguage(c.registry, static_cast<DWORD>((wcslen(c.registry) + 1) * sizeof(wchar_t)));
    if (c.iniBefore) WriteSkinImageValue(ini, L"LANGUAGE", c.iniBefore);
    HandOverRegistryLanguage(ini);
    EXPECT_EQ(ReadSkinImageText(ini, L"LANGUAGE"), c.iniAfter)
        << (c.registry ? c.registry : L"-") << " / " << (c.iniBefore ? c.iniBefore : L"-");
  }
}

TEST(MainIni, ValuesReadAsDecimalWithDefaultZero) {
  TempFolder folder;
  const std::wstring ini = MainIniPath(folder.path());
  EXPECT_EQ(ini, folder.path() + L"main.ini");
  EXPECT_EQ(ReadSkinImageNumber(ini, L"FLAGS"), 0);
  EXPECT_FALSE(HasSkinImageValue(ini, L"FLAGS"));
  WriteText(ini, "[SKINIMAGE]\r\nFLAGS=1\r\nIMAGE=file='bg.png'\r\nLANGUAGE=12x\r\n");
  EXPECT_EQ(ReadSkinImageNumber(ini, L"FLAGS"), 1);
  EXPECT_EQ(ReadSkinImageText(ini, L"IMAGE"), L"file='bg.png'");
  EXPECT_EQ(ReadSkinImageNumber(ini, L"LANGUAGE"), 12);
  EXPECT_TRUE(HasSkinImageValue(ini, L"LANGUAGE"));
}

TEST(SetupProgram, RunsUnlessTheUninstallerCarriesExactlyTheArchiveAttribute) {
  EXPECT_FALSE(SetupProgramShouldRun(FILE_ATTRIBUTE_ARCHIVE));
  for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY}, DWORD{FILE_ATTRIBUTE_NORMAL},
                           INVALID_FILE_ATTRIBUTES})
    EXPECT_TRUE(SetupProgramShouldRun(attributes)) << attributes;
}

TEST(SetupProgram, CommandLineQuotesTheProgramAndPrefersA64BitOneOnlyWhenItExists) {
  const std::wstring folder = L"C:\\Program Files\\KARVO Panel\\";
  auto commandLine = [&](bool is64BitWindows, bool x64ProgramExists) {
    return ProgramCommandLine(SetupProgramPath(folder, is64BitWindows, x64ProgramExists), kSetupProgramArguments);
  };
  EXPECT_EQ(commandLine(false, true),
            L"\"C:\\Program Files\\KARVO Panel\\Toklin\\Binary\\Pendrel_x32.exe\" -demo");
  EXPECT_EQ(commandLine(true, false),
            L"\"C:\\Program Files\\KARVO Panel\\Toklin\\Binary\\Pendrel_x32.exe\" -demo");
  EXPECT_EQ(commandLine(true, true),
            L"\"C:\\Program Files\\KARVO Panel\\Toklin\\Binary\\Pendrel_x64.exe\" -demo");
}

TEST(PageLayouts, TagsNameTheirLayoutFilesWithoutRegardToCase) {
  const struct {
    const wchar_t *tag, *file;
  } cases[] = {{L"kb_Key_UI", L"keyboard_key.xml"},     {L"KB_DENG_UI", L"keyboard_deng.xml"},
               {L"kb_CURSOR_UI", L"Mouse_cursor.xml"},  {L"ms_cursor_ui", L"Mouse_cursor.xml"},
               {L"MP_deng_UI", L"MousePad_deng.xml"},    {L"hsK27_Magic_UI", L"VoiceMagic.xml"},
               {L"hs_Voice_UI", L"Headset_voice.xml"}};
  for (const auto& c : cases) EXPECT_STREQ(PageLayoutFileForTag(c.tag), c.file) << c.tag;
  EXPECT_EQ(PageLayoutFileForTag(L"CircleProgress"), nullptr);
  EXPECT_EQ(PageLayoutFileForTag(L"kb_Key"), nullptr);
  EXPECT_EQ(PageLayoutFileForTag(nullptr), nullptr);
}

TEST(ExitSequence, K27ReportsSwitchBothLightGroups) {
  const auto reports = HeadsetK27ExitReports();
  const uint8_t targets[] = {0x22, 0x44};
  for (size_t i = 0; i < reports.size(); ++i) {
    HeadsetK27Report expected{};
    expected[0] = 0xFF;
    expected[1] = targets[i];
    expected[2] = 0x23;
    expected[3] = 0x04;
    EXPECT_EQ(reports[i], expected) << i;
  }
}

}  // namespace
