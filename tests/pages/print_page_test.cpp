// The Print page from the program's own template, with the system's real
// file dialog behind Browse.
#include "pages/print_page.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <filesystem>
#include <string>

#include "pages/pages_host.h"
#include "platform/module_path.h"
#include "support/file_bytes.h"
#include "support/file_dialog_driver.h"
#include "support/scratch_folder.h"
#include "ui/controls.h"

namespace vostrel::testing {
namespace {

using testing_support::FileDialogDriver;

// A folder as the file dialog names it: no trailing backslash, any case.
std::wstring FolderKey(std::wstring folder) {
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'.')) folder.pop_back();
  for (wchar_t& c : folder) c = static_cast<wchar_t>(std::towlower(c));
  return folder;
}

// Two folders in a scratch folder of the test's own, with a print file in
// each; removed afterwards.
class PrintFiles {
 public:
  PrintFiles() {
    for (const wchar_t* name : {L"first", L"second"}) {
      std::filesystem::create_directory(root_ / name);
      EXPECT_TRUE(WriteFileBytes(File(name), "^XA^XZ"));
    }
  }
  std::wstring Folder(const wchar_t* name) const { return root_.Folder() + name + L"\\"; }
  std::wstring File(const wchar_t* name) const { return Folder(name) + L"label.prn"; }

 private:
  ScratchFolder root_;
};

class PrintPage : public HostedPageTest<CDlgTabPrint> {
 protected:
  int CheckedAction() {
    int checked = -1;
    for (size_t i = 0; i < CDlgTabPrint::kActionRadios.size(); ++i) {
      if (ui::CheckBox(Item(CDlgTabPrint::kActionRadios[i])).IsChecked()) {
        checked = checked == -1 ? static_cast<int>(i) : -2;
      }
    }
    return checked;
  }
};

TEST_F(PrintPage, TextsComeFromTheTableInJapanese) {
  StartUp(0);
  EXPECT_EQ(Text(IDC_PRINT_SELF_TEST_RADIO), L"セルフ印刷");
  EXPECT_EQ(Text(IDC_PRINT_SAMPLE_RADIO), L"サンプル印刷");
  EXPECT_EQ(Text(IDC_PRINT_FILE_RADIO), L"ファイル送信");
  EXPECT_EQ(Text(IDC_PRINT_EXECUTE), L"実行");
  EXPECT_EQ(Text(IDC_PRINT_BROWSE), L"参照...");
}

TEST_F(PrintPage, TheRadioButtonsChooseTheActionAndAModelChangeGoesBackToSelfTest) {
  StartUp(0);
  EXPECT_EQ(page_.printModeIndex(), 0);
  EXPECT_EQ(CheckedAction(), 0);
  ui::Control(Item(IDC_PRINT_FILE_PATH)).SetText(L"C:\\jobs\\a.prn");
  for (int model : {1, 0}) {
    for (int action : {1, 2, 0, 2}) {
      Click(CDlgTabPrint::kActionRadios[static_cast<size_t>(action)]);
      EXPECT_EQ(page_.printModeIndex(), action);
      EXPECT_EQ(CheckedAction(), action);
    }
    page_.ApplyModel(ModelAt(model), Language::Japanese);
    EXPECT_EQ(page_.printModeIndex(), 0) << model;
    EXPECT_EQ(CheckedAction(), 0) << model;
    // The file to send survives the model change.
    EXPECT_EQ(page_.filePathText(), L"C:\\jobs\\a.prn") << model;
  }
}

// The picture beside Self Test is the chosen model's self-test printout,
// and follows every model change; the sample print's stays.
TEST_F(PrintPage, TheSelfTestPictureFollowsTheModel) {
  StartUp(0);
  struct Case {
    int model;
    int selfTest;
  };
  EXPECT_EQ(page_.PictureAt(IDC_PRINT_SELF_TEST_SLOT), IDB_PRINT_SELF_TEST);
  for (const Case& c :
       {Case{1, IDB_PRINT_SELF_TEST_VX135}, Case{0, IDB_PRINT_SELF_TEST}, Case{1, IDB_PRINT_SELF_TEST_VX135}}) {
    page_.ApplyModel(ModelAt(c.model), Language::Japanese);
    EXPECT_EQ(page_.PictureAt(IDC_PRINT_SELF_TEST_SLOT), c.selfTest) << c.model;
    EXPECT_EQ(page_.PictureAt(IDC_PRINT_SAMPLE_SLOT), IDB_PRINT_SAMPLE) << c.model;
  }
}

TEST_F(PrintPage, ExecuteClicksThePrintActionNotTheSendButton) {
  StartUp(0);
  Click(IDC_PRINT_EXECUTE);
  EXPECT_EQ(host_.Clicks(IDC_PAGES_HOST_PRINT_ACTION), 1);
  EXPECT_EQ(host_.Clicks(IDC_PAGES_HOST_SEND), 0);
}

TEST_F(PrintPage, CancellingBrowseChangesNothing) {
  StartUp(0);
  ui::Control(Item(IDC_PRINT_FILE_PATH)).SetText(L"C:\\jobs\\a.prn");
  store_.printFilePath = L"C:\\jobs\\a.prn";
  FileDialogDriver driver({L""});
  EXPECT_FALSE(page_.Browse());
  driver.Stop();
  ASSERT_EQ(driver.Seen().size(), 1u);
  // With no folder remembered, the dialog starts in the program's folder.
  EXPECT_EQ(FolderKey(driver.Seen()[0].folder), FolderKey(ExeFolder()));
  EXPECT_EQ(page_.filePathText(), L"C:\\jobs\\a.prn");
  EXPECT_EQ(store_.printFilePath, L"C:\\jobs\\a.prn");
  EXPECT_EQ(prefs_.defaultFolder, L"");
}

TEST_F(PrintPage, AChosenFileIsShownKeptAndItsFolderStartsTheNextDialog) {
  StartUp(0);
  const PrintFiles files;
  prefs_.defaultFolder = files.Folder(L"first");
  FileDialogDriver driver({files.File(L"second"), L""});
  // The user's click on Browse, then a second dialog that is cancelled.
  Click(IDC_PRINT_BROWSE);
  EXPECT_EQ(page_.filePathText(), files.File(L"second"));
  EXPECT_EQ(store_.printFilePath, files.File(L"second"));
  EXPECT_EQ(prefs_.defaultFolder, files.Folder(L"second"));
  EXPECT_FALSE(page_.Browse());
  driver.Stop();

  const std::vector<testing_support::SeenFileDialog> seen = driver.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(FolderKey(seen[0].folder), FolderKey(files.Folder(L"first")));
  EXPECT_EQ(FolderKey(seen[1].folder), FolderKey(files.Folder(L"second")));
  EXPECT_EQ(store_.printFilePath, files.File(L"second"));
}

}  // namespace
}  // namespace vostrel::testing
