// Arbitrary text through the listing reader, in both modes. The first byte
// chooses the mode (bit 0), the model (bit 1), whether the check mode finds
// the 300 dpi density in the slots (bit 2) and whether the text is repeated
// until it no longer fits the reader's buffer (bit 3); the rest is the text
// as it comes from the printer or a file, in the ANSI code page.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ansi_text.h"
#include "settings/listing_reader.h"
#include "settings/settings_store.h"

namespace {

using vostrel::SettingItem;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsFlag(std::int32_t v) { return v == 0 || v == 1; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t control = data[0];
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((control & 8) != 0 && !text.empty()) {
    while (text.size() < 9000) text += text;
  }

  vostrel::SettingsStore store;
  const auto mode = (control & 1) != 0 ? vostrel::ListingMode::Check : vostrel::ListingMode::Read;
  store.modelIndex = vostrel::ModelAt((control & 2) != 0 ? 1 : 0);
  if ((control & 4) != 0) {
    for (int n : {vostrel::entry::kHeadCheckStartPos, vostrel::entry::kHeadCheckStopPos,
                  vostrel::entry::kHeadCheckPatternWidth}) {
      store.Entry(n).unitIndex = 1;
    }
  }
  store.textBuffer = vostrel::AnsiToWide(text);
  vostrel::ReadListing(store, mode);

  for (const SettingItem& item : store.slots) {
    Require(IsFlag(item.selected) && IsFlag(item.invalid) && IsFlag(item.unitIndex));
    Require(mode == vostrel::ListingMode::Read || item.selected == 0);  // check mode never selects
    Require(item.choice >= 0 && item.choice < 88);
    Require(item.value.size() <= 200);  // one line's fields at most
    Require(item.secondValue.empty());  // a read never writes the second value
  }
  return 0;
}
