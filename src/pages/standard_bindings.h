#pragma once
// The rows of the Standard page: the first 26 settings of the catalogue, in
// catalogue order, with their controls, per-model defaults and English
// choices.

#include <array>
#include <string_view>

#include "pages/field_binding.h"
#include "res/standard_page_ids.h"
#include "settings/catalogue.h"

namespace vostrel {

namespace standard_choices {
// The choices the lists are filled with when the page is made. Print Speed
// starts with the speeds that every model has; ApplyModel rebuilds it.
inline constexpr std::wstring_view kPrintSpeed[] = {L"2 IPS", L"3 IPS", L"4 IPS", L"5 IPS", L"6 IPS"};
inline constexpr std::wstring_view kPrintSpeedPerModel[] = {L"2 IPS", L"3 IPS", L"4 IPS", L"5 IPS",
                                                            L"6 IPS", L"7 IPS", L"8 IPS"};
// How many of kPrintSpeedPerModel each model offers.
inline constexpr std::array<int, 2> kPrintSpeedCount = {7, 5};
inline constexpr std::wstring_view kPrintMethod[] = {L"TT", L"DT"};
inline constexpr std::wstring_view kLengthUnit[] = {L"MM"};
inline constexpr std::wstring_view kMediaSensor[] = {L"SEE THROUGH", L"REFLECT", L"NONE"};
inline constexpr std::wstring_view kOffOn[] = {L"OFF", L"ON"};
inline constexpr std::wstring_view kTimeoutAction[] = {L"CLOSE ALL", L"MOVE NEXT"};
inline constexpr std::wstring_view kSendBuffer[] = {L"DISABLE", L"ENABLE"};
inline constexpr std::wstring_view kBaudRate[] = {L"2400", L"4800", L"9600", L"19200", L"38400", L"57600", L"115200"};
inline constexpr std::wstring_view kParity[] = {L"NONE", L"ODD", L"EVEN"};
inline constexpr std::wstring_view kDataLength[] = {L"7 BITS", L"8 BITS"};
inline constexpr std::wstring_view kStopBit[] = {L"1 BIT", L"2 BITS"};
inline constexpr std::wstring_view kXon[] = {L"NO", L"YES"};
inline constexpr std::wstring_view kZeroIpv6 = L"0000:0000:0000:0000:0000:0000:0000:0000";
}  // namespace standard_choices

inline constexpr int kStandardRowCount = 26;

// clang-format off
inline constexpr std::array<FieldBinding, kStandardRowCount> StandardBindings = {{
    {.list = IDC_STD_PRINT_SPEED_LIST, .item = entry::kPrintSpeed, .checkBox = IDC_STD_PRINT_SPEED_CHECK,
     .listDefault = {4, 4}, .choices = standard_choices::kPrintSpeed},
    {.spin = IDC_STD_PRINT_DARKNESS_SPIN, .edit = IDC_STD_PRINT_DARKNESS_EDIT, .item = entry::kPrintDarkness,
     .spinMin = 0, .spinMax = 30, .checkBox = IDC_STD_PRINT_DARKNESS_CHECK, .textDefault = {L"10", L"15"},
     .editLimit = 2},
    {.list = IDC_STD_PRINT_METHOD_LIST, .item = entry::kPrintMethod, .checkBox = IDC_STD_PRINT_METHOD_CHECK,
     .listDefault = {1, 0}, .available = {0, 1}, .choices = standard_choices::kPrintMethod, .flags = kRowShared},
    {.unitList = IDC_STD_MEDIA_LENGTH_UNIT, .edit = IDC_STD_MEDIA_LENGTH_EDIT, .item = entry::kContinuousMediaLength,
     .checkBox = IDC_STD_MEDIA_LENGTH_CHECK, .textDefault = {L"6.4", L"101.6"}, .editLimit = 6,
     .units = standard_choices::kLengthUnit},
    {.list = IDC_STD_MEDIA_SENSOR_LIST, .item = entry::kMediaSensor, .checkBox = IDC_STD_MEDIA_SENSOR_CHECK,
     .listDefault = {2, 1}, .choices = standard_choices::kMediaSensor, .flags = kRowShared | kRowNoRedMark},
    {.edit = IDC_STD_SENSOR_LEVEL_EDIT, .item = entry::kSensorLevel, .checkBox = IDC_STD_SENSOR_LEVEL_CHECK,
     .textDefault = {L"1.5", L"1.5"}, .editLimit = 3},
    {.edit = IDC_STD_PAPER_END_LEVEL_EDIT, .item = entry::kPaperEndLevel, .checkBox = IDC_STD_PAPER_END_LEVEL_CHECK,
     .textDefault = {L"1.5", L"1.5"}, .editLimit = 4},
    {.address = IDC_STD_IPV4_ADDRESS, .item = entry::kIpv4Address, .checkBox = IDC_STD_IPV4_ADDRESS_CHECK},
    {.address = IDC_STD_IPV4_MASK, .item = entry::kIpv4SubnetMask, .checkBox = IDC_STD_IPV4_MASK_CHECK},
    {.address = IDC_STD_IPV4_GATEWAY, .item = entry::kIpv4Gateway, .checkBox = IDC_STD_IPV4_GATEWAY_CHECK},
    {.list = IDC_STD_IPV4_DHCP_LIST, .item = entry::kIpv4Dhcp, .checkBox = IDC_STD_IPV4_DHCP_CHECK, .listDefault = {1, 1},
     .choices = standard_choices::kOffOn},
    {.edit = IDC_STD_HOST_NAME_EDIT, .item = entry::kHostName, .checkBox = IDC_STD_HOST_NAME_CHECK,
     .textDefault = {L"VX-130/120 Print Server", L"VX-135/125 Print Server"}, .editLimit = 31},
    {.edit = IDC_STD_PORT_NUMBER_EDIT, .item = entry::kPortNumber, .checkBox = IDC_STD_PORT_NUMBER_CHECK,
     .textDefault = {L"9100", L"9100"}, .editLimit = 4},
    {.spin = IDC_STD_TIMEOUT_SPIN, .edit = IDC_STD_TIMEOUT_EDIT, .item = entry::kTimeout, .spinMin = 0, .spinMax = 300,
     .checkBox = IDC_STD_TIMEOUT_CHECK, .textDefault = {L"60", L"60"}, .editLimit = 3},
    {.list = IDC_STD_TIMEOUT_ACTION_LIST, .item = entry::kTimeoutAction, .checkBox = IDC_STD_TIMEOUT_ACTION_CHECK,
     .listDefault = {0, 0}, .choices = standard_choices::kTimeoutAction},
    {.list = IDC_STD_SEND_BUFFER_LIST, .item = entry::kSendBufferData, .checkBox = IDC_STD_SEND_BUFFER_CHECK,
     .listDefault = {0, 0}, .choices = standard_choices::kSendBuffer},
    {.list = IDC_STD_IPV6_LIST, .item = entry::kIpv6, .checkBox = IDC_STD_IPV6_CHECK, .listDefault = {1, 1},
     .choices = standard_choices::kOffOn},
    {.list = IDC_STD_IPV6_FIXED_LIST, .item = entry::kIpv6FixedAddress, .checkBox = IDC_STD_IPV6_FIXED_CHECK,
     .listDefault = {1, 1}, .choices = standard_choices::kOffOn},
    {.edit = IDC_STD_IPV6_ADDRESS_EDIT, .item = entry::kIpv6Address, .checkBox = IDC_STD_IPV6_ADDRESS_CHECK,
     .textDefault = {standard_choices::kZeroIpv6, standard_choices::kZeroIpv6}, .editLimit = 39,
     .flags = kRowIpv6Bytes},
    {.edit = IDC_STD_IPV6_PREFIX_EDIT, .item = entry::kIpv6PrefixLength, .checkBox = IDC_STD_IPV6_PREFIX_CHECK,
     .textDefault = {L"64", L"64"}, .editLimit = 39},
    {.edit = IDC_STD_IPV6_GATEWAY_EDIT, .item = entry::kIpv6Gateway, .checkBox = IDC_STD_IPV6_GATEWAY_CHECK,
     .textDefault = {standard_choices::kZeroIpv6, standard_choices::kZeroIpv6}, .editLimit = 39,
     .flags = kRowIpv6Bytes},
    {.list = IDC_STD_BAUD_LIST, .item = entry::kRs232cBaud, .checkBox = IDC_STD_BAUD_CHECK, .listDefault = {2, 2},
     .choices = standard_choices::kBaudRate},
    {.list = IDC_STD_PARITY_LIST, .item = entry::kRs232cParity, .checkBox = IDC_STD_PARITY_CHECK, .listDefault = {0, 0},
     .choices = standard_choices::kParity},
    {.list = IDC_STD_LENGTH_LIST, .item = entry::kRs232cLength, .checkBox = IDC_STD_LENGTH_CHECK, .listDefault = {1, 1},
     .choices = standard_choices::kDataLength},
    {.list = IDC_STD_STOP_BIT_LIST, .item = entry::kRs232cStopBit, .checkBox = IDC_STD_STOP_BIT_CHECK,
     .listDefault = {0, 0}, .choices = standard_choices::kStopBit},
    {.list = IDC_STD_XON_LIST, .item = entry::kRs232cXOn, .checkBox = IDC_STD_XON_CHECK, .listDefault = {1, 1},
     .choices = standard_choices::kXon},
}};
// clang-format on

}  // namespace vostrel
