#pragma once
// Which rows of the text table each control shows: its caption, the texts of
// its value list and of its unit list. Windows address the entries by the
// names below, never by their numbers.

#include <array>
#include <cstddef>

#include "i18n/text_table.h"

namespace vostrel {

namespace text_rows {

constexpr TextRange None() { return {}; }
constexpr TextRange Labels(std::int32_t first, std::int32_t last = -1) {
  return {last < 0 ? 1 : last - first + 1, {TextBlock::LabelTexts, first}};
}
constexpr TextRange Words(std::int32_t first, std::int32_t last = -1) {
  return {last < 0 ? 1 : last - first + 1, {TextBlock::ValueWords, first}};
}
constexpr TextRange PrintPage(std::int32_t row) { return {1, {TextBlock::PrintPageTexts, row}}; }

}  // namespace text_rows

inline constexpr int kControlTextEntryCount = 63;
inline constexpr int kPrintPageTextEntryCount = 5;

// The entries of kControlTextEntries that windows use, by name.
enum TextEntryName : int {
  kEntryTabLabels = 0,           // one caption row per tab
  kEntryCheckAllItems = 1,       // main window, IDC_MAIN_CHECK_ALL
  kEntryModelLabel = 2,          // main window, IDC_MAIN_MODEL_LABEL
  kEntryDriverName = 3,          // main window, IDC_MAIN_QUEUE_RADIO
  kEntryDriverDetail = 4,        // main window, IDC_MAIN_COM_DETAIL
  kEntryIpAddress = 5,           // main window, IDC_MAIN_NET_RADIO
  kEntryPortNumber = 6,          // main window, IDC_MAIN_PORT_NUMBER_LABEL
  kEntrySendOrStart = 7,         // IDC_MAIN_SEND: send, or start the sensor adjustment
  kEntryImport = 8,              // main window, IDC_MAIN_IMPORT
  kEntryExport = 9,              // main window, IDC_MAIN_EXPORT
  kEntryReceive = 10,            // main window, IDC_MAIN_RECEIVE
  kEntrySerialBaudRate = 13,     // serial settings dialog
  kEntrySerialDataBits = 14,     // serial settings dialog
  kEntrySerialStopBits = 15,     // serial settings dialog
  kEntrySerialParity = 16,       // serial settings dialog
  kEntrySerialFlowControl = 17,  // serial settings dialog
  kEntrySerialTitle = 18,        // serial settings dialog, its title
  // The Standard page walks kStandardItemEntryCount entries from here, one
  // per setting item, in catalogue order.
  kFirstStandardItemEntry = 19,
  kEntryGroupPageSetup = 49,           // Standard page, IDC_STD_GROUP_PAGE_SETUP
  kEntryGroupSystemSetup = 50,         // Standard page, IDC_STD_GROUP_SYSTEM_SETUP
  kEntryGroupInterface = 52,           // Standard page, IDC_STD_GROUP_INTERFACE
  kEntryGroupOptionInterface = 53,     // Standard page, IDC_STD_GROUP_OPTION_INTERFACE
  kEntrySerialNumber = 54,             // Information page
  kEntryPrintCounter = 55,             // Information page
  kEntryServiceCounter = 56,           // Information page
  kEntryCutCounter = 57,               // Information page
  kEntryGroupPrinterInformation = 58,  // Information page, group caption
  kEntryMediaType = 59,                // Easy page: caption and the three media labels
  kEntryPrintMethod = 60,              // Easy page: caption and the two choices
  kEntrySensorAdjustment = 62,         // Calibration page: caption and the media choices
};
inline constexpr int kStandardItemEntryCount = 26;
static_assert(kEntrySensorAdjustment + 1 == kControlTextEntryCount);
static_assert(kFirstStandardItemEntry + kStandardItemEntryCount <= kEntryGroupPageSetup);

inline constexpr std::array<TextEntry, kControlTextEntryCount> kControlTextEntries = [] {
  using namespace text_rows;
  return std::array<TextEntry, kControlTextEntryCount>{{
      /* 0 tab labels */ {Labels(0, 5), None(), None()},
      /* 1 */ {Labels(6), None(), None()},
      /* 2 */ {Labels(7), None(), None()},
      /* 3 */ {Labels(8), None(), None()},
      /* 4 */ {Labels(9), None(), None()},
      /* 5 */ {Labels(10), None(), None()},
      /* 6 */ {Labels(11), None(), None()},
      /* 7 send or start */ {Labels(12, 13), None(), None()},
      /* 8 */ {Labels(14), None(), None()},
      /* 9 */ {Labels(15), None(), None()},
      /* 10 */ {Labels(16), Labels(17, 20), None()},
      /* 11 */ {Labels(21), None(), None()},
      /* 12 */ {Labels(22), None(), None()},
      /* 13 baud rate */ {Labels(24), Labels(25, 29), None()},
      /* 14 data bits */ {Labels(30), Labels(31, 32), None()},
      /* 15 stop bits */ {Labels(33), Labels(34, 35), None()},
      /* 16 parity */ {Labels(36), Labels(37, 39), None()},
      /* 17 flow control */ {Labels(40), Labels(41, 43), None()},
      /* 18 serial dialog title */ {Labels(23), None(), None()},
      /* 19 */ {Labels(46), Labels(47, 55), None()},
      /* 20 */ {Labels(56), None(), None()},
      /* 21 */ {Labels(57), Labels(58, 59), None()},
      /* 22 */ {Labels(60), None(), Words(0)},
      /* 23 */ {Labels(61), Labels(62, 64), None()},
      /* 24 */ {Labels(66), None(), None()},
      /* 25 */ {Labels(67), None(), None()},
      /* 26 */ {Labels(70), None(), None()},
      /* 27 */ {Labels(71), None(), None()},
      /* 28 */ {Labels(72), None(), None()},
      /* 29 */ {Labels(73), Words(1, 2), None()},
      /* 30 */ {Labels(74), None(), None()},
      /* 31 */ {Labels(75), None(), None()},
      /* 32 */ {Labels(76), None(), None()},
      /* 33 */ {Labels(77), Labels(78, 79), None()},
      /* 34 */ {Labels(80), Labels(81, 82), None()},
      /* 35 */ {Labels(83), Words(1, 2), None()},
      /* 36 */ {Labels(84), Words(1, 2), None()},
      /* 37 */ {Labels(85), None(), None()},
      /* 38 */ {Labels(86), None(), None()},
      /* 39 */ {Labels(87), None(), None()},
      /* 40 */ {Labels(89), Labels(90, 96), None()},
      /* 41 */ {Labels(97), Labels(98, 100), None()},
      /* 42 */ {Labels(101), Labels(102, 103), None()},
      /* 43 */ {Labels(104), Labels(105, 106), None()},
      /* 44 */ {Labels(107), Labels(108, 109), None()},
      /* 45 */ {Labels(110), None(), None()},
      /* 46 */ {Labels(111), None(), None()},
      /* 47 */ {Labels(112), None(), None()},
      /* 48 */ {Labels(44), None(), None()},
      /* 49 group */ {Labels(45), None(), None()},
      /* 50 group */ {Labels(65), None(), None()},
      /* 51 */ {Labels(68), None(), None()},
      /* 52 group */ {Labels(69), None(), None()},
      /* 53 group */ {Labels(88), None(), None()},
      /* 54 serial number */ {Labels(114), None(), None()},
      /* 55 print counter */ {Labels(115), None(), None()},
      /* 56 service counter */ {Labels(116), None(), None()},
      /* 57 cut counter */ {Labels(117), None(), None()},
      /* 58 group */ {Labels(113), None(), None()},
      /* 59 media type */ {Labels(118), Labels(119, 121), None()},
      /* 60 print method */ {Labels(122), Labels(123, 124), None()},
      /* 61 */ {Labels(125), None(), None()},
      /* 62 sensor adjustment */ {Labels(126), Labels(127, 129), None()},
  }};
}();

// The Print page's entries, one caption row each; kPrintEntryExecute also
// names the main window's send button on the Print tab.
enum PrintPageEntryName : int {
  kPrintEntrySelfTest = 0,
  kPrintEntrySample = 1,
  kPrintEntrySendFile = 2,
  kPrintEntryExecute = 3,
  kPrintEntryBrowse = 4,
};
static_assert(kPrintEntryBrowse + 1 == kPrintPageTextEntryCount);
inline constexpr std::array<TextEntry, kPrintPageTextEntryCount> kPrintPageTextEntries = [] {
  std::array<TextEntry, kPrintPageTextEntryCount> entries{};
  for (int k = 0; k < kPrintPageTextEntryCount; ++k)
    entries[static_cast<std::size_t>(k)].caption = text_rows::PrintPage(k);
  return entries;
}();

// A named entry of kControlTextEntries.
constexpr const TextEntry& ControlTextEntry(TextEntryName name) {
  return kControlTextEntries[static_cast<std::size_t>(name)];
}
constexpr const TextEntry& PrintPageEntry(PrintPageEntryName name) {
  return kPrintPageTextEntries[static_cast<std::size_t>(name)];
}

// Row `index` of a range (a caption or list of an entry), as a TextId.
constexpr TextId RowOf(const TextRange& range, std::int32_t index) {
  return {range.first.block, range.first.row + index};
}

}  // namespace vostrel
