// Export from the Sensor Adjustment tab with the RFID choice, in this process
// through the system's file dialog: the file holds the RFID calibration's
// start command alone, and the media choices export the adjustment script
// again.
#include <gtest/gtest.h>

#include "app/flow_fixture.h"
#include "pages/calibration_page.h"
#include "protocol/command_set.h"
#include "res/calibration_page_ids.h"
#include "support/file_dialog_driver.h"

namespace vostrel::testing {
namespace {

using testing_support::FileDialogDriver;

TEST(RfidExport, TheRfidChoiceExportsTheStartCommandAloneAndTheMediaTheScript) {
  FlowWindow ui;
  ASSERT_TRUE(ui.created);
  ScratchFolder folder;
  ui.SelectTab(PageId::Calibration);
  const auto exportTo = [&](const std::filesystem::path& file) {
    FileDialogDriver dialogs({file.wstring()});
    MessageBoxCatcher catcher;
    ui.Click(IDC_MAIN_EXPORT);
    catcher.Stop();
    dialogs.Stop();
    EXPECT_TRUE(catcher.Boxes().empty());
    return ReadFileBytes(file);
  };

  ui.ClickPage(PageId::Calibration, IDC_CAL_RFID_RADIO);
  ASSERT_EQ(ui.window->tabs().calibration()->calibMediaIndex(), CDlgTabCalibration::kRfidMedia);
  EXPECT_EQ(exportTo(folder / "rfid.prn"), std::string(kRfidCalibrationStart));

  ui.ClickPage(PageId::Calibration, IDC_CAL_MARKS_RADIO);
  EXPECT_EQ(exportTo(folder / "marks.prn"),
            std::string(kCommandPrefix) + "MEDIA SENSOR\t:\tREFLECT\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n");
}

}  // namespace
}  // namespace vostrel::testing
