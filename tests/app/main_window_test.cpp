// Black-box tests of the main window: the buttons of each tab, the Advanced
// page's warning, the keys, the size limits and the close.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "app/program_fixture.h"
#include "res/com_settings_dialog_ids.h"

namespace vostrel::testing {
namespace {

using MainWindowTest = ProgramTest;

// A control that only the page of each tab has, by tab.
constexpr int kPageMarks[] = {IDC_EASY_MEDIA_CHECK, IDC_STD_PRINT_SPEED_CHECK, IDC_INFO_SERIAL_CAPTION,
                              IDC_CAL_PROMPT,       IDC_PRINT_FILE_PATH,       IDC_ADV_THROUGH_POS_CHECK};

struct TabButtons {
  int tab;
  const wchar_t* sendCaption;
  bool checkAll, send, import, exportFile, receive;
};

// What each tab shows on the main buttons (172, 174, 175, 177, 190).
constexpr TabButtons kTabButtons[] = {
    {0, L"設定送信", true, true, false, false, false},  {1, L"設定送信", true, true, true, true, true},
    {2, L"設定送信", false, false, false, false, true}, {3, L"センサー調整開始", false, true, false, true, false},
    {4, L"実行", false, true, false, false, false},
};

// Exactly the page of `tab` is shown.
void ExpectPage(const ProgramTest& test, int tab) {
  for (int page = 0; page < 6; ++page) {
    const HWND window = test.PageWith(kPageMarks[page]);
    ASSERT_NE(window, nullptr) << page;
    EXPECT_EQ(IsShown(window), page == tab) << "page " << page << " on tab " << tab;
  }
}

void ExpectButtons(HWND window, const TabButtons& row) {
  const auto item = [window](int id) { return ControlOf(window, id); };
  EXPECT_EQ(TextOf(item(IDC_MAIN_SEND)), row.sendCaption) << "tab " << row.tab;
  EXPECT_EQ(IsEnabled(item(IDC_MAIN_CHECK_ALL)), row.checkAll) << "tab " << row.tab;
  EXPECT_EQ(IsEnabled(item(IDC_MAIN_SEND)), row.send) << "tab " << row.tab;
  EXPECT_EQ(IsEnabled(item(IDC_MAIN_IMPORT)), row.import) << "tab " << row.tab;
  EXPECT_EQ(IsEnabled(item(IDC_MAIN_EXPORT)), row.exportFile) << "tab " << row.tab;
  EXPECT_EQ(IsEnabled(item(IDC_MAIN_RECEIVE)), row.receive) << "tab " << row.tab;
}

TEST_F(MainWindowTest, EveryTabSetsItsCaptionAndButtons) {
  ASSERT_NE(Start(), nullptr);
  // Forth and back again, so that each row is reached from another one.
  for (int pass = 0; pass < 2; ++pass) {
    for (const TabButtons& row : kTabButtons) {
      ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, row.tab));
      EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), row.tab);
      ExpectButtons(window(), row);
      ExpectPage(*this, row.tab);
    }
  }
  EXPECT_FALSE(program().HasMessageBox());
}

TEST_F(MainWindowTest, StandardTabShowsTheStandardPageAndOtherTabsHideIt) {
  ASSERT_NE(Start(), nullptr);
  const HWND standard = PageWith(IDC_STD_PRINT_SPEED_CHECK);
  ASSERT_NE(standard, nullptr);
  EXPECT_FALSE(IsShown(standard));
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  EXPECT_TRUE(IsShown(standard));
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 2));
  EXPECT_FALSE(IsShown(standard));
}

TEST_F(MainWindowTest, AdvancedWarningAnsweredNoGoesBackToThePageShown) {
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  {
    ClickTab(program(), window(), IDC_MAIN_TABS, 5);
    const HWND box = program().WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const BoxTexts texts = ReadMessageBox(box);
    EXPECT_EQ(texts.title, kProgramName);
    EXPECT_EQ(texts.text, L"拡張メニューには機器の性能に影響を与える項目が含まれています。十分ご注意下さい。");
    EXPECT_NE(ControlOf(box, IDYES), nullptr);
    EXPECT_NE(ControlOf(box, IDNO), nullptr);
    AnswerAndSettle(box, IDNO);
  }
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 1);
  EXPECT_TRUE(IsShown(PageWith(IDC_STD_PRINT_SPEED_CHECK)));
  ExpectButtons(window(), kTabButtons[1]);

  // From the Information tab, No goes back there.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 2));
  {
    ClickTab(program(), window(), IDC_MAIN_TABS, 5);
    const HWND box = program().WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    AnswerAndSettle(box, IDNO);
  }
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 2);
  ExpectPage(*this, 2);
  ExpectButtons(window(), kTabButtons[2]);
}

TEST_F(MainWindowTest, AdvancedWarningAnsweredYesIsNotAskedAgain) {
  ASSERT_NE(Start(), nullptr);
  {
    ClickTab(program(), window(), IDC_MAIN_TABS, 5);
    const HWND box = program().WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    AnswerAndSettle(box, IDYES);
  }
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 5);
  ExpectButtons(window(), {5, L"設定送信", true, true, true, true, true});
  ExpectPage(*this, 5);

  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 0));
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 5));
  EXPECT_FALSE(program().HasMessageBox());
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 5);
}

// What the Easy page shows goes to the Standard page and back.
TEST_F(MainWindowTest, EasyAndStandardPagesHandTheMediaAndPrintMethodOver) {
  ASSERT_NE(Start(), nullptr);
  const HWND easy = PageWith(IDC_EASY_MEDIA_CHECK);
  const HWND standard = PageWith(IDC_STD_PRINT_SPEED_CHECK);
  ASSERT_NE(easy, nullptr);
  ASSERT_NE(standard, nullptr);
  ::SendMessageW(ControlOf(easy, IDC_EASY_GAPS_RADIO), BM_CLICK, 0, 0);
  ::SendMessageW(ControlOf(easy, IDC_EASY_MEDIA_CHECK), BM_CLICK, 0, 0);
  ASSERT_TRUE(IsChecked(ControlOf(easy, IDC_EASY_MEDIA_CHECK)));

  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  EXPECT_TRUE(IsChecked(ControlOf(standard, IDC_STD_MEDIA_SENSOR_CHECK)));
  EXPECT_EQ(ComboSelection(ControlOf(standard, IDC_STD_MEDIA_SENSOR_LIST)), 0);
  EXPECT_FALSE(IsChecked(ControlOf(standard, IDC_STD_PRINT_METHOD_CHECK)));

  ::SendMessageW(ControlOf(standard, IDC_STD_PRINT_METHOD_CHECK), BM_CLICK, 0, 0);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 0));
  EXPECT_TRUE(IsChecked(ControlOf(easy, IDC_EASY_METHOD_CHECK)));
  EXPECT_EQ(ComboSelection(ControlOf(easy, IDC_EASY_METHOD_LIST)),
            ComboSelection(ControlOf(standard, IDC_STD_PRINT_METHOD_LIST)));
  EXPECT_TRUE(IsChecked(ControlOf(easy, IDC_EASY_GAPS_RADIO)));
  EXPECT_TRUE(IsChecked(ControlOf(easy, IDC_EASY_MEDIA_CHECK)));
}

// Escape is posted first and the close request after it: had Escape ended
// the window, the process would be gone before the exit question.
TEST_F(MainWindowTest, EscapeDoesNothing) {
  ASSERT_NE(Start(), nullptr);
  for (int id : {IDC_MAIN_MODEL_LIST, IDC_MAIN_SEND}) PressKey(Item(id), VK_ESCAPE);
  PressKey(window(), VK_ESCAPE);
  RequestClose(window());
  const HWND box = program().WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text, L"プログラムを終了しますか？");
  Answer(box, IDNO);
  EXPECT_FALSE(program().WaitForExit(500).has_value());
  EXPECT_TRUE(::IsWindow(window()));
}

// Enter on a page clicks the window's button for that tab: the print action
// on the Print Test tab, Send everywhere else. With nothing ticked Send stops
// at code 24 before any question; the print action asks first (answered No:
// nothing is opened).
TEST_F(MainWindowTest, EnterOnAPageRunsThePrintActionOnThePrintTabAndSendElsewhere) {
  struct Case {
    int tab;
    int pageControl;  // where the key goes
    const wchar_t* box;
    int answer;
  };
  const Case cases[] = {
      {0, IDC_EASY_MEDIA_CHECK, L"code : 24\r\n設定する項目を選択して下さい。", IDOK},
      {1, IDC_STD_PRINT_SPEED_CHECK, L"code : 24\r\n設定する項目を選択して下さい。", IDOK},
      {4, IDC_PRINT_FILE_PATH, L"印刷を実行しますか？", IDNO},
  };
  ASSERT_NE(Start(), nullptr);
  for (const Case& c : cases) {
    ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, c.tab)) << c.tab;
    const HWND page = PageWith(c.pageControl);
    ASSERT_NE(page, nullptr) << c.tab;
    PressKey(ControlOf(page, c.pageControl), VK_RETURN);
    const HWND box = program().WaitForMessageBox();
    ASSERT_NE(box, nullptr) << c.tab;
    EXPECT_EQ(ReadMessageBox(box).text, c.box) << c.tab;
    Answer(box, c.answer);
    // The box goes and nothing follows it: no second box, no link opened.
    for (int wait = 0; wait < 100 && ::IsWindow(box); ++wait) SystemClock().Sleep(50);
    EXPECT_FALSE(::IsWindow(box)) << c.tab;
    SystemClock().Sleep(500);
    EXPECT_FALSE(program().HasMessageBox()) << c.tab;
  }
}

// The control that has the keyboard focus in the program.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// "class #id (parent class #id)" of a window, for a focus found elsewhere
// than expected: it says where the focus went.
std::string DescribeWindow(HWND window) {
  if (!window) return "no window";
  const auto one = [](HWND w) {
    char name[64] = {};
    ::GetClassNameA(w, name, 64);
    return std::string(name) + " #" + std::to_string(::GetDlgCtrlID(w));
  };
  const HWND parent = ::GetParent(window);
  return one(window) + (parent ? " (in " + one(parent) + ")" : std::string());
}

// Holds modifier keys (Shift, Ctrl) down for the program while it exists:
// this thread shares the program's input state meanwhile, so that the
// program's key state reads them as held, as when the user holds them.
class HeldKeys {
 public:
  HeldKeys(HWND window, std::initializer_list<int> keys)
      : thread_(::GetWindowThreadProcessId(window, nullptr)),
        attached_(::AttachThreadInput(::GetCurrentThreadId(), thread_, TRUE) != FALSE) {
    ::GetKeyboardState(before_);
    BYTE held[256];
    std::copy(std::begin(before_), std::end(before_), std::begin(held));
    for (int key : keys) held[key] |= 0x80;
    ::SetKeyboardState(held);
  }
  ~HeldKeys() {
    ::SetKeyboardState(before_);
    if (attached_) ::AttachThreadInput(::GetCurrentThreadId(), thread_, FALSE);
  }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;
  bool attached() const { return attached_; }

 private:
  DWORD thread_;
  bool attached_;
  BYTE before_[256] = {};
};

// Presses `key` (with `modifiers` held) in the control that has the focus
// and waits until the focus moved; the control that has it then.
HWND PressForNextFocus(HWND window, UINT key, std::initializer_list<int> modifiers = {}) {
  const HWND before = FocusOf(window);
  HeldKeys held(window, modifiers);
  PressKey(before ? before : window, key);
  // While the focus moves (and a page scrolls the new control into view)
  // the thread may for a moment have none: that is not where it went.
  const auto moved = [&] {
    const HWND focus = FocusOf(window);
    return focus != nullptr && focus != before;
  };
  WaitUntil(moved, 5000);
  // The key-up is handled too before the modifiers are let go.
  ::SendMessageW(window, WM_NULL, 0, 0);
  WaitUntil([&] { return FocusOf(window) != nullptr; }, 5000);
  return FocusOf(window);
}

// The control of the window or of a page (the `containers`) that holds
// `focus`: an address field gives the focus to one of its parts.
HWND ControlHolding(const std::vector<HWND>& containers, HWND focus) {
  for (HWND control = focus; control; control = ::GetParent(control)) {
    if (std::find(containers.begin(), containers.end(), ::GetParent(control)) != containers.end()) return control;
  }
  return focus;
}

// Tab goes from the model list through the window's controls and the shown
// page's controls and comes back to the model list; Shift+Tab goes the same
// way back. Hidden pages are passed over.
TEST_F(MainWindowTest, TabWalksThroughTheWindowAndTheShownPageAndShiftTabWalksBack) {
  ASSERT_NE(Start(), nullptr);
  std::vector<HWND> containers{window()};
  for (int mark : kPageMarks) containers.push_back(PageWith(mark));
  const HWND models = Item(IDC_MAIN_MODEL_LIST);
  HWND shown = nullptr;
  // The controls the focus visits from the model list until it is back there.
  // Each one of the shown page is in view when it has the focus: a scrolling
  // page scrolls it there.
  const auto walk = [&](std::initializer_list<int> modifiers) {
    std::vector<HWND> seen{models};
    HWND last = FocusOf(window());
    for (int press = 0; press < 300; ++press) {
      const HWND focus = PressForNextFocus(window(), VK_TAB, modifiers);
      if (focus == last) break;  // stuck
      last = focus;
      const HWND control = ControlHolding(containers, focus);
      if (control == models) break;
      if (control != seen.back()) seen.push_back(control);
      if (::GetParent(control) == shown) {
        RECT rect{};
        RECT view{};
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(HWND_DESKTOP, shown, reinterpret_cast<POINT*>(&rect), 2);
        ::GetClientRect(shown, &view);
        EXPECT_TRUE(rect.top >= 0 && rect.bottom <= view.bottom)
            << DescribeWindow(control) << " has the focus out of view: " << rect.top << ".." << rect.bottom << " in 0.."
            << view.bottom;
      }
    }
    return seen;
  };
  for (int tab : {1, 0}) {
    SCOPED_TRACE(tab);
    ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, tab));
    shown = PageWith(kPageMarks[tab]);
    ASSERT_NE(shown, nullptr);
    ::SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(models), TRUE);
    ASSERT_EQ(FocusOf(window()), models);

    const std::vector<HWND> forth = walk({});
    ASSERT_EQ(FocusOf(window()), models) << "Tab did not come back to the model list but went to "
                                         << DescribeWindow(FocusOf(window()));
    int onPage = 0;
    for (HWND control : forth) {
      for (HWND page : containers) {
        if (page != window() && page != shown) {
          EXPECT_FALSE(::IsChild(page, control)) << "a hidden page's control";
        }
      }
      if (::IsChild(shown, control)) ++onPage;
    }
    EXPECT_GE(onPage, 2);
    for (int id : {IDC_MAIN_CHECK_ALL, IDC_MAIN_SEND, IDC_MAIN_TABS}) {
      EXPECT_NE(std::find(forth.begin(), forth.end(), Item(id)), forth.end()) << id;
    }

    std::vector<HWND> back = walk({VK_SHIFT});
    ASSERT_EQ(FocusOf(window()), models) << "Shift+Tab did not come back to the model list but went to "
                                         << DescribeWindow(FocusOf(window()));
    std::reverse(back.begin() + 1, back.end());
    EXPECT_EQ(back, forth);
  }
}

// Ctrl+Tab, Ctrl+PageDown and their reverses switch tabs as a click on the
// tab does, wrapping round; the step onto the Advanced tab asks its warning.
TEST_F(MainWindowTest, CtrlTabAndCtrlPageKeysSwitchTabsAndTheAdvancedWarningStillAsks) {
  ASSERT_NE(Start(), nullptr);
  struct Step {
    UINT key;
    bool shift;
    int tab;  // selected afterwards
  };
  // A key pressed with Ctrl held in the control that has the focus; Ctrl is
  // let go once `done` (or after a while) and the program has finished with
  // the key: letting go detaches the shared input, and a program thread that
  // asks for its focus meanwhile finds none.
  const auto press = [this](UINT key, bool shift, const std::function<bool()>& done) {
    const HWND focus = FocusOf(window());
    HeldKeys held(window(),
                  shift ? std::initializer_list<int>{VK_CONTROL, VK_SHIFT} : std::initializer_list<int>{VK_CONTROL});
    EXPECT_TRUE(held.attached());
    PressKey(focus ? focus : window(), key);
    EXPECT_TRUE(WaitUntil(done, 5000)) << key;
    ::SendMessageW(window(), WM_NULL, 0, 0);
  };
  const auto onTab = [this](int tab) { return [this, tab] { return SelectedTab(Item(IDC_MAIN_TABS)) == tab; }; };
  const auto boxOpen = [this] { return program().HasMessageBox(); };
  const HWND models = Item(IDC_MAIN_MODEL_LIST);
  ::SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(models), TRUE);
  const Step steps[] = {
      {VK_TAB, false, 1},   {VK_NEXT, false, 2}, {VK_NEXT, false, 3},
      {VK_PRIOR, false, 2}, {VK_TAB, true, 1},   {VK_TAB, true, 0},
  };
  for (const Step& step : steps) {
    press(step.key, step.shift, onTab(step.tab));
    ::SendMessageW(window(), WM_NULL, 0, 0);
    ExpectPage(*this, step.tab);
    ExpectButtons(window(), kTabButtons[step.tab]);
  }
  EXPECT_FALSE(program().HasMessageBox());
  // The focus stayed where it was: a switch does not take it from a control
  // of the window.
  EXPECT_EQ(FocusOf(window()), models) << "the focus went to " << DescribeWindow(FocusOf(window()));

  // Back from the first tab: the Advanced tab, after its warning. No keeps
  // the Easy tab.
  press(VK_TAB, true, boxOpen);
  HWND box = program().WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text,
            L"拡張メニューには機器の性能に影響を与える項目が含まれています。十分ご注意下さい。");
  AnswerAndSettle(box, IDNO);
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 0);
  ExpectPage(*this, 0);

  // From a control of the Print page, forward: the warning again, Yes shows
  // the Advanced page, and the focus goes to the tab control rather than
  // staying on a page that is hidden now.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 4));
  const HWND printPath = ControlOf(PageWith(IDC_PRINT_FILE_PATH), IDC_PRINT_FILE_PATH);
  ::SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(printPath), TRUE);
  ASSERT_EQ(FocusOf(window()), printPath);
  press(VK_NEXT, false, boxOpen);
  box = program().WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  AnswerAndSettle(box, IDYES);
  EXPECT_EQ(SelectedTab(Item(IDC_MAIN_TABS)), 5);
  ExpectPage(*this, 5);
  EXPECT_EQ(FocusOf(window()), Item(IDC_MAIN_TABS));

  // Accepted once: round to the first tab and back without a question.
  press(VK_TAB, false, onTab(0));
  press(VK_PRIOR, false, onTab(5));
  EXPECT_FALSE(program().HasMessageBox());
  ExpectPage(*this, 5);
}

// The serial settings dialog opens centred on the main window, wherever that
// stands.
TEST_F(MainWindowTest, SerialSettingsOpenCentredOnTheWindow) {
  ASSERT_NE(Start(), nullptr);
  ::SetWindowPos(window(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Click(Item(IDC_MAIN_COM_RADIO));
  ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Item(IDC_MAIN_COM_DETAIL)); }, 5000));
  Click(Item(IDC_MAIN_COM_DETAIL));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (HWND shown : program().Windows()) {
          if (shown != window() && ::GetDlgItem(shown, IDC_COM_BAUD_LIST)) dialog = shown;
        }
        return dialog != nullptr;
      },
      10000));
  RECT main{};
  RECT serial{};
  ::GetWindowRect(window(), &main);
  ::GetWindowRect(dialog, &serial);
  EXPECT_NEAR((serial.left + serial.right) / 2, (main.left + main.right) / 2, 1);
  EXPECT_NEAR((serial.top + serial.bottom) / 2, (main.top + main.bottom) / 2, 1);
  ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5000));
}

TEST_F(MainWindowTest, TrackingLimitsAndFixedPageWidth) {
  ASSERT_NE(Start(), nullptr);
  // The status strip below the tab area: from its rule to the bottom.
  const auto stripHeight = [&] {
    RECT client{};
    ::GetClientRect(window(), &client);
    RECT rule{};
    ::GetWindowRect(Item(IDC_MAIN_STATUS_RULE), &rule);
    ::MapWindowPoints(HWND_DESKTOP, window(), reinterpret_cast<POINT*>(&rule), 2);
    return static_cast<int>(client.bottom - rule.top);
  };
  const int strip = stripHeight();
  EXPECT_GT(strip, 16);
  MINMAXINFO limits{};
  limits.ptMaxTrackSize = {5000, 5000};
  ::SendMessageW(window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 350);
  EXPECT_EQ(limits.ptMinTrackSize.y, 300 + strip);
  EXPECT_EQ(limits.ptMaxTrackSize.x, 840);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 5000);

  const HWND standard = PageWith(IDC_STD_PRINT_SPEED_CHECK);
  ASSERT_NE(standard, nullptr);
  for (int width : {840, 700}) {
    ::SetWindowPos(window(), nullptr, 0, 0, width, 600, SWP_NOMOVE | SWP_NOZORDER);
    RECT page{};
    ::GetWindowRect(standard, &page);
    EXPECT_EQ(page.right - page.left, 600) << width;
    RECT client{};
    ::GetClientRect(window(), &client);
    EXPECT_EQ(page.bottom - page.top, client.bottom - strip - 82) << width;
    // The strip stays along the bottom, as high as before.
    EXPECT_EQ(stripHeight(), strip) << width;
  }
}

TEST_F(MainWindowTest, CloseAnsweredNoKeepsTheWindowAndWritesNothing) {
  ASSERT_NE(Start(), nullptr);
  RequestClose(window());
  const HWND box = program().WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  const BoxTexts texts = ReadMessageBox(box);
  EXPECT_EQ(texts.title, kProgramName);
  EXPECT_EQ(texts.text, L"プログラムを終了しますか？");
  Answer(box, IDNO);
  EXPECT_FALSE(program().WaitForExit(500).has_value());
  EXPECT_TRUE(IsShown(window()));
  EXPECT_EQ(::GetFileAttributesW(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(::GetFileAttributesW(RecentPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, CloseAnsweredYesEndsWithTwoAndWritesOnlyChangedKeys) {
  ASSERT_NE(Start(), nullptr);
  // The second model and the IP address link, with the default address and
  // port: only the model and the link kind differ from the defaults.
  SelectComboEntry(window(), IDC_MAIN_MODEL_LIST, 1);
  Click(Item(IDC_MAIN_NET_RADIO));
  ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Item(IDC_MAIN_IP_ADDRESS)); }, 5000));
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));

  EXPECT_EQ(IniValue(L"PORT_TYPE"), L"NET");
  EXPECT_EQ(IniValue(L"PRINTER_MODEL"), L"VX-135-ZKQ");
  for (const wchar_t* key : {L"PORT_NAME", L"PORT_NUMBER", L"COM_SET", L"DEFAULT_FOLDER", L"REGION"}) {
    EXPECT_EQ(IniValue(key), L"<none>") << key;
  }
  const std::string recent = ReadFileBytes(RecentPath());
  ASSERT_GE(recent.size(), 17u);
  EXPECT_EQ(recent.substr(0, 17), std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n"));
  EXPECT_TRUE(recent.ends_with("END\r\n"));
  EXPECT_NE(recent.find("PRINT SPEED"), std::string::npos);
  EXPECT_EQ(::GetFileAttributesW((RecentPath() + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The Standard settings of one run come back in the next one.
TEST_F(MainWindowTest, RestartShowsTheStandardSettingsOfTheLastRun) {
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  const HWND standard = PageWith(IDC_STD_PRINT_DARKNESS_EDIT);
  ASSERT_NE(standard, nullptr);
  TypeText(ControlOf(standard, IDC_STD_PRINT_DARKNESS_EDIT), L"12");
  SelectComboEntry(standard, IDC_STD_PRINT_SPEED_LIST, 2);
  const std::wstring speed = TextOf(ControlOf(standard, IDC_STD_PRINT_SPEED_LIST));
  EXPECT_EQ(CloseWithYes(), std::optional<DWORD>(2));
  EXPECT_NE(ReadFileBytes(RecentPath()).find("PRINT DARKNESS\t:\t12\r\n"), std::string::npos);

  ASSERT_NE(Start(), nullptr);
  const HWND again = PageWith(IDC_STD_PRINT_DARKNESS_EDIT);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(TextOf(ControlOf(again, IDC_STD_PRINT_DARKNESS_EDIT)), L"12");
  EXPECT_EQ(TextOf(ControlOf(again, IDC_STD_PRINT_SPEED_LIST)), speed);
  // Shown, but not checked for sending.
  EXPECT_FALSE(IsChecked(ControlOf(again, IDC_STD_PRINT_DARKNESS_CHECK)));
  // The first visit of the Standard tab keeps them: the page is not reset.
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  EXPECT_EQ(TextOf(ControlOf(again, IDC_STD_PRINT_DARKNESS_EDIT)), L"12");
}

TEST_F(MainWindowTest, CheckAllTicksTheStandardPageOnlyOnItsTabAndClearsEverywhere) {
  ASSERT_NE(Start(), nullptr);
  const HWND standard = PageWith(IDC_STD_PRINT_SPEED_CHECK);
  ASSERT_NE(standard, nullptr);
  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 1));
  ::SendMessageW(Item(IDC_MAIN_CHECK_ALL), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsChecked(Item(IDC_MAIN_CHECK_ALL)));
  EXPECT_TRUE(IsChecked(ControlOf(standard, IDC_STD_PRINT_SPEED_CHECK)));
  EXPECT_TRUE(IsChecked(ControlOf(standard, IDC_STD_IPV4_ADDRESS_CHECK)));

  ASSERT_TRUE(SelectTab(program(), window(), IDC_MAIN_TABS, 0));
  ::SendMessageW(Item(IDC_MAIN_CHECK_ALL), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsChecked(Item(IDC_MAIN_CHECK_ALL)));
  EXPECT_FALSE(IsChecked(ControlOf(standard, IDC_STD_PRINT_SPEED_CHECK)));

  // Ticking it on the Easy tab ticks the Easy page and leaves the Standard
  // page alone.
  ::SendMessageW(Item(IDC_MAIN_CHECK_ALL), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsChecked(ControlOf(standard, IDC_STD_PRINT_SPEED_CHECK)));
  EXPECT_TRUE(IsChecked(ControlOf(PageWith(IDC_EASY_MEDIA_CHECK), IDC_EASY_MEDIA_CHECK)));

  // A model change clears 190; the Easy page names the second model's media.
  SelectComboEntry(window(), IDC_MAIN_MODEL_LIST, 1);
  EXPECT_FALSE(IsChecked(Item(IDC_MAIN_CHECK_ALL)));
  EXPECT_EQ(TextOf(ControlOf(PageWith(IDC_EASY_MEDIA_CHECK), IDC_EASY_MARKS_LABEL)),
            L"BM付きラベル\n／リストバンド\n（反射）");
}

}  // namespace
}  // namespace vostrel::testing
