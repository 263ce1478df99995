#pragma once
// One settings row of a page: its check box, its value controls (by control
// id in the page's template), the store slot it edits and its per-model
// defaults. The binding tables of the pages are constexpr arrays of these
// rows, walked by the one engine in page_engine.h; what sets a row apart is a
// flag on the row, never code of its own.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vostrel {

// Row flags. Combine with |.
enum RowFlag : std::uint32_t {
  kRowPlain = 0,
  // The check box caption is never drawn in red.
  kRowNoRedMark = 1u << 0,
  // Left alone by a reset that keeps the values shared with another page.
  kRowShared = 1u << 1,
  // The edit holds an IPv6 address in colon form; the item holds it as
  // sixteen comma-separated byte values.
  kRowIpv6Bytes = 1u << 2,
  // The list chooses the unit of the edit's value: its index is the item's
  // unitIndex, both when collecting and when showing.
  kRowListIsUnitIndex = 1u << 3,
  // The list's text goes to the item's secondValue instead of its value.
  kRowListToSecondValue = 1u << 4,
  // The list shows the item's unitIndex instead of its choice.
  kRowListShowsUnitIndex = 1u << 5,
  // The edit holds dots at the resolution its list chooses (a unit-index
  // list): a shown value gives the up-down buttons that resolution's range.
  kRowDotsAtResolution = 1u << 6,
  // Choosing a resolution also puts that resolution's default (textDefault
  // by list index) into the edit.
  kRowWidthFollowsResolution = 1u << 7,
};

// The English choices of one list, in entry order; empty entries are skipped
// when the list is filled.
using ChoiceList = std::span<const std::wstring_view>;

struct FieldBinding {
  int list = 0;      // value drop-down list, 0: none
  int unitList = 0;  // unit drop-down list, 0: none
  int spin = 0;      // up-down buttons of the edit, 0: none
  int edit = 0;      // edit field, 0: none
  int address = 0;   // IPv4 address field, 0: none
  int item = -1;     // slot of the settings store (catalogue row), -1: none
  std::int32_t unitDefault = 0;
  std::int32_t spinMin = 0;
  std::int32_t spinMax = 0;
  int checkBox = 0;
  std::array<std::int32_t, 2> listDefault{};       // per model
  std::array<std::wstring_view, 2> textDefault{};  // per model
  std::array<std::uint8_t, 2> available{1, 1};     // per model: 1 enabled
  std::uint8_t japaneseOnly = 0;
  std::uint8_t notJapanese = 0;
  // What OnInitDialog gives the row's controls.
  int editLimit = 0;  // characters, 0: no limit set
  ChoiceList choices{};
  ChoiceList units{};
  std::uint32_t flags = kRowPlain;

  constexpr bool Has(RowFlag flag) const { return (flags & flag) != 0; }
};

using BindingTable = std::span<const FieldBinding>;

}  // namespace vostrel
