// The RFID section check on any reply: it finds a section only where the
// reply, as sent, holds "RFID SETTINGS".

#include "fuzz_reply_input.h"
#include "settings/reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  SettingsStore store;
  store.rfidCheckText = fuzz::ReplyFromInput(data, size);
  if (HasRfidSection(store)) {
    fuzz::Require(WideToAnsi(store.rfidCheckText).find("RFID SETTINGS") != std::string::npos);
  }
  return 0;
}
