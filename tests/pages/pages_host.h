#pragma once
// The main window's stand-in for the page tests: a dialog with the send
// button (172) and the hidden print-action button (179), which counts their
// clicks. Modeless, it holds pages made by the test; run modally, it makes
// one page, posts keys to one of its controls and ends with the id of the
// first button clicked (or kEndWith's 42 when none was).

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "i18n/language.h"
#include "pages/pages_host_ids.h"
#include "prefs/preferences.h"
#include "settings/printer_model.h"
#include "settings/settings_store.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace vostrel::testing {

class PagesHost : public ui::Dialog {
 public:
  static constexpr UINT kEndWith = WM_APP + 7;
  static constexpr INT_PTR kNoClick = 42;

  PagesHost() : ui::Dialog(IDD_PAGES_HOST) {}

  int Clicks(int id) const {
    const auto found = clicks_.find(id);
    return found == clicks_.end() ? 0 : found->second;
  }

  // Run modally: called once the host exists, returns the control of the
  // page that the keys are posted to.
  std::function<HWND(HWND host)> makePage;
  std::vector<WPARAM> keysToPost;

 protected:
  bool OnInitDialog() override {
    if (modal() && makePage) {
      const HWND target = makePage(hwnd());
      ::ShowWindow(::GetParent(target), SW_SHOW);
      ::SetFocus(target);
      for (WPARAM key : keysToPost) ::PostMessageW(target, WM_KEYDOWN, key, 0);
      ::PostMessageW(hwnd(), kEndWith, 0, 0);
    }
    return false;
  }
  bool OnCommand(int id, int code, HWND) override {
    if ((id != IDC_PAGES_HOST_SEND && id != IDC_PAGES_HOST_PRINT_ACTION) || code != BN_CLICKED) return false;
    ++clicks_[id];
    if (modal()) EndModal(id);
    return true;
  }
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != kEndWith) return std::nullopt;
    EndModal(kNoClick);
    return TRUE;
  }

 private:
  std::map<int, int> clicks_;
};

// One page inside a modeless host, started as the main window starts it:
// its texts, then the model. A page that takes the preferences record gets
// the fixture's own.
template <typename Page>
class HostedPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(page_.CreateModeless(host_.hwnd()));
  }
  void StartUp(int model) {
    page_.ApplyTexts();
    page_.ApplyModel(ModelAt(model), Language::Japanese);
  }
  HWND Item(int id) { return page_.Item(id); }
  std::wstring Text(int id) { return ui::Control(Item(id)).Text(); }
  void Click(int id) { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }

  SettingsStore store_;
  PreferencesRecord prefs_;
  PagesHost host_;
  Page page_{MakePage()};

 private:
  Page MakePage() {
    if constexpr (std::is_constructible_v<Page, SettingsStore&, PreferencesRecord&>) {
      return Page(store_, prefs_);
    } else {
      return Page(store_);
    }
  }
};

// The user's click with the left mouse button at `point` of `page` (its
// client coordinates): the child control under the point takes it, or the
// page itself where the control lets clicks through (a static control
// without SS_NOTIFY answers the hit test with HTTRANSPARENT), as the system
// routes a real click.
inline void UserClick(HWND page, POINT point) {
  HWND target = ::ChildWindowFromPointEx(page, point, CWP_SKIPINVISIBLE);
  POINT screen = point;
  ::ClientToScreen(page, &screen);
  if (!target ||
      (target != page && ::SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)) {
    target = page;
  }
  POINT local = screen;
  ::ScreenToClient(target, &local);
  const LPARAM at = MAKELPARAM(local.x, local.y);
  ::SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(target, WM_LBUTTONUP, 0, at);
}

// Posts `keys` to control `target` of a page made by `make` inside a modal
// host; the host's result: the id of the button clicked, or kNoClick.
template <typename Page, typename Make>
INT_PTR RunKeys(Make make, int target, std::vector<WPARAM> keys) {
  PagesHost host;
  std::optional<Page> page;
  host.makePage = [&](HWND parent) {
    Page& made = make(page);
    EXPECT_TRUE(made.CreateModeless(parent));
    return made.Item(target);
  };
  host.keysToPost = std::move(keys);
  return host.RunModal(nullptr);
}

}  // namespace vostrel::testing
