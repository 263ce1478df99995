// One connection of the simulated printer: commands, replies and faults, with
// the bytes fed in one piece and in small pieces.
#include "sim_session.h"

#include <gtest/gtest.h>

namespace vostrel::sim {
namespace {

const std::string kPre(kPrefix);
const std::string kConfigRequest = kPre + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kInfoRequest =
    kPre + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";

struct Exchange {
  std::string sent;  // every byte of every step, in order
  std::vector<Step> steps;
  std::vector<PrintJob> jobs;
  std::vector<std::string> events;
  bool closed = false;
};

// Feeds `bytes` in pieces of `piece` bytes (0: all at once) and lets the client close.
Exchange Talk(Printer& printer, const Faults& faults, std::string_view bytes, std::size_t piece = 0) {
  Session session(printer, faults);
  Exchange exchange;
  if (piece == 0) piece = bytes.size() + 1;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    for (Step& step : session.Receive(bytes.substr(at, piece))) {
      exchange.sent += step.bytes;
      exchange.steps.push_back(std::move(step));
    }
  }
  session.Finish();
  exchange.jobs = session.TakeJobs();
  exchange.events = session.TakeEvents();
  exchange.closed = session.closed();
  return exchange;
}

std::string ExpectedListing(const Printer& printer) {
  return std::string(kListingHeader) + printer.ListingBody() + "END\r\n";
}

class InPieces : public ::testing::TestWithParam<std::size_t> {};

TEST_P(InPieces, ConfigurationRequestGetsTheHeaderFramedListing) {
  Printer printer({});
  const Exchange exchange = Talk(printer, {}, kConfigRequest, GetParam());
  EXPECT_EQ(exchange.sent, ExpectedListing(printer));
  EXPECT_TRUE(exchange.jobs.empty());
}

TEST_P(InPieces, InformationRequestGetsItsFourLinesInOrder) {
  Printer printer({});
  const Exchange exchange = Talk(printer, {}, kInfoRequest, GetParam());
  EXPECT_EQ(exchange.sent,
            "Serial Number : 4A1203578\r\nPrint Counter Length 1523.4 m\r\nService Counter Length 231.5 m\r\n"
            "Cut Counter 4217\r\n");
}

TEST_P(InPieces, ScriptChangesWhatTheNextConnectionsListingSays) {
  Printer printer({});
  const Exchange script = Talk(printer, {},
                               kPre +
                                   "PRINT DARKNESS\t:\t25\r\nIPV4 DHCP\t:\tON\r\nPRINT SPEED\t:\t99 IPS\r\n"
                                   "CONTINUOUS MEDIA LENGTH\t:\t50\tMM\r\nEND\r\n",
                               GetParam());
  EXPECT_TRUE(script.sent.empty());
  const Exchange listing = Talk(printer, {}, kConfigRequest, GetParam());
  EXPECT_NE(listing.sent.find("\r\nPRINT DARKNESS\t:\t25\r\n"), std::string::npos);
  EXPECT_NE(listing.sent.find("\r\nIPV4 DHCP\t:\tON\r\n"), std::string::npos);
  EXPECT_NE(listing.sent.find("\r\nCONTINUOUS MEDIA LENGTH\t:\t50.0\tMM\r\n"), std::string::npos);
  // The refused speed left the factory value.
  EXPECT_NE(listing.sent.find("\r\nPRINT SPEED\t:\t6 IPS\r\n"), std::string::npos);
}

TEST_P(InPieces, PrintJobsKeepTheirExactBytesAndAScriptAfterOneStillApplies) {
  Printer printer({});
  const std::string data = "^XA^FO50,50^FDU\n~WC\n^FS^XZ\r\n";
  const Exchange exchange = Talk(printer, {}, data + kPre + "PRINT DARKNESS\t:\t3\r\nEND\r\n", GetParam());
  ASSERT_EQ(exchange.jobs.size(), 1u);
  EXPECT_EQ(exchange.jobs[0].kind, JobKind::Data);
  EXPECT_EQ(exchange.jobs[0].bytes, data);  // commands inside a job stay part of it
  EXPECT_EQ(printer.Value("PRINT DARKNESS"), "3");
  EXPECT_EQ(printer.printedJobs(), 1);
}

INSTANTIATE_TEST_SUITE_P(Sim, InPieces, ::testing::Values(0u, 1u, 5u, 16u));

TEST(SimSession, AFullScriptAsTheProgramWritesItComesBackInTheListing) {
  struct Line {
    std::string_view sent;
    std::string_view listed;
  };
  const Line lines[] = {
      {"PRINT SPEED\t:\t4 IPS", "PRINT SPEED\t:\t4 IPS"},
      {"PRINT DARKNESS\t:\t10", "PRINT DARKNESS\t:\t10"},
      {"PRINT METHOD\t:\tDT", "PRINT METHOD\t:\tDT"},
      {"CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM", "CONTINUOUS MEDIA LENGTH\t:\t100.0\tMM"},
      {"MEDIA SENSOR\t:\tREFLECT", "MEDIA SENSOR\t:\tREFLECT"},
      {"IPV4 ADDRESS\t:\t192,168,10,21", "IPV4 ADDRESS\t:\t192,168,10,21"},
      {"IPV4 SUBNET MASK\t:\t255,255,0,0", "IPV4 SUBNET MASK\t:\t255,255,0,0"},
      {"PORT NUMBER\t:\t9101", "PORT NUMBER\t:\t9101"},
      {"TIMEOUT\t:\t120\tSEC", "TIMEOUT\t:\t120\tSEC"},
      {"RS-232C BAUD\t:\t19200", "RS-232C BAUD\t:\t19200"},
      {"IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,2,0,0,0,0,0,0,1", "IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,2,0,0,0,0,0,0,1"},
      {"MACH TEAR POS\t:\t-12\tDOTS", "MACH TEAR POS\t:\t-12\tDOTS"},
      {"SEE THROUGH SENSOR\t:\t2.5\tV", "SEE THROUGH SENSOR\t:\t2.5\tV"},
      {"ADJ THROUGH CAL LEVEL\t:\t1.05\tV", "ADJ THROUGH CAL LEVEL\t:\t1.05\tV"},
      {"DOUBLE HEAT MENU\t:\tON", "DOUBLE HEAT\t:\tON"},
      {"DOUBLE HEAT\t:\tON", "DOUBLE HEAT\t:\tON"},
      {"TT HOT HEATRATE ADJUST\t:\t0.5\t%", "TT HOT HEATRATE ADJUST\t:\t0.5\t%"},
      {"HEAD CHECK START POS\t:\tDOT\t1", "HEAD CHECK START POS\t:\tDOT\t1"},
      {"USB SERIAL NUMBER\t:\tON", "USB SERIAL NUMBER\t:\tON"},
      {"SERIAL NUMBER\t:\tA123", "SERIAL NUMBER\t:\tA123"},
      {"HEAD CLEAN MESSAGE\t:\t5000\tM", "HEAD CLEAN MESSAGE\t:\t5000\tM"},
      {"HEAD CHECK PATTERN WIDTH\t:\t800\tDOTS", "HEAD CHECK PATTERN WIDTH\t:\t800\tDOTS"},
  };
  std::string script = kPre;
  for (const Line& line : lines) script += std::string(line.sent) + "\r\n";
  script += "END\r\n";
  Printer printer({});
  const Exchange exchange = Talk(printer, {}, script + kConfigRequest);
  for (const Line& line : lines) {
    std::string listed(1, '\n');
    listed.append(line.listed).append("\r\n");
    EXPECT_NE(exchange.sent.find(listed), std::string::npos) << line.sent;
  }
  for (const std::string& event : exchange.events) EXPECT_FALSE(event.starts_with("value refused")) << event;
}

TEST(SimSession, PreRequestIsTakenSilentlyAndTheRequestAfterItIsAnswered) {
  Printer printer({});
  EXPECT_TRUE(Talk(printer, {}, std::string("\x01#\x00", 3)).sent.empty());
  const Exchange exchange = Talk(printer, {}, std::string("\x01#\x00", 3) + kConfigRequest);
  EXPECT_EQ(exchange.sent, ExpectedListing(printer));
  EXPECT_TRUE(exchange.jobs.empty());
}

TEST(SimSession, SelfTestAndSamplePrintOfEachLanguageArePrintJobs) {
  struct Case {
    std::string_view bytes;
    JobKind kind;
  };
  const Case cases[] = {{"~WC\n", JobKind::SelfTest},
                        {"U\n", JobKind::SelfTest},
                        {"\x02Z\r\n", JobKind::SelfTest},
                        {"~!Q4\n", JobKind::SamplePrint},
                        {"\x02\x1bQ4\r\n", JobKind::SamplePrint}};
  for (const Case& c : cases) {
    Printer printer({});
    // As a client does it: the language check first, then the command.
    const Exchange exchange = Talk(printer, {}, kConfigRequest + std::string(c.bytes), 1);
    EXPECT_EQ(exchange.sent, ExpectedListing(printer));
    ASSERT_EQ(exchange.jobs.size(), 1u) << c.bytes;
    EXPECT_EQ(exchange.jobs[0].kind, c.kind) << c.bytes;
    EXPECT_EQ(exchange.jobs[0].bytes, c.bytes);
  }
}

TEST(SimSession, SensorAdjustmentAppliesItsSettingsAndAnswersAsConfigured) {
  struct Case {
    CalibrationAnswer answer;
    std::string_view reply;
  };
  const Case cases[] = {
      {CalibrationAnswer::Succeeded, "AUTO CALIBRATION : SUCCEEDED\r\n"},
      {CalibrationAnswer::Failed, "AUTO CALIBRATION : FAILED\r\n"},
      {CalibrationAnswer::UnknownWord, "AUTO CALIBRATION : DONE\r\n"},
      {CalibrationAnswer::ExtraLine, "AUTO CALIBRATION : SUCCEEDED\r\nOK\r\n"},
      {CalibrationAnswer::EmptyLineFirst, "\r\nAUTO CALIBRATION : SUCCEEDED\r\n"},
      {CalibrationAnswer::OkFirst, "OK\r\nAUTO CALIBRATION : SUCCEEDED\r\n"},
      {CalibrationAnswer::NoResult, "AUTO CALIBRATION :\r\n"},
      {CalibrationAnswer::TwoBytes, "OK"},
  };
  for (const Case& c : cases) {
    Printer printer({});
    Faults faults;
    faults.calibration = c.answer;
    const Exchange exchange =
        Talk(printer, faults, kPre + "MEDIA SENSOR\t:\tREFLECT\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n");
    EXPECT_EQ(exchange.sent, c.reply);
    EXPECT_EQ(printer.Value("MEDIA SENSOR"), "REFLECT");
  }
  // A plain script gets no answer.
  Printer printer({});
  EXPECT_TRUE(Talk(printer, {}, kPre + "MEDIA SENSOR\t:\tREFLECT\r\nEND\r\n").sent.empty());
}

TEST(SimSession, RfidStatusPollIsAnsweredOnlyAfterAStartOnAnRfidPrinter) {
  const std::string start = "\x02\x1biC\r\n";
  const std::string poll =
      "\x01"
      "A\r\n";
  struct Case {
    bool rfid;
    bool ok;
    std::string bytes;
    std::string_view reply;
  };
  const Case cases[] = {
      {true, true, start + poll, "iC:OK\r\n"},
      {true, false, start + poll + poll, "iC:NG\r\niC:NG\r\n"},
      {true, true, poll, ""},
      {false, true, start + poll, ""},
  };
  for (const Case& c : cases) {
    Printer printer({.rfid = c.rfid});
    Faults faults;
    faults.rfidOk = c.ok;
    const Exchange exchange = Talk(printer, faults, c.bytes, 1);
    EXPECT_EQ(exchange.sent, c.reply);
    EXPECT_TRUE(exchange.jobs.empty());
    EXPECT_EQ(printer.Value("RFID CALIB EXECUTED"), c.rfid && c.ok && !c.reply.empty() ? "YES" : "NO");
  }
}

TEST(SimFaults, ListingFaultsChangeTheListingAsNamed) {
  Printer printer({});
  const std::string body = printer.ListingBody();
  const std::string header(kListingHeader);
  struct Case {
    Faults faults;
    std::string expected;
  };
  const Case cases[] = {
      {{.strayByte = true}, "\x06" + header + body + "END\r\n"},
      {{.noHeader = true}, body + "END\r\n"},
      {{.noEnd = true}, header + body},
      {{.silent = true}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Talk(printer, c.faults, kConfigRequest).sent, c.expected);
}

TEST(SimFaults, LongListingsCarryTheirSettingsPastTheOldBufferAndStillEndWithEnd) {
  Printer printer({.rfid = true});
  const std::string body = printer.ListingBody();
  const struct {
    Faults faults;
    std::size_t atLeast;
  } cases[] = {{{.longReply = true}, 6600}, {{.listingSize = 9000}, 9000}};
  for (const auto& c : cases) {
    const std::string sent = Talk(printer, c.faults, kConfigRequest).sent;
    EXPECT_GE(sent.size(), c.atLeast);
    EXPECT_LT(sent.size(), c.atLeast + 100);
    EXPECT_TRUE(sent.starts_with(kListingHeader));
    // The padding goes in front, so that the last sections lie past 4096 bytes.
    EXPECT_TRUE(sent.ends_with("\r\n" + body + "END\r\n"));
    EXPECT_GT(sent.find("RFID"), 4096u);
    EXPECT_EQ(sent.find("\r\n\r\n"), std::string::npos);
  }
}

TEST(SimFaults, GarbageReplacesEveryReplyWithBytesThatFrameNothing) {
  Printer printer({});
  for (const std::string& request : {kConfigRequest, kInfoRequest}) {
    const std::string honest = Talk(printer, {}, request).sent;
    const std::string sent = Talk(printer, {.garbage = true}, request).sent;
    EXPECT_EQ(sent.size(), honest.size());
    EXPECT_NE(sent.substr(0, 5), "~!!\r\n");
    EXPECT_EQ(sent.find("END"), std::string::npos);
    EXPECT_EQ(sent.find("Serial Number"), std::string::npos);
  }
}

TEST(SimFaults, CloseAndResetAfterSendExactlyThatManyBytesThenEnd) {
  Printer printer({});
  const std::string honest = Talk(printer, {}, kConfigRequest).sent;
  for (const bool reset : {false, true}) {
    for (long long limit : {0LL, 1LL, 100LL}) {
      // Further requests on the same connection are not answered.
      const Faults faults = reset ? Faults{.resetAfter = limit} : Faults{.closeAfter = limit};
      const Exchange exchange = Talk(printer, faults, kConfigRequest + kConfigRequest);
      EXPECT_EQ(exchange.sent, honest.substr(0, static_cast<std::size_t>(limit)));
      EXPECT_TRUE(exchange.closed);
      ASSERT_FALSE(exchange.steps.empty());
      EXPECT_TRUE(exchange.steps.back().close);
      EXPECT_EQ(exchange.steps.back().reset, reset);
    }
  }
  // A limit beyond the reply leaves the connection open.
  const Exchange whole = Talk(printer, {.closeAfter = 100000}, kConfigRequest);
  EXPECT_EQ(whole.sent, honest);
  EXPECT_FALSE(whole.closed);
}

TEST(SimFaults, DripSendsOneByteAtATimeWithThePauseAfterEach) {
  Printer printer({});
  const Exchange exchange = Talk(printer, {.dripMs = 250}, kInfoRequest);
  ASSERT_FALSE(exchange.steps.empty());
  EXPECT_EQ(exchange.sent, Talk(printer, {}, kInfoRequest).sent);
  for (const Step& step : exchange.steps) {
    EXPECT_EQ(step.bytes.size(), 1u);
    EXPECT_EQ(step.pauseMs, 250u);
  }
}

TEST(SimSession, ConnectionEndingInsideAJobStillPrintsIt) {
  Printer printer({});
  // "~!" could begin a prefix or a sample print; at the end it is data.
  const Exchange exchange = Talk(printer, {}, "~!");
  ASSERT_EQ(exchange.jobs.size(), 1u);
  EXPECT_EQ(exchange.jobs[0].bytes, "~!");
}

}  // namespace
}  // namespace vostrel::sim
