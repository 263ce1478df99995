#pragma once
// The media sensor adjustment of the Sensor Adjustment tab: the printer is
// told the media chosen on the Calibration page, calibrates its sensor and
// saves the result; its answer says whether that succeeded.

#include "operations/command_host.h"

namespace vostrel {

// IDC_MAIN_SEND on the Sensor Adjustment tab: the question, the Calibration
// page's media handed to the Standard page, the adjustment, and the Standard
// page unticked afterwards, whatever came of it.
void StartSensorAdjustment(const CommandHost& host);

// The part after the question: the script with the adjustment's closing
// lines, written with the command prefix; the answer read, judged and shown.
void RunSensorAdjustment(const CommandHost& host);

}  // namespace vostrel
