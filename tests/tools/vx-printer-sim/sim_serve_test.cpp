// One connection run over a scripted channel: what reaches the wire, the
// capture files, the pauses and the saved settings.
#include "sim_serve.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "support/fake_clock.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace vostrel::sim {
namespace {

using vostrel::testing::FakeClock;
using vostrel::testing::ReadFileBytes;
using vostrel::testing::ReadFileIfAny;
using vostrel::testing::ScratchFolder;

const std::string kPre(kPrefix);
const std::string kConfigRequest = kPre + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";

// Hands out the queued chunks (an empty chunk: nothing came this time), then
// reports the peer closed; records every write.
class ScriptedChannel final : public Channel {
 public:
  explicit ScriptedChannel(std::deque<std::string> chunks, long long writeLimit = -1)
      : chunks_(std::move(chunks)), writeLimit_(writeLimit) {}
  int Read(char* buffer, int size) override {
    if (chunks_.empty()) return idleForever_ ? 0 : -1;
    std::string chunk = std::move(chunks_.front());
    chunks_.pop_front();
    const int count = std::min(size, static_cast<int>(chunk.size()));
    std::copy(chunk.begin(), chunk.begin() + count, buffer);
    return count;
  }
  bool Write(std::string_view bytes) override {
    if (writeLimit_ >= 0 && static_cast<long long>(written.size() + bytes.size()) > writeLimit_) return false;
    written.append(bytes);
    return true;
  }
  void IdleForever() { idleForever_ = true; }

  std::string written;

 private:
  std::deque<std::string> chunks_;
  long long writeLimit_;
  bool idleForever_ = false;
};

TEST(SimServe, CaptureHoldsTheExactBytesOfBothDirectionsAndThePrintJobs) {
  ScratchFolder folder;
  Printer printer({});
  FakeClock clock;
  std::atomic<bool> stop{false};
  const std::string received = kConfigRequest + "~WC\n";
  {
    Recorder recorder(folder.path(), true);
    ASSERT_TRUE(recorder.ok());
    ScriptedChannel channel({kConfigRequest.substr(0, 7), kConfigRequest.substr(7), "~WC\n"});
    recorder.BeginConnection(1, "test");
    EXPECT_EQ(ServeConnection(channel, printer, {}, recorder, clock, stop), ServeEnd::PeerClosed);
    recorder.EndConnection();
    EXPECT_EQ(channel.written, std::string(kListingHeader) + printer.ListingBody() + "END\r\n");
    EXPECT_EQ(ReadFileIfAny(folder / "conn-0001-out.bin"), channel.written);
  }
  EXPECT_EQ(ReadFileIfAny(folder / "conn-0001-in.bin"), received);
  EXPECT_EQ(ReadFileIfAny(folder / "job-0001.bin"), "~WC\n");
  const std::string log = ReadFileBytes(folder / "sim.log");
  EXPECT_NE(log.find("configuration listing requested"), std::string::npos);
  EXPECT_NE(log.find("print job 1: self test"), std::string::npos);
}

TEST(SimServe, DripPausesGoThroughTheClockOnePerByte) {
  Printer printer({});
  FakeClock clock;
  std::atomic<bool> stop{false};
  Recorder recorder({}, true);
  ServeSettings settings;
  settings.faults.dripMs = 30;
  ScriptedChannel channel({kPre + "CUT COUNTER:\r\nEXIT\r\n"});
  ServeConnection(channel, printer, settings, recorder, clock, stop);
  EXPECT_EQ(channel.written, "Cut Counter 4217\r\n");
  EXPECT_EQ(clock.sleeps(), std::vector<std::uint32_t>(channel.written.size(), 30u));
}

// Ctrl+C arriving while a reply drips out.
class StoppingClock final : public Clock {
 public:
  explicit StoppingClock(std::atomic<bool>& stop) : stop_(stop) {}
  std::uint32_t TickCount() override { return 0; }
  void Sleep(std::uint32_t) override { stop_.store(true); }

 private:
  std::atomic<bool>& stop_;
};

TEST(SimServe, StopCutsADrippingReplyShort) {
  Printer printer({});
  std::atomic<bool> stop{false};
  StoppingClock clock(stop);
  Recorder recorder({}, true);
  ServeSettings settings;
  settings.faults.dripMs = 1000;
  ScriptedChannel channel({kConfigRequest});
  EXPECT_EQ(ServeConnection(channel, printer, settings, recorder, clock, stop), ServeEnd::Stopped);
  EXPECT_EQ(channel.written, "~");
}

TEST(SimServe, EndsAsAskedAndSavesTheSettingsEveryTime) {
  struct Case {
    ServeSettings settings;
    long long writeLimit;
    bool idleForever;
    bool stopAtOnce;
    ServeEnd end;
  };
  ScratchFolder folder;
  const std::wstring state = folder.File(L"state.prn");
  const Case cases[] = {
      {{.stateFile = state}, -1, false, false, ServeEnd::PeerClosed},
      {{.faults = {.closeAfter = 10}, .stateFile = state}, -1, false, false, ServeEnd::FaultClosed},
      {{.faults = {.resetAfter = 10}, .stateFile = state}, -1, false, false, ServeEnd::FaultReset},
      {{.stateFile = state}, 10, false, false, ServeEnd::WriteFailed},
      {{.idleEndMs = 1000, .stateFile = state}, -1, true, false, ServeEnd::Idle},
      {{.stateFile = state}, -1, false, true, ServeEnd::Stopped},
  };
  int darkness = 0;
  for (const Case& c : cases) {
    Printer printer({});
    FakeClock clock(0, 50);
    std::atomic<bool> stop{c.stopAtOnce};
    Recorder recorder({}, true);
    const std::string script = kPre + "PRINT DARKNESS\t:\t" + std::to_string(++darkness) + "\r\nEND\r\n";
    ScriptedChannel channel({script, kConfigRequest}, c.writeLimit);
    if (c.idleForever) channel.IdleForever();
    EXPECT_EQ(ServeConnection(channel, printer, c.settings, recorder, clock, stop), c.end);
    // The next start of the simulator begins from what this connection left.
    Printer restarted({});
    const std::optional<std::string> saved = ReadFileIfAny(state);
    EXPECT_TRUE(saved.has_value());
    EXPECT_EQ(restarted.LoadSettingsText(saved.value_or("")), 0);
    EXPECT_EQ(restarted.Value("PRINT DARKNESS"), c.stopAtOnce ? "10" : std::to_string(darkness));
  }
}

}  // namespace
}  // namespace vostrel::sim
