#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "link/host_shell.h"
#include "link/printer_link.h"
#include "link/tcp_peer.h"
#include "support/fake_clock.h"

namespace vostrel {
namespace {

using testing_support::RunOnHost;
using testing_support::TcpPeer;
using vostrel::testing::FakeClock;

struct Reply {
  LinkStatus status;
  std::uint32_t count;
  std::string bytes;  // the whole buffer up to its first zero
};

Reply ReadReply(PrinterLink& link, ReplyRule rule) {
  char buffer[kReplyBufferSize] = {};
  std::uint32_t count = 0;
  const LinkStatus status = link.Read(buffer, sizeof buffer, rule, &count);
  return {status, count, std::string(buffer)};
}

// Preferences that point the link at a peer's listening port.
PreferencesRecord NetPrefs(const TcpPeer& peer, const wchar_t* address = L"127.0.0.1") {
  PreferencesRecord prefs;
  prefs.portKind = PortKind::Net;
  prefs.portName = address;
  prefs.portNumber = peer.portText();
  return prefs;
}

class NetLinkTest : public ::testing::Test {
 protected:
  NetLinkTest() : prefs(NetPrefs(peer)), link(prefs, driverKind, clock) {}
  // Opens the link and takes its connection at the peer.
  void OpenConnected(TimeoutClass timeouts = TimeoutClass::kNormal) {
    ASSERT_TRUE(link.Open(timeouts));
    ASSERT_TRUE(peer.Accept());
  }

  TcpPeer peer;
  PreferencesRecord prefs;
  PortKind driverKind = PortKind::None;
  FakeClock clock{1000};
  PrinterLink link;
};

TEST_F(NetLinkTest, OpenSetsTheTimeoutsAndCloseClearsThem) {
  for (TimeoutClass timeouts : {TimeoutClass::kNormal, TimeoutClass::kLong}) {
    OpenConnected(timeouts);
    EXPECT_EQ(link.kind, PortKind::Net);
    EXPECT_TRUE(link.socket.valid());
    EXPECT_EQ(link.netReadTimeout, timeouts == TimeoutClass::kLong ? 10000u : 1000u);
    EXPECT_EQ(link.netWriteTimeout, 5000u);
    link.Close();
    EXPECT_EQ(link.kind, PortKind::None);
    EXPECT_FALSE(link.socket.valid());
    EXPECT_EQ(link.netReadTimeout, 0u);
    EXPECT_EQ(link.netWriteTimeout, 0u);
    EXPECT_TRUE(peer.SeesClosed());
    peer.CloseConnection();
    link.Close();  // nothing open: nothing happens
    EXPECT_EQ(link.kind, PortKind::None);
  }
}

TEST_F(NetLinkTest, CloseOfAQueueLinkClosesThePortBehindTheQueue) {
  const std::pair<PortKind, bool> cases[] = {{PortKind::Net, true}, {PortKind::Com, false}, {PortKind::None, false}};
  for (const auto& [behindQueue, closes] : cases) {
    SCOPED_TRACE(static_cast<int>(behindQueue));
    prefs.portKind = PortKind::Net;
    OpenConnected();
    prefs.portKind = PortKind::Prt;
    driverKind = behindQueue;
    link.Close();
    EXPECT_EQ(!link.socket.valid(), closes);
    EXPECT_EQ(peer.SeesClosed(closes ? 2000 : 100), closes);
    prefs.portKind = PortKind::Net;
    link.Close();
    peer.CloseConnection();
  }
}

TEST_F(NetLinkTest, OpenOnAnOpenLinkFailsAndKeepsTheConnection) {
  OpenConnected();
  const SOCKET open = link.socket.get();
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(link.socket.get(), open);
  ASSERT_TRUE(peer.Send("END\r\n"));
  EXPECT_EQ(ReadReply(link, ReplyRule::kUntilEnd).status, kLinkOk);
}

TEST_F(NetLinkTest, OpenFailsWithoutTouchingASocket) {
  struct Case {
    const char* name;
    PortKind kind;
    const wchar_t* host;
    std::wstring port;
  };
  std::wstring refused;
  {
    TcpPeer gone;  // its port is free again once it has gone
    refused = gone.portText();
  }
  const Case cases[] = {
      {"printer queue", PortKind::Prt, L"127.0.0.1", peer.portText()},
      {"no kind", PortKind::None, L"127.0.0.1", peer.portText()},
      {"port text is no number", PortKind::Net, L"127.0.0.1", L"91OO"},
      {"nobody listens", PortKind::Net, L"127.0.0.1", refused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    prefs.portKind = c.kind;
    prefs.portName = c.host;
    prefs.portNumber = c.port;
    EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
    EXPECT_FALSE(link.socket.valid());
    EXPECT_EQ(link.kind, PortKind::None);
  }
}

// A listener whose queue is full: it never accepts, and Linux drops the SYN
// of every connect beyond its backlog, so such a connect neither completes
// nor fails until the system gives up after about two minutes.
class FullListener {
 public:
  FullListener() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = ::inet_addr("127.0.0.1");
    ::bind(listener_, reinterpret_cast<const sockaddr*>(&where), sizeof where);
    ::listen(listener_, 0);
    int size = sizeof where;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &size);
    port_ = ::ntohs(where.sin_port);
    // Connects of the test's own fill the queue; the first that does not
    // complete within half a second shows that it is full.
    for (int i = 0; i < 16 && !full_; ++i) {
      const SOCKET filler = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
      fillers_.push_back(filler);
      u_long nonBlocking = 1;
      ::ioctlsocket(filler, FIONBIO, &nonBlocking);
      ::connect(filler, reinterpret_cast<const sockaddr*>(&where), sizeof where);
      fd_set writable;
      FD_ZERO(&writable);
      FD_SET(filler, &writable);
      timeval wait{0, 500000};
      full_ = ::select(0, nullptr, &writable, nullptr, &wait) == 0;
    }
  }
  ~FullListener() {
    for (const SOCKET filler : fillers_) ::closesocket(filler);
    ::closesocket(listener_);
  }
  FullListener(const FullListener&) = delete;
  FullListener& operator=(const FullListener&) = delete;

  bool full() const { return full_; }
  std::wstring portText() const { return std::to_wstring(port_); }

 private:
  SOCKET listener_ = INVALID_SOCKET;
  std::vector<SOCKET> fillers_;
  std::uint16_t port_ = 0;
  bool full_ = false;
};

TEST_F(NetLinkTest, AConnectThatIsNeverAnsweredFailsAfterFiveSeconds) {
  const FullListener listener;
  ASSERT_TRUE(listener.full());
  prefs.portNumber = listener.portText();
  for (TimeoutClass timeouts : {TimeoutClass::kNormal, TimeoutClass::kLong}) {
    const std::uint32_t start = clock.now();
    EXPECT_FALSE(link.Open(timeouts));
    EXPECT_GE(clock.now() - start, 5000u);
    EXPECT_LT(clock.now() - start, 5000u + 600u);  // the echo's wait and one poll at most
    EXPECT_FALSE(link.socket.valid());
    EXPECT_EQ(link.kind, PortKind::None);
  }
  // A listener that answers still opens on the same link.
  prefs.portNumber = peer.portText();
  OpenConnected();
}

TEST_F(NetLinkTest, OpensAHostByName) {
  prefs.portName = L"localhost";
  OpenConnected();
  ASSERT_TRUE(peer.Send("OK\r\nEND\r\n"));
  EXPECT_EQ(ReadReply(link, ReplyRule::kUntilEnd).bytes, "OK\r\nEND\r\n");
}

TEST_F(NetLinkTest, OpenDrainsWhatThePrinterSentBefore) {
  std::thread printer([this] {
    if (!peer.Accept()) return;
    peer.Send("STALE OUTPUT\r\nEND\r\n");
    if (peer.Receive(1) == "?") peer.Send("FRESH\r\nEND\r\n");
  });
  PrinterLink realLink(prefs, driverKind);
  ASSERT_TRUE(realLink.Open(TimeoutClass::kNormal));
  std::uint32_t written = 0;
  EXPECT_EQ(realLink.Write("?", 1, &written), kLinkOk);
  const Reply reply = ReadReply(realLink, ReplyRule::kUntilEnd);
  printer.join();
  EXPECT_EQ(reply.status, kLinkOk);
  EXPECT_EQ(reply.bytes, "FRESH\r\nEND\r\n");
  EXPECT_EQ(reply.count, 12u);
}

struct ReadCase {
  const char* name;
  ReplyRule rule;
  std::string sent;
  bool closeAfter;
  LinkStatus status;
  std::uint32_t count;
};

TEST_F(NetLinkTest, ReadEndsAsTheReplyRulesSay) {
  const ReadCase cases[] = {
      {"END line alone", ReplyRule::kUntilEnd, "END\r\n", false, kLinkOk, 5},
      {"listing", ReplyRule::kUntilEnd, "A=1\r\nB=2\r\nEND\r\n", false, kLinkOk, 15},
      {"ND CR LF T counted in full", ReplyRule::kUntilEnd, "xxND\r\nT", false, kLinkOk, 7},
      {"shorter than five bytes", ReplyRule::kUntilEnd, "END\r", false, kLinkTimedOut, 4},
      {"no END line", ReplyRule::kUntilEnd, "A=1\r\n", false, kLinkTimedOut, 5},
      {"any reply of three bytes", ReplyRule::kAnyReply, "ABC", false, kLinkOk, 3},
      {"any reply of two bytes waits", ReplyRule::kAnyReply, "AB", false, kLinkTimedOut, 2},
      {"silence", ReplyRule::kUntilEnd, "", false, kLinkTimedOut, 0},
      {"closed connection", ReplyRule::kUntilEnd, "", true, kLinkConnectionLost, 0xFFFFFFFFu},
      {"closed after part of a reply", ReplyRule::kUntilEnd, "A=1\r\n", true, kLinkConnectionLost, 0xFFFFFFFFu},
      // A print server that closes right after its reply: the close ends the
      // reply as silence would, once the reply ends with a whole line.
      {"any reply, then closed", ReplyRule::kAnyReply, "SN=1234\r\n", true, kLinkOk, 9},
      {"any reply cut in its line, then closed", ReplyRule::kAnyReply, "SN=1234\r\nPrint Cou", true,
       kLinkConnectionLost, 0xFFFFFFFFu},
      {"any reply cut between CR and LF, then closed", ReplyRule::kAnyReply, "SN=1234\r", true, kLinkConnectionLost,
       0xFFFFFFFFu},
      {"any reply of one byte, then closed", ReplyRule::kAnyReply, "S", true, kLinkConnectionLost, 0xFFFFFFFFu},
      {"closed before any reply", ReplyRule::kAnyReply, "", true, kLinkConnectionLost, 0xFFFFFFFFu},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenConnected();
    if (!c.sent.empty()) {
      ASSERT_TRUE(peer.Send(c.sent));
    }
    if (c.closeAfter) peer.CloseConnection();
    ::Sleep(50);  // let loopback deliver before the fake clock runs the read
    const Reply reply = ReadReply(link, c.rule);
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.count, c.count);
    EXPECT_EQ(reply.bytes, c.sent);
    link.Close();
    peer.CloseConnection();
  }
}

// A printer that restarts in the middle of its reply resets the connection.
// Wine reports a reset that follows the data as an orderly close (its server
// takes the socket's error first), so a reset right after a whole line reads
// as a close here, where Windows reports WSAECONNRESET; what is tested is the
// reset that no rule can take for the end of a reply.
TEST_F(NetLinkTest, AResetInTheMiddleOfAReplyIsAnError) {
  const std::pair<ReplyRule, std::string> cases[] = {
      {ReplyRule::kAnyReply, "SN=12"},
      {ReplyRule::kAnyReply, "SN=1234\r"},
      {ReplyRule::kUntilEnd, "SN=1234\r\n"},
      {ReplyRule::kUntilEnd, "A=1\r\nEN"},
  };
  for (const auto& [rule, sent] : cases) {
    SCOPED_TRACE(sent);
    OpenConnected();
    ASSERT_TRUE(peer.Send(sent));
    ::Sleep(50);  // the bytes first, then the reset
    peer.ResetConnection();
    ::Sleep(50);
    char buffer[kReplyBufferSize] = {};
    std::uint32_t count = 0;
    const LinkStatus status = link.Read(buffer, sizeof buffer, rule, &count);
    EXPECT_NE(status, kLinkOk);
    EXPECT_NE(status, kLinkTimedOut);  // said at once, not after the read timeout
    link.Close();
  }
}

TEST_F(NetLinkTest, SilenceWaitsTwiceTheReadTimeoutThreeTimes) {
  for (TimeoutClass timeouts : {TimeoutClass::kNormal, TimeoutClass::kLong}) {
    OpenConnected(timeouts);
    const std::uint32_t start = clock.now();
    EXPECT_EQ(ReadReply(link, ReplyRule::kUntilEnd).status, kLinkTimedOut);
    const std::uint32_t perWait = 2 * link.netReadTimeout;
    EXPECT_GE(clock.now() - start, 3 * perWait + 200);
    EXPECT_LT(clock.now() - start, 3 * perWait + 200 + 100);
    link.Close();
    peer.CloseConnection();
  }
}

TEST_F(NetLinkTest, AnyReplyStopsShortlyAfterTheBytesStop) {
  OpenConnected(TimeoutClass::kLong);
  ASSERT_TRUE(peer.Send("SN=1234\r\n"));
  ::Sleep(50);
  const std::uint32_t start = clock.now();
  const Reply reply = ReadReply(link, ReplyRule::kAnyReply);
  EXPECT_EQ(reply.status, kLinkOk);
  EXPECT_EQ(reply.bytes, "SN=1234\r\n");
  EXPECT_LE(clock.now() - start, 200u);  // one short wait, not the long read timeout
}

TEST_F(NetLinkTest, ReadKeepsTheLastByteOfTheBufferZero) {
  OpenConnected();
  const std::string flood(5000, 'x');
  ASSERT_TRUE(peer.Send(flood));
  ::Sleep(50);
  char buffer[64] = {};
  std::uint32_t count = 0;
  EXPECT_EQ(link.Read(buffer, sizeof buffer, ReplyRule::kUntilEnd, &count), kLinkOk);
  EXPECT_EQ(count, 63u);
  EXPECT_EQ(buffer[63], '\0');
}

TEST_F(NetLinkTest, WriteSendsEveryByteInOrder) {
  OpenConnected();
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes.push_back(static_cast<char>(i * 7));
  std::uint32_t written = 0;
  EXPECT_EQ(link.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written), kLinkOk);
  EXPECT_EQ(written, bytes.size());
  EXPECT_EQ(peer.Receive(bytes.size()), bytes);
}

TEST_F(NetLinkTest, WriteRefusesMissingArgumentsAndZeroBytes) {
  OpenConnected();
  std::uint32_t written = 77;
  EXPECT_EQ(link.Write("abc", 0, &written), kLinkMissingArgument);
  EXPECT_EQ(link.Write(nullptr, 3, &written), kLinkMissingArgument);
  EXPECT_EQ(link.Write("abc", 3, nullptr), kLinkMissingArgument);
  char buffer[16] = {};
  EXPECT_EQ(link.Read(nullptr, 16, ReplyRule::kUntilEnd, &written), kLinkMissingArgument);
  EXPECT_EQ(link.Read(buffer, sizeof buffer, ReplyRule::kUntilEnd, nullptr), kLinkMissingArgument);
  EXPECT_EQ(peer.Receive(1, 100), "");
}

TEST_F(NetLinkTest, ClosedLinkAnswers6) {
  char buffer[16] = {};
  std::uint32_t count = 0;
  EXPECT_EQ(link.Write("abc", 3, &count), kLinkClosed);
  EXPECT_EQ(link.Read(buffer, sizeof buffer, ReplyRule::kUntilEnd, &count), kLinkClosed);
}

TEST_F(NetLinkTest, AWriteToAPrinterThatStoppedReadingGivesUpAfterTheWriteLimit) {
  OpenConnected();  // the peer takes the connection and never reads
  const std::string bytes(32u << 20, 'q');
  const std::uint32_t start = clock.now();
  std::uint32_t written = 0;
  EXPECT_EQ(link.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written), kLinkWriteTimedOut);
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, bytes.size());
  // Measured from the last progress, on the clock: the limit and a poll more,
  // never the minutes a writable wait of its own would take.
  EXPECT_GE(clock.now() - start, link.netWriteTimeout);
  EXPECT_LT(clock.now() - start, 10u * link.netWriteTimeout);
}

TEST_F(NetLinkTest, WriteToAClosedConnectionFails) {
  OpenConnected();
  peer.CloseConnection();
  ::Sleep(50);
  const std::string bytes(200000, 'z');
  std::uint32_t written = 0;
  LinkStatus status = kLinkOk;
  for (int i = 0; i < 5 && status == kLinkOk; ++i) {
    status = link.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written);
  }
  EXPECT_EQ(status, kLinkConnectionLost);
}

TEST(NetLinkLife, TheEndOfTheLinkClosesAnOpenConnection) {
  TcpPeer peer;
  const PreferencesRecord prefs = NetPrefs(peer);
  PortKind driverKind = PortKind::None;
  {
    PrinterLink link(prefs, driverKind);
    ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
    ASSERT_TRUE(peer.Accept());
  }
  EXPECT_TRUE(peer.SeesClosed());
}

TEST(NetReachability, LoopbackAnswersTheEcho) {
  PreferencesRecord prefs;
  PortKind driverKind = PortKind::None;
  PrinterLink link(prefs, driverKind);
  EXPECT_TRUE(link.IsReachable(L"127.0.0.1"));
  EXPECT_TRUE(link.IsReachable(L"localhost"));
  EXPECT_TRUE(link.icmpModule.valid());
}

// A firewall table of the test's own that drops ICMP echo requests to one
// loopback address, removed again at the end.
class EchoBlock {
 public:
  explicit EchoBlock(const std::string& address) : table_("vostrel_link_" + std::to_string(::GetCurrentProcessId())) {
    ok_ = RunOnHost("nft add table inet " + table_ + " && nft add chain inet " + table_ +
                    " in '{ type filter hook input priority 0; policy accept; }' && nft add rule inet " + table_ +
                    " in ip daddr " + address + " icmp type echo-request drop");
  }
  ~EchoBlock() { RunOnHost("nft delete table inet " + table_); }
  EchoBlock(const EchoBlock&) = delete;
  EchoBlock& operator=(const EchoBlock&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string table_;
  bool ok_ = false;
};

TEST(NetReachability, AHostThatIgnoresEchoOpensWhenItsPortAccepts) {
  std::wstring refused;
  {
    TcpPeer gone("127.0.0.77");  // its port is free again once it has gone
    refused = gone.portText();
  }
  TcpPeer peer("127.0.0.77");
  PreferencesRecord prefs = NetPrefs(peer, L"127.0.0.77");
  PortKind driverKind = PortKind::None;
  PrinterLink link(prefs, driverKind);
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  EXPECT_TRUE(link.echoAnswered);
  ASSERT_TRUE(peer.Accept());
  link.Close();
  peer.CloseConnection();

  EchoBlock block("127.0.0.77");
  ASSERT_TRUE(block.ok());
  EXPECT_FALSE(link.IsReachable(L"127.0.0.77"));
  EXPECT_TRUE(link.IsReachable(L"127.0.0.1"));
  // The echo is a hint: the connection decides.
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  EXPECT_FALSE(link.echoAnswered);
  EXPECT_EQ(link.kind, PortKind::Net);
  ASSERT_TRUE(peer.Accept());
  std::uint32_t written = 0;
  EXPECT_EQ(link.Write("ping", 4, &written), kLinkOk);
  EXPECT_EQ(peer.Receive(4), "ping");
  link.Close();
  peer.CloseConnection();

  // Neither the echo nor the port answers: that does not open.
  prefs.portNumber = refused;
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_FALSE(link.socket.valid());
  EXPECT_EQ(link.kind, PortKind::None);
}

TEST(NetLinkRealClock, SilenceTimesOutAfterSixSeconds) {
  TcpPeer peer;
  const PreferencesRecord prefs = NetPrefs(peer);
  PortKind driverKind = PortKind::None;
  PrinterLink link(prefs, driverKind);
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  ASSERT_TRUE(peer.Accept());
  const DWORD start = ::GetTickCount();
  EXPECT_EQ(ReadReply(link, ReplyRule::kUntilEnd).status, kLinkTimedOut);
  const DWORD elapsed = ::GetTickCount() - start;
  EXPECT_GE(elapsed, 6000u);
  EXPECT_LT(elapsed, 12000u);  // one timeout, not two; loose enough for a busy machine
}

}  // namespace
}  // namespace vostrel
