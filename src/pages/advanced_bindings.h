#pragma once
// The rows of the Advanced page: catalogue items 26 to 82, in catalogue
// order, with their controls, per-model defaults, availability, edit limits,
// up-down ranges and English choices. The lists stay English in every
// language: the page has no texts of its own in the text table.

#include <array>
#include <string_view>

#include "pages/field_binding.h"
#include "res/advanced_page_ids.h"
#include "settings/catalogue.h"

namespace vostrel {

namespace advanced_choices {
inline constexpr std::wstring_view kOffOn[] = {L"OFF", L"ON"};
inline constexpr std::wstring_view kOnOff[] = {L"ON", L"OFF"};
inline constexpr std::wstring_view kSensitivity[] = {L"LOW", L"MEDIUM", L"HIGH"};
inline constexpr std::wstring_view kHighLow[] = {L"HIGH", L"LOW"};
inline constexpr std::wstring_view kResolution[] = {L"203dpi", L"300dpi"};
inline constexpr std::wstring_view kRibbonEnd[] = {L"NORMAL", L"SLOW"};
inline constexpr std::wstring_view kLayout[] = {L"STANDARD", L"REVERSED"};
inline constexpr std::wstring_view kPreference[] = {L"DARKNESS", L"SPEED"};
inline constexpr std::wstring_view kLengthUnit[] = {L"INCH", L"MM"};
}  // namespace advanced_choices

inline constexpr int kAdvancedRowCount = 57;

// Dots across the print head at 203 and 300 dpi (by resolution list index):
// the up-down range of a dots row shown at that resolution.
inline constexpr std::array<std::int32_t, 2> kHeadDotsAtResolution = {832, 1240};

// clang-format off
inline constexpr std::array<FieldBinding, kAdvancedRowCount> AdvancedBindings = {{
    /* 0 */ {.spin = IDC_ADV_THROUGH_POS_SPIN, .edit = IDC_ADV_THROUGH_POS_EDIT, .item = entry::kThroughSensorPosition, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_THROUGH_POS_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 4},
    /* 1 */ {.spin = IDC_ADV_REFLECT_POS_SPIN, .edit = IDC_ADV_REFLECT_POS_EDIT, .item = entry::kReflectSensorPosition, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_REFLECT_POS_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 4},
    /* 2 */ {.spin = IDC_ADV_FIX_THROUGH_POS_SPIN, .edit = IDC_ADV_FIX_THROUGH_POS_EDIT, .item = entry::kThroughSensorPositionAlt, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_FIX_THROUGH_POS_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 3 */ {.spin = IDC_ADV_FIX_REFLECT_POS_SPIN, .edit = IDC_ADV_FIX_REFLECT_POS_EDIT, .item = entry::kReflectSensorPositionAlt, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_FIX_REFLECT_POS_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 4 */ {.spin = IDC_ADV_ADJ_THROUGH_POS_SPIN, .edit = IDC_ADV_ADJ_THROUGH_POS_EDIT, .item = entry::kAdjThroughSensorPosition, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_ADJ_THROUGH_POS_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 5 */ {.spin = IDC_ADV_ADJ_REFLECT_POS_SPIN, .edit = IDC_ADV_ADJ_REFLECT_POS_EDIT, .item = entry::kAdjReflectSensorPosition, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_ADJ_REFLECT_POS_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 6 */ {.spin = IDC_ADV_TEAR_POS_SPIN, .edit = IDC_ADV_TEAR_POS_EDIT, .item = entry::kMachTearPos, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_TEAR_POS_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 4},
    /* 7 */ {.spin = IDC_ADV_CUT_POS_SPIN, .edit = IDC_ADV_CUT_POS_EDIT, .item = entry::kMachCutPos, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_CUT_POS_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 4},
    /* 8 */ {.spin = IDC_ADV_PEEL_POS_SPIN, .edit = IDC_ADV_PEEL_POS_EDIT, .item = entry::kMachPeelPos, .spinMin = -256, .spinMax = 256, .checkBox = IDC_ADV_PEEL_POS_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 4},
    /* 9 */ {.spin = IDC_ADV_HORIZONTAL_POS_SPIN, .edit = IDC_ADV_HORIZONTAL_POS_EDIT, .item = entry::kMachHorPos, .spinMin = -16, .spinMax = 32, .checkBox = IDC_ADV_HORIZONTAL_POS_CHECK, .textDefault = {L"8", L"8"}, .editLimit = 3},
    /* 10 */ {.list = IDC_ADV_AUTOCAL_MODE_LIST, .item = entry::kAutocalMode, .checkBox = IDC_ADV_AUTOCAL_MODE_CHECK, .listDefault = {1, 1}, .choices = advanced_choices::kOffOn},
    /* 11 */ {.edit = IDC_ADV_THROUGH_SENSOR_EDIT, .item = entry::kSeeThroughSensor, .checkBox = IDC_ADV_THROUGH_SENSOR_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 3},
    /* 12 */ {.edit = IDC_ADV_REFLECT_SENSOR_EDIT, .item = entry::kReflectSensor, .checkBox = IDC_ADV_REFLECT_SENSOR_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 3},
    /* 13 */ {.edit = IDC_ADV_FIX_THROUGH_SENSOR_EDIT, .item = entry::kSeeThroughSensorAlt, .checkBox = IDC_ADV_FIX_THROUGH_SENSOR_CHECK, .available = {0, 0}, .editLimit = 3},
    /* 14 */ {.edit = IDC_ADV_FIX_REFLECT_SENSOR_EDIT, .item = entry::kReflectSensorAlt, .checkBox = IDC_ADV_FIX_REFLECT_SENSOR_CHECK, .available = {0, 0}, .editLimit = 3},
    /* 15 */ {.edit = IDC_ADV_ADJ_THROUGH_SENSOR_EDIT, .item = entry::kAdjThroughSensor, .checkBox = IDC_ADV_ADJ_THROUGH_SENSOR_CHECK, .available = {0, 0}, .editLimit = 3},
    /* 16 */ {.edit = IDC_ADV_ADJ_REFLECT_SENSOR_EDIT, .item = entry::kAdjReflectSensor, .checkBox = IDC_ADV_ADJ_REFLECT_SENSOR_CHECK, .available = {0, 0}, .editLimit = 3},
    /* 17 */ {.list = IDC_ADV_THROUGH_SENSITIVITY_LIST, .item = entry::kSeethroughSensitivity, .checkBox = IDC_ADV_THROUGH_SENSITIVITY_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kSensitivity},
    /* 18 */ {.list = IDC_ADV_REFLECT_SENSITIVITY_LIST, .item = entry::kReflectSensitivity, .checkBox = IDC_ADV_REFLECT_SENSITIVITY_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kSensitivity},
    /* 19 */ {.list = IDC_ADV_FIX_REFLECT_SENSITIVITY_LIST, .item = entry::kFixReflectSensitivity, .checkBox = IDC_ADV_FIX_REFLECT_SENSITIVITY_CHECK, .listDefault = {0, 0}, .available = {0, 0}, .japaneseOnly = 1, .choices = advanced_choices::kSensitivity},
    /* 20 */ {.edit = IDC_ADV_THROUGH_CAL_EDIT, .item = entry::kAdjThroughCalLevelAlt, .checkBox = IDC_ADV_THROUGH_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 21 */ {.edit = IDC_ADV_REFLECT_CAL_EDIT, .item = entry::kAdjReflectCalLevelAlt, .checkBox = IDC_ADV_REFLECT_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 22 */ {.edit = IDC_ADV_SENSNONE_CAL_EDIT, .item = entry::kAdjSensnoneCalLevelAlt, .checkBox = IDC_ADV_SENSNONE_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 23 */ {.edit = IDC_ADV_FIX_THROUGH_CAL_EDIT, .item = entry::kFixThroughCalLevel, .checkBox = IDC_ADV_FIX_THROUGH_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 24 */ {.edit = IDC_ADV_FIX_REFLECT_CAL_EDIT, .item = entry::kFixReflectCalLevel, .checkBox = IDC_ADV_FIX_REFLECT_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 25 */ {.edit = IDC_ADV_FIX_SENSNONE_CAL_EDIT, .item = entry::kFixSensnoneCalLevel, .checkBox = IDC_ADV_FIX_SENSNONE_CAL_CHECK, .available = {0, 0}, .editLimit = 4},
    /* 26 */ {.edit = IDC_ADV_ADJ_THROUGH_CAL_EDIT, .item = entry::kAdjThroughCalLevel, .checkBox = IDC_ADV_ADJ_THROUGH_CAL_CHECK, .textDefault = {L"2.30", L"2.30"}, .editLimit = 4},
    /* 27 */ {.edit = IDC_ADV_ADJ_REFLECT_CAL_EDIT, .item = entry::kAdjReflectCalLevel, .checkBox = IDC_ADV_ADJ_REFLECT_CAL_CHECK, .textDefault = {L"2.10", L"2.10"}, .editLimit = 4},
    /* 28 */ {.edit = IDC_ADV_ADJ_SENSNONE_CAL_EDIT, .item = entry::kAdjSensnoneCalLevel, .checkBox = IDC_ADV_ADJ_SENSNONE_CAL_CHECK, .textDefault = {L"2.05", L"2.05"}, .editLimit = 4},
    /* 29 */ {.list = IDC_ADV_DARKNESS_RATE_LIST, .item = entry::kDarknessRate, .checkBox = IDC_ADV_DARKNESS_RATE_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kHighLow},
    /* 30 */ {.list = IDC_ADV_DOUBLE_HEAT_LIST, .item = entry::kDoubleHeatMenu, .checkBox = IDC_ADV_DOUBLE_HEAT_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOffOn},
    /* 31 */ {.edit = IDC_ADV_TT_HOT_EDIT, .item = entry::kTtHotHeatrateAdjust, .checkBox = IDC_ADV_TT_HOT_CHECK, .textDefault = {L"0.0", L"0.0"}, .available = {0, 1}, .editLimit = 4},
    /* 32 */ {.edit = IDC_ADV_TT_COLD_EDIT, .item = entry::kTtColdHeatrateAdjust, .checkBox = IDC_ADV_TT_COLD_CHECK, .textDefault = {L"0.0", L"0.0"}, .available = {0, 1}, .editLimit = 4},
    /* 33 */ {.edit = IDC_ADV_DT_HOT_EDIT, .item = entry::kDtHotHeatrateAdjust, .checkBox = IDC_ADV_DT_HOT_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 4},
    /* 34 */ {.edit = IDC_ADV_DT_COLD_EDIT, .item = entry::kDtColdHeatrateAdjust, .checkBox = IDC_ADV_DT_COLD_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 4},
    /* 35 */ {.list = IDC_ADV_POWERON_HEAD_CHECK_LIST, .item = entry::kPoweronHeadCheck, .checkBox = IDC_ADV_POWERON_HEAD_CHECK_CHECK, .listDefault = {0, 0}, .available = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 36 */ {.list = IDC_ADV_HEAD_CHECK_START_LIST, .spin = IDC_ADV_HEAD_CHECK_START_SPIN, .edit = IDC_ADV_HEAD_CHECK_START_EDIT, .item = entry::kHeadCheckStartPos, .spinMin = 1, .spinMax = 848, .checkBox = IDC_ADV_HEAD_CHECK_START_CHECK, .listDefault = {0, 1}, .textDefault = {L"1", L"1"}, .available = {0, 0}, .editLimit = 4, .choices = advanced_choices::kResolution, .flags = kRowListIsUnitIndex | kRowDotsAtResolution},
    /* 37 */ {.list = IDC_ADV_HEAD_CHECK_STOP_LIST, .spin = IDC_ADV_HEAD_CHECK_STOP_SPIN, .edit = IDC_ADV_HEAD_CHECK_STOP_EDIT, .item = entry::kHeadCheckStopPos, .spinMin = 1, .spinMax = 848, .checkBox = IDC_ADV_HEAD_CHECK_STOP_CHECK, .listDefault = {0, 1}, .textDefault = {L"848", L"848"}, .available = {0, 0}, .editLimit = 4, .choices = advanced_choices::kResolution, .flags = kRowListIsUnitIndex | kRowDotsAtResolution},
    /* 38 */ {.list = IDC_ADV_RIBBON_END_LIST, .item = entry::kRibbonEndDetection, .checkBox = IDC_ADV_RIBBON_END_CHECK, .listDefault = {0, 0}, .available = {0, 1}, .choices = advanced_choices::kRibbonEnd},
    /* 39 */ {.list = IDC_ADV_PARALLEL_ERROR_LIST, .item = entry::kParallelErrorOutput, .checkBox = IDC_ADV_PARALLEL_ERROR_CHECK, .listDefault = {0, 0}, .available = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 40 */ {.list = IDC_ADV_TOP_FORM_LIST, .item = entry::kTopFormSensing, .checkBox = IDC_ADV_TOP_FORM_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 41 */ {.list = IDC_ADV_USB_SERIAL_LIST, .edit = IDC_ADV_USB_SERIAL_EDIT, .item = entry::kUsbSerialNumber, .checkBox = IDC_ADV_USB_SERIAL_CHECK, .listDefault = {0, 0}, .editLimit = 32, .choices = advanced_choices::kOffOn, .flags = kRowListToSecondValue},
    /* 42 */ {.list = IDC_ADV_AUTO_EXEC_LIST, .item = entry::kAutoExecPrint, .checkBox = IDC_ADV_AUTO_EXEC_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 43 */ {.list = IDC_ADV_CONFIG_LAYOUT_LIST, .item = entry::kConfigPrintLayout, .checkBox = IDC_ADV_CONFIG_LAYOUT_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kLayout},
    /* 44 */ {.spin = IDC_ADV_HEAD_CLEAN_SPIN, .edit = IDC_ADV_HEAD_CLEAN_EDIT, .item = entry::kHeadCleanMessage, .spinMin = 0, .spinMax = 9999999, .checkBox = IDC_ADV_HEAD_CLEAN_CHECK, .textDefault = {L"0", L"0"}, .editLimit = 7},
    /* 45 */ {.list = IDC_ADV_PRINT_PREFERENCE_LIST, .item = entry::kPrintPreference, .checkBox = IDC_ADV_PRINT_PREFERENCE_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kPreference},
    /* 46 */ {.edit = IDC_ADV_TT_HOT_2_EDIT, .item = entry::kTtHotHeatrateAdjust2, .checkBox = IDC_ADV_TT_HOT_2_CHECK, .textDefault = {L"0.0", L"0.0"}, .available = {0, 1}, .editLimit = 4},
    /* 47 */ {.edit = IDC_ADV_TT_COLD_2_EDIT, .item = entry::kTtColdHeatrateAdjust2, .checkBox = IDC_ADV_TT_COLD_2_CHECK, .textDefault = {L"0.0", L"0.0"}, .available = {0, 1}, .editLimit = 4},
    /* 48 */ {.edit = IDC_ADV_DT_HOT_2_EDIT, .item = entry::kDtHotHeatrateAdjust2, .checkBox = IDC_ADV_DT_HOT_2_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 4},
    /* 49 */ {.edit = IDC_ADV_DT_COLD_2_EDIT, .item = entry::kDtColdHeatrateAdjust2, .checkBox = IDC_ADV_DT_COLD_2_CHECK, .textDefault = {L"0.0", L"0.0"}, .editLimit = 4},
    /* 50 */ {.list = IDC_ADV_PATTERN_PRINT_LIST, .item = entry::kHeadCheckPatternPrint, .checkBox = IDC_ADV_PATTERN_PRINT_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOffOn},
    /* 51 */ {.list = IDC_ADV_PATTERN_WIDTH_LIST, .spin = IDC_ADV_PATTERN_WIDTH_SPIN, .edit = IDC_ADV_PATTERN_WIDTH_EDIT, .item = entry::kHeadCheckPatternWidth, .spinMin = 1, .spinMax = 832, .checkBox = IDC_ADV_PATTERN_WIDTH_CHECK, .listDefault = {0, 1}, .textDefault = {L"832", L"1240"}, .editLimit = 4, .choices = advanced_choices::kResolution, .flags = kRowListIsUnitIndex | kRowDotsAtResolution | kRowWidthFollowsResolution},
    /* 52 */ {.list = IDC_ADV_SNMP_LIST, .item = entry::kSnmp, .checkBox = IDC_ADV_SNMP_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 53 */ {.list = IDC_ADV_HTML_LIST, .item = entry::kHtml, .checkBox = IDC_ADV_HTML_CHECK, .listDefault = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 54 */ {.list = IDC_ADV_TYPE1_MODE_LIST, .item = entry::kType1Mode, .checkBox = IDC_ADV_TYPE1_MODE_CHECK, .listDefault = {0, 0}, .available = {0, 0}, .choices = advanced_choices::kOnOff},
    /* 55 */ {.list = IDC_ADV_RFID_ANTENNA_LIST, .edit = IDC_ADV_RFID_ANTENNA_EDIT, .item = entry::kRfidAntennaPosition, .checkBox = IDC_ADV_RFID_ANTENNA_CHECK, .listDefault = {0, 0}, .textDefault = {L"0.73", L"0.73"}, .available = {0, 0}, .editLimit = 5, .choices = advanced_choices::kLengthUnit, .flags = kRowListToSecondValue | kRowListShowsUnitIndex},
    /* 56 */ {.list = IDC_ADV_RFID_REVERSE_LIST, .edit = IDC_ADV_RFID_REVERSE_EDIT, .item = entry::kRfidReverseMediaLength, .checkBox = IDC_ADV_RFID_REVERSE_CHECK, .listDefault = {0, 0}, .textDefault = {L"0.00", L"0.00"}, .available = {0, 0}, .editLimit = 5, .choices = advanced_choices::kLengthUnit, .flags = kRowListToSecondValue | kRowListShowsUnitIndex},
}};
// clang-format on

}  // namespace vostrel
