// A print monitor for the tests: it reports the ports named by the subkeys of
// its own "Ports" key, each with the description held in the monitor key's
// value "Description". The tests install it under the names of the monitors
// whose ports the program tells apart, so that the spooler lists such ports
// exactly as a machine with those monitors would. Wine lists a port with a
// chosen description only through a monitor; it has none of these.
#include <windows.h>
#include <winspool.h>
// After winspool.h, whose types it uses.
#include <winsplp.h>

#include <cwchar>
#include <new>
#include <string>
#include <vector>

namespace {

struct Instance {
  HKEY root = nullptr;
};

std::wstring ReadDescription(HKEY root) {
  wchar_t text[256] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (::RegQueryValueExW(root, L"Description", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return L"Vostrel Test Port";
  }
  return text;
}

std::vector<std::wstring> ReadPortNames(HKEY root) {
  std::vector<std::wstring> names;
  HKEY ports = nullptr;
  if (::RegOpenKeyExW(root, L"Ports", 0, KEY_READ, &ports) != ERROR_SUCCESS) return names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD length = 256;
    const LONG result = ::RegEnumKeyExW(ports, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) names.emplace_back(name);
  }
  ::RegCloseKey(ports);
  return names;
}

BOOL WINAPI EnumPorts(HANDLE monitor, LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                      LPDWORD returned) {
  if (level != 1 && level != 2) {
    ::SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  const auto* instance = static_cast<const Instance*>(monitor);
  const std::wstring description = ReadDescription(instance->root);
  const std::vector<std::wstring> names = ReadPortNames(instance->root);
  const DWORD record = level == 1 ? sizeof(PORT_INFO_1W) : sizeof(PORT_INFO_2W);
  DWORD total = 0;
  for (const std::wstring& name : names) {
    total += record + static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
    if (level == 2) total += static_cast<DWORD>(2 * (description.size() + 1) * sizeof(wchar_t));
  }
  *needed = total;
  *returned = 0;
  if (buffer == nullptr || size < total) {
    ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* text = reinterpret_cast<wchar_t*>(buffer + record * names.size());
  auto put = [&text](const std::wstring& value) {
    wchar_t* start = text;
    std::wmemcpy(text, value.c_str(), value.size() + 1);
    text += value.size() + 1;
    return start;
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (level == 1) {
      reinterpret_cast<PORT_INFO_1W*>(buffer)[i].pName = put(names[i]);
    } else {
      PORT_INFO_2W& info = reinterpret_cast<PORT_INFO_2W*>(buffer)[i];
      info.pPortName = put(names[i]);
      info.pMonitorName = put(description);
      info.pDescription = put(description);
      info.fPortType = PORT_TYPE_WRITE;
      info.Reserved = 0;
    }
  }
  *returned = static_cast<DWORD>(names.size());
  return TRUE;
}

void WINAPI Shutdown(HANDLE monitor) {
  auto* instance = static_cast<Instance*>(monitor);
  if (instance->root != nullptr) ::RegCloseKey(instance->root);
  delete instance;
}

}  // namespace

extern "C" __declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT init, PHANDLE monitor) {
  static MONITOR2 functions = [] {
    MONITOR2 table{};
    table.cbSize = sizeof table;
    table.pfnEnumPorts = &EnumPorts;
    table.pfnShutdown = &Shutdown;
    return table;
  }();
  auto* instance = new (std::nothrow) Instance;
  if (instance == nullptr || init == nullptr) return nullptr;
  // The spooler closes the key it hands in once the monitor is loaded.
  if (::RegOpenKeyExW(static_cast<HKEY>(init->hckRegistryRoot), nullptr, 0, KEY_READ, &instance->root) !=
      ERROR_SUCCESS) {
    delete instance;
    return nullptr;
  }
  *monitor = instance;
  return &functions;
}
