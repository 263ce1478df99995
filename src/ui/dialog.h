#pragma once
// The program's one dialog class: a dialog built from a template, either modal
// or as a modeless child page of another window. A static procedure finds the
// object again from WM_INITDIALOG on and routes messages to virtual handlers;
// no exception leaves it. Key messages reach PreTranslateMessage of every
// dialog between the target control and its top-level window before the
// dialog loop handles them (a message filter hook runs while a modal dialog of
// this class is open).

#include <windows.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/dialog_template.h"

namespace vostrel::ui {

// Page values exchanged with controls: Push puts members into the controls,
// Pull reads them back. A Dialog subclass lists its pairs once in
// ExchangeValues and the direction decides the copy.
class ValueExchange {
 public:
  enum class Direction { Push, Pull };
  ValueExchange(HWND dialog, Direction direction) : dialog_(dialog), direction_(direction) {}

  Direction direction() const { return direction_; }
  bool pulling() const { return direction_ == Direction::Pull; }

  void Check(int id, bool& value);
  void Text(int id, std::wstring& value);
  // The selected entry of a combo box (-1: none).
  void ComboIndex(int id, int& value);
  // A radio group with consecutive ids first..last: the index of the checked
  // button (-1: none).
  void Radio(int firstId, int lastId, int& value);

 private:
  HWND dialog_;
  Direction direction_;
};

class Dialog {
 public:
  explicit Dialog(int templateId, HINSTANCE instance = nullptr);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; its EndModal code, or -1 when it could not be made.
  INT_PTR RunModal(HWND owner);
  // Creates the dialog modeless: a child page of `parent` when its template
  // carries WS_CHILD, else a top-level window. False when it could not be made.
  // A child page does its own keyboard navigation (Enter, Escape, Tab within
  // the page) unless it is given DS_CONTROL and WS_EX_CONTROLPARENT: then the
  // parent dialog's navigation takes it in as one of its controls.
  bool CreateModeless(HWND parent);
  // The same, made from `form` (this dialog's template, edited) instead of
  // the resource; from the resource when `form` is empty.
  bool CreateModeless(HWND parent, const DialogTemplate& form);
  // Destroys a modeless window; a modal one is ended with IDCANCEL.
  void Destroy();
  void EndModal(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  // The control `id` of the dialog, or nullptr. Looked up once: a template's
  // controls live as long as the dialog, and each look-up walks the children.
  HWND Item(int id) const;
  // The dialog's own child windows, in their order when first asked for,
  // listed once with their ids: under Wine each step from one child to the
  // next is a round to the server. A child made later that tells its parent
  // (WM_PARENTNOTIFY) has the list made again; Item() finds any child.
  const std::vector<HWND>& Children() const;
  bool modal() const { return modal_; }
  int templateId() const { return templateId_; }

  // Push: members to controls; Pull: controls to members.
  void UpdateValues(ValueExchange::Direction direction);

  // The Dialog object behind a window of this class, or nullptr.
  static Dialog* FromHandle(HWND window);
  // Offers `message` to PreTranslateMessage of each dialog of this class from
  // its target window up to the first top-level window; true when one of them
  // took it (the caller must then not dispatch it).
  static bool RouteMessage(MSG* message);

 protected:
  // After the controls exist; the default pushes the page values. True lets
  // the system give the focus to the first control.
  virtual bool OnInitDialog();
  // WM_COMMAND; true when handled. IDOK and IDCANCEL go to OnOK / OnCancel
  // when this returns false.
  virtual bool OnCommand(int id, int code, HWND control);
  // WM_NOTIFY; true when handled, with *result as the message result.
  virtual bool OnNotify(const NMHDR& header, LRESULT* result);
  // Modal: pull the values and end with IDOK. Child: nothing.
  virtual void OnOK();
  // Modal: end with IDCANCEL. Child: nothing.
  virtual void OnCancel();
  // True when the message was handled and must not be dispatched. The default
  // lets a modeless dialog handle its keyboard navigation itself, unless it
  // carries DS_CONTROL.
  virtual bool PreTranslateMessage(MSG* message);
  virtual void ExchangeValues(ValueExchange& exchange);
  // Any other message: a value is the dialog procedure's return (a brush for
  // WM_CTLCOLOR..., TRUE for handled), no value passes it to the default.
  virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called when the window is gone; the object may be reused afterwards.
  virtual void OnDestroyed() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Lists the children and keeps each one's id for Item().
  void ListChildren() const;
  void ForgetItems();

  int templateId_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  mutable std::unordered_map<int, HWND> items_;
  mutable std::vector<HWND> children_;
  mutable bool childrenListed_ = false;
};

// Routes key messages to Dialog::RouteMessage while it exists, through a
// thread's message filter hook (the system's modal loops, message boxes
// included, call it). Nests: only the outermost scope installs the hook.
class MessageFilterScope {
 public:
  MessageFilterScope();
  ~MessageFilterScope();
  MessageFilterScope(const MessageFilterScope&) = delete;
  MessageFilterScope& operator=(const MessageFilterScope&) = delete;
};

// Registers the common control classes that the templates use (up-down
// buttons, IP address fields, tab control). True when they are available.
bool InitDialogControls();

}  // namespace vostrel::ui
