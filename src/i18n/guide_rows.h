#pragma once
// The rows of the GuideTexts block by name: the Calibration page's guides and
// the calibration flows' questions and results address their texts by these
// names, never by the numbers.

#include <cstdint>

#include "i18n/text_table.h"

namespace vostrel {

enum GuideRow : std::int32_t {
  kGuidePrompt = 0,  // above the media choices
  // The sensor adjustment's steps: labels with gaps (1, 5, 7, 9) and black
  // marks on back (3, 6, 8, 9). Rows 2 and 4 are the longer first steps that
  // no guide shows.
  kGuideGapsSensorsAligned = 1,
  kGuideGapsFrontOrRearSensor = 2,
  kGuideMarksLowerSensor = 3,
  kGuideMarksFrontOrRearSensor = 4,
  kGuideGapsShowLiner = 5,
  kGuideMarksFaceDown = 6,
  kGuideGapsLinerBetweenSensors = 7,
  kGuideMarksClearOfSensor = 8,
  kGuideCloseAndStartAdjustment = 9,
  // The sensor adjustment's question and results.
  kGuideAskSensorAdjustment = 10,
  kGuideSensorAdjustmentDone = 11,
  kGuideSensorAdjustmentFailed = 12,
  // The RFID calibration's question and results.
  kGuideAskRfidCalibration = 13,
  kGuideRfidCalibrationDone = 14,
  kGuideRfidCalibrationFailed = 15,
  kGuideNoRfidSupport = 16,
  // The RFID calibration's steps: 17, 20 and 19 (18, the media set up in
  // general words, is not shown).
  kGuideRfidSensorPosition = 17,
  kGuideRfidSetUpMedia = 18,
  kGuideRfidCloseAndStart = 19,
  kGuideRfidLoadLabelRoll = 20,
};

static_assert(kGuideRfidLoadLabelRoll + 1 == BlockRowCount(TextBlock::GuideTexts));

constexpr TextId GuideText(GuideRow row) { return {TextBlock::GuideTexts, row}; }

}  // namespace vostrel
