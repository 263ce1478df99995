#include "printer_commands.h"

#include <winsock2.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

#include "i18n/language.h"
#include "i18n/result_codes.h"
#include "i18n/text_table.h"
#include "link/port_discovery.h"
#include "link/printer_link.h"
#include "link_argument.h"
#include "operations/printer_exchange.h"
#include "platform/ansi_text.h"
#include "platform/net_address.h"
#include "prefs/preferences.h"
#include "protocol/command_set.h"
#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/listing_reader.h"
#include "settings/printer_model.h"
#include "settings/reply_readers.h"

namespace vostrel::cli {
namespace {

namespace fs = std::filesystem;

// The information reply's four values, as the commands print them.
struct InfoLine {
  std::wstring_view label;
  std::wstring_view keyword;  // in JSON
  int slot;
};
constexpr std::array<InfoLine, 4> kInfoLines = {{
    {L"Serial Number : ", L"SERIAL NUMBER", kInfoSerialNumberSlot},
    {L"Print Counter : ", L"PRINT COUNTER", kInfoPrintCounterSlot},
    {L"Service Counter : ", L"SERVICE COUNTER", kInfoServiceCounterSlot},
    {L"Cut Counter : ", L"CUT COUNTER", kInfoCutCounterSlot},
}};

// One side of diff: a settings file or a printer.
struct DiffSide {
  bool link = false;
  std::wstring text;
};

struct Options {
  std::wstring command;
  std::vector<std::wstring> links;
  std::wstring model{kPrinterModels[0]};
  bool haveOut = false;
  std::wstring out;
  std::wstring file;
  std::vector<DiffSide> sides;
  bool verify = false;
  bool raw = false;
  bool json = false;
  bool quiet = false;
  int jobs = kDefaultJobs;
};

bool NextValue(const std::vector<std::wstring>& args, size_t& i, std::wstring& value, std::wstring& problem) {
  if (i + 1 >= args.size()) {
    problem = args[i] + L" needs a value";
    return false;
  }
  value = args[++i];
  return true;
}

// The links of a links file: one a line, blanks around them and "#" comments
// left out.
bool ReadLinksFile(const std::wstring& name, std::vector<std::wstring>& links, std::wstring& problem) {
  std::ifstream file{fs::path(name), std::ios::binary};
  if (!file) {
    problem = L"cannot open the links file '" + name + L"'";
    return false;
  }
  std::string line;
  while (std::getline(file, line)) {
    line = line.substr(0, line.find('#'));
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    const size_t last = line.find_last_not_of(" \t\r");
    links.push_back(AnsiToWide(line.substr(first, last - first + 1)));
  }
  if (links.empty()) {
    problem = L"the links file '" + name + L"' names no link";
    return false;
  }
  return true;
}

bool Parse(const std::vector<std::wstring>& args, Options& options, std::wstring& problem) {
  options.command = args[0];
  const std::wstring& command = options.command;
  const bool receive = command == L"receive";
  const bool send = command == L"send";
  const bool takesFile = send || command == L"verify";
  const bool diff = command == L"diff";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    std::wstring value;
    if (arg == L"--link") {
      if (!NextValue(args, i, value, problem)) return false;
      if (diff) options.sides.push_back({true, value});
      options.links.push_back(value);
    } else if (arg == L"--links" && !diff) {
      if (!NextValue(args, i, value, problem) || !ReadLinksFile(value, options.links, problem)) return false;
    } else if (arg == L"--jobs" && !diff) {
      if (!NextValue(args, i, value, problem)) return false;
      if (value.empty() || value.size() > 3 || !std::all_of(value.begin(), value.end(), iswdigit) ||
          std::stoi(value) == 0) {
        problem = L"--jobs needs a number from 1 to 999";
        return false;
      }
      options.jobs = std::stoi(value);
    } else if (arg == L"--model") {
      if (!NextValue(args, i, options.model, problem)) return false;
      if (options.model != kPrinterModels[0] && options.model != kPrinterModels[1]) {
        problem = L"unknown model '" + options.model + L"' (VX-120-ZKQ or VX-135-ZKQ)";
        return false;
      }
    } else if (arg == L"-o" && !diff) {
      if (!NextValue(args, i, options.out, problem)) return false;
      if (options.out.empty()) {
        problem = L"-o needs a file or folder name, not an empty one";
        return false;
      }
      options.haveOut = true;
    } else if (arg == L"--verify" && send) {
      options.verify = true;
    } else if (arg == L"--raw" && receive) {
      options.raw = true;
    } else if (arg == L"--json") {
      options.json = true;
    } else if (arg == L"--quiet") {
      options.quiet = true;
    } else if (arg.starts_with(L"-")) {
      problem = L"unknown option '" + arg + L"' for " + command;
      return false;
    } else if (diff) {
      options.sides.push_back({false, arg});
    } else if (!takesFile || !options.file.empty()) {
      problem = L"unexpected argument '" + arg + L"'";
      return false;
    } else {
      options.file = arg;
    }
  }
  if (diff) {
    if (options.sides.size() != 2) {
      problem = L"diff compares two settings files or printers";
      return false;
    }
  } else if (options.links.empty()) {
    problem = command + L" needs --link or --links";
    return false;
  }
  if (takesFile && options.file.empty()) {
    problem = command + L" needs a settings file";
    return false;
  }
  for (const std::wstring& link : options.links) {
    PreferencesRecord prefs;
    if (!ParseLinkArgument(link, prefs, problem)) return false;
    if (!send && command != L"doctor" && prefs.portKind == PortKind::Prt) {
      problem = L"a printer queue only takes jobs: " + command + L" needs a net:, com: or usb: link";
      return false;
    }
  }
  return true;
}

// ----- Words of the outcomes. -----

// A link that did not open, named by its cause.
std::wstring OpenCause(LinkStatus error) {
  switch (error) {
    case WSAECONNREFUSED: return L"refused";
    case kLinkTimedOut:
    case WSAETIMEDOUT: return L"timed out";
    case WSAEHOSTUNREACH:
    case WSAENETUNREACH: return L"unreachable";
    case WSAHOST_NOT_FOUND: return L"not found";
    default: return L"not opened";
  }
}

std::wstring OpenAdvice(LinkStatus error, const PreferencesRecord& prefs) {
  const std::wstring port = prefs.portNumber.empty() ? std::wstring(kDefaultNetPort) : prefs.portNumber;
  switch (error) {
    case WSAECONNREFUSED:
      return L"connection refused: the printer is on, but its raw TCP port is off or not " + port +
             L"; check the port in the printer's network settings";
    case kLinkTimedOut:
    case WSAETIMEDOUT:
      return L"connection timed out: " + prefs.portName + L" answers the echo but not port " + port +
             L" within 5 s; a firewall may drop it, or the printer is busy with another client";
    case WSAEHOSTUNREACH:
    case WSAENETUNREACH:
      return L"unreachable: " + prefs.portName + L" answers neither the echo nor port " + port +
             L"; the printer is off, its cable is out, or the address is wrong or on another network";
    case WSAHOST_NOT_FOUND:
      return L"not found: the name '" + prefs.portName +
             L"' is not known to the name service; check it, or give the printer's IPv4 address";
    default: return {};
  }
}

std::wstring ResultWord(int code, LinkStatus openError) {
  switch (code) {
    case kExitOk: return L"done";
    case kExitNotOpened: return L"file not opened";
    case kExitStartNotAccepted: return L"not a settings file";
    case kExitFileNotWritten: return L"file not written";
    case kExitRejectedSettings: return L"file refused";
    case kExitLinkNotOpened: return OpenCause(openError);
    case kExitWriteFailed: return L"write failed";
    case kExitReadFailed: return L"read failed";
    case kExitNotAsSent: return L"not as sent";
    default: return L"failed";
  }
}

// ----- One printer. -----

// What one printer's command did, for the single printer's output, the
// fleet's table, the per-printer file and JSON.
struct PrinterRun {
  std::wstring link;
  PreferencesRecord prefs;
  int code = kExitOk;
  LinkStatus openError = kLinkOk;
  std::uint32_t ms = 0;
  std::wstring err;                // the failure's lines (numbered message and what went wrong)
  std::vector<SettingView> views;  // receive: the listing's settings; send --verify, verify: those that differ
  std::vector<ViewDifference> differences;
  std::vector<SettingView> sent;  // verify: the file's settings
  std::vector<SettingView> read;  // verify: the listing's settings
  std::wstring text;              // info lines, doctor report
  std::wstring json;              // the command's own members of the printer's JSON object
  std::string listing;            // receive: the listing as it came
};

// The companion's front for one printer: the countdown (for a lone printer)
// as it runs, the outcome as the numbered message's English text followed
// by what went wrong in this run.
class CliFront final : public ExchangeFront {
 public:
  CliFront(PrinterRun& run, const ProgressSink* progress) : run_(run), progress_(progress) {}

  void ShowPause(int secondsLeft) override {
    if (progress_ == nullptr || !*progress_) return;
    (*progress_)(L"vostrel-cli: waiting for the printer to get ready for the configuration request: " +
                 std::to_wstring(secondsLeft) + L" s left\n");
  }
  void ShowOutcome(const ExchangeOutcome& outcome) override {
    if (outcome.done()) return;
    const std::wstring message = EnglishCodeText(static_cast<int>(outcome.code));
    if (!message.empty()) run_.err += message + L"\n";
    run_.err += L"vostrel-cli: " + outcome.detail + L"\n";
  }

 private:
  PrinterRun& run_;
  const ProgressSink* progress_;
};

// The link and the exchange of one printer, each printer its own.
struct CommandLink {
  CommandLink(const PrinterRun& run, Clock& clock, ExchangeFront& front)
      : link(run.prefs, driverLinkKind, clock), exchange(link, run.prefs, clock, front, run.link) {}

  PortKind driverLinkKind = PortKind::None;  // no printer queue stands in front of the port
  PrinterLink link;
  PrinterExchange exchange;
};

int Finish(PrinterRun& run, ExchangeFront& front, const ExchangeOutcome& outcome, const CommandLink* command) {
  ExchangeOutcome shown = outcome;
  if (outcome.code == ResultCode::kLinkNotOpened && command != nullptr) {
    run.openError = command->link.openError;
    const std::wstring advice = OpenAdvice(run.openError, run.prefs);
    if (!advice.empty()) shown.detail += L": " + advice;
  }
  front.ShowOutcome(shown);
  run.code = static_cast<int>(outcome.code);
  return run.code;
}

int Fail(PrinterRun& run, ExchangeFront& front, ResultCode code, std::wstring detail) {
  return Finish(run, front, ExchangeOutcome{code, kLinkOk, std::move(detail)}, nullptr);
}

// The listing of one printer, read into `store` (its model set).
int ReceiveInto(PrinterRun& run, SettingsStore& store, Clock& clock, ExchangeFront& front) {
  SettingsStore request;
  request.modelIndex = store.modelIndex;
  SendBuffer buffer;
  const std::string_view bytes = BuildRequestBytes(request, RequestKind::Configuration, buffer);
  ReceivedListing listing;
  {
    CommandLink command(run, clock, front);
    if (const ExchangeOutcome outcome = command.exchange.ReceiveListing(bytes, listing); !outcome.done()) {
      return Finish(run, front, outcome, &command);
    }
  }
  run.listing = listing.bytes;
  store.ClearValues();
  store.textBuffer = ListingText(listing);
  ReadListing(store, ListingMode::Read);
  return kExitOk;
}

std::wstring FileNameOf(std::wstring_view link) {
  std::wstring name(link);
  for (wchar_t& c : name) {
    if (std::wstring_view(L"\\/:*?\"<>|@, ").find(c) != std::wstring_view::npos) c = L'_';
  }
  return name;
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

int Receive(const Options& options, PrinterRun& run, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  if (const int status = ReceiveInto(run, store, clock, front); status != kExitOk) return status;
  run.views = ViewStore(store);
  if (options.raw) run.text = DumpStore(store);
  if (options.haveOut) {
    // The file keeps the listing's own start: the file reader puts the
    // missing line in front of a half header itself.
    const fs::path path =
        options.links.size() == 1 ? fs::path(options.out) : fs::path(options.out) / (FileNameOf(run.link) + L".prn");
    if (!WriteBytes(path, run.listing)) {
      return Fail(run, front, ResultCode::kExportFailed, L"cannot write '" + path.wstring() + L"'");
    }
  }
  run.json = L",\"settings\":" + JsonSettings(run.views);
  return kExitOk;
}

int Info(const Options& options, PrinterRun& run, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  SendBuffer buffer;
  const std::string_view request = BuildRequestBytes(store, RequestKind::Information, buffer);

  std::string reply;
  {
    CommandLink command(run, clock, front);
    if (const ExchangeOutcome outcome = command.exchange.ReceiveInformation(request, reply); !outcome.done()) {
      return Finish(run, front, outcome, &command);
    }
  }

  store.textBuffer = AnsiToWide(reply);
  ReplyKeyTexts texts;
  ReadInformation(store, texts);
  std::wstring lines;
  std::vector<SettingView> values;
  bool anyValue = false;
  for (const InfoLine& line : kInfoLines) {
    const std::wstring& value = store.slots[static_cast<size_t>(line.slot)].value;
    anyValue = anyValue || !value.empty();
    lines.append(line.label).append(value).append(L"\n");
    values.push_back({line.slot, std::wstring(line.keyword), value, {}, !value.empty(), 0});
  }
  if (!anyValue) return Fail(run, front, ResultCode::kReadFailed, L"the reply carries no serial number and no counter");
  run.text = lines;
  run.json = L",\"settings\":" + JsonSettings(values);
  return kExitOk;
}

// The settings file to send, read and checked once for every printer.
struct FileToSend {
  std::string outgoing;            // the prefix and the file's script
  std::vector<SettingView> views;  // what the file sets
};

// The script of a settings file: what follows its command prefix, or the
// part of the header it begins with.
std::string_view ScriptOf(std::string_view file) {
  if (file.starts_with(kCommandPrefix)) return file.substr(kCommandPrefix.size());
  if (file.starts_with(kReplyHeader)) return file.substr(kReplyHeader.size());
  if (file.starts_with(kReplyHeaderFirstPart)) return file.substr(kReplyHeaderFirstPart.size());
  if (file.starts_with(kReplyHeaderLastPart)) return file.substr(kReplyHeaderLastPart.size());
  return file;
}

// Reads the file as the reader would see it, and refuses one of which the
// printer would get more than the reader checked: a NUL byte, a text past
// the reader's room, more bytes than a settings file may have. At most the
// settings file limit and one byte are read, whatever the file's size.
int ReadFileToSend(const Options& options, FileToSend& file, Output& output) {
  const std::wstring& name = options.file;
  std::error_code error;
  std::ifstream in;
  if (!fs::is_directory(fs::path(name), error)) in.open(fs::path(name), std::ios::binary);
  if (!in) {
    output.err += L"vostrel-cli: cannot open '" + name + L"'\n";
    return kExitNotOpened;
  }
  std::string bytes(kSettingsFileReadLimit + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (in.bad()) {
    output.err += L"vostrel-cli: cannot read '" + name + L"'\n";
    return kExitNotOpened;
  }
  auto refuse = [&](const std::wstring& why) {
    output.err +=
        EnglishCodeText(kExitRejectedSettings) + L"\nvostrel-cli: nothing was sent; '" + name + L"' " + why + L"\n";
    return kExitRejectedSettings;
  };
  if (bytes.size() > kSettingsFileReadLimit) {
    return refuse(L"is longer than the " + std::to_wstring(kSettingsFileReadLimit) +
                  L" bytes a settings file may have, and the printer would get what the program never checked");
  }
  if (const size_t nul = bytes.find('\0'); nul != std::string::npos) {
    return refuse(L"holds a NUL byte at offset " + std::to_wstring(nul) +
                  L"; the reader stops there, and the printer would get the bytes after it unchecked");
  }
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  store.ClearValues();
  LoadNotes notes;
  if (LoadSettingsBytes(store, bytes, &notes) == LoadResult::StartNotAccepted) {
    output.err += L"vostrel-cli: '" + name + L"' does not start like a settings file\n";
    return kExitStartNotAccepted;
  }
  if (notes.pastReadingRoom) {
    return refuse(L"is longer than the " + std::to_wstring(kListingReadRoom) +
                  L" bytes the reader checks, and the printer would get the rest unchecked");
  }
  std::wstring rejected;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (store.slots[static_cast<size_t>(slot)].invalid != 0)
      rejected += L"vostrel-cli: rejected: " + SlotName(slot) + L"\n";
  }
  if (!rejected.empty()) {
    output.err += EnglishCodeText(kExitRejectedSettings) +
                  L"\nvostrel-cli: nothing was sent; the file's rejected settings:\n" + rejected;
    return kExitRejectedSettings;
  }
  file.views = ViewStore(store);
  file.outgoing = std::string(kCommandPrefix).append(ScriptOf(bytes));
  return kExitOk;
}

// Compares the printer's listing with what the file sets.
int Compare(const Options& options, const FileToSend& file, PrinterRun& run, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  if (const int status = ReceiveInto(run, store, clock, front); status != kExitOk) return status;
  run.sent = file.views;
  run.read = ViewStore(store);
  run.differences = CompareViews(run.sent, run.read, true);
  std::wstring json = L",\"differences\":[";
  for (size_t i = 0; i < run.differences.size(); ++i) {
    const ViewDifference& d = run.differences[i];
    json += (i > 0 ? L"," : L"") + std::wstring(L"{\"keyword\":") + JsonString(d.keyword) + L",\"sent\":" +
            (d.a != nullptr ? JsonSetting(*d.a) : L"null") + L",\"read\":" +
            (d.b != nullptr ? JsonSetting(*d.b) : L"null") + L"}";
  }
  run.json = json + L"]";
  if (run.differences.empty()) return kExitOk;
  std::wstring lines = L"vostrel-cli: " + run.link + L": these settings did not read back as sent:\n";
  for (const ViewDifference& d : run.differences) {
    lines += L"  " + d.keyword + L": sent '" + (d.a != nullptr ? ValueWithUnit(*d.a) : L"") + L"', the printer has " +
             (d.b != nullptr ? L"'" + ValueWithUnit(*d.b) + L"'" : std::wstring(L"no such line")) + L"\n";
  }
  run.err += lines;
  run.code = kExitNotAsSent;
  return run.code;
}

int Send(const Options& options, const FileToSend& file, PrinterRun& run, Clock& clock, ExchangeFront& front) {
  {
    CommandLink command(run, clock, front);
    if (const ExchangeOutcome outcome = command.exchange.Send(file.outgoing); !outcome.done()) {
      return Finish(run, front, outcome, &command);
    }
  }
  if (!options.verify) return kExitOk;
  // The listing's own pause gives the printer the time it needs to take
  // the settings before it is asked for them.
  return Compare(options, file, run, clock, front);
}

// ----- doctor: an exchange step by step. -----

struct DoctorStep {
  std::wstring name;
  bool ok = true;
  std::uint32_t ms = 0;
  std::wstring text;
};

class DoctorFront final : public ExchangeFront {
 public:
  void ShowPause(int) override {}
  void ShowOutcome(const ExchangeOutcome&) override {}
};

class Doctor {
 public:
  Doctor(PrinterRun& run, Clock& clock) : run_(run), clock_(clock) {}

  int Run() {
    const PortKind kind = run_.prefs.portKind;
    if (kind == PortKind::Prt) return Queue();
    if (kind == PortKind::Com || kind == PortKind::Usb) {
      if (kind == PortKind::Com) {
        const std::wstring settings = DescribeComPort(run_.prefs.portName);
        Step(L"port", true, 0,
             settings.empty() ? L"the system lists no COM port " + run_.prefs.portName
                              : L"the port as the system has it now: " + settings + L"; the link sets " +
                                    std::to_wstring(run_.prefs.baudRate) + L" baud, " +
                                    std::to_wstring(run_.prefs.dataBits) + L" data bits");
      }
    } else {
      if (!NameAndEcho()) return Code();
    }
    return Exchange();
  }

  std::wstring Report() const {
    std::wstring text = L"doctor " + run_.link + L"\n";
    for (const DoctorStep& step : steps_) {
      std::wstring name = step.name;
      name.resize(std::max<size_t>(name.size(), 12), L' ');
      std::wstring ms = std::to_wstring(step.ms) + L" ms";
      ms.insert(0, ms.size() < 9 ? 9 - ms.size() : 0, L' ');
      text += L"  " + name + L" " + ms + L"  " + (step.ok ? L"" : L"FAILED: ") + step.text + L"\n";
    }
    return text;
  }

  std::wstring Json() const {
    std::wstring json = L",\"steps\":[";
    for (size_t i = 0; i < steps_.size(); ++i) {
      const DoctorStep& s = steps_[i];
      json += (i > 0 ? L"," : L"") + std::wstring(L"{\"step\":") + JsonString(s.name) + L",\"ok\":" +
              (s.ok ? L"true" : L"false") + L",\"ms\":" + std::to_wstring(s.ms) + L",\"text\":" + JsonString(s.text) +
              L"}";
    }
    return json + L"]";
  }

 private:
  int Code() const { return run_.code; }

  void Step(std::wstring name, bool ok, std::uint32_t ms, std::wstring text) {
    steps_.push_back({std::move(name), ok, ms, std::move(text)});
  }
  void Failed(std::wstring name, std::uint32_t ms, std::wstring text, int code) {
    Step(std::move(name), false, ms, std::move(text));
    run_.code = code;
    run_.err += EnglishCodeText(code) + L"\nvostrel-cli: " + run_.link + L": " + steps_.back().name + L": " +
                steps_.back().text + L"\n";
  }
  std::uint32_t Since(std::uint32_t start) { return ElapsedMs(start, clock_.TickCount()); }

  bool NameAndEcho() {
    const std::wstring& host = run_.prefs.portName;
    std::uint32_t start = clock_.TickCount();
    if (IsDottedIPv4(host)) {
      Step(L"name lookup", true, 0, host + L" is an IPv4 address: nothing to look up");
    } else {
      const std::optional<std::wstring> dotted = ResolveToDotted(host);
      if (!dotted) {
        Failed(L"name lookup", Since(start), OpenAdvice(WSAHOST_NOT_FOUND, run_.prefs), kExitLinkNotOpened);
        run_.openError = WSAHOST_NOT_FOUND;
        return false;
      }
      Step(L"name lookup", true, Since(start), host + L" is " + *dotted);
    }
    start = clock_.TickCount();
    DoctorFront front;
    CommandLink command(run_, clock_, front);
    // The echo is a hint: many networks drop it while the printer's port is
    // open, so the connection that follows decides.
    if (!command.link.IsReachable(host)) {
      Step(L"echo", false, Since(start),
           host + L" does not answer the echo; many networks drop it, so the connection decides");
      return true;
    }
    Step(L"echo", true, Since(start), host + L" answers the echo");
    return true;
  }

  int Exchange() {
    DoctorFront front;
    CommandLink command(run_, clock_, front);
    PrinterExchange::Session session(command.exchange);
    const bool net = run_.prefs.portKind == PortKind::Net;
    std::uint32_t start = clock_.TickCount();
    if (!session.Open(TimeoutClass::kNormal)) {
      run_.openError = command.link.openError;
      std::wstring advice = OpenAdvice(run_.openError, run_.prefs);
      if (advice.empty()) {
        advice = net ? L"the connection did not open" : NotOpenedAdvice();
      }
      Failed(L"connect", Since(start), advice, kExitLinkNotOpened);
      return Code();
    }
    Step(L"connect", true, Since(start), net ? L"connected to port " + run_.prefs.portNumber : L"the port opened");
    start = clock_.TickCount();
    if (const LinkStatus status = session.Write(kPreRequestCommand); status != kLinkOk) {
      Failed(L"pre-request", Since(start),
             L"the 3 bytes were not taken (status " + std::to_wstring(status) +
                 L"): the printer holds the connection but does not read; it may be busy or stalled",
             kExitWriteFailed);
      return Code();
    }
    session.Close();
    Step(L"pre-request", true, Since(start), L"01 23 00 written");

    start = clock_.TickCount();
    const int steps = PreRequestPauseSteps(run_.prefs.portKind);
    for (int step = 0; step < steps; ++step) clock_.Sleep(kPauseStepMs);
    Step(L"pause", true, Since(start),
         L"the printer needs " + std::to_wstring(steps / 10) + L" s between the pre-request and the request");

    start = clock_.TickCount();
    SettingsStore store;
    SendBuffer buffer;
    const std::string_view request = BuildRequestBytes(store, RequestKind::Configuration, buffer);
    if (!session.Open(TimeoutClass::kNormal)) {
      run_.openError = command.link.openError;
      Failed(L"request", Since(start), L"the link did not open again: " + OpenAdvice(run_.openError, run_.prefs),
             kExitLinkNotOpened);
      return Code();
    }
    if (const LinkStatus status = session.Write(request); status != kLinkOk) {
      Failed(L"request", Since(start),
             L"the configuration request was not taken (status " + std::to_wstring(status) + L")", kExitWriteFailed);
      return Code();
    }
    Step(L"request", true, Since(start),
         L"the configuration request written (" + std::to_wstring(request.size()) + L" bytes)");

    start = clock_.TickCount();
    std::string reply;
    const LinkStatus status = session.Read(ReplyRule::kUntilEnd, kListingRoom, reply);
    session.Close();
    const std::uint32_t readMs = Since(start);
    if (reply.empty()) {
      Failed(L"header", readMs,
             L"silent: the printer took the request but sent nothing (status " + std::to_wstring(status) +
                 L"); it may have had too short a pause, or it does not answer this request (another printer "
                 L"language?)",
             kExitReadFailed);
      return Code();
    }
    std::string_view text = reply;
    const HeaderPresence header = CheckListingHeader(text);
    if (header == HeaderPresence::None) {
      Failed(L"header", readMs,
             L"no header: " + std::to_wstring(reply.size()) +
                 L" bytes came, but they do not begin like a configuration listing; is it a printer of this kind, "
                 L"and is the link's port its raw port?",
             kExitReadFailed);
      return Code();
    }
    Step(L"header", true, readMs,
         header == HeaderPresence::Whole ? L"the listing begins with its header"
                                         : L"the listing begins with half its header");
    if (!EndsWithEndLine(reply)) {
      Failed(L"END", readMs,
             L"the listing stopped after " + std::to_wstring(reply.size()) +
                 L" bytes without its END line: the connection was cut, or the listing is longer than the " +
                 std::to_wstring(kListingRoom) + L" bytes the reader takes",
             kExitReadFailed);
      return Code();
    }
    Step(L"END", true, readMs, L"the listing is whole (" + std::to_wstring(reply.size()) + L" bytes)");
    return kExitOk;
  }

  std::wstring NotOpenedAdvice() const {
    const std::vector<std::wstring> ports = FillComList();
    const std::wstring& name = run_.prefs.portName;
    const bool listed = std::any_of(ports.begin(), ports.end(), [&](const std::wstring& port) {
      return port == name || port + L":" == name || port == name + L":";
    });
    if (run_.prefs.portKind == PortKind::Com && !listed) {
      return L"not found: the system has no COM port " + name + L"; check the name (COM5: or COM5)";
    }
    return L"the port did not open: another program may hold it, or the device is gone";
  }

  int Queue() {
    const std::uint32_t start = clock_.TickCount();
    const QueueDiscovery found = FillQueueList();
    const std::wstring& name = run_.prefs.portName;
    if (std::find(found.queues.begin(), found.queues.end(), name) == found.queues.end()) {
      Failed(L"queue", Since(start), L"not found: there is no printer queue '" + name + L"' on this computer",
             kExitLinkNotOpened);
      return Code();
    }
    static constexpr std::array<std::wstring_view, 5> kKinds = {L"a port of another kind", L"", L"a COM port",
                                                                L"a USB printer port", L"a network port"};
    const auto kind = found.queuePortKinds.find(name);
    const auto text = found.queuePortTexts.find(name);
    const auto code = static_cast<std::int32_t>(kind != found.queuePortKinds.end() ? kind->second : PortKind::None);
    Step(L"queue", true, Since(start),
         L"its port is " + (text != found.queuePortTexts.end() ? text->second : std::wstring(L"unknown")) + L", " +
             std::wstring(kKinds[static_cast<size_t>(code >= 0 && code < 5 ? code : 0)]) +
             L"; a queue only takes jobs: send goes through it, receive needs the port's own link");
    return kExitOk;
  }

  PrinterRun& run_;
  Clock& clock_;
  std::vector<DoctorStep> steps_;
};

int RunDoctor(PrinterRun& run, Clock& clock) {
  Doctor doctor(run, clock);
  const int code = doctor.Run();
  run.text = doctor.Report();
  run.json = doctor.Json();
  run.code = code;
  return code;
}

// ----- Many printers. -----

void RunOne(const Options& options, const FileToSend& file, PrinterRun& run, Clock& clock,
            const ProgressSink* countdown) {
  const std::uint32_t start = clock.TickCount();
  CliFront front(run, countdown);
  ParseLinkArgument(run.link, run.prefs, run.err);  // checked when the command line was read
  run.err.clear();
  if (options.command == L"receive" || options.command == L"diff") {
    run.code = Receive(options, run, clock, front);
  } else if (options.command == L"info") {
    run.code = Info(options, run, clock, front);
  } else if (options.command == L"send") {
    run.code = Send(options, file, run, clock, front);
  } else if (options.command == L"verify") {
    run.code = Compare(options, file, run, clock, front);
  } else {
    RunDoctor(run, clock);
  }
  run.ms = ElapsedMs(start, clock.TickCount());
}

// Runs every printer, at most `jobs` at once, each on a thread of its own
// (a lone printer on the calling thread).
void RunAll(const Options& options, const FileToSend& file, std::vector<PrinterRun>& runs, Clock& clock,
            const ProgressSink& progress) {
  if (runs.size() == 1) {
    RunOne(options, file, runs[0], clock, options.quiet ? nullptr : &progress);
    return;
  }
  std::mutex progressLock;
  std::atomic<size_t> next{0};
  auto worker = [&]() {
    for (size_t i = next++; i < runs.size(); i = next++) {
      RunOne(options, file, runs[i], clock, nullptr);
      if (progress && !options.quiet) {
        const std::lock_guard<std::mutex> lock(progressLock);
        progress(L"vostrel-cli: " + runs[i].link + L": " + ResultWord(runs[i].code, runs[i].openError) + L"\n");
      }
    }
  };
  const size_t threads = std::min(runs.size(), static_cast<size_t>(options.jobs));
  std::vector<std::thread> pool;
  for (size_t t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (std::thread& thread : pool) thread.join();
}

std::wstring Seconds(std::uint32_t ms) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%u.%01u s", ms / 1000, (ms % 1000) / 100);
  return text;
}

std::wstring Table(const std::vector<PrinterRun>& runs) {
  size_t linkWidth = 4, resultWidth = 6;
  for (const PrinterRun& run : runs) {
    linkWidth = std::max(linkWidth, run.link.size());
    resultWidth = std::max(resultWidth, ResultWord(run.code, run.openError).size());
  }
  auto row = [&](std::wstring link, std::wstring result, std::wstring time, std::wstring code) {
    link.resize(linkWidth + 2, L' ');
    result.resize(resultWidth + 2, L' ');
    time.insert(0, time.size() < 8 ? 8 - time.size() : 0, L' ');
    return link + result + time + L"  " + code + L"\n";
  };
  std::wstring text = row(L"LINK", L"RESULT", L"TIME", L"CODE");
  for (const PrinterRun& run : runs) {
    text += row(run.link, ResultWord(run.code, run.openError), Seconds(run.ms), std::to_wstring(run.code));
  }
  return text;
}

std::wstring PrinterJson(const PrinterRun& run) {
  std::wstring json = L"{\"link\":" + JsonString(run.link) + L",\"result\":" +
                      JsonString(ResultWord(run.code, run.openError)) + L",\"code\":" + std::to_wstring(run.code) +
                      L",\"ms\":" + std::to_wstring(run.ms);
  if (!run.err.empty()) json += L",\"error\":" + JsonString(run.err);
  return json + run.json + L"}";
}

// What a lone printer's command prints, as the companion always did.
void SingleOutput(const Options& options, const PrinterRun& run, Output& output) {
  output.err += run.err;
  if (run.code != kExitOk) return;
  if (options.command == L"receive" && !options.haveOut) {
    output.out += options.raw ? run.text : ReadableLines(run.views);
  } else if (options.command == L"info") {
    output.out += run.text;
  }
}

// A fleet's per-printer files in the -o folder (receive writes its own).
void WriteFleetFiles(const Options& options, std::vector<PrinterRun>& runs) {
  if (!options.haveOut || options.command == L"receive") return;
  for (PrinterRun& run : runs) {
    const std::wstring body = run.text + run.err;
    const fs::path path = fs::path(options.out) / (FileNameOf(run.link) + L".txt");
    if (!WriteBytes(path, WideToAnsi(body)) && run.code == kExitOk) {
      run.code = kExitFileNotWritten;
      run.err += EnglishCodeText(kExitFileNotWritten) + L"\nvostrel-cli: cannot write '" + path.wstring() + L"'\n";
    }
  }
}

int Diff(const Options& options, Output& output, Clock& clock, const ProgressSink& progress) {
  std::vector<PrinterRun> runs;
  for (const DiffSide& side : options.sides) {
    if (side.link) runs.emplace_back().link = side.text;
  }
  Options receive = options;
  receive.haveOut = false;
  RunAll(receive, FileToSend{}, runs, clock, progress);
  std::vector<SettingView> views[2];
  size_t nextRun = 0;
  for (size_t i = 0; i < 2; ++i) {
    const DiffSide& side = options.sides[i];
    if (side.link) {
      const PrinterRun& run = runs[nextRun++];
      if (run.code != kExitOk) {
        output.err += run.err;
        return run.code;
      }
      views[i] = run.views;
    } else {
      SettingsStore store;
      if (LoadSettingsForCommand(store, side.text, options.model, output) != kExitOk) return kExitDiffSideNotRead;
      views[i] = ViewStore(store);
    }
  }
  bool equal = false;
  output.out += DiffReport(views[0], options.sides[0].text, views[1], options.sides[1].text, options.json, equal);
  return equal ? kExitSame : kExitDifferent;
}

constexpr std::array<std::wstring_view, 6> kPrinterCommands = {L"receive", L"info",   L"send",
                                                               L"verify",  L"doctor", L"diff"};

}  // namespace

std::wstring EnglishCodeText(int code) {
  const CodeMessage* message = FindCodeMessage(code);
  if (message == nullptr) {
    if (code == kExitNotAsSent) return L"code : 33\nA setting did not read back as sent.";
    return {};
  }
  std::wstring text = CellText(Row(message->row), Language::English);
  if (message->secondRow) text.append(L"\n").append(CellText(Row(*message->secondRow), Language::English));
  for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at)) text.erase(at, 1);
  return text;
}

int WorseStatus(int a, int b) {
  // Ranked from fine to worst; a code not listed counts as a failure to reach.
  constexpr std::array<int, 10> kRank = {kExitOk,         kExitNotAsSent,        kExitFileNotWritten,
                                         kExitNotOpened,  kExitStartNotAccepted, kExitRejectedSettings,
                                         kExitReadFailed, kExitWriteFailed,      kExitLinkNotOpened,
                                         kExitUsage};
  auto rank = [&](int code) {
    const auto at = std::find(kRank.begin(), kRank.end(), code);
    return at == kRank.end() ? static_cast<int>(kRank.size()) : static_cast<int>(at - kRank.begin());
  };
  return rank(b) > rank(a) ? b : a;
}

bool IsPrinterCommand(const std::vector<std::wstring>& args) {
  if (args.empty()) return false;
  if (args[0] == L"diff") return std::find(args.begin(), args.end(), L"--link") != args.end();
  return std::find(kPrinterCommands.begin(), kPrinterCommands.end(), args[0]) != kPrinterCommands.end();
}

int RunPrinterCommand(const std::vector<std::wstring>& args, Output& output, Clock& clock,
                      const ProgressSink& progress) {
  if (IsPrinterCommand(args) &&
      std::any_of(args.begin() + 1, args.end(), [](const std::wstring& arg) { return IsHelpArgument(arg); })) {
    output.out += CommandHelp(args[0]);
    return kExitOk;
  }
  Options options;
  std::wstring problem;
  if (!IsPrinterCommand(args) || !Parse(args, options, problem)) {
    if (problem.empty()) problem = L"no printer command given";
    output.err += L"vostrel-cli: " + problem + L"\n" + kUsage;
    return kExitUsage;
  }
  if (options.command == L"diff") return Diff(options, output, clock, progress);

  FileToSend file;
  if (options.command == L"send" || options.command == L"verify") {
    if (const int status = ReadFileToSend(options, file, output); status != kExitOk) return status;
  }
  std::error_code ignored;
  if (options.haveOut && (options.links.size() > 1 || options.command != L"receive")) {
    fs::create_directories(fs::path(options.out), ignored);
  }

  std::vector<PrinterRun> runs;
  for (const std::wstring& link : options.links) runs.emplace_back().link = link;
  RunAll(options, file, runs, clock, progress);
  WriteFleetFiles(options, runs);

  int status = kExitOk;
  for (const PrinterRun& run : runs) status = WorseStatus(status, run.code);
  if (options.json) {
    std::wstring json =
        L"{\"command\":" + JsonString(options.command) + L",\"code\":" + std::to_wstring(status) + L",\"printers\":[";
    for (size_t i = 0; i < runs.size(); ++i) json += (i > 0 ? L"," : L"") + PrinterJson(runs[i]);
    output.out += json + L"]}\n";
    for (const PrinterRun& run : runs) output.err += run.err;
    return status;
  }
  if (runs.size() == 1) {
    SingleOutput(options, runs[0], output);
    output.out +=
        runs[0].text.empty() || options.command == L"info" || options.command == L"receive" ? L"" : runs[0].text;
    return status;
  }
  output.out += Table(runs);
  // doctor's reports are its answer: each printer's after the table.
  if (options.command == L"doctor" && !options.haveOut) {
    for (const PrinterRun& run : runs) output.out += L"\n" + run.text;
  }
  for (const PrinterRun& run : runs) {
    if (!run.err.empty()) output.err += L"== " + run.link + L"\n" + run.err;
  }
  return status;
}

}  // namespace vostrel::cli
