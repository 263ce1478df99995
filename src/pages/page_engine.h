#pragma once
// The generic page operations: every settings page walks its binding table
// through these functions, so that a row behaves the same on every page. The
// check box is the engine's own; each value control is handled by its kind
// (control_kinds.h).

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"
#include "i18n/text_table.h"
#include "pages/field_binding.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"
#include "ui/dialog.h"

namespace vostrel {

// Turns the selected text of a row's value list (unitList false) or unit list
// (unitList true) into the text the store keeps, e.g. a translated choice into
// its English word. Without a mapper the text is kept as it stands.
using ListTextMapper = std::wstring (*)(const FieldBinding& row, bool unitList, std::wstring_view text);

// The row's texts in the text table (caption, choices, units), or nullptr when
// the row has none.
using RowTextEntry = const TextEntry* (*)(const FieldBinding& row);

// A page window, its binding table and the store its items live in.
struct PageRows {
  HWND page = nullptr;
  BindingTable rows{};
  SettingsStore* store = nullptr;
  ListTextMapper mapListText = nullptr;
  // The page's dialog, whose look-ups of its controls are kept; without it
  // every look-up asks the window.
  const ui::Dialog* dialog = nullptr;
  // Per row: its check box is drawn without a theme (FollowRedCaptions); kept
  // by the page. Without it the boxes keep their theme.
  std::vector<bool>* plainBoxes = nullptr;
  // The rows' texts in the text table; without them the lists start with
  // the rows' English choices and units.
  RowTextEntry rowTexts = nullptr;

  HWND Control(int id) const {
    if (!id) return nullptr;
    return dialog ? dialog->Item(id) : ::GetDlgItem(page, id);
  }
  // The row's item, or nullptr when the row has none.
  SettingItem* ItemOf(const FieldBinding& row) const;
};

// Whether the row is offered for the model in the language.
bool RowEnabled(const FieldBinding& row, PrinterModel model, Language language);

// OnInitDialog's share: limits the edits and fills the lists, in the current
// language from the rows' texts where the page has them (ApplyRowTexts then
// finds them filled), else with the rows' English choices and units, in
// table order, skipping empty entries.
void InitRows(const PageRows& page);

// Puts the current language's texts on the rows that have an entry: the
// caption on the check box (hidden ones too), the choices into the value list
// and the units into the unit list. A list keeps its selected index; a list
// whose entry names no texts keeps its entries.
void ApplyRowTexts(const PageRows& page, RowTextEntry entryOf);

// The English word of a text shown in a row's value list (unitList false) or
// unit list (unitList true): the English cell of the entry's row whose text,
// in any language, it is. A text found in no row, or a row without an entry,
// is kept as it stands.
std::wstring EnglishListText(const TextEntry* entry, bool unitList, std::wstring_view text);

// Enables each row's controls for the model, then disables rows restricted to
// (or barred from) the current language.
void ApplyEnableRule(const PageRows& page, PrinterModel model, Language language);

// Puts every row back to the model's defaults and clears its check box; rows
// carrying one of `skipFlags` are left alone.
void ResetRows(const PageRows& page, PrinterModel model, std::uint32_t skipFlags = 0);

// The enable rule, the reset and a repaint.
void ApplyModelRows(const PageRows& page, PrinterModel model, Language language);

void CheckAllRows(const PageRows& page);
void UncheckAllRows(const PageRows& page);

// Copies the enabled, checked rows into their items (selected 1). True when at
// least one row was collected.
bool CollectCheckedRows(const PageRows& page);

// False when an enabled row whose item is selected carries `invalid`.
bool CheckedRowsValid(const PageRows& page);

// Shows each selected item in its row, checked; an invalid item empties the
// row's edit and makes the result false.
bool ShowStoredRows(const PageRows& page);

// After a send or an export: checks the rows of the selected items and puts
// their values into the edits, turning IPv6 byte lists back into colon form
// (also in the item).
void ShowSentRows(const PageRows& page);

// Whether the caption of control `controlId` is to be drawn in red now.
bool IsRedCaption(const PageRows& page, int controlId);

// A themed check box draws its caption in the theme's colour and ignores the
// one of WM_CTLCOLORSTATIC. While visual styles are on, the box of a row whose
// caption is red is therefore drawn without a theme, and gets its theme back
// once the caption is black again. Only those boxes: each change is costly.
// `again`: every red row's box is unthemed anew (after a theme change).
void FollowRedCaptions(const PageRows& page, bool again = false);

// Invalidates the page and its controls without erasing the background.
void RepaintWithoutErase(HWND page);
// The same for a page of rows, whose boxes follow their captions first.
void RepaintRows(const PageRows& page);

// "a,b,c,d" for the four octets of an address field.
std::wstring OctetsToCommaText(const std::array<std::uint8_t, 4>& octets);
// Reads a dotted address "a.b.c.d": a missing or unreadable part is 0, a part
// above 255 is 255.
std::array<std::uint8_t, 4> DottedTextToOctets(std::wstring_view text);

}  // namespace vostrel
