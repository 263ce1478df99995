#pragma once
// One simulated printer: the settings it holds (kept across connections), how
// a setting line changes them, and the texts it answers with: its
// configuration listing, its information lines and its settings file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim_table.h"

namespace vostrel::sim {

// The prefix in front of every script and request, and the first two of its
// lines that open every listing.
inline constexpr std::string_view kPrefix{"~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17};
inline constexpr std::string_view kListingHeader = kPrefix.substr(0, 11);

// The printer has one option slot: at most one of wlan, bluetooth and rfid
// (with two of them the listing would outgrow a client's 4096-byte buffer).
struct Hardware {
  Model model = Model::Vx120;
  bool wlan = false;
  bool bluetooth = false;
  bool rfid = false;
  bool emulationLine = true;  // false: the listing has no MACHINE EMULATION CODE line
  // The printer's number among several in one process (--printers): its
  // serial number ends in it; 0 keeps the model's own serial number.
  int unit = 0;
};

enum class LineOutcome { Applied, Rejected, UnknownKeyword, NotASetting };

enum class InfoItem { SerialNumber, PrintCounter, ServiceCounter, CutCounter };

class Printer {
 public:
  explicit Printer(const Hardware& hardware);

  const Hardware& hardware() const { return hardware_; }

  // A script line "KEYWORD\t:\tVALUE[\tWORD...]". A value the printer does
  // not take leaves the setting as it was.
  LineOutcome ApplySettingLine(std::string_view line);

  // The value as the printer keeps it (script form), empty for an unknown keyword.
  std::string Value(std::string_view keyword) const;

  // The listing's setting lines, each ending in CR LF, without header or "END".
  std::string ListingBody() const;

  // One line of the information reply, with its CR LF.
  std::string InformationLine(InfoItem item) const;

  // Every setting, as a settings file: the prefix, one line per setting, "END".
  std::string SettingsFileText() const;
  // Reads such a text (with or without the prefix) up to its "END" line;
  // returns the number of lines the printer did not take.
  int LoadSettingsText(std::string_view text);

  // A print job: counts it and feeds the label length on the print counter.
  void CountPrintJob();
  int printedJobs() const { return printedJobs_; }

  // The settings a client's scripts changed, for the summary at the end.
  void CountSettingChanged() { ++settingsChanged_; }
  long long settingsChanged() const { return settingsChanged_; }

  // The serial number the information reply gives.
  std::string SerialNumber() const;

 private:
  std::string SettingLine(std::size_t row) const;

  Hardware hardware_;
  std::vector<std::string> values_;  // one per row of SettingRows()
  int printedJobs_ = 0;
  long long settingsChanged_ = 0;
  std::int64_t printCounterMm_;
  std::int64_t serviceCounterMm_;
  std::int64_t cutCounter_;
};

// Splits off the text before the first ':' (trimmed) and the fields after it.
struct SplitLine {
  std::string keyword;  // upper-cased
  std::string_view rest;
  std::vector<std::string_view> fields;
  bool hasSeparator = false;
};
SplitLine SplitSettingLine(std::string_view line);

}  // namespace vostrel::sim
