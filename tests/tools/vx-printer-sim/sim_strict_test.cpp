// --strict: the simulated printer answers a configuration request only when
// the pre-request came the printer's pause before it, on its own clock; and
// what a printer of a fleet and the end-of-run summary count.
#include <gtest/gtest.h>

#include "sim_links.h"
#include "sim_session.h"
#include "support/fake_clock.h"

namespace vostrel::sim {
namespace {

using vostrel::testing::FakeClock;

const std::string kPre(kPrefix);
const std::string kPreRequest("\x01#\0", 3);
const std::string kConfigRequest = kPre + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";

// One connection: the bytes, then the client closes; what was sent back.
std::string Connection(Printer& printer, StrictPause& strict, const std::string& bytes,
                       std::vector<std::string>* events = nullptr) {
  Session session(printer, {});
  session.SetStrict(&strict);
  std::string sent;
  for (const Step& step : session.Receive(bytes)) sent += step.bytes;
  session.Finish();
  if (events != nullptr) *events = session.TakeEvents();
  return sent;
}

bool Mentions(const std::vector<std::string>& events, const std::string& part) {
  for (const std::string& event : events) {
    if (event.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(SimStrict, AnswersOnlyAfterTheWholePauseSinceThePreRequest) {
  struct Case {
    const char* name;
    bool preRequest;
    std::uint32_t waitMs;
    bool answered;
    const char* logged;
  };
  const Case cases[] = {
      {"the whole pause", true, kStrictTcpPauseMs, true, "ms before the configuration request"},
      {"one millisecond short", true, kStrictTcpPauseMs - 1, false, "19999 ms before the configuration request, 20000"},
      {"no pause at all", true, 0, false, "only 0 ms"},
      {"no pre-request", false, kStrictTcpPauseMs, false, "without a pre-request"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Printer printer({});
    FakeClock clock;
    StrictPause strict{&clock, kStrictTcpPauseMs};
    if (c.preRequest) {
      EXPECT_EQ(Connection(printer, strict, kPreRequest), "");
    }
    clock.Sleep(c.waitMs);
    std::vector<std::string> events;
    const std::string sent = Connection(printer, strict, kConfigRequest, &events);
    EXPECT_EQ(!sent.empty(), c.answered);
    if (c.answered) {
      EXPECT_TRUE(sent.ends_with("END\r\n"));
    }
    EXPECT_TRUE(Mentions(events, c.logged));
  }
}

TEST(SimStrict, APreRequestServesOneRequestAndNonStrictAnswersAtOnce) {
  Printer printer({});
  FakeClock clock;
  StrictPause strict{&clock, kStrictComPauseMs};
  Connection(printer, strict, kPreRequest);
  clock.Sleep(kStrictComPauseMs);
  EXPECT_FALSE(Connection(printer, strict, kConfigRequest).empty());
  // The next request needs a pre-request of its own.
  EXPECT_TRUE(Connection(printer, strict, kConfigRequest).empty());

  StrictPause lenient{nullptr, kStrictComPauseMs};
  EXPECT_FALSE(Connection(printer, lenient, kConfigRequest).empty());
}

TEST(SimStrict, PrintersOfAFleetHaveSerialNumbersOfTheirOwnAndCountWhatChanged) {
  Hardware first;
  Hardware second;
  second.unit = 2;
  Printer a(first);
  Printer b(second);
  EXPECT_EQ(a.SerialNumber(), "4A1203578");
  EXPECT_EQ(b.SerialNumber(), "4A1203502");
  EXPECT_EQ(b.InformationLine(InfoItem::SerialNumber), "Serial Number : 4A1203502\r\n");

  StrictPause none;
  Connection(b, none, kPre + "PRINT DARKNESS\t:\t12\r\nPRINT DARKNESS\t:\t99\r\nHOST NAME\t:\tx\r\nEND\r\n");
  EXPECT_EQ(b.settingsChanged(), 2);
  EXPECT_EQ(a.settingsChanged(), 0);
}

}  // namespace
}  // namespace vostrel::sim
