// The emulation code reader on any reply: a known code only where the reply,
// as sent, holds "MACHINE EMULATION CODE" and the code's word in any case; the
// self-test and sample-print texts of whatever it returns always fit the send
// buffer.

#include <algorithm>

#include "fuzz_reply_input.h"
#include "protocol/command_set.h"
#include "settings/reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  SettingsStore store;
  store.emulationReply = fuzz::ReplyFromInput(data, size);
  const EmulationCode code = ReadEmulationCode(store);
  const int number = static_cast<int>(code);
  fuzz::Require(number >= 0 && number <= 3);
  if (code != EmulationCode::Unknown) {
    std::string narrow = WideToAnsi(store.emulationReply);
    fuzz::Require(narrow.find("MACHINE EMULATION CODE") != std::string::npos);
    std::transform(narrow.begin(), narrow.end(), narrow.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    const char* word = code == EmulationCode::CodeZebra ? "CODE_ZEBRA"
                       : code == EmulationCode::CodeEpl ? "CODE_EPL"
                                                        : "CODE_TELMARO";
    fuzz::Require(narrow.find(word) != std::string::npos);
  }
  SendBuffer buffer;
  fuzz::Require(BuildOutgoing(buffer, SelfTestText(code), PrefixUse::WithoutPrefix).status == OutgoingStatus::Ready);
  fuzz::Require(BuildOutgoing(buffer, SamplePrintText(code), PrefixUse::WithoutPrefix).status == OutgoingStatus::Ready);
  fuzz::Require((code == EmulationCode::Unknown) == SelfTestText(code).empty());
  return 0;
}
