#include "link/usb_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/link_fixtures.h"

namespace vostrel {
namespace {

using testing_support::TestRegistryRoot;

// Device keys of a test's own, in registry (name) order:
//   A port 1 present ("##?#" name), B port 3 not running, C and D port 3
//   present, E port 7 present with a plain name, F no "DeviceInstance",
//   G port number stored as text, H port 8 listed only beyond "Count".
class UsbLookupTest : public ::testing::Test {
 protected:
  static constexpr wchar_t kGuid[] = L"#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";

  void SetUp() override {
    AddDevice(L"A", KeyName(L"A"), 1, L"USB001 port");
    AddDevice(L"B", KeyName(L"B"), 3, L"");
    AddDevice(L"C", KeyName(L"C"), 3, L"second");
    AddDevice(L"D", KeyName(L"D"), 3, L"third");
    AddDevice(L"E", L"USB-plain-E", 7, L"plain");
    ASSERT_TRUE(root.SetDword(Params(KeyName(L"F")), L"Port Number", 9));
    ASSERT_TRUE(root.SetText(Class() + L"\\" + KeyName(L"G"), L"DeviceInstance", Instance(L"G")));
    ASSERT_TRUE(root.SetText(Params(KeyName(L"G")), L"Port Number", L"5"));
    AddDevice(L"H", KeyName(L"H"), 8, L"");

    const wchar_t* running[] = {L"A", L"C", L"D", L"E", L"G", L"H"};
    for (int i = 0; i < 6; ++i) {
      ASSERT_TRUE(root.SetText(kUsbPrintEnumKey, std::to_wstring(i).c_str(), Instance(running[i])));
    }
    ASSERT_TRUE(root.SetDword(kUsbPrintEnumKey, L"Count", 5));  // H lies beyond Count
  }

  static std::wstring Class() { return kUsbPrinterClassKey; }
  static std::wstring KeyName(const std::wstring& tag) { return L"##?#USB#VID_1234&PID_5678#" + tag + kGuid; }
  static std::wstring Instance(const std::wstring& tag) { return L"USB\\VID_1234&PID_5678\\" + tag; }
  static std::wstring Params(const std::wstring& keyName) {
    return Class() + L"\\" + keyName + L"\\#\\Device Parameters";
  }

  void AddDevice(const std::wstring& tag, const std::wstring& keyName, DWORD port, const std::wstring& description) {
    ASSERT_TRUE(root.SetText(Class() + L"\\" + keyName, L"DeviceInstance", Instance(tag)));
    ASSERT_TRUE(root.SetDword(Params(keyName), L"Port Number", port));
    if (!description.empty()) {
      ASSERT_TRUE(root.SetText(Params(keyName), L"Port Description", description));
    }
  }

  TestRegistryRoot root;
};

TEST_F(UsbLookupTest, ListsEveryDeviceKeyWithAnInstance) {
  const UsbPrinterList list = ListUsbPrinters(root.key());
  EXPECT_TRUE(list.anyRead);
  const std::wstring pathPrefix = L"\\\\?\\USB#VID_1234&PID_5678#";
  const UsbPrinterEntry expected[] = {
      {Instance(L"A"), pathPrefix + L"A" + kGuid, L"USB001 port", 1, true},
      {Instance(L"B"), pathPrefix + L"B" + kGuid, L"", 3, false},
      {Instance(L"C"), pathPrefix + L"C" + kGuid, L"second", 3, true},
      {Instance(L"D"), pathPrefix + L"D" + kGuid, L"third", 3, true},
      {Instance(L"G"), pathPrefix + L"G" + kGuid, L"", 0, true},
      {Instance(L"H"), pathPrefix + L"H" + kGuid, L"", 8, false},
      {Instance(L"E"), L"USB-plain-E", L"plain", 7, true},
  };
  EXPECT_THAT(list.entries, ::testing::UnorderedElementsAreArray(expected));
}

struct FindCase {
  const wchar_t* port;
  bool found;
  std::wstring path;
  const wchar_t* canonical;
};

TEST_F(UsbLookupTest, FindsTheFirstPresentDeviceOfThePortNumber) {
  const std::wstring pathPrefix = L"\\\\?\\USB#VID_1234&PID_5678#";
  const FindCase cases[] = {
      {L"USB001", true, pathPrefix + L"A" + kGuid, L"USB001"},
      {L"USB003", true, pathPrefix + L"C" + kGuid, L"USB003"},  // B is not running
      {L"USB007", true, L"USB-plain-E", L"USB007"},
      {L"XYZ001", true, pathPrefix + L"A" + kGuid, L"USB001"},  // only the number counts
      {L"USB1", false, L"", L""},
      {L"USB0001", false, L"", L""},
      {L"USBabc", false, L"", L""},
      {L"USB009", false, L"", L""},  // no "DeviceInstance"
      {L"USB005", false, L"", L""},  // port number of the wrong type
      {L"USB008", false, L"", L""},  // listed beyond "Count"
      {L"USB002", false, L"", L""},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.port)));
    const UsbPrinterMatch match = FindUsbPrinter(c.port, root.key());
    EXPECT_EQ(match.found, c.found);
    EXPECT_EQ(match.devicePath, c.path);
    EXPECT_EQ(match.portName, c.canonical);
  }
}

struct RunningCase {
  const char* name;
  DWORD count;                        // "Count" of the usbprint Enum key
  const wchar_t* removed;             // a numbered value taken away, or nullptr
  const wchar_t* notText;             // a numbered value made a DWORD, or nullptr
  std::vector<std::wstring> present;  // the devices then present
};

// A "Count" far beyond the values the key holds ends at the first number
// without a value; it finishes at once and finds the same devices.
TEST_F(UsbLookupTest, AHugeCountReadsOnlyTheNumberedValuesThere) {
  const RunningCase cases[] = {
      {"all six", 0xFFFFFFFF, nullptr, nullptr, {L"A", L"C", L"D", L"E", L"G", L"H"}},
      {"gap at 2", 0xFFFFFFFF, L"2", nullptr, {L"A", L"C"}},
      {"gap at 0", 0xFFFFFFFF, L"0", nullptr, {}},
      {"2 not text", 0xFFFFFFFF, nullptr, L"2", {L"A", L"C", L"E", L"G", L"H"}},
      {"count within", 3, nullptr, nullptr, {L"A", L"C", L"D"}},
  };
  const wchar_t* running[] = {L"A", L"C", L"D", L"E", L"G", L"H"};
  for (const RunningCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 6; ++i) {
      ASSERT_TRUE(root.SetText(kUsbPrintEnumKey, std::to_wstring(i).c_str(), Instance(running[i])));
    }
    ASSERT_TRUE(root.SetDword(kUsbPrintEnumKey, L"Count", c.count));
    if (c.removed != nullptr) {
      ASSERT_EQ(::RegDeleteKeyValueW(root.key(), kUsbPrintEnumKey, c.removed), ERROR_SUCCESS);
    }
    if (c.notText != nullptr) {
      ASSERT_TRUE(root.SetDword(kUsbPrintEnumKey, c.notText, 7));
    }

    std::vector<std::wstring> present;
    for (const UsbPrinterEntry& entry : ListUsbPrinters(root.key()).entries) {
      if (entry.present) present.push_back(entry.deviceInstance);
    }
    std::vector<std::wstring> expected;
    for (const std::wstring& tag : c.present) expected.push_back(Instance(tag));
    EXPECT_THAT(present, ::testing::UnorderedElementsAreArray(expected));
  }
  // H (port 8) is found once its number lies within the values read.
  ASSERT_TRUE(root.SetDword(kUsbPrintEnumKey, L"Count", 0xFFFFFFFF));
  EXPECT_TRUE(FindUsbPrinter(L"USB008", root.key()).found);
}

TEST(UsbLookup, NothingReadWithoutTheClassKey) {
  TestRegistryRoot empty;
  const UsbPrinterList list = ListUsbPrinters(empty.key());
  EXPECT_FALSE(list.anyRead);
  EXPECT_TRUE(list.entries.empty());
  EXPECT_FALSE(FindUsbPrinter(L"USB001", empty.key()).found);
}

TEST(UsbLookup, DevicePathReplacesTheKeyPrefix) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"##?#USB#VID_1&PID_2#X#{g}", L"\\\\?\\USB#VID_1&PID_2#X#{g}"},
      {L"USB#VID_1&PID_2#X#{g}", L"USB#VID_1&PID_2#X#{g}"},
      {L"##?#A##?#B", L"\\\\?\\A\\\\?\\B"},
      {L"", L""},
  };
  for (const auto& [key, path] : cases) EXPECT_EQ(DevicePathFromKeyName(key), path);
}

}  // namespace
}  // namespace vostrel
