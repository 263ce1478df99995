// The row check boxes of a page are drawn without a visual-styles theme, so
// that the red caption of an invalid row does not depend on theming.
#include <gtest/gtest.h>

#include "pages/standard_page.h"
#include "pages/test_page.h"

namespace vostrel::testing {
namespace {

// Wine draws unthemed and has no theme to take away, so GetWindowTheme says
// nothing here; what shows is the theme choice that SetWindowTheme leaves on
// the window: Wine keeps it in the window property "ux_subidlst" as a local atom of
// the class list given (" ", which names no theme class).
std::wstring ThemeClassList(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::GetPropW(window, L"ux_subidlst")));
  if (atom == 0) return L"<none>";
  wchar_t name[64] = {};
  ::GetAtomNameW(atom, name, 64);
  return name;
}

TEST(RowCheckTheme, EveryRowCheckBoxOfTheStandardPageHasNoThemeClass) {
  ASSERT_TRUE(ui::InitDialogControls());
  SettingsStore store;
  PageHost<CDlgTabStandard> host(store, IDC_STD_HOST_NAME_EDIT);
  ASSERT_TRUE(host.CreateModeless(nullptr));
  ASSERT_TRUE(host.pageCreated);
  for (const FieldBinding& row : StandardBindings) {
    EXPECT_EQ(ThemeClassList(host.page.Item(row.checkBox)), L" ") << row.checkBox;
  }
  // Other controls keep the theme of their class.
  EXPECT_EQ(ThemeClassList(host.page.Item(IDC_STD_PRINT_SPEED_LIST)), L"<none>");
}

}  // namespace
}  // namespace vostrel::testing
