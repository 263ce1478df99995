#pragma once
// The numbers the printer link answers with and the arguments that choose its
// read timeouts and where a reply ends.

#include <cstdint>

namespace vostrel {

// Result of a write or a read: 0, one of the numbers below, or the platform's
// error number of the call that failed.
using LinkStatus = std::uint32_t;
inline constexpr LinkStatus kLinkOk = 0;
inline constexpr LinkStatus kLinkClosed = 6;
inline constexpr LinkStatus kLinkRawJobFailed = 29;
inline constexpr LinkStatus kLinkQueueNotOpened = 110;
inline constexpr LinkStatus kLinkMissingArgument = 160;  // also a NET write of zero bytes
inline constexpr LinkStatus kLinkComStalled = 170;
inline constexpr LinkStatus kLinkTimedOut = 258;
inline constexpr LinkStatus kLinkConnectionLost = 1167;
inline constexpr LinkStatus kLinkWriteTimedOut = 1460;

// Read timeouts of `Open`: the callers pass 0 or 1 for Normal, 2 for Long.
enum class TimeoutClass : std::int32_t { kNormal = 0, kLong = 2 };
constexpr TimeoutClass TimeoutClassFromCode(std::int32_t code) {
  return code == 2 ? TimeoutClass::kLong : TimeoutClass::kNormal;
}

// Where a reply ends: the callers pass 0 or 1 for "until the END line", 2 for
// "whatever comes first, once more than two bytes came".
enum class ReplyRule : std::int32_t { kUntilEnd = 0, kAnyReply = 2 };
constexpr ReplyRule ReplyRuleFromCode(std::int32_t code) {
  return code == 2 ? ReplyRule::kAnyReply : ReplyRule::kUntilEnd;
}

// Every caller reads into a zero-filled buffer of this size; the link keeps
// its last byte zero so that the reply stays a NUL-terminated text.
inline constexpr std::uint32_t kReplyBufferSize = 4096;

// Chunks and polling of the link.
inline constexpr std::uint32_t kComChunk = 1024;
inline constexpr std::uint32_t kNetChunk = 1024;
inline constexpr std::uint32_t kUsbChunk = 512;
inline constexpr std::uint32_t kUsbReadChunk = 1024;
inline constexpr std::uint32_t kDrainScratchSize = 4096;

}  // namespace vostrel
