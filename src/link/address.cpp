#include "link/address.h"

#include "prefs/preferences.h"

namespace vostrel {

std::int32_t ClassifyPortName(std::wstring_view portName) {
  if (portName.starts_with(L"COM") || portName.starts_with(L"TELMARO COM")) return kPortKindCom;
  if (portName.starts_with(L"USB")) return kPortKindUsb;
  return kPortKindNone;
}

}  // namespace vostrel
