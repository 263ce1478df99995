#pragma once
// The configuration listing reader: turns the listing text in the store's
// text buffer (a printer's reply, a settings file, or a script read back)
// into the store's slots.

#include <cstddef>

#include "settings/settings_store.h"

namespace vostrel {

enum class ListingMode {
  Read,   // a listing from the printer or a file: replace and select what it carries
  Check,  // a script just built: mark rejected values, normalise accepted numbers
};

// The most the reader takes of a text, in bytes of the ANSI code page; a
// longer text is read up to the last line end within this room, and a NUL
// ends the text where it stands.
inline constexpr std::size_t kListingReadRoom = 8191;

// Reads store.textBuffer; depends on store.modelIndex. Reports through the
// slots' marks only.
void ReadListing(SettingsStore& store, ListingMode mode);

}  // namespace vostrel
