// The simulator's command line.
#include "sim_options.h"

#include <gtest/gtest.h>

namespace vostrel::sim {
namespace {

TEST(SimOptions, DefaultsAreOneFaultlessFirstModelOnPort9100) {
  const ParsedOptions parsed = ParseOptions({});
  ASSERT_TRUE(parsed.ok);
  const Options& o = parsed.options;
  EXPECT_EQ(o.hardware.model, Model::Vx120);
  EXPECT_EQ(o.listenHost, L"127.0.0.1");
  EXPECT_EQ(o.listenPort, 9100);
  EXPECT_TRUE(o.comPort.empty());
  EXPECT_EQ(o.connections, -1);
  EXPECT_TRUE(o.hardware.emulationLine);
  EXPECT_FALSE(o.faults.silent || o.faults.garbage || o.faults.noEnd || o.faults.noHeader || o.faults.strayByte);
  EXPECT_EQ(o.faults.closeAfter, -1);
  EXPECT_EQ(o.faults.dripMs, 0u);
}

TEST(SimOptions, EachOptionSetsWhatItNames) {
  struct Case {
    std::vector<std::wstring> arguments;
    bool (*holds)(const Options&);
  };
  const Case cases[] = {
      {{L"--model", L"VX-135-ZKQ"}, [](const Options& o) { return o.hardware.model == Model::Vx135; }},
      {{L"--listen", L"127.0.0.5:0"},
       [](const Options& o) { return o.listenHost == L"127.0.0.5" && o.listenPort == 0; }},
      {{L"--com", L"COM5", L"--baud", L"19200", L"--parity", L"even", L"--data-bits", L"7", L"--stop-bits", L"2"},
       [](const Options& o) {
         return o.comPort == L"COM5" && o.serial.baud == 19200 && o.serial.parity == 'E' && o.serial.dataBits == 7 &&
                o.serial.stopBits == 2;
       }},
      {{L"--state", L"C:\\sim\\state.prn", L"--capture", L"C:\\cap"},
       [](const Options& o) { return o.stateFile == L"C:\\sim\\state.prn" && o.captureDir == L"C:\\cap"; }},
      {{L"--connections", L"3"}, [](const Options& o) { return o.connections == 3; }},
      {{L"--rfid"}, [](const Options& o) { return o.hardware.rfid && !o.hardware.wlan; }},
      {{L"--wlan"}, [](const Options& o) { return o.hardware.wlan && !o.hardware.rfid; }},
      {{L"--bluetooth"}, [](const Options& o) { return o.hardware.bluetooth; }},
      {{L"--emulation", L"CODE_EPL"},
       [](const Options& o) { return o.emulation == "CODE_EPL" && o.hardware.emulationLine; }},
      {{L"--emulation", L"none"}, [](const Options& o) { return o.emulation.empty() && !o.hardware.emulationLine; }},
      {{L"--calibration", L"unknown-word"},
       [](const Options& o) { return o.faults.calibration == CalibrationAnswer::UnknownWord; }},
      {{L"--calibration", L"two-bytes"},
       [](const Options& o) { return o.faults.calibration == CalibrationAnswer::TwoBytes; }},
      {{L"--rfid-result", L"ng"}, [](const Options& o) { return !o.faults.rfidOk; }},
      {{L"--stray-byte", L"--no-header", L"--no-end"},
       [](const Options& o) { return o.faults.strayByte && o.faults.noHeader && o.faults.noEnd; }},
      {{L"--long-reply", L"--garbage", L"--silent"},
       [](const Options& o) { return o.faults.longReply && o.faults.garbage && o.faults.silent; }},
      {{L"--close-after", L"0"}, [](const Options& o) { return o.faults.closeAfter == 0; }},
      {{L"--reset-after", L"54", L"--listing-size", L"9000", L"--never-read"},
       [](const Options& o) {
         return o.faults.resetAfter == 54 && o.faults.listingSize == 9000 && o.faults.neverRead &&
                o.faults.closeAfter == -1;
       }},
      {{L"--drip", L"40"}, [](const Options& o) { return o.faults.dripMs == 40u; }},
      {{L"--quiet"}, [](const Options& o) { return o.quiet; }},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = ParseOptions(c.arguments);
    ASSERT_TRUE(parsed.ok) << std::string(parsed.error.begin(), parsed.error.end());
    EXPECT_TRUE(c.holds(parsed.options)) << std::string(c.arguments[0].begin(), c.arguments[0].end());
  }
}

TEST(SimOptions, RefusesWhatItCannotServe) {
  const std::vector<std::vector<std::wstring>> refused = {
      {L"--model", L"VX-999"},      {L"--model"},
      {L"--listen", L"9100"},       {L"--listen", L"127.0.0.1:65536"},
      {L"--listen", L":9100"},      {L"--connections", L"0"},
      {L"--connections", L"-1"},    {L"--emulation", L"code_zebra"},
      {L"--calibration", L"maybe"}, {L"--parity", L"mark"},
      {L"--data-bits", L"9"},       {L"--drip", L"0"},
      {L"--close-after", L"x"},     {L"--rfid", L"--wlan"},
      {L"--wlan", L"--bluetooth"},  {L"--frobnicate"},
  };
  for (const auto& arguments : refused) {
    const ParsedOptions parsed = ParseOptions(arguments);
    EXPECT_FALSE(parsed.ok) << std::string(arguments[0].begin(), arguments[0].end());
    EXPECT_FALSE(parsed.error.empty());
  }
}

// The options of a simulator that stands for a real printer or a fleet.
TEST(SimOptions, StrictAndPrintersAreTakenAndPrintersServeTcpOnly) {
  const ParsedOptions defaults = ParseOptions({});
  EXPECT_FALSE(defaults.options.strict);
  EXPECT_EQ(defaults.options.printers, 1);
  const ParsedOptions fleet = ParseOptions({L"--strict", L"--printers", L"10"});
  ASSERT_TRUE(fleet.ok);
  EXPECT_TRUE(fleet.options.strict);
  EXPECT_EQ(fleet.options.printers, 10);
  for (const auto& arguments : std::vector<std::vector<std::wstring>>{
           {L"--printers", L"0"}, {L"--printers", L"65"}, {L"--printers", L"2", L"--com", L"COM5"}}) {
    EXPECT_FALSE(ParseOptions(arguments).ok) << std::string(arguments[1].begin(), arguments[1].end());
  }
}

}  // namespace
}  // namespace vostrel::sim
