// The RFID value reader on any reply: entries 83 to 85 end selected with a
// text of at most 39 characters from within one line, the information slots
// stay untouched, and a second read gives the same texts.

#include "fuzz_reply_input.h"
#include "settings/reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  SettingsStore store;
  ReplyKeyTexts texts;
  store.textBuffer = fuzz::ReplyFromInput(data, size);
  ReadRfidValues(store, texts);
  std::wstring first[kRfidValueKeyCount];
  for (std::size_t r = 0; r < kRfidValueKeyCount; ++r) {
    const SettingItem& slot = store.Entry(kRfidValueKeys[r].slot);
    fuzz::Require(slot.selected == 1 && slot.invalid == 0);
    fuzz::Require(slot.value.size() < kKeyTextSize && fuzz::HoldsNoLineEnd(slot.value));
    fuzz::Require(texts.rfid[r].back() == '\0');
    first[r] = slot.value;
  }
  fuzz::Require(store.infoSerialNumber().selected == 0 && store.infoSerialNumber().value.empty());
  ReadRfidValues(store, texts);
  for (std::size_t r = 0; r < kRfidValueKeyCount; ++r) {
    fuzz::Require(store.Entry(kRfidValueKeys[r].slot).value == first[r]);
  }
  return 0;
}
