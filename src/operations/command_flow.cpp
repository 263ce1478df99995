#include "operations/command_flow.h"

#include <commdlg.h>

#include "i18n/language.h"
#include "link/link_types.h"
#include "pages/advanced_page.h"
#include "pages/easy_page.h"
#include "pages/standard_page.h"
#include "platform/module_path.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"

namespace vostrel {
namespace {

ui::FileDialogRequest SettingsFileRequest(const CommandContext& context, DWORD flags) {
  ui::FileDialogRequest request;
  request.owner = context.owner;
  request.filter = GetText(Row(MessageRow::kFileFilter));
  const std::wstring& folder = context.prefs.defaultFolder;
  // "folder\." names the folder itself.
  request.initialFolder = (folder.empty() ? ExeFolder() : folder) + L".";
  request.defaultExtension = L"prn";
  request.flags = flags;
  return request;
}

std::optional<std::wstring> Remembered(const CommandContext& context, std::optional<std::wstring> chosen) {
  if (!chosen) return chosen;
  const std::size_t backslash = chosen->rfind(L'\\');
  if (backslash != std::wstring::npos) context.prefs.defaultFolder = chosen->substr(0, backslash + 1);
  return chosen;
}

}  // namespace

bool AskYes(const CommandContext& context, TextId question) {
  const int answer = ShowTextMessage(GetText(question), MB_YESNO | MB_ICONEXCLAMATION, context.owner);
  return answer == IDYES || answer == IDOK;
}

void ShowText(const CommandContext& context, TextId text, UINT icon) {
  ShowTextMessage(GetText(text), MB_OK | icon, context.owner);
}

void UncheckSettingsPages(CommandWindow& window) {
  const CommandPages pages = window.Pages();
  if (pages.standard) pages.standard->UncheckAll();
  if (pages.advanced) pages.advanced->UncheckAll();
  if (pages.easy) pages.easy->UncheckAll();
  window.ClearCheckAll();
}

ScriptPreparation PreparationOf(const CommandHost& host) {
  const CommandPages pages = host.window.Pages();
  return ScriptPreparation{host.context.store,
                           *pages.standard,
                           pages.advanced,
                           host.window.AdvancedAccepted(),
                           ScriptContext{CurrentLanguage(), host.context.prefs.model},
                           host.context.owner,
                           &host.context.front};
}

int ScriptSettingCount(std::wstring_view script) {
  int count = 0;
  for (std::size_t start = 0; start < script.size();) {
    std::size_t end = script.find(L'\n', start);
    if (end == std::wstring_view::npos) end = script.size();
    if (script.substr(start, end - start).find(L"\t:\t") != std::wstring_view::npos) ++count;
    start = end + 1;
  }
  return count;
}

int ReadSettingCount(const SettingsStore& store) {
  int count = 0;
  for (const ScriptEntry& entry : store.scriptEntries) {
    if (entry.item && entry.item->selected == 1) ++count;
  }
  return count;
}

std::wstring LinkName(const PreferencesRecord& prefs) {
  switch (prefs.portKind) {
    case PortKind::Prt: return L"queue:" + prefs.portName;
    case PortKind::Com: return L"com:" + prefs.portName;
    case PortKind::Usb: return L"usb:" + prefs.portName;
    case PortKind::Net: return L"net:" + prefs.portName + L":" + prefs.portNumber;
    default: return L"(no link)";
  }
}

PrinterExchange ExchangeOf(const CommandContext& context) {
  return PrinterExchange(context.link, context.prefs, context.clock, context.front, LinkName(context.prefs));
}

DirectPortScope::DirectPortScope(CommandWindow& window)
    : window_(window), queue_(window.LinkChoice() == LinkRadio::Queue) {
  // A queue whose port cannot be reached directly stays chosen; the link
  // then refuses to open it.
  if (queue_) window_.UseDirectPort();
  window_.CollectLinkChoice();
}

void DirectPortScope::Restore() {
  if (!queue_) return;
  queue_ = false;
  window_.UseQueue();
}

std::optional<std::wstring> AskSettingsFileToOpen(const CommandContext& context) {
  return Remembered(context,
                    ui::AskOpenFileName(SettingsFileRequest(
                        context, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_DONTADDTORECENT)));
}

std::optional<std::wstring> AskSettingsFileToSave(const CommandContext& context) {
  return Remembered(context, ui::AskSaveFileName(SettingsFileRequest(
                                 context, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_DONTADDTORECENT)));
}

}  // namespace vostrel
