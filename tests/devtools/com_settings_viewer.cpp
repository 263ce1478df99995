// Shows the serial settings dialog as the main window's Detail button does,
// for looking at it as a user would. Built and run by
// show_com_settings_dialog.sh; not part of the tests.
#include <windows.h>

#include "i18n/language.h"
#include "prefs/preferences.h"
#include "ui/com_settings_dialog.h"
#include "ui/dialog.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  vostrel::ui::InitDialogControls();
  vostrel::SetCurrentLanguage(vostrel::Language::Japanese);
  vostrel::PreferencesRecord prefs;
  prefs.baudRate = 19200;
  prefs.flowControl = L"H";
  vostrel::CComSettingsDlg dialog(prefs, instance);
  return static_cast<int>(dialog.RunModal(nullptr));
}
