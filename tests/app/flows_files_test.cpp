// Import and Export from the main window, in this process, through the
// system's file dialogs: what the files hold, what the pages show, the codes
// of files that cannot be read or written, and the folder the next dialog
// starts in.
#include <gtest/gtest.h>

#include <fstream>

#include "app/flow_fixture.h"
#include "protocol/command_set.h"
#include "support/file_dialog_driver.h"

namespace vostrel::testing {
namespace {

using testing_support::FileDialogDriver;

const std::string kPrefix(kCommandPrefix);

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The folder with its trailing backslash, as the dialogs remember it.
std::wstring FolderOf(const std::filesystem::path& file) { return file.parent_path().wstring() + L"\\"; }

std::wstring WithoutSlash(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

class FlowsFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.created);
    ui.SelectTab(PageId::Standard);
  }

  // Clicks `button` with the file dialog answered by `file` (empty: cancel)
  // and the message boxes by `answers`; the boxes seen.
  std::vector<CaughtBox> ClickWithFile(int button, const std::wstring& file, std::vector<int> answers = {}) {
    FileDialogDriver dialogs({file});
    MessageBoxCatcher catcher(std::move(answers));
    ui.Click(button);
    catcher.Stop();
    dialogs.Stop();
    seen = dialogs.Seen();
    return catcher.Boxes();
  }
  bool StandardRowTicked(int check) const { return ui.PageChecked(PageId::Standard, check); }

  FlowWindow ui;
  ScratchFolder folder;
  std::vector<testing_support::SeenFileDialog> seen;
};

TEST_F(FlowsFilesTest, ExportFromTheStandardTabWritesEveryAvailableSettingAndUnticksTheRows) {
  ui.SetPageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT, L"17");
  ui.SetPageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK, true);
  const std::filesystem::path file = folder / "standard.prn";
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_EXPORT, file.wstring()).empty());

  const std::string bytes = ReadFileBytes(file);
  ASSERT_TRUE(bytes.starts_with(kPrefix + "PRINT SPEED\t:\t"));
  EXPECT_NE(bytes.find("\r\nPRINT DARKNESS\t:\t17\r\n"), std::string::npos);
  for (const char* keyword : {"\r\nMEDIA SENSOR\t:\t", "\r\nHOST NAME\t:\t", "\r\nIPV4 ADDRESS\t:\t",
                              "\r\nRS-232C BAUD\t:\t", "\r\nTIMEOUT\t:\t"}) {
    EXPECT_NE(bytes.find(keyword), std::string::npos) << keyword;
  }
  EXPECT_TRUE(bytes.ends_with("\r\nEND\r\n"));
  EXPECT_FALSE(StandardRowTicked(IDC_STD_PRINT_DARKNESS_CHECK));
  EXPECT_FALSE(StandardRowTicked(IDC_STD_HOST_NAME_CHECK));
  EXPECT_EQ(ui.app.currentPrefs.defaultFolder, FolderOf(file));

  // The file reads back in as it was written, every row ticked.
  ui.window->tabs().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_IMPORT, file.wstring()).empty());
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"17");
  EXPECT_TRUE(StandardRowTicked(IDC_STD_PRINT_DARKNESS_CHECK));
  EXPECT_TRUE(StandardRowTicked(IDC_STD_HOST_NAME_CHECK));
  // The import's dialog started in the folder of the export.
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(WithoutSlash(seen[0].folder), WithoutSlash(folder.path().wstring()));
}

TEST_F(FlowsFilesTest, ExportFromTheSensorAdjustmentTabWritesTheAdjustmentScript) {
  ui.SelectTab(PageId::Calibration);
  const std::filesystem::path file = folder / "adjust.prn";
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_EXPORT, file.wstring()).empty());
  const std::string bytes = ReadFileBytes(file);
  EXPECT_TRUE(bytes.starts_with(kPrefix + "MEDIA SENSOR\t:\tSEE THROUGH\r\n")) << bytes;
  EXPECT_TRUE(bytes.ends_with("\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n")) << bytes;
  EXPECT_FALSE(StandardRowTicked(IDC_STD_MEDIA_SENSOR_CHECK));
}

TEST_F(FlowsFilesTest, AnExportThatIsCancelledWritesNothingButLeavesTheRowsUnticked) {
  ui.SetPageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK, true);
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_EXPORT, L"").empty());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(seen[0].cancelled);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_FALSE(StandardRowTicked(IDC_STD_PRINT_DARKNESS_CHECK));
}

TEST_F(FlowsFilesTest, AnExportThatCannotReplaceTheFileGives22AndLeavesItAsItWas) {
  const std::string old = kPrefix + "PRINT DARKNESS\t:\t3\r\nEND\r\n";
  const std::filesystem::path readOnly = folder / "read-only.prn";
  WriteBytes(readOnly, old);
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::filesystem::path locked = folder / "locked.prn";
  WriteBytes(locked, old);
  // Held open elsewhere without sharing, as an editor would.
  const HANDLE holder = ::CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);

  for (const std::filesystem::path& target : {readOnly, locked}) {
    SCOPED_TRACE(target.string());
    // Yes to the dialog's question whether to replace the file.
    const std::vector<CaughtBox> boxes = ClickWithFile(IDC_MAIN_EXPORT, target.wstring(), {IDYES, IDOK});
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text.substr(0, 9), L"code : 22");
    EXPECT_EQ(boxes.back().icon, MessageBoxCatcher::IconOf(IDI_EXCLAMATION));
  }
  ::CloseHandle(holder);
  EXPECT_EQ(ReadFileBytes(readOnly), old);
  EXPECT_EQ(ReadFileBytes(locked), old);
  // Nothing of the failed writes stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
  ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FlowsFilesTest, ImportShowsTheFilesValuesTickedOrItsRejectedRowsOrNothingFromAnotherFile) {
  const std::filesystem::path valid = folder / "valid.prn";
  WriteBytes(valid, kPrefix + "PRINT DARKNESS\t:\t22\r\nHOST NAME\t:\tfromfile\r\nMEDIA SENSOR\t:\tREFLECT\r\nEND\r\n");
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_IMPORT, valid.wstring()).empty());
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"22");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"fromfile");
  EXPECT_TRUE(StandardRowTicked(IDC_STD_HOST_NAME_CHECK));
  EXPECT_FALSE(StandardRowTicked(IDC_STD_PRINT_SPEED_CHECK));
  EXPECT_TRUE(ui.PageChecked(PageId::Easy, IDC_EASY_MARKS_RADIO));
  EXPECT_EQ(ui.app.currentPrefs.defaultFolder, FolderOf(valid));

  const std::filesystem::path rejected = folder / "rejected.prn";
  WriteBytes(rejected, kPrefix + "PRINT DARKNESS\t:\t99\r\nHOST NAME\t:\tother\r\nEND\r\n");
  std::vector<CaughtBox> boxes = ClickWithFile(IDC_MAIN_IMPORT, rejected.wstring());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.substr(0, 9), L"code : 23");
  // The rejected row ticked and empty (its caption red), the others shown.
  EXPECT_TRUE(StandardRowTicked(IDC_STD_PRINT_DARKNESS_CHECK));
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"other");

  const std::filesystem::path other = folder / "other.prn";
  WriteBytes(other, "just some text\r\nPRINT DARKNESS\t:\t5\r\n");
  boxes = ClickWithFile(IDC_MAIN_IMPORT, other.wstring());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.substr(0, 9), L"code : 20");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"other");

  // Cancelled: nothing changes.
  EXPECT_TRUE(ClickWithFile(IDC_MAIN_IMPORT, L"").empty());
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"other");
}

// A file with the Advanced page's lines: shown there unticked, a rejected one
// empty and red, and the outcome left to the Standard page.
TEST_F(FlowsFilesTest, ImportShowsTheAdvancedValuesUntickedAndOnlyTheStandardPageDecides) {
  struct Case {
    const char* darkness;
    std::size_t boxes;  // 1: code 23
  };
  for (const Case& c : {Case{"22", 0}, Case{"99", 1}}) {
    SCOPED_TRACE(c.darkness);
    const std::filesystem::path file = folder / "factory.prn";
    WriteBytes(file, kPrefix + "PRINT DARKNESS\t:\t" + c.darkness +
                         "\r\nMACH TEAR POS\t:\t8\tDOTS\r\nMACH HOR POS\t:\t33\tDOTS\r\nEND\r\n");
    const std::vector<CaughtBox> boxes = ClickWithFile(IDC_MAIN_IMPORT, file.wstring(), {IDOK});
    ASSERT_EQ(boxes.size(), c.boxes);
    if (c.boxes) {
      EXPECT_EQ(boxes[0].text.substr(0, 9), L"code : 23");
    }

    ExpectAdvancedShownUnticked(ui);
    EXPECT_TRUE(StandardRowTicked(IDC_STD_PRINT_DARKNESS_CHECK));
  }
}

// With the Advanced page accepted, an Export after a Receive or an Import
// writes no Advanced line the user did not tick (the printer's serial number
// least of all), and exactly the ones ticked.
TEST_F(FlowsFilesTest, ExportAfterAReceiveOrAnImportWritesOnlyTheAdvancedRowsTheUserTicked) {
  AcceptAdvancedTab(ui);
  const std::filesystem::path source = folder / "source.prn";
  WriteBytes(source, kPrefix +
                         "PRINT DARKNESS\t:\t22\r\nMACH TEAR POS\t:\t8\tDOTS\r\nAUTOCAL MODE\t:\tOFF\r\n"
                         "USB SERIAL NUMBER\t:\tON\r\nSERIAL NUMBER\t:\t9Z9999999\r\nEND\r\n");
  const char* untickedLines[] = {"MACH TEAR POS", "AUTOCAL MODE", "SERIAL NUMBER", "ADJ THROUGH CAL LEVEL",
                                 "HEAD CHECK PATTERN WIDTH"};
  for (const bool received : {true, false}) {
    SCOPED_TRACE(received ? "received" : "imported");
    if (received) {
      Simulator sim(2);
      ASSERT_NE(sim.port(), 0);
      ui.ChooseNet(sim.port());
      ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES}).size(), 1u);
      EXPECT_EQ(sim.ExitCode(), 0u);
      EXPECT_EQ(ui.PageText(PageId::Advanced, IDC_ADV_ADJ_THROUGH_CAL_EDIT), L"1.25");
    } else {
      ASSERT_TRUE(ClickWithFile(IDC_MAIN_IMPORT, source.wstring()).empty());
      EXPECT_EQ(ui.PageText(PageId::Advanced, IDC_ADV_TEAR_POS_EDIT), L"8");
    }
    const std::wstring name = received ? L"received" : L"imported";
    const std::filesystem::path untouched = folder.path() / (name + L"-untouched.prn");
    ASSERT_TRUE(ClickWithFile(IDC_MAIN_EXPORT, untouched.wstring()).empty());
    const std::string plain = ReadFileBytes(untouched);
    EXPECT_NE(plain.find("\r\nPRINT DARKNESS\t:\t"), std::string::npos);
    for (const char* keyword : untickedLines) {
      EXPECT_EQ(plain.find(std::string("\r\n") + keyword + "\t:"), std::string::npos) << keyword;
    }

    ui.SetPageChecked(PageId::Advanced, IDC_ADV_TEAR_POS_CHECK, true);
    const std::filesystem::path ticked = folder.path() / (name + L"-ticked.prn");
    ASSERT_TRUE(ClickWithFile(IDC_MAIN_EXPORT, ticked.wstring()).empty());
    const std::string withTicked = ReadFileBytes(ticked);
    const std::string tearLine = "\r\nMACH TEAR POS\t:\t" + std::string(received ? "0" : "8") + "\tDOTS\r\n";
    EXPECT_NE(withTicked.find(tearLine), std::string::npos) << withTicked;
    for (const char* keyword : untickedLines) {
      if (std::string(keyword) == "MACH TEAR POS") continue;
      EXPECT_EQ(withTicked.find(std::string("\r\n") + keyword + "\t:"), std::string::npos) << keyword;
    }
    ui.SetPageChecked(PageId::Advanced, IDC_ADV_TEAR_POS_CHECK, false);
  }
}

}  // namespace
}  // namespace vostrel::testing
