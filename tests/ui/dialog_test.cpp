// The dialog layer under Wine's null graphics driver: templates, the object
// behind a window, value exchange, message routing and the control views.
#include "ui/dialog.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog_layer_ids.h"
#include "ui/gdi.h"

namespace vostrel::ui {
namespace {

constexpr UINT kEndWith = WM_APP + 1;  // wParam: the code to end the modal dialog with

class DialogLayer : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(InitDialogControls()); }
};

// A modal dialog that exchanges four kinds of values, plays a user who changes
// every control, and then presses the button given.
class ExchangeDialog : public Dialog {
 public:
  explicit ExchangeDialog(int button) : Dialog(IDD_TEST_MODAL), button_(button) {}

  bool checked = true;
  std::wstring text = L"start";
  int comboIndex = 1;
  int radio = 0;

  // What the controls showed right after the initial push.
  bool shownChecked = false;
  std::wstring shownText;
  int shownCombo = -1;
  int shownRadio = -1;

 protected:
  void ExchangeValues(ValueExchange& exchange) override {
    exchange.Check(IDC_TEST_CHECK, checked);
    exchange.Text(IDC_TEST_EDIT, text);
    exchange.ComboIndex(IDC_TEST_COMBO, comboIndex);
    exchange.Radio(IDC_TEST_RADIO_A, IDC_TEST_RADIO_C, radio);
  }

  bool OnInitDialog() override {
    const ComboBox combo(Item(IDC_TEST_COMBO));
    for (const wchar_t* entry : {L"zero", L"one", L"two"}) combo.Add(entry);
    Dialog::OnInitDialog();

    shownChecked = CheckBox(Item(IDC_TEST_CHECK)).IsChecked();
    shownText = Control(Item(IDC_TEST_EDIT)).Text();
    shownCombo = combo.Selected();
    for (int id = IDC_TEST_RADIO_A; id <= IDC_TEST_RADIO_C; ++id) {
      if (CheckBox(Item(id)).IsChecked()) shownRadio = id - IDC_TEST_RADIO_A;
    }

    CheckBox(Item(IDC_TEST_CHECK)).SetChecked(false);
    Control(Item(IDC_TEST_EDIT)).SetText(L"typed \u8868");
    combo.Select(2);
    CheckBox(Item(IDC_TEST_RADIO_A)).SetChecked(false);
    CheckBox(Item(IDC_TEST_RADIO_C)).SetChecked(true);
    ::PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), reinterpret_cast<LPARAM>(Item(button_)));
    return true;
  }

 private:
  int button_;
};

TEST_F(DialogLayer, PushesAtInitAndPullsOnlyOnOk) {
  struct Case {
    int button;
    bool pulled;
  };
  for (const Case& c : {Case{IDOK, true}, Case{IDCANCEL, false}}) {
    SCOPED_TRACE(c.button);
    ExchangeDialog dialog(c.button);
    EXPECT_EQ(dialog.RunModal(nullptr), c.button);
    EXPECT_EQ(dialog.hwnd(), nullptr);

    EXPECT_TRUE(dialog.shownChecked);
    EXPECT_EQ(dialog.shownText, L"start");
    EXPECT_EQ(dialog.shownCombo, 1);
    EXPECT_EQ(dialog.shownRadio, 0);

    EXPECT_EQ(dialog.checked, !c.pulled);
    EXPECT_EQ(dialog.text, c.pulled ? L"typed \u8868" : L"start");
    EXPECT_EQ(dialog.comboIndex, c.pulled ? 2 : 1);
    EXPECT_EQ(dialog.radio, c.pulled ? 2 : 0);
  }
}

// Throws from a handler; a later message must still be handled, so nothing
// unwound through the system's dialog code.
class ThrowingDialog : public Dialog {
 public:
  ThrowingDialog() : Dialog(IDD_TEST_MODAL) {}
  int handled = 0;

 protected:
  bool OnInitDialog() override {
    ::PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(500, 0), 0);
    ::PostMessageW(hwnd(), kEndWith, 7, 0);
    return true;
  }
  bool OnCommand(int id, int, HWND) override {
    if (id == 500) {
      ++handled;
      throw std::runtime_error("handler failed");
    }
    return false;
  }
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message != kEndWith) return std::nullopt;
    EndModal(static_cast<INT_PTR>(wParam));
    return TRUE;
  }
};

// Collects what the process hands to the debugger's output: OutputDebugString
// raises an exception that a vectored handler sees first and lets pass.
class DebugOutputCatcher {
 public:
  DebugOutputCatcher() : handler_(::AddVectoredExceptionHandler(1, &DebugOutputCatcher::Handle)) { lines().clear(); }
  ~DebugOutputCatcher() { ::RemoveVectoredExceptionHandler(handler_); }
  DebugOutputCatcher(const DebugOutputCatcher&) = delete;
  DebugOutputCatcher& operator=(const DebugOutputCatcher&) = delete;

  static std::vector<std::wstring>& lines() {
    static std::vector<std::wstring> caught;
    return caught;
  }

 private:
  static constexpr DWORD kWidePrint = 0x4001000A;  // DBG_PRINTEXCEPTION_WIDE_C
  static LONG CALLBACK Handle(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    if (record.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    if (record.ExceptionCode == kWidePrint) {
      lines().emplace_back(reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]));
    } else if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
      const std::string text(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
      lines().emplace_back(text.begin(), text.end());
    } else {
      return EXCEPTION_CONTINUE_SEARCH;
    }
    return EXCEPTION_CONTINUE_EXECUTION;
  }

  PVOID handler_;
};

TEST_F(DialogLayer, AnExceptionInAHandlerStaysInsideTheProcedure) {
  DebugOutputCatcher catcher;
  ThrowingDialog dialog;
  EXPECT_EQ(dialog.RunModal(nullptr), 7);
  EXPECT_EQ(dialog.handled, 1);
  // What was caught is not swallowed silently: the handler, the message and
  // the exception's own words reach the debugger's output.
  bool reported = false;
  for (const std::wstring& line : DebugOutputCatcher::lines()) {
    reported = reported || line == L"Vostrel: the dialog procedure caught, message 0x0111: handler failed\n";
  }
  EXPECT_TRUE(reported) << DebugOutputCatcher::lines().size();
}

TEST_F(DialogLayer, AMissingTemplateFailsCleanly) {
  Dialog dialog(4242);
  EXPECT_EQ(dialog.RunModal(nullptr), -1);
  EXPECT_FALSE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

// Records the key messages offered to it and takes F5; one that passes leaves
// every message to the next window up.
class RecordingChild : public Dialog {
 public:
  explicit RecordingChild(int templateId = IDD_TEST_CHILD, bool passes = false) : Dialog(templateId), passes_(passes) {}
  std::vector<WPARAM> keysOffered;
  int cancels = 0;
  bool destroyed = false;

 protected:
  bool PreTranslateMessage(MSG* message) override {
    if (message->message == WM_KEYDOWN) keysOffered.push_back(message->wParam);
    if (passes_) return false;
    if (message->message == WM_KEYDOWN && message->wParam == VK_F5) return true;
    return Dialog::PreTranslateMessage(message);
  }
  void OnCancel() override { ++cancels; }
  void OnDestroyed() override { destroyed = true; }

 private:
  bool passes_;
};

// A modal host holding the child; the keys are posted to the child's edit and
// go through the host's modal loop.
class HostDialog : public Dialog {
 public:
  HostDialog() : Dialog(IDD_TEST_MODAL) {}
  RecordingChild child;
  bool childCreated = false;
  bool childFound = false;

 protected:
  bool OnInitDialog() override {
    childCreated = child.CreateModeless(hwnd());
    childFound = Dialog::FromHandle(child.hwnd()) == &child;
    const HWND edit = child.Item(IDC_TEST_CHILD_EDIT);
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, VK_F5, 0);
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(hwnd(), kEndWith, 42, 0);
    return false;
  }
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message != kEndWith) return std::nullopt;
    EndModal(static_cast<INT_PTR>(wParam));
    return TRUE;
  }
};

TEST_F(DialogLayer, KeysReachTheInnermostDialogFirstDuringAModalLoop) {
  HostDialog host;
  // Escape taken by the child's own navigation never reaches the host, which
  // would otherwise end with IDCANCEL.
  EXPECT_EQ(host.RunModal(nullptr), 42);
  EXPECT_TRUE(host.childCreated);
  EXPECT_TRUE(host.childFound);
  EXPECT_EQ(host.child.keysOffered, (std::vector<WPARAM>{VK_F5, VK_ESCAPE}));
  EXPECT_EQ(host.child.cancels, 1);
  // The child went with its parent and let go of its window.
  EXPECT_TRUE(host.child.destroyed);
  EXPECT_EQ(host.child.hwnd(), nullptr);
}

TEST_F(DialogLayer, RoutingStopsAtTheTopLevelWindow) {
  // A top-level dialog owned by another: the owner's pre-translation must not
  // see keys aimed at the owned window.
  RecordingChild owner(IDD_TEST_MODAL);
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  RecordingChild owned(IDD_TEST_MODAL, true);
  ASSERT_TRUE(owned.CreateModeless(owner.hwnd()));
  ASSERT_EQ(::GetParent(owned.hwnd()), owner.hwnd());  // GetParent gives the owner

  MSG message{owned.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_F5, 0, 0, {}};
  EXPECT_FALSE(Dialog::RouteMessage(&message));
  EXPECT_EQ(owned.keysOffered, std::vector<WPARAM>{VK_F5});
  EXPECT_TRUE(owner.keysOffered.empty());
  MSG notKey{owned.Item(IDC_TEST_EDIT), WM_MOUSEMOVE, 0, 0, 0, {}};
  EXPECT_FALSE(Dialog::RouteMessage(&notKey));
}

TEST_F(DialogLayer, DestroyingAnObjectTakesItsModelessWindowDown) {
  HWND window = nullptr;
  {
    Dialog dialog(IDD_TEST_MODAL);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    window = dialog.hwnd();
    EXPECT_EQ(Dialog::FromHandle(window), &dialog);
    EXPECT_FALSE(dialog.CreateModeless(nullptr));  // one window per object
  }
  EXPECT_FALSE(::IsWindow(window));
}

// The children are listed once, in their order and with their ids; a
// control made or destroyed later is found, or no longer, all the same.
TEST_F(DialogLayer, ChildrenAreListedOnceAndControlsMadeOrDestroyedLaterAreFollowed) {
  Dialog dialog(IDD_TEST_MODAL);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  std::vector<HWND> walked;
  for (HWND child = ::GetWindow(dialog.hwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    walked.push_back(child);
  }
  ASSERT_GT(walked.size(), 5u);
  EXPECT_EQ(dialog.Children(), walked);
  for (const HWND child : walked) {
    const int id = ::GetDlgCtrlID(child);
    EXPECT_EQ(dialog.Item(id), ::GetDlgItem(dialog.hwnd(), id)) << id;
  }

  constexpr int kSilentId = 9190;
  constexpr int kToldId = 9191;
  const auto make = [&](DWORD exStyle, int id) {
    return ::CreateWindowExW(exStyle, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, dialog.hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  };
  // Made without a word to its parent: Item() still finds it.
  const HWND silent = make(WS_EX_NOPARENTNOTIFY, kSilentId);
  ASSERT_NE(silent, nullptr);
  EXPECT_EQ(dialog.Item(kSilentId), silent);
  // Made with one: listed as well.
  const HWND told = make(0, kToldId);
  ASSERT_NE(told, nullptr);
  const std::vector<HWND>& children = dialog.Children();
  EXPECT_NE(std::find(children.begin(), children.end(), told), children.end());
  EXPECT_EQ(dialog.Item(kToldId), told);
  ::DestroyWindow(told);
  EXPECT_EQ(dialog.Item(kToldId), nullptr);
  EXPECT_EQ(std::find(dialog.Children().begin(), dialog.Children().end(), told), dialog.Children().end());
  dialog.Destroy();
}

class ControlViews : public DialogLayer {
 protected:
  void SetUp() override {
    DialogLayer::SetUp();
    ASSERT_TRUE(dialog_.CreateModeless(nullptr));
  }
  HWND Item(int id) const { return dialog_.Item(id); }
  Dialog dialog_{IDD_TEST_MODAL};
};

TEST_F(ControlViews, ComboBoxSelectsOnlyExistingEntries) {
  const ComboBox combo(Item(IDC_TEST_COMBO));
  for (const wchar_t* entry : {L"2 IPS", L"\u53cd\u5c04", L"NONE"}) combo.Add(entry);
  ASSERT_EQ(combo.Count(), 3);
  struct Case {
    int index;
    bool selected;
    int after;
    const wchar_t* text;
  };
  for (const Case& c : {Case{1, true, 1, L"\u53cd\u5c04"}, Case{3, false, -1, L""}, Case{2, true, 2, L"NONE"},
                        Case{-1, false, -1, L""}, Case{0, true, 0, L"2 IPS"}}) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(combo.Select(c.index), c.selected);
    EXPECT_EQ(combo.Selected(), c.after);
    EXPECT_EQ(combo.SelectedText(), c.text);
  }
  EXPECT_EQ(combo.ItemText(7), L"");
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
  EXPECT_EQ(combo.Selected(), -1);
}

TEST_F(ControlViews, EditsUpDownsAndAddressFieldsKeepWhatTheyAreGiven) {
  const Edit edit(Item(IDC_TEST_EDIT));
  edit.SetLimit(6);
  EXPECT_EQ(::SendMessageW(edit.hwnd(), EM_GETLIMITTEXT, 0, 0), 6);
  EXPECT_FALSE(edit.IsReadOnly());
  edit.SetReadOnly(true);
  EXPECT_TRUE(edit.IsReadOnly());

  const UpDown spin(Item(IDC_TEST_SPIN));
  spin.SetRange(0, 300);
  EXPECT_EQ(spin.GetRange().low, 0);
  EXPECT_EQ(spin.GetRange().high, 300);

  const IpAddress address(Item(IDC_TEST_ADDRESS));
  for (const IpAddress::Octets& octets :
       {IpAddress::Octets{192, 168, 0, 1}, IpAddress::Octets{0, 0, 0, 0}, IpAddress::Octets{255, 254, 1, 10}}) {
    address.Set(octets);
    EXPECT_EQ(address.Get(), octets);
  }
  EXPECT_EQ(address.Text(), L"255.254.1.10");

  const Control check(Item(IDC_TEST_CHECK));
  check.Enable(false);
  EXPECT_FALSE(check.IsEnabled());
  check.Show(false);
  EXPECT_FALSE(check.IsShown());
  check.Show(true);
  EXPECT_TRUE(check.IsShown());
}

TEST(ControlView, AMissingControlReadsAsEmpty) {
  const ComboBox combo(nullptr);
  EXPECT_EQ(combo.Add(L"x"), -1);
  EXPECT_EQ(combo.Count(), 0);
  EXPECT_EQ(combo.Selected(), -1);
  EXPECT_FALSE(combo.Select(0));
  EXPECT_EQ(Control(nullptr).Text(), L"");
  EXPECT_FALSE(Control(nullptr).IsEnabled());
  EXPECT_FALSE(CheckBox(nullptr).IsChecked());
}

TEST(Gdi, SelectedObjectPutsThePreviousObjectBack) {
  MemoryDc dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  ScopedGdiObject pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  ASSERT_TRUE(pen);
  const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_PEN);
  {
    SelectedObject selected(dc.get(), pen.get());
    EXPECT_TRUE(selected.ok());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), pen.get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), original);
}

}  // namespace
}  // namespace vostrel::ui
