#pragma once
// The languages of the text table, in the order of a row's cells, and the one
// process-wide language that every lookup uses.

#include <cstdint>

namespace vostrel {

enum class Language : std::int32_t {
  English = 0,
  Japanese = 1,
  SimplifiedChinese = 2,
  Korean = 3,
};

inline constexpr int kLanguageCount = 4;

// The language every text lookup answers in. It starts as Japanese; start-up
// sets it once more before any text is shown, and nothing changes it later.
Language CurrentLanguage();
// Only the user-interface thread calls this, before the main window is shown.
// A value outside the four languages is ignored.
void SetCurrentLanguage(Language language);

}  // namespace vostrel
