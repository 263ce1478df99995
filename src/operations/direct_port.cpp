#include "operations/direct_port.h"

namespace vostrel {

DirectPortSwitch::DirectPortSwitch(CommandHost& host) : host_(host), wasQueue_(host.LinkChoice() == 0) { Switch(); }

DirectPortSwitch::~DirectPortSwitch() { Restore(); }

void DirectPortSwitch::Switch() {
  // A queue whose port cannot be reached directly stays chosen: the link
  // then does not open, and the command says so.
  if (wasQueue_) {
    host_.UseDirectPort();
    switched_ = true;
  }
  host_.CollectLinkChoice();
}

void DirectPortSwitch::Again() {
  if (!switched_) Switch();
}

void DirectPortSwitch::Restore() {
  if (!switched_) return;
  switched_ = false;
  host_.UseQueue();
}

std::wstring LinkNameOf(const PreferencesRecord& prefs) {
  switch (prefs.portKind) {
    case kPortKindCom: return L"com:" + prefs.portName;
    case kPortKindUsb: return L"usb:" + prefs.portName;
    case kPortKindNet: return L"net:" + prefs.portName + L":" + prefs.portNumber;
    case kPortKindPrt: return L"queue:" + prefs.portName;
    default: return L"none";
  }
}

PrinterExchange ExchangeOf(CommandHost& host) {
  return PrinterExchange(host.Link(), host.CurrentPrefs(), host.CommandClock(), host.Front(),
                         LinkNameOf(host.CurrentPrefs()));
}

}  // namespace vostrel
