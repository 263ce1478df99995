#pragma once
// The kinds of value control a settings row can have (value list, unit list,
// up-down buttons, edit, IPv4 address field). Each kind is one small handler
// that knows, for one row, how its control is set up, translated, reset,
// copied into the row's item and shown from it. The page engine walks every
// row through the kinds the row has, so a page's rows are data only: a
// special row is a flag that the handler of its kind reads.

#include <windows.h>

#include <cstddef>
#include <span>

#include "i18n/text_table.h"
#include "pages/field_binding.h"
#include "settings/settings_store.h"

namespace vostrel {

struct PageRows;

// One row's control of one kind.
struct RowControl {
  const PageRows& page;
  const FieldBinding& row;
  HWND control;
};

// What a kind does; an operation it has nothing to do for is nullptr.
struct ControlKind {
  int FieldBinding::*id;  // the row's control of this kind, 0: the row has none
  // OnInitDialog: limits, English choices.
  void (*init)(const RowControl&);
  // The current language's texts of the row's entry.
  void (*applyTexts)(const RowControl&, const TextEntry&);
  // The model's defaults (modelSlot: ModelSlot of the model).
  void (*reset)(const RowControl&, std::size_t modelSlot);
  // Copies the control's value into the row's item.
  void (*collect)(const RowControl&, SettingItem&);
  // Shows what the row's item holds.
  void (*show)(const RowControl&, const SettingItem&);
  // After a send or an export: shows the item's value as it went out.
  void (*showSent)(const RowControl&, SettingItem&);
};

// Every kind, in the order the engine visits a row's controls.
std::span<const ControlKind> ControlKinds();

}  // namespace vostrel
