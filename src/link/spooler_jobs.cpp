#include "link/spooler_jobs.h"

#include <memory>

#include "platform/unique_handle.h"

namespace vostrel {
namespace {

// A function of the table when the library does not load: it fails as the
// spooler fails, with nothing done.
template <typename Fn>
struct Unavailable;
template <typename R, typename... Args>
struct Unavailable<R (*)(Args...)> {
  static R Call(Args...) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return R{};
  }
};

template <typename Fn>
void LookUp(HMODULE library, const char* name, Fn& target) {
  FARPROC found = library != nullptr ? ::GetProcAddress(library, name) : nullptr;
  target = found != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(found)) : &Unavailable<Fn>::Call;
}

SpoolerLibrary LoadSpooler() {
  // Loaded for the rest of the process, like a library the program imports.
  const HMODULE library = ::LoadLibraryW(L"winspool.drv");
  SpoolerLibrary spooler{};
  LookUp(library, "OpenPrinterW", spooler.jobs.openPrinter);
  LookUp(library, "StartDocPrinterW", spooler.jobs.startDocPrinter);
  LookUp(library, "StartPagePrinter", spooler.jobs.startPagePrinter);
  LookUp(library, "WritePrinter", spooler.jobs.writePrinter);
  LookUp(library, "EndPagePrinter", spooler.jobs.endPagePrinter);
  LookUp(library, "EndDocPrinter", spooler.jobs.endDocPrinter);
  LookUp(library, "ClosePrinter", spooler.jobs.closePrinter);
  LookUp(library, "EnumPrintersW", spooler.jobs.enumPrinters);
  LookUp(library, "DocumentPropertiesW", spooler.documentProperties);
  LookUp(library, "SetPrinterW", spooler.setPrinter);
  LookUp(library, "GetPrinterW", spooler.getPrinter);
  LookUp(library, "EnumPortsW", spooler.jobs.enumPorts);
  LookUp(library, "GetDefaultPrinterW", spooler.getDefaultPrinter);
  return spooler;
}

// An open queue, closed again through the table.
class OpenQueue {
 public:
  OpenQueue() = default;
  ~OpenQueue() {
    if (printer_ != nullptr) Spooler().jobs.closePrinter(printer_);
  }
  OpenQueue(const OpenQueue&) = delete;
  OpenQueue& operator=(const OpenQueue&) = delete;
  HANDLE* put() { return &printer_; }
  HANDLE get() const { return printer_; }

 private:
  HANDLE printer_ = nullptr;
};

struct HeapFree {
  void operator()(void* block) const { ::HeapFree(::GetProcessHeap(), 0, block); }
};
using HeapBlock = std::unique_ptr<BYTE, HeapFree>;

// The local queues with their level-2 records, in a zero-filled block of the
// process heap. The size is asked first; if a queue was added in between and
// the block turns out too small, it is asked again.
struct QueueList {
  HeapBlock block;
  DWORD count = 0;
  PRINTER_INFO_2W* records() const { return reinterpret_cast<PRINTER_INFO_2W*>(block.get()); }
};

QueueList ListLocalQueues() {
  QueueList list;
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD needed = 0;
    DWORD returned = 0;
    Spooler().jobs.enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned);
    if (needed == 0) return list;
    HeapBlock block(static_cast<BYTE*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, needed)));
    if (!block) return list;
    if (Spooler().jobs.enumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, block.get(), needed, &needed, &returned)) {
      list.block = std::move(block);
      list.count = returned;
      return list;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return list;
  }
  return list;
}

// Opens a queue with full access, brings the record's device mode up to date
// and writes the record back with `port` as its port.
enum class MoveResult { kNotOpened, kDeviceModeFailed, kMoved };

MoveResult MoveQueue(PRINTER_INFO_2W& record, const std::wstring& port) {
  PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  const SpoolerLibrary& spooler = Spooler();
  OpenQueue printer;
  if (!spooler.jobs.openPrinter(record.pPrinterName, printer.put(), &access)) return MoveResult::kNotOpened;
  // A queue without a device mode has nothing to refresh.
  if (record.pDevMode != nullptr && spooler.documentProperties(nullptr, printer.get(), record.pPrinterName,
                                                               record.pDevMode, record.pDevMode, DM_OUT_BUFFER) < 0) {
    return MoveResult::kDeviceModeFailed;
  }
  std::wstring portText = port;
  LPWSTR previous = record.pPortName;
  record.pPortName = portText.data();
  spooler.setPrinter(printer.get(), 2, reinterpret_cast<BYTE*>(&record), 0);
  record.pPortName = previous;
  return MoveResult::kMoved;
}

bool Equals(const wchar_t* text, std::wstring_view expected) {
  return text != nullptr && std::wstring_view(text) == expected;
}

}  // namespace

const SpoolerLibrary& Spooler() {
  static const SpoolerLibrary spooler = LoadSpooler();
  return spooler;
}

const SpoolerCalls& SystemSpooler() { return Spooler().jobs; }

std::int32_t SendRawJob(std::wstring_view queue, const char* bytes, std::uint32_t count, std::uint32_t& written,
                        const SpoolerCalls& calls) {
  written = 0;
  std::wstring name(queue);
  HANDLE printer = nullptr;
  if (!calls.openPrinter(name.data(), &printer, nullptr)) return kRawJobQueueNotOpened;

  wchar_t docName[] = L"My Document";
  wchar_t dataType[] = L"RAW";
  DOC_INFO_1W doc{docName, nullptr, dataType};
  if (calls.startDocPrinter(printer, 1, reinterpret_cast<BYTE*>(&doc)) == 0) {
    calls.closePrinter(printer);
    return kRawJobFailed;
  }
  if (!calls.startPagePrinter(printer)) {
    calls.endDocPrinter(printer);
    calls.closePrinter(printer);
    return kRawJobFailed;
  }
  DWORD taken = 0;
  if (!calls.writePrinter(printer, const_cast<char*>(bytes), count, &taken)) {
    written = taken;
    calls.endPagePrinter(printer);
    calls.endDocPrinter(printer);
    calls.closePrinter(printer);
    return kRawJobFailed;
  }
  written = taken;
  if (!calls.endPagePrinter(printer)) {
    calls.endDocPrinter(printer);
    calls.closePrinter(printer);
    return kRawJobFailed;
  }
  if (!calls.endDocPrinter(printer)) {
    calls.closePrinter(printer);
    return kRawJobFailed;
  }
  calls.closePrinter(printer);
  return written == count ? kRawJobDone : kRawJobFailed;
}

void ParkQueues(std::wstring_view comPort, std::vector<std::wstring>& parked) {
  QueueList list = ListLocalQueues();
  parked.clear();
  for (DWORD i = 0; i < list.count; ++i) {
    PRINTER_INFO_2W& record = list.records()[i];
    if (!Equals(record.pPortName, comPort) || record.pPrinterName == nullptr) continue;
    const MoveResult result = MoveQueue(record, kParkingPort);
    if (result == MoveResult::kDeviceModeFailed) break;
    if (result == MoveResult::kMoved) parked.emplace_back(record.pPrinterName);
  }
}

void RestoreQueues(std::wstring_view comPort, const std::vector<std::wstring>& parked) {
  QueueList list = ListLocalQueues();
  const std::wstring port(comPort);
  for (DWORD i = 0; i < list.count; ++i) {
    PRINTER_INFO_2W& record = list.records()[i];
    if (!Equals(record.pPortName, kParkingPort) || record.pPrinterName == nullptr) continue;
    for (const std::wstring& name : parked) {
      if (name != record.pPrinterName) continue;
      MoveQueue(record, port);
      break;
    }
  }
}

}  // namespace vostrel
