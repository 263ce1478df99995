#include "operations/command_set.h"

namespace vostrel {

HeaderPresence CheckReplyHeader(std::string_view text) {
  if (text.starts_with(kReplyHeaderFirstPart)) {
    return text.starts_with(kReplyHeader) ? HeaderPresence::Whole : HeaderPresence::OnePart;
  }
  return text.starts_with(kReplyHeaderLastPart) ? HeaderPresence::OnePart : HeaderPresence::None;
}

}  // namespace vostrel
