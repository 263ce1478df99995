#pragma once
// The printer's side of one connection: takes the bytes as they arrive, in
// pieces of any size, recognises the commands among them, changes the
// printer's settings and says what to send back and how (with the faults it
// was asked to show). It does no I/O and never waits itself: a reply comes as
// steps that the link carries out, pauses included.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "sim_printer.h"

namespace vostrel::sim {

enum class CalibrationAnswer { Succeeded, Failed, UnknownWord, ExtraLine, EmptyLineFirst, OkFirst, NoResult, TwoBytes };

struct Faults {
  bool strayByte = false;     // one byte in front of the listing's header
  bool noHeader = false;      // the listing without its header
  bool noEnd = false;         // the listing without its "END" line
  bool longReply = false;     // the listing padded beyond 4096 bytes in front of its settings
  long long listingSize = 0;  // the listing padded so, to at least this many bytes
  bool garbage = false;       // every reply replaced by bytes that mean nothing
  bool silent = false;        // no reply at all
  long long closeAfter = -1;  // close the connection once this many bytes were sent
  long long resetAfter = -1;  // reset the connection once this many bytes were sent
  bool neverRead = false;     // accept the connection and never read from it
  std::uint32_t dripMs = 0;   // send replies one byte at a time, this far apart
  CalibrationAnswer calibration = CalibrationAnswer::Succeeded;
  bool rfidOk = true;  // answer of the RFID status poll
};

// One thing for the link to do, in order: send `bytes`, then pause, then
// close the connection when `close` is set (with a reset when `reset` is).
struct Step {
  std::string bytes;
  std::uint32_t pauseMs = 0;
  bool close = false;
  bool reset = false;
};

// --strict: a configuration request is answered only when the pre-request
// came at least `pauseMs` before it on the simulator's own clock, as a real
// printer needs; the state lasts across the connections of one printer.
struct StrictPause {
  Clock* clock = nullptr;  // nullptr: not strict
  std::uint32_t pauseMs = 0;
  bool preRequestSeen = false;
  std::uint32_t preRequestAt = 0;
};

enum class JobKind { SelfTest, SamplePrint, Data };

struct PrintJob {
  JobKind kind = JobKind::Data;
  std::string bytes;
};

class Session {
 public:
  Session(Printer& printer, const Faults& faults);

  // Bytes from the client; returns what to send back.
  std::vector<Step> Receive(std::string_view bytes);
  // The client closed its side: what is still pending becomes a print job.
  void Finish();

  // Makes the session strict about the pause before a configuration request.
  void SetStrict(StrictPause* strict) { strict_ = strict; }

  // The session asked for the connection to be closed (a fault), and whether
  // with a reset; later bytes are ignored.
  bool closed() const { return closed_; }
  bool reset() const { return reset_; }

  // What happened, as readable lines, and the jobs printed; each call hands
  // over what came since the last one.
  std::vector<std::string> TakeEvents();
  std::vector<PrintJob> TakeJobs();

 private:
  enum class Mode { Idle, Lines, Job };

  bool StepIdle(bool finishing, std::vector<Step>& out);
  bool StepJob(bool finishing);
  bool StepLines(bool finishing, std::vector<Step>& out);
  void HandleLine(std::string_view line, std::vector<Step>& out);
  void EndRequest(std::vector<Step>& out);
  void CloseJob();
  void Reply(std::string reply, bool isListing, std::vector<Step>& out);
  std::string Listing() const;
  void Event(std::string text);

  Printer& printer_;
  Faults faults_;
  std::string pending_;
  Mode mode_ = Mode::Idle;
  PrintJob job_;
  bool listingRequested_ = false;
  std::vector<InfoItem> infoRequested_;
  bool calibrationRequested_ = false;
  int settingsApplied_ = 0;
  bool rfidStarted_ = false;
  long long sent_ = 0;
  bool closed_ = false;
  bool reset_ = false;
  std::vector<std::string> events_;
  std::vector<PrintJob> jobs_;
  StrictPause* strict_ = nullptr;

  void NotePreRequest();
  // Whether a configuration request may be answered now; says why not.
  bool PauseKept();
};

// Bytes that neither frame a listing nor end one (no header, no "END").
std::string GarbageBytes(std::size_t count);

}  // namespace vostrel::sim
