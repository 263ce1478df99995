// The console program itself, started as a user starts it (Windows tree).
#if defined(_WIN32)

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "json_reader.h"
#include "link/tcp_peer.h"
#include "platform/unique_handle.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/simulator_process.h"

namespace vostrel::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
  DWORD status = 0xFFFFFFFF;
  std::string out;
  std::string err;
};

std::string Drain(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

// Runs vostrel-cli.exe with the given command line tail, standard output and
// standard error each on a pipe of their own.
Result RunExe(const std::wstring& tail) {
  Result result;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  ScopedHandle outRead, outWrite, errRead, errWrite;
  if (!::CreatePipe(outRead.put(), outWrite.put(), &inherit, 0) ||
      !::CreatePipe(errRead.put(), errWrite.put(), &inherit, 0)) {
    return result;
  }
  ::SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0);

  const fs::path exe(VOSTREL_CLI_EXE);
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + tail;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite.get();
  startup.hStdError = errWrite.get();
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    return result;
  }
  ScopedHandle process(info.hProcess), thread(info.hThread);
  outWrite.reset();
  errWrite.reset();
  result.out = Drain(outRead.get());
  result.err = Drain(errRead.get());
  ::WaitForSingleObject(process.get(), 30000);
  ::GetExitCodeProcess(process.get(), &result.status);
  if (result.out.empty() && result.status != 0) {
    // A failure that printed nothing: Wine now and then ends a process at its
    // start. Its status and standard error (Wine's messages among it) go into
    // the test's output, whatever the test then asserts.
    std::printf("vostrel-cli %ls: nothing on standard output, exit status %lu, standard error: %s\n", tail.c_str(),
                result.status, result.err.empty() ? "(none)" : result.err.c_str());
  }
  return result;
}

TEST(CliExe, DumpWritesUtf8LinesAndExitsZero) {
  const vostrel::testing::ScratchFolder folder;
  const fs::path file = folder / "dump.prn";
  std::ofstream(file, std::ios::binary) << std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17)
                                        << "PRINT DARKNESS\t:\t12\r\nHOST NAME\t:\tlabel-1\r\nEND\r\n";
  const Result r = RunExe(L"dump --raw \"" + file.wstring() + L"\"");
  EXPECT_EQ(r.status, 0u);
  EXPECT_EQ(r.out, "PRINT DARKNESS#1\t1\t12\t\t0\t0\t0\nHOST NAME#11\t1\tlabel-1\t\t0\t0\t0\n");
  EXPECT_EQ(r.err, "");
}

TEST(CliExe, FailuresGoToStandardErrorWithTheirStatus) {
  const Result missing = RunExe(L"check Z:\\no\\such\\folder\\x.prn");
  EXPECT_EQ(missing.status, 1u);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "vostrel-cli: cannot open 'Z:\\no\\such\\folder\\x.prn'\n");

  const Result usage = RunExe(L"frobnicate");
  EXPECT_EQ(usage.status, 64u);
  EXPECT_EQ(usage.err.rfind("vostrel-cli: unknown command 'frobnicate'\n", 0), 0u);
}

// The file name, in lower case, of a library the debuggee loaded: from its
// file handle, or else from the name the loader left in its memory.
std::wstring LoadedName(HANDLE process, const LOAD_DLL_DEBUG_INFO& load) {
  wchar_t path[MAX_PATH * 2] = {};
  std::wstring name;
  if (load.hFile != nullptr &&
      ::GetFinalPathNameByHandleW(load.hFile, path, static_cast<DWORD>(std::size(path)), 0) > 0) {
    name = path;
  } else if (load.lpImageName != nullptr) {
    void* where = nullptr;
    SIZE_T got = 0;
    if (::ReadProcessMemory(process, load.lpImageName, &where, sizeof where, &got) && where != nullptr &&
        load.fUnicode != 0 && ::ReadProcessMemory(process, where, path, sizeof path - sizeof(wchar_t), &got)) {
      name = path;
    }
  }
  name = name.substr(name.find_last_of(L"\\/") + 1);
  std::transform(name.begin(), name.end(), name.begin(), ::towlower);
  return name;
}

// Runs vostrel-cli.exe under the test as its debugger and lists the
// libraries it loads, at its start and later, until it ends.
std::vector<std::wstring> LibrariesLoadedBy(const std::wstring& tail) {
  std::vector<std::wstring> names;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  ScopedHandle nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr));
  const fs::path exe(VOSTREL_CLI_EXE);
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + tail;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul.get();
  startup.hStdOutput = nul.get();
  startup.hStdError = nul.get();
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr,
                        &startup, &info)) {
    return names;
  }
  ScopedHandle process(info.hProcess), thread(info.hThread);
  for (;;) {
    DEBUG_EVENT event{};
    if (!::WaitForDebugEvent(&event, 30000)) break;
    DWORD answer = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile != nullptr) ::CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        names.push_back(LoadedName(process.get(), event.u.LoadDll));
        if (event.u.LoadDll.hFile != nullptr) ::CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) answer = DBG_EXCEPTION_NOT_HANDLED;
        break;
      default: break;
    }
    ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) break;
  }
  return names;
}

bool Holds(const std::vector<std::wstring>& names, const wchar_t* name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(CliExe, OnlyACommandThatPrintsThroughAQueueLoadsTheSpooler) {
  const vostrel::testing::ScratchFolder folder;
  const fs::path file = folder / "spooler.prn";
  std::ofstream(file, std::ios::binary) << std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17)
                                        << "PRINT DARKNESS\t:\t12\r\nEND\r\n";
  const std::vector<std::wstring> dump = LibrariesLoadedBy(L"dump \"" + file.wstring() + L"\"");
  const std::vector<std::wstring> help = LibrariesLoadedBy(L"--help");
  const std::vector<std::wstring> queue =
      LibrariesLoadedBy(L"send --link \"queue:No such queue\" \"" + file.wstring() + L"\"");
  fs::remove(file);
  // The debugger saw the libraries at all: the program's own imports.
  ASSERT_TRUE(Holds(dump, L"kernel32.dll")) << dump.size();
  ASSERT_TRUE(Holds(queue, L"kernel32.dll")) << queue.size();
  EXPECT_FALSE(Holds(dump, L"winspool.drv"));
  EXPECT_FALSE(Holds(help, L"winspool.drv"));
  EXPECT_TRUE(Holds(queue, L"winspool.drv"));
}

TEST(CliExe, PrinterCommandsAnswerOnStandardOutputAndFailWithTheirCodeInUtf8) {
  vostrel::testing::Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  const Result info = RunExe(L"info --link " + sim.link());
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(info.status, 0u);
  EXPECT_EQ(info.err, "");
  EXPECT_EQ(info.out.rfind("Serial Number : ", 0), 0u);
  EXPECT_EQ(std::count(info.out.begin(), info.out.end(), '\n'), 4);
  EXPECT_NE(info.out.find("\nCut Counter : "), std::string::npos);

  std::wstring refused;
  {
    vostrel::testing_support::TcpPeer gone;
    refused = gone.portText();
  }
  const Result receive = RunExe(L"receive --link net:127.0.0.1:" + refused);
  EXPECT_EQ(receive.status, 30u);
  EXPECT_EQ(receive.out, "");
  // English, though the system speaks Japanese: one language per run.
  EXPECT_EQ(receive.err.rfind("code : 30\nOpen port error.\nvostrel-cli: ", 0), 0u) << receive.err;
  EXPECT_NE(receive.err.find("connection refused"), std::string::npos);
}

using testing_support::Json;
using testing_support::JsonReader;
using vostrel::testing::FleetSimulator;
using vostrel::testing::ScratchFolder;
using vostrel::testing::Simulator;

const std::string kPrefix("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17);

std::wstring Widened(const std::string& utf8) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::wstring Link(int port) { return L"net:127.0.0.1:" + std::to_wstring(port); }

// The timestamp of the log line that holds `what` ("2026-12-11 03:35:12.123").
std::string StampOf(const std::string& log, const std::string& what) {
  const size_t at = log.find(what);
  if (at == std::string::npos) return "<none>";
  const size_t start = log.rfind('\n', at);
  return log.substr(start == std::string::npos ? 0 : start + 1, 23);
}

const Json* PrinterOf(const Json& report, const std::wstring& link) {
  for (const Json& printer : report[L"printers"].items) {
    if (printer[L"link"].text == link) return &printer;
  }
  return nullptr;
}

TEST(CliFleet, TenPrintersReceiveAtOnceWithOneTableAndTheWorstStatus) {
  // Eight printers that keep the pause as real ones do, and two with faults.
  FleetSimulator fleet(8, 2, L"--strict");
  ASSERT_EQ(fleet.ports().size(), 8u);
  Simulator silent(2, L"--strict --silent");
  Simulator headless(2, L"--strict --no-header");
  ASSERT_NE(silent.port(), 0);
  ASSERT_NE(headless.port(), 0);
  ScratchFolder out;
  const fs::path linksFile = out.path() / "links.txt";
  {
    std::ofstream links(linksFile, std::ios::binary);
    links << "# the fleet\n";
    for (int port : fleet.ports()) links << "net:127.0.0.1:" << port << "   # a label printer\r\n";
    links << "\n  net:127.0.0.1:" << silent.port() << "\n";
  }
  const fs::path folder = out.path() / "listings";
  const Result r = RunExe(L"receive --jobs 10 --json --links \"" + linksFile.wstring() + L"\" --link " +
                          headless.link() + L" -o \"" + folder.wstring() + L"\"");
  EXPECT_EQ(fleet.ExitCode(), 0u);
  EXPECT_EQ(r.status, 32u) << r.err;

  const Json report = JsonReader::Parse(Widened(r.out));
  EXPECT_EQ(report[L"command"].text, L"receive");
  EXPECT_EQ(report[L"code"].number, 32);
  ASSERT_EQ(report[L"printers"].items.size(), 10u);
  std::string lastPreRequest, firstRequest = "9";
  for (int port : fleet.ports()) {
    const Json* printer = PrinterOf(report, Link(port));
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ((*printer)[L"result"].text, L"done");
    EXPECT_EQ((*printer)[L"code"].number, 0);
    EXPECT_FALSE((*printer)[L"settings"].items.empty());
    const fs::path capture = fleet.FolderOf(port);
    // Each printer's listing as it came, in a file of its own.
    EXPECT_EQ(vostrel::testing::ReadFileBytes(folder / ("net_127.0.0.1_" + std::to_string(port) + ".prn")),
              vostrel::testing::ReadFileBytes(capture / "conn-0002-out.bin"));
    const std::string log = vostrel::testing::ReadFileBytes(capture / "sim.log");
    EXPECT_NE(log.find("strict: the pre-request came"), std::string::npos);
    lastPreRequest = std::max(lastPreRequest, StampOf(log, "connection 1 from"));
    firstRequest = std::min(firstRequest, StampOf(log, "connection 2 from"));
  }
  // At once, not one after the other: every pre-request came before any
  // printer was asked for its listing.
  EXPECT_LT(lastPreRequest, firstRequest);
  for (const Simulator* faulty : {&silent, &headless}) {
    const Json* printer = PrinterOf(report, faulty->link());
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ((*printer)[L"code"].number, 32);
    EXPECT_EQ((*printer)[L"result"].text, L"read failed");
    EXPECT_TRUE((*printer)[L"error"].text.starts_with(L"code : 32\n"));
  }
}

TEST(CliFleet, SendVerifyNamesTheSettingAPrinterDidNotTake) {
  // The second model prints at most 6 IPS; the first takes 8.
  Simulator narrow(3, L"--strict --model VX-135-ZKQ");
  Simulator wide(3, L"--strict");
  ASSERT_NE(narrow.port(), 0);
  ASSERT_NE(wide.port(), 0);
  ScratchFolder folder;
  const std::string script = "PRINT SPEED\t:\t8 IPS\r\nPRINT DARKNESS\t:\t12\r\nEND\r\n";
  const fs::path file = folder.path() / "fast.prn";
  std::ofstream(file, std::ios::binary) << kPrefix << script;
  const Result r = RunExe(L"send --verify --json --link " + narrow.link() + L" --link " + wide.link() + L" \"" +
                          file.wstring() + L"\"");
  EXPECT_EQ(narrow.ExitCode(), 0u);
  EXPECT_EQ(wide.ExitCode(), 0u);
  EXPECT_EQ(r.status, 33u) << r.err;
  EXPECT_EQ(narrow.Captured(1, "in"), kPrefix + script);
  EXPECT_EQ(wide.Captured(1, "in"), kPrefix + script);

  const Json report = JsonReader::Parse(Widened(r.out));
  const Json* refused = PrinterOf(report, narrow.link());
  const Json* took = PrinterOf(report, wide.link());
  ASSERT_NE(refused, nullptr);
  ASSERT_NE(took, nullptr);
  EXPECT_EQ((*refused)[L"code"].number, 33);
  ASSERT_EQ((*refused)[L"differences"].items.size(), 1u);
  const Json& difference = (*refused)[L"differences"][0];
  EXPECT_EQ(difference[L"keyword"].text, L"PRINT SPEED");
  EXPECT_EQ(difference[L"sent"][L"value"].text, L"8 IPS");
  EXPECT_NE(difference[L"read"][L"value"].text, L"8 IPS");
  EXPECT_EQ((*took)[L"code"].number, 0);
  EXPECT_TRUE((*took)[L"differences"].items.empty());
  EXPECT_NE(r.err.find("PRINT SPEED: sent '8 IPS', the printer has '"), std::string::npos);
}

TEST(CliFleet, DiffComparesAFileWithWhatAPrinterHolds) {
  Simulator sim(2, L"--strict");
  ASSERT_NE(sim.port(), 0);
  ScratchFolder folder;
  const fs::path file = folder.path() / "wanted.prn";
  std::ofstream(file, std::ios::binary) << kPrefix << "PRINT DARKNESS\t:\t29\r\nEND\r\n";
  const Result r = RunExe(L"diff --json \"" + file.wstring() + L"\" --link " + sim.link());
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(r.status, 1u) << r.err;
  const Json report = JsonReader::Parse(Widened(r.out));
  EXPECT_FALSE(report[L"equal"].boolean);
  EXPECT_EQ(report[L"b"].text, sim.link());
  bool darkness = false;
  for (const Json& difference : report[L"differences"].items) {
    if (difference[L"keyword"].text != L"PRINT DARKNESS") continue;
    darkness = true;
    EXPECT_EQ(difference[L"a"][L"value"].text, L"29");
    ASSERT_EQ(difference[L"b"].kind, Json::Kind::Object);  // the printer lists its own darkness
    EXPECT_NE(difference[L"b"][L"value"].text, L"29");
  }
  EXPECT_TRUE(darkness);
  // What only the printer lists is a difference too.
  EXPECT_GT(report[L"differences"].items.size(), 1u);
}

TEST(CliFleet, DoctorNamesRefusedSilentAndHeaderlessPrinters) {
  std::wstring refused;
  {
    vostrel::testing_support::TcpPeer gone;
    refused = L"net:127.0.0.1:" + gone.portText();
  }
  Simulator silent(2, L"--strict --silent");
  Simulator headless(2, L"--strict --no-header");
  Simulator healthy(2, L"--strict");
  const Result r = RunExe(L"doctor --json --link " + refused + L" --link " + silent.link() + L" --link " +
                          headless.link() + L" --link " + healthy.link());
  EXPECT_EQ(r.status, 30u);
  const Json report = JsonReader::Parse(Widened(r.out));
  struct Case {
    std::wstring link;
    int code;
    std::wstring lastStep;
    std::wstring says;
  };
  const Case cases[] = {
      {refused, 30, L"connect", L"connection refused: the printer is on, but its raw TCP port is off or not "},
      {silent.link(), 32, L"header", L"silent: the printer took the request but sent nothing"},
      {headless.link(), 32, L"header", L"no header: "},
      {healthy.link(), 0, L"END", L"the listing is whole"},
  };
  for (const Case& c : cases) {
    const Json* printer = PrinterOf(report, c.link);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ((*printer)[L"code"].number, c.code);
    const std::vector<Json>& steps = (*printer)[L"steps"].items;
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back()[L"step"].text, c.lastStep);
    EXPECT_EQ(steps.back()[L"ok"].boolean, c.code == 0);
    EXPECT_TRUE(steps.back()[L"text"].text.starts_with(c.says)) << c.code;
  }
  // The healthy printer's exchange, step by step.
  std::vector<std::wstring> names;
  for (const Json& step : (*PrinterOf(report, healthy.link()))[L"steps"].items) names.push_back(step[L"step"].text);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"name lookup", L"echo", L"connect", L"pre-request", L"pause", L"request",
                                              L"header", L"END"}));
}

TEST(CliExe, SendRefusesAFileWhosePrinterBytesTheReaderNeverChecked) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  ScratchFolder folder;
  std::string filler;
  for (int i = 0; filler.size() < 8300; ++i) filler += "RESERVED " + std::to_string(i) + "\t:\t0000000000\r\n";
  const std::string rejected = "PRINT SPEED\t:\t9 IPS\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    std::uintmax_t size;  // resized to this (sparse) when not 0
    const char* says;
  };
  const Case cases[] = {
      {"with-nul-byte.prn", kPrefix + "PRINT DARKNESS\t:\t12\r\n" + std::string(1, '\0') + rejected + "END\r\n", 0,
       "holds a NUL byte at offset 38"},
      {"long.prn", kPrefix + "PRINT DARKNESS\t:\t12\r\n" + filler + rejected + "END\r\n", 0,
       "is longer than the 8191 bytes the reader checks"},
      {"huge.prn", kPrefix + "PRINT DARKNESS\t:\t12\r\nEND\r\n", 3ull << 30,
       "is longer than the 65536 bytes a settings file may have"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder.path() / c.name;
    std::ofstream(file, std::ios::binary) << c.bytes;
    if (c.size != 0) fs::resize_file(file, c.size);
    const Result r = RunExe(L"send --link " + sim.link() + L" \"" + file.wstring() + L"\"");
    EXPECT_EQ(r.status, 23u);
    EXPECT_EQ(r.err.rfind("code : 23\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    fs::remove(file);
  }
  // Nothing reached the printer.
  EXPECT_FALSE(sim.HasConnection(1));

  const Result empty = RunExe(L"receive --link " + sim.link() + L" -o \"\"");
  EXPECT_EQ(empty.status, 64u);
  EXPECT_NE(empty.err.find("-o needs a file or folder name"), std::string::npos);
}

}  // namespace
}  // namespace vostrel::cli

#endif  // _WIN32
