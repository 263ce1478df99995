// The sensor adjustment reader on any reply: the result slot is either left
// as it was or selected with a choice of 0 or 1 and a mark of 0 or 1 (never
// both 1), and a reply that names no result is an unexpected one unless it is
// empty.

#include "fuzz_reply_input.h"
#include "settings/reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  SettingsStore store;
  store.calibrationResult().choice = 5;
  store.textBuffer = fuzz::ReplyFromInput(data, size);
  const bool unexpected = ReadCalibrationResult(store);
  const SettingItem& result = store.calibrationResult();
  if (result.selected == 1) {
    fuzz::Require(result.choice == 0 || (result.choice == 1 && result.invalid == 0));
    fuzz::Require(result.invalid == 0 || result.invalid == 1);
  } else {
    fuzz::Require(result.selected == 0 && result.choice == 5 && result.invalid == 0);
  }
  if (unexpected) fuzz::Require(!store.textBuffer.empty());
  fuzz::Require(result.value.empty() && result.secondValue.empty());
  return 0;
}
