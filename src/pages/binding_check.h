#pragma once
// The compile-time check of a binding table: every page states
//   static_assert(BindingTableIsWellFormed(ItsBindings, itsFirstItem));
// and a table that breaks a rule fails to compile at the rule's line below.

#include <cstddef>

#include "pages/field_binding.h"
#include "settings/catalogue.h"

namespace vostrel {

// For a table whose rows have no item of their own (their values reach the
// store through another page).
inline constexpr int kRowsWithoutItems = -1;

namespace binding_check {

// Thrown only during constant evaluation: the compiler shows this line.
struct Broken {
  const char* rule;
};

constexpr std::size_t ShownEntries(ChoiceList entries) {
  std::size_t count = 0;
  for (std::wstring_view entry : entries) count += entry.empty() ? 0 : 1;
  return count;
}

constexpr void CheckRow(const FieldBinding& row) {
  if (row.checkBox == 0) throw Broken{"every row has a check box"};
  if (row.spin != 0 && row.edit == 0) throw Broken{"up-down buttons need the row's edit"};
  if (row.spin != 0 && row.spinMin > row.spinMax) throw Broken{"an up-down range runs upwards"};
  if (row.Has(kRowIpv6Bytes) && row.edit == 0) throw Broken{"an IPv6 row has an edit"};
  const bool listRole =
      row.Has(kRowListIsUnitIndex) || row.Has(kRowListToSecondValue) || row.Has(kRowListShowsUnitIndex);
  if (listRole && row.list == 0) throw Broken{"a list flag needs the row's list"};
  if (row.Has(kRowListIsUnitIndex) && row.Has(kRowListToSecondValue)) {
    throw Broken{"a list holds either a unit index or a second value"};
  }
  if (row.Has(kRowListIsUnitIndex) && row.edit == 0) throw Broken{"a unit index is the unit of the row's edit"};
  if (row.list != 0 && !row.choices.empty()) {
    for (std::int32_t index : row.listDefault) {
      if (index < 0 || static_cast<std::size_t>(index) >= ShownEntries(row.choices)) {
        throw Broken{"a list default names one of the row's choices"};
      }
    }
  }
  if (row.Has(kRowDotsAtResolution) && (!row.Has(kRowListIsUnitIndex) || row.spin == 0)) {
    throw Broken{"a dots row has a resolution list and up-down buttons"};
  }
  if (row.Has(kRowWidthFollowsResolution) && !row.Has(kRowDotsAtResolution)) {
    throw Broken{"a width that follows the resolution is a dots row"};
  }
  if (row.unitList != 0) {
    if (row.units.empty()) throw Broken{"a unit list has units"};
    if (row.unitDefault < 0 || static_cast<std::size_t>(row.unitDefault) >= ShownEntries(row.units)) {
      throw Broken{"the unit default names one of the row's units"};
    }
  }
  if (row.edit == 0 && (!row.textDefault[0].empty() || !row.textDefault[1].empty())) {
    throw Broken{"a text default needs the row's edit"};
  }
  if (row.edit != 0 && row.editLimit > 0) {
    const std::size_t limit = static_cast<std::size_t>(row.editLimit);
    if (row.textDefault[0].size() > limit || row.textDefault[1].size() > limit) {
      throw Broken{"a text default fits the edit's limit"};
    }
  }
}

}  // namespace binding_check

// Every row well formed, and row i edits catalogue row firstItem + i, all in
// the catalogue group of the first (or, with kRowsWithoutItems, no row has an
// item). Returns true or does not compile.
constexpr bool BindingTableIsWellFormed(BindingTable rows, int firstItem) {
  using binding_check::Broken;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FieldBinding& row = rows[i];
    binding_check::CheckRow(row);
    if (firstItem == kRowsWithoutItems) {
      if (row.item != -1) throw Broken{"the table's rows have no items"};
      continue;
    }
    const int expected = firstItem + static_cast<int>(i);
    if (row.item != expected) throw Broken{"row i edits catalogue row firstItem + i"};
    if (row.item < 0 || row.item >= kScriptEntryCount) throw Broken{"a row's item is a script entry of the catalogue"};
    if (kSlotCatalogue[static_cast<std::size_t>(row.item)].group !=
        kSlotCatalogue[static_cast<std::size_t>(firstItem)].group) {
      throw Broken{"a table's items belong to one catalogue group"};
    }
  }
  return true;
}

}  // namespace vostrel
