// A themed check box ignores the caption colour a page gives it, so a row
// whose caption is red has its check box drawn without a visual-styles theme
// while one is active (Wine's own "Light" style is, in the test bed), and gets
// the theme back once the caption is black. The other boxes keep their theme:
// unthemeing every box of every page at start cost the start-up dearly.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <uxtheme.h>

#include <string>

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

constexpr int kBoxes[] = {IDC_ROW_A_CHECK, IDC_ROW_B_CHECK, IDC_ROW_C_CHECK, IDC_ROW_H_CHECK};

using RowCheckTheme = PageFixture;

TEST_F(RowCheckTheme, OnlyTheBoxesOfRedRowsLoseTheirThemeAndOnlyWhileTheyAreRed) {
  ASSERT_TRUE(::IsAppThemed());
  page().ApplyModel(PrinterModel::Vx135Zkq, Language::English);
  for (int id : kBoxes) EXPECT_EQ(ThemeClassList(Item(id)), L"<none>") << id;

  for (int id : kBoxes) Check(id).SetChecked(true);
  ASSERT_TRUE(page().CollectChecked());
  item(kRowA).invalid = 1;
  item(kRowC).invalid = 1;
  item(kRowH).invalid = 1;  // a row that is never marked red
  EXPECT_FALSE(page().CheckedValid());
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_A_CHECK)), L" ");
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_C_CHECK)), L" ");
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_B_CHECK)), L"<none>");
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_H_CHECK)), L"<none>");
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_A_LIST)), L"<none>");  // only check boxes of rows

  // A theme that changes while the page is open gives a box back its class's
  // theme; the page takes it away again from the red rows.
  ::SetWindowTheme(Item(IDC_ROW_A_CHECK), nullptr, nullptr);
  ASSERT_EQ(ThemeClassList(Item(IDC_ROW_A_CHECK)), L"<none>");
  ::SendMessageW(page().hwnd(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_A_CHECK)), L" ");

  // Black again (a new model clears the store): the boxes get their theme back.
  store_.ClearValues();
  page().ApplyModel(PrinterModel::Vx120Zkq, Language::English);
  for (int id : kBoxes) EXPECT_EQ(ThemeClassList(Item(id)), L"<none>") << id;
}

TEST_F(RowCheckTheme, AHiddenPageWhoseRowsTurnedRedUnthemesThemWhenItIsShown) {
  ::ShowWindow(page().hwnd(), SW_HIDE);
  item(kRowA).invalid = 1;
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_A_CHECK)), L"<none>");
  ::ShowWindow(page().hwnd(), SW_SHOW);
  EXPECT_EQ(ThemeClassList(Item(IDC_ROW_A_CHECK)), L" ");
}

}  // namespace
}  // namespace vostrel::testing
