// The console program itself, started as a user starts it (Windows tree).
#if defined(_WIN32)

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

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
