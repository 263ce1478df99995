// The start of a received listing or a settings file: CheckReplyHeader on any
// bytes agrees with a byte-by-byte reading of the header's rules, and the text
// it accepts, with "\r\n" put in front where one part is missing, begins with
// two header lines (so the listing reader's two skipped lines are header
// lines).

#include <cstring>

#include "fuzz_reply_input.h"
#include "protocol/command_set.h"

namespace {

bool BeginsWith(const std::uint8_t* data, std::size_t size, const char* bytes, std::size_t count) {
  return size >= count && std::memcmp(data, bytes, count) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vostrel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const HeaderPresence presence = CheckReplyHeader(text);

  const bool first = BeginsWith(data, size, "~!!\r\n", 5);
  const bool whole = BeginsWith(data, size, "~!!\r\n\x02\x1b~A\r\n", 11);
  const bool last = BeginsWith(data, size, "\x02\x1b~A\r\n", 6);
  const HeaderPresence expected = whole           ? HeaderPresence::Whole
                                  : first || last ? HeaderPresence::OnePart
                                                  : HeaderPresence::None;
  fuzz::Require(presence == expected);

  if (presence != HeaderPresence::None) {
    // The two lines that the listing reader skips end exactly where the
    // header's bytes end.
    const std::string accepted = (presence == HeaderPresence::OnePart ? "\r\n" : "") + std::string(text);
    const std::size_t headerEnd = whole ? 11 : first ? 7 : 8;
    const std::size_t firstEnd = accepted.find('\n');
    fuzz::Require(firstEnd != std::string::npos && accepted.find('\n', firstEnd + 1) == headerEnd - 1);
  }
  return 0;
}
