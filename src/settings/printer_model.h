#pragma once
// The printer models, in the order of the model list. Every per-model table is
// indexed by the position of the chosen name in this list.

#include <array>
#include <cstdint>
#include <string_view>

namespace vostrel {

inline constexpr std::array<std::wstring_view, 2> kPrinterModels = {L"VX-120-ZKQ", L"VX-135-ZKQ"};

// 1 for the second model's name, 0 for the first and for any other text.
constexpr std::int32_t ModelIndexOf(std::wstring_view name) { return name == kPrinterModels[1] ? 1 : 0; }

}  // namespace vostrel
