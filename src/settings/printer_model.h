#pragma once
// The printer models, in the order of the model list. Every per-model table
// is indexed by the model's position in this list (ModelSlot).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vostrel {

enum class PrinterModel : std::int32_t {
  Vx120Zkq = 0,
  Vx135Zkq = 1,
};

inline constexpr std::array<std::wstring_view, 2> kPrinterModels = {L"VX-120-ZKQ", L"VX-135-ZKQ"};

// The second model for its name, the first for its own name and any other
// text.
constexpr PrinterModel ModelIndexOf(std::wstring_view name) {
  return name == kPrinterModels[1] ? PrinterModel::Vx135Zkq : PrinterModel::Vx120Zkq;
}

// The model at `position` of the model list; any position but 1 is the first.
constexpr PrinterModel ModelAt(int position) { return position == 1 ? PrinterModel::Vx135Zkq : PrinterModel::Vx120Zkq; }

// The model's index into a per-model table: 0 or 1.
constexpr std::size_t ModelSlot(PrinterModel model) { return model == PrinterModel::Vx135Zkq ? 1 : 0; }

constexpr std::wstring_view ModelName(PrinterModel model) { return kPrinterModels[ModelSlot(model)]; }

}  // namespace vostrel
