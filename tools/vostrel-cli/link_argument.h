#pragma once
// The --link argument of the printer commands, turned into the preferences
// record the printer link reads:
//   net:HOST[:PORT]                          TCP, port 9100 when none is given
//   com:NAME[@BAUD,DATA,PARITY,STOP,FLOW]    a COM port, e.g. com:COM5:@9600,8,N,1,X
//   usb:NAME                                 a USB printer port, e.g. usb:USB001
//   queue:NAME                               a printer queue (raw jobs only)
// The serial parameters default to the preferences record's; PARITY is N, O
// or E, STOP 1, 1.5 or 2, FLOW X (Xon/Xoff), H (hardware) or N (none).

#include <string>
#include <string_view>

#include "prefs/preferences.h"

namespace vostrel::cli {

// Fills `prefs` (starting from the record's defaults) from `text`; on failure
// returns false with the reason in `problem`.
bool ParseLinkArgument(std::wstring_view text, PreferencesRecord& prefs, std::wstring& problem);

}  // namespace vostrel::cli
