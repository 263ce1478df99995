#include "printer_commands.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "i18n/text_table.h"
#include "link_argument.h"
#include "link_session.h"
#include "platform/ansi_text.h"
#include "prefs/preferences.h"
#include "protocol/command_set.h"
#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/config_script.h"
#include "settings/listing_reader.h"
#include "settings/printer_model.h"
#include "settings/reply_readers.h"

namespace vostrel::cli {
namespace {

constexpr std::uint32_t kPauseStepMs = 100;
constexpr int kStepsPerSecond = 1000 / kPauseStepMs;

// The text-table rows of the numbered messages these commands end with.
struct CodeRow {
  int code;
  std::int32_t row;
};
constexpr std::array<CodeRow, 5> kCodeRows = {{{22, 2}, {23, 3}, {30, 5}, {31, 6}, {32, 7}}};

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

// The numbered message of `code` in the program's language, with LF line
// ends, and what went wrong in this run.
int Fail(Output& output, int code, const std::wstring& detail) {
  for (const CodeRow& row : kCodeRows) {
    if (row.code != code) continue;
    std::wstring message = GetText(TextId{TextBlock::MessageTexts, row.row});
    for (size_t at = message.find(L"\r\n"); at != std::wstring::npos; at = message.find(L"\r\n", at))
      message.erase(at, 1);
    output.err += message + L"\n";
  }
  output.err += L"vostrel-cli: " + detail + L"\n";
  return code;
}

std::wstring StatusText(std::uint32_t status) { return L" (status " + std::to_wstring(status) + L")"; }

// The printer needs time after the pre-request; the user sees the seconds
// that are left.
void PauseBeforeRequest(std::int32_t portKind, Clock& clock, const ProgressSink& progress) {
  const int steps = PreRequestPauseSteps(portKind);
  for (int step = 0; step < steps; ++step) {
    if (step % kStepsPerSecond == 0 && progress) {
      progress(L"vostrel-cli: waiting for the printer to get ready for the configuration request: " +
               std::to_wstring((steps - step) / kStepsPerSecond) + L" s left\n");
    }
    clock.Sleep(kPauseStepMs);
  }
}

// Clears the store for the model and puts the request, with the command
// prefix, into the send buffer; the bytes to write.
std::string_view PrepareRequest(SettingsStore& store, std::wstring_view model, RequestKind kind, SendBuffer& buffer) {
  store.modelIndex = ModelIndexOf(model);
  store.ClearValues();
  BuildRequest(store, kind);
  const Outgoing built = BuildOutgoing(buffer, store.textBuffer, PrefixUse::WithPrefix);
  return {buffer.data(), built.status == OutgoingStatus::Ready ? built.byteCount : 0};
}

int Receive(const Options& options, Output& output, Clock& clock, const ProgressSink& progress) {
  SettingsStore store;
  SendBuffer buffer;
  const std::string_view request = PrepareRequest(store, options.model, RequestKind::Configuration, buffer);

  std::string reply;
  {
    LinkSession link(options.prefs, clock);
    if (!link.Open(false)) return Fail(output, kExitLinkNotOpened, L"the link " + options.link + L" did not open");
    if (const std::uint32_t status = link.Write(kPreRequestCommand); status != 0)
      return Fail(output, kExitWriteFailed, L"the pre-request was not written" + StatusText(status));
    link.Close();
    PauseBeforeRequest(options.prefs.portKind, clock, progress);
    if (!link.Open(false))
      return Fail(output, kExitLinkNotOpened, L"the link " + options.link + L" did not open again");
    if (const std::uint32_t status = link.Write(request); status != 0)
      return Fail(output, kExitWriteFailed, L"the configuration request was not written" + StatusText(status));
    const std::uint32_t status = link.Read(false, reply);
    link.Close();
    if (status != 0) return Fail(output, kExitReadFailed, L"the listing was not read" + StatusText(status));
    if (reply.empty()) return Fail(output, kExitReadFailed, L"the printer sent no listing");
  }

  // A stray byte in front of the header is forgiven once.
  std::string_view listing = reply;
  HeaderPresence header = CheckReplyHeader(listing);
  if (header == HeaderPresence::None) {
    listing.remove_prefix(1);
    header = CheckReplyHeader(listing);
    if (header == HeaderPresence::None)
      return Fail(output, kExitReadFailed, L"the reply does not begin like a configuration listing");
  }

  if (!options.outFile.empty()) {
    // The file keeps the listing's own start: the file reader puts the
    // missing line in front of a half header itself.
    std::ofstream file(std::filesystem::path(options.outFile), std::ios::binary | std::ios::trunc);
    file.write(listing.data(), static_cast<std::streamsize>(listing.size()));
    file.close();
    if (!file) return Fail(output, kExitFileNotWritten, L"cannot write '" + options.outFile + L"'");
    return kExitOk;
  }

  store.textBuffer = AnsiToWide(listing);
  if (header == HeaderPresence::OnePart) store.textBuffer.insert(0, L"\r\n");
  ReadListing(store, ListingMode::Read);
  output.out += DumpStore(store);
  return kExitOk;
}

int Info(const Options& options, Output& output, Clock& clock) {
  SettingsStore store;
  SendBuffer buffer;
  const std::string_view request = PrepareRequest(store, options.model, RequestKind::Information, buffer);

  std::string reply;
  {
    LinkSession link(options.prefs, clock);
    if (!link.Open(true)) return Fail(output, kExitLinkNotOpened, L"the link " + options.link + L" did not open");
    if (const std::uint32_t status = link.Write(request); status != 0)
      return Fail(output, kExitWriteFailed, L"the information request was not written" + StatusText(status));
    const std::uint32_t status = link.Read(true, reply);
    link.Close();
    if (status != 0) return Fail(output, kExitReadFailed, L"the reply was not read" + StatusText(status));
    if (reply.empty()) return Fail(output, kExitReadFailed, L"the printer sent no reply");
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
  if (!anyValue) return Fail(output, kExitReadFailed, L"the reply carries no serial number and no counter");
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

int Send(const Options& options, Output& output, Clock& clock) {
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
    Fail(output, kExitRejectedSettings, L"nothing was sent; the file's rejected settings:");
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

  if (options.prefs.portKind == kPortKindPrt) {
    switch (SendToQueue(options.prefs.portName, outgoing)) {
      case 0: return kExitOk;
      case 110:
        return Fail(output, kExitLinkNotOpened, L"the printer queue '" + options.prefs.portName + L"' did not open");
      default: return Fail(output, kExitWriteFailed, L"the spooler did not take the job");
    }
  }
  LinkSession link(options.prefs, clock);
  if (!link.Open(false)) return Fail(output, kExitLinkNotOpened, L"the link " + options.link + L" did not open");
  if (const std::uint32_t status = link.Write(outgoing); status != 0)
    return Fail(output, kExitWriteFailed, L"the settings were not written" + StatusText(status));
  link.Close();
  return kExitOk;
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

int PreRequestPauseSteps(std::int32_t portKind) {
  return (portKind == kPortKindNet ? 20000 : 5000) / static_cast<int>(kPauseStepMs);
}

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
  if (options.command == L"receive") return Receive(options, output, clock, progress);
  if (options.command == L"info") return Info(options, output, clock);
  return Send(options, output, clock);
}

}  // namespace vostrel::cli
