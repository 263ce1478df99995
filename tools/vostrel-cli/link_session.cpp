#include "link_session.h"

#include <vector>

#include "link/printer_link.h"
#include "link/spooler_jobs.h"

namespace vostrel::cli {

LinkSession::LinkSession(const PreferencesRecord& prefs, Clock& clock)
    : link_(std::make_unique<PrinterLink>(prefs, driverLinkKind_, clock)) {}

LinkSession::~LinkSession() { link_->Close(); }

bool LinkSession::Open(bool longTimeouts) {
  return link_->Open(longTimeouts ? TimeoutClass::kLong : TimeoutClass::kNormal);
}

std::uint32_t LinkSession::Write(std::string_view bytes) {
  std::uint32_t written = 0;
  const LinkStatus status = link_->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written);
  if (status != kLinkOk) return status;
  // A write that reports success but left bytes behind did not deliver the text.
  return written == bytes.size() ? kLinkOk : kLinkWriteTimedOut;
}

std::uint32_t LinkSession::Read(bool anyReply, std::string& reply) {
  std::vector<char> buffer(kReplyBufferSize, '\0');
  std::uint32_t count = 0;
  const LinkStatus status = link_->Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()),
                                        anyReply ? ReplyRule::kAnyReply : ReplyRule::kUntilEnd, &count);
  // A lost connection reports a count that is no count at all.
  reply.assign(buffer.data(), status == kLinkOk && count < buffer.size() ? count : 0);
  return status;
}

void LinkSession::Close() { link_->Close(); }

std::int32_t SendToQueue(std::wstring_view queue, std::string_view bytes) {
  std::uint32_t written = 0;
  return SendRawJob(queue, bytes.data(), static_cast<std::uint32_t>(bytes.size()), written);
}

}  // namespace vostrel::cli
