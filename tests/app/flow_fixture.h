#pragma once
// The main window in the test's own process, with the application object
// behind it and a clock whose protocol pauses pass at once, for the command
// flows: the test sets the link, picks a tab and clicks a button as a user
// would; a helper thread answers the message boxes.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/main_window.h"
#include "pages/settings_page.h"
#include "res/advanced_page_ids.h"
#include "res/easy_page_ids.h"
#include "res/information_page_ids.h"
#include "res/main_window_ids.h"
#include "res/standard_page_ids.h"
#include "support/file_bytes.h"
#include "support/loopback_clock.h"
#include "support/message_box_catcher.h"
#include "support/scratch_folder.h"
#include "support/simulator_process.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace vostrel::testing {

using testing_support::CaughtBox;
using testing_support::MessageBoxCatcher;

inline const std::wstring kCode30 = L"code : 30";
inline const std::wstring kCode31 = L"code : 31";
inline const std::wstring kCode32 = L"code : 32";

class FlowWindow {
 public:
  FlowWindow() {
    ui::InitDialogControls();
    app.modelList = {L"VX-120-ZKQ", L"VX-135-ZKQ"};
    app.currentPrefs.model = app.modelList[0];
    app.loadedPrefs = app.currentPrefs;
    window = std::make_unique<CDrennicDlg>(app, clock);
    created = window->CreateModeless(nullptr);
    if (!created) return;
    MessageBoxCatcher::IgnoreWindow(window->hwnd());
    ::ShowWindow(window->hwnd(), SW_SHOW);
  }
  ~FlowWindow() {
    if (created) window->Destroy();
  }
  FlowWindow(const FlowWindow&) = delete;
  FlowWindow& operator=(const FlowWindow&) = delete;

  HWND hwnd() const { return window->hwnd(); }
  HWND Item(int id) const { return window->Item(id); }
  // A control of the page of `page` (PageId::Easy ...).
  HWND PageItem(PageId page, int id) const { return window->tabs().Page(page)->Item(id); }
  std::wstring PageText(PageId page, int id) const { return ui::Control(PageItem(page, id)).Text(); }
  bool PageChecked(PageId page, int id) const { return ui::CheckBox(PageItem(page, id)).IsChecked(); }
  void SetPageText(PageId page, int id, const std::wstring& text) { ui::Control(PageItem(page, id)).SetText(text); }
  void SetPageChecked(PageId page, int id, bool checked) { ui::CheckBox(PageItem(page, id)).SetChecked(checked); }

  // The user clicks the tab of `page` (the program's own page switch runs).
  void SelectTab(PageId page) {
    ::SendMessageW(Item(IDC_MAIN_TABS), TCM_SETCURSEL, static_cast<WPARAM>(TabOf(page)), 0);
    window->tabs().SwitchPage();
  }
  // The IP address radio with 127.0.0.1 and `port`.
  void ChooseNet(int port) {
    ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Set({127, 0, 0, 1});
    ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(std::to_wstring(port));
    Click(IDC_MAIN_NET_RADIO);
  }
  // The radio of `radio` with the entry `name` added to its list and picked.
  void ChoosePort(int radio, int list, const std::wstring& name) {
    Pick(Item(list), name);
    Click(radio);
  }
  // The queue radio with `queue` picked, its port described as the port
  // discovery would (kind and text), as the only queue besides the others.
  void ChooseQueue(const std::wstring& queue, PortKind portKind, const std::wstring& portText) {
    LinkChoice& links = window->linkChoice();
    links.queuePortKinds[queue] = portKind;
    links.queuePortTexts[queue] = portText;
    Pick(Item(IDC_MAIN_QUEUE_LIST), queue);
    Click(IDC_MAIN_QUEUE_RADIO);
    links.OnQueueSelected();
  }
  // Selects the entry `name` of a list, added first when it is missing.
  static void Pick(HWND list, const std::wstring& name) {
    const ui::ComboBox combo(list);
    for (int i = 0; i < combo.Count(); ++i) {
      if (combo.ItemText(i) == name) {
        combo.Select(i);
        return;
      }
    }
    combo.Select(combo.Add(name));
  }
  void ClickPage(PageId page, int id) { ::SendMessageW(PageItem(page, id), BM_CLICK, 0, 0); }
  // The user picks the model at `index` of the model list.
  void ChooseModel(int index) {
    ui::ComboBox(Item(IDC_MAIN_MODEL_LIST)).Select(index);
    ::SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_MODEL_LIST, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(IDC_MAIN_MODEL_LIST)));
  }
  // A click that runs to its end (message boxes included) before it returns.
  void Click(int id) { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }

  // Clicks `button` with a catcher pressing `answers` in turn; the boxes seen.
  std::vector<CaughtBox> ClickAnswering(int button, std::vector<int> answers) {
    MessageBoxCatcher catcher(std::move(answers));
    Click(button);
    catcher.Stop();
    return catcher.Boxes();
  }

  CDrennicApp app;
  LoopbackClock clock;
  std::unique_ptr<CDrennicDlg> window;
  bool created = false;
};

// The user picks the Advanced tab and answers its warning with Yes.
inline void AcceptAdvancedTab(FlowWindow& ui) {
  MessageBoxCatcher catcher({IDYES});
  ui.SelectTab(PageId::Advanced);
  catcher.Stop();
}

// Whether `page` draws the caption of its check box `id` in red now: its
// answer to the colour question a check box asks before it draws.
inline bool CaptionRed(HWND page, int id) {
  const HDC dc = ::GetDC(page);
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
  const bool red = ::GetTextColor(dc) == RGB(255, 0, 0);
  ::ReleaseDC(page, dc);
  return red;
}

// The Advanced page after a listing or file carrying "MACH TEAR POS 8 DOTS"
// and the rejected "MACH HOR POS 33 DOTS": the good value shown, the rejected
// one's edit empty with its caption red, and neither row ticked.
inline void ExpectAdvancedShownUnticked(FlowWindow& ui) {
  const HWND advanced = ui.window->tabs().Page(PageId::Advanced)->hwnd();
  EXPECT_EQ(ui.PageText(PageId::Advanced, IDC_ADV_TEAR_POS_EDIT), L"8");
  EXPECT_FALSE(ui.PageChecked(PageId::Advanced, IDC_ADV_TEAR_POS_CHECK));
  EXPECT_FALSE(CaptionRed(advanced, IDC_ADV_TEAR_POS_CHECK));
  EXPECT_EQ(ui.PageText(PageId::Advanced, IDC_ADV_HORIZONTAL_POS_EDIT), L"");
  EXPECT_FALSE(ui.PageChecked(PageId::Advanced, IDC_ADV_HORIZONTAL_POS_CHECK));
  EXPECT_TRUE(CaptionRed(advanced, IDC_ADV_HORIZONTAL_POS_CHECK));
}

// The texts of the boxes, in order.
inline std::vector<std::wstring> TextsOf(const std::vector<CaughtBox>& boxes) {
  std::vector<std::wstring> texts;
  for (const CaughtBox& box : boxes) texts.push_back(box.text);
  return texts;
}

}  // namespace vostrel::testing
