#pragma once
// The RFID calibration of the Sensor Adjustment tab's third choice: after a
// check that the printer has the RFID option, the printer is told to
// calibrate its RFID reader and is asked for the result every few reads
// until it reports it, or six minutes have passed.

#include <cstddef>
#include <cstdint>

#include "operations/command_host.h"

namespace vostrel {

// The Calibration page's media index of the RFID calibration.
inline constexpr int kRfidCalibrationMedia = 4;

// Reads between two status polls; the first poll goes before the sixth read.
inline constexpr int kRfidReadsPerPoll = 5;
inline constexpr std::uint32_t kRfidReadPauseMs = 500;
inline constexpr std::uint32_t kRfidCalibrationLimitMs = 6 * 60 * 1000;
// What arrives is gathered here to be searched for the result; once most of
// it is used, only its last bytes (a result cut in two) are kept.
inline constexpr std::size_t kRfidGatherSize = 1024;
inline constexpr std::size_t kRfidGatherFull = 924;
inline constexpr std::size_t kRfidGatherKept = 7;

// IDC_MAIN_SEND on the Sensor Adjustment tab with the RFID choice.
void StartRfidCalibration(const CommandHost& host);

}  // namespace vostrel
