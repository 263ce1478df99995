#include "cli.h"

#include <array>
#include <filesystem>
#include <string_view>

#include "protocol/settings_file.h"
#include "settings/catalogue.h"
#include "settings/listing_reader.h"
#include "settings/printer_model.h"

namespace vostrel::cli {
namespace {

constexpr std::array<std::wstring_view, 5> kOperationSlotNames = {
    L"calibrationResult", L"infoSerialNumber", L"infoPrintCounter", L"infoServiceCounter", L"infoCutCounter"};

struct Options {
  std::wstring command;
  std::wstring model{kPrinterModels[0]};
  std::wstring file;
};

// Parses "COMMAND [--model M] FILE"; on failure returns false with the reason.
bool Parse(const std::vector<std::wstring>& args, Options& options, std::wstring& problem) {
  if (args.empty()) {
    problem = L"no command given";
    return false;
  }
  options.command = args[0];
  if (options.command != L"dump" && options.command != L"check") {
    problem = L"unknown command '" + options.command + L"'";
    return false;
  }
  bool haveFile = false;
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
    } else if (arg.starts_with(L"--")) {
      problem = L"unknown option '" + arg + L"'";
      return false;
    } else if (haveFile) {
      problem = L"more than one file given";
      return false;
    } else {
      options.file = arg;
      haveFile = true;
    }
  }
  if (!haveFile) {
    problem = L"no file given";
    return false;
  }
  return true;
}

}  // namespace

const wchar_t kUsage[] =
    L"usage: vostrel-cli dump [--model VX-120-ZKQ|VX-135-ZKQ] FILE\n"
    L"       vostrel-cli check [--model VX-120-ZKQ|VX-135-ZKQ] FILE\n"
    L"       vostrel-cli --help\n"
    L"       vostrel-cli --version\n"
    L"\n"
    L"Loads a settings file (.prn or Recent.dat) as the program does and\n"
    L"  dump   prints every setting the file changed: NAME, selected, value,\n"
    L"         secondValue, invalid, choice, unitIndex, separated by TAB\n"
    L"  check  prints the settings whose value was rejected\n"
    L"The model (default VX-120-ZKQ) decides how some values are read.\n"
    L"Exit status: 0 read, 1 file not opened, 2 not a settings file,\n"
    L"3 (check) a value was rejected, 64 usage error.\n";

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
  if (args.size() == 1 && (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?")) {
    output.out += kUsage;
    return kExitOk;
  }
  Options options;
  std::wstring problem;
  if (!Parse(args, options, problem)) {
    output.err += L"vostrel-cli: " + problem + L"\n" + kUsage;
    return kExitUsage;
  }

  SettingsStore store;
  if (const int status = LoadSettingsForCommand(store, options.file, options.model, output, true); status != kExitOk) {
    return status;
  }

  if (options.command == L"dump") {
    output.out += DumpStore(store);
    return kExitOk;
  }
  bool anyInvalid = false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SettingItem& item = store.slots[static_cast<size_t>(slot)];
    if (item.invalid == 0) continue;
    anyInvalid = true;
    output.out += DumpLine(slot, item);
  }
  return anyInvalid ? kExitInvalidSettings : kExitOk;
}

}  // namespace vostrel::cli
