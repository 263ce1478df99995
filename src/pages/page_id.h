#pragma once
// The six settings pages by name. Tab k of the main window leads to the page
// whose PageId is k.

#include <array>

namespace vostrel {

enum class PageId : int {
  Easy = 0,
  Standard = 1,
  Information = 2,
  Calibration = 3,
  Print = 4,
  Advanced = 5,
  None = 255
};

inline constexpr int kPageCount = 6;
inline constexpr std::array<PageId, kPageCount> kAllPages = {PageId::Easy,        PageId::Standard, PageId::Information,
                                                             PageId::Calibration, PageId::Print,    PageId::Advanced};

// The tab that leads to `page`, and the page of tab `tab` (None for no tab).
constexpr int TabOf(PageId page) { return static_cast<int>(page); }
constexpr PageId PageOfTab(int tab) { return tab >= 0 && tab < kPageCount ? static_cast<PageId>(tab) : PageId::None; }

}  // namespace vostrel
