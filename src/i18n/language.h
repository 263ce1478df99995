#pragma once
// The languages of the text table, in the order of a row's cells.

#include <cstdint>

namespace vostrel {

enum class Language : std::int32_t {
  English = 0,
  Japanese = 1,
  SimplifiedChinese = 2,
  Korean = 3,
};

inline constexpr int kLanguageCount = 4;

}  // namespace vostrel
