#pragma once
// What the command flows (Send, Receive, Import, Export, the sensor
// adjustment, the RFID calibration, the print actions) take from the main
// window: the program's objects (CommandContext) and the window's own part
// (CommandWindow). The flows never touch the window's controls, so they can
// be run against the real pages and a fake clock in tests.

#include <cstdint>
#include <string>
#include <utility>

#include "operations/command_context.h"
#include "pages/page_id.h"
#include "settings/printer_model.h"

namespace vostrel {

class CDlgTabEasy;
class CDlgTabStandard;
class CDlgTabAdvanced;
class CDlgTabInformation;
class CDlgTabCalibration;
class CDlgTabPrint;

// The pages of the tab host, each nullptr when it could not be created.
struct CommandPages {
  CDlgTabEasy* easy = nullptr;
  CDlgTabStandard* standard = nullptr;
  CDlgTabAdvanced* advanced = nullptr;
  CDlgTabInformation* information = nullptr;
  CDlgTabCalibration* calibration = nullptr;
  CDlgTabPrint* print = nullptr;
};

// What a command that went through did, for the window's status strip. A
// failed or cancelled one says so through its outcome (ExchangeFront).
enum class CommandDoneKind {
  Sent,                 // `settings` to the link
  Received,             // `settings` read from the listing
  InformationReceived,  // the serial number and counters
  Imported,             // `settings` from the file `where`
  Exported,             // to the file `where`
  SelfTestSent,
  SampleSent,
  FileSent,  // the file `where`
  SensorAdjusted,
  SensorNotAdjusted,
  RfidCalibrated,
  RfidNotCalibrated,
  NoRfid,
};
struct CommandDone {
  explicit CommandDone(CommandDoneKind what, int count = 0, std::wstring path = {})
      : kind(what), settings(count), where(std::move(path)) {}

  CommandDoneKind kind;
  int settings;
  std::wstring where;
};

// The main window's link radio buttons, in their order.
enum class LinkRadio : std::int32_t { Queue = 0, Com = 1, Usb = 2, Net = 3 };

// What only the main window knows and does for a command: its picker,
// pages and link choice, the hand-overs between its pages and its status
// strip. The window implements it; the tests have a fake.
class CommandWindow {
 public:
  virtual ~CommandWindow() = default;

  // The model the picker shows: asked for each time, as the user changes it
  // between commands.
  virtual PrinterModel Model() = 0;
  virtual CommandPages Pages() = 0;
  virtual PageId VisiblePage() = 0;
  // The user accepted the Advanced page's warning during this run.
  virtual bool AdvancedAccepted() = 0;

  // The main window's link choice: 0 queue, 1 COM, 2 USB, 3 IP address.
  virtual LinkRadio LinkChoice() = 0;
  // Reads the pickers into the current preferences (for a queue: also the
  // port behind it).
  virtual void CollectLinkChoice() = 0;
  // For a queue on a COM, USB or TCP/IP port: switches to that port. False
  // when the queue's port cannot be reached directly.
  virtual bool UseDirectPort() = 0;
  // Back to the queue after UseDirectPort.
  virtual void UseQueue() = 0;

  // The tab host's hand-overs between the Easy, Standard and Calibration
  // pages, and the check-all box (IDC_MAIN_CHECK_ALL) cleared.
  virtual void HandEasyToStandard() = 0;
  virtual void HandStandardToEasy() = 0;
  virtual void HandCalibrationMedia() = 0;
  virtual void ClearCheckAll() = 0;

  // The command went through: what it did, for the status strip.
  virtual void ReportDone(const CommandDone& done) = 0;
};

// What a command flow runs with. The language is not here: the flows read it
// from i18n, as every text lookup does.
struct CommandHost {
  CommandContext context;
  CommandWindow& window;
};

}  // namespace vostrel
