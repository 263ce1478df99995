// Loading the preferences file, on real files in a folder of the test's own.
#include "prefs/preferences.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "i18n/language.h"
#include "prefs/preferences_text.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel {
namespace {

using testing::ScratchFolder;
using testing::WriteUtf16File;

PreferencesRecord Defaults() { return PreferencesRecord{}; }

TEST(PreferencesLoad, NoFileGivesTheDefaults) {
  const ScratchFolder folder;
  ASSERT_TRUE(std::filesystem::is_directory(folder.path()));
  const Preferences prefs = LoadPreferences(folder.Folder());
  EXPECT_EQ(prefs.iniPath, folder.File(L"Vostrel.ini"));
  EXPECT_EQ(prefs.modelList, (std::vector<std::wstring>{L"VX-120-ZKQ", L"VX-135-ZKQ"}));
  const PreferencesRecord& loaded = prefs.loadedPrefs;
  EXPECT_EQ(loaded.portKind, PortKind::None);
  EXPECT_EQ(loaded.portName, L"");
  EXPECT_EQ(loaded.defaultFolder, L"");
  EXPECT_EQ(loaded.model, L"VX-120-ZKQ");
  EXPECT_EQ(loaded.baudRate, 9600);
  EXPECT_EQ(loaded.dataBits, 8);
  EXPECT_EQ(loaded.stopBitsCode, 0);
  EXPECT_EQ(loaded.parityCode, 0);
  EXPECT_EQ(loaded.flowControl, L"X");
  EXPECT_EQ(loaded.portNumber, L"");
  EXPECT_EQ(loaded.language, 1);
  EXPECT_EQ(prefs.currentPrefs, loaded);
  EXPECT_EQ(FormatComSet(loaded), L"9600 8 1 N X");
}

TEST(PreferencesLoad, LanguageIsJapaneseWhateverTheFileSays) {
  const ScratchFolder folder;
  ASSERT_TRUE(WriteUtf16File(folder.File(L"Vostrel.ini"), L"[Vostrel]\r\nREGION=0\r\n"));
  SetCurrentLanguage(Language::English);
  const Preferences prefs = LoadPreferences(folder.Folder());
  EXPECT_EQ(CurrentLanguage(), Language::Japanese);
  EXPECT_EQ(prefs.loadedPrefs.language, 1);
  EXPECT_EQ(prefs.currentPrefs.language, 1);
}

// What a file with one line in its section gives; unnamed fields keep their
// defaults.
struct LoadCase {
  const wchar_t* line;
  void (*expect)(PreferencesRecord& record);
};

const LoadCase kLoadCases[] = {
    {L"PORT_TYPE=PRT", [](PreferencesRecord& r) { r.portKind = PortKind::Prt; }},
    {L"PORT_TYPE=COM", [](PreferencesRecord& r) { r.portKind = PortKind::Com; }},
    {L"PORT_TYPE=USB", [](PreferencesRecord& r) { r.portKind = PortKind::Usb; }},
    {L"PORT_TYPE=NET", [](PreferencesRecord& r) { r.portKind = PortKind::Net; }},
    {L"PORT_TYPE=net", [](PreferencesRecord&) {}},
    {L"PORT_TYPE=LAN", [](PreferencesRecord&) {}},
    {L"PORT_TYPE=", [](PreferencesRecord&) {}},
    {L"PRINTER_MODEL=VX-135-ZKQ", [](PreferencesRecord& r) { r.model = L"VX-135-ZKQ"; }},
    {L"PRINTER_MODEL=vx-135-zkq", [](PreferencesRecord&) {}},
    {L"PRINTER_MODEL=VX-999-ZKQ", [](PreferencesRecord&) {}},
    {L"PORT_NAME=IP_192.168.0.50", [](PreferencesRecord& r) { r.portName = L"IP_192.168.0.50"; }},
    {L"PORT_NAME=ラベルプリンタ", [](PreferencesRecord& r) { r.portName = L"ラベルプリンタ"; }},
    {L"PORT_NUMBER=65536", [](PreferencesRecord& r) { r.portNumber = L"65536"; }},
    {L"PORT_NUMBER=9100", [](PreferencesRecord& r) { r.portNumber = L"9100"; }},
    {L"PORT_NUMBER=123456", [](PreferencesRecord&) {}},
    {L"PORT_NUMBER=91a0", [](PreferencesRecord&) {}},
    {L"PORT_NUMBER=-910", [](PreferencesRecord&) {}},
    {L"DEFAULT_FOLDER=C:\\ラベル\\prn", [](PreferencesRecord& r) { r.defaultFolder = L"C:\\ラベル\\prn"; }},
    {L"REGION=3", [](PreferencesRecord&) {}},
    {L"COM_SET=19200 7 2 o h",
     [](PreferencesRecord& r) {
       r.baudRate = 19200;
       r.dataBits = 7;
       r.stopBitsCode = 2;
       r.parityCode = 1;
       r.flowControl = L"H";
     }},
    // Values typed with a Japanese input method: full-width stop bits, parity
    // and flow are accepted; the numeric fields must be ASCII digits.
    {L"COM_SET=38400 7 ２ Ｅ ｎ",
     [](PreferencesRecord& r) {
       r.baudRate = 38400;
       r.dataBits = 7;
       r.stopBitsCode = 2;
       r.parityCode = 2;
       r.flowControl = L"N";
     }},
    {L"COM_SET=１９２００ 7 1 N H",
     [](PreferencesRecord& r) {
       r.dataBits = 7;
       r.flowControl = L"H";
     }},
    // 1.5 stop bits is refused; the rest of the value is kept.
    {L"COM_SET=38400 7 1.5 E N",
     [](PreferencesRecord& r) {
       r.baudRate = 38400;
       r.dataBits = 7;
       r.parityCode = 2;
       r.flowControl = L"N";
     }},
    {L"COM_SET=19200 7 2 O", [](PreferencesRecord&) {}},
    {L"COM_SET=19200 7 2 O H N", [](PreferencesRecord&) {}},
    // Five pieces, one of them empty: the fields shift and the last is empty.
    {L"COM_SET=19200  7 2 O",
     [](PreferencesRecord& r) {
       r.baudRate = 19200;
       r.dataBits = 7;
       r.stopBitsCode = 2;
       r.parityCode = 1;
     }},
    {L"COM_SET=57600 8 1 N X ", [](PreferencesRecord& r) { r.baudRate = 57600; }},  // a trailing space adds no field
    {L"COM_SET=fast eight one none none", [](PreferencesRecord&) {}},
    {L"COM_SET=2147483648 256 2 N X", [](PreferencesRecord& r) { r.stopBitsCode = 2; }},
    {L"COM_SET=2147483647 255 1 N X",
     [](PreferencesRecord& r) {
       r.baudRate = 2147483647;
       r.dataBits = 255;
     }},
};

TEST(PreferencesLoad, EachKeyAsTheFileGivesIt) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(::testing::Message() << "line " << ::testing::PrintToString(std::wstring(c.line)));
    const ScratchFolder folder;
    ASSERT_TRUE(WriteUtf16File(folder.File(L"Vostrel.ini"), std::wstring(L"[Vostrel]\r\n") + c.line + L"\r\n"));
    const Preferences prefs = LoadPreferences(folder.Folder());
    PreferencesRecord expected = Defaults();
    c.expect(expected);
    EXPECT_EQ(prefs.loadedPrefs, expected);
    EXPECT_EQ(prefs.currentPrefs, expected);
  }
}

TEST(PreferencesLoad, KeysOfAnotherSectionAreNotRead) {
  const ScratchFolder folder;
  ASSERT_TRUE(WriteUtf16File(folder.File(L"Vostrel.ini"), L"[Other]\r\nPORT_TYPE=NET\r\nPORT_NAME=x\r\n"));
  EXPECT_EQ(LoadPreferences(folder.Folder()).loadedPrefs, Defaults());
}

TEST(PreferencesLoad, AValueIsReadUpTo4095Characters) {
  const ScratchFolder folder;
  const std::wstring longName(5000, L'a');
  ASSERT_TRUE(WriteUtf16File(folder.File(L"Vostrel.ini"), L"[Vostrel]\r\nPORT_NAME=" + longName + L"\r\n"));
  EXPECT_EQ(LoadPreferences(folder.Folder()).loadedPrefs.portName, std::wstring(4095, L'a'));
}

TEST(PreferencesText, HalfWidthTurnsFullWidthLettersAndDigitsIntoAscii) {
  EXPECT_EQ(HalfWidth(L"１２ＡＢｘｙ"), L"12ABxy");
  EXPECT_EQ(HalfWidth(L"9600 N"), L"9600 N");
  EXPECT_EQ(HalfWidth(L""), L"");
}

TEST(PreferencesText, ComSetTextOfEverySerialChoice) {
  struct Case {
    std::int32_t baud;
    std::uint8_t bits;
    std::uint8_t stop;
    std::uint8_t parity;
    const wchar_t* flow;
    const wchar_t* text;
  };
  const Case cases[] = {{9600, 8, 0, 0, L"X", L"9600 8 1 N X"},
                        {19200, 7, 2, 1, L"H", L"19200 7 2 O H"},
                        {115200, 8, 0, 2, L"N", L"115200 8 1 E N"}};
  for (const Case& c : cases) {
    PreferencesRecord record;
    record.baudRate = c.baud;
    record.dataBits = c.bits;
    record.stopBitsCode = c.stop;
    record.parityCode = c.parity;
    record.flowControl = c.flow;
    EXPECT_EQ(FormatComSet(record), c.text);
    // What is written reads back the same.
    PreferencesRecord back;
    EXPECT_TRUE(ParseComSet(FormatComSet(record), back));
    EXPECT_EQ(back, record);
  }
}

TEST(PreferencesText, PortNumbers) {
  EXPECT_TRUE(IsPortNumberText(L"0"));
  EXPECT_TRUE(IsPortNumberText(L"65536"));
  EXPECT_FALSE(IsPortNumberText(L"123456"));
  EXPECT_FALSE(IsPortNumberText(L""));
  EXPECT_FALSE(IsPortNumberText(L"９１００"));
}

}  // namespace
}  // namespace vostrel
