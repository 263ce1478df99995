#pragma once
// What every settings page shares: a child dialog whose rows are a binding
// table walked by the page engine, the red captions of invalid items, the
// scrolling of a tall page and the page's keys (Escape does nothing, Enter
// clicks a button of the main window).

#include <windows.h>

#include <vector>

#include "i18n/language.h"
#include "pages/field_binding.h"
#include "pages/page_engine.h"
#include "pages/page_scroll.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"
#include "ui/dialog.h"

namespace vostrel {

struct PageLayout {
  int scrollMaximum = 0;  // 0: the page does not scroll
  int scrollPage = 300;
  int enterButton = 0;  // the main window's button that Enter clicks, 0: none
  // The template's controls stay where they are; false: the page lays them
  // out itself (and fits its scroll range to them then).
  bool templateLayout = true;
};

class SettingsPage : public ui::Dialog {
 public:
  SettingsPage(int templateId, BindingTable rows, SettingsStore& store, const PageLayout& layout,
               HINSTANCE instance = nullptr);

  // The page's template as it is to come up for the model and the language:
  // the rows the model lacks disabled, the row captions in the language.
  // ApplyModel and ApplyTexts then find them so; they still put them so when
  // the page was made otherwise.
  virtual ui::DialogTemplate TemplateFor(PrinterModel model, Language language) const;
  // Enables the rows for the model and language, resets them to the model's
  // defaults, unchecked, and repaints.
  virtual void ApplyModel(PrinterModel model, Language language);
  void CheckAll();
  void UncheckAll();
  bool CollectChecked();
  bool CheckedValid();
  virtual bool ShowStored();
  // The check box of the row that edits catalogue item `item`; a page without
  // such a row answers false and ignores the change.
  bool IsRowChecked(int item) const;
  void SetRowChecked(int item, bool checked);
  // After the main window moved and sized the page (both rectangles in the
  // main window's coordinates).
  void AdaptScroll(const RECT& newRect, const RECT& oldRect);
  // The page's DPI changed from `from` to `to` after its controls were moved
  // and sized for the new DPI: the scroll range and the page's own pixel
  // figures and pictures follow.
  virtual void ChangeDpi(int from, int to);

  PageRows rows() const { return {hwnd(), rows_, &store_, mapListText_, this, &plainBoxes_, rowTexts_}; }
  ScrollState scrollState() const { return scroller_.Read(); }
  bool scrolls() const { return layout_.scrollMaximum > 0; }

 protected:
  void SetListTextMapper(ListTextMapper mapper) { mapListText_ = mapper; }
  // Where the rows' texts come from (ApplyRowTexts), for TemplateFor and
  // for the lists' first filling.
  void SetRowTextEntries(RowTextEntry entries) { rowTexts_ = entries; }
  SettingsStore& store() { return store_; }
  HINSTANCE instance() const { return instance_; }
  // After the page moved its controls: the scroll range reaches them all.
  void FitScrollToContent() { scroller_.FitContent(); }

  bool OnInitDialog() override;
  // Enter ends here: the page stays and the main window's button is clicked.
  void OnOK() override;
  void OnCancel() override {}
  bool PreTranslateMessage(MSG* message) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BindingTable rows_;
  SettingsStore& store_;
  PageLayout layout_;
  HINSTANCE instance_;
  ListTextMapper mapListText_ = nullptr;
  RowTextEntry rowTexts_ = nullptr;
  PageScroller scroller_;
  mutable std::vector<bool> plainBoxes_;
};

// Sends the parent window the click of its button `id`, as the user's click
// would; nothing when the button is missing or disabled.
void ClickParentButton(HWND child, int id);

}  // namespace vostrel
