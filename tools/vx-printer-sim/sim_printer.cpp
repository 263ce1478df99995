#include "sim_printer.h"

#include "sim_values.h"

namespace vostrel::sim {
namespace {

constexpr std::string_view kSerialNumbers[kModelCount] = {"4A1203578", "5B1308642"};
// Counters a printer of some months' use shows: print and service length in
// millimetres, cuts.
constexpr std::int64_t kPrintCounterMm[kModelCount] = {1523400, 873200};
constexpr std::int64_t kServiceCounterMm[kModelCount] = {231500, 112800};
constexpr std::int64_t kCutCounter[kModelCount] = {4217, 1380};
// Length fed per print job: one label of the factory media length.
constexpr std::int64_t kJobLengthMm = 100;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool Listed(const SettingRow& row, const Hardware& hardware) {
  if ((row.flags & row_flag::kNotListed) != 0) return false;
  if ((row.flags & row_flag::kEmulationLine) != 0 && !hardware.emulationLine) return false;
  switch (row.group) {
    case Group::Base: return true;
    case Group::Wlan: return hardware.wlan;
    case Group::Bluetooth: return hardware.bluetooth;
    case Group::Rfid: return hardware.rfid;
  }
  return false;
}

std::string Metres(std::int64_t millimetres) {
  return std::to_string(millimetres / 1000) + "." + std::to_string(millimetres % 1000 / 100) + " m";
}

}  // namespace

SplitLine SplitSettingLine(std::string_view line) {
  SplitLine split;
  const std::size_t colon = line.find(':');
  split.hasSeparator = colon != std::string_view::npos;
  const std::string_view keyword = Trim(line.substr(0, colon));
  split.keyword.assign(keyword);
  for (char& c : split.keyword) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (!split.hasSeparator) return split;
  std::string_view rest = line.substr(colon + 1);
  // The separator is TAB ":" TAB; a space may stand for the TAB.
  if (!rest.empty() && (rest.front() == '\t' || rest.front() == ' ')) rest.remove_prefix(1);
  while (!rest.empty() && (rest.back() == '\t' || rest.back() == ' ')) rest.remove_suffix(1);
  split.rest = rest;
  while (!rest.empty()) {
    const std::size_t tab = rest.find('\t');
    const std::string_view field = rest.substr(0, tab);
    if (!field.empty()) split.fields.push_back(field);
    if (tab == std::string_view::npos) break;
    rest.remove_prefix(tab + 1);
  }
  return split;
}

Printer::Printer(const Hardware& hardware)
    : hardware_(hardware),
      printCounterMm_(kPrintCounterMm[static_cast<int>(hardware.model)]),
      serviceCounterMm_(kServiceCounterMm[static_cast<int>(hardware.model)]),
      cutCounter_(kCutCounter[static_cast<int>(hardware.model)]) {
  const auto rows = SettingRows();
  values_.reserve(rows.size());
  for (const SettingRow& row : rows) values_.emplace_back(row.initial[static_cast<int>(hardware.model)]);
}

LineOutcome Printer::ApplySettingLine(std::string_view line) {
  const SplitLine split = SplitSettingLine(line);
  if (!split.hasSeparator) return LineOutcome::NotASetting;
  const int index = FindRow(split.keyword);
  if (index < 0) return LineOutcome::UnknownKeyword;
  const SettingRow& row = SettingRows()[static_cast<std::size_t>(index)];
  const ValueContext context{.model = hardware_.model, .functionSelect = values_[FindRow("FUNCTION SELECT")]};
  auto value = NormaliseValue(row, split.fields, split.rest, context);
  if (!value) return LineOutcome::Rejected;
  values_[static_cast<std::size_t>(index)] = std::move(*value);
  return LineOutcome::Applied;
}

std::string Printer::Value(std::string_view keyword) const {
  const int index = FindRow(keyword);
  return index < 0 ? std::string{} : values_[static_cast<std::size_t>(index)];
}

std::string Printer::SettingLine(std::size_t row) const {
  const SettingRow& setting = SettingRows()[row];
  std::string line(setting.keyword);
  line += "\t:\t";
  line += values_[row];
  if (!setting.unit.empty()) {
    line += '\t';
    line += setting.unit;
  }
  line += "\r\n";
  return line;
}

std::string Printer::ListingBody() const {
  std::string body;
  const auto rows = SettingRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (Listed(rows[i], hardware_)) body += SettingLine(i);
  }
  return body;
}

std::string Printer::InformationLine(InfoItem item) const {
  switch (item) {
    case InfoItem::SerialNumber: return "Serial Number : " + SerialNumber() + "\r\n";
    case InfoItem::PrintCounter: return "Print Counter Length " + Metres(printCounterMm_) + "\r\n";
    case InfoItem::ServiceCounter: return "Service Counter Length " + Metres(serviceCounterMm_) + "\r\n";
    case InfoItem::CutCounter: return "Cut Counter " + std::to_string(cutCounter_) + "\r\n";
  }
  return {};
}

std::string Printer::SettingsFileText() const {
  std::string text(kPrefix);
  for (std::size_t i = 0; i < values_.size(); ++i) text += SettingLine(i);
  text += "END\r\n";
  return text;
}

int Printer::LoadSettingsText(std::string_view text) {
  if (text.starts_with(kPrefix)) text.remove_prefix(kPrefix.size());
  int refused = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "END") break;
    if (line.empty()) continue;
    if (ApplySettingLine(line) != LineOutcome::Applied) ++refused;
  }
  return refused;
}

std::string Printer::SerialNumber() const {
  std::string serial(kSerialNumbers[static_cast<int>(hardware_.model)]);
  if (hardware_.unit <= 0) return serial;
  // The last two digits number the printers of one process.
  const std::string unit = std::to_string(100 + hardware_.unit % 100).substr(1);
  return serial.replace(serial.size() - 2, 2, unit);
}

void Printer::CountPrintJob() {
  ++printedJobs_;
  printCounterMm_ += kJobLengthMm;
  serviceCounterMm_ += kJobLengthMm;
}

}  // namespace vostrel::sim
