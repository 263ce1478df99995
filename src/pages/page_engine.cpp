#include "pages/page_engine.h"

#include <uxtheme.h>

#include "pages/control_kinds.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

using ui::CheckBox;

// Calls op(kind, control) for each control the row has.
template <typename Op>
void ForEachControl(const PageRows& page, const FieldBinding& row, Op op) {
  for (const ControlKind& kind : ControlKinds()) {
    const int id = row.*kind.id;
    if (id == 0) continue;
    const HWND control = page.Control(id);
    if (control) op(kind, RowControl{page, row, control});
  }
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
    ForEachControl(page, row, [](const ControlKind& kind, const RowControl& at) {
      if (kind.init) kind.init(at);
    });
  }
}

void ApplyRowTexts(const PageRows& page, RowTextEntry entryOf) {
  if (!entryOf) return;
  for (const FieldBinding& row : page.rows) {
    const TextEntry* entry = entryOf(row);
    if (!entry) continue;
    if (entry->caption.count > 0) CheckBox(page.Control(row.checkBox)).SetText(GetText(entry->caption, 0));
    ForEachControl(page, row, [entry](const ControlKind& kind, const RowControl& at) {
      if (kind.applyTexts) kind.applyTexts(at, *entry);
    });
  }
}

std::wstring EnglishListText(const TextEntry* entry, bool unitList, std::wstring_view text) {
  std::wstring english(text);
  if (entry) EnglishText(unitList ? entry->units : entry->choices, text, english);
  return english;
}

bool RowEnabled(const FieldBinding& row, PrinterModel model, Language language) {
  const bool japanese = language == Language::Japanese;
  if ((row.japaneseOnly && !japanese) || (row.notJapanese && japanese)) return false;
  return row.available[ModelSlot(model)] != 0;
}

void ApplyEnableRule(const PageRows& page, PrinterModel model, Language language) {
  for (const FieldBinding& row : page.rows) {
    const bool enabled = RowEnabled(row, model, language);
    ui::Control(page.Control(row.checkBox)).Enable(enabled);
    ForEachControl(page, row,
                   [enabled](const ControlKind&, const RowControl& at) { ui::Control(at.control).Enable(enabled); });
  }
}

void ResetRows(const PageRows& page, PrinterModel model, std::uint32_t skipFlags) {
  const size_t slot = ModelSlot(model);
  for (const FieldBinding& row : page.rows) {
    if ((row.flags & skipFlags) != 0) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(false);
    ForEachControl(page, row, [slot](const ControlKind& kind, const RowControl& at) {
      if (kind.reset) kind.reset(at, slot);
    });
  }
}

void ApplyModelRows(const PageRows& page, PrinterModel model, Language language) {
  ApplyEnableRule(page, model, language);
  ResetRows(page, model);
  RepaintRows(page);
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
    ForEachControl(page, row, [item](const ControlKind& kind, const RowControl& at) {
      if (kind.collect) kind.collect(at, *item);
    });
  }
  RepaintRows(page);
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
  RepaintRows(page);
  return valid;
}

bool ShowStoredRows(const PageRows& page) {
  bool valid = true;
  for (const FieldBinding& row : page.rows) {
    const SettingItem* item = page.ItemOf(row);
    if (!item || item->selected != 1) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(true);
    ForEachControl(page, row, [item](const ControlKind& kind, const RowControl& at) {
      if (kind.show) kind.show(at, *item);
    });
    if (item->invalid == 1) valid = false;
  }
  RepaintRows(page);
  return valid;
}

void ShowSentRows(const PageRows& page) {
  for (const FieldBinding& row : page.rows) {
    SettingItem* item = page.ItemOf(row);
    if (!item || item->selected != 1) continue;
    CheckBox(page.Control(row.checkBox)).SetChecked(true);
    ForEachControl(page, row, [item](const ControlKind& kind, const RowControl& at) {
      if (kind.showSent) kind.showSent(at, *item);
    });
  }
  RepaintRows(page);
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

void FollowRedCaptions(const PageRows& page, bool again) {
  if (!page.plainBoxes) return;
  std::vector<bool>& plain = *page.plainBoxes;
  plain.resize(page.rows.size());
  const bool themed = ::IsAppThemed() != FALSE;
  for (size_t i = 0; i < page.rows.size(); ++i) {
    const int id = page.rows[i].checkBox;
    if (!id) continue;
    const bool red = themed && IsRedCaption(page, id);
    if (red == plain[i] && !(again && red)) continue;
    const HWND box = page.Control(id);
    if (!box) continue;
    // " " names no theme class (an empty name is refused by some systems);
    // nullptr gives the box its class's theme back.
    if (red) {
      ::SetWindowTheme(box, L" ", L" ");
    } else {
      ::SetWindowTheme(box, nullptr, nullptr);
    }
    plain[i] = red;
  }
}

void RepaintRows(const PageRows& page) {
  FollowRedCaptions(page);
  RepaintWithoutErase(page.page);
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
