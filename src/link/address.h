#pragma once
// The port names that choose between the COM and the USB procedure.

#include <cstdint>
#include <string_view>

#include "prefs/preferences.h"

namespace vostrel {

// 2 (COM) for names beginning with "COM" or "TELMARO COM", 3 (USB) for names
// beginning with "USB", otherwise 0. Case-sensitive.
PortKind ClassifyPortName(std::wstring_view portName);

}  // namespace vostrel
