// The information reader on any reply: every slot ends selected with a text of
// at most 39 characters from within one line, and a second read of the same
// reply gives the same texts.

#include "fuzz_reply_input.h"
#include "settings/reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  SettingsStore store;
  ReplyKeyTexts texts;
  store.textBuffer = fuzz::ReplyFromInput(data, size);
  ReadInformation(store, texts);
  std::wstring first[kInformationKeyCount];
  for (std::size_t r = 0; r < kInformationKeyCount; ++r) {
    const SettingItem& slot = store.slots[static_cast<std::size_t>(kInformationKeys[r].slot)];
    fuzz::Require(slot.selected == 1 && slot.invalid == 0);
    fuzz::Require(slot.value.size() < kKeyTextSize && fuzz::HoldsNoLineEnd(slot.value));
    fuzz::Require(texts.information[r].back() == '\0');
    first[r] = slot.value;
  }
  ReadInformation(store, texts);
  for (std::size_t r = 0; r < kInformationKeyCount; ++r) {
    fuzz::Require(store.slots[static_cast<std::size_t>(kInformationKeys[r].slot)].value == first[r]);
  }
  return 0;
}
