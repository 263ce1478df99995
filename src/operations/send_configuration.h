#pragma once
// Send Configuration (IDC_MAIN_SEND on the Easy and Standard tabs): the ticked
// Standard rows (on the Easy tab: exactly what the Easy page shows) checked
// into a script, a question, and the script written to the printer (to a
// printer queue as one raw job). Nothing is read back.

#include "operations/command_host.h"

namespace vostrel {

void SendConfiguration(const CommandHost& host);

}  // namespace vostrel
