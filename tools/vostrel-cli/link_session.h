#pragma once
// The printer link as the companion's printer commands use it: one object
// per command that opens, writes, reads and closes, and closes on every path
// out (which also gives parked printer queues their port back). Replies come
// back as plain bytes, so the commands need none of the link's headers.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "prefs/preferences.h"

namespace vostrel {
class PrinterLink;
}

namespace vostrel::cli {

class LinkSession {
 public:
  // `prefs` chooses the link (COM, USB or NET) and outlives the session.
  LinkSession(const PreferencesRecord& prefs, Clock& clock);
  ~LinkSession();  // closes whatever is still open
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  // Normal read timeouts, or the long ones of the information request.
  bool Open(bool longTimeouts);
  // 0, or the link's status number of the failed write.
  std::uint32_t Write(std::string_view bytes);
  // Reads one reply into `reply` (until the END line, or whatever comes once
  // more than two bytes came); 0, or the link's status number.
  std::uint32_t Read(bool anyReply, std::string& reply);
  void Close();

 private:
  std::int32_t driverLinkKind_ = 0;  // no printer queue stands in front of the port
  std::unique_ptr<PrinterLink> link_;
};

// Hands `bytes` to the printer queue `queue` as one raw job; the spooler's
// status (0 done, 110 the queue did not open, 29 the job failed).
std::int32_t SendToQueue(std::wstring_view queue, std::string_view bytes);

}  // namespace vostrel::cli
