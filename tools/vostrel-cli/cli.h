#pragma once
// The command-line companion: loads settings files exactly as the program
// does and prints what the store then holds. The commands are plain
// functions over wide text so that they run (and are tested) in both trees;
// main.cpp only turns the process's arguments and output streams into these.

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings_view.h"

namespace vostrel::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitNotOpened = 1,
  kExitStartNotAccepted = 2,
  kExitInvalidSettings = 3,
  kExitUsage = 64,
};

// diff: the two sides hold the same settings (0) or not (1); a side that
// cannot be read ends with 2.
enum DiffExitCode : int {
  kExitSame = 0,
  kExitDifferent = 1,
  kExitDiffSideNotRead = 2,
};

struct Output {
  std::wstring out;  // standard output
  std::wstring err;  // standard error, one line per failure
};

// Runs one command line (without the program name).
int Run(const std::vector<std::wstring>& args, Output& output);

// The name a slot goes by in the listings of the companion: the keyword and
// "#" with the entry number for script entries, the setting's name for the
// slots outside them, the member's name for the single-operation slots.
std::wstring SlotName(int slot);

// Whether any of the slot's four numbers or two texts left its initial state.
bool IsTouched(const SettingItem& item);

// SlotName, selected, value, secondValue, invalid, choice, unitIndex: TAB
// between fields, LF at the end.
std::wstring DumpLine(int slot, const SettingItem& item);

// The lines of `dump`: DumpLine of every touched slot, in store order.
std::wstring DumpStore(const SettingsStore& store);

// Loads FILE into a cleared store as the program loads a settings file, with
// the model's index set; kExitOk, or the status of the failure with its line
// on the error output.
// When `warnings` is set, says on the error output what part of the file
// the program leaves unread.
int LoadSettingsForCommand(SettingsStore& store, const std::wstring& file, std::wstring_view model, Output& output,
                           bool warnings = false);

// The usage of every command, one "usage:" line each, then what LINK, the
// models and the exit statuses are.
extern const wchar_t kUsage[];

// The usage line and description of one command ("dump", "receive", ...);
// empty for a name that is no command.
std::wstring CommandHelp(std::wstring_view command);

// Whether the argument asks for help: --help, -h or /?.
bool IsHelpArgument(std::wstring_view argument);

// The report of diff: the differing settings side by side (or as JSON),
// after a line naming the two sides.
std::wstring DiffReport(const std::vector<SettingView>& a, std::wstring_view nameA, const std::vector<SettingView>& b,
                        std::wstring_view nameB, bool json, bool& equal);

}  // namespace vostrel::cli
