#pragma once
// Settings files (".prn" exports and the recent-settings file): the command
// prefix followed by a configuration script, in the ANSI code page.

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "settings/settings_store.h"

namespace vostrel {

// At most this many bytes of a file are looked at; everything a settings file
// can usefully hold fits many times over (the listing reader itself reads at
// most 8191 bytes).
inline constexpr std::size_t kSettingsFileReadLimit = 65536;

// Writes the command prefix and the script in the store's text buffer to
// `path`, creating or truncating the file. False when the file cannot be
// opened or written (the program's callers report nothing).
bool WriteSettingsFile(const SettingsStore& store, const std::filesystem::path& path);

enum class LoadResult {
  NotOpened,         // the file cannot be opened for reading
  StartNotAccepted,  // the text does not start with the header or a part of it
  Read,              // read into the store in read mode
};

// What a load left unread of a file whose start was accepted, for the
// callers that tell the user so.
struct LoadNotes {
  bool pastLoadLimit = false;                  // longer than kSettingsFileReadLimit: the rest was not loaded
  bool pastReadingRoom = false;                // its text runs past the listing reader's room
  std::size_t nulAt = std::string_view::npos;  // the file's first NUL byte, where the text ends
};

// Reads `path` into the store's text buffer, checks its start and reads it
// into the slots. The caller has set modelIndex and, where it wants only the
// file's values, called ClearValues. `notes`, when given, receives what was
// left unread.
LoadResult LoadSettingsText(SettingsStore& store, const std::filesystem::path& path, LoadNotes* notes = nullptr);

// The same on a file's bytes already in memory (never NotOpened).
LoadResult LoadSettingsBytes(SettingsStore& store, std::string_view fileBytes, LoadNotes* notes = nullptr);

}  // namespace vostrel
