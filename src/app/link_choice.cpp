#include "app/link_choice.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "i18n/text_rows.h"
#include "i18n/text_table.h"
#include "link/spooler_jobs.h"
#include "pages/page_engine.h"
#include "platform/net_address.h"
#include "platform/split_text.h"
#include "ui/controls.h"

#include "res/main_window_ids.h"

namespace vostrel {
namespace {

constexpr std::array<int, kLinkChoiceCount> kRadios = {IDC_MAIN_QUEUE_RADIO, IDC_MAIN_COM_RADIO, IDC_MAIN_USB_RADIO,
                                                       IDC_MAIN_NET_RADIO};
// The pickers, all disabled before the chosen one is enabled again.
constexpr int kPickers[] = {IDC_MAIN_QUEUE_LIST,        IDC_MAIN_QUEUE_PORT_TEXT, IDC_MAIN_COM_LIST,
                            IDC_MAIN_COM_DETAIL,        IDC_MAIN_USB_LIST,        IDC_MAIN_IP_ADDRESS,
                            IDC_MAIN_PORT_NUMBER_LABEL, IDC_MAIN_PORT_NUMBER_EDIT};

constexpr std::wstring_view kPreferredQueuePrefix = L"Telmaro";
constexpr std::wstring_view kVirtualComPrefix = L"TELMARO COM";
constexpr std::wstring_view kDescriptionSeparator = L", ";

// The item data that marks the entry of a saved name not found at start.
constexpr LRESULT kAbsentEntry = 1;

// The list's own prefix search (from the entry after the first, wrapping);
// no selection when no entry begins with `prefix`.
void SelectByPrefix(HWND list, const std::wstring& prefix) {
  if (::SendMessageW(list, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(prefix.c_str())) == CB_ERR) {
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

std::wstring UpToSeparator(const std::wstring& text) { return text.substr(0, text.find(kDescriptionSeparator)); }

}  // namespace

std::wstring ComPortPrefix(const std::wstring& description) {
  if (description.starts_with(kVirtualComPrefix)) return UpToSeparator(description);
  return UpToSeparator(description) + L":";
}

LinkChoice::LinkChoice(const ui::Dialog& window, PreferencesRecord& currentPrefs, DriverPort driver)
    : main_(window), prefs_(currentPrefs), driver_(driver) {}

void LinkChoice::FillPickers() { FillPickers(FillComList(), FillUsbList(), FillQueueList()); }

void LinkChoice::FillPickers(const std::vector<std::wstring>& comPorts, const std::vector<std::wstring>& usbPorts,
                             const QueueDiscovery& queues) {
  // The lists sort their entries; the first after sorting is selected.
  const auto fill = [](const ui::ComboBox& list, const std::vector<std::wstring>& entries) {
    for (const std::wstring& entry : entries) list.Add(entry);
    if (list.Count() > 0) list.Select(0);
  };
  fill(ui::ComboBox(Item(IDC_MAIN_COM_LIST)), comPorts);
  fill(ui::ComboBox(Item(IDC_MAIN_USB_LIST)), usbPorts);
  const ui::ComboBox queueList(Item(IDC_MAIN_QUEUE_LIST));
  fill(queueList, queues.queues);
  queuePortKinds = queues.queuePortKinds;
  queuePortTexts = queues.queuePortTexts;
  if (queueList.Count() > 0) {
    ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).SetText(QueuePortText(queueList.SelectedText()));
  }
}

void LinkChoice::CreateTooltips() {
  queueTip_.Create(main_.hwnd(), Item(IDC_MAIN_QUEUE_LIST));
  comTip_.Create(main_.hwnd(), Item(IDC_MAIN_COM_LIST));
}

void LinkChoice::ReadDefaultPrinter() {
  defaultPrinterName.clear();
  DWORD size = 0;
  const auto getDefaultPrinter = Spooler().getDefaultPrinter;
  getDefaultPrinter(nullptr, &size);
  if (size == 0) return;
  std::vector<wchar_t> name(size + 1, L'\0');
  if (getDefaultPrinter(name.data(), &size)) defaultPrinterName = name.data();
}

std::wstring LinkChoice::NameAt(int listId, int index) const {
  const ui::ComboBox list(Item(listId));
  if (index >= 0 && ::SendMessageW(list.hwnd(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == kAbsentEntry) {
    const auto saved = absentNames_.find(listId);
    if (saved != absentNames_.end()) return saved->second;
  }
  return list.ItemText(index);
}

std::wstring LinkChoice::PickedName(int listId) const { return NameAt(listId, ui::ComboBox(Item(listId)).Selected()); }

int LinkChoice::FindName(int listId, std::wstring_view name) const {
  const int count = ui::ComboBox(Item(listId)).Count();
  for (int i = 0; i < count; ++i) {
    if (NameAt(listId, i) == name) return i;
  }
  return -1;
}

int LinkChoice::AddAbsent(int listId, const std::wstring& name) {
  const ui::ComboBox list(Item(listId));
  // One such entry per list: an earlier one goes.
  for (int i = list.Count() - 1; i >= 0; --i) {
    if (::SendMessageW(list.hwnd(), CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == kAbsentEntry) {
      ::SendMessageW(list.hwnd(), CB_DELETESTRING, static_cast<WPARAM>(i), 0);
    }
  }
  const int index = list.Add(name + L" " + GetText(Row(LabelRow::kAbsentPortMark)));
  if (index < 0) return -1;
  ::SendMessageW(list.hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(index), kAbsentEntry);
  absentNames_[listId] = name;
  return index;
}

std::wstring LinkChoice::QueuePortText(const std::wstring& queue) const {
  const auto found = queuePortTexts.find(queue);
  return found == queuePortTexts.end() ? std::wstring() : found->second;
}

PortKind LinkChoice::QueuePortKind(const std::wstring& queue) const {
  const auto found = queuePortKinds.find(queue);
  return found == queuePortKinds.end() ? PortKind::None : found->second;
}

void LinkChoice::SelectQueue(int index) {
  const ui::ComboBox queues(Item(IDC_MAIN_QUEUE_LIST));
  queues.Select(index);
  const std::wstring name = NameAt(IDC_MAIN_QUEUE_LIST, index);
  ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).SetText(QueuePortText(name));
  driver_.linkKind = QueuePortKind(name);
  prefs_.portName = name;
  queueTip_.SetText(name);
}

void LinkChoice::ShowRadio() {
  for (int i = 0; i < kLinkChoiceCount; ++i) {
    ui::CheckBox(Item(kRadios[static_cast<size_t>(i)])).SetChecked(i == static_cast<int>(linkChoice));
  }
}

std::wstring LinkChoice::IpAddressText() const {
  const ui::IpAddress::Octets octets = ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Get();
  return std::to_wstring(octets[0]) + L"." + std::to_wstring(octets[1]) + L"." + std::to_wstring(octets[2]) + L"." +
         std::to_wstring(octets[3]);
}

void LinkChoice::SetIpAddress(const std::wstring& dotted) {
  ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Set(DottedTextToOctets(dotted));
}

void LinkChoice::Restore() {
  // The entry of the saved name; when it is not there, one that keeps it.
  const auto savedEntry = [this](int listId) {
    const int index = FindName(listId, prefs_.portName);
    return index >= 0 || prefs_.portName.empty() ? index : AddAbsent(listId, prefs_.portName);
  };
  switch (prefs_.portKind) {
    case PortKind::Com: {
      linkChoice = LinkRadio::Com;
      const ui::ComboBox ports(Item(IDC_MAIN_COM_LIST));
      const int index = savedEntry(IDC_MAIN_COM_LIST);
      if (index >= 0) {
        ports.Select(index);
        comTip_.SetText(ports.ItemText(index));
      }
      break;
    }
    case PortKind::Usb: {
      linkChoice = LinkRadio::Usb;
      const int index = savedEntry(IDC_MAIN_USB_LIST);
      if (index >= 0) ui::ComboBox(Item(IDC_MAIN_USB_LIST)).Select(index);
      break;
    }
    case PortKind::Net: {
      linkChoice = LinkRadio::Net;
      if (IsDottedIPv4(prefs_.portName)) {
        SetIpAddress(prefs_.portName);
      } else if (!prefs_.portName.empty()) {
        const std::optional<std::wstring> address = ResolveToDotted(prefs_.portName);
        prefs_.portName = address ? *address : std::wstring(kDefaultNetAddress);
        SetIpAddress(prefs_.portName);
      } else {
        prefs_.portName = kDefaultNetAddress;
      }
      if (!prefs_.portNumber.empty()) {
        ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(prefs_.portNumber);
      } else {
        prefs_.portNumber = kDefaultNetPort;
      }
      break;
    }
    default: {
      linkChoice = LinkRadio::Queue;
      const ui::ComboBox queues(Item(IDC_MAIN_QUEUE_LIST));
      // A queue the user chose stays chosen while it is away; without one,
      // a queue of the printer's maker or the system's default is offered.
      int index = prefs_.portKind == PortKind::Prt ? savedEntry(IDC_MAIN_QUEUE_LIST)
                                                   : FindName(IDC_MAIN_QUEUE_LIST, prefs_.portName);
      for (int i = 0; index < 0 && i < queues.Count(); ++i) {
        if (queues.ItemText(i).starts_with(kPreferredQueuePrefix)) index = i;
      }
      if (index < 0 && !defaultPrinterName.empty()) index = FindName(IDC_MAIN_QUEUE_LIST, defaultPrinterName);
      if (index >= 0) SelectQueue(index);
      break;
    }
  }
  ShowRadio();
}

void LinkChoice::Apply() {
  // The chosen link's pickers; each picker is then put in its state once.
  static constexpr int kQueuePickers[] = {IDC_MAIN_QUEUE_LIST, IDC_MAIN_QUEUE_PORT_TEXT};
  static constexpr int kComPickers[] = {IDC_MAIN_COM_LIST, IDC_MAIN_COM_DETAIL};
  static constexpr int kUsbPickers[] = {IDC_MAIN_USB_LIST};
  static constexpr int kNetPickers[] = {IDC_MAIN_IP_ADDRESS, IDC_MAIN_PORT_NUMBER_LABEL, IDC_MAIN_PORT_NUMBER_EDIT};
  std::span<const int> chosen;
  switch (linkChoice) {
    case LinkRadio::Queue: {
      chosen = kQueuePickers;
      prefs_.portKind = PortKind::Prt;
      prefs_.portName = PickedName(IDC_MAIN_QUEUE_LIST);
      driver_.linkKind = QueuePortKind(prefs_.portName);
      queueTip_.SetText(prefs_.portName);
      break;
    }
    case LinkRadio::Com: {
      chosen = kComPickers;
      prefs_.portName = PickedName(IDC_MAIN_COM_LIST);
      prefs_.portKind = PortKind::Com;
      comTip_.SetText(prefs_.portName);
      break;
    }
    case LinkRadio::Usb: {
      chosen = kUsbPickers;
      prefs_.portName = PickedName(IDC_MAIN_USB_LIST);
      prefs_.portKind = PortKind::Usb;
      break;
    }
    case LinkRadio::Net: {
      chosen = kNetPickers;
      prefs_.portName = IpAddressText();
      prefs_.portNumber = ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).Text();
      prefs_.portKind = PortKind::Net;
      break;
    }
    default: break;
  }
  const auto isChosen = [&chosen](int id) { return std::find(chosen.begin(), chosen.end(), id) != chosen.end(); };
  // Every chosen picker is one of kPickers.
  for (int id : kPickers) ui::Control(Item(id)).Enable(isChosen(id));
  ShowRadio();
}

void LinkChoice::Collect() {
  switch (prefs_.portKind) {
    case PortKind::Prt: {
      prefs_.portName = PickedName(IDC_MAIN_QUEUE_LIST);
      driver_.linkKind = QueuePortKind(prefs_.portName);
      const std::wstring description = ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).Text();
      if (driver_.linkKind == PortKind::Com) {
        driver_.address = ComPortPrefix(description);
      } else if (driver_.linkKind == PortKind::Net) {
        // A description that is not "address, port" names no port to use:
        // nothing of an earlier queue may stay behind.
        const std::vector<std::wstring> pieces = SplitText(description, kDescriptionSeparator);
        driver_.address = pieces.size() == 2 ? pieces[0] : std::wstring();
        driver_.number = pieces.size() == 2 ? pieces[1] : std::wstring();
      } else {
        driver_.address = description;
      }
      break;
    }
    case PortKind::Com: prefs_.portName = PickedName(IDC_MAIN_COM_LIST); break;
    case PortKind::Usb: prefs_.portName = PickedName(IDC_MAIN_USB_LIST); break;
    case PortKind::Net:
      prefs_.portName = IpAddressText();
      prefs_.portNumber = ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).Text();
      break;
    default: break;
  }
}

PreferencesRecord LinkChoice::Shown() const {
  PreferencesRecord shown = prefs_;
  switch (shown.portKind) {
    case PortKind::Prt: shown.portName = PickedName(IDC_MAIN_QUEUE_LIST); break;
    case PortKind::Com: shown.portName = PickedName(IDC_MAIN_COM_LIST); break;
    case PortKind::Usb: shown.portName = PickedName(IDC_MAIN_USB_LIST); break;
    case PortKind::Net:
      shown.portName = IpAddressText();
      shown.portNumber = ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).Text();
      break;
    default: break;
  }
  return shown;
}

bool LinkChoice::UseDirectPort() {
  const std::wstring queue = PickedName(IDC_MAIN_QUEUE_LIST);
  const std::wstring description = ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).Text();
  switch (QueuePortKind(queue)) {
    case PortKind::Com:
      linkChoice = LinkRadio::Com;
      SelectByPrefix(Item(IDC_MAIN_COM_LIST), ComPortPrefix(description));
      break;
    case PortKind::Net: {
      // "address, port"; an address given as a host name is shown as the
      // address it resolves to. Anything else is refused.
      const std::vector<std::wstring> pieces = SplitText(QueuePortText(queue), kDescriptionSeparator);
      if (pieces.size() != 2 || ParsePortNumber(pieces[1]) == 0) return false;
      std::wstring address = pieces[0];
      if (!IsDottedIPv4(address)) {
        const std::optional<std::wstring> resolved = ResolveToDotted(address);
        if (!resolved) return false;
        address = *resolved;
      }
      linkChoice = LinkRadio::Net;
      SetIpAddress(address);
      ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(pieces[1]);
      break;
    }
    case PortKind::Usb:
      linkChoice = LinkRadio::Usb;
      SelectByPrefix(Item(IDC_MAIN_USB_LIST), description);
      break;
    default: return false;
  }
  Apply();
  return true;
}

void LinkChoice::UseQueue() {
  linkChoice = LinkRadio::Queue;
  Apply();
  ::SetFocus(Item(IDC_MAIN_QUEUE_LIST));
}

void LinkChoice::OnRadio(LinkRadio choice) {
  static constexpr std::array<int, kLinkChoiceCount> kFocus = {IDC_MAIN_QUEUE_LIST, IDC_MAIN_COM_LIST,
                                                               IDC_MAIN_USB_LIST, IDC_MAIN_IP_ADDRESS};
  const auto index = static_cast<int>(choice);
  if (index < 0 || index >= kLinkChoiceCount) return;
  linkChoice = choice;
  Apply();
  ::SetFocus(Item(kFocus[static_cast<size_t>(index)]));
}

void LinkChoice::OnQueueSelected() {
  if (queuePortTexts.empty()) return;
  const std::wstring name = PickedName(IDC_MAIN_QUEUE_LIST);
  ui::Control(Item(IDC_MAIN_QUEUE_PORT_TEXT)).SetText(QueuePortText(name));
  queueTip_.SetText(name);
}

void LinkChoice::OnComSelected() {
  const ui::ComboBox ports(Item(IDC_MAIN_COM_LIST));
  if (ports.Count() == 0) return;
  comTip_.SetText(ports.SelectedText());
}

}  // namespace vostrel
