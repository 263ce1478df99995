#pragma once
// A settings page with one row of every kind, held by a small host window
// with the main window's send button, for the page framework tests.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "pages/binding_check.h"
#include "pages/page_framework_ids.h"
#include "pages/settings_page.h"
#include "settings/settings_store.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/gdi.h"

namespace vostrel::testing {

// Store slots of the rows (any slots will do: the rows only hold values).
enum TestRow { kRowA, kRowB, kRowC, kRowD, kRowE, kRowF, kRowG, kRowH, kRowI, kRowJ, kTestRowCount };

inline constexpr std::wstring_view kNumbers[] = {L"ONE", L"TWO", L"THREE"};
inline constexpr std::wstring_view kUnits[] = {L"MM"};
inline constexpr std::wstring_view kMethods[] = {L"TT", L"DT"};
inline constexpr std::wstring_view kSensors[] = {L"SEE THROUGH", L"", L"REFLECT", L"NONE"};  // empty: skipped
inline constexpr std::wstring_view kResolutions[] = {L"203dpi", L"300dpi"};
inline constexpr std::wstring_view kSwitch[] = {L"OFF", L"ON"};
inline constexpr std::wstring_view kZeroAddress = L"0000:0000:0000:0000:0000:0000:0000:0000";

inline constexpr FieldBinding kTestBindings[] = {
    {.list = IDC_ROW_A_LIST, .item = kRowA, .checkBox = IDC_ROW_A_CHECK, .listDefault = {0, 2}, .choices = kNumbers},
    {.unitList = IDC_ROW_B_UNIT,
     .spin = IDC_ROW_B_SPIN,
     .edit = IDC_ROW_B_EDIT,
     .item = kRowB,
     .spinMin = 0,
     .spinMax = 30,
     .checkBox = IDC_ROW_B_CHECK,
     .textDefault = {L"6.4", L"101.6"},
     .editLimit = 6,
     .units = kUnits},
    {.address = IDC_ROW_C_ADDRESS, .item = kRowC, .checkBox = IDC_ROW_C_CHECK},
    {.edit = IDC_ROW_D_EDIT,
     .item = kRowD,
     .checkBox = IDC_ROW_D_CHECK,
     .textDefault = {kZeroAddress, kZeroAddress},
     .editLimit = 39,
     .flags = kRowIpv6Bytes},
    {.list = IDC_ROW_E_LIST,
     .item = kRowE,
     .checkBox = IDC_ROW_E_CHECK,
     .listDefault = {1, 0},
     .available = {0, 1},
     .choices = kMethods},
    {.edit = IDC_ROW_F_EDIT,
     .item = kRowF,
     .checkBox = IDC_ROW_F_CHECK,
     .textDefault = {L"f0", L"f1"},
     .japaneseOnly = 1},
    {.edit = IDC_ROW_G_EDIT,
     .item = kRowG,
     .checkBox = IDC_ROW_G_CHECK,
     .textDefault = {L"g0", L"g1"},
     .notJapanese = 1},
    {.list = IDC_ROW_H_LIST,
     .item = kRowH,
     .checkBox = IDC_ROW_H_CHECK,
     .listDefault = {2, 1},
     .choices = kSensors,
     .flags = kRowNoRedMark | kRowShared},
    {.list = IDC_ROW_I_LIST,
     .edit = IDC_ROW_I_EDIT,
     .item = kRowI,
     .checkBox = IDC_ROW_I_CHECK,
     .textDefault = {L"832", L"1240"},
     .choices = kResolutions,
     .flags = kRowListIsUnitIndex},
    {.list = IDC_ROW_J_LIST,
     .edit = IDC_ROW_J_EDIT,
     .item = kRowJ,
     .checkBox = IDC_ROW_J_CHECK,
     .choices = kSwitch,
     .flags = kRowListToSecondValue | kRowListShowsUnitIndex},
};

static_assert(BindingTableIsWellFormed(kTestBindings, kRowA));

// The page's lists may show translated words; the store keeps English ones.
inline std::wstring ToEnglish(const FieldBinding&, bool, std::wstring_view text) {
  static constexpr std::array<std::pair<std::wstring_view, std::wstring_view>, 3> kWords = {
      {{L"un", L"ONE"}, {L"deux", L"TWO"}, {L"trois", L"THREE"}}};
  for (const auto& [shown, english] : kWords) {
    if (text == shown) return std::wstring(english);
  }
  return std::wstring(text);
}

inline constexpr int kTestScrollMaximum = 430;
inline constexpr int kTestScrollPage = 300;

class TestPage : public SettingsPage {
 public:
  explicit TestPage(SettingsStore& store)
      : SettingsPage(IDD_TEST_PAGE, kTestBindings, store,
                     PageLayout{kTestScrollMaximum, kTestScrollPage, IDC_TEST_HOST_SEND}) {
    SetListTextMapper(&ToEnglish);
  }
  void ShowSent() { ShowSentRows(rows()); }
  int cancels = 0;

 protected:
  void OnCancel() override { ++cancels; }
};

inline constexpr UINT kEndWith = WM_APP + 1;  // wParam: the modal result

// The main window's stand-in: counts clicks of its send button; run modally
// it ends with 172 on the first click.
template <typename Page>
class PageHost : public ui::Dialog {
 public:
  PageHost(SettingsStore& store, int keyTarget) : ui::Dialog(IDD_TEST_PAGE_HOST), page(store), keyTarget_(keyTarget) {}
  Page page;
  int sendClicks = 0;
  bool pageCreated = false;
  // Run modally: posted to the page's control `keyTarget` once the page exists.
  std::vector<WPARAM> keysToPost;
  bool sendDisabled = false;

 protected:
  bool OnInitDialog() override {
    pageCreated = page.CreateModeless(hwnd());
    ui::Control(Item(IDC_TEST_HOST_SEND)).Enable(!sendDisabled);
    if (modal()) {
      const HWND target = page.Item(keyTarget_);
      ::ShowWindow(page.hwnd(), SW_SHOW);
      ::SetFocus(target);
      for (WPARAM key : keysToPost) ::PostMessageW(target, WM_KEYDOWN, key, 0);
      ::PostMessageW(hwnd(), kEndWith, 42, 0);
    }
    return false;
  }
  bool OnCommand(int id, int code, HWND) override {
    if (id != IDC_TEST_HOST_SEND || code != BN_CLICKED) return false;
    ++sendClicks;
    EndModal(IDC_TEST_HOST_SEND);
    return true;
  }
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message != kEndWith) return std::nullopt;
    EndModal(static_cast<INT_PTR>(wParam));
    return TRUE;
  }

 private:
  int keyTarget_;
};

class TestHost : public PageHost<TestPage> {
 public:
  explicit TestHost(SettingsStore& store) : PageHost<TestPage>(store, IDC_ROW_B_EDIT) {}
};

// A modeless host with its page, ready for the operations.
class PageFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(host_.CreateModeless(nullptr));
    ASSERT_TRUE(host_.pageCreated);
    ASSERT_NE(page().hwnd(), nullptr);
  }

  TestPage& page() { return host_.page; }
  HWND Item(int id) { return page().Item(id); }
  SettingItem& item(TestRow row) { return store_.slots[row]; }
  ui::CheckBox Check(int id) { return ui::CheckBox(Item(id)); }
  ui::ComboBox List(int id) { return ui::ComboBox(Item(id)); }
  ui::Edit Edit(int id) { return ui::Edit(Item(id)); }

  // What the page answers when the system asks for the colours of `id`.
  COLORREF CaptionColour(int id) {
    ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.get(), RGB(1, 2, 3));
    ::SendMessageW(page().hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(Item(id)));
    return ::GetTextColor(dc.get());
  }

  SettingsStore store_;
  TestHost host_{store_};
};

}  // namespace vostrel::testing
