#pragma once
// The companion's view of a store: every setting a file or a listing set, as
// a person reads it (keyword, value, unit, whether the reader took it) and
// as one JSON object of a documented shape. The values come from the lines
// themselves (their words as the reader's tables spell them, numbers as the
// reader normalised them), the order is the catalogue's, and what a rejected
// value may be is said from the reader's own tables.

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace vostrel::cli {

struct SettingView {
  int slot = -1;
  std::wstring keyword;
  std::wstring value;
  std::wstring unit;
  bool valid = true;
  int line = 0;  // the line of the text that set it (counted from 1), 0 when unknown
};

// The settings the store holds after reading the text in its text buffer (a
// settings file or a listing as loaded, or a script checked), in catalogue
// order: every slot that left its initial state, the single-operation slots
// aside. Line numbers count the text's own lines (a line the load put in
// front of a half header is not counted).
std::vector<SettingView> ViewStore(const SettingsStore& store);

// One line per setting: the keyword, padded so that the values line up, the
// value and its unit; a rejected value says so.
std::wstring ReadableLines(const std::vector<SettingView>& views);

// What the reader takes for the setting in `slot` with the store's model:
// the words, or the range with its decimals and unit.
std::wstring AcceptedValues(int slot, PrinterModel model);

// The setting as "VALUE UNIT" (the unit left out when there is none).
std::wstring ValueWithUnit(const SettingView& view);

// JSON text: a string with its quotes and escapes, a setting object
// {"keyword":...,"value":...,"unit":...,"valid":...}, and a list of them.
std::wstring JsonString(std::wstring_view text);
std::wstring JsonSetting(const SettingView& view);
std::wstring JsonSettings(const std::vector<SettingView>& views);

// A setting that two views hold differently: its keyword and each side's
// view, nullptr where that side does not set it.
struct ViewDifference {
  std::wstring keyword;
  const SettingView* a = nullptr;
  const SettingView* b = nullptr;
};

// The settings of `a` and `b` that differ (in value, unit or validity, or
// set on one side only), in catalogue order. With `onlyA` the settings that
// only `b` sets are left out.
std::vector<ViewDifference> CompareViews(const std::vector<SettingView>& a, const std::vector<SettingView>& b,
                                         bool onlyA = false);

// A value as dump prints it ("100.0 MM", "DOT 12", "192.168.0.1") in the
// form of a script line's value for `keyword` (upper-cased): the unit word
// after a TAB, DOT in front of a head-check position, IPv4 octets separated
// by commas.
std::wstring ScriptValue(std::wstring_view keyword, std::wstring value);

// The unit words a value may end with in a script line after a TAB.
bool IsUnitWord(std::wstring_view word);

}  // namespace vostrel::cli
