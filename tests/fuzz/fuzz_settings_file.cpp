// Arbitrary file contents through the settings file loader: its line ends,
// its accepted starts and the read that follows.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "protocol/command_set.h"
#include "protocol/settings_file.h"
#include "settings/settings_store.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vostrel::SettingsStore store;
  const vostrel::LoadResult result = vostrel::LoadSettingsBytes(store, bytes);
  Require(result != vostrel::LoadResult::NotOpened);

  bool anySelected = false;
  for (const vostrel::SettingItem& item : store.slots) anySelected = anySelected || item.selected != 0;
  // A file whose start is refused is not read at all.
  if (result == vostrel::LoadResult::StartNotAccepted) Require(!anySelected);
  // The full header, or either of its lines, is always accepted.
  if (bytes.starts_with(vostrel::kReplyHeaderFirstPart) || bytes.starts_with(vostrel::kReplyHeaderLastPart)) {
    Require(result == vostrel::LoadResult::Read);
  }
  // What was read came in with CR LF line ends and starts with two header lines.
  if (result == vostrel::LoadResult::Read)
    Require(store.textBuffer.starts_with(L"~!!\r\n") || store.textBuffer.starts_with(L"\r\n"));
  return 0;
}
