#pragma once
// The value texts of the preferences file: the five fields of "COM_SET", the
// dotted IPv4 form, the folder form, and the half-width conversion that lets
// values typed with a Japanese input method through.

#include <optional>
#include <string>
#include <string_view>

#include "prefs/preferences.h"

namespace vostrel {

// "PRT", "COM", "USB" or "NET" for a link kind; empty for none.
std::wstring PortTypeText(PortKind kind);
// The link kind of an exact, case-sensitive port type text; none for others.
PortKind PortKindOfText(std::wstring_view text);

// Full-width letters and digits to their ASCII forms (system default locale).
std::wstring HalfWidth(std::wstring_view text);

// Reads "baud data stop parity flow" into the serial fields of `record`.
// Returns false, changing nothing, unless the value has exactly five fields;
// otherwise every field that parses is set and the others keep their value.
bool ParseComSet(std::wstring_view value, PreferencesRecord& record);
// The "COM_SET" text of the serial fields, e.g. "9600 8 1 N X".
std::wstring FormatComSet(const PreferencesRecord& record);

// One to five decimal digits.
bool IsPortNumberText(std::wstring_view text);

// Empty stays empty; any other folder ends in one backslash.
std::wstring FolderForm(std::wstring_view folder);

}  // namespace vostrel
