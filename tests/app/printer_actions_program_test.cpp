// Black-box tests of the program's sensor adjustment and print action
// against the printer simulator over TCP: the Calibration page's own start
// button and the RFID choice, the Print page's Execute and button 172 on
// the Print Test tab, as a user clicks them; a file sent to a printer that
// stopped reading.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/program_fixture.h"
#include "protocol/command_set.h"
#include "res/print_page_ids.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

class PrinterActionsProgramTest : public ProgramTest {
 protected:
  // The next box's text, answered with `button`.
  std::wstring AnswerBox(int button) {
    const HWND box = program().WaitForMessageBox();
    if (!box) return L"<no box>";
    const BoxTexts texts = ReadMessageBox(box);
    EXPECT_EQ(texts.title, kProgramName);
    Answer(box, button);
    WaitUntil([box] { return !::IsWindow(box); }, 10000);
    return texts.text;
  }
};

TEST_F(PrinterActionsProgramTest, CalibrationAndPrintTabsRunTheirCommands) {
  Simulator sim(0, L"--emulation CODE_EPL");
  ASSERT_NE(sim.port(), 0) << sim.firstLine();
  WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=" + std::to_wstring(sim.port()) + L"\r\n");
  ASSERT_NE(Start(), nullptr);

  // The Sensor Adjustment tab offers the RFID calibration as its third choice.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 3));
  const HWND calibration = PageWith(IDC_CAL_PROMPT);
  ASSERT_NE(calibration, nullptr);
  for (int id : {IDC_CAL_RFID_SLOT, IDC_CAL_RFID_RADIO, IDC_CAL_RFID_LABEL}) {
    EXPECT_TRUE(IsShown(ControlOf(calibration, id))) << id;
  }
  EXPECT_EQ(TextOf(ControlOf(calibration, IDC_CAL_RFID_LABEL)), L"RFID付ラベル");

  // The page's own start button runs the sensor adjustment.
  Click(ControlOf(calibration, IDC_CAL_START));
  EXPECT_EQ(AnswerBox(IDYES), L"センサー調整を開始してよろしいですか？");
  EXPECT_EQ(AnswerBox(IDOK), L"センサー調整に成功しました。");
  EXPECT_EQ(sim.Captured(1, "in"),
            std::string(kCommandPrefix) + "MEDIA SENSOR\t:\tSEE THROUGH\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n");

  // With the RFID choice, button 172 asks about the RFID calibration. The
  // adjustment may still be ending (its busy state drops input that is
  // queued): a sent click is never queued input, so it is not lost.
  ::SendMessageW(ControlOf(calibration, IDC_CAL_RFID_RADIO), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsChecked(ControlOf(calibration, IDC_CAL_RFID_RADIO)); }, 5000));
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDNO), L"RFIDセンサー調整を開始してよろしいですか？");

  // The Print page's Execute: the self test in the listing's language.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 4));
  const HWND print = PageWith(IDC_PRINT_FILE_PATH);
  ASSERT_NE(print, nullptr);
  Click(ControlOf(print, IDC_PRINT_EXECUTE));
  EXPECT_EQ(AnswerBox(IDYES), L"印刷を実行しますか？");
  const std::string request = std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
  EXPECT_TRUE(WaitUntil([&] { return sim.Captured(2, "in") == request + "U\n"; }, 10000)) << sim.Captured(2, "in");
  // Button 172 on this tab is the same action.
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDYES), L"印刷を実行しますか？");
  EXPECT_TRUE(WaitUntil([&] { return sim.Captured(3, "in") == request + "U\n"; }, 10000)) << sim.Captured(3, "in");
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

TEST_F(PrinterActionsProgramTest, SendFileToAPrinterThatStoppedReadingEndsWithCode31) {
  // More than the socket buffers of both ends hold.
  const std::filesystem::path job = std::filesystem::path(Folder()) / "big.prn";
  std::ofstream(job, std::ios::binary) << std::string(8u << 20, 'B');
  Simulator sim(0, L"--never-read");
  ASSERT_NE(sim.port(), 0) << sim.firstLine();
  WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=" + std::to_wstring(sim.port()) + L"\r\n");
  ASSERT_NE(Start(), nullptr);

  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 4));
  const HWND print = PageWith(IDC_PRINT_FILE_PATH);
  ASSERT_NE(print, nullptr);
  Click(ControlOf(print, IDC_PRINT_FILE_RADIO));
  WaitUntil([&] { return IsChecked(ControlOf(print, IDC_PRINT_FILE_RADIO)); }, 5000);
  TypeText(ControlOf(print, IDC_PRINT_FILE_PATH), job.wstring());
  Click(ControlOf(print, IDC_PRINT_EXECUTE));
  EXPECT_EQ(AnswerBox(IDYES), L"印刷を実行しますか？");
  // The write gives up once it made no progress for five seconds, not after
  // the minutes a printer that never reads could hold it.
  const HWND box = program().WaitForMessageBox(60000);
  ASSERT_NE(box, nullptr);
  const BoxTexts texts = ReadMessageBox(box);
  EXPECT_TRUE(texts.text.starts_with(L"code : 31\r\n")) << std::string(texts.text.begin(), texts.text.end());
  AnswerAndSettle(box, IDOK);
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

}  // namespace
}  // namespace vostrel::testing
