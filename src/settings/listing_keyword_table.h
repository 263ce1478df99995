#pragma once
// The keyword rows of the listing reader, in table order: settings whose
// value is a number, a length, a level, an address or a text, each with its
// parser, its accepted range and the form in which the conversion writes it.
// Lengths: millimetres in tenths, inches in hundredths. Levels: hundredths of
// a volt. Texts: the accepted length.

#include <array>

#include "settings/listing_tables.h"

namespace vostrel::listing {

inline constexpr std::size_t kKeywordRowCount = 85;

namespace rows {
inline constexpr Range kMachPos{-256, 256};
inline constexpr Range kSensorVolts{0, 33};
inline constexpr Range kCalLevel{1, 330};
inline constexpr Range kHeatRate{-10, 10};
inline constexpr Range kRfidMm{0, 2540};
inline constexpr Range kRfidInch{0, 1000};
inline constexpr Range kShiftMm{-254, 254};
inline constexpr Range kShiftInch{-100, 100};
inline constexpr Range kHeadCheck203{1, 848};
inline constexpr Range kHeadCheck300{1, 1264};
}  // namespace rows

// clang-format off
inline constexpr std::array<KeywordRow, kKeywordRowCount> kKeywordRows = {{
    /*  0 */ {L"PAPER POSITION", Parse::PaperPosition, Output::Length},
    /*  1 */ {L"MACH CUT POS", Parse::Whole, Output::Whole, rows::kMachPos},
    /*  2 */ {L"SEE THROUGH SENSOR", Parse::OneDecimal, Output::OneDecimal, rows::kSensorVolts},
    /*  3 */ {L"MACH HOR POS", Parse::Whole, Output::Whole, {-16, 32}},
    /*  4 */ {L"MACH PEEL POS", Parse::Whole, Output::Whole, rows::kMachPos},
    /*  5 */ {L"REFLECT SENSOR", Parse::OneDecimal, Output::OneDecimal, rows::kSensorVolts},
    /*  6 */ {L"MACH TEAR POS", Parse::Whole, Output::Whole, rows::kMachPos},
    /*  7 */ {L"REFLECT SENSOR POSITION", Parse::Whole, Output::Whole, rows::kMachPos},
    /*  8 */ {L"THROUGH SENSOR POSITION", Parse::Whole, Output::Whole, rows::kMachPos},
    /*  9 */ {L"CONTINUOUS MEDIA LENGTH", Parse::Length, Output::Length, {64, 25397}, {25, 9999}},
    /* 10 */ {L"HORIZONTAL SHIFT", Parse::Length, Output::Length, rows::kShiftMm, rows::kShiftInch},
    /* 11 */ {L"PRINT DARKNESS", Parse::Whole, Output::Whole, {0, 30}},
    /* 12 */ {L"DARKNESS ADJUST", Parse::Whole, Output::Whole, {-10, 10}},
    /* 13 */ {L"SMALL MEDIA LENGTH", Parse::Length, Output::Length, {64, 254}, {25, 100}},
    /* 14 */ {L"VERTICAL POSITION", Parse::Length, Output::Length, rows::kShiftMm, rows::kShiftInch},
    /* 15 */ {L"MAX MEDIA LENGTH", Parse::Length, Output::Length, {254, 25397}, {100, 9999}},
    /* 16 */ {L"SENSOR LEVEL", Parse::Length, Output::OneDecimal, rows::kSensorVolts, rows::kSensorVolts},
    /* 17 */ {L"SERIAL NUMBER", Parse::Text, Output::Text, {0, 32}, {}, TextRule::PrintableUpper},
    /* 18 */ {L"HEAD CHECK START POS", Parse::DotPosition, Output::DotPosition, rows::kHeadCheck203, rows::kHeadCheck300},
    /* 19 */ {L"HEAD CHECK STOP POS", Parse::DotPosition, Output::DotPosition, rows::kHeadCheck203, rows::kHeadCheck300},
    /* 20 */ {L"KEYBOARD LOCK", Parse::OnOff, Output::Choice},
    /* 21 */ {L"PAPER END LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 22 */ {L"ADJ THROUGH SENSOR", Parse::OneDecimal, Output::OneDecimal, rows::kSensorVolts},
    /* 23 */ {L"ADJ REFLECT SENSOR", Parse::OneDecimal, Output::OneDecimal, rows::kSensorVolts},
    /* 24 */ {L"ADJ THROUGH SENSOR POSITION", Parse::Whole, Output::Whole, rows::kMachPos},
    /* 25 */ {L"ADJ REFLECT SENSOR POSITION", Parse::Whole, Output::Whole, rows::kMachPos},
    /* 26 */ {L"FIX THROUGH CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 27 */ {L"FIX REFLECT CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 28 */ {L"FIX SENSNONE CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 29 */ {L"ADJ THROUGH CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 30 */ {L"ADJ REFLECT CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 31 */ {L"ADJ SENSNONE CAL LEVEL", Parse::Level, Output::Level, rows::kCalLevel},
    /* 32 */ {L"VERTICAL IMAGE SHIFT", Parse::Length, Output::Length, {0, 8128}, {0, 3200}},
    /* 33 */ {L"REWINDER AUTO ONLINE DELAY", Parse::Whole, Output::Whole, {1, 10}},
    /* 34 */ {L"REWINDER TORQUE", Parse::Whole, Output::Whole, {1, 7}},
    /* 35 */ {L"PEEL WAIT DELAY", Parse::OneDecimal, Output::OneDecimal, {1, 20}},
    /* 36 */ {L"TOP FORM LENGTH", Parse::Length, Output::Length, {64, 1016}, {25, 400}},
    /* 37 */ {L"NETWORK ADDRESS", Parse::Ipv4, Output::Ipv4},
    /* 38 */ {L"SUBNET MASK", Parse::Ipv4, Output::Ipv4},
    /* 39 */ {L"GATEWAY ADDRESS", Parse::Ipv4, Output::Ipv4},
    /* 40 */ {L"WLAN CHANNEL", Parse::Whole, Output::Whole, {1, 14}},
    /* 41 */ {L"WLAN SSID", Parse::Text, Output::Text, {0, 32}},
    /* 42 */ {L"WLAN WEP KEY 1", Parse::Text, Output::Text, {0, 28}},
    /* 43 */ {L"WLAN WEP KEY 2", Parse::Text, Output::Text, {0, 28}},
    /* 44 */ {L"WLAN WEP KEY 3", Parse::Text, Output::Text, {0, 28}},
    /* 45 */ {L"WLAN WEP KEY 4", Parse::Text, Output::Text, {0, 28}},
    /* 46 */ {L"WLAN PSK", Parse::Text, Output::Text, {0, 63}, {}, TextRule::AnyCharacter},
    /* 47 */ {L"EAP USER NAME", Parse::Text, Output::Text, {0, 64}},
    /* 48 */ {L"EAP PASSWORD", Parse::Text, Output::Text, {0, 64}},
    /* 49 */ {L"EAP ANONYMOUS NAME", Parse::Text, Output::Text, {0, 64}},
    /* 50 */ {L"HEAD CLEAN MESSAGE", Parse::Counter, Output::Whole, {0, 9999999}},
    /* 51 */ {L"STANDBY TIMER", Parse::Whole, Output::Whole, {1, 99}},
    /* 52 */ {L"FIX REFLECT SENSOR", Parse::OneDecimal, Output::None, rows::kSensorVolts},
    /* 53 */ {L"FIX REFLECT SENSOR POSITION", Parse::Whole, Output::None, rows::kMachPos},
    /* 54 */ {L"AUTO SIDE SHIFT", Parse::Whole, Output::Whole, {0, 15}},
    /* 55 */ {L"SYMBOL SET", Parse::SymbolSet, Output::Choice},
    /* 56 */ {L"IPV4 ADDRESS", Parse::Ipv4, Output::Ipv4},
    /* 57 */ {L"IPV4 SUBNET MASK", Parse::Ipv4, Output::Ipv4},
    /* 58 */ {L"IPV4 GATEWAY", Parse::Ipv4, Output::Ipv4},
    /* 59 */ {L"HOST NAME", Parse::Text, Output::Text, {0, 31}},
    /* 60 */ {L"PORT NUMBER", Parse::Whole, Output::Whole, {9000, 9999}},
    /* 61 */ {L"TIMEOUT", Parse::Whole, Output::Whole, {0, 300}},
    /* 62 */ {L"IPV6 ADDRESS", Parse::Ipv6, Output::Ipv6},
    /* 63 */ {L"IPV6 PREFIX LENGTH", Parse::Whole, Output::Whole, {1, 128}},
    /* 64 */ {L"IPV6 GATEWAY", Parse::Ipv6, Output::Ipv6},
    /* 65 */ {L"TT HOT HEATRATE ADJUST", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 66 */ {L"TT COLD HEATRATE ADJUST", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 67 */ {L"DT HOT HEATRATE ADJUST", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 68 */ {L"DT COLD HEATRATE ADJUST", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 69 */ {L"TT HOT HEATRATE ADJUST 2", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 70 */ {L"TT COLD HEATRATE ADJUST 2", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 71 */ {L"DT HOT HEATRATE ADJUST 2", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 72 */ {L"DT COLD HEATRATE ADJUST 2", Parse::OneDecimal, Output::OneDecimal, rows::kHeatRate},
    /* 73 */ {L"HEAD CHECK PATTERN WIDTH", Parse::DotWidth, Output::DotPosition, {1, 832}, {1, 1240}},
    /* 74 */ {L"BT PIN CODE", Parse::Text, Output::Text, {4, 16}, {}, TextRule::PairingText},
    /* 75 */ {L"BT DEVICE NAME", Parse::Text, Output::Text, {1, 31}, {}, TextRule::PairingText},
    /* 76 */ {L"RFID CALIB BASE POSITION", Parse::Length, Output::Length, rows::kRfidMm, rows::kRfidInch},
    /* 77 */ {L"RFID FIXED POSITION", Parse::Length, Output::Length, rows::kRfidMm, rows::kRfidInch},
    /* 78 */ {L"RFID FIXED POWER", Parse::Power, Output::Whole, {0, 10000}},
    /* 79 */ {L"RFID NG MARK POSITION", Parse::Length, Output::Length, {30, 2540}, {12, 1000}},
    /* 80 */ {L"RFID NG MARK WIDTH", Parse::Length, Output::Length, {100, 2540}, {39, 1000}},
    /* 81 */ {L"RFID NG MARK HEIGHT", Parse::Length, Output::Length, {100, 2540}, {39, 1000}},
    /* 82 */ {L"RFID NG MARK THICKNESS", Parse::Length, Output::Length, {10, 100}, {4, 39}},
    /* 83 */ {L"RFID ANTENNA POSITION", Parse::Length, Output::Length, rows::kRfidMm, rows::kRfidInch},
    /* 84 */ {L"RFID REVERSE MEDIA LENGTH", Parse::Length, Output::Length, rows::kRfidMm, rows::kRfidInch},
}};
// clang-format on

inline constexpr auto kKeywordRowSlots = SlotsOf(kKeywordRows);

// Each alias's keyword row.
inline constexpr auto kAliasTargets = [] {
  std::array<std::int16_t, kAliasRows.size()> targets{};
  for (std::size_t i = 0; i < kAliasRows.size(); ++i) {
    targets[i] = static_cast<std::int16_t>(FindRow(kKeywordRows, kAliasRows[i].target));
  }
  return targets;
}();

}  // namespace vostrel::listing
