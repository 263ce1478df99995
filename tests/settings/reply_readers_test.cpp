#include "settings/reply_readers.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel {
namespace {

struct InformationTexts {
  std::wstring serial, print, service, cut;
};

InformationTexts InformationOf(SettingsStore& store) {
  return {store.infoSerialNumber().value, store.infoPrintCounter().value, store.infoServiceCounter().value,
          store.infoCutCounter().value};
}

bool operator==(const InformationTexts& a, const InformationTexts& b) {
  return a.serial == b.serial && a.print == b.print && a.service == b.service && a.cut == b.cut;
}

std::ostream& operator<<(std::ostream& os, const InformationTexts& t) {
  auto narrow = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };
  return os << "{" << narrow(t.serial) << "|" << narrow(t.print) << "|" << narrow(t.service) << "|" << narrow(t.cut)
            << "}";
}

// The texts an earlier reply left, so that a key the reply lacks shows.
const std::wstring kEarlier =
    L"Serial Number : OLD-SN\r\nPrint Counter Length OLD-P\r\nService Counter Length OLD-S\r\nCut Counter OLD-C\r\n";

TEST(ReadInformation, ReplyLines) {
  const std::wstring hundred(100, L'x');
  struct Case {
    const char* name;
    std::wstring reply;
    InformationTexts expected;
  };
  const Case cases[] = {
      {"two keys, the others keep the earlier texts",
       L"Serial Number : 9A8B7C\r\nCut Counter 42\r\n",
       {L"9A8B7C", L"OLD-P", L"OLD-S", L"42"}},
      {"all four keys",
       L"Serial Number : SN1\r\nPrint Counter Length 12.5 km\r\nService Counter Length 3.0 km\r\nCut Counter 7\r\n",
       {L"SN1", L"12.5 km", L"3.0 km", L"7"}},
      {"no key at all", L"OK\r\n", {L"OLD-SN", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"empty reply", L"", {L"OLD-SN", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"a key anywhere in the line, the text after its first occurrence",
       L"  Serial Number : A Serial Number : B\r\n",
       {L"A Serial Number : B", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"two keys on a line: the first of the table wins",
       L"Cut Counter 5 Serial Number : X\r\n",
       {L"X", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"two keys on a line, the other order",
       L"Print Counter Length Cut Counter 5\r\n",
       {L"OLD-SN", L"Cut Counter 5", L"OLD-S", L"OLD-C"}},
      {"keys are case-sensitive", L"serial number : X\r\nCUT COUNTER 1\r\n", {L"OLD-SN", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"a key at the end of its line empties the text", L"Cut Counter \r\n", {L"OLD-SN", L"OLD-P", L"OLD-S", L""}},
      {"the later of two lines with one key",
       L"Cut Counter 1\r\nCut Counter 2\r\n",
       {L"OLD-SN", L"OLD-P", L"OLD-S", L"2"}},
      {"empty lines are skipped",
       L"\r\n\r\nSerial Number : S\r\n\n\r\rCut Counter 9\r\n",
       {L"S", L"OLD-P", L"OLD-S", L"9"}},
      {"LF and CR alone end lines",
       L"Serial Number : S\nCut Counter 9\rPrint Counter Length 8",
       {L"S", L"8", L"OLD-S", L"9"}},
      {"nothing after the line END",
       L"Cut Counter 1\r\nEND\r\nSerial Number : S\r\n",
       {L"OLD-SN", L"OLD-P", L"OLD-S", L"1"}},
      {"END must be the whole line", L"END OF LIST\r\n ENDCut Counter 3\r\n", {L"OLD-SN", L"OLD-P", L"OLD-S", L"3"}},
      {"a line goes on as the next line after 99 characters",
       hundred + L"Serial Number : S\r\n",
       {L"S", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"a key cut by the 99th character is not found",
       std::wstring(90, L'x') + L"Serial Number : S\r\n",
       {L"OLD-SN", L"OLD-P", L"OLD-S", L"OLD-C"}},
      {"the text stops at the line's 99th character",
       std::wstring(70, L'x') + L"Cut Counter " + std::wstring(30, L'7'),
       {L"OLD-SN", L"OLD-P", L"OLD-S", std::wstring(17, L'7')}},
      {"a NUL ends the reply",
       std::wstring(L"Cut Counter 1\r\n\0Serial Number : S\r\n", 35),
       {L"OLD-SN", L"OLD-P", L"OLD-S", L"1"}},
      {"text as written, any bytes",
       L"Serial Number : \t:;,\x30b7\x30ea\x30a2\x30eb\r\n",
       {L"\t:;,\x30b7\x30ea\x30a2\x30eb", L"OLD-P", L"OLD-S", L"OLD-C"}},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    ReplyKeyTexts texts;
    store.textBuffer = kEarlier;
    ReadInformation(store, texts);
    store.ClearValues();
    store.textBuffer = c.reply;
    ReadInformation(store, texts);
    EXPECT_EQ(InformationOf(store), c.expected) << c.name;
    for (int slot = kInfoSerialNumberSlot; slot <= kInfoCutCounterSlot; ++slot) {
      EXPECT_EQ(store.slots[static_cast<size_t>(slot)].selected, 1) << c.name;
    }
  }
}

TEST(ReadInformation, FirstReplyWithoutKeysGivesEmptySelectedTexts) {
  SettingsStore store;
  ReplyKeyTexts texts;
  store.textBuffer = L"Serial Number 1\r\n";
  ReadInformation(store, texts);
  EXPECT_EQ(InformationOf(store), (InformationTexts{}));
  EXPECT_EQ(store.infoSerialNumber().selected, 1);
  EXPECT_EQ(store.infoCutCounter().selected, 1);
  // The other slots and the numbers of these stay untouched.
  EXPECT_EQ(store.infoSerialNumber().invalid, 0);
  EXPECT_EQ(store.calibrationResult().selected, 0);
  EXPECT_EQ(store.Entry(entry::kRfidCalibPower).selected, 0);
}

TEST(ReadInformation, KeyTextsAreCutTo39Bytes) {
  const std::wstring forty(40, L'9');
  const std::wstring japanese20(20, L'\x30b7');  // two bytes each in the ANSI code page
  struct Case {
    const char* name;
    std::wstring text;
    std::wstring expected;
  };
  const Case cases[] = {
      {"39 characters stay whole", forty.substr(1), forty.substr(1)},
      {"40 characters lose the last", forty, forty.substr(1)},
      {"the rest of a 99-character line", std::wstring(83, L'A'), std::wstring(39, L'A')},
      {"a double-byte character is not split", japanese20, japanese20.substr(1)},
      {"after one single-byte character it fits", L"1" + japanese20, L"1" + japanese20.substr(1)},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    ReplyKeyTexts texts;
    store.textBuffer = L"Serial Number : " + c.text + L"\r\n";
    ReadInformation(store, texts);
    EXPECT_EQ(store.infoSerialNumber().value, c.expected) << c.name;
    EXPECT_EQ(texts.information[0].back(), '\0') << c.name;
  }
}

TEST(ReadInformation, LongRepliesAreReadUpToTheirLastWholeLine) {
  // 102 lines of 80 bytes leave 25 bytes of room before the closing line.
  std::wstring filler;
  for (int i = 0; i < 102; ++i) filler += std::wstring(78, L'.') + L"\r\n";
  ASSERT_EQ(filler.size() + 25, kMaxReplyBytes);
  struct Case {
    const char* name;
    std::wstring reply;
    std::wstring expectedCut;
  };
  const Case cases[] = {
      {"the last line ends at the limit", filler + L"Cut Counter 12345678901\r\n", L"12345678901"},
      {"only the LF of the last line is beyond it", filler + L"Cut Counter 123456789012\r\n", L"123456789012"},
      {"a line cut by the limit is not read", filler + L"Cut Counter 1234567890123\r\n", L"OLD-C"},
      {"a reply far beyond the limit", filler + L"Cut Counter 1\r\n" + std::wstring(20000, L'z'), L"1"},
      {"a single line beyond the limit", std::wstring(9000, L'z') + L"Cut Counter 1\r\n", L"OLD-C"},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    ReplyKeyTexts texts;
    store.textBuffer = kEarlier;
    ReadInformation(store, texts);
    store.textBuffer = c.reply;
    ReadInformation(store, texts);
    EXPECT_EQ(store.infoCutCounter().value, c.expectedCut) << c.name;
  }
}

TEST(ReadRfidValues, ReplyLines) {
  struct Case {
    const char* name;
    std::wstring reply;
    std::wstring executed, offset, power;
  };
  const Case cases[] = {
      {"TAB separator", L"RFID CALIB POWER\t:\t18\r\n", L"OLD-E", L"OLD-O", L"18"},
      {"space separator", L"RFID CALIB POWER : 18\r\n", L"OLD-E", L"OLD-O", L"18"},
      {"all three, the rest of the line as it stands",
       L"RFID SETTINGS\t:\tAUTO\r\nRFID CALIB EXECUTED\t:\tYES\r\nRFID CALIB POSITION OFFSET\t:\t+1.5\tMM\r\n"
       L"RFID CALIB POWER\t:\t18 dBm\r\n",
       L"YES", L"+1.5\tMM", L"18 dBm"},
      {"any three characters are skipped", L"RFID CALIB POWER--x18\r\n", L"OLD-E", L"OLD-O", L"18"},
      {"a line ending within the separator empties the text", L"RFID CALIB POWER :\r\n", L"OLD-E", L"OLD-O", L""},
      {"a line ending with the key empties the text", L"RFID CALIB EXECUTED\r\n", L"", L"OLD-O", L"OLD-P"},
      {"the separator alone empties the text", L"RFID CALIB EXECUTED : \r\n", L"", L"OLD-O", L"OLD-P"},
      {"keys are case-sensitive", L"rfid calib power : 1\r\n", L"OLD-E", L"OLD-O", L"OLD-P"},
      {"first key in table order", L"RFID CALIB POWER : RFID CALIB EXECUTED : 1\r\n", L"1", L"OLD-O", L"OLD-P"},
      {"empty lines are skipped, END stops", L"\r\n\r\nRFID CALIB POWER : 3\r\n\r\nEND\r\nRFID CALIB EXECUTED : X",
       L"OLD-E", L"OLD-O", L"3"},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    ReplyKeyTexts texts;
    store.textBuffer =
        L"RFID CALIB EXECUTED : OLD-E\r\nRFID CALIB POSITION OFFSET : OLD-O\r\nRFID CALIB POWER : OLD-P\r\n";
    ReadRfidValues(store, texts);
    store.ClearValues();
    store.textBuffer = c.reply;
    ReadRfidValues(store, texts);
    EXPECT_EQ(store.Entry(entry::kRfidCalibExecuted).value, c.executed) << c.name;
    EXPECT_EQ(store.Entry(entry::kRfidCalibPositionOffset).value, c.offset) << c.name;
    EXPECT_EQ(store.Entry(entry::kRfidCalibPower).value, c.power) << c.name;
    for (int e = entry::kRfidCalibExecuted; e <= entry::kRfidCalibPower; ++e) {
      EXPECT_EQ(store.Entry(e).selected, 1) << c.name;
    }
    EXPECT_EQ(store.infoSerialNumber().selected, 0) << c.name;
  }
}

TEST(ReadRfidValues, KeepsItsTextsApartFromTheInformationReader) {
  SettingsStore store;
  ReplyKeyTexts texts;
  store.textBuffer = L"Serial Number : SN\r\nRFID CALIB POWER : 9\r\n";
  ReadRfidValues(store, texts);
  EXPECT_EQ(store.Entry(entry::kRfidCalibPower).value, L"9");
  EXPECT_EQ(store.infoSerialNumber().value, L"");
  ReadInformation(store, texts);
  EXPECT_EQ(store.infoSerialNumber().value, L"SN");
  EXPECT_EQ(store.Entry(entry::kRfidCalibPower).value, L"9");
}

TEST(HasRfidSection, Lines) {
  struct Case {
    std::wstring text;
    bool expected;
  };
  const Case cases[] = {
      {L"PRINT SPEED\t:\t4 IPS\r\nRFID SETTINGS\t:\tAUTO\r\nEND\r\n", true},
      {L"xxRFID SETTINGSyy", true},
      {L"\r\n\r\nRFID SETTINGS\r\n", true},
      {L"rfid settings\t:\tAUTO\r\n", false},
      {L"RFID SETTING\r\n", false},
      {L"END\r\nRFID SETTINGS\r\n", false},
      {L"EXIT\r\nRFID SETTINGS\r\n", true},
      {std::wstring(92, L'x') + L"RFID SETTINGS\r\n", false},
      {L"", false},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    store.rfidCheckText = c.text;
    EXPECT_EQ(HasRfidSection(store), c.expected) << std::string(c.text.begin(), c.text.end());
  }
  SettingsStore other;
  other.textBuffer = L"RFID SETTINGS\r\n";
  EXPECT_FALSE(HasRfidSection(other)) << "reads the RFID check text, not the text buffer";
}

TEST(ReadCalibrationResult, Replies) {
  struct Case {
    const char* name;
    std::wstring reply;
    int invalidBefore;
    int selected, choice, invalid;
    bool unexpected;
  };
  const Case cases[] = {
      {"succeeded", L"AUTO CALIBRATION : SUCCEEDED\r\n", 0, 1, 0, 0, false},
      {"failed", L"AUTO CALIBRATION : FAILED\r\n", 0, 1, 1, 0, false},
      {"an unknown word", L"AUTO CALIBRATION : DONE\r\n", 0, 1, 0, 1, false},
      {"matched in any case", L"auto calibration : failed\r\n", 0, 1, 1, 0, false},
      {"TAB separators keep no space in the word", L"AUTO CALIBRATION\t:\tSUCCEEDED\r\n", 0, 0, 7, 0, true},
      {"keyword without its trailing space", L"AUTO CALIBRATION: SUCCEEDED\r\n", 0, 0, 7, 0, true},
      {"no word", L"AUTO CALIBRATION :\r\n", 0, 1, 0, 1, false},
      {"a word after a comment mark", L"AUTO CALIBRATION :;SUCCEEDED\r\n", 0, 1, 0, 1, false},
      {"an extra line", L"AUTO CALIBRATION : SUCCEEDED\r\nOK\r\n", 0, 1, 0, 0, true},
      {"only an extra line", L"OK\r\n", 0, 0, 7, 0, true},
      {"empty reply", L"", 0, 0, 7, 0, false},
      {"lines without fields are skipped", L"::,\t\r\n; note\r\n\r\nAUTO CALIBRATION : FAILED\r\n", 0, 1, 1, 0, false},
      {"EXIT stops", L"AUTO CALIBRATION : FAILED\r\nEXIT\r\nOK\r\n", 0, 1, 1, 0, false},
      {"END stops", L"END\r\nAUTO CALIBRATION : FAILED\r\n", 0, 0, 7, 0, false},
      {"exit in lower case is an extra line", L"exit\r\nAUTO CALIBRATION : FAILED\r\n", 0, 1, 1, 0, true},
      {"the last accepted word counts", L"AUTO CALIBRATION : FAILED\r\nAUTO CALIBRATION : SUCCEEDED\r\n", 0, 1, 0, 0,
       false},
      {"one rejected word marks it", L"AUTO CALIBRATION : DONE\r\nAUTO CALIBRATION : FAILED\r\n", 0, 1, 0, 1, false},
      {"an earlier invalid mark stays", L"AUTO CALIBRATION : FAILED\r\n", 1, 1, 1, 1, false},
      {"the extra line may come first", L"AUTO CALIBRATION START\r\nAUTO CALIBRATION : SUCCEEDED\r\n", 0, 1, 0, 0,
       true},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    store.calibrationResult().choice = 7;
    store.calibrationResult().invalid = c.invalidBefore;
    store.textBuffer = c.reply;
    EXPECT_EQ(ReadCalibrationResult(store), c.unexpected) << c.name;
    const SettingItem& result = store.calibrationResult();
    EXPECT_EQ(result.selected, c.selected) << c.name;
    EXPECT_EQ(result.choice, c.choice) << c.name;
    EXPECT_EQ(result.invalid, c.invalid) << c.name;
  }
}

TEST(ReadEmulationCode, Replies) {
  struct Case {
    std::wstring reply;
    EmulationCode expected;
  };
  const Case cases[] = {
      {L"MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n", EmulationCode::CodeZebra},
      {L"MACHINE EMULATION CODE\t:\tCODE_EPL\r\n", EmulationCode::CodeEpl},
      {L"MACHINE EMULATION CODE\t:\tCODE_TELMARO\r\n", EmulationCode::CodeTelmaro},
      {L"MACHINE EMULATION CODE\t:\tcode_epl\r\n", EmulationCode::CodeEpl},
      {L"MACHINE EMULATION CODE\t:\tCODE_OTHER\r\n", EmulationCode::Unknown},
      {L"MACHINE EMULATION CODE\t:\t CODE_EPL\r\n", EmulationCode::Unknown},
      {L"MACHINE EMULATION CODE\r\n", EmulationCode::Unknown},
      {L"PRINT SPEED\t:\t4 IPS\r\n\r\nMACHINE EMULATION CODE\t:\tCODE_EPL\r\nMACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n",
       EmulationCode::CodeEpl},
      {L"MACHINE EMULATION CODE : CODE_X\r\nMACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n", EmulationCode::Unknown},
      {L"MACHINE EMULATION CODE : CODE_EPL\r\n", EmulationCode::Unknown},  // the space stays in the word
      {L"machine emulation code\t:\tCODE_EPL\r\nMACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n", EmulationCode::CodeZebra},
      {L"X MACHINE EMULATION CODE\t:\tCODE_EPL\r\n", EmulationCode::CodeEpl},
      {L"EMULATION\t:\tMACHINE EMULATION CODE\r\nMACHINE EMULATION CODE : CODE_ZEBRA\r\n", EmulationCode::Unknown},
      {L"MACHINE EMULATION CODE X\t:\tCODE_EPL\r\n", EmulationCode::CodeEpl},
      {L"END\r\nMACHINE EMULATION CODE\t:\tCODE_EPL\r\n", EmulationCode::Unknown},
      {L"PRINT SPEED\t:\t4 IPS\r\nEND\r\n", EmulationCode::Unknown},
      {L"", EmulationCode::Unknown},
  };
  for (const Case& c : cases) {
    SettingsStore store;
    store.emulationReply = c.reply;
    EXPECT_EQ(ReadEmulationCode(store), c.expected) << std::string(c.reply.begin(), c.reply.end());
  }
}

}  // namespace
}  // namespace vostrel
