// The printer commands against the printer simulator over loopback TCP and
// against a printer queue of the test's own (Windows tree). The pauses run on
// a fake clock; the wire bytes come from the simulator's capture.
#if defined(_WIN32)

#include "printer_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "link/link_fixtures.h"
#include "link/tcp_peer.h"
#include "link_argument.h"
#include "operations/printer_exchange.h"
#include "prefs/preferences.h"
#include "protocol/command_set.h"
#include "support/file_bytes.h"
#include "support/loopback_clock.h"
#include "support/scratch_folder.h"
#include "support/simulator_process.h"

namespace vostrel::cli {
namespace {

using vostrel::testing::LoopbackClock;
using vostrel::testing::ReadFileBytes;
using vostrel::testing::ScratchFolder;
using vostrel::testing::Simulator;
using vostrel::testing::WriteFileBytes;

const std::string kPrefix(kCommandPrefix);
const std::string kConfigRequest = kPrefix + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kInfoRequest =
    kPrefix + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";
const std::string kPreRequest("\x01#\0", 3);

struct CommandRun {
  int status = -1;
  Output output;
  std::vector<std::wstring> progress;
  LoopbackClock clock;
};

// Runs a printer command on its own clock and collects the progress lines.
std::unique_ptr<CommandRun> RunPrinter(std::vector<std::wstring> args) {
  auto run = std::make_unique<CommandRun>();
  run->status = RunPrinterCommand(args, run->output, run->clock,
                                  [&run](std::wstring_view line) { run->progress.emplace_back(line); });
  return run;
}

std::size_t PauseSteps(const CommandRun& run) {
  const auto& sleeps = run.clock.fake().sleeps();
  return static_cast<std::size_t>(std::count(sleeps.begin(), sleeps.end(), 100u));
}

std::wstring RefusedLink() {
  std::wstring port;
  {
    vostrel::testing_support::TcpPeer gone;  // its port is free again once it has gone
    port = gone.portText();
  }
  return L"net:127.0.0.1:" + port;
}

std::wstring Write(const ScratchFolder& folder, const char* name, const std::string& bytes) {
  EXPECT_TRUE(WriteFileBytes(folder / name, bytes)) << name;
  return folder.File(name);
}

TEST(LinkArgument, TurnsEachFormIntoThePreferencesTheLinkReads) {
  struct Case {
    const wchar_t* text;
    PortKind kind;
    const wchar_t* name;
    const wchar_t* number;
    std::int32_t baud;
    int dataBits, parity, stopBits;
    const wchar_t* flow;
  };
  const Case cases[] = {
      {L"net:192.168.0.7", PortKind::Net, L"192.168.0.7", L"9100", 9600, 8, 0, 0, L"X"},
      {L"net:printer-1:9101", PortKind::Net, L"printer-1", L"9101", 9600, 8, 0, 0, L"X"},
      {L"com:COM5:", PortKind::Com, L"COM5:", L"", 9600, 8, 0, 0, L"X"},
      {L"com:COM5:@19200,7,E,2,H", PortKind::Com, L"COM5:", L"", 19200, 7, 2, 2, L"H"},
      {L"com:COM3@115200,8,O,1.5,N", PortKind::Com, L"COM3", L"", 115200, 8, 1, 1, L"N"},
      {L"usb:USB001", PortKind::Usb, L"USB001", L"", 9600, 8, 0, 0, L"X"},
      {L"queue:Label printer", PortKind::Prt, L"Label printer", L"", 9600, 8, 0, 0, L"X"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    PreferencesRecord prefs;
    prefs.baudRate = 1;  // every field comes from the text or the defaults
    std::wstring problem;
    ASSERT_TRUE(ParseLinkArgument(c.text, prefs, problem)) << problem.size();
    EXPECT_EQ(prefs.portKind, c.kind);
    EXPECT_EQ(prefs.portName, c.name);
    EXPECT_EQ(prefs.portNumber, c.number);
    EXPECT_EQ(prefs.baudRate, c.baud);
    EXPECT_EQ(prefs.dataBits, c.dataBits);
    EXPECT_EQ(prefs.parityCode, c.parity);
    EXPECT_EQ(prefs.stopBitsCode, c.stopBits);
    EXPECT_EQ(prefs.flowControl, c.flow);
  }
}

TEST(LinkArgument, RefusesWhatNamesNoUsableLink) {
  const struct {
    const wchar_t* text;
    const wchar_t* problemPart;
  } cases[] = {
      {L"tcp:127.0.0.1", L"is not net:"},
      {L"NET:127.0.0.1", L"is not net:"},
      {L"net:", L"host"},
      {L"net::9100", L"host"},
      {L"net:127.0.0.1:", L"not a TCP port"},
      {L"net:127.0.0.1:0", L"not a TCP port"},
      {L"net:127.0.0.1:65536", L"not a TCP port"},
      {L"net:127.0.0.1:9l00", L"not a TCP port"},
      {L"com:", L"names no port"},
      {L"com:@9600,8,N,1,X", L"names no port"},
      {L"com:COM5:@", L"BAUD,DATA"},
      {L"com:COM5:@9600,8,N,1", L"BAUD,DATA"},
      {L"com:COM5:@0,8,N,1,X", L"baud rate"},
      {L"com:COM5:@fast,8,N,1,X", L"baud rate"},
      {L"com:COM5:@9600,9,N,1,X", L"data bits"},
      {L"com:COM5:@9600,8,n,1,X", L"parity"},
      {L"com:COM5:@9600,8,N,3,X", L"stop bits"},
      {L"com:COM5:@9600,8,N,1,R", L"flow control"},
      {L"usb:", L"names no port"},
      {L"queue:", L"names no port"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    PreferencesRecord prefs;
    std::wstring problem;
    EXPECT_FALSE(ParseLinkArgument(c.text, prefs, problem));
    EXPECT_NE(problem.find(c.problemPart), std::wstring::npos);
  }
}

TEST(PrinterCommandLine, UsageErrorsEndWith64BeforeAnythingIsOpened) {
  const std::vector<std::vector<std::wstring>> cases = {
      {L"receive"},
      {L"receive", L"--link"},
      {L"receive", L"--link", L"queue:Label printer"},
      {L"info", L"--link", L"queue:Label printer"},
      {L"info", L"--link", L"net:127.0.0.1", L"--raw"},
      {L"receive", L"--link", L"net:127.0.0.1", L"-o", L""},
      {L"receive", L"--link", L"net:127.0.0.1", L"--jobs", L"0"},
      {L"receive", L"--link", L"net:127.0.0.1", L"extra"},
      {L"receive", L"--link", L"net:127.0.0.1", L"--model", L"VX-999"},
      {L"send", L"--link", L"net:127.0.0.1"},
      {L"send", L"--link", L"net:127.0.0.1", L"a.prn", L"b.prn"},
      {L"send", L"--link", L"serial:COM1", L"a.prn"},
      {L"dump", L"--link", L"net:127.0.0.1"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args.size()) + " arguments, last " +
                 std::string(args.back().begin(), args.back().end()));
    auto run = RunPrinter(args);
    EXPECT_EQ(run->status, kExitUsage);
    EXPECT_TRUE(run->output.err.starts_with(L"vostrel-cli: "));
    EXPECT_NE(run->output.err.find(L"usage: vostrel-cli receive"), std::wstring::npos);
    EXPECT_EQ(run->output.out, L"");
    EXPECT_TRUE(run->clock.fake().sleeps().empty());
  }
}

TEST(PrinterCommandLine, PauseIsFiveSecondsOnDevicesAndTwentyOverTcp) {
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Com), 50);
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Usb), 50);
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Net), 200);
}

TEST(ReceiveCommand, PutsThePreRequestAndTheRequestOnTheWireAndWritesTheListingAsSent) {
  ScratchFolder folder;
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  const std::wstring file = (folder / "received.prn").wstring();
  auto run = RunPrinter({L"receive", L"--link", sim.link(), L"-o", file});
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(run->status, kExitOk) << std::string(run->output.err.begin(), run->output.err.end());
  EXPECT_EQ(run->output.out, L"");
  EXPECT_EQ(run->output.err, L"");

  EXPECT_EQ(sim.Captured(1, "in"), kPreRequest);
  EXPECT_EQ(kConfigRequest.size(), 47u);
  EXPECT_EQ(sim.Captured(2, "in"), kConfigRequest);
  const std::string listing = sim.Captured(2, "out");
  ASSERT_TRUE(listing.ends_with("END\r\n"));
  EXPECT_EQ(ReadFileBytes(file), listing);

  // Twenty seconds in steps of 100 ms, counted down second by second.
  EXPECT_EQ(PauseSteps(*run), 200u);
  ASSERT_EQ(run->progress.size(), 20u);
  for (std::size_t i = 0; i < run->progress.size(); ++i) {
    EXPECT_TRUE(run->progress[i].starts_with(L"vostrel-cli: waiting for the printer"));
    EXPECT_TRUE(run->progress[i].ends_with(L": " + std::to_wstring(20 - i) + L" s left\n"));
  }
}

TEST(ReceiveCommand, QuietDropsTheCountdownAndReadableLinesAreDumpsOwn) {
  ScratchFolder folder;
  Simulator sim(4);
  ASSERT_NE(sim.port(), 0);
  const std::wstring file = (folder / "received.prn").wstring();
  auto quiet = RunPrinter({L"receive", L"--quiet", L"--link", sim.link(), L"-o", file});
  auto readable = RunPrinter({L"receive", L"--link", sim.link()});
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(quiet->status, kExitOk);
  EXPECT_TRUE(quiet->progress.empty());
  EXPECT_EQ(PauseSteps(*quiet), 200u);  // the pause itself stays
  EXPECT_EQ(readable->progress.size(), 20u);
  Output dumped;
  EXPECT_EQ(cli::Run({L"dump", file}, dumped), kExitOk);
  EXPECT_NE(dumped.out.find(L"\nPRINT DARKNESS  "), std::wstring::npos);
  EXPECT_EQ(readable->output.out, dumped.out);
}

TEST(ReceiveCommand, PrintsWhatDumpPrintsOfTheReceivedFile) {
  for (const wchar_t* fault : {L"", L"--stray-byte"}) {
    SCOPED_TRACE(fault[0] == 0 ? "clean listing" : "stray byte");
    ScratchFolder folder;
    Simulator sim(4, fault);
    ASSERT_NE(sim.port(), 0);
    const std::wstring file = (folder / "received.prn").wstring();
    auto toFile = RunPrinter({L"receive", L"--link", sim.link(), L"-o", file});
    auto printed = RunPrinter({L"receive", L"--raw", L"--model", L"VX-135-ZKQ", L"--link", sim.link()});
    EXPECT_EQ(sim.ExitCode(), 0u);
    EXPECT_EQ(toFile->status, kExitOk);
    EXPECT_EQ(printed->status, kExitOk);

    // One stray byte in front of the header is dropped, nothing else.
    const std::string sent = sim.Captured(2, "out");
    EXPECT_EQ(ReadFileBytes(file), fault[0] == 0 ? sent : sent.substr(1));

    Output dumped;
    EXPECT_EQ(cli::Run({L"dump", L"--raw", L"--model", L"VX-135-ZKQ", file}, dumped), kExitOk);
    EXPECT_NE(dumped.out.find(L"PRINT DARKNESS#1\t1\t"), std::wstring::npos);
    EXPECT_EQ(printed->output.out, dumped.out);
  }
}

TEST(ReceiveCommand, AListingLongerThanTheLinksBufferIsReadWholeOrNotAtAll) {
  const struct {
    const wchar_t* faults;
    int status;
  } cases[] = {
      {L"--long-reply", kExitOk},
      {L"--long-reply --no-end", kExitReadFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.faults, c.faults + std::wcslen(c.faults)));
    ScratchFolder folder;
    Simulator sim(2, c.faults);
    ASSERT_NE(sim.port(), 0);
    const std::wstring file = (folder / "received.prn").wstring();
    auto run = RunPrinter({L"receive", L"--link", sim.link(), L"-o", file});
    EXPECT_EQ(sim.ExitCode(), 0u);
    EXPECT_EQ(run->status, c.status);
    const std::string sent = sim.Captured(2, "out");
    EXPECT_GT(sent.size(), 4096u);
    if (c.status == kExitOk) {
      EXPECT_EQ(ReadFileBytes(file), sent);
    } else {
      EXPECT_FALSE(std::filesystem::exists(file));
      EXPECT_TRUE(run->output.err.starts_with(L"code : 32\n"));
    }
  }
}

TEST(ReceiveCommand, AListingFileThatCannotBeWrittenEndsWith22) {
  ScratchFolder folder;
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  const std::wstring file = (folder / "no such folder" / "received.prn").wstring();
  auto run = RunPrinter({L"receive", L"--link", sim.link(), L"-o", file});
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(run->status, kExitFileNotWritten);
  EXPECT_TRUE(run->output.err.starts_with(L"code : 22\n"));
  EXPECT_NE(run->output.err.find(L"cannot write"), std::wstring::npos);
}

struct FailureCase {
  const char* name;
  const wchar_t* command;
  const wchar_t* simArguments;  // nullptr: no simulator, a port nobody listens on
  int connections;
  int status;
};

// Names the case in the test's name and in failure messages.
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class PrinterFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PrinterFailure, EndsWithTheCodeItsMessageAndAClosedLink) {
  const FailureCase& c = GetParam();
  ScratchFolder folder;
  const std::wstring file = (folder / "out.prn").wstring();
  std::unique_ptr<Simulator> sim;
  if (c.simArguments != nullptr) {
    sim = std::make_unique<Simulator>(c.connections, c.simArguments);
    ASSERT_NE(sim->port(), 0);
  }
  const std::wstring link = sim ? sim->link() : RefusedLink();
  std::vector<std::wstring> args = {c.command, L"--link", link};
  if (c.command == std::wstring_view(L"receive")) args.insert(args.end(), {L"-o", file});
  auto run = RunPrinter(args);
  EXPECT_EQ(run->status, c.status);
  EXPECT_TRUE(run->output.err.starts_with(L"code : " + std::to_wstring(c.status) + L"\n"));
  EXPECT_NE(run->output.err.find(L"\nvostrel-cli: "), std::wstring::npos);
  EXPECT_EQ(run->output.out, L"");
  EXPECT_FALSE(std::filesystem::exists(file));
  // The simulator ends only once the command closed every connection it made.
  if (sim) {
    EXPECT_EQ(sim->ExitCode(), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrinterFailure,
    ::testing::Values(
        FailureCase{"ReceiveNobodyListens", L"receive", nullptr, 0, kExitLinkNotOpened},
        FailureCase{"InfoNobodyListens", L"info", nullptr, 0, kExitLinkNotOpened},
        FailureCase{"ReceiveNoHeaderEvenWithoutTheFirstByte", L"receive", L"--no-header", 2, kExitReadFailed},
        FailureCase{"ReceivePrinterClosesEarly", L"receive", L"--close-after 20", 2, kExitReadFailed},
        FailureCase{"ReceiveGarbageThenClosed", L"receive", L"--garbage --close-after 60", 2, kExitReadFailed},
        FailureCase{"InfoGarbage", L"info", L"--garbage", 1, kExitReadFailed},
        FailureCase{"InfoPrinterClosesEarly", L"info", L"--close-after 3", 1, kExitReadFailed}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PrinterFailureMessage, IsTheProgramsNumberedMessageInEnglishWithTheCause) {
  // The tests run in Japanese: the companion still speaks one language, English.
  auto run = RunPrinter({L"info", L"--link", RefusedLink()});
  EXPECT_EQ(run->status, kExitLinkNotOpened);
  EXPECT_TRUE(run->output.err.starts_with(L"code : 30\nOpen port error.\n"))
      << std::string(run->output.err.begin(), run->output.err.end());
  EXPECT_NE(run->output.err.find(L"connection refused: the printer is on, but its raw TCP port is off or not "),
            std::wstring::npos);
}

// The value after "KEY" up to the line's end in a reply.
std::string ValueAfter(const std::string& reply, const std::string& key) {
  const std::size_t at = reply.find(key);
  if (at == std::string::npos) return "<missing>";
  const std::size_t end = reply.find("\r\n", at);
  return reply.substr(at + key.size(), end - at - key.size());
}

std::wstring Widened(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

TEST(InfoCommand, SendsTheInformationRequestWithoutPauseAndPrintsFourLines) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  auto run = RunPrinter({L"info", L"--link", sim.link()});
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(run->status, kExitOk);
  EXPECT_EQ(sim.Captured(1, "in"), kInfoRequest);
  EXPECT_EQ(PauseSteps(*run), 0u);
  EXPECT_TRUE(run->progress.empty());

  const std::string reply = sim.Captured(1, "out");
  const std::wstring expected = L"Serial Number : " + Widened(ValueAfter(reply, "Serial Number : ")) + L"\n" +
                                L"Print Counter : " + Widened(ValueAfter(reply, "Print Counter Length ")) + L"\n" +
                                L"Service Counter : " + Widened(ValueAfter(reply, "Service Counter Length ")) + L"\n" +
                                L"Cut Counter : " + Widened(ValueAfter(reply, "Cut Counter ")) + L"\n";
  EXPECT_EQ(run->output.out, expected);
  EXPECT_EQ(expected.find(L"<missing>"), std::wstring::npos);
}

const std::string kScript = "PRINT DARKNESS\t:\t12\r\nHOST NAME\t:\tlabel-7\r\nEND\r\n";

TEST(SendCommand, PutsThePrefixAndTheFilesScriptOnTheWire) {
  const struct {
    const char* name;
    std::string file;
  } cases[] = {
      {"exported file", kPrefix + kScript},
      {"header only", kPrefix.substr(0, 11) + kScript},
      {"first header line only", kPrefix.substr(0, 5) + kScript},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const std::wstring file = Write(folder, "settings.prn", c.file);
    Simulator sim(3);
    ASSERT_NE(sim.port(), 0);
    auto sent = RunPrinter({L"send", L"--link", sim.link(), file});
    auto received = RunPrinter({L"receive", L"--raw", L"--link", sim.link()});
    EXPECT_EQ(sim.ExitCode(), 0u);
    EXPECT_EQ(sent->status, kExitOk);
    EXPECT_EQ(sent->output.err, L"");
    EXPECT_EQ(PauseSteps(*sent), 0u);
    EXPECT_EQ(sim.Captured(1, "in"), kPrefix + kScript);
    // The printer took the settings.
    EXPECT_NE(received->output.out.find(L"PRINT DARKNESS#1\t1\t12\t"), std::wstring::npos);
    EXPECT_NE(received->output.out.find(L"HOST NAME#11\t1\tlabel-7\t"), std::wstring::npos);
  }
}

TEST(SendCommand, RefusesAFileWithRejectedSettingsBeforeOpeningTheLink) {
  ScratchFolder folder;
  const std::wstring file = Write(
      folder, "bad.prn", kPrefix + "PRINT SPEED\t:\t9 IPS\r\nPRINT DARKNESS\t:\t31\r\nTIMEOUT\t:\t300\r\nEND\r\n");
  // Nobody listens on the link: had it been opened, the status would be 30.
  auto run = RunPrinter({L"send", L"--link", RefusedLink(), file});
  EXPECT_EQ(run->status, kExitRejectedSettings);
  EXPECT_TRUE(run->output.err.starts_with(L"code : 23\n"));
  EXPECT_NE(run->output.err.find(L"\nvostrel-cli: rejected: PRINT SPEED#0\n"), std::wstring::npos);
  EXPECT_NE(run->output.err.find(L"\nvostrel-cli: rejected: PRINT DARKNESS#1\n"), std::wstring::npos);
  EXPECT_EQ(run->output.err.find(L"TIMEOUT"), std::wstring::npos);
}

TEST(SendCommand, FilesThatCannotBeReadKeepTheirStatus) {
  ScratchFolder folder;
  const std::wstring notSettings = Write(folder, "note.txt", "hello\r\n");
  auto missing = RunPrinter({L"send", L"--link", RefusedLink(), (folder / "none.prn").wstring()});
  EXPECT_EQ(missing->status, kExitNotOpened);
  auto wrong = RunPrinter({L"send", L"--link", RefusedLink(), notSettings});
  EXPECT_EQ(wrong->status, kExitStartNotAccepted);
}

TEST(SendCommand, HandsThePrefixAndScriptToAQueueAsOneRawJob) {
  using vostrel::testing_support::CapturedPort;
  using vostrel::testing_support::TestQueue;
  using vostrel::testing_support::UniqueSuffix;
  ScratchFolder folder;
  const std::wstring file = Write(folder, "settings.prn", kPrefix + kScript);
  CapturedPort port(L"VCLIJOB" + UniqueSuffix() + L":");
  TestQueue queue(L"Vostrel cli job " + UniqueSuffix(), port.port());
  ASSERT_TRUE(queue.added());
  auto run = RunPrinter({L"send", L"--link", L"queue:" + queue.name(), file});
  EXPECT_EQ(run->status, kExitOk);
  EXPECT_EQ(port.Bytes(), kPrefix + kScript);

  auto missing = RunPrinter({L"send", L"--link", L"queue:No such queue " + UniqueSuffix(), file});
  EXPECT_EQ(missing->status, kExitLinkNotOpened);
  EXPECT_TRUE(missing->output.err.starts_with(L"code : 30\n"));
}

}  // namespace
}  // namespace vostrel::cli

#endif  // _WIN32
