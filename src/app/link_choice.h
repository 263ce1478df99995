#pragma once
// The link choice of the main window: the four radio buttons and their
// pickers (printer queue, COM port, USB port, IP address and TCP port), kept
// in step with the current preferences. A printer queue is only ever written
// to; the operations that need an answer switch to the port behind it
// (UseDirectPort) and back (UseQueue).

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/picker_tooltip.h"
#include "link/port_discovery.h"
#include "operations/command_host.h"
#include "prefs/preferences.h"
#include "ui/dialog.h"

namespace vostrel {

// The radio buttons in linkChoice order: queue, COM, USB, IP address.
inline constexpr int kLinkChoiceCount = 4;

// What the application object keeps about the port behind the chosen queue.
struct DriverPort {
  PortKind& linkKind;
  std::wstring& address;
  std::wstring& number;
};

class LinkChoice {
 public:
  // `window` holds the controls of the main window's template.
  LinkChoice(const ui::Dialog& window, PreferencesRecord& currentPrefs, DriverPort driver);

  // The radio button that is set.
  LinkRadio linkChoice = LinkRadio::Queue;
  // Queue name to the kind of its port (PortKind; 0 for anything else) and
  // to the text that describes that port (IDC_MAIN_QUEUE_PORT_TEXT).
  std::map<std::wstring, PortKind> queuePortKinds;
  std::map<std::wstring, std::wstring> queuePortTexts;
  std::wstring defaultPrinterName;

  // Fills the three pickers and the queue maps from the port discovery, once.
  void FillPickers();
  // The same from entries found already: each list gets its entries and
  // selects its first; IDC_MAIN_QUEUE_PORT_TEXT describes the first queue.
  void FillPickers(const std::vector<std::wstring>& comPorts, const std::vector<std::wstring>& usbPorts,
                   const QueueDiscovery& queues);
  // Creates the tooltips of the queue and COM lists.
  void CreateTooltips();
  // Reads the system's default printer queue into defaultPrinterName.
  void ReadDefaultPrinter();

  // Picks the radio button and the picker entry of the loaded preferences.
  // A saved queue, COM port or USB port that is not there now (a printer
  // unplugged for the day) keeps its place: its list gets an entry with the
  // name and a mark, chosen, and the name stays in the preferences.
  void Restore();
  // Enables the picker of linkChoice and takes its value into the
  // preferences.
  void Apply();
  // Reads the pickers into the preferences and, for a queue, works out the
  // port behind it.
  void Collect();
  // The preferences with the link the pickers show now, without taking it
  // in (for the status strip's words).
  PreferencesRecord Shown() const;
  // For a queue on a COM, USB or network port: switches to that port and
  // selects it. False when the queue's port cannot be reached directly (the
  // choice then stays on the queue).
  bool UseDirectPort();
  // Back to the queue, after an operation that needed the port behind it.
  void UseQueue();

  // Handlers of the pickers.
  void OnRadio(LinkRadio choice);
  void OnQueueSelected();
  void OnComSelected();

  PickerTooltip& queueTooltip() { return queueTip_; }
  PickerTooltip& comTooltip() { return comTip_; }

 private:
  HWND Item(int id) const { return main_.Item(id); }
  // The port or queue name of entry `index` of list `listId`: its text, or
  // the saved name behind an entry of a port that is not there.
  std::wstring NameAt(int listId, int index) const;
  std::wstring PickedName(int listId) const;
  // The index of the entry of `name` (exact), or -1.
  int FindName(int listId, std::wstring_view name) const;
  // Adds the entry of a saved name that discovery did not find; its index.
  int AddAbsent(int listId, const std::wstring& name);
  std::wstring QueuePortText(const std::wstring& queue) const;
  PortKind QueuePortKind(const std::wstring& queue) const;
  void SelectQueue(int index);
  void ShowRadio();
  std::wstring IpAddressText() const;
  void SetIpAddress(const std::wstring& dotted);

  const ui::Dialog& main_;
  PreferencesRecord& prefs_;
  DriverPort driver_;
  PickerTooltip queueTip_;
  PickerTooltip comTip_;
  // By list: the saved name behind its entry of a name not found.
  std::map<int, std::wstring> absentNames_;
};

// The text of a COM queue's port description up to its first ", ": the COM
// port name as the COM list shows it (a plain name gets back its ":").
std::wstring ComPortPrefix(const std::wstring& description);

}  // namespace vostrel
