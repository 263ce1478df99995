// The editable copy of a dialog template: it reads the program's own
// templates, writes them back unchanged, and a page made from an edited copy
// comes up with the edits; a broken template reads as empty.
#include "ui/dialog_template.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "res/advanced_page_ids.h"
#include "res/calibration_page_ids.h"
#include "res/easy_page_ids.h"
#include "res/information_page_ids.h"
#include "res/main_window_ids.h"
#include "res/print_page_ids.h"
#include "res/standard_page_ids.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace vostrel::ui {
namespace {

// The resource's bytes as they stand.
std::vector<BYTE> ResourceBytes(int id) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
  if (!found) return {};
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(instance, found)));
  return std::vector<BYTE>(data, data + ::SizeofResource(instance, found));
}

std::vector<BYTE> BuiltBytes(const DialogTemplate& form) {
  const std::vector<WORD> words = form.Build();
  std::vector<BYTE> bytes(words.size() * 2);
  if (!bytes.empty()) std::memcpy(bytes.data(), words.data(), bytes.size());
  return bytes;
}

// A top-level window for the pages (child windows) to live in.
class ParentWindow {
 public:
  ParentWindow()
      : window_(::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 800, 600, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr)) {}
  ~ParentWindow() {
    if (window_) ::DestroyWindow(window_);
  }
  ParentWindow(const ParentWindow&) = delete;
  ParentWindow& operator=(const ParentWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST(DialogTemplate, EveryTemplateOfTheProgramIsWrittenBackAsItWasRead) {
  for (int id : {IDD_MAIN_WINDOW, IDD_PAGE_EASY, IDD_PAGE_STANDARD, IDD_PAGE_ADVANCED, IDD_PAGE_INFORMATION,
                 IDD_PAGE_CALIBRATION, IDD_PAGE_PRINT}) {
    std::vector<BYTE> original = ResourceBytes(id);
    ASSERT_FALSE(original.empty()) << id;
    const DialogTemplate form = DialogTemplate::Load(::GetModuleHandleW(nullptr), id);
    ASSERT_FALSE(form.empty()) << id;
    EXPECT_GT(form.ItemCount(), 5u) << id;
    const std::vector<BYTE> built = BuiltBytes(form);
    // The resource may end in padding after its last item.
    ASSERT_LE(built.size(), original.size()) << id;
    original.resize(built.size());
    EXPECT_TRUE(built == original) << id;
  }
}

TEST(DialogTemplate, APageMadeFromAnEditedCopyComesUpWithTheEdits) {
  ASSERT_TRUE(InitDialogControls());
  DialogTemplate form = DialogTemplate::Load(::GetModuleHandleW(nullptr), IDD_PAGE_STANDARD);
  ASSERT_FALSE(form.empty());
  EXPECT_TRUE(form.SetItemStyle(IDC_STD_PRINT_SPEED_LIST, WS_DISABLED, 0));
  EXPECT_TRUE(form.SetItemStyle(IDC_STD_PRINT_SPEED_CHECK, WS_DISABLED, 0));
  EXPECT_TRUE(form.SetItemStyle(IDC_STD_PRINT_DARKNESS_EDIT, ES_READONLY, 0));
  EXPECT_TRUE(form.SetItemStyle(IDC_STD_MEDIA_SENSOR_LIST, 0, WS_VISIBLE));
  // A caption that grows and one that shrinks move every item after them.
  EXPECT_TRUE(form.SetItemText(IDC_STD_GROUP_PAGE_SETUP, L"ページ設定 (長い見出し)"));
  EXPECT_TRUE(form.SetItemText(IDC_STD_PRINT_SPEED_CHECK, L"速"));
  // An up-down button takes a style; the other common controls' classes are
  // left alone, and so is a missing id.
  EXPECT_TRUE(form.SetItemStyle(IDC_STD_PRINT_DARKNESS_SPIN, WS_DISABLED, 0));
  EXPECT_FALSE(form.SetItemStyle(IDC_STD_IPV4_ADDRESS, WS_DISABLED, 0));
  EXPECT_FALSE(form.SetItemText(4242, L"x"));
  form.AddStyle(DS_CONTROL, WS_EX_CONTROLPARENT);

  const ParentWindow parent;
  class Page : public Dialog {
   public:
    Page() : Dialog(IDD_PAGE_STANDARD) {}
  } page;
  ASSERT_TRUE(page.CreateModeless(parent.get(), form));
  EXPECT_FALSE(::IsWindowEnabled(page.Item(IDC_STD_PRINT_SPEED_LIST)));
  EXPECT_FALSE(::IsWindowEnabled(page.Item(IDC_STD_PRINT_SPEED_CHECK)));
  EXPECT_TRUE(::IsWindowEnabled(page.Item(IDC_STD_PRINT_METHOD_LIST)));
  EXPECT_TRUE(Edit(page.Item(IDC_STD_PRINT_DARKNESS_EDIT)).IsReadOnly());
  EXPECT_FALSE(Control(page.Item(IDC_STD_MEDIA_SENSOR_LIST)).IsShown());
  EXPECT_EQ(Control(page.Item(IDC_STD_GROUP_PAGE_SETUP)).Text(), L"ページ設定 (長い見出し)");
  EXPECT_EQ(Control(page.Item(IDC_STD_PRINT_SPEED_CHECK)).Text(), L"速");
  EXPECT_EQ(Control(page.Item(IDC_STD_PRINT_METHOD_CHECK)).Text(), L"Print Method");
  // Made disabled, the up-down button is as EnableWindow leaves it: an
  // arrow key in its buddy does what it does after EnableWindow(FALSE), and
  // steps the value once the button is enabled.
  const HWND spin = page.Item(IDC_STD_PRINT_DARKNESS_SPIN);
  const HWND buddy = page.Item(IDC_STD_PRINT_DARKNESS_EDIT);
  EXPECT_FALSE(::IsWindowEnabled(spin));
  const auto upFromFive = [&] {
    ::SendMessageW(spin, UDM_SETRANGE32, 0, 10);
    ::SendMessageW(spin, UDM_SETPOS32, 0, 5);
    ::SendMessageW(buddy, WM_KEYDOWN, VK_UP, 0);
    ::SendMessageW(buddy, WM_KEYUP, VK_UP, 0xC0000001);
    return Control(buddy).Text();
  };
  const std::wstring madeDisabled = upFromFive();
  ::EnableWindow(spin, TRUE);
  ::EnableWindow(spin, FALSE);
  EXPECT_EQ(upFromFive(), madeDisabled);
  ::EnableWindow(spin, TRUE);
  EXPECT_EQ(upFromFive(), L"6");
  EXPECT_TRUE(::IsWindowEnabled(page.Item(IDC_STD_IPV4_ADDRESS)));
  EXPECT_NE(::GetWindowLongPtrW(page.hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
  // Every control of the template is there, the last one included.
  EXPECT_NE(page.Item(IDC_STD_IPV4_ADDRESS), nullptr);
  EXPECT_NE(page.Item(IDC_STD_IPV6_GATEWAY_EDIT), nullptr);
}

TEST(DialogTemplate, ABrokenTemplateReadsAsEmptyAndThePageComesFromTheResource) {
  const std::vector<BYTE> original = ResourceBytes(IDD_PAGE_INFORMATION);
  ASSERT_GT(original.size(), 64u);
  // Cut short anywhere, a template does not read.
  for (std::size_t size :
       {std::size_t{0}, std::size_t{2}, std::size_t{20}, std::size_t{40}, original.size() / 2, original.size() - 40}) {
    EXPECT_TRUE(DialogTemplate::Read(original.data(), size).empty()) << size;
  }
  // A template that is not an extended one.
  std::vector<BYTE> plain = original;
  plain[2] = 0;
  plain[3] = 0;
  EXPECT_TRUE(DialogTemplate::Read(plain.data(), plain.size()).empty());
  EXPECT_TRUE(DialogTemplate::Load(::GetModuleHandleW(nullptr), 4242).empty());

  ASSERT_TRUE(InitDialogControls());
  const ParentWindow parent;
  class Page : public Dialog {
   public:
    Page() : Dialog(IDD_PAGE_INFORMATION) {}
  } page;
  ASSERT_TRUE(page.CreateModeless(parent.get(), DialogTemplate{}));
  EXPECT_NE(page.Item(IDC_INFO_SERIAL_CAPTION), nullptr);
}

}  // namespace
}  // namespace vostrel::ui
