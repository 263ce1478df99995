#pragma once
// What the main window's command flows share: the question before a
// command, the script preparation on the window's pages, the exchange over the
// context's link, the switch from a printer queue to its port and back, and
// the file dialogs of Import and Export with the folder they remember.

#include <windows.h>

#include <optional>
#include <string>

#include "i18n/text_rows.h"
#include "i18n/text_table.h"
#include "operations/command_host.h"
#include "operations/prepare_script.h"
#include "operations/printer_exchange.h"

namespace vostrel {

// Asks a question of the table (Row(MessageRow::...), GuideText(kGuide...))
// with Yes and No; true for Yes (or OK).
bool AskYes(const CommandContext& context, TextId question);

// Shows a text of the table in an OK box with `icon` (MB_ICONINFORMATION...).
void ShowText(const CommandContext& context, TextId text, UINT icon);

// Clears the row check boxes of the Standard, Advanced and Easy pages and
// the check-all box (IDC_MAIN_CHECK_ALL).
void UncheckSettingsPages(CommandWindow& window);

// The preparation of a script from the window's Standard (and Advanced) page;
// the caller has checked that the Standard page exists.
ScriptPreparation PreparationOf(const CommandHost& host);

// The settings a script sets: its lines of the form "KEY\t:\tVALUE".
int ScriptSettingCount(std::wstring_view script);
// The settings the store holds as read (selected).
int ReadSettingCount(const SettingsStore& store);

// The link of the current preferences in words, for the outcome's details:
// "net:192.168.0.10:9100", "com:COM3", "usb:USB001", "queue:Name".
std::wstring LinkName(const PreferencesRecord& prefs);

// The exchange over the context's link, clock and front.
PrinterExchange ExchangeOf(const CommandContext& context);

// For a command that needs an answer: with a printer queue chosen, switches
// to the port behind it, and back to the queue when Restore runs or the
// object goes, on every path out. Then collects the link choice.
class DirectPortScope {
 public:
  explicit DirectPortScope(CommandWindow& window);
  ~DirectPortScope() { Restore(); }
  DirectPortScope(const DirectPortScope&) = delete;
  DirectPortScope& operator=(const DirectPortScope&) = delete;

  void Restore();

 private:
  CommandWindow& window_;
  bool queue_;
};

// The file dialogs of Import and Export: the program's filter, the
// remembered folder (else the program's own) and "prn" as the extension.
// The chosen path's folder is remembered. Nothing when cancelled.
std::optional<std::wstring> AskSettingsFileToOpen(const CommandContext& context);
std::optional<std::wstring> AskSettingsFileToSave(const CommandContext& context);

}  // namespace vostrel
