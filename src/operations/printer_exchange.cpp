#include "operations/printer_exchange.h"

#include <utility>
#include <vector>

#include "link/printer_link.h"
#include "link/spooler_jobs.h"
#include "platform/ansi_text.h"

namespace vostrel {
namespace {

constexpr int kStepsPerSecond = 1000 / static_cast<int>(kPauseStepMs);

std::wstring StatusSuffix(LinkStatus status) { return L" (status " + std::to_wstring(status) + L")"; }

// Closes the link on every path out of a command.
class ClosesLink {
 public:
  explicit ClosesLink(PrinterLink& link) : link_(link) {}
  ~ClosesLink() { link_.Close(); }
  ClosesLink(const ClosesLink&) = delete;
  ClosesLink& operator=(const ClosesLink&) = delete;

 private:
  PrinterLink& link_;
};

}  // namespace

int PreRequestPauseSteps(PortKind portKind) {
  return (portKind == PortKind::Net ? 20000 : 5000) / static_cast<int>(kPauseStepMs);
}

bool EndsWithEndLine(std::string_view reply) { return reply.ends_with("END\r\n") || reply.ends_with("ND\r\nT"); }

// A full room ends the read: whatever did not fit is lost, so a reply that
// still lacks its END line is not whole.
bool FilledWithoutEnd(std::string_view reply, std::uint32_t room) {
  return reply.size() >= room && !EndsWithEndLine(reply);
}

HeaderPresence CheckListingHeader(std::string_view& text) {
  const std::string_view whole = text;
  HeaderPresence header = CheckReplyHeader(text);
  if (header != HeaderPresence::None || whole.empty()) return header;
  // A stray byte in front of the header is forgiven once.
  text = whole.substr(1);
  header = CheckReplyHeader(text);
  if (header == HeaderPresence::None) text = whole;
  return header;
}

std::wstring ListingText(const ReceivedListing& listing) {
  std::wstring text = AnsiToWide(listing.bytes);
  if (listing.header == HeaderPresence::OnePart) text.insert(0, L"\r\n");
  return text;
}

std::string_view BuildRequestBytes(SettingsStore& store, RequestKind kind, SendBuffer& buffer) {
  store.ClearValues();
  BuildRequest(store, kind);
  const Outgoing built = BuildOutgoing(buffer, store.textBuffer, PrefixUse::WithPrefix);
  return {buffer.data(), built.status == OutgoingStatus::Ready ? built.byteCount : 0};
}

PrinterExchange::PrinterExchange(PrinterLink& link, const PreferencesRecord& prefs, Clock& clock, ExchangeFront& front,
                                 std::wstring linkName)
    : link_(link), prefs_(prefs), clock_(clock), front_(front), linkName_(std::move(linkName)) {}

ExchangeOutcome PrinterExchange::Failure(ResultCode code, std::wstring detail, LinkStatus status) const {
  return ExchangeOutcome{code, status, std::move(detail)};
}

ExchangeOutcome CancelledOutcome() { return {ResultCode::kCancelled, kLinkOk, L"the user cancelled the command"}; }

ExchangeOutcome PrinterExchange::NotOpened() const {
  if (clock_.WaitCancelled()) return CancelledOutcome();
  return Failure(ResultCode::kLinkNotOpened, L"the link " + linkName_ + L" did not open");
}

bool PrinterExchange::Open(TimeoutClass timeouts) {
  bool opened = false;
  {
    const WaitScope wait(front_, CancellableWait::Connect);
    opened = link_.Open(timeouts);
  }
  // Cancelled as the connect came through: nothing is written.
  if (opened && clock_.WaitCancelled()) {
    link_.Close();
    return false;
  }
  return opened;
}

LinkStatus PrinterExchange::Write(std::string_view bytes) {
  std::uint32_t written = 0;
  const LinkStatus status = link_.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &written);
  if (status != kLinkOk) return status;
  // A write that reports success but left bytes behind did not deliver the text.
  return written == bytes.size() ? kLinkOk : kLinkWriteTimedOut;
}

bool PrinterExchange::Pause() {
  {
    const WaitScope wait(front_, CancellableWait::Pause);
    const int steps = PreRequestPauseSteps(prefs_.portKind);
    for (int step = 0; step < steps && !clock_.WaitCancelled(); ++step) {
      if (step % kStepsPerSecond == 0) front_.ShowPause((steps - step) / kStepsPerSecond);
      clock_.Sleep(kPauseStepMs);
    }
  }
  front_.EndPause();
  return !clock_.WaitCancelled();
}

ExchangeOutcome PrinterExchange::Run(const ExchangeRequest& request, std::string& reply) {
  reply.clear();
  ClosesLink closes(link_);
  if (!Open(request.timeouts)) return NotOpened();
  if (const LinkStatus status = Write(request.bytes); status != kLinkOk) {
    return Failure(ResultCode::kWriteFailed, request.notWritten + StatusSuffix(status), status);
  }
  if (!request.readsReply) return {};

  // Zero-filled, with room for the link's closing zero.
  std::vector<char> buffer(static_cast<std::size_t>(request.room) + 1, '\0');
  std::uint32_t count = 0;
  const LinkStatus status = link_.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()), request.rule, &count);
  link_.Close();
  const std::wstring replyName(request.replyName);
  if (status != kLinkOk) {
    return Failure(ResultCode::kReadFailed, L"the " + replyName + L" was not read" + StatusSuffix(status), status);
  }
  // A lost connection reports a count that is no count at all.
  if (count == 0 || count > request.room) {
    return Failure(ResultCode::kReadFailed, L"the printer sent no " + replyName);
  }
  reply.assign(buffer.data(), count);
  if (request.rule == ReplyRule::kUntilEnd && FilledWithoutEnd(reply, request.room)) {
    reply.clear();
    return RoomFilled(replyName, request.room);
  }
  return {};
}

ExchangeOutcome PrinterExchange::RoomFilled(const std::wstring& replyName, std::uint32_t room) const {
  return Failure(ResultCode::kReadFailed, L"the " + replyName + L" filled all " + std::to_wstring(room) +
                                              L" bytes of its room without its END line");
}

ExchangeOutcome PrinterExchange::ReceiveListing(std::string_view request, ReceivedListing& listing) {
  listing = {};
  {
    ClosesLink closes(link_);
    if (!Open(TimeoutClass::kNormal)) return NotOpened();
    if (const LinkStatus status = Write(kPreRequestCommand); status != kLinkOk) {
      return Failure(ResultCode::kWriteFailed, L"the pre-request was not written" + StatusSuffix(status), status);
    }
  }
  if (!Pause()) return CancelledOutcome();

  std::string reply;
  ExchangeOutcome outcome = Run(ExchangeRequest{.bytes = request,
                                                .notWritten = L"the configuration request was not written",
                                                .readsReply = true,
                                                .rule = ReplyRule::kUntilEnd,
                                                .room = kListingRoom,
                                                .replyName = L"listing"},
                                reply);
  if (!outcome.done()) {
    if (outcome.code == ResultCode::kLinkNotOpened) outcome.detail += L" again";
    return outcome;
  }

  std::string_view text = reply;
  const HeaderPresence header = CheckListingHeader(text);
  if (header == HeaderPresence::None) {
    return Failure(ResultCode::kReadFailed, L"the reply does not begin like a configuration listing");
  }
  listing.bytes.assign(text);
  listing.header = header;
  return {};
}

ExchangeOutcome PrinterExchange::ReceiveInformation(std::string_view request, std::string& reply) {
  return Run(ExchangeRequest{.timeouts = TimeoutClass::kLong,
                             .bytes = request,
                             .notWritten = L"the information request was not written",
                             .readsReply = true,
                             .rule = ReplyRule::kAnyReply},
             reply);
}

ExchangeOutcome PrinterExchange::Send(std::string_view bytes) {
  if (prefs_.portKind == PortKind::Prt) {
    std::uint32_t written = 0;
    switch (SendRawJob(prefs_.portName, bytes.data(), static_cast<std::uint32_t>(bytes.size()), written)) {
      case kRawJobDone: return {};
      case kRawJobQueueNotOpened:
        return Failure(ResultCode::kLinkNotOpened, L"the printer queue '" + prefs_.portName + L"' did not open",
                       kLinkQueueNotOpened);
      default: return Failure(ResultCode::kWriteFailed, L"the spooler did not take the job", kLinkRawJobFailed);
    }
  }
  std::string none;
  return Run(ExchangeRequest{.bytes = bytes, .notWritten = L"the settings were not written"}, none);
}

bool PrinterExchange::Session::Open(TimeoutClass timeouts) {
  opened_ = exchange_.Open(timeouts);
  return opened_;
}

PrinterExchange::Session::~Session() { Close(); }

void PrinterExchange::Session::Close() {
  exchange_.link_.Close();
  opened_ = false;
}

LinkStatus PrinterExchange::Session::Write(std::string_view bytes) {
  if (!opened_) return kLinkClosed;
  return exchange_.Write(bytes);
}

ExchangeOutcome PrinterExchange::Session::ReadListing(std::string& listing) {
  Read(ReplyRule::kUntilEnd, kListingRoom, listing);
  if (!FilledWithoutEnd(listing, kListingRoom)) return {};
  listing.clear();
  return exchange_.RoomFilled(L"listing", kListingRoom);
}

LinkStatus PrinterExchange::Session::Read(ReplyRule rule, std::uint32_t room, std::string& reply) {
  reply.clear();
  if (!opened_) return kLinkClosed;
  std::vector<char> buffer(static_cast<std::size_t>(room) + 1, '\0');
  std::uint32_t count = 0;
  const LinkStatus status =
      exchange_.link_.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()), rule, &count);
  // A lost connection reports a count that is no count at all.
  if (count <= room) reply.assign(buffer.data(), count);
  return status;
}

}  // namespace vostrel
