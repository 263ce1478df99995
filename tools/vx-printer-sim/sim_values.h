#pragma once
// Checks one setting value the way the printer's firmware does and brings it
// into the form the printer keeps and lists. A value the printer would not
// take (wrong form, out of range for the row or the model) gives nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim_table.h"

namespace vostrel::sim {

// What other settings decide about a value's range.
struct ValueContext {
  Model model = Model::Vx120;
  // The FUNCTION SELECT word the printer holds: "OFF" widens PAPER POSITION
  // to 0..50.8 mm, any other word keeps it at -25.4..25.4 mm.
  std::string_view functionSelect{};
};

// `fields`: the parts of the line after the separator, split at TAB (the
// value, then any unit or second word). `rest`: the same text unsplit.
std::optional<std::string> NormaliseValue(const SettingRow& row, const std::vector<std::string_view>& fields,
                                          std::string_view rest, const ValueContext& context);

// A number with up to `decimals` decimals (more are accepted when they are
// all zero), scaled by 10^decimals; nothing for anything else.
std::optional<long long> ParseScaled(std::string_view text, int decimals);
std::string FormatScaled(long long value, int decimals);

}  // namespace vostrel::sim
