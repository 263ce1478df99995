#pragma once
// The words of the main window's status strip, in the current language: the
// link, the time a wait took or has left, and how a command ended.

#include <string>
#include <string_view>

#include "i18n/result_codes.h"
#include "operations/command_host.h"
#include "prefs/preferences.h"

namespace vostrel {

// The link of `prefs`: "TCP 192.168.0.50:9100", "COM3 19200 7 2 O H",
// "USB001", or a printer queue with `queuePort` (the port it stands on, as
// the main window describes it): "queue Office-VX (USB001)".
std::wstring LinkInWords(const PreferencesRecord& prefs, std::wstring_view queuePort);

// "12 s" below a minute, "1 min 40 s" from a minute on.
std::wstring DurationInWords(int seconds);

// "Failed: code 30 Open port error": the code and the text of its message
// on one line, without the closing full stop.
std::wstring FailureInWords(ResultCode code);

// What a command did: "Sent 12 settings to `link` at `timeOfDay`",
// "Exported to D:\cfg\line3.prn", "Self test sent"...
std::wstring DoneInWords(const CommandDone& done, std::wstring_view link, std::wstring_view timeOfDay);

}  // namespace vostrel
