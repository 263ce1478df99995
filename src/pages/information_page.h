#pragma once
// The Information page: the serial number and the three counters of the
// connected printer, as the last Receive stored them. It holds no settings.

#include <array>

#include "pages/settings_page.h"
#include "res/information_page_ids.h"

namespace vostrel {

class CDlgTabInformation : public SettingsPage {
 public:
  // The value labels, in the order of the store's information slots.
  static constexpr std::array<int, 4> kValueLabels = {IDC_INFO_SERIAL_VALUE, IDC_INFO_PRINT_VALUE,
                                                      IDC_INFO_SERVICE_VALUE, IDC_INFO_CUT_VALUE};

  explicit CDlgTabInformation(SettingsStore& store, HINSTANCE instance = nullptr);

  // The group caption and the four captions in the current language.
  void ApplyTexts();
  // Empties the four values, on the page and in the store (also before a
  // Receive reads the printer's answer).
  void ApplyModel(PrinterModel model, Language language) override;
  // Shows the four stored values exactly as they stand. Always true.
  bool ShowStored() override;

 private:
  std::array<SettingItem*, 4> InfoItems();
  // The hint IDC_INFO_HINT, shown while every value is empty.
  void ShowHintIfEmpty();
};

}  // namespace vostrel
