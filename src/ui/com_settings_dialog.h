#pragma once
// The serial settings dialog: baud rate, data bits, stop bits, parity and
// flow control of a COM link. It starts from the record it is given and
// stores the choices into it only on OK; Cancel leaves it alone.

#include <windows.h>

#include <string>

#include "prefs/preferences.h"
#include "ui/dialog.h"

namespace vostrel {

class CComSettingsDlg : public ui::Dialog {
 public:
  explicit CComSettingsDlg(PreferencesRecord& currentPrefs, HINSTANCE instance = nullptr);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void ExchangeValues(ui::ValueExchange& exchange) override;

 private:
  void ApplyTexts();
  void StoreSelection();

  PreferencesRecord& currentPrefs_;
  // The texts the data exchange puts on the group box and the five labels.
  std::wstring groupText_;
  std::wstring labelTexts_[5];
};

}  // namespace vostrel
