// The printer exchange against a printer stand-in on loopback TCP, played on
// a thread of the test: what goes on the wire, what comes back, and how a
// faulty reply ends. The pause runs on a fake clock.
#include "operations/printer_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "link/printer_link.h"
#include "link/tcp_peer.h"
#include "support/loopback_clock.h"
#include "support/simulator_process.h"

namespace vostrel {
namespace {

using testing::LoopbackClock;
using testing::Simulator;
using testing_support::TcpPeer;

const std::string kPrefix(kCommandPrefix);
const std::string kConfigRequest = kPrefix + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";
const std::string kInfoRequest =
    kPrefix + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";
const std::string kHeader(kReplyHeader);

class RecordingFront final : public ExchangeFront {
 public:
  void ShowPause(int secondsLeft) override { pauses.push_back(secondsLeft); }
  void ShowOutcome(const ExchangeOutcome& outcome) override { outcomes.push_back(outcome.code); }
  std::vector<int> pauses;
  std::vector<ResultCode> outcomes;
};

// One command's link and exchange, pointed at a peer on loopback.
class ExchangeTest : public ::testing::Test {
 protected:
  ExchangeTest() : link(prefs, driverKind, clock), exchange(link, prefs, clock, front, L"net:test") {
    prefs.portKind = PortKind::Net;
    prefs.portName = L"127.0.0.1";
    prefs.portNumber = peer.portText();
  }
  ~ExchangeTest() override {
    if (printer.joinable()) printer.join();
  }

  // The printer: takes the pre-request on a connection of its own, then the
  // request on a second one, and answers with `reply`.
  void ServeListing(std::string reply) {
    printer = std::thread([this, reply] {
      if (!peer.Accept()) return;
      received.push_back(peer.Receive(3));
      peer.SeesClosed(5000);
      peer.CloseConnection();
      if (!peer.Accept()) return;
      received.push_back(peer.Receive(kConfigRequest.size()));
      peer.Send(reply);
      peer.SeesClosed(5000);
    });
  }

  TcpPeer peer;
  PreferencesRecord prefs;
  PortKind driverKind = PortKind::None;
  LoopbackClock clock;
  RecordingFront front;
  PrinterLink link;
  PrinterExchange exchange;
  std::thread printer;
  std::vector<std::string> received;
};

// A listing of `size` bytes: the header, numbered lines, and the END line
// unless asked otherwise.
std::string ListingOf(std::size_t size, bool withEnd) {
  std::string listing = kHeader;
  const std::string end = withEnd ? "END\r\n" : "";
  for (int i = 0; listing.size() + end.size() < size; ++i) listing += "RESERVED " + std::to_string(i) + "\t:\t0\r\n";
  listing.resize(size - end.size(), 'x');
  return listing + end;
}

TEST_F(ExchangeTest, ReceiveListingTakesAWholeListingUpToTheReadersRoom) {
  // Beyond the 4095 bytes of the link's own reply buffer, up to the 8191
  // bytes the listing reader takes.
  for (const std::size_t size : {std::size_t{4600}, std::size_t{kListingRoom}}) {
    SCOPED_TRACE(size);
    const std::string sent = ListingOf(size, true);
    ASSERT_EQ(sent.size(), size);
    ServeListing(sent);
    ReceivedListing listing;
    const ExchangeOutcome outcome = exchange.ReceiveListing(kConfigRequest, listing);
    printer.join();
    EXPECT_TRUE(outcome.done()) << std::string(outcome.detail.begin(), outcome.detail.end());
    EXPECT_EQ(listing.bytes, sent);
    EXPECT_EQ(listing.header, HeaderPresence::Whole);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], std::string(kPreRequestCommand));
    EXPECT_EQ(received[1], kConfigRequest);
    received.clear();
  }
}

TEST_F(ExchangeTest, AListingThatFillsItsRoomWithoutItsEndIsAFailedRead) {
  ServeListing(ListingOf(9000, false));
  ReceivedListing listing;
  const ExchangeOutcome outcome = exchange.ReceiveListing(kConfigRequest, listing);
  printer.join();
  EXPECT_EQ(outcome.code, ResultCode::kReadFailed);
  EXPECT_NE(outcome.detail.find(L"without its END line"), std::wstring::npos);
  EXPECT_TRUE(listing.bytes.empty());
  EXPECT_FALSE(link.socket.valid());
}

TEST_F(ExchangeTest, ThePauseCountsDownTheSecondsOnTheClock) {
  ServeListing(kHeader + "END\r\n");
  ReceivedListing listing;
  EXPECT_TRUE(exchange.ReceiveListing(kConfigRequest, listing).done());
  printer.join();
  std::vector<int> expected;
  for (int left = 20; left >= 1; --left) expected.push_back(left);
  EXPECT_EQ(front.pauses, expected);
  const auto& sleeps = clock.fake().sleeps();
  EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), kPauseStepMs), 200);
  // The exchange never shows the outcome itself: its caller does, once it
  // has put the link choice back.
  EXPECT_TRUE(front.outcomes.empty());
}

TEST_F(ExchangeTest, AStrayByteBeforeTheHeaderIsForgivenOnce) {
  const struct {
    const char* name;
    std::string sent;
    ResultCode code;
    std::string kept;
    HeaderPresence header;
  } cases[] = {
      {"stray byte", "\x06" + kHeader + "END\r\n", ResultCode::kDone, kHeader + "END\r\n", HeaderPresence::Whole},
      {"first header line only", "~!!\r\nEND\r\n", ResultCode::kDone, "~!!\r\nEND\r\n", HeaderPresence::OnePart},
      {"two stray bytes", "\x06\x06" + kHeader + "END\r\n", ResultCode::kReadFailed, "", HeaderPresence::Whole},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ServeListing(c.sent);
    ReceivedListing listing;
    EXPECT_EQ(exchange.ReceiveListing(kConfigRequest, listing).code, c.code);
    printer.join();
    EXPECT_EQ(listing.bytes, c.kept);
    EXPECT_EQ(listing.header, c.header);
  }
  EXPECT_EQ(ListingText(ReceivedListing{"~!!\r\nA\r\n", HeaderPresence::OnePart}), L"\r\n~!!\r\nA\r\n");
}

TEST_F(ExchangeTest, AnInformationReplyFollowedByACloseIsWhole) {
  const std::string reply = "Serial Number : 1234\r\nPrint Counter Length 56 m\r\n";
  for (const bool closes : {true, false}) {
    SCOPED_TRACE(closes ? "closed at once" : "left open");
    printer = std::thread([&] {
      if (!peer.Accept()) return;
      received.push_back(peer.Receive(kInfoRequest.size()));
      peer.Send(reply);
      if (closes) {
        peer.CloseConnection();
      } else {
        peer.SeesClosed(5000);
      }
    });
    std::string got;
    const ExchangeOutcome outcome = exchange.ReceiveInformation(kInfoRequest, got);
    printer.join();
    EXPECT_TRUE(outcome.done()) << outcome.linkStatus;
    EXPECT_EQ(got, reply);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], kInfoRequest);
    received.clear();
    peer.CloseConnection();
  }
}

TEST_F(ExchangeTest, AnInformationReplyCutByACloseOrAResetIsAFailedRead) {
  const auto ask = [this](const std::wstring& faults, std::string& got) {
    Simulator sim(1, faults);
    prefs.portNumber = std::to_wstring(sim.port());
    const ExchangeOutcome outcome = exchange.ReceiveInformation(kInfoRequest, got);
    EXPECT_FALSE(link.socket.valid());
    return outcome;
  };
  std::string whole;
  ASSERT_TRUE(ask(L"", whole).done());
  ASSERT_TRUE(whole.ends_with("\r\n"));
  const std::size_t size = whole.size();
  const struct {
    std::wstring fault;
    std::size_t after;
    bool done;
  } cases[] = {
      {L"--close-after", 54, false},
      {L"--close-after", size - 8, false},
      {L"--close-after", size - 1, false},
      {L"--reset-after", 54, false},
      {L"--reset-after", size - 8, false},
      // Closed right after its last line: the close ends it as silence would.
      {L"--close-after", size, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fault.begin(), c.fault.end()) + " " + std::to_string(c.after));
    std::string got;
    const ExchangeOutcome outcome = ask(c.fault + L" " + std::to_wstring(c.after), got);
    EXPECT_EQ(outcome.done(), c.done);
    EXPECT_EQ(got, c.done ? whole : "");
    if (!c.done) {
      EXPECT_EQ(outcome.code, ResultCode::kReadFailed);
    }
  }
}

TEST_F(ExchangeTest, EachFailureHasItsCodeAndLeavesTheLinkClosed) {
  // A printer that takes the request and closes without a byte.
  printer = std::thread([this] {
    if (!peer.Accept()) return;
    peer.Receive(kInfoRequest.size());
    peer.CloseConnection();
  });
  std::string got;
  ExchangeOutcome outcome = exchange.ReceiveInformation(kInfoRequest, got);
  printer.join();
  EXPECT_EQ(outcome.code, ResultCode::kReadFailed);
  EXPECT_EQ(outcome.linkStatus, kLinkConnectionLost);
  EXPECT_FALSE(link.socket.valid());

  // Nobody listens: the link does not open, nothing is paused.
  {
    TcpPeer gone;
    prefs.portNumber = gone.portText();
  }
  ReceivedListing listing;
  outcome = exchange.ReceiveListing(kConfigRequest, listing);
  EXPECT_EQ(outcome.code, ResultCode::kLinkNotOpened);
  EXPECT_EQ(outcome.detail, L"the link net:test did not open");
  EXPECT_TRUE(front.pauses.empty());
  EXPECT_EQ(exchange.Send(kPrefix + "END\r\n").code, ResultCode::kLinkNotOpened);

  // An empty request is a failed write (a NET write of zero bytes).
  prefs.portNumber = peer.portText();
  printer = std::thread([this] { peer.Accept(); });
  outcome = exchange.ReceiveInformation("", got);
  printer.join();
  EXPECT_EQ(outcome.code, ResultCode::kWriteFailed);
  EXPECT_EQ(outcome.linkStatus, kLinkMissingArgument);
  EXPECT_FALSE(link.socket.valid());

  // A printer queue that does not exist.
  prefs.portKind = PortKind::Prt;
  prefs.portName = L"No such queue of the exchange test";
  outcome = exchange.Send(kPrefix + "END\r\n");
  EXPECT_EQ(outcome.code, ResultCode::kLinkNotOpened);
  EXPECT_EQ(outcome.linkStatus, kLinkQueueNotOpened);
}

TEST(ExchangeRequests, AreBuiltForTheStoresModelWithThePrefix) {
  SettingsStore store;
  SendBuffer buffer;
  EXPECT_EQ(BuildRequestBytes(store, RequestKind::Configuration, buffer), kConfigRequest);
  EXPECT_EQ(BuildRequestBytes(store, RequestKind::Information, buffer), kInfoRequest);
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Net), 200);
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Com), 50);
  EXPECT_EQ(PreRequestPauseSteps(PortKind::Usb), 50);
}

}  // namespace
}  // namespace vostrel
