#pragma once
// An editable copy of an extended dialog template (DIALOGEX): a dialog made
// from it comes up in the state it is to be in (controls disabled, captions in
// the current language) instead of being put there afterwards, one message
// to each control at a time.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel::ui {

class DialogTemplate {
 public:
  DialogTemplate() = default;
  // The template `id` of `instance`; empty when it is missing or not an
  // extended template, or when it does not read to its end.
  static DialogTemplate Load(HINSTANCE instance, int id);
  // Reads `size` bytes of an extended template; empty as above.
  static DialogTemplate Read(const void* data, std::size_t size);

  bool empty() const { return header_.empty(); }
  std::size_t ItemCount() const { return items_.size(); }

  // The dialog's own styles, added.
  void AddStyle(DWORD style, DWORD exStyle);
  // Styles added to and taken from control `id`. Only the system's own
  // classes (button, edit, static, list box, scroll bar, combo box) and the
  // up-down button are changed: they take a disabled style at creation as
  // EnableWindow leaves them; the other common controls' windows may not.
  // False when no such control is changed.
  bool SetItemStyle(int id, DWORD add, DWORD remove);
  // The caption of control `id`; false when there is no such control or its
  // caption is a resource number.
  bool SetItemText(int id, std::wstring_view text);

  // The template in the layout CreateDialogIndirectParam reads, built anew
  // from the parts.
  std::vector<WORD> Build() const;

 private:
  // A name or a resource number, as the template writes either.
  struct NameOrNumber {
    bool isNumber = false;
    WORD number = 0;
    std::wstring name;
  };
  struct Item {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    NameOrNumber windowClass;
    NameOrNumber title;
    std::vector<BYTE> extra;
  };

  Item* Find(int id);

  // Everything before the items, as read, but for the styles kept apart.
  std::vector<WORD> header_;
  DWORD exStyle_ = 0;
  DWORD style_ = 0;
  std::vector<Item> items_;
};

}  // namespace vostrel::ui
