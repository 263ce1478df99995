#pragma once
// The storage of the text table: one fixed-size array of rows per block, in
// read-only data. Only the lookups and the table's own tests use it directly.

#include "i18n/language.h"
#include "i18n/text_table.h"

namespace vostrel {

template <int Units>
struct TextRow {
  wchar_t cells[kLanguageCount][Units];
};

extern const TextRow<kShortCellUnits> kLabelTexts[BlockRowCount(TextBlock::LabelTexts)];
extern const TextRow<kLongCellUnits> kGuideTexts[BlockRowCount(TextBlock::GuideTexts)];
extern const TextRow<kShortCellUnits> kPrintPageTexts[BlockRowCount(TextBlock::PrintPageTexts)];
extern const TextRow<kShortCellUnits> kValueWords[BlockRowCount(TextBlock::ValueWords)];
extern const TextRow<kLongCellUnits> kMessageTexts[BlockRowCount(TextBlock::MessageTexts)];
extern const TextRow<kLongCellUnits> kStatusTexts[BlockRowCount(TextBlock::StatusTexts)];

}  // namespace vostrel
