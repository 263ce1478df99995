#pragma once
// Fixtures of the link tests: registry keys and printer queues of a test's
// own, named after the process and a serial number so that tests running in
// parallel on one Wine prefix never meet, and removed when the test ends.

#include <windows.h>
#include <winspool.h>

#include <string>
#include <string_view>

#include "platform/unique_handle.h"
#include "support/file_bytes.h"

namespace vostrel::testing_support {

inline std::wstring UniqueSuffix() {
  static int serial = 0;
  return std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
}

// A key below HKEY_CURRENT_USER that stands in for a registry root; deleted
// with everything below it.
class TestRegistryRoot {
 public:
  TestRegistryRoot() : path_(L"Software\\VostrelLinkTests\\" + UniqueSuffix()) {
    ::RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
  }
  ~TestRegistryRoot() {
    if (key_ != nullptr) ::RegCloseKey(key_);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  TestRegistryRoot(const TestRegistryRoot&) = delete;
  TestRegistryRoot& operator=(const TestRegistryRoot&) = delete;

  HKEY key() const { return key_; }

  bool SetText(const std::wstring& subkey, const wchar_t* name, std::wstring_view value) const {
    HKEY k = Create(subkey);
    if (k == nullptr) return false;
    const std::wstring text(value);
    const LONG r = ::RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(k);
    return r == ERROR_SUCCESS;
  }
  bool SetDword(const std::wstring& subkey, const wchar_t* name, DWORD value) const {
    HKEY k = Create(subkey);
    if (k == nullptr) return false;
    const LONG r = ::RegSetValueExW(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(k);
    return r == ERROR_SUCCESS;
  }

 private:
  HKEY Create(const std::wstring& subkey) const {
    HKEY k = nullptr;
    if (::RegCreateKeyExW(key_, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS)
      return nullptr;
    return k;
  }

  std::wstring path_;
  HKEY key_ = nullptr;
};

// The smallest description file the PostScript driver of the test queues
// accepts; without it the driver cannot give a queue its device mode.
inline constexpr char kTestDriverDescription[] =
    "*PPD-Adobe: \"4.3\"\n"
    "*FormatVersion: \"4.3\"\n"
    "*LanguageVersion: English\n"
    "*ModelName: \"Test Queue\"\n"
    "*NickName: \"Test Queue\"\n"
    "*LanguageLevel: \"2\"\n"
    "*ColorDevice: False\n"
    "*DefaultResolution: 300dpi\n"
    "*OpenUI *PageSize: PickOne\n"
    "*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    "*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n"
    "*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    "*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n"
    "*ImageableArea A4/A4: \"18 18 577 824\"\n"
    "*DefaultPaperDimension: A4\n"
    "*PaperDimension A4/A4: \"595 842\"\n";

inline void EnsureTestDriverDescription() {
  wchar_t folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (!::GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder, &needed))
    return;
  const std::wstring path = std::wstring(folder) + L"\\generic.ppd";
  if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  // Written aside and moved in, so that a test running in parallel never
  // reads half a file.
  const std::wstring aside = path + L"." + UniqueSuffix();
  const HANDLE file =
      ::CreateFileW(aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, kTestDriverDescription, sizeof kTestDriverDescription - 1, &written, nullptr);
  ::CloseHandle(file);
  if (!::MoveFileExW(aside.c_str(), path.c_str(), 0)) ::DeleteFileW(aside.c_str());
}

inline constexpr wchar_t kTestDriver[] = L"Wine PostScript Driver";
// A driver whose description file is missing: it cannot give a device mode.
inline constexpr wchar_t kBrokenTestDriver[] = L"Vostrel test driver without description";

// The printer drivers of the test queues; adding them twice is harmless.
inline void EnsureTestDriver(const wchar_t* driverName) {
  EnsureTestDriverDescription();
  std::wstring name = driverName;
  std::wstring data = driverName == std::wstring_view(kTestDriver) ? L"generic.ppd" : L"vostrel-missing.ppd";
  wchar_t environment[] = L"Windows x64";
  wchar_t driver[] = L"wineps.drv";
  wchar_t config[] = L"wineps.drv";
  DRIVER_INFO_3W info{};
  info.cVersion = 3;
  info.pName = name.data();
  info.pEnvironment = environment;
  info.pDriverPath = driver;
  info.pDataFile = data.data();
  info.pConfigFile = config;
  ::AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&info));
}

// Wine's spooler is not safe against several processes adding, moving and
// deleting queues at once: a queue list taken while another process changes
// the queues can come back without queues that exist. Tests that change
// queues, or send jobs through them, take turns on one machine-wide mutex
// for as long as they hold a queue or a captured port. The mutex belongs to
// the thread, so one test may hold several turns.
class SpoolerTurn {
 public:
  SpoolerTurn() : lock_(::CreateMutexW(nullptr, FALSE, L"VostrelSpoolerTests")) {
    if (lock_.valid()) {
      const DWORD wait = ::WaitForSingleObject(lock_.get(), 120000);
      held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
  }
  ~SpoolerTurn() {
    if (held_) ::ReleaseMutex(lock_.get());
  }
  SpoolerTurn(const SpoolerTurn&) = delete;
  SpoolerTurn& operator=(const SpoolerTurn&) = delete;

 private:
  ScopedHandle lock_;
  bool held_ = false;
};

// A local printer queue on a given port, deleted at the end.
class TestQueue {
 public:
  TestQueue(std::wstring name, std::wstring port, const wchar_t* driverName = kTestDriver) : name_(std::move(name)) {
    EnsureTestDriver(driverName);
    std::wstring driver = driverName;
    wchar_t processor[] = L"winprint";
    wchar_t dataType[] = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = name_.data();
    info.pPortName = port.data();
    info.pDriverName = driver.data();
    info.pPrintProcessor = processor;
    info.pDatatype = dataType;
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    printer_ = ::AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  }
  ~TestQueue() {
    if (printer_ == nullptr) return;
    ::DeletePrinter(printer_);
    ::ClosePrinter(printer_);
  }
  TestQueue(const TestQueue&) = delete;
  TestQueue& operator=(const TestQueue&) = delete;

  bool added() const { return printer_ != nullptr; }
  const std::wstring& name() const { return name_; }

  // The queue's port as the spooler reports it now.
  std::wstring Port() const {
    DWORD needed = 0;
    ::GetPrinterW(printer_, 2, nullptr, 0, &needed);
    if (needed == 0) return L"<no record>";
    std::string buffer(needed, '\0');
    if (!::GetPrinterW(printer_, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed)) return L"<no record>";
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    return info->pPortName != nullptr ? info->pPortName : L"";
  }

 private:
  SpoolerTurn turn_;  // first member: taken before the queue exists, given back after it is gone
  std::wstring name_;
  HANDLE printer_ = nullptr;
};

// Maps a spooler port to a file: the spooler writes every raw job of that
// port into the file (a Unix path, reached from Windows through drive Z:).
// Wine's spooler also mixes up the jobs of two processes printing at the
// same moment, so a captured port is held for one turn.
class CapturedPort {
 public:
  explicit CapturedPort(std::wstring port) : port_(std::move(port)) {
    unixPath_ = L"/tmp/vostrel-link-job-" + UniqueSuffix() + L".bin";
    windowsPath_ = L"Z:" + unixPath_;
    for (wchar_t& c : windowsPath_) {
      if (c == L'/') c = L'\\';
    }
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Printing\\Spooler", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key_, nullptr);
    ::RegSetValueExW(key_, port_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(unixPath_.c_str()),
                     static_cast<DWORD>((unixPath_.size() + 1) * sizeof(wchar_t)));
  }
  ~CapturedPort() {
    if (key_ != nullptr) {
      ::RegDeleteValueW(key_, port_.c_str());
      ::RegCloseKey(key_);
    }
    ::DeleteFileW(windowsPath_.c_str());
  }
  CapturedPort(const CapturedPort&) = delete;
  CapturedPort& operator=(const CapturedPort&) = delete;

  const std::wstring& port() const { return port_; }

  std::string Bytes() const { return vostrel::testing::ReadFileBytes(windowsPath_); }

 private:
  SpoolerTurn turn_;
  std::wstring port_;
  std::wstring unixPath_;
  std::wstring windowsPath_;
  HKEY key_ = nullptr;
};

}  // namespace vostrel::testing_support
