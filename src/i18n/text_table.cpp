#include "i18n/text_table.h"

#include "i18n/text_cells.h"

namespace vostrel {
namespace {

template <int Units>
const wchar_t* CellOf(const TextRow<Units>* rows, std::int32_t row, Language language) {
  return rows[row].cells[static_cast<std::int32_t>(language)];
}

bool IsLanguage(Language language) {
  const auto index = static_cast<std::int32_t>(language);
  return index >= 0 && index < kLanguageCount;
}

}  // namespace

const wchar_t* CellText(TextId id, Language language) {
  if (!RowExists(id) || !IsLanguage(language)) return L"";
  switch (id.block) {
    case TextBlock::LabelTexts: return CellOf(kLabelTexts, id.row, language);
    case TextBlock::GuideTexts: return CellOf(kGuideTexts, id.row, language);
    case TextBlock::PrintPageTexts: return CellOf(kPrintPageTexts, id.row, language);
    case TextBlock::ValueWords: return CellOf(kValueWords, id.row, language);
    case TextBlock::MessageTexts: return CellOf(kMessageTexts, id.row, language);
    case TextBlock::StatusTexts: return CellOf(kStatusTexts, id.row, language);
  }
  return L"";
}

const wchar_t* GetText(TextId id) { return CellText(id, CurrentLanguage()); }

const wchar_t* GetText(StatusText row) { return GetText(StatusTextId(row)); }

std::wstring FillText(std::wstring_view text, std::initializer_list<std::wstring_view> values) {
  std::wstring filled;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const wchar_t next = at + 1 < text.size() ? text[at + 1] : L'\0';
    if (text[at] == L'%' && next >= L'1' && next <= L'3') {
      const auto index = static_cast<std::size_t>(next - L'1');
      if (index < values.size()) filled += values.begin()[index];
      ++at;
      continue;
    }
    filled += text[at];
  }
  return filled;
}

const wchar_t* GetText(const TextRange& range, std::int32_t index) {
  if (index < 0 || index >= range.count) return L"";
  return GetText(TextId{range.first.block, range.first.row + index});
}

void EnglishText(const TextRange& range, std::wstring_view text, std::wstring& result) {
  for (std::int32_t k = 0; k < range.count; ++k) {
    const TextId id{range.first.block, range.first.row + k};
    if (!RowExists(id)) continue;
    for (int language = 0; language < kLanguageCount; ++language) {
      if (text == CellText(id, static_cast<Language>(language))) {
        result = CellText(id, Language::English);
        break;
      }
    }
  }
}

}  // namespace vostrel
