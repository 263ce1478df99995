#include "pages/control_kinds.h"

#include <array>
#include <string>

#include "pages/ipv6_text.h"
#include "pages/page_engine.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

using ui::ComboBox;
using ui::Edit;
using ui::IpAddress;
using ui::UpDown;

void FillList(const ComboBox& list, ChoiceList choices) {
  const ui::RedrawPause pause(list.hwnd());
  list.Clear();
  for (std::wstring_view choice : choices) {
    if (!choice.empty()) list.Add(choice);
  }
}

// Refills a list from the table in the current language, keeping the index
// that was selected; a range without rows, or a list that holds those texts
// already, is left as it is.
void FillFromTable(const ComboBox& list, const TextRange& range) {
  if (range.count <= 0) return;
  if (list.Count() == range.count) {
    std::int32_t k = 0;
    while (k < range.count && list.ItemText(k) == GetText(range, k)) ++k;
    if (k == range.count) return;
  }
  const int selected = list.Selected();
  const ui::RedrawPause pause(list.hwnd());
  list.Clear();
  for (std::int32_t k = 0; k < range.count; ++k) list.Add(GetText(range, k));
  if (selected >= 0) list.Select(selected);
}

std::wstring StoredText(const RowControl& at, bool unitList, std::wstring_view text) {
  return at.page.mapListText ? at.page.mapListText(at.row, unitList, text) : std::wstring(text);
}

// The value list. What it stands for depends on the row: mostly the value,
// or the unit of the edit's value (as an index), or a switch word beside it.
enum class ListHolds { Value, UnitIndex, SecondValue };

ListHolds HoldsOf(const FieldBinding& row) {
  if (row.Has(kRowListIsUnitIndex)) return ListHolds::UnitIndex;
  if (row.Has(kRowListToSecondValue)) return ListHolds::SecondValue;
  return ListHolds::Value;
}

// A list's first filling: from the row's texts in the current language where
// its page has them, else with the row's English words.
void FillFirst(const RowControl& at, TextRange TextEntry::*texts, ChoiceList FieldBinding::*words) {
  const TextEntry* entry = at.page.rowTexts ? at.page.rowTexts(at.row) : nullptr;
  if (entry && (entry->*texts).count > 0) {
    FillFromTable(ComboBox(at.control), entry->*texts);
  } else {
    FillList(ComboBox(at.control), at.row.*words);
  }
}

namespace value_list {
void Init(const RowControl& at) { FillFirst(at, &TextEntry::choices, &FieldBinding::choices); }
void ApplyTexts(const RowControl& at, const TextEntry& entry) { FillFromTable(ComboBox(at.control), entry.choices); }
void Reset(const RowControl& at, std::size_t slot) { ComboBox(at.control).Select(at.row.listDefault[slot]); }
void Collect(const RowControl& at, SettingItem& item) {
  const ComboBox list(at.control);
  switch (HoldsOf(at.row)) {
    case ListHolds::UnitIndex: item.unitIndex = list.Selected(); break;
    case ListHolds::SecondValue: item.secondValue = StoredText(at, false, list.SelectedText()); break;
    case ListHolds::Value: item.value = StoredText(at, false, list.SelectedText()); break;
  }
}
void Show(const RowControl& at, const SettingItem& item) {
  const bool byUnit = HoldsOf(at.row) == ListHolds::UnitIndex || at.row.Has(kRowListShowsUnitIndex);
  ComboBox(at.control).Select(byUnit ? item.unitIndex : item.choice);
}
}  // namespace value_list

namespace unit_list {
void Init(const RowControl& at) { FillFirst(at, &TextEntry::units, &FieldBinding::units); }
void ApplyTexts(const RowControl& at, const TextEntry& entry) { FillFromTable(ComboBox(at.control), entry.units); }
void Reset(const RowControl& at, std::size_t) { ComboBox(at.control).Select(at.row.unitDefault); }
void Collect(const RowControl& at, SettingItem& item) {
  item.secondValue = StoredText(at, true, ComboBox(at.control).SelectedText());
}
void Show(const RowControl& at, const SettingItem& item) {
  // A unit index that names no entry shows the row's default unit, so that
  // collecting the row again still yields a unit word.
  const ComboBox units(at.control);
  if (!units.Select(item.unitIndex)) units.Select(at.row.unitDefault);
}
}  // namespace unit_list

namespace up_down {
void Reset(const RowControl& at, std::size_t) { UpDown(at.control).SetRange(at.row.spinMin, at.row.spinMax); }
}  // namespace up_down

namespace edit {
void Init(const RowControl& at) {
  if (at.row.editLimit > 0) Edit(at.control).SetLimit(at.row.editLimit);
}
void Reset(const RowControl& at, std::size_t slot) { Edit(at.control).SetText(at.row.textDefault[slot]); }
void Collect(const RowControl& at, SettingItem& item) {
  const std::wstring text = Edit(at.control).Text();
  item.value = at.row.Has(kRowIpv6Bytes) ? Ipv6TextToByteList(text) : text;
}
// An invalid value is not shown: the edit is emptied.
void Show(const RowControl& at, const SettingItem& item) {
  Edit(at.control).SetText(item.invalid == 1 ? std::wstring() : item.value);
}
void ShowSent(const RowControl& at, SettingItem& item) {
  if (at.row.Has(kRowIpv6Bytes)) item.value = ByteListToIpv6Text(item.value);
  Edit(at.control).SetText(item.value);
}
}  // namespace edit

namespace address {
void Reset(const RowControl& at, std::size_t) { IpAddress(at.control).Set({0, 0, 0, 0}); }
void Collect(const RowControl& at, SettingItem& item) { item.value = OctetsToCommaText(IpAddress(at.control).Get()); }
void Show(const RowControl& at, const SettingItem& item) { IpAddress(at.control).Set(DottedTextToOctets(item.value)); }
}  // namespace address

// The kinds are independent of each other: each writes its own fields of the
// item, so the order only fixes the order of the calls.
constexpr std::array<ControlKind, 5> kKinds = {{
    {&FieldBinding::list, &value_list::Init, &value_list::ApplyTexts, &value_list::Reset, &value_list::Collect,
     &value_list::Show, nullptr},
    {&FieldBinding::unitList, &unit_list::Init, &unit_list::ApplyTexts, &unit_list::Reset, &unit_list::Collect,
     &unit_list::Show, nullptr},
    {&FieldBinding::spin, nullptr, nullptr, &up_down::Reset, nullptr, nullptr, nullptr},
    {&FieldBinding::edit, &edit::Init, nullptr, &edit::Reset, &edit::Collect, &edit::Show, &edit::ShowSent},
    {&FieldBinding::address, nullptr, nullptr, &address::Reset, &address::Collect, &address::Show, nullptr},
}};

}  // namespace

std::span<const ControlKind> ControlKinds() { return kKinds; }

}  // namespace vostrel
