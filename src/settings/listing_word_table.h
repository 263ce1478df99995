#pragma once
// The word rows of the listing reader, in table order: settings whose value
// is one word from a fixed list. A word's number is the printer's; its choice
// is the index in the page's list. The conversion walks the rows in this
// order, which matters for the emulation rows (EMULATION SELECT before its
// fallback MACHINE EMULATION CODE).

#include <array>

#include "settings/listing_tables.h"

namespace vostrel::listing {

inline constexpr std::size_t kWordRowCount = 77;

// clang-format off
inline constexpr std::array<WordRow, kWordRowCount> kWordRows = {{
    /*  0 */ {L"CUTTER ACTION", {{W("BACKFEED", 1), W("THROUGH", 0)}}},
    /*  1 */ {L"FUNCTION SELECT", {{W("OFF", 0), W("TEAR", 1), W("PEEL ON", 2), W("CUT ON", 3), W("REWIND", 4, kRejected)}}},
    /*  2 */ {L"AUTOCONFIGURE", {{W("OFF", 0), W("ON", 1)}}},
    /*  3 */ {L"MODE/REPEAT KEY", {{W("LABEL SET", 0), W("LAST ONE", 1), W("DISABLED", 2)}}},
    /*  4 */ {L"MENU KEY ACTION", {{W("REPEAT SET", 0), W("REPEAT ONE", 1), W("ENTERS MENU", 2)}}},
    /*  5 */ {L"AUTOCAL MODE", {{W("OFF", 0), W("ON", 1)}}},
    /*  6 */ {L"DOUBLE HEAT MENU", {{W("OFF", 0), W("ON", 1)}}},
    /*  7 */ {L"IEEE1284", {{W("ON", 0), W("OFF", 1)}}},
    /*  8 */ {L"RS-232C BAUD", {{W("2400", 1, 0), W("4800", 2, 1), W("9600", 3, 2), W("19200", 5, 3), W("38400", 7, 4),
                                W("57600", 8, 5), W("115200", 9, 6)}}},
    /*  9 */ {L"RS-232C LENGTH", {{W("7 BITS", 0), W("8 BITS", 1)}}},
    /* 10 */ {L"RS-232C PARITY", {{W("NONE", 0), W("ODD", 1), W("EVEN", 2)}}},
    /* 11 */ {L"RS-232C STOP BIT", {{W("1 BIT", 0), W("2 BITS", 1)}}},
    /* 12 */ {L"RS-232C X-ON", {{W("NO", 0), W("YES", 1)}}},
    /* 13 */ {L"DOUBLE HEAT", {{W("OFF", 0), W("ON", 1)}}},
    /* 14 */ {L"MEDIA SENSOR", {{W("SEE THROUGH", 0), W("REFLECT", 1), W("NONE", 2)}}},
    /* 15 */ {L"PRINT METHOD", {{W("DT", 1), W("TT", 0)}}},
    /* 16 */ {L"PRINT SPEED", {{W("2 IPS", 0), W("3 IPS", 1), W("4 IPS", 2), W("5 IPS", 3), W("6 IPS", 4), W("7 IPS", 5),
                               W("8 IPS", 6), W("9 IPS", 7, kRejected), W("10 IPS", 8, kRejected)}}},
    /* 17 */ {L"SMALL MEDIA ADJUSTMENT", {{W("OFF", 0), W("ON", 1)}}},
    /* 18 */ {L"BUZZER SELECT", {{W("EXEC/ERROR", 0), W("ALL", 1), W("ERROR", 2), W("KEY", 3), W("NONE", 4),
                                 W("ON", 5, kRejected), W("OFF", 6, kRejected)}}},
    /* 19 */ {L"EMULATION SELECT", {{W("DM4", 1, 0), W("DMI", 2, 1), W("DPP", 3, 2)}}},
    /* 20 */ {L"CONTROL CODE", {{W("ALT", 0), W("STD", 1), W("ALT-2", 2)}}},
    /* 21 */ {L"METRIC/INCH", {{W("MM", 0), W("INCH", 1)}}},
    /* 22 */ {L"SETTINGS LOCK", {{W("OFF", 0), W("ON", 1)}}},
    /* 23 */ {L"CI LOCK", {{W("OFF", 0), W("ON", 1)}}},
    /* 24 */ {L"MACHINE EMULATION CODE", {{W("CODE_TELMARO", 0, kLeaveSlot), W("CODE_ZEBRA", 1, 0),
                                          W("CODE_EPL", 2, kLeaveSlot)}}, true},
    /* 25 */ {L"RIBBON END DETECTION", {{W("QUICK", 0, 0, kRejected), W("NORMAL", 1, 1, 0), W("SLOW", 2, 0, 1)}}},
    /* 26 */ {L"POWERON HEAD CHECK", {{W("ON", 0), W("OFF", 1)}}},
    /* 27 */ {L"PARALLEL ERROR OUTPUT", {{W("ON", 0), W("OFF", 1)}}},
    /* 28 */ {L"SENSOR SELECT", {{W("FRONT FIXED SENSOR", 0), W("REAR ADJ SENSOR", 1)}}},
    /* 29 */ {L"COVER OPEN SENSOR", {{W("OFF", 0), W("ON", 1)}}},
    /* 30 */ {L"GLOBAL CONFIG", {{W("CONFIG SET 1", 0), W("CONFIG SET 2", 1), W("CONFIG SET 3", 2)}}},
    /* 31 */ {L"MEDIA POWER UP", {{W("OFF", 0), W("ON", 1)}}},
    /* 32 */ {L"USB DEVICE CLASS", {{W("PRINTER", 0), W("VCOM", 1)}}},
    /* 33 */ {L"USB VCOM PROTOCOL", {{W("AUTO", 0), W("DTR", 1), W("X-ON", 2)}}},
    /* 34 */ {L"REWINDER AUTO ONLINE", {{W("OFF", 0), W("ON", 1)}}},
    /* 35 */ {L"EMULATION AUTO DETECT", {{W("ON", 0), W("OFF", 1), W("FULL AUTO", 2)}}},
    /* 36 */ {L"TOP FORM SENSING", {{W("ON", 0), W("OFF", 1)}}},
    /* 37 */ {L"CUTTER TYPE", {{W("STANDARD", 0), W("HEAVYDUTY", 1)}}},
    /* 38 */ {L"ERROR REPORTING", {{W("ON PRINTING", 0), W("IMMEDIATE", 1)}}},
    /* 39 */ {L"USB SERIAL NUMBER", {{W("OFF", 0), W("ON", 1)}}},
    /* 40 */ {L"AUTO EXEC PRINT", {{W("ON", 0), W("OFF", 1)}}},
    /* 41 */ {L"DARKNESS RATE", {{W("HIGH", 0), W("LOW", 1)}}},
    /* 42 */ {L"CONFIG PRINT LAYOUT", {{W("STANDARD", 0), W("REVERSED", 1)}}},
    /* 43 */ {L"WEB MONITOR", {{W("AUTO", 0), W("ON", 1), W("OFF", 2)}}},
    /* 44 */ {L"BOOTP", {{W("OFF", 0), W("ON", 1)}}},
    /* 45 */ {L"DHCP", {{W("OFF", 0), W("ON", 1)}}},
    /* 46 */ {L"WLAN MODE", {{W("INFRASTRUCTURE", 0), W("AUTO", 1), W("AD-HOC", 2)}}},
    /* 47 */ {L"WLAN ENCRYPTION", {{W("NONE", 0), W("WEP", 1), W("WEP(SHARED KEY)", 2), W("WPA(TKIP)", 3),
                                   W("WPA(AES)", 4), W("WPA2(TKIP)", 5), W("WPA2(AES)", 6), W("WPA(AES/TKIP)", 7),
                                   W("WPA2(AES/TKIP)", 8), W("WPA-AUTO", 9)}}},
    /* 48 */ {L"WLAN WEP KEY ID", {{W("KEY 1", 0), W("KEY 2", 1), W("KEY 3", 2), W("KEY 4", 3)}}},
    /* 49 */ {L"EAP AUTHENTICATION", {{W("OPEN SYSTEM", 0), W("SHARED KEY", 1), W("EAP-MD5", 2), W("EAP-TLS", 3),
                                      W("EAP-TTLS", 4), W("EAP-PEAP", 5), W("EAP-FAST", 6)}}},
    /* 50 */ {L"EAP PEAP/FAST OPTION", {{W("NONE", 0), W("PEAP LABEL0", 1), W("PEAP LABEL1", 2), W("PEAP V0", 3),
                                        W("PEAP V1", 4), W("FAST INLINE PROVISIONING", 5)}}},
    /* 51 */ {L"EAP INNER AUTHENTICATION", {{W("NONE", 0), W("MSCHAP", 1), W("MSCHAPv2", 2), W("PAP", 3), W("CHAP", 4),
                                            W("EAP-MD5", 5), W("EAP-MSCHAP", 6), W("EAP-MSCHAPv2", 7), W("EAP-TLS", 8)}}},
    /* 52 */ {L"PRINT PREFERENCE", {{W("DARKNESS", 0), W("SPEED", 1)}}},
    /* 53 */ {L"TOP FORM SENSOR", {{W("OFF", 0), W("ON", 1)}}},
    /* 54 */ {L"FIX REFLECT SENSITIVITY", {{W("LOW", 0), W("MEDIUM", 1), W("HIGH", 2)}}},
    /* 55 */ {L"STANDBY MODE", {{W("OFF", 0), W("ON", 1)}}},
    /* 56 */ {L"RIBBON WINDING DIRECTION", {{W("OUTSIDE", 0), W("INSIDE", 1)}}},
    /* 57 */ {L"SEETHROUGH SENSITIVITY", {{W("LOW", 0), W("MEDIUM", 1), W("HIGH", 2)}}},
    /* 58 */ {L"REFLECT SENSITIVITY", {{W("LOW", 0), W("MEDIUM", 1), W("HIGH", 2)}}},
    /* 59 */ {L"PAPER NEAR END STATUS", {{W("OFF", 0), W("ON", 1)}}},
    /* 60 */ {L"PAPER NEAR END ALARM", {{W("OFF", 0), W("ON", 1)}}},
    /* 61 */ {L"USB 2 HIGH SPEED", {{W("OFF", 0), W("ON", 1)}}},
    /* 62 */ {L"IPV4 DHCP", {{W("OFF", 0), W("ON", 1)}}},
    /* 63 */ {L"TIMEOUT ACTION", {{W("CLOSE ALL", 0), W("MOVE NEXT", 1)}}},
    /* 64 */ {L"SEND BUFFER DATA", {{W("DISABLE", 0), W("ENABLE", 1)}}},
    /* 65 */ {L"IPV6", {{W("OFF", 0), W("ON", 1)}}},
    /* 66 */ {L"IPV6 FIXED ADDRESS", {{W("OFF", 0), W("ON", 1)}}},
    /* 67 */ {L"FEED KEY ACTION", {{W("REPEAT SET", 0), W("REPEAT ONE", 1), W("FEEDS MEDIA", 2)}}},
    /* 68 */ {L"HEAD CHECK PATTERN PRINT", {{W("OFF", 0), W("ON", 1)}}},
    /* 69 */ {L"BT SECURITY", {{W("MIDDLE", 0), W("HIGH", 1)}}},
    /* 70 */ {L"BT CONNECTION", {{W("ALL DEVICES", 0), W("PAIR ONLY", 1)}}},
    /* 71 */ {L"BT DISCOVERABLE", {{W("ON", 0), W("OFF", 1)}}},
    /* 72 */ {L"BT IOS RECONNECT", {{W("ON", 0), W("OFF", 1)}}},
    /* 73 */ {L"SNMP", {{W("ON", 0), W("OFF", 1)}}},
    /* 74 */ {L"HTML", {{W("ON", 0), W("OFF", 1)}}},
    /* 75 */ {L"TYPE 1 MODE", {{W("ON", 0), W("OFF", 1)}}},
    /* 76 */ {L"RFID SETTINGS", {{W("AUTO", 0), W("FIXED", 1)}}},
}};
// clang-format on

inline constexpr auto kWordRowSlots = SlotsOf(kWordRows);
inline constexpr int kFunctionSelectRow = FindRow(kWordRows, L"FUNCTION SELECT");

}  // namespace vostrel::listing
