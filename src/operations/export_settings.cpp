#include "operations/export_settings.h"

#include <windows.h>

#include "operations/command_flow.h"
#include "pages/calibration_page.h"
#include "pages/easy_page.h"
#include "pages/standard_page.h"
#include "platform/unique_handle.h"
#include "protocol/command_set.h"

namespace vostrel {
namespace {

// The rows to export are ticked and the script is in the store's text
// buffer; false after PrepareScript showed its code.
bool PrepareExport(const CommandHost& host, CDlgTabStandard& standard) {
  const CommandPages pages = host.window.Pages();
  if (host.window.VisiblePage() == PageId::Calibration) {
    // The media chosen for the adjustment, then the lines that start it and
    // save its result.
    UncheckSettingsPages(host.window);
    host.window.HandCalibrationMedia();
    const bool prepared = PrepareScript(PreparationOf(host), ScriptVariant::Calibration);
    standard.UncheckAll();
    return prepared;
  }
  standard.CheckAll();
  const bool prepared = PrepareScript(PreparationOf(host), ScriptVariant::Export);
  standard.ShowSent();
  if (pages.easy) pages.easy->UncheckAll();
  standard.UncheckAll();
  host.window.ClearCheckAll();
  return prepared;
}

// The RFID calibration chosen on the Sensor Adjustment tab: it has no
// script, and its file holds the start command alone, without the prefix.
bool RfidCalibrationChosen(const CommandHost& host) {
  const CDlgTabCalibration* calibration = host.window.Pages().calibration;
  return host.window.VisiblePage() == PageId::Calibration && calibration &&
         calibration->calibMediaIndex() == CDlgTabCalibration::kRfidMedia;
}

// Whether `target` could be opened for writing now: false for a read-only
// file or one held open elsewhere without sharing. A missing file can be.
bool TargetWritable(const std::filesystem::path& target) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
  const ScopedHandle file(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid();
}

}  // namespace

bool ReplaceFileWith(const std::filesystem::path& target, std::string_view bytes) {
  if (!TargetWritable(target)) return false;
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = L".";
  wchar_t temporary[MAX_PATH] = {};
  if (::GetTempFileNameW(folder.c_str(), L"vst", 0, temporary) == 0) return false;

  bool written = false;
  {
    const ScopedHandle file(
        ::CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) {
      DWORD count = 0;
      written = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) &&
                count == bytes.size() && ::FlushFileBuffers(file.get());
    }
  }
  if (written && ::MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  ::DeleteFileW(temporary);
  return false;
}

void ExportSettings(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  store.ClearValues();
  CDlgTabStandard* standard = host.window.Pages().standard;
  const bool rfid = RfidCalibrationChosen(host);
  if (standard == nullptr || (!rfid && !PrepareExport(host, *standard))) return;

  const std::optional<std::wstring> path = AskSettingsFileToSave(host.context);
  if (!path) return;
  bool written = false;
  if (rfid) {
    written = ReplaceFileWith(std::filesystem::path(*path), kRfidCalibrationStart);
  } else {
    SendBuffer buffer;
    const Outgoing outgoing = BuildOutgoing(buffer, store.textBuffer, PrefixUse::WithPrefix);
    written = outgoing.status == OutgoingStatus::Ready &&
              ReplaceFileWith(std::filesystem::path(*path), std::string_view(buffer.data(), outgoing.byteCount));
  }
  if (!written) {
    host.context.front.ShowOutcome({ResultCode::kExportFailed, kLinkOk, L"the file '" + *path + L"' was not written"});
    return;
  }
  host.window.ReportDone(CommandDone(CommandDoneKind::Exported, 0, *path));
}

}  // namespace vostrel
