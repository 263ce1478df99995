// Enter and Escape on every settings page, hosted as the main window hosts
// them: Escape does nothing (no cancel that would end the window), Enter
// clicks the window's send button, or on the Print page its print action.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <type_traits>

#include "pages/advanced_page.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/information_page.h"
#include "pages/pages_host.h"
#include "pages/print_page.h"
#include "pages/standard_page.h"
#include "prefs/preferences.h"
#include "settings/settings_store.h"
#include "ui/controls.h"

namespace vostrel::testing {
namespace {

// The host's result after `key` on control `target` of a fresh Page.
template <typename Page>
INT_PTR PressOn(int target, WPARAM key) {
  SettingsStore store;
  PreferencesRecord prefs;
  return RunKeys<Page>(
      [&](std::optional<Page>& page) -> Page& {
        if constexpr (std::is_constructible_v<Page, SettingsStore&, PreferencesRecord&>) {
          return page.emplace(store, prefs);
        } else {
          return page.emplace(store);
        }
      },
      target, {key});
}

struct PageKeys {
  const char* page;
  INT_PTR (*press)(int target, WPARAM key);
  int target;  // a control of the page that has the focus
  INT_PTR enterClicks;
};

const PageKeys kPages[] = {
    {"standard", PressOn<CDlgTabStandard>, IDC_STD_HOST_NAME_EDIT, IDC_PAGES_HOST_SEND},
    {"advanced", PressOn<CDlgTabAdvanced>, IDC_ADV_USB_SERIAL_EDIT, IDC_PAGES_HOST_SEND},
    {"easy", PressOn<CDlgTabEasy>, IDC_EASY_METHOD_LIST, IDC_PAGES_HOST_SEND},
    {"calibration", PressOn<CDlgTabCalibration>, IDC_CAL_GAPS_RADIO, IDC_PAGES_HOST_SEND},
    {"information", PressOn<CDlgTabInformation>, IDC_INFO_SERIAL_VALUE, IDC_PAGES_HOST_SEND},
    {"print", PressOn<CDlgTabPrint>, IDC_PRINT_FILE_PATH, IDC_PAGES_HOST_PRINT_ACTION},
};

TEST(SettingsPageKeys, EscapeDoesNothingAndEnterClicksTheWindowsButton) {
  ASSERT_TRUE(ui::InitDialogControls());
  for (const PageKeys& p : kPages) {
    EXPECT_EQ(p.press(p.target, VK_ESCAPE), PagesHost::kNoClick) << p.page;
    EXPECT_EQ(p.press(p.target, VK_RETURN), p.enterClicks) << p.page;
  }
}

}  // namespace
}  // namespace vostrel::testing
