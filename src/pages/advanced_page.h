#pragma once
// The Advanced page: the 57 mechanism and sensor settings after the Standard
// ones, English in every language (no texts of its own), with no Check All.
// What sets it apart from the framework is the resolution of its dots rows.

#include "pages/advanced_bindings.h"
#include "pages/settings_page.h"

namespace vostrel {

class CDlgTabAdvanced : public SettingsPage {
 public:
  static constexpr int kScrollMaximum = 670;
  static constexpr int kScrollPage = 300;

  explicit CDlgTabAdvanced(SettingsStore& store, HINSTANCE instance = nullptr);

  // As the framework's, and the dots rows' up-down buttons get the range of
  // the shown resolution (greyed rows too).
  bool ShowStored() override;
  // After a receive or an import: the stored values shown as ShowStored shows
  // them (a rejected value leaves its edit empty and its caption red), but
  // every row left unticked, so that only rows the user ticks here are ever
  // exported.
  void ShowReceived();

 protected:
  // Choosing a resolution for a row whose width follows it.
  bool OnCommand(int id, int code, HWND control) override;

 private:
  // The page has no Check All.
  using SettingsPage::CheckAll;
};

}  // namespace vostrel
