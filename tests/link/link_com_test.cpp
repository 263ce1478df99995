#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "link/link_fixtures.h"
#include "link/printer_link.h"
#include "link/pty_pair.h"
#include "support/fake_clock.h"

namespace vostrel {
namespace {

using testing_support::PtyPair;
using testing_support::TestQueue;
using testing_support::UniqueSuffix;
using vostrel::testing::FakeClock;

// The 32-bit word of the DCB's flag bits, which follows its length and speed.
DWORD FlagsWord(const DCB& dcb) {
  DWORD word = 0;
  std::memcpy(&word, reinterpret_cast<const char*>(&dcb) + 2 * sizeof(DWORD), sizeof word);
  return word;
}
void SetFlagsWord(DCB& dcb, DWORD word) {
  std::memcpy(reinterpret_cast<char*>(&dcb) + 2 * sizeof(DWORD), &word, sizeof word);
}

struct SerialCase {
  DWORD flagsBefore;
  const wchar_t* flow;
  std::uint8_t parity;
  DWORD flagsAfter;
};

TEST(ApplySerialSettings, ChangesTheFlagBitsAndKeepsTheRest) {
  const SerialCase cases[] = {
      {0xFFFFFFFF, L"H", 0, 0xFFFFF41D},                                     // DSR flow; no Xon/Xoff, no parity check
      {0x00000000, L"X", 2, 0x00004313},                                     // Xon/Xoff both ways, parity checked
      {0xFFFFFFFF, L"X", 1, 0xFFFFF717}, {0x00000000, L"N", 0, 0x00004011},  // binary, DTR on, abort on error
      {0x00003004, L"", 0, 0x00007015},                                      // CTS flow and RTS control kept
      {0xFFFFFFFF, L"h", 0, 0xFFFFF415},                                     // flow letters are case-sensitive
  };
  for (const SerialCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.flagsBefore << " "
                                      << std::string(c.flow, c.flow + std::wcslen(c.flow)));
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.XonLim = 11;
    dcb.XoffLim = 22;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = '?';
    dcb.EofChar = 0x1A;
    dcb.EvtChar = '\n';
    SetFlagsWord(dcb, c.flagsBefore);
    PreferencesRecord prefs;
    prefs.baudRate = 38400;
    prefs.dataBits = 7;
    prefs.parityCode = c.parity;
    prefs.stopBitsCode = 2;
    prefs.flowControl = c.flow;
    ApplySerialSettings(dcb, prefs);
    EXPECT_EQ(FlagsWord(dcb), c.flagsAfter) << std::hex << FlagsWord(dcb);
    EXPECT_EQ(dcb.BaudRate, 38400u);
    EXPECT_EQ(dcb.ByteSize, 7);
    EXPECT_EQ(dcb.Parity, c.parity);
    EXPECT_EQ(dcb.StopBits, 2);
    EXPECT_EQ(dcb.XonLim, 11);
    EXPECT_EQ(dcb.XoffLim, 22);
    EXPECT_EQ(dcb.XonChar, 0x11);
    EXPECT_EQ(dcb.XoffChar, 0x13);
    EXPECT_EQ(dcb.ErrorChar, '?');
    EXPECT_EQ(dcb.EofChar, 0x1A);
    EXPECT_EQ(dcb.EvtChar, '\n');
  }
}

class ComLinkTest : public ::testing::Test {
 protected:
  ComLinkTest() : link(prefs, driverKind, clock) {
    prefs.portKind = PortKind::Com;
    prefs.portName = pty.linkPort();
    prefs.baudRate = 19200;
    prefs.dataBits = 8;
    prefs.parityCode = 0;
    prefs.stopBitsCode = 0;
    prefs.flowControl = L"N";
  }
  void SetUp() override {
    ASSERT_TRUE(pty.started());
    ASSERT_TRUE(pty.OpenPeer());
  }

  PtyPair pty;
  PreferencesRecord prefs;
  PortKind driverKind = PortKind::None;
  FakeClock clock{1000};
  PrinterLink link;
};

TEST_F(ComLinkTest, OpenSetsUpThePortAndCloseClearsTheLink) {
  // A pty keeps no parity setting; ApplySerialSettings' test covers parity.
  prefs.stopBitsCode = 2;
  prefs.flowControl = L"X";
  ASSERT_TRUE(link.Open(TimeoutClass::kLong));
  EXPECT_EQ(link.kind, PortKind::Com);
  EXPECT_EQ(link.portName, pty.linkPort());
  EXPECT_EQ(link.comReadTimeout, 10000u);
  EXPECT_EQ(link.comWriteTimeout, 5000u);

  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  ASSERT_TRUE(::GetCommState(link.handle.get(), &dcb));
  EXPECT_EQ(dcb.BaudRate, 19200u);
  EXPECT_EQ(dcb.ByteSize, 8);
  EXPECT_EQ(dcb.StopBits, 2);
  EXPECT_EQ(dcb.fOutX, 1u);
  EXPECT_EQ(dcb.fInX, 1u);
  COMMTIMEOUTS timeouts{};
  ASSERT_TRUE(::GetCommTimeouts(link.handle.get(), &timeouts));
  EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 5000u);
  EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 0xFFFFFFFFu);
  EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 5000u);

  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));  // already open
  link.Close();
  EXPECT_EQ(link.kind, PortKind::None);
  EXPECT_FALSE(link.handle.valid());
  EXPECT_TRUE(link.portName.empty());
  EXPECT_EQ(link.comReadTimeout, 0u);
  EXPECT_EQ(link.comWriteTimeout, 0u);
  link.Close();
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));  // the port was given back
  EXPECT_EQ(link.comReadTimeout, 5000u);
}

TEST_F(ComLinkTest, QueuesOfThePortAreParkedWhileTheLinkIsOpen) {
  TestQueue queue(L"Vostrel com queue " + UniqueSuffix(), pty.linkPort());
  ASSERT_TRUE(queue.added());
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(queue.Port(), L"FILE:");
  EXPECT_THAT(link.parkedQueues, ::testing::ElementsAre(queue.name()));
  link.Close();
  EXPECT_EQ(queue.Port(), pty.linkPort());
}

TEST_F(ComLinkTest, APortThatDoesNotOpenGivesItsQueuesBackAtOnce) {
  const std::wstring missing = L"COM" + std::to_wstring(50 + ::GetCurrentProcessId() % 40) + L"9:";
  TestQueue queue(L"Vostrel com missing " + UniqueSuffix(), missing);
  ASSERT_TRUE(queue.added());
  prefs.portName = missing;
  EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
  EXPECT_EQ(link.kind, PortKind::None);
  EXPECT_FALSE(link.handle.valid());
  EXPECT_EQ(queue.Port(), missing);
}

TEST_F(ComLinkTest, NamesThatDoNotClassifyOpenNothing) {
  for (const wchar_t* name : {L"com3:", L"LPT1:", L"FILE:"}) {
    TestQueue queue(L"Vostrel com name " + UniqueSuffix(), name);
    prefs.portName = name;
    EXPECT_FALSE(link.Open(TimeoutClass::kNormal));
    EXPECT_EQ(link.kind, PortKind::None);
    EXPECT_EQ(queue.Port(), name);
  }
}

TEST_F(ComLinkTest, WriteCarriesEveryByte) {
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  std::string bytes;
  for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>(i * 13 + 1));
  std::uint32_t written = 0;
  EXPECT_EQ(link.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written), kLinkOk);
  EXPECT_EQ(written, bytes.size());
  EXPECT_EQ(pty.Receive(bytes.size()), bytes);
  COMMTIMEOUTS timeouts{};
  ASSERT_TRUE(::GetCommTimeouts(link.handle.get(), &timeouts));
  EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 5000u);  // put back after every chunk
  EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 0u);
  EXPECT_EQ(link.Write("", 0, &written), kLinkOk);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(link.Write(nullptr, 3, &written), kLinkMissingArgument);
  EXPECT_EQ(link.Write("abc", 3, nullptr), kLinkMissingArgument);
}

TEST_F(ComLinkTest, OpenDrainsWhatThePrinterSentBefore) {
  ASSERT_TRUE(pty.Send("STALE\r\nEND\r\n"));
  ::Sleep(100);
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  ASSERT_TRUE(pty.Send("FRESH\r\nEND\r\n"));
  ::Sleep(100);
  char buffer[kReplyBufferSize] = {};
  std::uint32_t count = 0;
  EXPECT_EQ(link.Read(buffer, sizeof buffer, ReplyRule::kUntilEnd, &count), kLinkOk);
  EXPECT_EQ(std::string(buffer), "FRESH\r\nEND\r\n");
  EXPECT_EQ(count, 12u);
}

struct ComReadCase {
  const char* name;
  ReplyRule rule;
  std::string sent;
  std::uint32_t count;
  bool waitsForTimeout;
};

TEST_F(ComLinkTest, ReadEndsAsTheReplyRulesSay) {
  const ComReadCase cases[] = {
      {"END line alone", ReplyRule::kUntilEnd, "END\r\n", 5, false},
      {"listing", ReplyRule::kUntilEnd, "A=1\r\nEND\r\n", 10, false},
      {"ND CR LF T is one byte shorter", ReplyRule::kUntilEnd, "A=1\r\nND\r\nT", 9, false},
      {"no END line: what came, after the timeout", ReplyRule::kUntilEnd, "A=1\r\n", 5, true},
      {"shorter than five bytes", ReplyRule::kUntilEnd, "END", 3, true},
      {"any reply of three bytes", ReplyRule::kAnyReply, "ABC", 3, false},
      {"any reply of two bytes waits", ReplyRule::kAnyReply, "AB", 2, true},
      {"silence", ReplyRule::kUntilEnd, "", 0, true},
  };
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  for (const ComReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.sent.empty()) {
      ASSERT_TRUE(pty.Send(c.sent));
    }
    ::Sleep(100);  // let the pty pair deliver before the fake clock runs the read
    char buffer[kReplyBufferSize] = {};
    std::uint32_t count = 99;
    const std::uint32_t start = clock.now();
    EXPECT_EQ(link.Read(buffer, sizeof buffer, c.rule, &count), kLinkOk);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(std::string(buffer), c.sent);  // an uncounted "T" stays in the buffer
    if (c.waitsForTimeout) {
      EXPECT_GT(clock.now() - start, link.comReadTimeout);
    } else {
      EXPECT_LT(clock.now() - start, link.comReadTimeout);
    }
  }
}

TEST(ComLinkRealClock, AStalledWriteEndsWith170AfterTheWriteTimeout) {
  PtyPair pty;
  ASSERT_TRUE(pty.started());
  ASSERT_TRUE(pty.OpenPeer());  // opened but never read: the pair fills up
  PreferencesRecord prefs;
  prefs.portKind = PortKind::Com;
  prefs.portName = pty.linkPort();
  prefs.flowControl = L"N";
  PortKind driverKind = PortKind::None;
  PrinterLink link(prefs, driverKind);
  ASSERT_TRUE(link.Open(TimeoutClass::kNormal));
  const std::string flood(4 * 1024 * 1024, 'x');
  std::uint32_t written = 0;
  const DWORD start = ::GetTickCount();
  const LinkStatus status = link.Write(flood.data(), static_cast<std::uint32_t>(flood.size()), &written);
  const DWORD elapsed = ::GetTickCount() - start;
  EXPECT_EQ(status, kLinkComStalled);
  EXPECT_GE(elapsed, 5000u);  // not the 500 ms of one chunk
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, flood.size());
}

}  // namespace
}  // namespace vostrel
