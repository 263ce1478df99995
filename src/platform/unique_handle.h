#pragma once
// One move-only owner for every kind of Win32 handle: a kind is a traits type
// with the handle type and its close function. A handle counts as held when it
// is neither 0 nor INVALID_HANDLE_VALUE, whatever the API returned on failure.

#include <windows.h>
#include <winsock2.h>
#include <winspool.h>

#include <utility>

namespace vostrel {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  static bool IsValid(Handle handle) {
    return handle != Handle{} && handle != reinterpret_cast<Handle>(INVALID_HANDLE_VALUE);
  }
  bool valid() const { return IsValid(handle_); }
  explicit operator bool() const { return valid(); }
  Handle get() const { return handle_; }

  // For APIs that hand a handle out through a pointer.
  Handle* put() {
    reset();
    return &handle_;
  }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    const Handle old = std::exchange(handle_, handle);
    if (IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_{};
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static void Close(Handle h) { ::CloseHandle(h); }
};
struct RegistryKeyTraits {
  using Handle = HKEY;
  static void Close(Handle h) { ::RegCloseKey(h); }
};
struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static void Close(Handle h) { ::DeleteObject(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static void Close(Handle h) { ::FreeLibrary(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static void Close(Handle h) { ::DeleteDC(h); }
};
struct WindowsHookTraits {
  using Handle = HHOOK;
  static void Close(Handle h) { ::UnhookWindowsHookEx(h); }
};
struct SocketTraits {
  using Handle = SOCKET;
  static void Close(Handle s) { ::closesocket(s); }
};
struct PrinterTraits {
  using Handle = HANDLE;
  static void Close(Handle h) { ::ClosePrinter(h); }
};

using ScopedHandle = UniqueHandle<KernelHandleTraits>;
using ScopedKey = UniqueHandle<RegistryKeyTraits>;
using ScopedGdiObject = UniqueHandle<GdiObjectTraits>;
using ScopedModule = UniqueHandle<ModuleTraits>;
using ScopedPrinter = UniqueHandle<PrinterTraits>;
using ScopedSocket = UniqueHandle<SocketTraits>;

}  // namespace vostrel
