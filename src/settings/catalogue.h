#pragma once
// The catalogue of printer settings: one row per value slot of the settings
// store, as constexpr data. Rows 0 to 85 are the script entries in the order
// of a script's lines (row number = entry number); rows 86 to 166 are the
// settings a listing carries that no page shows and no script writes; rows
// 167 to 171 serve single operations. Everything that walks the settings (the
// script builder, the listing reader, the pages) addresses rows by entry
// number or by keyword through this table.

#include <array>
#include <cstdint>
#include <string_view>

namespace vostrel {

enum class SettingGroup : std::uint8_t {
  Standard,         // entries 0-25, the Standard page
  Advanced,         // entries 26-82, the Advanced page
  RfidCalibration,  // entries 83-85, filled by reads only
  ListingOnly,      // read from listings, never shown or written
  Operation,        // single-operation slots
};

// Which of the row's keywords make a listing line fill the slot.
enum class ReadBy : std::uint8_t {
  None,           // the row's page alone fills it (the keyword belongs to another row)
  Keyword,        // a line with `keyword`
  SecondKeyword,  // a line with `secondKeyword` only
  BothKeywords,   // lines with either keyword
};

// How the script builder writes a selected entry.
enum class LineForm : std::uint8_t {
  Plain,            // keyword, separator, value, [TAB second value], suffix
  NeverWritten,     // no line, whatever the slot holds
  Doubled,          // the value under `keyword`, then again under `secondKeyword`
  MiddleUnitWord,   // keyword, separator, suffix word, TAB, value
  SwitchThenValue,  // the second value under `keyword`, the value under `secondKeyword`
};

struct SlotInfo {
  std::wstring_view keyword = {};
  std::wstring_view unitSuffix = {};
  SettingGroup group = SettingGroup::Operation;
  ReadBy read = ReadBy::Keyword;
  LineForm form = LineForm::Plain;
  std::wstring_view secondKeyword = {};
  // Written instead of `keyword` when the language is Japanese and the model
  // is the first of the model list.
  std::wstring_view japaneseFirstModelKeyword = {};
};

inline constexpr int kScriptEntryCount = 86;
inline constexpr int kLastStandardEntry = 25;
inline constexpr int kLastAdvancedEntry = 82;
inline constexpr int kFirstListingOnlySlot = 86;
inline constexpr int kListingOnlySlotCount = 81;
inline constexpr int kCalibrationResultSlot = 167;
inline constexpr int kInfoSerialNumberSlot = 168;
inline constexpr int kInfoPrintCounterSlot = 169;
inline constexpr int kInfoServiceCounterSlot = 170;
inline constexpr int kInfoCutCounterSlot = 171;
inline constexpr int kSlotCount = 172;

// clang-format off
inline constexpr std::array<SlotInfo, kSlotCount> kSlotCatalogue = {{
    /*   0 */ {.keyword = L"PRINT SPEED", .group = SettingGroup::Standard},
    /*   1 */ {.keyword = L"PRINT DARKNESS", .group = SettingGroup::Standard},
    /*   2 */ {.keyword = L"PRINT METHOD", .group = SettingGroup::Standard},
    /*   3 */ {.keyword = L"CONTINUOUS MEDIA LENGTH", .group = SettingGroup::Standard},
    /*   4 */ {.keyword = L"MEDIA SENSOR", .group = SettingGroup::Standard},
    /*   5 */ {.keyword = L"SENSOR LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Standard, .form = LineForm::NeverWritten},
    /*   6 */ {.keyword = L"PAPER END LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Standard, .form = LineForm::NeverWritten},
    /*   7 */ {.keyword = L"IPV4 ADDRESS", .group = SettingGroup::Standard},
    /*   8 */ {.keyword = L"IPV4 SUBNET MASK", .group = SettingGroup::Standard},
    /*   9 */ {.keyword = L"IPV4 GATEWAY", .group = SettingGroup::Standard},
    /*  10 */ {.keyword = L"IPV4 DHCP", .group = SettingGroup::Standard},
    /*  11 */ {.keyword = L"HOST NAME", .group = SettingGroup::Standard},
    /*  12 */ {.keyword = L"PORT NUMBER", .group = SettingGroup::Standard},
    /*  13 */ {.keyword = L"TIMEOUT", .unitSuffix = L"\tSEC", .group = SettingGroup::Standard},
    /*  14 */ {.keyword = L"TIMEOUT ACTION", .group = SettingGroup::Standard},
    /*  15 */ {.keyword = L"SEND BUFFER DATA", .group = SettingGroup::Standard},
    /*  16 */ {.keyword = L"IPV6", .group = SettingGroup::Standard},
    /*  17 */ {.keyword = L"IPV6 FIXED ADDRESS", .group = SettingGroup::Standard},
    /*  18 */ {.keyword = L"IPV6 ADDRESS", .group = SettingGroup::Standard},
    /*  19 */ {.keyword = L"IPV6 PREFIX LENGTH", .group = SettingGroup::Standard},
    /*  20 */ {.keyword = L"IPV6 GATEWAY", .group = SettingGroup::Standard},
    /*  21 */ {.keyword = L"RS-232C BAUD", .group = SettingGroup::Standard},
    /*  22 */ {.keyword = L"RS-232C PARITY", .group = SettingGroup::Standard},
    /*  23 */ {.keyword = L"RS-232C LENGTH", .group = SettingGroup::Standard},
    /*  24 */ {.keyword = L"RS-232C STOP BIT", .group = SettingGroup::Standard},
    /*  25 */ {.keyword = L"RS-232C X-ON", .group = SettingGroup::Standard},
    /*  26 */ {.keyword = L"THROUGH SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  27 */ {.keyword = L"REFLECT SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  28 */ {.keyword = L"THROUGH SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced, .read = ReadBy::None},
    /*  29 */ {.keyword = L"REFLECT SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced, .read = ReadBy::None, .japaneseFirstModelKeyword = L"FIX REFLECT SENSOR POSITION"},
    /*  30 */ {.keyword = L"ADJ THROUGH SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  31 */ {.keyword = L"ADJ REFLECT SENSOR POSITION", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  32 */ {.keyword = L"MACH TEAR POS", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  33 */ {.keyword = L"MACH CUT POS", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  34 */ {.keyword = L"MACH PEEL POS", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  35 */ {.keyword = L"MACH HOR POS", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  36 */ {.keyword = L"AUTOCAL MODE", .group = SettingGroup::Advanced},
    /*  37 */ {.keyword = L"SEE THROUGH SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  38 */ {.keyword = L"REFLECT SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  39 */ {.keyword = L"SEE THROUGH SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced, .read = ReadBy::None},
    /*  40 */ {.keyword = L"REFLECT SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced, .read = ReadBy::None, .japaneseFirstModelKeyword = L"FIX REFLECT SENSOR"},
    /*  41 */ {.keyword = L"ADJ THROUGH SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  42 */ {.keyword = L"ADJ REFLECT SENSOR", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  43 */ {.keyword = L"SEETHROUGH SENSITIVITY", .group = SettingGroup::Advanced},
    /*  44 */ {.keyword = L"REFLECT SENSITIVITY", .group = SettingGroup::Advanced},
    /*  45 */ {.keyword = L"FIX REFLECT SENSITIVITY", .group = SettingGroup::Advanced},
    /*  46 */ {.keyword = L"ADJ THROUGH CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced, .read = ReadBy::None},
    /*  47 */ {.keyword = L"ADJ REFLECT CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced, .read = ReadBy::None},
    /*  48 */ {.keyword = L"ADJ SENSNONE CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced, .read = ReadBy::None},
    /*  49 */ {.keyword = L"FIX THROUGH CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  50 */ {.keyword = L"FIX REFLECT CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  51 */ {.keyword = L"FIX SENSNONE CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  52 */ {.keyword = L"ADJ THROUGH CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  53 */ {.keyword = L"ADJ REFLECT CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  54 */ {.keyword = L"ADJ SENSNONE CAL LEVEL", .unitSuffix = L"\tV", .group = SettingGroup::Advanced},
    /*  55 */ {.keyword = L"DARKNESS RATE", .group = SettingGroup::Advanced},
    /*  56 */ {.keyword = L"DOUBLE HEAT MENU", .group = SettingGroup::Advanced, .read = ReadBy::SecondKeyword, .form = LineForm::Doubled, .secondKeyword = L"DOUBLE HEAT"},
    /*  57 */ {.keyword = L"TT HOT HEATRATE ADJUST", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  58 */ {.keyword = L"TT COLD HEATRATE ADJUST", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  59 */ {.keyword = L"DT HOT HEATRATE ADJUST", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  60 */ {.keyword = L"DT COLD HEATRATE ADJUST", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  61 */ {.keyword = L"POWERON HEAD CHECK", .group = SettingGroup::Advanced},
    /*  62 */ {.keyword = L"HEAD CHECK START POS", .unitSuffix = L"DOT", .group = SettingGroup::Advanced, .form = LineForm::MiddleUnitWord},
    /*  63 */ {.keyword = L"HEAD CHECK STOP POS", .unitSuffix = L"DOT", .group = SettingGroup::Advanced, .form = LineForm::MiddleUnitWord},
    /*  64 */ {.keyword = L"RIBBON END DETECTION", .group = SettingGroup::Advanced},
    /*  65 */ {.keyword = L"PARALLEL ERROR OUTPUT", .group = SettingGroup::Advanced},
    /*  66 */ {.keyword = L"TOP FORM SENSING", .group = SettingGroup::Advanced},
    /*  67 */ {.keyword = L"USB SERIAL NUMBER", .group = SettingGroup::Advanced, .read = ReadBy::BothKeywords, .form = LineForm::SwitchThenValue, .secondKeyword = L"SERIAL NUMBER"},
    /*  68 */ {.keyword = L"AUTO EXEC PRINT", .group = SettingGroup::Advanced},
    /*  69 */ {.keyword = L"CONFIG PRINT LAYOUT", .group = SettingGroup::Advanced},
    /*  70 */ {.keyword = L"HEAD CLEAN MESSAGE", .unitSuffix = L"\tM", .group = SettingGroup::Advanced},
    /*  71 */ {.keyword = L"PRINT PREFERENCE", .group = SettingGroup::Advanced},
    /*  72 */ {.keyword = L"TT HOT HEATRATE ADJUST 2", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  73 */ {.keyword = L"TT COLD HEATRATE ADJUST 2", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  74 */ {.keyword = L"DT HOT HEATRATE ADJUST 2", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  75 */ {.keyword = L"DT COLD HEATRATE ADJUST 2", .unitSuffix = L"\t%", .group = SettingGroup::Advanced},
    /*  76 */ {.keyword = L"HEAD CHECK PATTERN PRINT", .group = SettingGroup::Advanced},
    /*  77 */ {.keyword = L"HEAD CHECK PATTERN WIDTH", .unitSuffix = L"\tDOTS", .group = SettingGroup::Advanced},
    /*  78 */ {.keyword = L"SNMP", .group = SettingGroup::Advanced},
    /*  79 */ {.keyword = L"HTML", .group = SettingGroup::Advanced},
    /*  80 */ {.keyword = L"TYPE 1 MODE", .group = SettingGroup::Advanced},
    /*  81 */ {.keyword = L"RFID ANTENNA POSITION", .group = SettingGroup::Advanced},
    /*  82 */ {.keyword = L"RFID REVERSE MEDIA LENGTH", .group = SettingGroup::Advanced},
    /*  83 */ {.keyword = L"RFID CALIB EXECUTED", .group = SettingGroup::RfidCalibration},
    /*  84 */ {.keyword = L"RFID CALIB POSITION OFFSET", .group = SettingGroup::RfidCalibration},
    /*  85 */ {.keyword = L"RFID CALIB POWER", .group = SettingGroup::RfidCalibration},
    // Slots that a read fills but no page shows and no script writes.
    /*  86 */ {.keyword = L"GLOBAL CONFIG", .group = SettingGroup::ListingOnly},
    /*  87 */ {.keyword = L"DARKNESS ADJUST", .group = SettingGroup::ListingOnly},
    /*  88 */ {.keyword = L"RIBBON WINDING DIRECTION", .group = SettingGroup::ListingOnly},
    /*  89 */ {.keyword = L"VERTICAL POSITION", .group = SettingGroup::ListingOnly},
    /*  90 */ {.keyword = L"HORIZONTAL SHIFT", .group = SettingGroup::ListingOnly},
    /*  91 */ {.keyword = L"VERTICAL IMAGE SHIFT", .group = SettingGroup::ListingOnly},
    /*  92 */ {.keyword = L"AUTO SIDE SHIFT", .group = SettingGroup::ListingOnly},
    /*  93 */ {.keyword = L"SENSOR SELECT", .group = SettingGroup::ListingOnly},
    /*  94 */ {.keyword = L"TOP FORM SENSOR", .group = SettingGroup::ListingOnly},
    /*  95 */ {.keyword = L"TOP FORM LENGTH", .group = SettingGroup::ListingOnly},
    /*  96 */ {.keyword = L"SMALL MEDIA ADJUSTMENT", .group = SettingGroup::ListingOnly},
    /*  97 */ {.keyword = L"SMALL MEDIA LENGTH", .group = SettingGroup::ListingOnly},
    /*  98 */ {.keyword = L"SYMBOL SET", .group = SettingGroup::ListingOnly},
    /*  99 */ {.keyword = L"ERROR REPORTING", .group = SettingGroup::ListingOnly},
    /* 100 */ {.keyword = L"COVER OPEN SENSOR", .group = SettingGroup::ListingOnly},
    /* 101 */ {.keyword = L"BUZZER SELECT", .group = SettingGroup::ListingOnly},
    /* 102 */ {.keyword = L"METRIC/INCH", .group = SettingGroup::ListingOnly},
    /* 103 */ {.keyword = L"MAX MEDIA LENGTH", .group = SettingGroup::ListingOnly},
    /* 104 */ {.keyword = L"SETTINGS LOCK", .group = SettingGroup::ListingOnly},
    /* 105 */ {.keyword = L"KEYBOARD LOCK", .group = SettingGroup::ListingOnly},
    /* 106 */ {.keyword = L"STANDBY MODE", .group = SettingGroup::ListingOnly},
    /* 107 */ {.keyword = L"STANDBY TIMER", .group = SettingGroup::ListingOnly},
    /* 108 */ {.keyword = L"PAPER NEAR END STATUS", .group = SettingGroup::ListingOnly},
    /* 109 */ {.keyword = L"PAPER NEAR END ALARM", .group = SettingGroup::ListingOnly},
    /* 110 */ {.keyword = L"CONTROL CODE", .group = SettingGroup::ListingOnly},
    /* 111 */ {.keyword = L"EMULATION SELECT", .group = SettingGroup::ListingOnly, .read = ReadBy::BothKeywords, .secondKeyword = L"MACHINE EMULATION CODE"},
    /* 112 */ {.keyword = L"EMULATION AUTO DETECT", .group = SettingGroup::ListingOnly},
    /* 113 */ {.keyword = L"MEDIA POWER UP", .group = SettingGroup::ListingOnly},
    /* 114 */ {.keyword = L"CI LOCK", .group = SettingGroup::ListingOnly},
    /* 115 */ {.keyword = L"RFID SETTINGS", .group = SettingGroup::ListingOnly},
    /* 116 */ {.keyword = L"RFID CALIB BASE POSITION", .group = SettingGroup::ListingOnly},
    /* 117 */ {.keyword = L"RFID FIXED POSITION", .group = SettingGroup::ListingOnly},
    /* 118 */ {.keyword = L"RFID FIXED POWER", .group = SettingGroup::ListingOnly},
    /* 119 */ {.keyword = L"RFID NG MARK POSITION", .group = SettingGroup::ListingOnly},
    /* 120 */ {.keyword = L"RFID NG MARK WIDTH", .group = SettingGroup::ListingOnly},
    /* 121 */ {.keyword = L"RFID NG MARK HEIGHT", .group = SettingGroup::ListingOnly},
    /* 122 */ {.keyword = L"RFID NG MARK THICKNESS", .group = SettingGroup::ListingOnly},
    /* 123 */ {.keyword = L"AUTOCONFIGURE", .group = SettingGroup::ListingOnly},
    /* 124 */ {.keyword = L"FUNCTION SELECT", .group = SettingGroup::ListingOnly},
    /* 125 */ {.keyword = L"CUTTER TYPE", .group = SettingGroup::ListingOnly},
    /* 126 */ {.keyword = L"CUTTER ACTION", .group = SettingGroup::ListingOnly},
    /* 127 */ {.keyword = L"REWINDER AUTO ONLINE", .group = SettingGroup::ListingOnly},
    /* 128 */ {.keyword = L"REWINDER AUTO ONLINE DELAY", .group = SettingGroup::ListingOnly},
    /* 129 */ {.keyword = L"REWINDER TORQUE", .group = SettingGroup::ListingOnly},
    /* 130 */ {.keyword = L"PEEL WAIT DELAY", .group = SettingGroup::ListingOnly},
    /* 131 */ {.keyword = L"PAPER POSITION", .group = SettingGroup::ListingOnly},
    /* 132 */ {.keyword = L"MODE/REPEAT KEY", .group = SettingGroup::ListingOnly},
    /* 133 */ {.keyword = L"MENU KEY ACTION", .group = SettingGroup::ListingOnly},
    /* 134 */ {.keyword = L"FEED KEY ACTION", .group = SettingGroup::ListingOnly},
    /* 135 */ {.keyword = L"USB DEVICE CLASS", .group = SettingGroup::ListingOnly},
    /* 136 */ {.keyword = L"USB VCOM PROTOCOL", .group = SettingGroup::ListingOnly},
    /* 137 */ {.keyword = L"USB 2 HIGH SPEED", .group = SettingGroup::ListingOnly},
    /* 138 */ {.keyword = L"IEEE1284", .group = SettingGroup::ListingOnly},
    /* 139 */ {.keyword = L"WEB MONITOR", .group = SettingGroup::ListingOnly},
    /* 140 */ {.keyword = L"NETWORK ADDRESS", .group = SettingGroup::ListingOnly},
    /* 141 */ {.keyword = L"SUBNET MASK", .group = SettingGroup::ListingOnly},
    /* 142 */ {.keyword = L"GATEWAY ADDRESS", .group = SettingGroup::ListingOnly},
    /* 143 */ {.keyword = L"BOOTP", .group = SettingGroup::ListingOnly},
    /* 144 */ {.keyword = L"DHCP", .group = SettingGroup::ListingOnly},
    /* 145 */ {.keyword = L"WLAN MODE", .group = SettingGroup::ListingOnly},
    /* 146 */ {.keyword = L"WLAN CHANNEL", .group = SettingGroup::ListingOnly},
    /* 147 */ {.keyword = L"WLAN SSID", .group = SettingGroup::ListingOnly},
    /* 148 */ {.keyword = L"WLAN ENCRYPTION", .group = SettingGroup::ListingOnly},
    /* 149 */ {.keyword = L"WLAN WEP KEY ID", .group = SettingGroup::ListingOnly},
    /* 150 */ {.keyword = L"WLAN WEP KEY 1", .group = SettingGroup::ListingOnly},
    /* 151 */ {.keyword = L"WLAN WEP KEY 2", .group = SettingGroup::ListingOnly},
    /* 152 */ {.keyword = L"WLAN WEP KEY 3", .group = SettingGroup::ListingOnly},
    /* 153 */ {.keyword = L"WLAN WEP KEY 4", .group = SettingGroup::ListingOnly},
    /* 154 */ {.keyword = L"WLAN PSK", .group = SettingGroup::ListingOnly},
    /* 155 */ {.keyword = L"EAP AUTHENTICATION", .group = SettingGroup::ListingOnly},
    /* 156 */ {.keyword = L"EAP USER NAME", .group = SettingGroup::ListingOnly},
    /* 157 */ {.keyword = L"EAP PASSWORD", .group = SettingGroup::ListingOnly},
    /* 158 */ {.keyword = L"EAP PEAP/FAST OPTION", .group = SettingGroup::ListingOnly},
    /* 159 */ {.keyword = L"EAP INNER AUTHENTICATION", .group = SettingGroup::ListingOnly},
    /* 160 */ {.keyword = L"EAP ANONYMOUS NAME", .group = SettingGroup::ListingOnly},
    /* 161 */ {.keyword = L"BT SECURITY", .group = SettingGroup::ListingOnly},
    /* 162 */ {.keyword = L"BT CONNECTION", .group = SettingGroup::ListingOnly},
    /* 163 */ {.keyword = L"BT DISCOVERABLE", .group = SettingGroup::ListingOnly},
    /* 164 */ {.keyword = L"BT IOS RECONNECT", .group = SettingGroup::ListingOnly},
    /* 165 */ {.keyword = L"BT PIN CODE", .group = SettingGroup::ListingOnly},
    /* 166 */ {.keyword = L"BT DEVICE NAME", .group = SettingGroup::ListingOnly},
    // Slots of single operations: the sensor adjustment result and the information reply.
    /* 167 */ {.group = SettingGroup::Operation, .read = ReadBy::None},  // calibrationResult
    /* 168 */ {.group = SettingGroup::Operation, .read = ReadBy::None},  // infoSerialNumber
    /* 169 */ {.group = SettingGroup::Operation, .read = ReadBy::None},  // infoPrintCounter
    /* 170 */ {.group = SettingGroup::Operation, .read = ReadBy::None},  // infoServiceCounter
    /* 171 */ {.group = SettingGroup::Operation, .read = ReadBy::None},  // infoCutCounter
}};
// clang-format on

// Script entry numbers by name. Where a keyword stands on two entries, the one
// that a listing never fills carries "Alt".
namespace entry {
inline constexpr int kPrintSpeed = 0;
inline constexpr int kPrintDarkness = 1;
inline constexpr int kPrintMethod = 2;
inline constexpr int kContinuousMediaLength = 3;
inline constexpr int kMediaSensor = 4;
inline constexpr int kSensorLevel = 5;
inline constexpr int kPaperEndLevel = 6;
inline constexpr int kIpv4Address = 7;
inline constexpr int kIpv4SubnetMask = 8;
inline constexpr int kIpv4Gateway = 9;
inline constexpr int kIpv4Dhcp = 10;
inline constexpr int kHostName = 11;
inline constexpr int kPortNumber = 12;
inline constexpr int kTimeout = 13;
inline constexpr int kTimeoutAction = 14;
inline constexpr int kSendBufferData = 15;
inline constexpr int kIpv6 = 16;
inline constexpr int kIpv6FixedAddress = 17;
inline constexpr int kIpv6Address = 18;
inline constexpr int kIpv6PrefixLength = 19;
inline constexpr int kIpv6Gateway = 20;
inline constexpr int kRs232cBaud = 21;
inline constexpr int kRs232cParity = 22;
inline constexpr int kRs232cLength = 23;
inline constexpr int kRs232cStopBit = 24;
inline constexpr int kRs232cXOn = 25;
inline constexpr int kThroughSensorPosition = 26;
inline constexpr int kReflectSensorPosition = 27;
inline constexpr int kThroughSensorPositionAlt = 28;
inline constexpr int kReflectSensorPositionAlt = 29;
inline constexpr int kAdjThroughSensorPosition = 30;
inline constexpr int kAdjReflectSensorPosition = 31;
inline constexpr int kMachTearPos = 32;
inline constexpr int kMachCutPos = 33;
inline constexpr int kMachPeelPos = 34;
inline constexpr int kMachHorPos = 35;
inline constexpr int kAutocalMode = 36;
inline constexpr int kSeeThroughSensor = 37;
inline constexpr int kReflectSensor = 38;
inline constexpr int kSeeThroughSensorAlt = 39;
inline constexpr int kReflectSensorAlt = 40;
inline constexpr int kAdjThroughSensor = 41;
inline constexpr int kAdjReflectSensor = 42;
inline constexpr int kSeethroughSensitivity = 43;
inline constexpr int kReflectSensitivity = 44;
inline constexpr int kFixReflectSensitivity = 45;
inline constexpr int kAdjThroughCalLevelAlt = 46;
inline constexpr int kAdjReflectCalLevelAlt = 47;
inline constexpr int kAdjSensnoneCalLevelAlt = 48;
inline constexpr int kFixThroughCalLevel = 49;
inline constexpr int kFixReflectCalLevel = 50;
inline constexpr int kFixSensnoneCalLevel = 51;
inline constexpr int kAdjThroughCalLevel = 52;
inline constexpr int kAdjReflectCalLevel = 53;
inline constexpr int kAdjSensnoneCalLevel = 54;
inline constexpr int kDarknessRate = 55;
inline constexpr int kDoubleHeatMenu = 56;
inline constexpr int kTtHotHeatrateAdjust = 57;
inline constexpr int kTtColdHeatrateAdjust = 58;
inline constexpr int kDtHotHeatrateAdjust = 59;
inline constexpr int kDtColdHeatrateAdjust = 60;
inline constexpr int kPoweronHeadCheck = 61;
inline constexpr int kHeadCheckStartPos = 62;
inline constexpr int kHeadCheckStopPos = 63;
inline constexpr int kRibbonEndDetection = 64;
inline constexpr int kParallelErrorOutput = 65;
inline constexpr int kTopFormSensing = 66;
inline constexpr int kUsbSerialNumber = 67;
inline constexpr int kAutoExecPrint = 68;
inline constexpr int kConfigPrintLayout = 69;
inline constexpr int kHeadCleanMessage = 70;
inline constexpr int kPrintPreference = 71;
inline constexpr int kTtHotHeatrateAdjust2 = 72;
inline constexpr int kTtColdHeatrateAdjust2 = 73;
inline constexpr int kDtHotHeatrateAdjust2 = 74;
inline constexpr int kDtColdHeatrateAdjust2 = 75;
inline constexpr int kHeadCheckPatternPrint = 76;
inline constexpr int kHeadCheckPatternWidth = 77;
inline constexpr int kSnmp = 78;
inline constexpr int kHtml = 79;
inline constexpr int kType1Mode = 80;
inline constexpr int kRfidAntennaPosition = 81;
inline constexpr int kRfidReverseMediaLength = 82;
inline constexpr int kRfidCalibExecuted = 83;
inline constexpr int kRfidCalibPositionOffset = 84;
inline constexpr int kRfidCalibPower = 85;
}  // namespace entry

constexpr bool ReadsKeyword(const SlotInfo& row, std::wstring_view keyword) {
  if (keyword.empty()) return false;
  switch (row.read) {
    case ReadBy::Keyword: return row.keyword == keyword;
    case ReadBy::SecondKeyword: return row.secondKeyword == keyword;
    case ReadBy::BothKeywords: return row.keyword == keyword || row.secondKeyword == keyword;
    case ReadBy::None: return false;
  }
  return false;
}

// The slot that a listing line with this keyword fills, or -1.
constexpr int FindReadSlot(std::wstring_view keyword) {
  for (int i = 0; i < kSlotCount; ++i) {
    if (ReadsKeyword(kSlotCatalogue[static_cast<size_t>(i)], keyword)) return i;
  }
  return -1;
}

// The first script entry written under this keyword, or -1.
constexpr int FindScriptEntry(std::wstring_view keyword) {
  for (int i = 0; i < kScriptEntryCount; ++i) {
    if (kSlotCatalogue[static_cast<size_t>(i)].keyword == keyword) return i;
  }
  return -1;
}

constexpr bool IsScriptEntry(int slot) { return slot >= 0 && slot < kScriptEntryCount; }

}  // namespace vostrel
