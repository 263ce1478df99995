// The simulator program itself, started as a process and talked to over
// loopback TCP the way a client would; each case ends the process it started
// (--connections) and checks that it exited cleanly.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "sim_printer.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/simulator_process.h"

namespace vostrel::sim {
namespace {

using vostrel::testing::ReadFileIfAny;
using vostrel::testing::ScratchFolder;
using vostrel::testing::Simulator;

const std::string kPre(kPrefix);
const std::string kConfigRequest = kPre + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kInfoRequest =
    kPre + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";

class Winsock : public ::testing::Environment {
 public:
  void SetUp() override {
    WSADATA data;
    ASSERT_EQ(::WSAStartup(MAKEWORD(2, 2), &data), 0);
  }
  void TearDown() override { ::WSACleanup(); }
};
const auto* const kWinsock = ::testing::AddGlobalTestEnvironment(new Winsock);

// Connects, sends, ends its own sending side and reads until the simulator closes.
std::string Exchange(int port, std::string_view request) {
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
  std::string reply;
  if (::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    ::send(s, request.data(), static_cast<int>(request.size()), 0);
    ::shutdown(s, SD_SEND);
    char buffer[4096];
    int count = 0;
    while ((count = ::recv(s, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, static_cast<std::size_t>(count));
  } else {
    ADD_FAILURE() << "connect failed: " << ::WSAGetLastError();
  }
  ::closesocket(s);
  return reply;
}

TEST(SimProgram, ScriptChangesTheNextListingAndTheCaptureHoldsTheWireBytes) {
  Simulator sim(3);
  ASSERT_GT(sim.port(), 0) << sim.firstLine();

  const std::string script = kPre + "PRINT DARKNESS\t:\t22\r\nHOST NAME\t:\tbench-3\r\nEND\r\n";
  EXPECT_EQ(Exchange(sim.port(), script), "");
  const std::string listing = Exchange(sim.port(), kConfigRequest);
  const std::string information = Exchange(sim.port(), kInfoRequest);
  EXPECT_EQ(sim.ExitCode(), 0u);

  EXPECT_TRUE(listing.starts_with(kListingHeader));
  EXPECT_TRUE(listing.ends_with("\r\nEND\r\n"));
  EXPECT_NE(listing.find("\r\nPRINT DARKNESS\t:\t22\r\n"), std::string::npos);
  EXPECT_NE(listing.find("\r\nHOST NAME\t:\tbench-3\r\n"), std::string::npos);
  EXPECT_NE(listing.find("\r\nMACHINE EMULATION CODE\t:\tCODE_TELMARO\r\n"), std::string::npos);
  for (const char* key : {"Serial Number : ", "Print Counter Length ", "Service Counter Length ", "Cut Counter "}) {
    EXPECT_NE(information.find(key), std::string::npos) << key;
  }

  // Every file there, the empty one too.
  EXPECT_EQ(ReadFileIfAny(sim.folder() / "conn-0001-in.bin"), script);
  EXPECT_EQ(ReadFileIfAny(sim.folder() / "conn-0001-out.bin"), "");
  EXPECT_EQ(ReadFileIfAny(sim.folder() / "conn-0002-in.bin"), kConfigRequest);
  EXPECT_EQ(ReadFileIfAny(sim.folder() / "conn-0002-out.bin"), listing);
  EXPECT_EQ(ReadFileIfAny(sim.folder() / "conn-0003-out.bin"), information);
}

TEST(SimProgram, FaultFlagsShapeWhatTheClientReceives) {
  struct Case {
    const wchar_t* flags;
    std::string request;
    bool (*holds)(const std::string& reply);
  };
  const Case cases[] = {
      {L"--no-end", kConfigRequest,
       [](const std::string& r) { return r.starts_with(kListingHeader) && !r.ends_with("END\r\n"); }},
      {L"--no-header", kConfigRequest,
       [](const std::string& r) { return r.starts_with("PRINT SPEED\t:\t") && r.ends_with("\r\nEND\r\n"); }},
      {L"--stray-byte", kConfigRequest,
       [](const std::string& r) { return r.starts_with('\x06') && r.substr(1).starts_with(kListingHeader); }},
      {L"--long-reply", kConfigRequest, [](const std::string& r) { return r.size() > 4096 && r.ends_with("END\r\n"); }},
      {L"--close-after 20", kConfigRequest,
       [](const std::string& r) {
         return r.size() == 20 && r.starts_with(kListingHeader) && r.ends_with("PRINT SPE");
       }},
      {L"--silent", kInfoRequest, [](const std::string& r) { return r.empty(); }},
      {L"--garbage", kInfoRequest,
       [](const std::string& r) { return !r.empty() && r.find("Serial Number") == std::string::npos; }},
      {L"--drip 1", kPre + "CUT COUNTER:\r\nEXIT\r\n",
       [](const std::string& r) { return r == "Cut Counter 4217\r\n"; }},
      {L"--emulation none", kConfigRequest,
       [](const std::string& r) {
         return r.ends_with("END\r\n") && r.find("MACHINE EMULATION CODE") == std::string::npos;
       }},
      {L"--emulation CODE_EPL", kConfigRequest,
       [](const std::string& r) { return r.find("\r\nMACHINE EMULATION CODE\t:\tCODE_EPL\r\n") != std::string::npos; }},
      {L"--calibration failed", kPre + "MEDIA SENSOR\t:\tSEE THROUGH\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n",
       [](const std::string& r) { return r == "AUTO CALIBRATION : FAILED\r\n"; }},
      {L"--rfid --rfid-result ng",
       "\x02\x1biC\r\n\x01"
       "A\r\n",
       [](const std::string& r) { return r == "iC:NG\r\n"; }},
  };
  for (const Case& c : cases) {
    Simulator sim(1, c.flags);
    ASSERT_GT(sim.port(), 0) << sim.firstLine();
    const std::string reply = Exchange(sim.port(), c.request);
    EXPECT_TRUE(c.holds(reply)) << std::string(c.flags, c.flags + wcslen(c.flags)) << ": " << reply.substr(0, 80);
    EXPECT_EQ(sim.ExitCode(), 0u);
  }
}

TEST(SimProgram, StateFileCarriesTheSettingsFromOneRunToTheNext) {
  ScratchFolder folder;
  const std::wstring state = L"--state \"" + folder.File(L"printer.prn") + L"\" --model VX-135-ZKQ";
  {
    Simulator first(1, state);
    ASSERT_GT(first.port(), 0) << first.firstLine();
    Exchange(first.port(), kPre + "HEAD CHECK STOP POS\t:\tDOT\t1100\r\nEND\r\n");
    EXPECT_EQ(first.ExitCode(), 0u);
  }
  Simulator second(1, state);
  ASSERT_GT(second.port(), 0) << second.firstLine();
  const std::string listing = Exchange(second.port(), kConfigRequest);
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_NE(listing.find("\r\nHEAD CHECK STOP POS\t:\tDOT\t1100\r\n"), std::string::npos);
}

TEST(SimProgram, RefusesABadCommandLineWithExitCode2) {
  Simulator sim(1, L"--model VX-999");
  EXPECT_EQ(sim.port(), 0);
  EXPECT_NE(sim.firstLine().find("--model"), std::string::npos) << sim.firstLine();
  EXPECT_EQ(sim.ExitCode(), 2u);
}

}  // namespace
}  // namespace vostrel::sim
