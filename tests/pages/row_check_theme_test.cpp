// The row check boxes of a page are drawn without a visual-styles theme while
// one is active (Wine's own "Light" style is, in the test bed), so that the
// red caption of an invalid row does not depend on theming. A change of theme
// takes it away again.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <uxtheme.h>

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
  ASSERT_TRUE(::IsAppThemed());
  for (const FieldBinding& row : StandardBindings) {
    EXPECT_EQ(ThemeClassList(host.page.Item(row.checkBox)), L" ") << row.checkBox;
  }
  // A theme that changes while the page is open gives the boxes back their
  // class's theme; the page takes it away again.
  const HWND first = host.page.Item(StandardBindings[0].checkBox);
  ::SetWindowTheme(first, nullptr, nullptr);
  ASSERT_EQ(ThemeClassList(first), L"<none>");
  ::SendMessageW(host.page.hwnd(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(ThemeClassList(first), L" ");
  // Other controls keep the theme of their class.
  EXPECT_EQ(ThemeClassList(host.page.Item(IDC_STD_PRINT_SPEED_LIST)), L"<none>");
}

}  // namespace
}  // namespace vostrel::testing
