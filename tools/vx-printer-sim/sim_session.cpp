#include "sim_session.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vostrel::sim {
namespace {

enum class Command { Prefix, PreRequest, SelfTest, SamplePrint, RfidStart, RfidPoll };

struct CommandBytes {
  std::string_view bytes;
  Command command;
  std::string_view name;
};

// The commands the printer takes outside a script, at the start of a
// connection or right after another command.
constexpr auto kCommands = std::to_array<CommandBytes>({
    {kPrefix, Command::Prefix, "command prefix"},
    {std::string_view("\x01#\x00", 3), Command::PreRequest, "pre-request 01 23 00"},
    {"~WC\n", Command::SelfTest, "self test (~WC)"},
    {"U\n", Command::SelfTest, "self test (U)"},
    {"\x02Z\r\n", Command::SelfTest, "self test (STX Z)"},
    {"~!Q4\n", Command::SamplePrint, "sample print (~!Q4)"},
    {"\x02\x1bQ4\r\n", Command::SamplePrint, "sample print (STX ESC Q4)"},
    {"\x02\x1biC\r\n", Command::RfidStart, "RFID calibration start"},
    {"\x01"
     "A\r\n",
     Command::RfidPoll, "RFID status poll"},
});

// The three lines of the prefix, met again inside a script.
constexpr auto kPrefixLines = std::to_array<std::string_view>({"~!!", "\x02\x1b~A", "~\x1b~A"});

constexpr auto kInfoKeywords = std::to_array<std::pair<std::string_view, InfoItem>>({
    {"SERIAL NUMBER CHECK", InfoItem::SerialNumber},
    {"PRINT COUNTER", InfoItem::PrintCounter},
    {"SERVICE COUNTER", InfoItem::ServiceCounter},
    {"CUT COUNTER", InfoItem::CutCounter},
});

// The longest line the printer buffers; a longer run of bytes without a
// line end is dropped.
constexpr std::size_t kMaxLine = 4096;
// A long listing (a newer firmware's, with more lines in front of the
// settings) passes the 4096 bytes an old client read at most, so that its
// last sections lie beyond them, and still fits the 8191 a client reads now.
constexpr std::size_t kLongListing = 6600;

std::string Printable(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

std::string_view CalibrationReply(CalibrationAnswer answer) {
  switch (answer) {
    case CalibrationAnswer::Succeeded: return "AUTO CALIBRATION : SUCCEEDED\r\n";
    case CalibrationAnswer::Failed: return "AUTO CALIBRATION : FAILED\r\n";
    case CalibrationAnswer::UnknownWord: return "AUTO CALIBRATION : DONE\r\n";
    case CalibrationAnswer::ExtraLine: return "AUTO CALIBRATION : SUCCEEDED\r\nOK\r\n";
    case CalibrationAnswer::EmptyLineFirst: return "\r\nAUTO CALIBRATION : SUCCEEDED\r\n";
    case CalibrationAnswer::OkFirst: return "OK\r\nAUTO CALIBRATION : SUCCEEDED\r\n";
    case CalibrationAnswer::NoResult: return "AUTO CALIBRATION :\r\n";
    case CalibrationAnswer::TwoBytes: return "OK";
  }
  return {};
}

}  // namespace

std::string GarbageBytes(std::size_t count) {
  // Letters and digits without E, N, D and '~': no header, no end line.
  static constexpr std::string_view kAlphabet = "0123456789ABCFGHIJKLMOPQRSTUVWXYZabcfghijkmopqrstuvwxyz#$%&*+";
  std::string bytes;
  std::uint32_t seed = 2463534242u;
  for (std::size_t i = 0; i < count; ++i) {
    seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
    bytes += kAlphabet[seed % kAlphabet.size()];
  }
  return bytes;
}

Session::Session(Printer& printer, const Faults& faults) : printer_(printer), faults_(faults) {}

std::vector<Step> Session::Receive(std::string_view bytes) {
  std::vector<Step> out;
  if (closed_) return out;
  pending_.append(bytes);
  bool progress = true;
  while (progress && !closed_) {
    switch (mode_) {
      case Mode::Idle: progress = StepIdle(false, out); break;
      case Mode::Job: progress = StepJob(false); break;
      case Mode::Lines: progress = StepLines(false, out); break;
    }
  }
  return out;
}

void Session::Finish() {
  if (closed_) return;
  std::vector<Step> ignored;
  bool progress = true;
  while (progress) {
    switch (mode_) {
      case Mode::Idle: progress = StepIdle(true, ignored); break;
      case Mode::Job: progress = StepJob(true); break;
      case Mode::Lines: progress = StepLines(true, ignored); break;
    }
  }
  if (mode_ == Mode::Lines) Event("the connection ended inside a script or request");
}

bool Session::StepIdle(bool finishing, std::vector<Step>& out) {
  if (pending_.empty()) return false;
  for (const CommandBytes& command : kCommands) {
    if (!pending_.starts_with(command.bytes)) continue;
    pending_.erase(0, command.bytes.size());
    Event(std::string(command.name));
    switch (command.command) {
      case Command::Prefix: mode_ = Mode::Lines; break;
      case Command::PreRequest: NotePreRequest(); break;
      case Command::SelfTest:
      case Command::SamplePrint:
        job_ = {command.command == Command::SelfTest ? JobKind::SelfTest : JobKind::SamplePrint,
                std::string(command.bytes)};
        CloseJob();
        break;
      case Command::RfidStart: rfidStarted_ = printer_.hardware().rfid; break;
      case Command::RfidPoll:
        if (rfidStarted_) {
          if (faults_.rfidOk) printer_.ApplySettingLine("RFID CALIB EXECUTED\t:\tYES");
          Reply(faults_.rfidOk ? "iC:OK\r\n" : "iC:NG\r\n", false, out);
        }
        break;
    }
    return true;
  }
  if (!finishing) {
    for (const CommandBytes& command : kCommands) {
      if (command.bytes.starts_with(pending_)) return false;  // wait for the rest
    }
  }
  job_ = {JobKind::Data, {}};
  mode_ = Mode::Job;
  return true;
}

bool Session::StepJob(bool finishing) {
  const std::size_t prefix = pending_.find(kPrefix);
  if (prefix != std::string::npos) {
    job_.bytes.append(pending_, 0, prefix);
    pending_.erase(0, prefix);
    CloseJob();
    mode_ = Mode::Idle;
    return true;
  }
  // Keep what could be the start of a prefix until more bytes come.
  const std::size_t keep = finishing ? 0 : std::min(pending_.size(), kPrefix.size() - 1);
  job_.bytes.append(pending_, 0, pending_.size() - keep);
  pending_.erase(0, pending_.size() - keep);
  if (finishing) {
    CloseJob();
    mode_ = Mode::Idle;
  }
  return false;
}

bool Session::StepLines(bool finishing, std::vector<Step>& out) {
  const std::size_t end = pending_.find('\n');
  if (end == std::string::npos) {
    if (pending_.size() > kMaxLine) {
      Event("line longer than " + std::to_string(kMaxLine) + " bytes dropped");
      pending_.clear();
    }
    if (!finishing || pending_.empty()) return false;
    const std::string line = std::move(pending_);
    pending_.clear();
    HandleLine(line, out);
    return mode_ != Mode::Lines;
  }
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  HandleLine(line, out);
  return true;
}

void Session::HandleLine(std::string_view line, std::vector<Step>& out) {
  if (line.empty()) return;
  for (std::string_view prefixLine : kPrefixLines) {
    if (line == prefixLine) return;
  }
  if (line == "EXIT") {
    EndRequest(out);
    return;
  }
  if (line == "END") {
    Event("script ended: " + std::to_string(settingsApplied_) + " setting(s) changed");
    settingsApplied_ = 0;
    if (calibrationRequested_) {
      calibrationRequested_ = false;
      Reply(std::string(CalibrationReply(faults_.calibration)), false, out);
    }
    mode_ = Mode::Idle;
    return;
  }
  if (line == "AUTO CALIBRATION") {
    calibrationRequested_ = true;
    Event("sensor adjustment requested");
    return;
  }
  if (line == "SAVE") {
    Event("settings saved");
    return;
  }
  const SplitLine split = SplitSettingLine(line);
  if (split.keyword == "SEND CONFIG") {
    listingRequested_ = split.fields.size() == 1 && split.fields[0] == "STANDARD";
    Event(listingRequested_ ? "configuration listing requested" : "unknown listing kind: " + Printable(line));
    return;
  }
  for (const auto& [keyword, item] : kInfoKeywords) {
    if (split.keyword == keyword && split.hasSeparator && split.fields.empty()) {
      infoRequested_.push_back(item);
      Event("information requested: " + std::string(keyword));
      return;
    }
  }
  switch (printer_.ApplySettingLine(line)) {
    case LineOutcome::Applied:
      ++settingsApplied_;
      printer_.CountSettingChanged();
      Event("set " + split.keyword + " = " + Printable(printer_.Value(split.keyword)));
      break;
    case LineOutcome::Rejected: Event("value refused, setting kept: " + Printable(line)); break;
    case LineOutcome::UnknownKeyword:
    case LineOutcome::NotASetting: Event("line ignored: " + Printable(line)); break;
  }
}

void Session::EndRequest(std::vector<Step>& out) {
  mode_ = Mode::Idle;
  std::string reply;
  for (InfoItem item : infoRequested_) reply += printer_.InformationLine(item);
  infoRequested_.clear();
  if (listingRequested_) {
    listingRequested_ = false;
    if (PauseKept()) Reply(Listing(), true, out);
  }
  if (!reply.empty()) Reply(std::move(reply), false, out);
}

std::string Session::Listing() const {
  std::string listing;
  if (faults_.strayByte) listing += '\x06';
  if (!faults_.noHeader) listing += kListingHeader;
  const std::string body = printer_.ListingBody();
  const std::size_t size =
      std::max(faults_.longReply ? kLongListing : 0, static_cast<std::size_t>(std::max(0LL, faults_.listingSize)));
  for (int i = 1; listing.size() + body.size() + 5 < size; ++i) {
    // Lines a newer firmware adds; a client skips keywords it does not know.
    std::string number = std::to_string(i);
    number.insert(0, 3 - std::min<std::size_t>(3, number.size()), '0');
    listing += "RESERVED " + number + "\t:\t0000000000000000000000000000000000000000\r\n";
  }
  listing += body;
  if (!faults_.noEnd) listing += "END\r\n";
  return listing;
}

void Session::Reply(std::string reply, bool isListing, std::vector<Step>& out) {
  if (faults_.silent) {
    Event("reply of " + std::to_string(reply.size()) + " bytes withheld (silent)");
    return;
  }
  if (faults_.garbage) reply = GarbageBytes(reply.size());
  bool closeNow = false;
  for (const long long limit : {faults_.closeAfter, faults_.resetAfter}) {
    if (limit >= 0 && sent_ + static_cast<long long>(reply.size()) > limit) {
      reply.resize(static_cast<std::size_t>(std::max<long long>(0, limit - sent_)));
      closeNow = true;
      reset_ = limit == faults_.resetAfter;
    }
  }
  Event(std::string(isListing ? "listing" : "reply") + " of " + std::to_string(reply.size()) + " bytes" +
        (faults_.dripMs > 0 ? ", dripped" : ""));
  sent_ += static_cast<long long>(reply.size());
  if (faults_.dripMs > 0) {
    for (char c : reply) out.push_back({std::string(1, c), faults_.dripMs, false});
  } else if (!reply.empty()) {
    out.push_back({std::move(reply), 0, false});
  }
  if (closeNow) {
    Event(std::string(reset_ ? "connection reset" : "connection closed") + " after " + std::to_string(sent_) +
          " bytes");
    out.push_back({{}, 0, true, reset_});
    closed_ = true;
  }
}

void Session::CloseJob() {
  if (job_.bytes.empty()) return;
  printer_.CountPrintJob();
  static constexpr std::string_view kKinds[] = {"self test", "sample print", "data"};
  Event("print job " + std::to_string(printer_.printedJobs()) + ": " +
        std::string(kKinds[static_cast<int>(job_.kind)]) + ", " + std::to_string(job_.bytes.size()) +
        " bytes; printer language " + printer_.Value("MACHINE EMULATION CODE"));
  jobs_.push_back(std::move(job_));
  job_ = {};
}

void Session::Event(std::string text) { events_.push_back(std::move(text)); }

void Session::NotePreRequest() {
  if (strict_ == nullptr || strict_->clock == nullptr) return;
  strict_->preRequestSeen = true;
  strict_->preRequestAt = strict_->clock->TickCount();
}

bool Session::PauseKept() {
  if (strict_ == nullptr || strict_->clock == nullptr) return true;
  const bool seen = std::exchange(strict_->preRequestSeen, false);
  if (!seen) {
    Event("strict: configuration request without a pre-request before it; nothing answered");
    return false;
  }
  const std::uint32_t waited = ElapsedMs(strict_->preRequestAt, strict_->clock->TickCount());
  if (waited < strict_->pauseMs) {
    Event("strict: the pre-request came only " + std::to_string(waited) + " ms before the configuration request, " +
          std::to_string(strict_->pauseMs) + " ms are needed; nothing answered");
    return false;
  }
  Event("strict: the pre-request came " + std::to_string(waited) + " ms before the configuration request");
  return true;
}

std::vector<std::string> Session::TakeEvents() { return std::exchange(events_, {}); }

std::vector<PrintJob> Session::TakeJobs() { return std::exchange(jobs_, {}); }

}  // namespace vostrel::sim
