// The serial settings dialog driven as a user would: a helper thread waits
// for the dialog, reads its controls, picks list entries (with the
// notification a real pick sends) and clicks or presses keys; the record the
// dialog was given is checked afterwards.
#include "ui/com_settings_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "i18n/language.h"
#include "res/com_settings_dialog_ids.h"

namespace vostrel {
namespace {

// Runs `user` on a helper thread with the first visible dialog of the calling
// thread, while the calling thread runs the dialog modally. When the user
// leaves the dialog open it is cancelled, and `leftOpen` tells.
class DialogUser {
 public:
  explicit DialogUser(std::function<void(HWND)> user)
      : user_(std::move(user)), threadId_(::GetCurrentThreadId()), worker_([this] { Run(); }) {}
  ~DialogUser() { Join(); }
  DialogUser(const DialogUser&) = delete;
  DialogUser& operator=(const DialogUser&) = delete;

  void Join() {
    if (worker_.joinable()) worker_.join();
  }
  bool leftOpen() const { return leftOpen_; }

 private:
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  void Run() {
    HWND dialog = nullptr;
    for (int i = 0; i < 2000 && dialog == nullptr; ++i) {
      ::EnumThreadWindows(threadId_, FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog == nullptr) ::Sleep(5);
    }
    if (dialog == nullptr) return;
    user_(dialog);
    for (int i = 0; i < 2000 && ::IsWindow(dialog); ++i) ::Sleep(5);
    if (::IsWindow(dialog)) {
      leftOpen_ = true;
      ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }

  std::function<void(HWND)> user_;
  DWORD threadId_;
  std::atomic<bool> leftOpen_{false};
  std::thread worker_;
};

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::wstring> Entries(HWND dialog, int listId) {
  const HWND list = ::GetDlgItem(dialog, listId);
  std::vector<std::wstring> entries;
  const int count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = {};
    ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

int Selected(HWND dialog, int listId) {
  return static_cast<int>(::SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}

// A pick in a drop-down list: the selection and the notification it sends.
void Pick(HWND dialog, int listId, int index) {
  const HWND list = ::GetDlgItem(dialog, listId);
  ::SendMessageW(list, CB_SETCURSEL, index, 0);
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Click(HWND dialog, int buttonId) { ::PostMessageW(::GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0); }

// A key pressed in the control that has the focus.
void Press(HWND dialog, WPARAM key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
  const HWND target = info.hwndFocus != nullptr ? info.hwndFocus : dialog;
  ::PostMessageW(target, WM_KEYDOWN, key, 1);
  ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

constexpr int kLists[] = {IDC_COM_BAUD_LIST, IDC_COM_DATA_BITS_LIST, IDC_COM_STOP_BITS_LIST, IDC_COM_PARITY_LIST,
                          IDC_COM_FLOW_LIST};

PreferencesRecord Serial(std::int32_t baud, std::uint8_t bits, std::uint8_t stop, std::uint8_t parity,
                         const wchar_t* flow) {
  PreferencesRecord prefs;
  prefs.portKind = PortKind::Com;
  prefs.portName = L"COM3:";
  prefs.baudRate = baud;
  prefs.dataBits = bits;
  prefs.stopBitsCode = stop;
  prefs.parityCode = parity;
  prefs.flowControl = flow;
  return prefs;
}

class ComSettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(CurrentLanguage(), Language::Japanese); }

  // Runs the dialog on `prefs` with `user` acting; returns its result.
  static INT_PTR Run(PreferencesRecord& prefs, std::function<void(HWND)> user) {
    CComSettingsDlg dialog(prefs);
    DialogUser driver(std::move(user));
    const INT_PTR result = dialog.RunModal(nullptr);
    driver.Join();
    EXPECT_FALSE(driver.leftOpen());
    return result;
  }
};

TEST_F(ComSettingsDialog, ShowsTheTextsOfTheLanguageAndTheListsInRowOrder) {
  PreferencesRecord prefs = Serial(9600, 8, 0, 0, L"X");
  std::wstring title, group;
  std::vector<std::wstring> labels;
  std::vector<std::vector<std::wstring>> lists;
  LONG_PTR okStyle = 0;
  std::vector<int> tabOrder;
  const INT_PTR result = Run(prefs, [&](HWND dialog) {
    title = TextOf(dialog);
    group = TextOf(::GetDlgItem(dialog, IDC_COM_GROUP));
    for (int id = IDC_COM_BAUD_LABEL; id <= IDC_COM_FLOW_LABEL; ++id)
      labels.push_back(TextOf(::GetDlgItem(dialog, id)));
    for (const int id : kLists) lists.push_back(Entries(dialog, id));
    okStyle = ::GetWindowLongPtrW(::GetDlgItem(dialog, IDC_COM_OK), GWL_STYLE);
    HWND control = ::GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (int i = 0; i < 7 && control != nullptr; ++i) {
      tabOrder.push_back(::GetDlgCtrlID(control));
      control = ::GetNextDlgTabItem(dialog, control, FALSE);
    }
    Click(dialog, IDC_COM_CANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(title, L"COM設定");
  EXPECT_EQ(group, L"COM設定");
  EXPECT_EQ(labels,
            (std::vector<std::wstring>{L"ボーレート", L"データビット", L"ストップビット", L"パリティ", L"フロー制御"}));
  const std::vector<std::vector<std::wstring>> expected = {
      {L"9600", L"19200", L"38400", L"57600", L"115200"},
      {L"7", L"8"},
      {L"1", L"2"},
      {L"None", L"Odd", L"Even"},
      {L"Xon/Xoff", L"ハードウェア", L"なし"},
  };
  EXPECT_EQ(lists, expected);
  EXPECT_EQ(okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  // Top to bottom, then OK and Cancel.
  EXPECT_EQ(tabOrder, (std::vector<int>{IDC_COM_BAUD_LIST, IDC_COM_DATA_BITS_LIST, IDC_COM_STOP_BITS_LIST,
                                        IDC_COM_PARITY_LIST, IDC_COM_FLOW_LIST, IDC_COM_OK, IDC_COM_CANCEL}));
}

TEST_F(ComSettingsDialog, SelectsTheEntriesOfTheRecordAndOkStoresWhatIsShown) {
  struct Case {
    const char* name;
    PreferencesRecord prefs;
    std::vector<int> shown;  // baud, data bits, stop bits, parity, flow
    PreferencesRecord stored;
  };
  const Case cases[] = {
      {"defaults", Serial(9600, 8, 0, 0, L"X"), {0, 1, 0, 0, 0}, Serial(9600, 8, 0, 0, L"X")},
      {"second entries", Serial(19200, 7, 2, 1, L"H"), {1, 0, 1, 1, 1}, Serial(19200, 7, 2, 1, L"H")},
      {"third entries", Serial(38400, 8, 2, 2, L"N"), {2, 1, 1, 2, 2}, Serial(38400, 8, 2, 2, L"N")},
      {"57600", Serial(57600, 7, 0, 0, L"X"), {3, 0, 0, 0, 0}, Serial(57600, 7, 0, 0, L"X")},
      // Values the lists do not hold show (and then store) the fallback entry.
      {"4800 baud", Serial(4800, 8, 0, 0, L"X"), {4, 1, 0, 0, 0}, Serial(115200, 8, 0, 0, L"X")},
      {"6 data bits", Serial(9600, 6, 0, 0, L"X"), {0, 1, 0, 0, 0}, Serial(9600, 8, 0, 0, L"X")},
      {"stop code 1", Serial(9600, 8, 1, 0, L"X"), {0, 1, 1, 0, 0}, Serial(9600, 8, 2, 0, L"X")},
      {"parity code 4", Serial(9600, 8, 0, 4, L"X"), {0, 1, 0, 0, 0}, Serial(9600, 8, 0, 0, L"X")},
      {"lower-case flow", Serial(9600, 8, 0, 0, L"h"), {0, 1, 0, 0, 2}, Serial(9600, 8, 0, 0, L"N")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PreferencesRecord prefs = c.prefs;
    std::vector<int> shown;
    const INT_PTR result = Run(prefs, [&](HWND dialog) {
      for (const int id : kLists) shown.push_back(Selected(dialog, id));
      Click(dialog, IDC_COM_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(prefs, c.stored);
  }
}

TEST_F(ComSettingsDialog, OkStoresTheEntriesTheUserPicked) {
  struct Case {
    const char* name;
    std::vector<int> picks;  // baud, data bits, stop bits, parity, flow
    PreferencesRecord stored;
  };
  const Case cases[] = {
      {"fourth, first, second, third, second", {3, 0, 1, 2, 1}, Serial(57600, 7, 2, 2, L"H")},
      {"last, last, first, second, first", {4, 1, 0, 1, 0}, Serial(115200, 8, 0, 1, L"X")},
      {"first, first, second, first, last", {0, 0, 1, 0, 2}, Serial(9600, 7, 2, 0, L"N")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PreferencesRecord prefs = Serial(38400, 8, 0, 2, L"N");
    const INT_PTR result = Run(prefs, [&](HWND dialog) {
      for (std::size_t i = 0; i < c.picks.size(); ++i) Pick(dialog, kLists[i], c.picks[i]);
      Click(dialog, IDC_COM_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(prefs, c.stored);
  }
}

TEST_F(ComSettingsDialog, CancelAndEscapeChangeNothingEnterIsOk) {
  struct Case {
    const char* name;
    std::function<void(HWND)> leave;
    INT_PTR result;
    bool stored;
  };
  const Case cases[] = {
      {"Cancel clicked", [](HWND dialog) { Click(dialog, IDC_COM_CANCEL); }, IDCANCEL, false},
      {"Escape", [](HWND dialog) { Press(dialog, VK_ESCAPE); }, IDCANCEL, false},
      {"Enter", [](HWND dialog) { Press(dialog, VK_RETURN); }, IDOK, true},
      {"close box", [](HWND dialog) { ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // 4800 baud: even an unchanged OK would store 115200.
    const PreferencesRecord before = Serial(4800, 8, 0, 0, L"X");
    PreferencesRecord prefs = before;
    const INT_PTR result = Run(prefs, [&](HWND dialog) {
      Pick(dialog, IDC_COM_DATA_BITS_LIST, 0);
      Pick(dialog, IDC_COM_FLOW_LIST, 1);
      c.leave(dialog);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(prefs, c.stored ? Serial(115200, 7, 0, 0, L"H") : before);
  }
}

}  // namespace
}  // namespace vostrel
