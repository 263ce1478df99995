// The console program itself, started as a user starts it (Windows tree).
#if defined(_WIN32)

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/tcp_peer.h"
#include "platform/unique_handle.h"
#include "printer_sim_process.h"

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
  return result;
}

TEST(CliExe, DumpWritesUtf8LinesAndExitsZero) {
  const fs::path file = fs::temp_directory_path() / "vostrel-cli-exe-dump.prn";
  std::ofstream(file, std::ios::binary) << std::string("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17)
                                        << "PRINT DARKNESS\t:\t12\r\nHOST NAME\t:\tlabel-1\r\nEND\r\n";
  const Result r = RunExe(L"dump \"" + file.wstring() + L"\"");
  fs::remove(file);
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
  const fs::path file = fs::temp_directory_path() / "vostrel-cli-exe-spooler.prn";
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
  testing_support::SimulatorProcess sim(1);
  ASSERT_NE(sim.port(), 0);
  const Result info = RunExe(L"info --link " + sim.link());
  EXPECT_EQ(sim.Finish(), 0u);
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
  EXPECT_EQ(receive.err.rfind("code : 30\n\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88", 0), 0u);  // "code : 30", "ポート"
}

}  // namespace
}  // namespace vostrel::cli

#endif  // _WIN32
