#pragma once
// The two links the simulated printer serves: a TCP server (one connection at
// a time, any number in a row) and a COM port.

#include <atomic>

#include "platform/clock.h"
#include "sim_capture.h"
#include "sim_options.h"

namespace vostrel::sim {

struct ServeTotals {
  long long connections = 0;
};

// The pause a printer needs between the pre-request and a configuration
// request (--strict): 20 s over TCP, 5 s over COM.
inline constexpr std::uint32_t kStrictTcpPauseMs = 20000;
inline constexpr std::uint32_t kStrictComPauseMs = 5000;

// Both return 0 when they ended as asked (connection count reached, or
// `stop` set), 1 when the link could not be set up (the reason is logged).
int ServeTcp(const Options& options, Printer& printer, Recorder& recorder, Clock& clock, const std::atomic<bool>& stop,
             ServeTotals& totals);
int ServeCom(const Options& options, Printer& printer, Recorder& recorder, Clock& clock, const std::atomic<bool>& stop,
             ServeTotals& totals);

}  // namespace vostrel::sim
