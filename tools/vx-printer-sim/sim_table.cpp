#include "sim_table.h"

#include <array>

namespace vostrel::sim {
namespace {

using namespace row_flag;

constexpr SettingRow Word(std::string_view keyword, std::string_view words, std::string_view initial,
                          Group group = Group::Base, std::uint16_t flags = 0) {
  return {.keyword = keyword,
          .kind = ValueKind::Word,
          .group = group,
          .words = words,
          .initial = {initial, initial},
          .flags = flags};
}

// A word row whose accepted words differ between the models.
constexpr SettingRow ModelWord(std::string_view keyword, std::string_view words, std::uint32_t mask120,
                               std::uint32_t mask135, std::string_view initial120, std::string_view initial135) {
  return {.keyword = keyword,
          .kind = ValueKind::Word,
          .words = words,
          .wordMask = {mask120, mask135},
          .initial = {initial120, initial135}};
}

constexpr SettingRow Number(ValueKind kind, std::string_view keyword, std::int32_t lo, std::int32_t hi,
                            std::string_view initial, std::string_view unit = {}, Group group = Group::Base,
                            std::uint16_t flags = 0) {
  return {.keyword = keyword,
          .kind = kind,
          .group = group,
          .lo = lo,
          .hi = {hi, hi},
          .unit = unit,
          .initial = {initial, initial},
          .flags = flags};
}

constexpr SettingRow Whole(std::string_view keyword, std::int32_t lo, std::int32_t hi, std::string_view initial,
                           std::string_view unit = {}, Group group = Group::Base) {
  return Number(ValueKind::Whole, keyword, lo, hi, initial, unit, group);
}

constexpr SettingRow Tenths(std::string_view keyword, std::int32_t lo, std::int32_t hi, std::string_view initial,
                            std::string_view unit = {}, std::uint16_t flags = 0) {
  return Number(ValueKind::Tenths, keyword, lo, hi, initial, unit, Group::Base, flags);
}

// A level of 0.01 V to 3.30 V.
constexpr SettingRow Level(std::string_view keyword, std::string_view initial) {
  return Number(ValueKind::Hundredths, keyword, 1, 330, initial, "V");
}

constexpr SettingRow Length(std::string_view keyword, std::int32_t loMm, std::int32_t hiMm, std::int32_t loInch,
                            std::int32_t hiInch, std::string_view initial, Group group = Group::Base,
                            std::uint16_t flags = 0) {
  return {.keyword = keyword,
          .kind = ValueKind::Length,
          .group = group,
          .lo = loMm,
          .hi = {hiMm, hiMm},
          .loInch = loInch,
          .hiInch = hiInch,
          .initial = {initial, initial},
          .flags = flags};
}

// A dot count whose range follows the print head: 203 dpi on the first model,
// 300 dpi on the second.
constexpr SettingRow Dots(ValueKind kind, std::string_view keyword, std::int32_t hi203, std::int32_t hi300,
                          std::string_view initial120, std::string_view initial135, std::string_view unit) {
  return {.keyword = keyword,
          .kind = kind,
          .lo = 1,
          .hi = {hi203, hi300},
          .unit = unit,
          .initial = {initial120, initial135}};
}

constexpr SettingRow Text(std::string_view keyword, std::int32_t lo, std::int32_t hi, std::string_view initial120,
                          std::string_view initial135, Group group = Group::Base, std::uint16_t flags = 0) {
  return {.keyword = keyword,
          .kind = ValueKind::Text,
          .group = group,
          .lo = lo,
          .hi = {hi, hi},
          .initial = {initial120, initial135},
          .flags = flags};
}

constexpr SettingRow Other(ValueKind kind, std::string_view keyword, std::string_view initial,
                           Group group = Group::Base) {
  return {.keyword = keyword, .kind = kind, .group = group, .hi = {40, 40}, .initial = {initial, initial}};
}

constexpr std::string_view kOffOn = "OFF|ON";
constexpr std::string_view kOnOff = "ON|OFF";
constexpr std::string_view kLowMediumHigh = "LOW|MEDIUM|HIGH";
constexpr std::string_view kZeroIpv6 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

constexpr auto kRows = std::to_array<SettingRow>({
    // Print and media.
    ModelWord("PRINT SPEED", "2 IPS|3 IPS|4 IPS|5 IPS|6 IPS|7 IPS|8 IPS|9 IPS|10 IPS", 0x7F, 0x1F, "6 IPS", "4 IPS"),
    Whole("PRINT DARKNESS", 0, 30, "10"),
    Word("PRINT METHOD", "TT|DT", "TT"),
    Length("CONTINUOUS MEDIA LENGTH", 64, 25397, 25, 9999, "100.0\tMM"),
    Word("MEDIA SENSOR", "SEE THROUGH|REFLECT|NONE", "SEE THROUGH"),
    Tenths("SENSOR LEVEL", 0, 33, "1.5", "V"),
    Level("PAPER END LEVEL", "0.50"),
    // Network.
    Other(ValueKind::Ipv4, "IPV4 ADDRESS", "192,168,10,21"),
    Other(ValueKind::Ipv4, "IPV4 SUBNET MASK", "255,255,255,0"),
    Other(ValueKind::Ipv4, "IPV4 GATEWAY", "192,168,10,1"),
    Word("IPV4 DHCP", kOffOn, "OFF"),
    Text("HOST NAME", 0, 31, "VX120ZKQ", "VX135ZKQ"),
    Whole("PORT NUMBER", 9000, 9999, "9100"),
    Whole("TIMEOUT", 0, 300, "300", "SEC"),
    Word("TIMEOUT ACTION", "CLOSE ALL|MOVE NEXT", "CLOSE ALL"),
    Word("SEND BUFFER DATA", "DISABLE|ENABLE", "DISABLE"),
    Word("IPV6", kOffOn, "OFF"),
    Word("IPV6 FIXED ADDRESS", kOffOn, "OFF"),
    Other(ValueKind::Ipv6, "IPV6 ADDRESS", kZeroIpv6),
    Whole("IPV6 PREFIX LENGTH", 1, 128, "64"),
    Other(ValueKind::Ipv6, "IPV6 GATEWAY", kZeroIpv6),
    // Serial interface.
    Word("RS-232C BAUD", "2400|4800|9600|19200|38400|57600|115200", "9600"),
    Word("RS-232C PARITY", "NONE|ODD|EVEN", "NONE"),
    Word("RS-232C LENGTH", "7 BITS|8 BITS", "8 BITS"),
    Word("RS-232C STOP BIT", "1 BIT|2 BITS", "1 BIT"),
    Word("RS-232C X-ON", "NO|YES", "NO"),
    // Sensors and mechanics.
    Whole("THROUGH SENSOR POSITION", -256, 256, "0", "DOTS"),
    Whole("REFLECT SENSOR POSITION", -256, 256, "0", "DOTS"),
    Number(ValueKind::Whole, "FIX REFLECT SENSOR POSITION", -256, 256, "0", "DOTS", Group::Base, kNotListed),
    Whole("ADJ THROUGH SENSOR POSITION", -256, 256, "0", "DOTS"),
    Whole("ADJ REFLECT SENSOR POSITION", -256, 256, "0", "DOTS"),
    Whole("MACH TEAR POS", -256, 256, "0", "DOTS"),
    Whole("MACH CUT POS", -256, 256, "0", "DOTS"),
    Whole("MACH PEEL POS", -256, 256, "0", "DOTS"),
    Whole("MACH HOR POS", -16, 32, "0", "DOTS"),
    Word("AUTOCAL MODE", kOffOn, "ON"),
    Tenths("SEE THROUGH SENSOR", 0, 33, "2.0", "V"),
    Tenths("REFLECT SENSOR", 0, 33, "1.5", "V"),
    Tenths("FIX REFLECT SENSOR", 0, 33, "1.5", "V", kNotListed),
    Tenths("ADJ THROUGH SENSOR", 0, 33, "2.0", "V"),
    Tenths("ADJ REFLECT SENSOR", 0, 33, "1.5", "V"),
    Word("SEETHROUGH SENSITIVITY", kLowMediumHigh, "MEDIUM"),
    Word("REFLECT SENSITIVITY", kLowMediumHigh, "MEDIUM"),
    Word("FIX REFLECT SENSITIVITY", kLowMediumHigh, "MEDIUM"),
    Level("FIX THROUGH CAL LEVEL", "1.20"),
    Level("FIX REFLECT CAL LEVEL", "0.80"),
    Level("FIX SENSNONE CAL LEVEL", "0.30"),
    Level("ADJ THROUGH CAL LEVEL", "1.25"),
    Level("ADJ REFLECT CAL LEVEL", "0.85"),
    Level("ADJ SENSNONE CAL LEVEL", "0.35"),
    // Print head.
    Word("DARKNESS RATE", "HIGH|LOW", "HIGH"),
    Word("DOUBLE HEAT MENU", kOffOn, "OFF", Group::Base, kNotListed),
    Word("DOUBLE HEAT", kOffOn, "OFF"),
    Tenths("TT HOT HEATRATE ADJUST", -10, 10, "0.0", "%"),
    Tenths("TT COLD HEATRATE ADJUST", -10, 10, "0.0", "%"),
    Tenths("DT HOT HEATRATE ADJUST", -10, 10, "0.0", "%"),
    Tenths("DT COLD HEATRATE ADJUST", -10, 10, "0.0", "%"),
    Word("POWERON HEAD CHECK", kOnOff, "OFF"),
    Dots(ValueKind::DotPosition, "HEAD CHECK START POS", 848, 1264, "DOT\t1", "DOT\t1", {}),
    Dots(ValueKind::DotPosition, "HEAD CHECK STOP POS", 848, 1264, "DOT\t832", "DOT\t1240", {}),
    ModelWord("RIBBON END DETECTION", "QUICK|NORMAL|SLOW", 0, 0b110, "NORMAL", "NORMAL"),
    Word("PARALLEL ERROR OUTPUT", kOnOff, "OFF"),
    Word("TOP FORM SENSING", kOnOff, "OFF"),
    Word("USB SERIAL NUMBER", kOffOn, "OFF"),
    Text("SERIAL NUMBER", 0, 32, "4A1203578", "5B1308642", Group::Base, kUpperCase),
    Word("AUTO EXEC PRINT", kOnOff, "OFF"),
    Word("CONFIG PRINT LAYOUT", "STANDARD|REVERSED", "STANDARD"),
    Number(ValueKind::Counter, "HEAD CLEAN MESSAGE", 0, 9999999, "0", "M"),
    Word("PRINT PREFERENCE", "DARKNESS|SPEED", "DARKNESS"),
    Tenths("TT HOT HEATRATE ADJUST 2", -10, 10, "0.0", "%"),
    Tenths("TT COLD HEATRATE ADJUST 2", -10, 10, "0.0", "%"),
    Tenths("DT HOT HEATRATE ADJUST 2", -10, 10, "0.0", "%"),
    Tenths("DT COLD HEATRATE ADJUST 2", -10, 10, "0.0", "%"),
    Word("HEAD CHECK PATTERN PRINT", kOffOn, "OFF"),
    Dots(ValueKind::Whole, "HEAD CHECK PATTERN WIDTH", 832, 1240, "832", "1240", "DOTS"),
    Word("SNMP", kOnOff, "ON"),
    Word("HTML", kOnOff, "ON"),
    Word("TYPE 1 MODE", kOnOff, "OFF"),
    // Settings the printer keeps without an editor in the program.
    Word("GLOBAL CONFIG", "CONFIG SET 1|CONFIG SET 2|CONFIG SET 3", "CONFIG SET 1"),
    Whole("DARKNESS ADJUST", -10, 10, "0"),
    Word("RIBBON WINDING DIRECTION", "OUTSIDE|INSIDE", "OUTSIDE"),
    Length("VERTICAL POSITION", -254, 254, -100, 100, "0.0\tMM"),
    Length("HORIZONTAL SHIFT", -254, 254, -100, 100, "0.0\tMM"),
    Length("VERTICAL IMAGE SHIFT", 0, 8128, 0, 3200, "0.0\tMM"),
    Whole("AUTO SIDE SHIFT", 0, 15, "0"),
    Word("SENSOR SELECT", "FRONT FIXED SENSOR|REAR ADJ SENSOR", "FRONT FIXED SENSOR"),
    Word("TOP FORM SENSOR", kOffOn, "OFF"),
    Length("TOP FORM LENGTH", 64, 1016, 25, 400, "25.4\tMM"),
    Word("SMALL MEDIA ADJUSTMENT", kOffOn, "OFF"),
    Length("SMALL MEDIA LENGTH", 64, 254, 25, 100, "12.7\tMM"),
    Other(ValueKind::SymbolSet, "SYMBOL SET", "PC"),
    Word("ERROR REPORTING", "ON PRINTING|IMMEDIATE", "ON PRINTING"),
    Word("COVER OPEN SENSOR", kOffOn, "ON"),
    {.keyword = "BUZZER SELECT",
     .kind = ValueKind::Word,
     .words = "EXEC/ERROR|ALL|ERROR|KEY|NONE|ON|OFF",
     .wordMask = {0x1F, 0x1F},
     .initial = {"EXEC/ERROR", "EXEC/ERROR"}},
    Word("METRIC/INCH", "MM|INCH", "MM"),
    Length("MAX MEDIA LENGTH", 254, 25397, 100, 9999, "1000.0\tMM"),
    Word("SETTINGS LOCK", kOffOn, "OFF"),
    Other(ValueKind::OnOff, "KEYBOARD LOCK", "OFF"),
    Word("STANDBY MODE", kOffOn, "OFF"),
    Whole("STANDBY TIMER", 1, 99, "10"),
    Word("PAPER NEAR END STATUS", kOffOn, "OFF"),
    Word("PAPER NEAR END ALARM", kOffOn, "OFF"),
    Word("CONTROL CODE", "ALT|STD|ALT-2", "STD"),
    Word("EMULATION SELECT", "DM4|DMI|DPP", "DMI"),
    Word("MACHINE EMULATION CODE", "CODE_TELMARO|CODE_ZEBRA|CODE_EPL", "CODE_TELMARO", Group::Base, kEmulationLine),
    Word("EMULATION AUTO DETECT", "ON|OFF|FULL AUTO", "OFF"),
    Word("MEDIA POWER UP", kOffOn, "OFF"),
    Word("CI LOCK", kOffOn, "OFF"),
    Word("AUTOCONFIGURE", kOffOn, "OFF"),
    {.keyword = "FUNCTION SELECT",
     .kind = ValueKind::Word,
     .words = "OFF|TEAR|PEEL ON|CUT ON|REWIND",
     .wordMask = {0xF, 0xF},
     .initial = {"TEAR", "TEAR"}},
    Length("PAPER POSITION", -254, 254, -100, 100, "0.0\tMM", Group::Base, kRangeByFunction),
    Word("CUTTER TYPE", "STANDARD|HEAVYDUTY", "STANDARD"),
    Word("CUTTER ACTION", "THROUGH|BACKFEED", "THROUGH"),
    Word("REWINDER AUTO ONLINE", kOffOn, "OFF"),
    Whole("REWINDER AUTO ONLINE DELAY", 1, 10, "3"),
    Whole("REWINDER TORQUE", 1, 7, "4"),
    Tenths("PEEL WAIT DELAY", 1, 20, "0.5"),
    Word("MODE/REPEAT KEY", "LABEL SET|LAST ONE|DISABLED", "LABEL SET"),
    Word("MENU KEY ACTION", "REPEAT SET|REPEAT ONE|ENTERS MENU", "ENTERS MENU"),
    Word("FEED KEY ACTION", "REPEAT SET|REPEAT ONE|FEEDS MEDIA", "FEEDS MEDIA"),
    Word("USB DEVICE CLASS", "PRINTER|VCOM", "PRINTER"),
    Word("USB VCOM PROTOCOL", "AUTO|DTR|X-ON", "AUTO"),
    Word("USB 2 HIGH SPEED", kOffOn, "ON"),
    Word("IEEE1284", kOnOff, "ON"),
    Word("WEB MONITOR", "AUTO|ON|OFF", "AUTO"),
    // Wireless LAN option.
    Other(ValueKind::Ipv4, "NETWORK ADDRESS", "192,168,20,21", Group::Wlan),
    Other(ValueKind::Ipv4, "SUBNET MASK", "255,255,255,0", Group::Wlan),
    Other(ValueKind::Ipv4, "GATEWAY ADDRESS", "192,168,20,1", Group::Wlan),
    Word("BOOTP", kOffOn, "OFF", Group::Wlan),
    Word("DHCP", kOffOn, "OFF", Group::Wlan),
    Word("WLAN MODE", "INFRASTRUCTURE|AUTO|AD-HOC", "INFRASTRUCTURE", Group::Wlan),
    Whole("WLAN CHANNEL", 1, 14, "11", {}, Group::Wlan),
    Text("WLAN SSID", 0, 32, "LABELNET", "LABELNET", Group::Wlan),
    Word("WLAN ENCRYPTION",
         "NONE|WEP|WEP(SHARED KEY)|WPA(TKIP)|WPA(AES)|WPA2(TKIP)|WPA2(AES)|WPA(AES/TKIP)|WPA2(AES/TKIP)|WPA-AUTO",
         "WPA2(AES)", Group::Wlan),
    Word("WLAN WEP KEY ID", "KEY 1|KEY 2|KEY 3|KEY 4", "KEY 1", Group::Wlan),
    Text("WLAN WEP KEY 1", 0, 28, "0000000000", "0000000000", Group::Wlan),
    Text("WLAN WEP KEY 2", 0, 28, "0000000000", "0000000000", Group::Wlan),
    Text("WLAN WEP KEY 3", 0, 28, "0000000000", "0000000000", Group::Wlan),
    Text("WLAN WEP KEY 4", 0, 28, "0000000000", "0000000000", Group::Wlan),
    Text("WLAN PSK", 0, 63, "labelnet-key", "labelnet-key", Group::Wlan, kAnyCharacter),
    Word("EAP AUTHENTICATION", "OPEN SYSTEM|SHARED KEY|EAP-MD5|EAP-TLS|EAP-TTLS|EAP-PEAP|EAP-FAST", "OPEN SYSTEM",
         Group::Wlan),
    Text("EAP USER NAME", 0, 64, "user", "user", Group::Wlan),
    Text("EAP PASSWORD", 0, 64, "password", "password", Group::Wlan),
    Word("EAP PEAP/FAST OPTION", "NONE|PEAP LABEL0|PEAP LABEL1|PEAP V0|PEAP V1|FAST INLINE PROVISIONING", "NONE",
         Group::Wlan),
    Word("EAP INNER AUTHENTICATION", "NONE|MSCHAP|MSCHAPv2|PAP|CHAP|EAP-MD5|EAP-MSCHAP|EAP-MSCHAPv2|EAP-TLS", "NONE",
         Group::Wlan),
    Text("EAP ANONYMOUS NAME", 0, 64, "anonymous", "anonymous", Group::Wlan),
    // Bluetooth option.
    Word("BT SECURITY", "MIDDLE|HIGH", "MIDDLE", Group::Bluetooth),
    Word("BT CONNECTION", "ALL DEVICES|PAIR ONLY", "ALL DEVICES", Group::Bluetooth),
    Word("BT DISCOVERABLE", kOnOff, "ON", Group::Bluetooth),
    Word("BT IOS RECONNECT", kOnOff, "ON", Group::Bluetooth),
    Text("BT PIN CODE", 4, 16, "0000", "0000", Group::Bluetooth, kNoCommaNoLead),
    Text("BT DEVICE NAME", 1, 31, "VX120ZKQ-BT", "VX135ZKQ-BT", Group::Bluetooth, kNoCommaNoLead),
    // RFID option: its section opens with the RFID SETTINGS line.
    Word("RFID SETTINGS", "AUTO|FIXED", "AUTO", Group::Rfid, kSectionHead),
    Length("RFID CALIB BASE POSITION", 0, 2540, 0, 1000, "0.0\tMM", Group::Rfid),
    Length("RFID FIXED POSITION", 0, 2540, 0, 1000, "0.0\tMM", Group::Rfid),
    Number(ValueKind::Power, "RFID FIXED POWER", 0, 10000, "18 DBM", {}, Group::Rfid),
    Length("RFID NG MARK POSITION", 30, 2540, 12, 1000, "3.0\tMM", Group::Rfid),
    Length("RFID NG MARK WIDTH", 100, 2540, 39, 1000, "10.0\tMM", Group::Rfid),
    Length("RFID NG MARK HEIGHT", 100, 2540, 39, 1000, "10.0\tMM", Group::Rfid),
    Length("RFID NG MARK THICKNESS", 10, 100, 4, 39, "1.0\tMM", Group::Rfid),
    Length("RFID ANTENNA POSITION", 0, 2540, 0, 1000, "0.0\tMM", Group::Rfid),
    Length("RFID REVERSE MEDIA LENGTH", 0, 2540, 0, 1000, "0.0\tMM", Group::Rfid),
    Other(ValueKind::Raw, "RFID CALIB EXECUTED", "NO", Group::Rfid),
    Other(ValueKind::Raw, "RFID CALIB POSITION OFFSET", "+0.0\tMM", Group::Rfid),
    Other(ValueKind::Raw, "RFID CALIB POWER", "18", Group::Rfid),
});

constexpr auto kSymbolSets = std::to_array<std::string_view>({
    "CP", "CU", "DN", "DT", "E1", "E2", "E5", "E6", "E7", "E9", "EH", "ER", "FR", "GR", "H0", "H8", "IT", "LG",
    "M8", "MC", "MS", "P9", "PB", "PC", "PD", "PE", "PG", "PH", "PI", "PM", "PR", "PT", "PU", "PV", "PY", "R8",
    "R9", "SP", "SW", "SY", "TS", "UK", "US", "VI", "VM", "VU", "W1", "WD", "WE", "WG", "WH", "WL", "WO", "WR",
    "WT", "u1", "EU", "GB", "JS", "SJ", "UC", "KS", "ZA", "ZB", "ZC", "ZD", "ZE", "ZF", "ZG", "ZH", "ZI", "ZJ",
    "ZK", "ZL", "ZM", "ZN", "ZO", "ZP", "ZQ", "ZR", "ZS", "ZT", "ZU", "ZV", "ZW", "ZX", "ZY", "ZZ",
});

}  // namespace

std::span<const SettingRow> SettingRows() { return kRows; }

int FindRow(std::string_view keyword) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (kRows[i].keyword == keyword) return static_cast<int>(i);
  }
  return -1;
}

std::span<const std::string_view> SymbolSetCodes() { return kSymbolSets; }

}  // namespace vostrel::sim
