#include "ui/dialog_template.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

namespace vostrel::ui {
namespace {

// The fixed part of the extended template's header, in 16-bit words: version,
// signature, help id, extended style, style, item count, x, y, cx, cy.
constexpr std::size_t kHeaderWords = 13;
constexpr std::size_t kExStyleAt = 4;
constexpr std::size_t kStyleAt = 6;
constexpr std::size_t kCountAt = 8;

// The system's own classes, by the numbers templates give them.
constexpr WORD kFirstSystemClass = 0x0080;  // button
constexpr WORD kLastSystemClass = 0x0085;   // combo box
constexpr std::wstring_view kSystemClassNames[] = {L"button",  L"edit",      L"static",
                                                   L"listbox", L"scrollbar", L"combobox"};

// Reads the template's words with bounds checks: a short or broken template
// leaves the reader failed instead of reading past its end.
class Reader {
 public:
  Reader(const WORD* words, std::size_t count) : words_(words), count_(count) {}

  bool failed() const { return failed_; }
  std::size_t at() const { return at_; }

  WORD Word() {
    if (at_ >= count_) {
      failed_ = true;
      return 0;
    }
    return words_[at_++];
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  std::wstring Text() {
    std::wstring text;
    for (WORD c = Word(); c != 0 && !failed_; c = Word()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  void AlignToDword() {
    if (at_ % 2 != 0) ++at_;
  }
  // `bytes` bytes from here on; the reader moves to the word after them.
  std::vector<BYTE> Bytes(std::size_t bytes) {
    const std::size_t words = (bytes + 1) / 2;
    if (at_ + words > count_) {
      failed_ = true;
      return {};
    }
    std::vector<BYTE> out(bytes);
    if (bytes > 0) std::memcpy(out.data(), words_ + at_, bytes);
    at_ += words;
    return out;
  }

 private:
  const WORD* words_;
  std::size_t count_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

void PutDword(std::vector<WORD>& out, DWORD value) {
  out.push_back(LOWORD(value));
  out.push_back(HIWORD(value));
}

void PutText(std::vector<WORD>& out, std::wstring_view text) {
  for (const wchar_t c : text) out.push_back(static_cast<WORD>(c));
  out.push_back(0);
}

void SetDword(std::vector<WORD>& out, std::size_t at, DWORD value) {
  out[at] = LOWORD(value);
  out[at + 1] = HIWORD(value);
}

// An up-down button keeps the styles it is made with as its own state, as
// EnableWindow leaves it; an address field, for one, does not hand a disabled
// style on to its parts.
constexpr std::wstring_view kStyledCommonClassNames[] = {L"msctls_updown32"};

bool TakesStylesAtCreation(const std::wstring& name) {
  std::wstring lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
  return std::find(std::begin(kSystemClassNames), std::end(kSystemClassNames), lower) != std::end(kSystemClassNames) ||
         std::find(std::begin(kStyledCommonClassNames), std::end(kStyledCommonClassNames), lower) !=
             std::end(kStyledCommonClassNames);
}

}  // namespace

DialogTemplate DialogTemplate::Load(HINSTANCE instance, int id) {
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  if (!found) return {};
  const HGLOBAL loaded = ::LoadResource(instance, found);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return {};
  return Read(data, ::SizeofResource(instance, found));
}

DialogTemplate DialogTemplate::Read(const void* data, std::size_t size) {
  Reader in(static_cast<const WORD*>(data), size / 2);
  DialogTemplate form;
  const WORD version = in.Word();
  const WORD signature = in.Word();
  if (version != 1 || signature != 0xFFFF) return {};
  in.Dword();  // help id
  form.exStyle_ = in.Dword();
  form.style_ = in.Dword();
  const WORD count = in.Word();
  for (int i = 0; i < 4; ++i) in.Word();  // x, y, cx, cy
  const auto skipNameOrNumber = [&in] {
    const WORD first = in.Word();
    if (first == 0xFFFF) {
      in.Word();
    } else if (first != 0) {
      in.Text();
    }
  };
  skipNameOrNumber();  // menu
  skipNameOrNumber();  // class
  in.Text();           // title
  if ((form.style_ & (DS_SETFONT | DS_SHELLFONT)) != 0) {
    in.Word();  // point size
    in.Word();  // weight
    in.Word();  // italic, character set
    in.Text();  // typeface
  }
  if (in.failed()) return {};
  form.header_.assign(static_cast<const WORD*>(data), static_cast<const WORD*>(data) + in.at());

  const auto readNameOrNumber = [&in] {
    NameOrNumber value;
    const WORD first = in.Word();
    if (first == 0xFFFF) {
      value.isNumber = true;
      value.number = in.Word();
    } else if (first != 0) {
      value.name.push_back(static_cast<wchar_t>(first));
      value.name += in.Text();
    }
    return value;
  };
  for (WORD i = 0; i < count; ++i) {
    in.AlignToDword();
    Item item;
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
    item.x = static_cast<short>(in.Word());
    item.y = static_cast<short>(in.Word());
    item.cx = static_cast<short>(in.Word());
    item.cy = static_cast<short>(in.Word());
    item.id = in.Dword();
    item.windowClass = readNameOrNumber();
    item.title = readNameOrNumber();
    item.extra = in.Bytes(in.Word());
    if (in.failed()) return {};
    form.items_.push_back(std::move(item));
  }
  return form;
}

void DialogTemplate::AddStyle(DWORD style, DWORD exStyle) {
  style_ |= style;
  exStyle_ |= exStyle;
}

DialogTemplate::Item* DialogTemplate::Find(int id) {
  for (Item& item : items_) {
    if (static_cast<int>(item.id) == id) return &item;
  }
  return nullptr;
}

bool DialogTemplate::SetItemStyle(int id, DWORD add, DWORD remove) {
  Item* item = Find(id);
  if (!item) return false;
  const NameOrNumber& kind = item->windowClass;
  const bool takes = kind.isNumber ? kind.number >= kFirstSystemClass && kind.number <= kLastSystemClass
                                   : TakesStylesAtCreation(kind.name);
  if (!takes) return false;
  item->style = (item->style & ~remove) | add;
  return true;
}

bool DialogTemplate::SetItemText(int id, std::wstring_view text) {
  Item* item = Find(id);
  if (!item || item->title.isNumber) return false;
  item->title.name.assign(text);
  return true;
}

std::vector<WORD> DialogTemplate::Build() const {
  if (header_.size() < kHeaderWords) return {};
  std::vector<WORD> out(header_);
  SetDword(out, kExStyleAt, exStyle_);
  SetDword(out, kStyleAt, style_);
  out[kCountAt] = static_cast<WORD>(items_.size());
  const auto putNameOrNumber = [&out](const NameOrNumber& value) {
    if (value.isNumber) {
      out.push_back(0xFFFF);
      out.push_back(value.number);
    } else {
      PutText(out, value.name);
    }
  };
  for (const Item& item : items_) {
    if (out.size() % 2 != 0) out.push_back(0);
    PutDword(out, item.helpId);
    PutDword(out, item.exStyle);
    PutDword(out, item.style);
    for (const short value : {item.x, item.y, item.cx, item.cy}) out.push_back(static_cast<WORD>(value));
    PutDword(out, item.id);
    putNameOrNumber(item.windowClass);
    putNameOrNumber(item.title);
    out.push_back(static_cast<WORD>(item.extra.size()));
    const std::size_t extraAt = out.size();
    out.resize(extraAt + (item.extra.size() + 1) / 2, 0);
    if (!item.extra.empty()) std::memcpy(out.data() + extraAt, item.extra.data(), item.extra.size());
  }
  return out;
}

}  // namespace vostrel::ui
