// Saving the preferences at exit: which keys count as changed, the exit
// question, and the file written, on real files in a folder of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/exit_question.h"
#include "prefs/preferences.h"
#include "support/file_bytes.h"
#include "support/message_box_catcher.h"
#include "support/scratch_folder.h"

namespace vostrel {
namespace {

using testing::ReadFileBytes;
using testing::ScratchFolder;
using testing::WriteUtf16File;
using testing_support::CaughtBox;
using testing_support::MessageBoxCatcher;

using Changes = std::vector<PreferenceChange>;

PreferencesRecord Net(std::wstring name, std::wstring number) {
  PreferencesRecord record;
  record.portKind = PortKind::Net;
  record.portName = std::move(name);
  record.portNumber = std::move(number);
  return record;
}

PreferencesRecord Com(std::wstring name, std::int32_t baud = 9600, std::uint8_t bits = 8, std::uint8_t stop = 0,
                      std::uint8_t parity = 0, std::wstring flow = L"X") {
  PreferencesRecord record;
  record.portKind = PortKind::Com;
  record.portName = std::move(name);
  record.baudRate = baud;
  record.dataBits = bits;
  record.stopBitsCode = stop;
  record.parityCode = parity;
  record.flowControl = std::move(flow);
  return record;
}

PreferencesRecord WithKind(PreferencesRecord record, PortKind kind) {
  record.portKind = kind;
  return record;
}

PreferencesRecord WithFolder(std::wstring folder) {
  PreferencesRecord record;
  record.defaultFolder = std::move(folder);
  return record;
}

struct ChangeCase {
  const char* name;
  PreferencesRecord loaded;
  PreferencesRecord current;
  Changes expected;
};

TEST(PreferencesSave, KeysThatCountAsChanged) {
  PreferencesRecord otherModel;
  otherModel.model = L"VX-135-ZKQ";
  PreferencesRecord english;
  english.language = 0;
  const ChangeCase cases[] = {
      {"nothing changed", {}, {}, {}},
      {"net defaults left as they were", Net(L"", L""), Net(L"192.168.0.1", L"9100"), {}},
      {"net address chosen", Net(L"", L""), Net(L"192.168.0.50", L"9100"), {{L"PORT_NAME", L"192.168.0.50"}}},
      {"net port chosen", Net(L"", L""), Net(L"192.168.0.1", L"9200"), {{L"PORT_NUMBER", L"9200"}}},
      {"net dotted same", Net(L"10.0.0.5", L"9100"), Net(L"10.0.0.5", L"9100"), {}},
      {"net dotted other", Net(L"10.0.0.5", L""), Net(L"10.0.0.6", L"9100"), {{L"PORT_NAME", L"10.0.0.6"}}},
      {"net dotted against the default", Net(L"192.168.0.1", L""), Net(L"192.168.0.1", L""), {{L"PORT_NUMBER", L""}}},
      {"net loaded port changed back to the default",
       Net(L"10.0.0.5", L"9300"),
       Net(L"10.0.0.5", L"9100"),
       {{L"PORT_NUMBER", L"9100"}}},
      {"net host name still resolving to the address", Net(L"localhost", L"9100"), Net(L"127.0.0.1", L"9100"), {}},
      {"net host name resolving elsewhere",
       Net(L"localhost", L"9100"),
       Net(L"127.0.0.2", L"9100"),
       {{L"PORT_NAME", L"127.0.0.2"}}},
      {"serial fields count only for COM",
       WithKind(Com(L"COM1"), PortKind::Prt),
       WithKind(Com(L"COM1", 19200, 7, 2, 1, L"H"), PortKind::Prt),
       {}},
      {"port number counts only for NET",
       WithKind(Net(L"a", L"9100"), PortKind::Usb),
       WithKind(Net(L"a", L"9200"), PortKind::Usb),
       {}},
      {"com baud", Com(L"COM1"), Com(L"COM1", 19200), {{L"COM_SET", L"19200 8 1 N X"}}},
      {"com every serial field", Com(L"COM1"), Com(L"COM1", 9600, 7, 2, 1, L"H"), {{L"COM_SET", L"9600 7 2 O H"}}},
      {"com name", Com(L"COM1"), Com(L"COM3"), {{L"PORT_NAME", L"COM3"}}},
      {"queue name",
       WithKind(Com(L"Label A"), PortKind::Prt),
       WithKind(Com(L"Label B"), PortKind::Prt),
       {{L"PORT_NAME", L"Label B"}}},
      {"usb name compared exactly",
       WithKind(Com(L"USB001"), PortKind::Usb),
       WithKind(Com(L"usb001"), PortKind::Usb),
       {{L"PORT_NAME", L"usb001"}}},
      {"no link: no name", WithKind(Com(L"COM1"), PortKind::None), WithKind(Com(L"COM2"), PortKind::None), {}},
      {"link chosen for the first time", {}, Com(L"COM1"), {{L"PORT_TYPE", L"COM"}, {L"PORT_NAME", L"COM1"}}},
      {"link given up", Com(L"COM1"), WithKind(Com(L"COM1"), PortKind::None), {{L"PORT_TYPE", L""}}},
      {"folder gains a trailing backslash", WithFolder(L"C:\\labels"), WithFolder(L"C:\\labels\\"), {}},
      {"folder loses its trailing backslash", WithFolder(L"C:\\labels\\"), WithFolder(L"C:\\labels"), {}},
      {"folder doubled backslash",
       WithFolder(L"C:\\labels"),
       WithFolder(L"C:\\labels\\\\"),
       {{L"DEFAULT_FOLDER", L"C:\\labels\\\\"}}},
      {"folder other", WithFolder(L"C:\\labels"), WithFolder(L"C:\\Labels"), {{L"DEFAULT_FOLDER", L"C:\\Labels"}}},
      {"folder first chosen", {}, WithFolder(L"D:\\"), {{L"DEFAULT_FOLDER", L"D:\\"}}},
      {"model", {}, otherModel, {{L"PRINTER_MODEL", L"VX-135-ZKQ"}}},
      {"language", {}, english, {{L"REGION", L"0"}}},
  };
  for (const ChangeCase& c : cases) {
    EXPECT_EQ(ChangedPreferences(c.loaded, c.current), c.expected) << c.name;
  }
}

TEST(PreferencesSave, ChangedKeysComeInTheirWritingOrder) {
  PreferencesRecord current = Com(L"COM4", 38400, 7, 0, 2, L"N");
  current.defaultFolder = L"C:\\prn";
  current.model = L"VX-135-ZKQ";
  current.language = 2;
  const Changes expected = {
      {L"PORT_TYPE", L"COM"},          {L"PORT_NAME", L"COM4"},           {L"COM_SET", L"38400 7 1 E N"},
      {L"DEFAULT_FOLDER", L"C:\\prn"}, {L"PRINTER_MODEL", L"VX-135-ZKQ"}, {L"REGION", L"2"}};
  EXPECT_EQ(ChangedPreferences(PreferencesRecord{}, current), expected);

  const Changes expectedNet = {{L"PORT_TYPE", L"NET"}, {L"PORT_NAME", L"10.1.2.3"}, {L"PORT_NUMBER", L"9101"}};
  EXPECT_EQ(ChangedPreferences(Com(L"COM1"), Net(L"10.1.2.3", L"9101")), expectedNet);
}

// The file as UTF-16 text, after checking its byte-order mark.
std::wstring Utf16Content(const std::string& bytes) {
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE' || bytes.size() % 2 != 0) return L"<not UTF-16LE>";
  std::wstring text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    text +=
        static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  return text;
}

// Counts the questions and gives one answer.
struct Answer {
  int button;
  int asked = 0;
  std::function<int()> Ask() {
    return [this] {
      ++asked;
      return button;
    };
  }
};

TEST(PreferencesSave, YesWritesOnlyTheChangedKeysIntoAFreshUtf16File) {
  const ScratchFolder folder;
  const Preferences prefs = LoadPreferences(folder.Folder());
  PreferencesRecord current = prefs.currentPrefs;
  current.portKind = PortKind::Net;
  current.portName = L"192.168.10.20";
  current.portNumber = L"9100";
  current.defaultFolder = L"C:\\ラベル";
  Answer yes{IDYES};
  EXPECT_TRUE(SavePreferencesOnExit(prefs.iniPath, prefs.loadedPrefs, current, yes.Ask()));
  EXPECT_EQ(yes.asked, 1);
  EXPECT_EQ(Utf16Content(ReadFileBytes(prefs.iniPath)),
            L"[Vostrel]\r\nPORT_TYPE=NET\r\nPORT_NAME=192.168.10.20\r\nDEFAULT_FOLDER=C:\\ラベル\r\n");

  // Read back at the next start, the file gives the values saved; the port
  // number left at its default was not written and reads back empty.
  PreferencesRecord expected = current;
  expected.portNumber = L"";
  EXPECT_EQ(LoadPreferences(folder.Folder()).loadedPrefs, expected);
}

TEST(PreferencesSave, NoKeepsTheWindowOpenAndWritesNothing) {
  const ScratchFolder folder;
  const Preferences prefs = LoadPreferences(folder.Folder());
  const PreferencesRecord current = Com(L"COM7", 19200);
  Answer no{IDNO};
  EXPECT_FALSE(SavePreferencesOnExit(prefs.iniPath, prefs.loadedPrefs, current, no.Ask()));
  EXPECT_EQ(no.asked, 1);
  EXPECT_EQ(::GetFileAttributesW(prefs.iniPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(PreferencesSave, TheQuestionIsAskedEvenWhenNothingChanged) {
  const ScratchFolder folder;
  const Preferences prefs = LoadPreferences(folder.Folder());
  for (const int button : {IDYES, IDNO}) {
    Answer answer{button};
    EXPECT_EQ(SavePreferencesOnExit(prefs.iniPath, prefs.loadedPrefs, prefs.currentPrefs, answer.Ask()),
              button == IDYES);
    EXPECT_EQ(answer.asked, 1);
    // Nothing to write: no file is made.
    EXPECT_EQ(::GetFileAttributesW(prefs.iniPath.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST(PreferencesSave, AnExistingFileKeepsItsOtherKeysAndItsEncoding) {
  const ScratchFolder folder;
  const std::wstring iniPath = folder.File(L"Vostrel.ini");
  ASSERT_TRUE(WriteUtf16File(iniPath,
                             L"[Vostrel]\r\nPORT_TYPE=COM\r\nPORT_NAME=COM1\r\nCOM_SET=9600 8 1 N X\r\n"
                             L"REGION=2\r\n"));
  const Preferences prefs = LoadPreferences(folder.Folder());
  ASSERT_EQ(prefs.loadedPrefs, Com(L"COM1"));
  const PreferencesRecord current = Com(L"COM1", 57600, 8, 2, 0, L"H");
  Answer yes{IDYES};
  EXPECT_TRUE(SavePreferencesOnExit(prefs.iniPath, prefs.loadedPrefs, current, yes.Ask()));
  EXPECT_EQ(Utf16Content(ReadFileBytes(iniPath)),
            L"[Vostrel]\r\nPORT_TYPE=COM\r\nPORT_NAME=COM1\r\nCOM_SET=57600 8 2 N H\r\nREGION=2\r\n");
  EXPECT_EQ(LoadPreferences(folder.Folder()).loadedPrefs, current);
}

TEST(PreferencesSave, TheRealQuestionBoxDecides) {
  struct Case {
    int button;
    bool closes;
  };
  for (const Case c : {Case{IDNO, false}, Case{IDYES, true}}) {
    const ScratchFolder folder;
    const Preferences prefs = LoadPreferences(folder.Folder());
    PreferencesRecord current = prefs.currentPrefs;
    current.model = L"VX-135-ZKQ";
    MessageBoxCatcher catcher({c.button});
    EXPECT_EQ(SavePreferencesOnExit(prefs.iniPath, prefs.loadedPrefs, current, AskExitProgram), c.closes);
    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"プログラムを終了しますか？");
    EXPECT_EQ(boxes[0].title, L"win_tests");
    EXPECT_EQ(boxes[0].buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(boxes[0].icon, MessageBoxCatcher::IconOf(IDI_QUESTION));
    EXPECT_EQ(Utf16Content(ReadFileBytes(prefs.iniPath)),
              c.closes ? L"[Vostrel]\r\nPRINTER_MODEL=VX-135-ZKQ\r\n" : L"<not UTF-16LE>");
  }
}

}  // namespace
}  // namespace vostrel
