#include "ui/dialog.h"

#include <commctrl.h>

#include <cstdio>
#include <exception>

#include "platform/unique_handle.h"
#include "ui/controls.h"

namespace vostrel::ui {
namespace {

// The window property that marks a window as a Dialog of this class.
constexpr wchar_t kDialogProperty[] = L"Vostrel.Dialog";

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// Nothing may unwind into the system's code, but nothing may vanish without
// a word either: the debugger's output names the handler, the message and,
// for a standard exception, what it says. Called inside a catch block.
void ReportCaught(const wchar_t* handler, UINT message) noexcept {
  // The caught object lives until the caller's catch block ends.
  const char* what = "an exception of unknown type";
  try {
    throw;
  } catch (const std::exception& caught) {
    what = caught.what();
  } catch (...) {
  }
  wchar_t line[512];
  std::swprintf(line, sizeof line / sizeof line[0], L"Vostrel: %ls caught, message 0x%04X: %hs\n", handler, message,
                what);
  ::OutputDebugStringW(line);
}

}  // namespace

void ValueExchange::Check(int id, bool& value) {
  const CheckBox box(::GetDlgItem(dialog_, id));
  if (pulling()) {
    value = box.IsChecked();
  } else {
    box.SetChecked(value);
  }
}

void ValueExchange::Text(int id, std::wstring& value) {
  const Control control(::GetDlgItem(dialog_, id));
  if (pulling()) {
    value = control.Text();
  } else {
    control.SetText(value);
  }
}

void ValueExchange::ComboIndex(int id, int& value) {
  const ComboBox combo(::GetDlgItem(dialog_, id));
  if (pulling()) {
    value = combo.Selected();
  } else {
    combo.Select(value);
  }
}

void ValueExchange::Radio(int firstId, int lastId, int& value) {
  if (pulling()) {
    value = -1;
    for (int id = firstId; id <= lastId; ++id) {
      if (CheckBox(::GetDlgItem(dialog_, id)).IsChecked()) {
        value = id - firstId;
        break;
      }
    }
  } else {
    for (int id = firstId; id <= lastId; ++id) CheckBox(::GetDlgItem(dialog_, id)).SetChecked(id - firstId == value);
  }
}

Dialog::Dialog(int templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance ? instance : ::GetModuleHandleW(nullptr)) {}

Dialog::~Dialog() {
  if (hwnd_) {
    // The window outlives no object: detach first so that no handler runs on
    // a half-destroyed object, then take the window down.
    const HWND window = hwnd_;
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    ::RemovePropW(window, kDialogProperty);
    hwnd_ = nullptr;
    ForgetItems();
    if (!modal_) ::DestroyWindow(window);
  }
}

INT_PTR Dialog::RunModal(HWND owner) {
  if (hwnd_) return -1;
  modal_ = true;
  const MessageFilterScope filter;
  const INT_PTR result = ::DialogBoxParamW(instance_, MAKEINTRESOURCEW(templateId_), owner, &Dialog::Procedure,
                                           reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

bool Dialog::CreateModeless(HWND parent) {
  if (hwnd_) return false;
  modal_ = false;
  const HWND window = ::CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId_), parent, &Dialog::Procedure,
                                           reinterpret_cast<LPARAM>(this));
  return window != nullptr && window == hwnd_;
}

bool Dialog::CreateModeless(HWND parent, const DialogTemplate& form) {
  const std::vector<WORD> built = form.Build();
  if (built.empty()) return CreateModeless(parent);
  if (hwnd_) return false;
  modal_ = false;
  const HWND window = ::CreateDialogIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(built.data()),
                                                   parent, &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
  return window != nullptr && window == hwnd_;
}

void Dialog::Destroy() {
  if (!hwnd_) return;
  if (modal_) {
    ::EndDialog(hwnd_, IDCANCEL);
  } else {
    ::DestroyWindow(hwnd_);
  }
}

void Dialog::EndModal(INT_PTR result) {
  if (hwnd_ && modal_) ::EndDialog(hwnd_, result);
}

HWND Dialog::Item(int id) const {
  if (!hwnd_) return nullptr;
  if (const auto found = items_.find(id); found != items_.end()) return found->second;
  if (!childrenListed_) {
    ListChildren();
    if (const auto found = items_.find(id); found != items_.end()) return found->second;
  }
  const HWND control = ::GetDlgItem(hwnd_, id);
  // A missing control is looked for again next time.
  if (control) items_.emplace(id, control);
  return control;
}

const std::vector<HWND>& Dialog::Children() const {
  if (!childrenListed_) ListChildren();
  return children_;
}

void Dialog::ListChildren() const {
  children_.clear();
  if (!hwnd_) return;
  for (HWND child = ::GetWindow(hwnd_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    children_.push_back(child);
    // Of equal ids the first, as GetDlgItem finds it; one kept already stays.
    items_.emplace(::GetDlgCtrlID(child), child);
  }
  childrenListed_ = true;
}

void Dialog::ForgetItems() {
  items_.clear();
  children_.clear();
  childrenListed_ = false;
}

void Dialog::UpdateValues(ValueExchange::Direction direction) {
  if (!hwnd_) return;
  ValueExchange exchange(hwnd_, direction);
  ExchangeValues(exchange);
}

Dialog* Dialog::FromHandle(HWND window) {
  return window ? static_cast<Dialog*>(::GetPropW(window, kDialogProperty)) : nullptr;
}

bool Dialog::RouteMessage(MSG* message) {
  if (!message || !IsKeyMessage(message->message)) return false;
  for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
    if (Dialog* dialog = FromHandle(window)) {
      if (dialog->PreTranslateMessage(message)) return true;
    }
    // GetParent gives the owner of a top-level window: stop there.
    if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return false;
}

bool Dialog::OnInitDialog() {
  UpdateValues(ValueExchange::Direction::Push);
  return true;
}

bool Dialog::OnCommand(int, int, HWND) { return false; }

bool Dialog::OnNotify(const NMHDR&, LRESULT*) { return false; }

void Dialog::OnOK() {
  if (!modal_) return;
  UpdateValues(ValueExchange::Direction::Pull);
  EndModal(IDOK);
}

void Dialog::OnCancel() { EndModal(IDCANCEL); }

bool Dialog::PreTranslateMessage(MSG* message) {
  // A modal dialog's own loop does its navigation; a modeless one is handed
  // the keys that are aimed at it or its controls, unless it is a control of
  // its parent dialog (DS_CONTROL): that one's navigation walks into it.
  if (modal_ || !hwnd_ || (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & DS_CONTROL) != 0) return false;
  return ::IsDialogMessageW(hwnd_, message) != FALSE;
}

void Dialog::ExchangeValues(ValueExchange&) {}

std::optional<INT_PTR> Dialog::OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    if (!self) return FALSE;
    self->hwnd_ = window;
    self->ForgetItems();
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    ::SetPropW(window, kDialogProperty, self);
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  }
  if (!self) return FALSE;  // messages before WM_INITDIALOG, or after detaching
  if (message == WM_PARENTNOTIFY && (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)) {
    // A child came or went: list them again when next asked, and forget a
    // gone one's id.
    self->childrenListed_ = false;
    if (LOWORD(wParam) == WM_DESTROY) {
      std::erase_if(self->items_, [lParam](const auto& item) { return item.second == reinterpret_cast<HWND>(lParam); });
    }
  }

  INT_PTR result = FALSE;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // The message counts as not handled.
    ReportCaught(L"the dialog procedure", message);
    result = FALSE;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    ::RemovePropW(window, kDialogProperty);
    self->hwnd_ = nullptr;
    self->ForgetItems();
    try {
      self->OnDestroyed();
    } catch (...) {
      ReportCaught(L"the end of the dialog", message);
    }
  }
  return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (OnCommand(id, code, reinterpret_cast<HWND>(lParam))) return TRUE;
      if (id == IDOK && (code == BN_CLICKED || lParam == 0)) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && (code == BN_CLICKED || lParam == 0)) {
        OnCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (!header || !OnNotify(*header, &result)) return FALSE;
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    default: {
      const std::optional<INT_PTR> handled = OnMessage(message, wParam, lParam);
      return handled ? *handled : FALSE;
    }
  }
}

namespace {

thread_local int filterDepth = 0;
thread_local HHOOK filterHook = nullptr;
thread_local bool routing = false;

LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  // IsDialogMessage, which a page's pre-translation calls, asks the filter
  // again for the same message: that inner call is the page's own and passes.
  if (code == MSGF_DIALOGBOX && !routing) {
    routing = true;
    bool taken = false;
    try {
      taken = Dialog::RouteMessage(reinterpret_cast<MSG*>(lParam));
    } catch (...) {
      ReportCaught(L"the message filter", reinterpret_cast<MSG*>(lParam)->message);
      taken = false;
    }
    routing = false;
    if (taken) return TRUE;
  }
  return ::CallNextHookEx(filterHook, code, wParam, lParam);
}

}  // namespace

MessageFilterScope::MessageFilterScope() {
  if (filterDepth++ == 0) {
    filterHook = ::SetWindowsHookExW(WH_MSGFILTER, &MessageFilterProc, nullptr, ::GetCurrentThreadId());
  }
}

MessageFilterScope::~MessageFilterScope() {
  if (--filterDepth == 0 && filterHook) {
    UniqueHandle<WindowsHookTraits> hook(filterHook);
    filterHook = nullptr;
  }
}

bool InitDialogControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_INTERNET_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
  return ::InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace vostrel::ui
