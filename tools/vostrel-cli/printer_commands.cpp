#include "printer_commands.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "i18n/result_codes.h"
#include "link/printer_link.h"
#include "link_argument.h"
#include "operations/printer_exchange.h"
#include "platform/ansi_text.h"
#include "prefs/preferences.h"
#include "protocol/command_set.h"
#include "settings/catalogue.h"
#include "settings/listing_reader.h"
#include "settings/printer_model.h"
#include "settings/reply_readers.h"

namespace vostrel::cli {
namespace {

// The information reply's four values, as the commands print them.
struct InfoLine {
  std::wstring_view label;
  int slot;
};
constexpr std::array<InfoLine, 4> kInfoLines = {{
    {L"Serial Number : ", kInfoSerialNumberSlot},
    {L"Print Counter : ", kInfoPrintCounterSlot},
    {L"Service Counter : ", kInfoServiceCounterSlot},
    {L"Cut Counter : ", kInfoCutCounterSlot},
}};

struct Options {
  std::wstring command;
  std::wstring link;
  std::wstring model{kPrinterModels[0]};
  std::wstring outFile;
  std::wstring file;
  PreferencesRecord prefs;
};

bool NextValue(const std::vector<std::wstring>& args, size_t& i, std::wstring& value, std::wstring& problem) {
  if (i + 1 >= args.size()) {
    problem = args[i] + L" needs a value";
    return false;
  }
  value = args[++i];
  return true;
}

bool Parse(const std::vector<std::wstring>& args, Options& options, std::wstring& problem) {
  options.command = args[0];
  const bool receive = options.command == L"receive";
  const bool send = options.command == L"send";
  bool haveLink = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg == L"--link") {
      if (!NextValue(args, i, options.link, problem)) return false;
      haveLink = true;
    } else if (arg == L"--model") {
      if (!NextValue(args, i, options.model, problem)) return false;
      if (options.model != kPrinterModels[0] && options.model != kPrinterModels[1]) {
        problem = L"unknown model '" + options.model + L"' (VX-120-ZKQ or VX-135-ZKQ)";
        return false;
      }
    } else if (arg == L"-o" && receive) {
      if (!NextValue(args, i, options.outFile, problem)) return false;
    } else if (arg.starts_with(L"-")) {
      problem = L"unknown option '" + arg + L"' for " + options.command;
      return false;
    } else if (!send || !options.file.empty()) {
      problem = L"unexpected argument '" + arg + L"'";
      return false;
    } else {
      options.file = arg;
    }
  }
  if (!haveLink) {
    problem = options.command + L" needs --link";
    return false;
  }
  if (send && options.file.empty()) {
    problem = L"send needs a settings file";
    return false;
  }
  if (!ParseLinkArgument(options.link, options.prefs, problem)) return false;
  if (!send && options.prefs.portKind == kPortKindPrt) {
    problem = L"a printer queue only takes jobs: " + options.command + L" needs a net:, com: or usb: link";
    return false;
  }
  return true;
}

// The companion's front: the countdown on standard error as it runs, the
// outcome as the numbered message in the program's language (with LF line
// ends) followed by what went wrong in this run.
class CliFront final : public ExchangeFront {
 public:
  CliFront(Output& output, const ProgressSink& progress) : output_(output), progress_(progress) {}

  void ShowPause(int secondsLeft) override {
    if (!progress_) return;
    progress_(L"vostrel-cli: waiting for the printer to get ready for the configuration request: " +
              std::to_wstring(secondsLeft) + L" s left\n");
  }
  void ShowOutcome(const ExchangeOutcome& outcome) override {
    if (outcome.done()) return;
    std::wstring message = CodeMessageText(outcome.code);
    for (size_t at = message.find(L"\r\n"); at != std::wstring::npos; at = message.find(L"\r\n", at))
      message.erase(at, 1);
    if (!message.empty()) output_.err += message + L"\n";
    output_.err += L"vostrel-cli: " + outcome.detail + L"\n";
  }

 private:
  Output& output_;
  const ProgressSink& progress_;
};

// Shows a failed outcome; its code is the exit status.
int Finish(ExchangeFront& front, const ExchangeOutcome& outcome) {
  front.ShowOutcome(outcome);
  return static_cast<int>(outcome.code);
}

int Fail(ExchangeFront& front, ResultCode code, std::wstring detail) {
  return Finish(front, ExchangeOutcome{code, kLinkOk, std::move(detail)});
}

// The link of one command; the exchange opens and closes it.
struct CommandLink {
  CommandLink(const Options& options, Clock& clock, ExchangeFront& front)
      : link(options.prefs, driverLinkKind, clock), exchange(link, options.prefs, clock, front, options.link) {}

  std::int32_t driverLinkKind = 0;  // no printer queue stands in front of the port
  PrinterLink link;
  PrinterExchange exchange;
};

int Receive(const Options& options, Output& output, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  SendBuffer buffer;
  const std::string_view request = BuildRequestBytes(store, RequestKind::Configuration, buffer);

  ReceivedListing listing;
  {
    CommandLink command(options, clock, front);
    if (const ExchangeOutcome outcome = command.exchange.ReceiveListing(request, listing); !outcome.done()) {
      return Finish(front, outcome);
    }
  }

  if (!options.outFile.empty()) {
    // The file keeps the listing's own start: the file reader puts the
    // missing line in front of a half header itself.
    std::ofstream file(std::filesystem::path(options.outFile), std::ios::binary | std::ios::trunc);
    file.write(listing.bytes.data(), static_cast<std::streamsize>(listing.bytes.size()));
    file.close();
    if (!file) return Fail(front, ResultCode::kExportFailed, L"cannot write '" + options.outFile + L"'");
    return kExitOk;
  }

  store.textBuffer = ListingText(listing);
  ReadListing(store, ListingMode::Read);
  output.out += DumpStore(store);
  return kExitOk;
}

int Info(const Options& options, Output& output, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  SendBuffer buffer;
  const std::string_view request = BuildRequestBytes(store, RequestKind::Information, buffer);

  std::string reply;
  {
    CommandLink command(options, clock, front);
    if (const ExchangeOutcome outcome = command.exchange.ReceiveInformation(request, reply); !outcome.done()) {
      return Finish(front, outcome);
    }
  }

  store.textBuffer = AnsiToWide(reply);
  ReplyKeyTexts texts;
  ReadInformation(store, texts);
  std::wstring lines;
  bool anyValue = false;
  for (const InfoLine& line : kInfoLines) {
    const std::wstring& value = store.slots[static_cast<size_t>(line.slot)].value;
    anyValue = anyValue || !value.empty();
    lines.append(line.label).append(value).append(L"\n");
  }
  if (!anyValue) return Fail(front, ResultCode::kReadFailed, L"the reply carries no serial number and no counter");
  output.out += lines;
  return kExitOk;
}

// The script of a settings file: what follows its command prefix, or the
// part of the header it begins with.
std::string_view ScriptOf(std::string_view file) {
  if (file.starts_with(kCommandPrefix)) return file.substr(kCommandPrefix.size());
  if (file.starts_with(kReplyHeader)) return file.substr(kReplyHeader.size());
  if (file.starts_with(kReplyHeaderFirstPart)) return file.substr(kReplyHeaderFirstPart.size());
  if (file.starts_with(kReplyHeaderLastPart)) return file.substr(kReplyHeaderLastPart.size());
  return file;
}

int Send(const Options& options, Output& output, Clock& clock, ExchangeFront& front) {
  SettingsStore store;
  if (const int status = LoadSettingsForCommand(store, options.file, options.model, output); status != kExitOk) {
    return status;
  }
  const std::filesystem::path path(options.file);
  std::wstring rejected;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SettingItem& item = store.slots[static_cast<size_t>(slot)];
    if (item.invalid != 0) rejected += L"vostrel-cli: rejected: " + SlotName(slot) + L"\n";
  }
  if (!rejected.empty()) {
    Fail(front, ResultCode::kRejectedValue, L"nothing was sent; the file's rejected settings:");
    output.err += rejected;
    return kExitRejectedSettings;
  }

  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file.eof() && file.fail()) {
    output.err += L"vostrel-cli: cannot open '" + options.file + L"'\n";
    return kExitNotOpened;
  }
  const std::string outgoing = std::string(kCommandPrefix).append(ScriptOf(bytes));

  CommandLink command(options, clock, front);
  return Finish(front, command.exchange.Send(outgoing));
}

}  // namespace

const wchar_t kPrinterUsage[] =
    L"usage: vostrel-cli receive --link LINK [--model M] [-o FILE]\n"
    L"       vostrel-cli info --link LINK\n"
    L"       vostrel-cli send --link LINK [--model M] FILE\n"
    L"\n"
    L"LINK is net:HOST[:PORT] (port 9100 by default), com:NAME[@BAUD,DATA,PARITY,STOP,FLOW]\n"
    L"(e.g. com:COM5:@9600,8,N,1,X), usb:NAME (e.g. usb:USB001) or queue:NAME (send only).\n"
    L"  receive  asks the printer for its configuration listing and prints it as dump\n"
    L"           does, or writes it to FILE (a settings file that dump and Import read)\n"
    L"  info     prints the printer's serial number and counters\n"
    L"  send     sends the settings file's script to the printer; refused when a value\n"
    L"           in it is rejected\n"
    L"Exit status: 0 done, 23 a setting in the file was rejected, 30 the link did not\n"
    L"open, 31 a write failed, 32 a read failed or brought no usable reply, 22 the\n"
    L"listing file cannot be written; 1 and 2 as for dump, 64 usage error.\n";

bool IsPrinterCommand(const std::vector<std::wstring>& args) {
  return !args.empty() && (args[0] == L"receive" || args[0] == L"info" || args[0] == L"send");
}

int RunPrinterCommand(const std::vector<std::wstring>& args, Output& output, Clock& clock,
                      const ProgressSink& progress) {
  Options options;
  std::wstring problem;
  if (!IsPrinterCommand(args) || !Parse(args, options, problem)) {
    if (problem.empty()) problem = L"no printer command given";
    output.err += L"vostrel-cli: " + problem + L"\n" + kUsage + L"\n" + kPrinterUsage;
    return kExitUsage;
  }
  CliFront front(output, progress);
  if (options.command == L"receive") return Receive(options, output, clock, front);
  if (options.command == L"info") return Info(options, output, clock, front);
  return Send(options, output, clock, front);
}

}  // namespace vostrel::cli
