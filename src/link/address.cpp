#include "link/address.h"

#include "prefs/preferences.h"

namespace vostrel {

PortKind ClassifyPortName(std::wstring_view portName) {
  if (portName.starts_with(L"COM") || portName.starts_with(L"TELMARO COM")) return PortKind::Com;
  if (portName.starts_with(L"USB")) return PortKind::Usb;
  return PortKind::None;
}

}  // namespace vostrel
