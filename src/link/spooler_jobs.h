#pragma once
// What the printer link takes from the print spooler: a raw print job to a
// queue (the only way anything is written to a printer queue), and parking the
// queues of a COM port on "FILE:" while the program holds that port itself.
// Nothing here keeps state but the table of the spooler's functions: the
// caller holds the list of parked queues. Never call the spooler's functions
// directly: that would load its library at the start of every run.

#include <windows.h>
#include <winspool.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

// The spooler calls a raw job makes, one pointer each, so that a test can
// stand in for a spooler that fails at a given step or takes fewer bytes;
// port discovery lists queues and ports through the same table.
struct SpoolerCalls {
  decltype(&::OpenPrinterW) openPrinter;
  decltype(&::StartDocPrinterW) startDocPrinter;
  decltype(&::StartPagePrinter) startPagePrinter;
  decltype(&::WritePrinter) writePrinter;
  decltype(&::EndPagePrinter) endPagePrinter;
  decltype(&::EndDocPrinter) endDocPrinter;
  decltype(&::ClosePrinter) closePrinter;
  decltype(&::EnumPrintersW) enumPrinters;
  decltype(&::EnumPortsW) enumPorts;
};

// Every function the program takes from the spooler library. The library is
// loaded, and the table filled, when a command first needs it: the commands
// that never print through a queue nor park one do not pay for loading it.
// Should it not load, every call fails as a spooler without queues would.
struct SpoolerLibrary {
  SpoolerCalls jobs;
  decltype(&::DocumentPropertiesW) documentProperties;
  decltype(&::SetPrinterW) setPrinter;
  decltype(&::GetPrinterW) getPrinter;
  decltype(&::GetDefaultPrinterW) getDefaultPrinter;
};
const SpoolerLibrary& Spooler();

// The system's spooler, for raw jobs and the lists of queues and ports.
const SpoolerCalls& SystemSpooler();

// Status numbers of a raw job (the same numbers as the link's).
inline constexpr std::int32_t kRawJobDone = 0;
inline constexpr std::int32_t kRawJobQueueNotOpened = 110;
inline constexpr std::int32_t kRawJobFailed = 29;

// Hands `count` bytes to `queue` as one raw job named "My Document". Returns
// 0 when the spooler took every byte, 110 when the queue does not open and 29
// when any later step fails or fewer bytes were taken; `written` receives
// what the spooler reported. Every page, document and queue it started or
// opened is ended and closed again, whatever failed.
std::int32_t SendRawJob(std::wstring_view queue, const char* bytes, std::uint32_t count, std::uint32_t& written,
                        const SpoolerCalls& calls = SystemSpooler());

// The port every parked queue is moved to.
inline constexpr wchar_t kParkingPort[] = L"FILE:";

// Moves every local queue whose port is exactly `comPort` (e.g. "COM3:") to
// "FILE:" and lists their names in `parked` (emptied first). Stops at the
// first queue whose device mode cannot be refreshed; the queues parked before
// it stay listed.
void ParkQueues(std::wstring_view comPort, std::vector<std::wstring>& parked);

// Gives every queue now on "FILE:" whose name is in `parked` the port
// `comPort` back. A queue put on "FILE:" by the user is not listed and stays
// there. `parked` keeps its names.
void RestoreQueues(std::wstring_view comPort, const std::vector<std::wstring>& parked);

}  // namespace vostrel
