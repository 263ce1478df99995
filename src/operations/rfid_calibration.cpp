#include "operations/rfid_calibration.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "i18n/guide_rows.h"
#include "operations/command_flow.h"
#include "operations/printer_exchange.h"
#include "pages/standard_page.h"
#include "platform/ansi_text.h"
#include "platform/clock.h"
#include "protocol/command_set.h"
#include "settings/config_script.h"
#include "settings/reply_readers.h"

namespace vostrel {
namespace {

constexpr TextId kAskStart = GuideText(kGuideAskRfidCalibration);
constexpr TextId kSucceeded = GuideText(kGuideRfidCalibrationDone);
constexpr TextId kFailed = GuideText(kGuideRfidCalibrationFailed);
constexpr TextId kNoRfid = GuideText(kGuideNoRfidSupport);

constexpr std::wstring_view kStatusOk = L"iC:OK\r\n";
constexpr std::wstring_view kStatusNg = L"iC:NG\r\n";

ExchangeOutcome NotWritten(LinkStatus status, const wchar_t* what) {
  return {ResultCode::kWriteFailed, status,
          std::wstring(what) + L" was not written (status " + std::to_wstring(status) + L")"};
}

enum class RfidSupport { Present, Missing, Unknown };

// Whether the printer's standard listing holds an RFID section; Unknown with
// `outcome` set when the request did not go out.
RfidSupport CheckRfidSupport(const CommandContext& context, ExchangeOutcome& outcome) {
  SettingsStore& store = context.store;
  PrinterExchange exchange = ExchangeOf(context);
  PrinterExchange::Session session(exchange);
  if (!session.Open(TimeoutClass::kNormal)) {
    outcome = session.NotOpened();
    return RfidSupport::Unknown;
  }
  BuildRequest(store, RequestKind::Configuration);
  store.rfidCheckText = store.textBuffer;
  SendBuffer buffer{};
  const Outgoing built = BuildOutgoing(buffer, store.rfidCheckText, PrefixUse::WithPrefix);
  if (const LinkStatus status = session.Write(std::string_view(buffer.data(), built.byteCount)); status != kLinkOk) {
    outcome = NotWritten(status, L"the configuration request");
    return RfidSupport::Unknown;
  }
  // Whatever came is looked at: a listing that did not come has no section.
  // One cut short by its room cannot tell, as the section is near its end.
  std::string reply;
  if (outcome = session.ReadListing(reply); !outcome.done()) return RfidSupport::Unknown;
  store.rfidCheckText = AnsiToWide(reply);
  return HasRfidSection(store) ? RfidSupport::Present : RfidSupport::Missing;
}

// The bytes that arrived since the start, as far as the result can still be
// among them.
class Gathered {
 public:
  void Add(const std::string& bytes) {
    const std::size_t room = kRfidGatherSize - count_;
    const std::size_t taken = std::min(room, bytes.size());
    std::memcpy(bytes_.data() + count_, bytes.data(), taken);
    count_ += taken;
  }
  std::wstring Text() const { return AnsiToWide(std::string_view(bytes_.data(), count_)); }
  // Keeps the last few bytes once most of the room is used.
  void KeepTail() {
    if (count_ < kRfidGatherFull) return;
    std::memmove(bytes_.data(), bytes_.data() + count_ - kRfidGatherKept, kRfidGatherKept);
    count_ = kRfidGatherKept;
  }

 private:
  std::array<char, kRfidGatherSize> bytes_{};
  std::size_t count_ = 0;
};

enum class RfidResult { Ok, Ng, TimedOut, NoRfid, Failed };

// The start command and the polls, on one connection.
RfidResult Calibrate(const CommandContext& context, ExchangeOutcome& outcome) {
  PrinterExchange exchange = ExchangeOf(context);
  PrinterExchange::Session session(exchange);
  if (!session.Open(TimeoutClass::kNormal)) {
    outcome = session.NotOpened();
    return RfidResult::Failed;
  }
  if (const LinkStatus status = session.Write(kRfidCalibrationStart); status != kLinkOk) {
    outcome = NotWritten(status, L"the RFID calibration start");
    return RfidResult::Failed;
  }
  Clock& clock = context.clock;
  // The polls only wait for the printer: the user may end them between two
  // writes.
  const WaitScope wait(context.front, CancellableWait::RfidPolls);
  Gathered gathered;
  const std::uint32_t start = clock.TickCount();
  int shownSeconds = -1;
  for (int countdown = kRfidReadsPerPoll;; --countdown) {
    if (clock.WaitCancelled()) {
      outcome = CancelledOutcome();
      return RfidResult::Failed;
    }
    if (countdown == 0) {
      countdown = kRfidReadsPerPoll;
      if (const LinkStatus status = session.Write(kRfidStatusPoll); status != kLinkOk) {
        outcome = NotWritten(status, L"the RFID status poll");
        return RfidResult::Failed;
      }
    }
    std::string reply;
    session.Read(ReplyRule::kAnyReply, kReplyRoom, reply);
    if (!reply.empty()) {
      gathered.Add(reply);
      const std::wstring text = gathered.Text();
      if (text.find(kStatusOk) != std::wstring::npos) return RfidResult::Ok;
      if (text.find(kStatusNg) != std::wstring::npos) return RfidResult::Ng;
      gathered.KeepTail();
    }
    const std::uint32_t elapsed = ElapsedMs(start, clock.TickCount());
    if (elapsed > kRfidCalibrationLimitMs) return RfidResult::TimedOut;
    if (const int seconds = static_cast<int>(elapsed / 1000); seconds != shownSeconds) {
      shownSeconds = seconds;
      context.front.ShowElapsed(seconds);
    }
    clock.Sleep(kRfidReadPauseMs);
  }
}

}  // namespace

void StartRfidCalibration(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  store.ClearValues();
  if (!AskYes(host.context, kAskStart)) return;
  const CommandPages pages = host.window.Pages();
  UncheckSettingsPages(host.window);

  ExchangeOutcome outcome;
  RfidResult result = RfidResult::Failed;
  // Two connections, each to the queue's port and back.
  RfidSupport support = RfidSupport::Unknown;
  {
    DirectPortScope direct(host.window);
    support = CheckRfidSupport(host.context, outcome);
  }
  if (support == RfidSupport::Missing) result = RfidResult::NoRfid;
  if (support == RfidSupport::Present) {
    DirectPortScope direct(host.window);
    result = Calibrate(host.context, outcome);
  }
  host.context.front.ShowOutcome(outcome);
  switch (result) {
    case RfidResult::Ok:
      host.window.ReportDone(CommandDone(CommandDoneKind::RfidCalibrated));
      ShowText(host.context, kSucceeded, MB_ICONINFORMATION);
      break;
    case RfidResult::Ng:
    case RfidResult::TimedOut:
      host.window.ReportDone(CommandDone(CommandDoneKind::RfidNotCalibrated));
      ShowText(host.context, kFailed, MB_ICONERROR);
      break;
    case RfidResult::NoRfid:
      host.window.ReportDone(CommandDone(CommandDoneKind::NoRfid));
      ShowText(host.context, kNoRfid, MB_ICONEXCLAMATION);
      break;
    case RfidResult::Failed: break;
  }
  if (pages.standard) pages.standard->UncheckAll();
}

}  // namespace vostrel
