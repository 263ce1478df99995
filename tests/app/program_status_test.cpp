// Black-box tests of the main window's status strip and its Cancel, with the
// real program against the printer simulator over TCP: the link and model in
// words, a Send, an Export and a link that does not open, each saying how it
// ended; Escape and the Cancel button ending the Receive pause with nothing
// more on the wire, and ending the RFID calibration's polls before a poll.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <string>

#include "app/program_fixture.h"
#include "platform/ansi_text.h"
#include "protocol/command_set.h"
#include "support/simulator_process.h"

namespace vostrel::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kFileNameBox = 1148;
constexpr wchar_t kReady[] = L"待機中";
constexpr wchar_t kCancelled[] = L"キャンセルしました";
const std::wstring kPausePrefix = L"プリンタが設定データを準備しています… あと ";

std::string FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Lines of the form "KEY\t:\tVALUE" in what went out.
int SettingLines(const std::string& bytes) {
  int count = 0;
  for (std::size_t at = bytes.find("\t:\t"); at != std::string::npos; at = bytes.find("\t:\t", at + 3)) ++count;
  return count;
}

class ProgramStatusTest : public ProgramTest {
 protected:
  // The simulator with a capture folder of the test's own.
  void StartWithSimulator(const std::wstring& arguments) {
    capture_ = fs::path(Folder()) / "capture";
    fs::create_directories(capture_);
    sim_ = std::make_unique<SimulatorProcess>(std::filesystem::path(VX_PRINTER_SIM_EXE).wstring(),
                                              L"--capture \"" + capture_.wstring() + L"\" " + arguments);
    ASSERT_NE(sim_->port(), 0) << sim_->firstLine();
    WriteIni(L"PORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=" + std::to_wstring(sim_->port()) + L"\r\n");
    ASSERT_NE(Start(), nullptr);
  }

  std::string Captured(int connection) const {
    char name[32];
    std::snprintf(name, sizeof name, "conn-%04d-in.bin", connection);
    return FileBytes(capture_ / name);
  }
  bool HasConnection(int connection) const {
    char name[32];
    std::snprintf(name, sizeof name, "conn-%04d-in.bin", connection);
    return fs::exists(capture_ / name);
  }

  std::wstring Strip() const { return TextOf(Item(IDC_MAIN_STATUS_TEXT)); }
  // The command is over and the window takes input again: the strip's
  // Cancel is gone.
  bool WaitUntilIdle() const {
    return WaitUntil([&] { return !IsShown(Item(IDC_MAIN_STATUS_CANCEL)); }, 10000);
  }
  // Waits until the strip's text matches `pattern`; its last text.
  std::wstring WaitForStrip(const std::wstring& pattern, std::uint32_t timeoutMs = 30000) const {
    const std::wregex wanted(pattern);
    std::wstring text;
    WaitUntil([&] { return std::regex_match(text = Strip(), wanted); }, timeoutMs);
    return text;
  }

  // The next box's text, answered with `button`.
  std::wstring AnswerBox(int button) {
    const HWND box = program().WaitForMessageBox();
    if (!box) return L"<no box>";
    const std::wstring text = ReadMessageBox(box).text;
    Answer(box, button);
    WaitUntil([box] { return !::IsWindow(box); }, 10000);
    return text;
  }

  // The program's save dialog: `path` typed into its file-name box, OK.
  bool SaveAs(const std::wstring& path) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : program().Windows()) {
            if (::GetDlgItem(window, kFileNameBox)) dialog = window;
          }
          return dialog != nullptr;
        },
        20000);
    if (!dialog) return false;
    TypeText(::GetDlgItem(dialog, kFileNameBox), path);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    return WaitUntil([&] { return !::IsWindow(dialog); }, 10000);
  }

  fs::path capture_;
  std::unique_ptr<SimulatorProcess> sim_;
};

TEST_F(ProgramStatusTest, SendExportAndALinkThatDoesNotOpenEachSayHowTheyEnded) {
  ASSERT_NO_FATAL_FAILURE(StartWithSimulator(L""));
  const std::wstring port = std::to_wstring(sim_->port());
  EXPECT_EQ(TextOf(Item(IDC_MAIN_STATUS_LINK)), L"TCP 127.0.0.1:" + port + L"  ·  VX-120-ZKQ");
  EXPECT_EQ(Strip(), kReady);
  EXPECT_FALSE(IsShown(Item(IDC_MAIN_STATUS_CANCEL)));

  // Send with nothing ticked is refused (code 24) before anything is asked;
  // the strip says so as it says any failure.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDOK), L"code : 24\r\n設定する項目を選択して下さい。");
  EXPECT_EQ(WaitForStrip(L"失敗: .*", 5000), L"失敗: code 24 設定する項目を選択して下さい");
  EXPECT_FALSE(HasConnection(1));
  ASSERT_TRUE(WaitUntilIdle());

  // Send from the Standard tab with every row ticked: as many settings as
  // went out.
  Click(Item(IDC_MAIN_CHECK_ALL));
  ASSERT_TRUE(WaitUntil([&] { return IsChecked(Item(IDC_MAIN_CHECK_ALL)); }, 5000));
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDYES), L"プリンタへ設定データを送信しますか？");
  const std::wstring sent = WaitForStrip(LR"(\d\d:\d\d に \d+ 件の設定を TCP 127\.0\.0\.1:\d+ へ送信しました)");
  ASSERT_TRUE(WaitUntil([&] { return HasConnection(1) && SettingLines(Captured(1)) > 0; }, 10000));
  EXPECT_EQ(sent.substr(8),
            std::to_wstring(SettingLines(Captured(1))) + L" 件の設定を TCP 127.0.0.1:" + port + L" へ送信しました")
      << WideToAnsi(sent);
  EXPECT_TRUE(WaitUntilIdle());

  // Export from the Standard tab names the file.
  const std::wstring file = Folder() + L"line3.prn";
  ASSERT_TRUE(WaitUntilIdle());
  Click(Item(IDC_MAIN_EXPORT));
  ASSERT_TRUE(SaveAs(file));
  EXPECT_EQ(WaitForStrip(L".*にエクスポートしました"), file + L" にエクスポートしました");
  EXPECT_TRUE(fs::exists(file));

  // A port nobody listens on: code 30, and the strip keeps it after the box.
  TypeText(Item(IDC_MAIN_PORT_NUMBER_EDIT), L"1");
  EXPECT_EQ(TextOf(Item(IDC_MAIN_STATUS_LINK)), L"TCP 127.0.0.1:1  ·  VX-120-ZKQ");
  ASSERT_TRUE(WaitUntilIdle());
  Click(Item(IDC_MAIN_CHECK_ALL));
  ASSERT_TRUE(WaitUntil([&] { return IsChecked(Item(IDC_MAIN_CHECK_ALL)); }, 5000));
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDYES), L"プリンタへ設定データを送信しますか？");
  EXPECT_EQ(AnswerBox(IDOK), L"code : 30\r\nポートのオープンに失敗しました。");
  EXPECT_EQ(WaitForStrip(L"失敗: .*", 5000), L"失敗: code 30 ポートのオープンに失敗しました");
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

TEST_F(ProgramStatusTest, EscapeAndTheCancelButtonEndTheReceivePauseWithNothingMoreOnTheWire) {
  ASSERT_NO_FATAL_FAILURE(StartWithSimulator(L""));
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  const struct {
    const char* how;
    std::function<void()> cancel;
  } ways[] = {
      {"Escape", [&] { PressKey(window(), VK_ESCAPE); }},
      {"the Cancel button", [&] { Click(Item(IDC_MAIN_STATUS_CANCEL)); }},
  };
  int connections = 0;
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    Click(Item(IDC_MAIN_RECEIVE));
    EXPECT_EQ(AnswerBox(IDYES), L"プリンタから設定データを取得しますか？");
    const std::wstring waiting = WaitForStrip(kPausePrefix + L"\\d+ 秒", 10000);
    ASSERT_TRUE(waiting.starts_with(kPausePrefix)) << WideToAnsi(waiting);
    EXPECT_TRUE(IsEnabled(Item(IDC_MAIN_STATUS_CANCEL)));
    way.cancel();
    EXPECT_EQ(WaitForStrip(kCancelled, 5000), kCancelled);
    // The pre-request went; the request never does, and no box is shown.
    ++connections;
    ::Sleep(1500);
    EXPECT_EQ(Captured(connections), std::string(kPreRequestCommand));
    EXPECT_FALSE(HasConnection(connections + 1));
    EXPECT_FALSE(program().HasMessageBox());
    EXPECT_TRUE(WaitUntilIdle());
    EXPECT_FALSE(IsShown(Item(IDC_MAIN_STATUS_PROGRESS)));
  }
  // The window takes input again: Receive asks, and No leaves it ready.
  Click(Item(IDC_MAIN_RECEIVE));
  EXPECT_EQ(AnswerBox(IDNO), L"プリンタから設定データを取得しますか？");
  EXPECT_EQ(WaitForStrip(kReady, 5000), kReady);
  EXPECT_FALSE(HasConnection(connections + 1));
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

TEST_F(ProgramStatusTest, EscapeEndsTheRfidPollsBeforeAPollIsWritten) {
  ASSERT_NO_FATAL_FAILURE(StartWithSimulator(L"--model VX-135-ZKQ --rfid"));
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 3));
  const HWND calibration = PageWith(IDC_CAL_PROMPT);
  ASSERT_NE(calibration, nullptr);
  ::SendMessageW(ControlOf(calibration, IDC_CAL_RFID_RADIO), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsChecked(ControlOf(calibration, IDC_CAL_RFID_RADIO)); }, 5000));
  Click(Item(IDC_MAIN_SEND));
  EXPECT_EQ(AnswerBox(IDYES), L"RFIDセンサー調整を開始してよろしいですか？");
  // The printer answers a poll, and the first goes before the sixth read: the
  // reads of a silent printer leave seconds to press Escape in.
  const std::wstring running = WaitForStrip(L"RFIDセンサー調整中… \\d+ 秒", 20000);
  ASSERT_TRUE(running.starts_with(L"RFIDセンサー調整中… ")) << WideToAnsi(running);
  EXPECT_TRUE(IsShown(Item(IDC_MAIN_STATUS_PROGRESS)));
  PressKey(window(), VK_ESCAPE);
  EXPECT_EQ(WaitForStrip(kCancelled, 10000), kCancelled);
  ::Sleep(1000);
  EXPECT_EQ(Captured(1), std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n");
  EXPECT_EQ(Captured(2), std::string(kRfidCalibrationStart));
  EXPECT_FALSE(HasConnection(3));
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
}

}  // namespace
}  // namespace vostrel::testing
