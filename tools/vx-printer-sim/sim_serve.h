#pragma once
// Runs one connection of the simulated printer over any byte channel: reads
// what comes, hands it to a Session, carries out the steps of its replies
// (pauses through the Clock), records everything, and saves the settings.

#include <atomic>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "sim_capture.h"
#include "sim_session.h"

namespace vostrel::sim {

class Channel {
 public:
  virtual ~Channel() = default;
  // Waits a short while for bytes: >0 bytes read, 0 none came, -1 the peer
  // closed or the channel failed.
  virtual int Read(char* buffer, int size) = 0;
  virtual bool Write(std::string_view bytes) = 0;
};

struct ServeSettings {
  Faults faults{};
  // COM has no connections: a connection ends after this long without bytes
  // once some came. 0: only the peer ends it.
  std::uint32_t idleEndMs = 0;
  std::wstring stateFile;         // saved after the connection when not empty
  StrictPause* strict = nullptr;  // --strict: the pause before a configuration request, kept across connections
};

enum class ServeEnd { PeerClosed, Idle, FaultClosed, FaultReset, WriteFailed, Stopped, NothingCame };

ServeEnd ServeConnection(Channel& channel, Printer& printer, const ServeSettings& settings, Recorder& recorder,
                         Clock& clock, const std::atomic<bool>& stop);

}  // namespace vostrel::sim
