#include "cli.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <filesystem>
#include <string_view>

#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/config_script.h"
#include "settings/listing_reader.h"
#include "settings/printer_model.h"

namespace vostrel::cli {
namespace {

constexpr std::array<std::wstring_view, 5> kOperationSlotNames = {
    L"calibrationResult", L"infoSerialNumber", L"infoPrintCounter", L"infoServiceCounter", L"infoCutCounter"};

struct HelpRow {
  std::wstring_view name;
  std::wstring_view usage;  // after "usage: vostrel-cli "
  std::wstring_view text;
};

// One row per command; the usage lines and `help COMMAND` come from here.
constexpr std::array<HelpRow, 10> kHelpRows = {{
    {L"dump", L"dump [--model M] [--raw] [--json] FILE",
     L"Loads a settings file (.prn or Recent.dat) as the program does and prints every\n"
     L"setting it changed, one line each in catalogue order: the keyword, the value and\n"
     L"its unit. --raw prints the store's fields instead (NAME, selected, value,\n"
     L"secondValue, invalid, choice, unitIndex, TAB-separated); --json one object.\n"},
    {L"check", L"check [--model M] [--raw] [--json] FILE",
     L"Prints each setting whose value the reader rejects: its line, its value and what\n"
     L"the reader accepts there (the words, or the range and decimals). Exit status 3\n"
     L"when there is one.\n"},
    {L"set", L"set [--model M] [--json] KEYWORD=VALUE... -o FILE",
     L"Writes a settings file (the command prefix, one line per setting, END) from\n"
     L"keyword and value pairs, values as dump prints them (\"PRINT SPEED=6 IPS\",\n"
     L"\"CONTINUOUS MEDIA LENGTH=100.0 MM\"). The reader checks every value first; a\n"
     L"rejected value or an unknown keyword ends with 3 and writes nothing.\n"},
    {L"diff", L"diff [--model M] [--json] A B",
     L"The settings that differ between A and B, side by side. A and B are settings\n"
     L"files or printers given as --link LINK (received as receive does). Exit status 0\n"
     L"when they are the same, 1 when not, 2 when a file cannot be read.\n"},
    {L"receive", L"receive --link LINK... [--model M] [--raw] [--json] [-o FILE|DIR]",
     L"Asks the printer for its configuration listing (the pre-request, the pause it\n"
     L"needs, the request) and prints its settings as dump does, or writes the listing\n"
     L"to FILE (a settings file that dump and the program's Import read; with several\n"
     L"printers, one file per printer in DIR).\n"},
    {L"info", L"info --link LINK... [--json]", L"Prints the printer's serial number and its three counters.\n"},
    {L"send", L"send --link LINK... [--model M] [--verify] [--json] FILE",
     L"Sends the settings file's script to the printer, after the command prefix; a file\n"
     L"with a rejected value, a NUL byte or more than a settings file may hold is\n"
     L"refused (23) and nothing is opened. --verify then waits for the printer, receives\n"
     L"its listing and checks that every sent setting reads back as sent (33 if not).\n"},
    {L"verify", L"verify --link LINK... [--model M] [--json] FILE",
     L"Receives the printer's listing and checks that it holds every setting of FILE as\n"
     L"FILE has it; exit status 33 and the settings that differ when it does not.\n"},
    {L"doctor", L"doctor --link LINK... [--json]",
     L"Runs an exchange step by step, each timed and explained: name lookup, echo,\n"
     L"connect, pre-request, pause, request, header, END (for COM the port's settings,\n"
     L"for a queue its port and kind). A failed step says its likely cause and what to\n"
     L"try; its code is the exit status.\n"},
    {L"help", L"help [COMMAND]", L"The usage of every command, or of one.\n"},
}};

struct Options {
  std::wstring command;
  std::wstring model{kPrinterModels[0]};
  bool raw = false;
  bool json = false;
  bool haveOut = false;
  std::wstring outFile;
  std::vector<std::wstring> operands;
};

// The number of operands each file command takes (set: one or more).
int OperandCount(std::wstring_view command) {
  if (command == L"diff") return 2;
  if (command == L"set") return -1;
  return 1;
}

bool IsFileCommand(std::wstring_view command) {
  return command == L"dump" || command == L"check" || command == L"set" || command == L"diff";
}

// Parses "COMMAND [options] OPERANDS"; on failure returns false with the reason.
bool Parse(const std::vector<std::wstring>& args, Options& options, std::wstring& problem) {
  if (args.empty()) {
    problem = L"no command given";
    return false;
  }
  options.command = args[0];
  if (!IsFileCommand(options.command)) {
    problem = L"unknown command '" + options.command + L"'";
    return false;
  }
  const bool set = options.command == L"set";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg == L"--model") {
      if (i + 1 >= args.size()) {
        problem = L"--model needs a model name";
        return false;
      }
      options.model = args[++i];
      if (options.model != kPrinterModels[0] && options.model != kPrinterModels[1]) {
        problem = L"unknown model '" + options.model + L"' (VX-120-ZKQ or VX-135-ZKQ)";
        return false;
      }
    } else if (arg == L"--raw" && !set && options.command != L"diff") {
      options.raw = true;
    } else if (arg == L"--json") {
      options.json = true;
    } else if (arg == L"-o" && set) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        problem = L"-o needs a file name";
        return false;
      }
      options.outFile = args[++i];
      options.haveOut = true;
    } else if (arg.starts_with(L"-") && arg.size() > 1) {
      problem = L"unknown option '" + arg + L"'";
      return false;
    } else {
      options.operands.push_back(arg);
    }
  }
  const int wanted = OperandCount(options.command);
  if (options.operands.empty()) {
    problem = set ? L"no KEYWORD=VALUE given" : L"no file given";
    return false;
  }
  if (wanted == 1 && options.operands.size() > 1) {
    problem = L"more than one file given";
    return false;
  }
  if (wanted == 2 && options.operands.size() != 2) {
    problem = L"diff compares two settings files or printers";
    return false;
  }
  if (set && !options.haveOut) {
    problem = L"set needs -o FILE";
    return false;
  }
  return true;
}

std::wstring Upper(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  return upper;
}

std::wstring JsonHead(const Options& options, int code) {
  return L"{\"command\":" + JsonString(options.command) + L",\"model\":" + JsonString(options.model) + L",\"code\":" +
         std::to_wstring(code);
}

int DumpOrCheck(const Options& options, Output& output) {
  const std::wstring& file = options.operands[0];
  SettingsStore store;
  const int status = LoadSettingsForCommand(store, file, options.model, output, true);
  const bool check = options.command == L"check";
  if (status != kExitOk) {
    if (options.json)
      output.out += JsonHead(options, status) + L",\"file\":" + JsonString(file) + L",\"settings\":[]}\n";
    return status;
  }
  std::vector<SettingView> views = ViewStore(store);
  if (check) std::erase_if(views, [](const SettingView& view) { return view.valid; });
  const int result = check && !views.empty() ? kExitInvalidSettings : kExitOk;

  if (options.json) {
    std::wstring json = JsonHead(options, result) + L",\"file\":" + JsonString(file) + L",\"settings\":[";
    for (std::size_t i = 0; i < views.size(); ++i) {
      std::wstring setting = JsonSetting(views[i]);
      if (check)
        setting.insert(setting.size() - 1,
                       L",\"accepts\":" + JsonString(AcceptedValues(views[i].slot, store.modelIndex)));
      json += (i > 0 ? L"," : L"") + setting;
    }
    output.out += json + L"]}\n";
    return result;
  }
  if (options.raw) {
    if (!check) {
      output.out += DumpStore(store);
    } else {
      for (int slot = 0; slot < kSlotCount; ++slot) {
        const SettingItem& item = store.slots[static_cast<size_t>(slot)];
        if (item.invalid != 0) output.out += DumpLine(slot, item);
      }
    }
    return result;
  }
  if (!check) {
    output.out += ReadableLines(views);
    return result;
  }
  for (const SettingView& view : views) {
    output.out += (view.line > 0 ? L"line " + std::to_wstring(view.line) + L": " : L"") + view.keyword + L": '" +
                  ValueWithUnit(view) + L"' is rejected; the reader accepts " +
                  AcceptedValues(view.slot, store.modelIndex) + L"\n";
  }
  return result;
}

int Set(const Options& options, Output& output) {
  SettingsStore store;
  store.modelIndex = ModelIndexOf(options.model);
  store.ClearValues();
  std::wstring script;
  std::wstring problems;
  for (const std::wstring& pair : options.operands) {
    const size_t equals = pair.find(L'=');
    const std::wstring keyword = Upper(pair.substr(0, equals));
    if (equals == std::wstring::npos || keyword.empty()) {
      output.err += L"vostrel-cli: '" + pair + L"' is not KEYWORD=VALUE\n" + kUsage;
      return kExitUsage;
    }
    if (FindReadSlot(keyword) < 0 && FindScriptEntry(keyword) < 0) {
      problems += L"vostrel-cli: unknown setting '" + keyword + L"'\n";
      continue;
    }
    script += keyword + std::wstring(kFieldSeparator) + ScriptValue(keyword, pair.substr(equals + 1)) +
              std::wstring(kLineEnd);
  }
  script += kScriptEndLine;
  // The 300 dpi model takes the dot positions of its own head.
  if (store.modelIndex == PrinterModel::Vx135Zkq) {
    for (SettingItem& item : store.slots) item.unitIndex = 1;
  }
  store.textBuffer = script;
  ReadListing(store, ListingMode::Check);
  std::vector<SettingView> views = ViewStore(store);
  std::erase_if(views, [](const SettingView& view) { return view.valid; });
  for (const SettingView& view : views) {
    problems += L"vostrel-cli: " + view.keyword + L": '" + ValueWithUnit(view) + L"' is rejected; the reader accepts " +
                AcceptedValues(view.slot, store.modelIndex) + L"\n";
  }
  if (!problems.empty()) {
    output.err += problems + L"vostrel-cli: nothing was written\n";
    if (options.json)
      output.out += JsonHead(options, kExitInvalidSettings) + L",\"settings\":" + JsonSettings(views) + L"}\n";
    return kExitInvalidSettings;
  }
  if (!WriteSettingsFile(store, std::filesystem::path(options.outFile))) {
    output.err += L"vostrel-cli: cannot write '" + options.outFile + L"'\n";
    return 22;  // the program's code for a settings file that cannot be written
  }
  if (options.json) output.out += JsonHead(options, kExitOk) + L",\"file\":" + JsonString(options.outFile) + L"}\n";
  return kExitOk;
}

int DiffFiles(const Options& options, Output& output) {
  std::vector<SettingView> sides[2];
  for (int side = 0; side < 2; ++side) {
    SettingsStore store;
    const int status =
        LoadSettingsForCommand(store, options.operands[static_cast<size_t>(side)], options.model, output);
    if (status != kExitOk) return kExitDiffSideNotRead;
    sides[side] = ViewStore(store);
  }
  bool equal = false;
  output.out += DiffReport(sides[0], options.operands[0], sides[1], options.operands[1], options.json, equal);
  return equal ? kExitSame : kExitDifferent;
}

}  // namespace

const wchar_t kUsage[] =
    L"usage: vostrel-cli dump [--model M] [--raw] [--json] FILE\n"
    L"usage: vostrel-cli check [--model M] [--raw] [--json] FILE\n"
    L"usage: vostrel-cli set [--model M] [--json] KEYWORD=VALUE... -o FILE\n"
    L"usage: vostrel-cli diff [--model M] [--json] A B\n"
    L"usage: vostrel-cli receive --link LINK... [--model M] [--raw] [--json] [-o FILE|DIR]\n"
    L"usage: vostrel-cli info --link LINK... [--json]\n"
    L"usage: vostrel-cli send --link LINK... [--model M] [--verify] [--json] FILE\n"
    L"usage: vostrel-cli verify --link LINK... [--model M] [--json] FILE\n"
    L"usage: vostrel-cli doctor --link LINK... [--json]\n"
    L"usage: vostrel-cli help [COMMAND]   (or COMMAND --help)\n"
    L"usage: vostrel-cli --version\n"
    L"\n"
    L"M is VX-120-ZKQ (the default) or VX-135-ZKQ; it decides how some values are read.\n"
    L"LINK is net:HOST[:PORT] (port 9100 by default), com:NAME[@BAUD,DATA,PARITY,STOP,FLOW]\n"
    L"(e.g. com:COM5:@9600,8,N,1,X), usb:NAME (e.g. usb:USB001) or queue:NAME (send only).\n"
    L"Several printers: --link more than once, or --links FILE (one link a line, # comments);\n"
    L"they run at once, at most --jobs N together (default 8), with one summary table, and\n"
    L"the exit status is the worst one. --quiet drops the countdown of the pause.\n"
    L"Exit status: 0 done; 1 file not opened (diff: the two differ); 2 not a settings file;\n"
    L"3 a value rejected (check, set); 22 a file cannot be written; 23 a setting in the file\n"
    L"to send is rejected or the file is refused; 30 the link did not open; 31 a write\n"
    L"failed; 32 a read failed or brought no usable reply; 33 a sent setting did not read\n"
    L"back as sent; 64 usage error.\n";

std::wstring CommandHelp(std::wstring_view command) {
  for (const HelpRow& row : kHelpRows) {
    if (row.name == command) return L"usage: vostrel-cli " + std::wstring(row.usage) + L"\n" + std::wstring(row.text);
  }
  return {};
}

bool IsHelpArgument(std::wstring_view argument) {
  return argument == L"--help" || argument == L"-h" || argument == L"/?";
}

std::wstring SlotName(int slot) {
  const SlotInfo& row = kSlotCatalogue.at(static_cast<size_t>(slot));
  if (IsScriptEntry(slot)) return std::wstring(row.keyword) + L"#" + std::to_wstring(slot);
  if (slot >= kCalibrationResultSlot)
    return std::wstring(kOperationSlotNames.at(static_cast<size_t>(slot - kCalibrationResultSlot)));
  return std::wstring(row.keyword);
}

bool IsTouched(const SettingItem& item) {
  return item.selected != 0 || item.invalid != 0 || item.choice != 0 || item.unitIndex != 0 || !item.value.empty() ||
         !item.secondValue.empty();
}

std::wstring DumpLine(int slot, const SettingItem& item) {
  std::wstring line = SlotName(slot);
  for (const std::wstring& field :
       {std::to_wstring(item.selected), item.value, item.secondValue, std::to_wstring(item.invalid),
        std::to_wstring(item.choice), std::to_wstring(item.unitIndex)}) {
    line.append(L"\t").append(field);
  }
  return line.append(L"\n");
}

std::wstring DumpStore(const SettingsStore& store) {
  std::wstring lines;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SettingItem& item = store.slots[static_cast<size_t>(slot)];
    if (IsTouched(item)) lines += DumpLine(slot, item);
  }
  return lines;
}

std::wstring DiffReport(const std::vector<SettingView>& a, std::wstring_view nameA, const std::vector<SettingView>& b,
                        std::wstring_view nameB, bool json, bool& equal) {
  const std::vector<ViewDifference> differences = CompareViews(a, b);
  equal = differences.empty();
  if (json) {
    std::wstring text = L"{\"command\":\"diff\",\"a\":" + JsonString(nameA) + L",\"b\":" + JsonString(nameB) +
                        L",\"equal\":" + (equal ? L"true" : L"false") + L",\"differences\":[";
    for (std::size_t i = 0; i < differences.size(); ++i) {
      const ViewDifference& d = differences[i];
      text += (i > 0 ? L"," : L"") + std::wstring(L"{\"keyword\":") + JsonString(d.keyword) + L",\"a\":" +
              (d.a != nullptr ? JsonSetting(*d.a) : L"null") + L",\"b\":" +
              (d.b != nullptr ? JsonSetting(*d.b) : L"null") + L"}";
    }
    return text + L"]}\n";
  }
  auto side = [](const SettingView* view) {
    if (view == nullptr) return std::wstring(L"-");
    return ValueWithUnit(*view) + (view->valid ? L"" : L" (rejected)");
  };
  std::size_t keywordWidth = 7;  // "SETTING"
  std::size_t aWidth = nameA.size();
  for (const ViewDifference& d : differences) {
    keywordWidth = std::max(keywordWidth, d.keyword.size());
    aWidth = std::max(aWidth, side(d.a).size());
  }
  auto row = [&](std::wstring_view keyword, const std::wstring& left, const std::wstring& right) {
    std::wstring line(keyword);
    line.append(keywordWidth - keyword.size() + 2, L' ').append(left);
    line.append(aWidth - left.size() + 2, L' ').append(right);
    return line + L"\n";
  };
  if (equal) return L"the settings of " + std::wstring(nameA) + L" and " + std::wstring(nameB) + L" are the same\n";
  std::wstring text = row(L"SETTING", std::wstring(nameA), std::wstring(nameB));
  for (const ViewDifference& d : differences) text += row(d.keyword, side(d.a), side(d.b));
  return text;
}

int LoadSettingsForCommand(SettingsStore& store, const std::wstring& file, std::wstring_view model, Output& output,
                           bool warnings) {
  store.modelIndex = ModelIndexOf(model);
  store.ClearValues();
  LoadNotes notes;
  switch (LoadSettingsText(store, std::filesystem::path(file), &notes)) {
    case LoadResult::NotOpened: output.err += L"vostrel-cli: cannot open '" + file + L"'\n"; return kExitNotOpened;
    case LoadResult::StartNotAccepted:
      output.err += L"vostrel-cli: '" + file + L"' does not start like a settings file\n";
      return kExitStartNotAccepted;
    case LoadResult::Read: break;
  }
  if (!warnings) return kExitOk;
  // Never let "read" stand for a file of which part was ignored.
  const std::wstring head = L"vostrel-cli: warning: '" + file + L"' ";
  if (notes.pastLoadLimit) {
    output.err += head + L"is longer than the " + std::to_wstring(kSettingsFileReadLimit) +
                  L" bytes the program loads; the settings after them are not read\n";
  }
  if (notes.pastReadingRoom) {
    output.err += head + L"is longer than the " + std::to_wstring(kListingReadRoom) +
                  L" bytes the program reads; the settings after them are not read\n";
  }
  if (notes.nulAt != std::string_view::npos) {
    output.err += head + L"holds a NUL byte at offset " + std::to_wstring(notes.nulAt) +
                  L"; the settings after it are not read\n";
  }
  return kExitOk;
}

int Run(const std::vector<std::wstring>& args, Output& output) {
  if (args.size() == 1 && IsHelpArgument(args[0])) {
    output.out += kUsage;
    return kExitOk;
  }
  if (!args.empty() && args[0] == L"help") {
    if (args.size() == 1) {
      output.out += kUsage;
      return kExitOk;
    }
    const std::wstring help = CommandHelp(args[1]);
    if (args.size() > 2 || help.empty()) {
      output.err += L"vostrel-cli: help takes one command name\n" + std::wstring(kUsage);
      return kExitUsage;
    }
    output.out += help;
    return kExitOk;
  }
  if (args.size() >= 2 && IsFileCommand(args[0]) &&
      std::any_of(args.begin() + 1, args.end(), [](const std::wstring& arg) { return IsHelpArgument(arg); })) {
    output.out += CommandHelp(args[0]);
    return kExitOk;
  }
  Options options;
  std::wstring problem;
  if (!Parse(args, options, problem)) {
    output.err += L"vostrel-cli: " + problem + L"\n" + kUsage;
    return kExitUsage;
  }
  if (options.command == L"set") return Set(options, output);
  if (options.command == L"diff") return DiffFiles(options, output);
  return DumpOrCheck(options, output);
}

}  // namespace vostrel::cli
