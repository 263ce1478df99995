#pragma once
// Receive (IDC_MAIN_RECEIVE): on the Information tab the printer's serial number
// and counters, elsewhere its configuration listing, read into the store and
// shown on the pages. A printer queue is only written to, so a queue on a
// COM, USB or TCP/IP port is switched to that port for the command and back
// afterwards.

#include "operations/command_host.h"

namespace vostrel {

void ReceiveConfiguration(const CommandHost& host);

}  // namespace vostrel
