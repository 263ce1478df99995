#pragma once
// The print action of the Print Test tab: the printer's self test or a
// sample print in the command language its listing names, or a file sent to
// the printer unchanged.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "operations/command_flow.h"
#include "operations/command_host.h"
#include "operations/printer_exchange.h"

namespace vostrel {

// The pieces a file goes out in, each one write.
inline constexpr std::uint32_t kPrintFilePiece = 1024;

// IDC_MAIN_PRINT_ACTION (the Print page's Execute) and IDC_MAIN_SEND on the Print Test tab.
void RunPrintAction(const CommandHost& host);

// The Send File choice: the path of the Print page (or, when it is empty,
// one chosen in the file dialog) sent in pieces.
void SendPrintFile(const CommandHost& host);

// Switches from a queue to its port and opens the link with Normal timeouts;
// false after code 30 has been shown (the link closed, the queue chosen
// again).
bool OpenForPrint(const CommandContext& context, DirectPortScope& direct, PrinterExchange::Session& session);

// Sends the file `file` of `length` bytes through `write`, a piece of at
// most kPrintFilePiece bytes at a time, until all went or a read gives
// nothing; the status of the first write that failed, else kLinkOk.
LinkStatus SendPieces(HANDLE file, std::uint64_t length, const std::function<LinkStatus(std::string_view)>& write);

// Writes `bytes` on the open link: kLinkOk, or the status of a write that
// failed or left bytes behind.
LinkStatus WritePlain(PrinterExchange::Session& session, std::string_view bytes);

}  // namespace vostrel
