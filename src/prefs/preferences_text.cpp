#include "prefs/preferences_text.h"

#include <windows.h>
#include <winsock2.h>

#include <array>
#include <cstdint>
#include <cwchar>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/split_text.h"

namespace vostrel {
namespace {

bool AllDigits(std::wstring_view text) {
  if (text.empty()) return false;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

// A run of decimal digits as a number no larger than `limit`; nothing for
// other text or a larger number.
std::optional<std::int64_t> DecimalUpTo(std::wstring_view text, std::int64_t limit) {
  if (!AllDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (const wchar_t c : text) {
    value = value * 10 + (c - L'0');
    if (value > limit) return std::nullopt;
  }
  return value;
}

std::wstring AsciiUpper(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return text;
}

struct CodeText {
  std::uint8_t code;
  const wchar_t* text;
};
constexpr CodeText kStopBitTexts[] = {{0, L"1"}, {2, L"2"}};
constexpr CodeText kParityTexts[] = {{0, L"N"}, {1, L"O"}, {2, L"E"}};
constexpr const wchar_t* kFlowLetters[] = {L"H", L"X", L"N"};

template <std::size_t N>
const CodeText* FindText(const CodeText (&table)[N], std::wstring_view text) {
  for (const CodeText& row : table) {
    if (text == row.text) return &row;
  }
  return nullptr;
}

template <std::size_t N>
const wchar_t* TextOfCode(const CodeText (&table)[N], std::uint8_t code) {
  for (const CodeText& row : table) {
    if (row.code == code) return row.text;
  }
  return table[0].text;
}

struct PortTypeRow {
  const wchar_t* text;
  PortKind kind;
};
constexpr PortTypeRow kPortTypes[] = {
    {L"PRT", PortKind::Prt}, {L"COM", PortKind::Com}, {L"USB", PortKind::Usb}, {L"NET", PortKind::Net}};

}  // namespace

std::wstring PortTypeText(PortKind kind) {
  for (const PortTypeRow& row : kPortTypes) {
    if (row.kind == kind) return row.text;
  }
  return {};
}

PortKind PortKindOfText(std::wstring_view text) {
  for (const PortTypeRow& row : kPortTypes) {
    if (text == row.text) return row.kind;
  }
  return PortKind::None;
}

std::wstring HalfWidth(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::LCMapStringW(LOCALE_SYSTEM_DEFAULT, LCMAP_HALFWIDTH, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::wstring(text);
  std::wstring result(static_cast<std::size_t>(needed), L'\0');
  const int written =
      ::LCMapStringW(LOCALE_SYSTEM_DEFAULT, LCMAP_HALFWIDTH, text.data(), length, result.data(), needed);
  if (written <= 0) return std::wstring(text);
  result.resize(static_cast<std::size_t>(written));
  return result;
}

bool ParseComSet(std::wstring_view value, PreferencesRecord& record) {
  const std::vector<std::wstring> pieces = SplitText(value, L" ");
  if (pieces.size() != 5) return false;
  // The non-empty pieces fill the slots in order; slots left over stay empty.
  std::array<std::wstring, 5> slots;
  std::size_t filled = 0;
  for (const std::wstring& piece : pieces) {
    if (!piece.empty()) slots[filled++] = piece;
  }

  if (const auto baud = DecimalUpTo(slots[0], INT32_MAX)) record.baudRate = static_cast<std::int32_t>(*baud);
  // Data bits live in 8 bits: a larger number is refused rather than cut.
  if (const auto bits = DecimalUpTo(slots[1], UINT8_MAX)) record.dataBits = static_cast<std::uint8_t>(*bits);
  if (const CodeText* stop = FindText(kStopBitTexts, HalfWidth(slots[2]))) record.stopBitsCode = stop->code;
  if (const CodeText* parity = FindText(kParityTexts, AsciiUpper(HalfWidth(slots[3])))) {
    record.parityCode = parity->code;
  }
  const std::wstring flow = AsciiUpper(HalfWidth(slots[4]));
  for (const wchar_t* letter : kFlowLetters) {
    if (flow == letter) record.flowControl = flow;
  }
  return true;
}

std::wstring FormatComSet(const PreferencesRecord& record) {
  return std::to_wstring(record.baudRate) + L" " + std::to_wstring(record.dataBits) + L" " +
         TextOfCode(kStopBitTexts, record.stopBitsCode) + L" " + TextOfCode(kParityTexts, record.parityCode) + L" " +
         record.flowControl;
}

bool IsPortNumberText(std::wstring_view text) { return text.size() <= 5 && AllDigits(text); }

std::wstring FolderForm(std::wstring_view folder) {
  std::wstring form(folder);
  if (!form.empty() && form.back() != L'\\') form += L'\\';
  return form;
}

}  // namespace vostrel
