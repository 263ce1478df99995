// Port discovery against the real spooler and registry of the test prefix:
// queues, ports of print monitors, SERIALCOMM and the default serial
// configurations are made by the tests and removed again.
#include "link/port_discovery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "link/link_fixtures.h"
#include "link/port_fixtures.h"
#include "link/port_registry.h"
#include "prefs/preferences.h"

namespace vostrel {
namespace {

using ::testing::Contains;
using ::testing::Not;
using testing_support::DefaultCommConfig;
using testing_support::SerialCommValue;
using testing_support::SetBinary;
using testing_support::SetDword;
using testing_support::SetText;
using testing_support::TestMonitor;
using testing_support::TestQueue;
using testing_support::UniqueSuffix;

constexpr wchar_t kStandardMonitor[] = L"Standard TCP/IP Port";

// A "Property" record of `size` bytes with an address and a port at the
// offsets of `layout`.
std::vector<BYTE> PropertyRecord(std::size_t size, const PropertyLayout& layout, const std::wstring& address,
                                 DWORD port) {
  std::vector<BYTE> record(size, 0);
  for (std::size_t i = 0; i < address.size() && layout.addressOffset + 2 * i + 1 < size; ++i) {
    record[layout.addressOffset + 2 * i] = static_cast<BYTE>(address[i] & 0xFF);
    record[layout.addressOffset + 2 * i + 1] = static_cast<BYTE>(address[i] >> 8);
  }
  for (std::size_t i = 0; i < 4 && layout.portOffset + i < size; ++i) {
    record[layout.portOffset + i] = static_cast<BYTE>(port >> (8 * i));
  }
  return record;
}

DCB Dcb(DWORD baud, BYTE bits, BYTE stop, BYTE parity, bool dsrFlow, bool outX, bool inX) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  dcb.BaudRate = baud;
  dcb.fBinary = TRUE;
  dcb.ByteSize = bits;
  dcb.StopBits = stop;
  dcb.Parity = parity;
  dcb.fOutxDsrFlow = dsrFlow;
  dcb.fOutX = outX;
  dcb.fInX = inX;
  return dcb;
}

TEST(PortDiscovery, ComListHasEverySerialCommPortWithAColonInRegistryOrder) {
  const std::wstring stem = L"\\Device\\VostrelTest" + UniqueSuffix();
  // Value names in one order, port names in another: the list keeps the
  // registry's order and does not sort.
  const SerialCommValue first(stem + L"A", L"COM1");
  const SerialCommValue second(stem + L"B", L"COM3");
  const SerialCommValue third(stem + L"C", L"COM252");
  const SerialCommValue fourth(stem + L"D", L"COM251");
  ASSERT_TRUE(first.added() && second.added() && third.added() && fourth.added());

  const std::vector<std::wstring> list = FillComList();
  EXPECT_THAT(list, Contains(L"COM1:"));
  EXPECT_THAT(list, Contains(L"COM3:"));
  EXPECT_THAT(list, Not(Contains(L"COM1")));
  const auto at252 = std::find(list.begin(), list.end(), L"COM252:");
  const auto at251 = std::find(list.begin(), list.end(), L"COM251:");
  ASSERT_NE(at252, list.end());
  ASSERT_NE(at251, list.end());
  EXPECT_LT(at252, at251);
}

TEST(PortDiscovery, UsbListHasThePortsBeginningWithUsbInAnyCase) {
  const TestMonitor monitor(L"Vostrel Test Port", L"Vostrel Test Port");
  ASSERT_TRUE(monitor.installed());
  for (const wchar_t* port : {L"usb003", L"xUSB1", L"USB004", L"UsB"}) ASSERT_TRUE(monitor.AddPort(port));

  const std::vector<SpoolerPort> ports = ListLocalPorts();
  ASSERT_THAT(ports, Contains(SpoolerPort{L"usb003", L"Vostrel Test Port"}));
  const std::vector<std::wstring> list = FillUsbList();
  EXPECT_THAT(list, Contains(L"usb003"));
  EXPECT_THAT(list, Contains(L"USB004"));
  EXPECT_THAT(list, Contains(L"UsB"));
  EXPECT_THAT(list, Not(Contains(L"xUSB1")));
  // Ports of the system's own monitor are not USB ports.
  EXPECT_THAT(list, Not(Contains(L"LPT1:")));
}

TEST(PortDiscovery, ComDescriptionComesFromThePortsDefaultConfiguration) {
  const DefaultCommConfig com7(L"COM7", Dcb(19200, 7, TWOSTOPBITS, EVENPARITY, false, true, true));
  const DefaultCommConfig com8(L"COM8", Dcb(4800, 8, ONE5STOPBITS, MARKPARITY, true, true, true));
  const DefaultCommConfig com6(L"COM6", Dcb(115200, 8, ONESTOPBIT, SPACEPARITY, false, true, false));
  const DefaultCommConfig com5(L"COM5", Dcb(9600, 8, ONESTOPBIT, ODDPARITY, false, false, true));
  ASSERT_TRUE(com7.set() && com8.set() && com6.set() && com5.set());

  struct Case {
    const wchar_t* port;
    const wchar_t* description;
  };
  const Case cases[] = {
      {L"COM7:", L"COM7, 19200, 7, 2, Even, Xon/Xoff"},
      // DSR output flow wins over Xon/Xoff.
      {L"COM8:", L"COM8, 4800, 8, 1.5, Mark, Hardware"},
      // One Xon/Xoff direction alone is no flow control.
      {L"COM6:", L"COM6, 115200, 8, 1, Space, None"},
      {L"COM5:", L"COM5, 9600, 8, 1, Odd, None"},
      // A virtual port: the device is the name without "TELMARO ".
      {L"TELMARO COM7", L"TELMARO COM7, 19200, 7, 2, Even, Xon/Xoff"},
      // Wine knows default configurations of COM1 to COM9 only; without one
      // only the name is given.
      {L"COM250:", L"COM250"},
      {L"TELMARO COM250", L"TELMARO COM250"},
  };
  for (const Case& c : cases) EXPECT_EQ(DescribeComPort(c.port), c.description) << c.port;
}

TEST(PortDiscovery, StandardTcpPortGivesItsAddressOrHostNameAndPortNumber) {
  const TestMonitor monitor(kStandardMonitor, kStandardMonitor);
  ASSERT_TRUE(monitor.installed());
  const std::wstring stem = L"VostrelStd_" + UniqueSuffix() + L"_";
  {
    const ScopedKey key = monitor.AddPort(stem + L"address");
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", L"192.168.0.50") && SetDword(key.get(), L"PortNumber", 9100));
  }
  {
    const ScopedKey key = monitor.AddPort(stem + L"host");
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", L"") && SetText(key.get(), L"HostName", L"prn1") &&
                SetDword(key.get(), L"PortNumber", 9100));
  }
  {
    const ScopedKey key = monitor.AddPort(stem + L"nonumber");
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", L"192.168.0.51"));
  }
  {
    // More than the 256 bytes the address is read into: the host name is used.
    const ScopedKey key = monitor.AddPort(stem + L"long");
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", std::wstring(200, L'a')) && SetText(key.get(), L"HostName", L"prn2") &&
                SetDword(key.get(), L"PortNumber", 515));
  }

  struct Case {
    std::wstring port;
    const wchar_t* text;
    NetworkPortKind kind;
  };
  const Case cases[] = {
      {stem + L"address", L"192.168.0.50, 9100", NetworkPortKind::kStandard},
      {stem + L"host", L"prn1, 9100", NetworkPortKind::kStandard},
      {stem + L"nonumber", L"192.168.0.51, ", NetworkPortKind::kNone},
      {stem + L"long", L"prn2, 515", NetworkPortKind::kStandard},
      {stem + L"missing", L"", NetworkPortKind::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadStandardTcpPort(c.port), c.text) << c.port;
    EXPECT_EQ(ClassifyNetworkPort(c.port), c.kind) << c.port;
  }
}

TEST(PortDiscovery, PropertyRecordOfEitherSizeGivesAddressAndPort) {
  const TestMonitor monitor(L"TELMARO TCP/IP Port", kTelmaroTcpPortDescription);
  ASSERT_TRUE(monitor.installed());
  const std::wstring stem = L"VostrelProp_" + UniqueSuffix() + L"_";
  // A record of the large layout also carries text at the small offsets:
  // the size alone chooses the layout.
  std::vector<BYTE> large = PropertyRecord(1248, kPropertyLarge, L"10.0.0.6", 6101);
  {
    const std::vector<BYTE> decoy = PropertyRecord(1248, kPropertySmall, L"9.9.9.9", 1);
    std::copy(decoy.begin() + 972, decoy.begin() + 976, large.begin() + 972);
  }
  struct Case {
    std::wstring port;
    std::vector<BYTE> record;  // empty: no "Property" value
    std::wstring text;
  };
  const Case cases[] = {
      {stem + L"small", PropertyRecord(1232, kPropertySmall, L"10.0.0.5", 9100), L"10.0.0.5, 9100"},
      {stem + L"shorter", PropertyRecord(1200, kPropertySmall, L"1.2.3.4", 515), L"1.2.3.4, 515"},
      {stem + L"large", large, L"10.0.0.6, 6101"},
      {stem + L"between", PropertyRecord(1240, kPropertyLarge, L"prn3", 9101), L"prn3, 9101"},
      // No terminating zero inside the record: the address ends with it.
      {stem + L"fullsmall", PropertyRecord(1232, kPropertySmall, std::wstring(57, L'A'), 1),
       std::wstring(57, L'A') + L", 1"},
      {stem + L"fulllarge", PropertyRecord(1248, kPropertyLarge, std::wstring(59, L'B'), 2),
       std::wstring(59, L'B') + L", 2"},
      {stem + L"cut", PropertyRecord(1130, kPropertySmall, L"ABCDEFGH", 3), L"ABCDEF, 3"},
      {stem + L"toolarge", PropertyRecord(1249, kPropertyLarge, L"10.0.0.9", 9100), L""},
      {stem + L"norecord", {}, L""},
  };
  for (const Case& c : cases) {
    const ScopedKey key = monitor.AddPort(c.port);
    ASSERT_TRUE(key);
    if (!c.record.empty()) {
      ASSERT_TRUE(SetBinary(key.get(), L"Property", c.record));
    }
  }
  for (const Case& c : cases) {
    EXPECT_EQ(ReadPropertyTcpPort(c.port), c.text) << c.port;
    EXPECT_EQ(ClassifyNetworkPort(c.port), NetworkPortKind::kTelmaro) << c.port;
  }
  EXPECT_EQ(ReadPropertyTcpPort(stem + L"nokey"), L"");
}

TEST(PortDiscovery, QueuesGetTheKindAndDescriptionOfTheirPort) {
  const TestMonitor standard(kStandardMonitor, kStandardMonitor);
  const TestMonitor telmaro(L"TELMARO TCP/IP Port", kTelmaroTcpPortDescription);
  const TestMonitor seh(L"SEH TCP/IP Port", kSehTcpPortDescription);
  const TestMonitor other(L"Vostrel Test Port", L"Vostrel Test Port");
  ASSERT_TRUE(standard.installed() && telmaro.installed() && seh.installed() && other.installed());
  const DefaultCommConfig com7(L"COM7", Dcb(19200, 7, TWOSTOPBITS, EVENPARITY, false, true, true));
  ASSERT_TRUE(com7.set());

  const std::wstring id = UniqueSuffix();
  {
    const ScopedKey key = standard.AddPort(L"IP_192.168.0.50_" + id);
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", L"192.168.0.50") && SetDword(key.get(), L"PortNumber", 9100));
  }
  {
    const ScopedKey key = standard.AddPort(L"IP_prn1_" + id);
    ASSERT_TRUE(SetText(key.get(), L"IPAddress", L"") && SetText(key.get(), L"HostName", L"prn1") &&
                SetDword(key.get(), L"PortNumber", 9100));
  }
  {
    const ScopedKey key = telmaro.AddPort(L"TELMARO_10.0.0.5_" + id);
    ASSERT_TRUE(SetBinary(key.get(), L"Property", PropertyRecord(1232, kPropertySmall, L"10.0.0.5", 9100)));
  }
  ASSERT_TRUE(seh.AddPort(L"10.1.2.3:9101"));
  ASSERT_TRUE(other.AddPort(L"Vostrel_10.0.0.7_" + id));

  struct Case {
    std::wstring port;
    PortKind kind;
    std::wstring text;
  };
  const std::vector<Case> cases = {
      {L"LPT1:", PortKind::None, L"LPT1:"},
      {L"USB002", PortKind::Usb, L"USB002"},
      {L"COM7:", PortKind::Com, L"COM7, 19200, 7, 2, Even, Xon/Xoff"},
      {L"COM250:", PortKind::Com, L"COM250"},
      {L"TELMARO COM7", PortKind::Com, L"TELMARO COM7, 19200, 7, 2, Even, Xon/Xoff"},
      {L"IP_192.168.0.50_" + id, PortKind::Net, L"192.168.0.50, 9100"},
      {L"IP_prn1_" + id, PortKind::Net, L"prn1, 9100"},
      {L"TELMARO_10.0.0.5_" + id, PortKind::Net, L"10.0.0.5, 9100"},
      {L"10.1.2.3:9101", PortKind::Net, L"10.1.2.3, 9101"},
      // A port of another monitor, and one no monitor knows.
      {L"Vostrel_10.0.0.7_" + id, PortKind::None, L"Vostrel_10.0.0.7_" + id},
      {L"IP_10.0.0.8_" + id, PortKind::None, L"IP_10.0.0.8_" + id},
  };
  std::vector<std::unique_ptr<TestQueue>> queues;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    queues.push_back(std::make_unique<TestQueue>(L"Vostrel ports " + id + L" " + std::to_wstring(i), cases[i].port));
    ASSERT_TRUE(queues.back()->added()) << i;
  }

  const QueueDiscovery found = FillQueueList();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::wstring& name = queues[i]->name();
    SCOPED_TRACE(cases[i].port);
    EXPECT_THAT(found.queues, Contains(name));
    ASSERT_TRUE(found.queuePortKinds.contains(name));
    EXPECT_EQ(found.queuePortKinds.at(name), cases[i].kind);
    EXPECT_EQ(found.queuePortTexts.at(name), cases[i].text);
  }
  EXPECT_EQ(found.queuePortKinds.size(), found.queues.size());
  EXPECT_EQ(found.queuePortTexts.size(), found.queues.size());
}

}  // namespace
}  // namespace vostrel
