#pragma once
// The printer exchange: how every command talks to the printer. Each call
// opens the link with the timeout class its request needs, writes, reads at
// most one reply by the rule that reply ends on, and closes the link on
// every path out, so nothing stays open between commands. The switch from a
// printer queue to the port behind it (and back) stays with the caller.
//
// A front end (the main window, the command-line companion) shows the
// countdown of the pause after the pre-request and, once its command is
// over, the outcome, through ExchangeFront. Every wait runs on the clock.

#include <cstdint>
#include <string>
#include <string_view>

#include "i18n/result_codes.h"
#include "link/link_types.h"
#include "platform/clock.h"
#include "prefs/preferences.h"
#include "protocol/command_set.h"
#include "settings/config_script.h"
#include "settings/listing_reader.h"
#include "settings/settings_store.h"

namespace vostrel {

class PrinterLink;

// How a command ended: kDone, or the numbered code to report, the link's
// status of the failed write or read, and what went wrong in words (English,
// for the companion's output and for logs; message boxes show the code's
// own message).
struct ExchangeOutcome {
  ResultCode code = ResultCode::kDone;
  LinkStatus linkStatus = kLinkOk;
  std::wstring detail;

  bool done() const { return code == ResultCode::kDone; }
};

// The waits the user may end with Cancel: nothing is cut half-way in them,
// and after one was ended nothing more is written.
enum class CancellableWait { Connect, Pause, RfidPolls };

class ExchangeFront {
 public:
  virtual ~ExchangeFront() = default;
  // A wait that the user may end begins, and ends. Whether the user ended
  // it is the clock's WaitCancelled.
  virtual void BeginWait(CancellableWait wait) { static_cast<void>(wait); }
  virtual void EndWait() {}
  // Once a second during the pause after the pre-request: the whole seconds
  // left, from 20 (TCP) or 5 (COM, USB) down to 1.
  virtual void ShowPause(int secondsLeft) = 0;
  // After the last second of the pause.
  virtual void EndPause() {}
  // Once a second during a wait whose end the printer decides (the RFID
  // calibration's status polls): the whole seconds since it began.
  virtual void ShowElapsed(int secondsPassed) { static_cast<void>(secondsPassed); }
  // Called by the command's caller once the command is over (the link is
  // closed and the link choice put back), for a done command too.
  virtual void ShowOutcome(const ExchangeOutcome& outcome) = 0;
};

// A cancellable wait of `front` for the life of the object.
class WaitScope {
 public:
  WaitScope(ExchangeFront& front, CancellableWait wait) : front_(front) { front_.BeginWait(wait); }
  ~WaitScope() { front_.EndWait(); }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

 private:
  ExchangeFront& front_;
};

// The outcome of a command whose wait the user ended: no message.
ExchangeOutcome CancelledOutcome();

// The room of a reply that is not a listing: the link's reply buffer less
// its closing zero.
inline constexpr std::uint32_t kReplyRoom = kReplyBufferSize - 1;
// The room of the configuration listing: as much as the listing reader takes.
inline constexpr std::uint32_t kListingRoom = static_cast<std::uint32_t>(kListingReadRoom);

// The steps of 100 ms between the pre-request and the configuration
// request: 5 s on COM and USB, 20 s over TCP.
inline constexpr std::uint32_t kPauseStepMs = 100;
int PreRequestPauseSteps(PortKind portKind);

// One request and its reply.
struct ExchangeRequest {
  TimeoutClass timeouts = TimeoutClass::kNormal;
  std::string_view bytes;                                      // written once the link is open
  const wchar_t* notWritten = L"the request was not written";  // the outcome's words for a failed write
  bool readsReply = false;                                     // false: open, write, close
  ReplyRule rule = ReplyRule::kUntilEnd;
  std::uint32_t room = kReplyRoom;      // the most reply bytes taken
  const wchar_t* replyName = L"reply";  // "listing": names the reply in the outcome
};

// A configuration listing as the printer sent it, without the one stray byte
// in front of its header that is forgiven, and which header it carries
// (never HeaderPresence::None).
struct ReceivedListing {
  std::string bytes;
  HeaderPresence header = HeaderPresence::Whole;
};

// Which header a received listing carries, forgiving one stray byte in front
// of it; `text` is moved past that byte when it was forgiven.
HeaderPresence CheckListingHeader(std::string_view& text);

// The text the listing reader reads of a received listing: converted from
// the ANSI code page, with "\r\n" in front when only part of the header came.
std::wstring ListingText(const ReceivedListing& listing);

// Builds the request of `kind` for the store's model (the store's values are
// cleared) into `buffer`, with the command prefix; the bytes to write, empty
// when the request does not fit.
std::string_view BuildRequestBytes(SettingsStore& store, RequestKind kind, SendBuffer& buffer);

class PrinterExchange {
 public:
  // `link` reads `prefs` (the preferences in use, the caller's currentPrefs);
  // `linkName` names the link in the outcome's words. All outlive the exchange.
  PrinterExchange(PrinterLink& link, const PreferencesRecord& prefs, Clock& clock, ExchangeFront& front,
                  std::wstring linkName);

  // Open, write the request, read its reply into `reply` when it has one,
  // close. A reply that fills its room without the END line its rule waits
  // for is a failed read, never a whole reply.
  ExchangeOutcome Run(const ExchangeRequest& request, std::string& reply);

  // The configuration listing: the pre-request on a link of its own, the
  // pause, then `request` (the configuration request with its prefix) with
  // Normal timeouts and the listing read until its END line, within
  // kListingRoom; the header test forgives one stray byte in front.
  ExchangeOutcome ReceiveListing(std::string_view request, ReceivedListing& listing);

  // The information request (with its prefix): Long timeouts, the reply
  // read until the printer falls silent.
  ExchangeOutcome ReceiveInformation(std::string_view request, std::string& reply);

  // Writes `bytes` (the prefix and a script) to the printer: to a printer
  // queue as one raw job, to a port with Normal timeouts; nothing is read.
  ExchangeOutcome Send(std::string_view bytes);

  // A link held open across several writes and reads, for the commands that
  // talk to the printer more than once on one connection (the print
  // actions, the RFID calibration); closed on every path out.
  class Session {
   public:
    explicit Session(PrinterExchange& exchange) : exchange_(exchange) {}
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool Open(TimeoutClass timeouts);
    bool opened() const { return opened_; }
    // The outcome of an Open that failed: the link did not open, or the
    // user ended the connect.
    ExchangeOutcome NotOpened() const { return exchange_.NotOpened(); }
    // Writes all of `bytes`: kLinkOk, or the status of a write that failed
    // or left bytes behind.
    LinkStatus Write(std::string_view bytes);
    // One read by `rule` into a zero-filled buffer of `room` bytes (and the
    // link's closing zero): its status, and in `reply` the bytes that came.
    LinkStatus Read(ReplyRule rule, std::uint32_t room, std::string& reply);
    // A configuration listing, read as Receive reads it: until its END line,
    // within kListingRoom. One that fills the room without END is a failed
    // read (`listing` empty); otherwise `listing` holds what came.
    ExchangeOutcome ReadListing(std::string& listing);
    void Close();

   private:
    PrinterExchange& exchange_;
    bool opened_ = false;
  };

 private:
  ExchangeOutcome Failure(ResultCode code, std::wstring detail, LinkStatus status = kLinkOk) const;
  ExchangeOutcome RoomFilled(const std::wstring& replyName, std::uint32_t room) const;
  ExchangeOutcome NotOpened() const;
  // The connect is a wait the user may end; an ended one leaves the link
  // closed.
  bool Open(TimeoutClass timeouts);
  LinkStatus Write(std::string_view bytes);
  // False when the user ended it.
  bool Pause();

  PrinterLink& link_;
  const PreferencesRecord& prefs_;
  Clock& clock_;
  ExchangeFront& front_;
  std::wstring linkName_;
};

// Whether a reply ends with the END line as the link's reply rule sees it.
bool EndsWithEndLine(std::string_view reply);
// Whether a reply read until its END line filled all `room` bytes without it.
bool FilledWithoutEnd(std::string_view reply, std::uint32_t room);

}  // namespace vostrel
