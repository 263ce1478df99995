#pragma once
// Where a page's controls stand, in pixels of the page's client area, once the
// main window has sized the page (600 x 455 pixels, its scroll bar included),
// for the layout tests of the pages.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vostrel::testing {

inline constexpr int kPageWidth = 600;
inline constexpr int kPageHeight = 455;

struct ChildBox {
  int id = 0;
  RECT rect{};
  bool groupBox = false;
};

// The shown child controls of `page` (group boxes marked), at the current
// scroll position.
inline std::vector<ChildBox> ShownChildren(HWND page) {
  std::vector<ChildBox> boxes;
  for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if ((::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    ChildBox box;
    box.id = ::GetDlgCtrlID(child);
    ::GetWindowRect(child, &box.rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box.rect), 2);
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    box.groupBox =
        std::wstring(className) == L"Button" && (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    boxes.push_back(box);
  }
  return boxes;
}

// The lowest bottom edge of the shown controls.
inline int ContentBottom(const std::vector<ChildBox>& boxes) {
  int bottom = 0;
  for (const ChildBox& box : boxes) bottom = std::max<int>(bottom, box.rect.bottom);
  return bottom;
}

// The controls other than group boxes that the line y cuts in two.
inline std::vector<int> ControlsCutAt(const std::vector<ChildBox>& boxes, int y) {
  std::vector<int> cut;
  for (const ChildBox& box : boxes) {
    if (!box.groupBox && box.rect.top < y && box.rect.bottom > y) cut.push_back(box.id);
  }
  return cut;
}

}  // namespace vostrel::testing
