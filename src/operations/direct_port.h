#pragma once
// The link choice around one command that needs an answer: a printer queue
// is only ever written to, so the command talks to the port behind it and
// chooses the queue again once it is over, on every path out.

#include <string>

#include "operations/command_host.h"
#include "operations/printer_exchange.h"

namespace vostrel {

class DirectPortSwitch {
 public:
  // Remembers the link choice; for a queue switches to its port; then reads
  // the pickers into the preferences in use.
  explicit DirectPortSwitch(CommandHost& host);
  // Chooses the queue again if Restore has not.
  ~DirectPortSwitch();
  DirectPortSwitch(const DirectPortSwitch&) = delete;
  DirectPortSwitch& operator=(const DirectPortSwitch&) = delete;

  // After a Restore: to the queue's port again, for a second connection.
  void Again();
  // Back to the queue, when the command started on one; once.
  void Restore();

 private:
  void Switch();

  CommandHost& host_;
  bool wasQueue_ = false;
  bool switched_ = false;
};

// The link in use, in words, for the exchange's outcome.
std::wstring LinkNameOf(const PreferencesRecord& prefs);

// The exchange of one command over the host's link, clock and front.
PrinterExchange ExchangeOf(CommandHost& host);

}  // namespace vostrel
