#include "pages/page_engine.h"

#include "pages/ipv6_text.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

using ui::CheckBox;
using ui::ComboBox;
using ui::Control;
using ui::Edit;
using ui::IpAddress;
using ui::UpDown;

void FillList(const ComboBox& list, ChoiceList choices) {
  if (!list) return;
  list.Clear();
  for (std::wstring_view choice : choices) {
    if (!choice.empty()) list.Add(choice);
  }
}

// Refills a list from the table in the current language, keeping the index
// that was selected.
void FillFromTable(const ComboBox& list, const TextRange& range) {
  if (!list || range.count <= 0) return;
  const int selected = list.Selected();
  list.Clear();
  for (std::int32_t k = 0; k < range.count; ++k) list.Add(GetText(range, k));
  if (selected >= 0) list.Select(selected);
}

std::wstring MappedText(const PageRows& page, const FieldBinding& row, bool unitList, std::wstring_view text) {
  return page.mapListText ? page.mapListText(row, unitList, text) : std::wstring(text);
}

bool IsCollectable(const PageRows& page, const FieldBinding& row) {
  const CheckBox box(page.Control(row.checkBox));
  return box && box.IsEnabled() && box.IsChecked();
}

}  // namespace

SettingItem* PageRows::ItemOf(const FieldBinding& row) const {
  if (!store || row.item < 0 || row.item >= static_cast<int>(store->slots.size())) return nullptr;
  return &store->slots[static_cast<size_t>(row.item)];
}

void InitRows(const PageRows& page) {
  for (const FieldBinding& row : page.rows) {
    if (row.editLimit > 0) Edit(page.Control(row.edit)).SetLimit(row.editLimit);
    FillList(ComboBox(page.Control(row.list)), row.choices);
    FillList(ComboBox(page.Control(row.unitList)), row.units);
  }
}

void ApplyRowTexts(const PageRows& page, RowTextEntry entryOf) {
  if (!entryOf) return;
  for (const FieldBinding& row : page.rows) {
    const TextEntry* entry = entryOf(row);
    if (!entry) continue;
    if (entry->caption.count > 0) CheckBox(page.Control(row.checkBox)).SetText(GetText(entry->caption, 0));
    FillFromTable(ComboBox(page.Control(row.list)), entry->choices);
    FillFromTable(ComboBox(page.Control(row.unitList)), entry->units);
  }
}

std::wstring EnglishListText(const TextEntry* entry, bool unitList, std::wstring_view text) {
  std::wstring english(text);
  if (entry) EnglishText(unitList ? entry->units : entry->choices, text, english);
  return english;
}

void ApplyEnableRule(const PageRows& page, PrinterModel model, Language language) {
  const bool japanese = language == Language::Japanese;
  for (const FieldBinding& row : page.rows) {
    bool enabled = row.available[ModelSlot(model)] != 0;
    if ((row.japaneseOnly && !japanese) || (row.notJapanese && japanese)) enabled = false;
    for (int id : {row.checkBox, row.list, row.unitList, row.edit, row.spin, row.address}) {
      Control(page.Control(id)).Enable(enabled);
    }
  }
}

void ResetRows(const PageRows& page, PrinterModel model, std::uint32_t skipFlags) {
  const size_t slot = ModelSlot(model);
  for (const FieldBinding& row : page.rows) {
    if ((row.flags & skipFlags) != 0) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(false);
    if (row.list) ComboBox(page.Control(row.list)).Select(row.listDefault[slot]);
    if (row.unitList) ComboBox(page.Control(row.unitList)).Select(row.unitDefault);
    if (row.spin) UpDown(page.Control(row.spin)).SetRange(row.spinMin, row.spinMax);
    if (row.edit) Edit(page.Control(row.edit)).SetText(row.textDefault[slot]);
    if (row.address) IpAddress(page.Control(row.address)).Set({0, 0, 0, 0});
  }
}

void ApplyModelRows(const PageRows& page, PrinterModel model, Language language) {
  ApplyEnableRule(page, model, language);
  ResetRows(page, model);
  RepaintWithoutErase(page.page);
}

void CheckAllRows(const PageRows& page) {
  for (const FieldBinding& row : page.rows) CheckBox(page.Control(row.checkBox)).SetChecked(true);
}

void UncheckAllRows(const PageRows& page) {
  for (const FieldBinding& row : page.rows) CheckBox(page.Control(row.checkBox)).SetChecked(false);
}

bool CollectCheckedRows(const PageRows& page) {
  int count = 0;
  for (const FieldBinding& row : page.rows) {
    if (!IsCollectable(page, row)) continue;
    SettingItem* item = page.ItemOf(row);
    if (!item) continue;
    item->selected = 1;
    ++count;
    if (row.list) {
      const ComboBox list(page.Control(row.list));
      if (row.Has(kRowListIsUnitIndex)) {
        item->unitIndex = list.Selected();
      } else if (row.Has(kRowListToSecondValue)) {
        item->secondValue = MappedText(page, row, false, list.SelectedText());
      } else {
        item->value = MappedText(page, row, false, list.SelectedText());
      }
    }
    if (row.unitList) {
      item->secondValue = MappedText(page, row, true, ComboBox(page.Control(row.unitList)).SelectedText());
    }
    if (row.edit) {
      const std::wstring text = Edit(page.Control(row.edit)).Text();
      item->value = row.Has(kRowIpv6Bytes) ? Ipv6TextToByteList(text) : text;
    }
    if (row.address) item->value = OctetsToCommaText(IpAddress(page.Control(row.address)).Get());
  }
  RepaintWithoutErase(page.page);
  return count > 0;
}

bool CheckedRowsValid(const PageRows& page) {
  bool valid = true;
  for (const FieldBinding& row : page.rows) {
    const SettingItem* item = page.ItemOf(row);
    if (!item || item->selected != 1) continue;
    if (!CheckBox(page.Control(row.checkBox)).IsEnabled()) continue;
    if (item->invalid == 1) valid = false;  // no early return: every red caption is due
  }
  RepaintWithoutErase(page.page);
  return valid;
}

bool ShowStoredRows(const PageRows& page) {
  bool valid = true;
  for (const FieldBinding& row : page.rows) {
    const SettingItem* item = page.ItemOf(row);
    if (!item || item->selected != 1) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(true);
    if (row.list) {
      const bool byUnit = row.Has(kRowListIsUnitIndex) || row.Has(kRowListShowsUnitIndex);
      ComboBox(page.Control(row.list)).Select(byUnit ? item->unitIndex : item->choice);
    }
    if (row.unitList) {
      // A unit index that names no entry shows the row's default unit, so
      // that collecting the row again still yields a unit word.
      const ComboBox units(page.Control(row.unitList));
      if (!units.Select(item->unitIndex)) units.Select(row.unitDefault);
    }
    if (row.edit) Edit(page.Control(row.edit)).SetText(item->value);
    if (row.address) IpAddress(page.Control(row.address)).Set(DottedTextToOctets(item->value));
    if (item->invalid == 1) {
      if (row.edit) Edit(page.Control(row.edit)).SetText(L"");
      valid = false;
    }
  }
  RepaintWithoutErase(page.page);
  return valid;
}

void ShowSentRows(const PageRows& page) {
  for (const FieldBinding& row : page.rows) {
    SettingItem* item = page.ItemOf(row);
    if (!item || item->selected != 1) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(true);
    if (!row.edit) continue;
    if (row.Has(kRowIpv6Bytes)) item->value = ByteListToIpv6Text(item->value);
    Edit(page.Control(row.edit)).SetText(item->value);
  }
  RepaintWithoutErase(page.page);
}

bool IsRedCaption(const PageRows& page, int controlId) {
  if (controlId == 0) return false;
  for (const FieldBinding& row : page.rows) {
    if (row.checkBox != controlId || row.Has(kRowNoRedMark)) continue;
    const SettingItem* item = page.ItemOf(row);
    return item && item->invalid == 1;
  }
  return false;
}

void RepaintWithoutErase(HWND page) {
  if (page) ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

std::wstring OctetsToCommaText(const std::array<std::uint8_t, 4>& octets) {
  std::wstring text;
  for (size_t i = 0; i < octets.size(); ++i) {
    if (i) text += L',';
    text += std::to_wstring(octets[i]);
  }
  return text;
}

std::array<std::uint8_t, 4> DottedTextToOctets(std::wstring_view text) {
  std::array<std::uint8_t, 4> octets{};
  std::wstring_view rest = text;
  for (size_t i = 0; i < octets.size(); ++i) {
    const size_t dot = rest.find(L'.');
    const std::wstring_view part = rest.substr(0, dot);
    unsigned value = 0;
    for (wchar_t c : part) {
      if (c < L'0' || c > L'9') break;
      value = value * 10 + static_cast<unsigned>(c - L'0');
      if (value > 255) value = 255;
    }
    octets[i] = static_cast<std::uint8_t>(value);
    if (dot == std::wstring_view::npos) break;
    rest.remove_prefix(dot + 1);
  }
  return octets;
}

}  // namespace vostrel
