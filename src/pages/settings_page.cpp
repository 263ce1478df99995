#include "pages/settings_page.h"

#include "pages/control_kinds.h"
#include "ui/controls.h"

namespace vostrel {

SettingsPage::SettingsPage(int templateId, BindingTable rows, SettingsStore& store, const PageLayout& layout,
                           HINSTANCE instance)
    : ui::Dialog(templateId, instance), rows_(rows), store_(store), layout_(layout), instance_(instance) {}

ui::DialogTemplate SettingsPage::TemplateFor(PrinterModel model, Language language) const {
  ui::DialogTemplate form = ui::DialogTemplate::Load(instance_ ? instance_ : ::GetModuleHandleW(nullptr), templateId());
  for (const FieldBinding& row : rows_) {
    if (!RowEnabled(row, model, language)) {
      form.SetItemStyle(row.checkBox, WS_DISABLED, 0);
      for (const ControlKind& kind : ControlKinds()) {
        if (row.*kind.id) form.SetItemStyle(row.*kind.id, WS_DISABLED, 0);
      }
    }
    // The edits hold the model's defaults, as the reset leaves them.
    if (row.edit) form.SetItemText(row.edit, row.textDefault[ModelSlot(model)]);
    const TextEntry* entry = rowTexts_ ? rowTexts_(row) : nullptr;
    if (entry && entry->caption.count > 0) form.SetItemText(row.checkBox, CellText(entry->caption.first, language));
  }
  return form;
}

void SettingsPage::ApplyModel(PrinterModel model, Language language) { ApplyModelRows(rows(), model, language); }

void SettingsPage::CheckAll() { CheckAllRows(rows()); }

void SettingsPage::UncheckAll() { UncheckAllRows(rows()); }

bool SettingsPage::CollectChecked() { return CollectCheckedRows(rows()); }

bool SettingsPage::CheckedValid() { return CheckedRowsValid(rows()); }

bool SettingsPage::ShowStored() { return ShowStoredRows(rows()); }

bool SettingsPage::IsRowChecked(int item) const {
  for (const FieldBinding& row : rows_) {
    if (row.item == item) return ui::CheckBox(Item(row.checkBox)).IsChecked();
  }
  return false;
}

void SettingsPage::SetRowChecked(int item, bool checked) {
  for (const FieldBinding& row : rows_) {
    if (row.item == item) ui::CheckBox(Item(row.checkBox)).SetChecked(checked);
  }
}

void SettingsPage::AdaptScroll(const RECT& newRect, const RECT& oldRect) {
  if (scrolls()) scroller_.Adapt(newRect, oldRect);
}

void SettingsPage::ChangeDpi(int from, int to) {
  if (scrolls()) scroller_.ChangeDpi(from, to);
}

bool SettingsPage::OnInitDialog() {
  InitRows(rows());
  scroller_.Attach(*this);
  if (scrolls()) {
    scroller_.Init(layout_.scrollMaximum, layout_.scrollPage);
    if (layout_.templateLayout) scroller_.FitContent();
  }
  return ui::Dialog::OnInitDialog();
}

void SettingsPage::OnOK() {
  if (layout_.enterButton) ClickParentButton(hwnd(), layout_.enterButton);
}

bool SettingsPage::PreTranslateMessage(MSG* message) {
  if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) return true;
  return ui::Dialog::PreTranslateMessage(message);
}

std::optional<INT_PTR> SettingsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      // The default colours first; the red is decided now, from the store as
      // it stands, so a cleared store paints black again.
      const INT_PTR brush = static_cast<INT_PTR>(::DefWindowProcW(hwnd(), message, wParam, lParam));
      const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (IsRedCaption(rows(), id)) ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
      return brush;
    }
    case WM_THEMECHANGED:
      // Visual styles switched on or off, or another theme: the red rows'
      // boxes again.
      FollowRedCaptions(rows(), true);
      return std::nullopt;
    case WM_SHOWWINDOW:
      // The store may have changed while the page was hidden.
      if (wParam) FollowRedCaptions(rows());
      if (scrolls()) scroller_.TrackFocus(wParam != FALSE);
      return std::nullopt;
    case WM_VSCROLL:
      if (scrolls() && lParam == 0) scroller_.OnScrollBar(LOWORD(wParam), HIWORD(wParam));
      return std::nullopt;
    case WM_MOUSEWHEEL:
      if (scrolls()) scroller_.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return std::nullopt;
    case WM_MOUSEACTIVATE:
      // The scrolling pages take the focus on a click, so that the wheel
      // reaches them.
      if (scrolls()) ::SetFocus(hwnd());
      return std::nullopt;
    default: return std::nullopt;
  }
}

void ClickParentButton(HWND child, int id) {
  const HWND parent = child ? ::GetParent(child) : nullptr;
  const HWND button = parent ? ::GetDlgItem(parent, id) : nullptr;
  if (!button || !::IsWindowEnabled(button)) return;
  ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace vostrel
