// receive over a COM port: a host pty pair joins the link's port to the
// test's printer end, played on a thread of its own, and a printer queue of
// the test's own sits on the same port (Windows tree).
#if defined(_WIN32)

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

#include "link/link_fixtures.h"
#include "link/pty_pair.h"
#include "printer_commands.h"
#include "protocol/command_set.h"
#include "support/file_bytes.h"
#include "support/loopback_clock.h"
#include "support/scratch_folder.h"

namespace vostrel::cli {
namespace {

using vostrel::testing::LoopbackClock;
using vostrel::testing::ReadFileBytes;
using vostrel::testing::ScratchFolder;
using vostrel::testing_support::PtyPair;
using vostrel::testing_support::TestQueue;
using vostrel::testing_support::UniqueSuffix;

TEST(ReceiveOverCom, PausesFiveSecondsAndGivesTheParkedQueueItsPortBackOnEveryPath) {
  const std::string listing =
      std::string(kReplyHeader) + "PRINT DARKNESS\t:\t12\r\nHOST NAME\t:\tcom-printer\r\nEND\r\n";
  const std::string request = std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
  const std::string wireExpected = std::string(kPreRequestCommand) + request;
  const struct {
    const char* name;
    bool answers;
    int status;
  } cases[] = {{"printer answers", true, kExitOk}, {"printer stays silent", false, kExitReadFailed}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PtyPair pty;
    ASSERT_TRUE(pty.started());
    ASSERT_TRUE(pty.OpenPeer());
    TestQueue queue(L"Vostrel cli com " + UniqueSuffix(), pty.linkPort());
    ASSERT_TRUE(queue.added());
    ScratchFolder folder;
    const std::wstring file = (folder / "com.prn").wstring();

    // The pause runs on the fake clock, so both writes may arrive as one read.
    std::string wire;
    std::wstring portWhileOpen;
    std::thread printer([&] {
      // The queue's port is looked at as soon as the request came, while the
      // link surely holds the port: waiting for bytes that were purged would
      // race the silent case's read timeout, after which the port is back.
      for (int waited = 0; !wire.ends_with(request) && waited < 5000; waited += 100) {
        wire += pty.Receive(wireExpected.size() - std::min(wire.size(), wireExpected.size()), 100);
      }
      portWhileOpen = queue.Port();
      if (c.answers) pty.Send(listing);
    });
    Output output;
    LoopbackClock clock;
    std::vector<std::wstring> progress;
    const int status =
        RunPrinterCommand({L"receive", L"--link", L"com:" + pty.linkPort() + L"@19200,8,N,1,N", L"-o", file}, output,
                          clock, [&](std::wstring_view line) { progress.emplace_back(line); });
    printer.join();

    EXPECT_EQ(status, c.status);
    // The link purges the port when it closes, and a pty throws away what its
    // peer has not read yet, so the three bytes written just before that close
    // may not arrive here (a serial port has sent them by the time its write
    // returns). The exact bytes of both connections are asserted over TCP.
    EXPECT_TRUE(wire == wireExpected || wire == request) << wire.size();
    EXPECT_EQ(portWhileOpen, L"FILE:");  // parked while the link holds the port
    EXPECT_EQ(queue.Port(), pty.linkPort());
    EXPECT_EQ(ReadFileBytes(file), c.answers ? listing : "");
    const auto& sleeps = clock.fake().sleeps();
    EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 100u), 50);
    ASSERT_EQ(progress.size(), 5u);
    EXPECT_TRUE(progress.front().ends_with(L": 5 s left\n"));
    EXPECT_TRUE(progress.back().ends_with(L": 1 s left\n"));
  }
}

}  // namespace
}  // namespace vostrel::cli

#endif  // _WIN32
