#include "i18n/language.h"

namespace vostrel {
namespace {

Language g_currentLanguage = Language::Japanese;

}  // namespace

Language CurrentLanguage() { return g_currentLanguage; }

void SetCurrentLanguage(Language language) {
  const auto index = static_cast<std::int32_t>(language);
  if (index >= 0 && index < kLanguageCount) g_currentLanguage = language;
}

}  // namespace vostrel
