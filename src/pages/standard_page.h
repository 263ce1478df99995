#pragma once
// The Standard page: the 26 settings that Send Configuration can send, with
// the exchange of Print Method and Media Sensor with the Easy page and the
// saved copies of its edits.

#include <array>
#include <string>

#include "pages/media_choice.h"
#include "pages/settings_page.h"
#include "pages/standard_bindings.h"

namespace vostrel {

class CDlgTabStandard : public SettingsPage {
 public:
  static constexpr int kScrollMaximum = 430;
  static constexpr int kScrollPage = 300;
  // The edits whose texts the page keeps a saved copy of, in this order.
  static constexpr std::array<int, 10> kSavedEdits = {
      IDC_STD_PRINT_DARKNESS_EDIT, IDC_STD_MEDIA_LENGTH_EDIT, IDC_STD_SENSOR_LEVEL_EDIT, IDC_STD_PAPER_END_LEVEL_EDIT,
      IDC_STD_HOST_NAME_EDIT,      IDC_STD_PORT_NUMBER_EDIT,  IDC_STD_TIMEOUT_EDIT,      IDC_STD_IPV6_ADDRESS_EDIT,
      IDC_STD_IPV6_PREFIX_EDIT,    IDC_STD_IPV6_GATEWAY_EDIT};

  explicit CDlgTabStandard(SettingsStore& store, HINSTANCE instance = nullptr);

  // The current language's texts: the group captions, each row's caption and
  // its choices (Print Speed all nine speeds, until ApplyModel rebuilds it).
  void ApplyTexts();
  // Also the group captions in the language, and the hidden and read-only
  // controls so.
  ui::DialogTemplate TemplateFor(PrinterModel model, Language language) const override;
  // The enable rule, the Print Speed list of the model, the reset (the saved
  // copies of the edits too), and the Media Sensor choice shown in its
  // read-only field.
  void ApplyModel(PrinterModel model, Language language) override;
  bool ShowStored() override;
  // After a send or an export: the rows of the selected items checked, their
  // values (IPv6 addresses in colon form again) in the edits.
  void ShowSent();
  // The reset of the model last applied, except Print Method and Media Sensor.
  void ResetKeepShared();
  // Copies the ten edits into their saved copies and returns the Media
  // Sensor and Print Method rows (with the media length and its unit).
  MediaChoice TakeShared();
  // Sets the Media Sensor and Print Method rows from the Easy page (a
  // negative index leaves that list as it is), then puts the ten saved copies
  // back into their edits.
  void PutShared(const MediaChoice& choice);
  // Before the last settings are saved at exit: every row checked, its check
  // box hidden.
  void SelectAllForSave();
  // Shows the Media Sensor list's current text in the read-only field.
  void ShowMediaSensorText();

  const std::array<std::wstring, 10>& savedEdits() const { return saved_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void ExchangeValues(ui::ValueExchange& exchange) override;

 private:
  void RebuildPrintSpeedList(PrinterModel model);

  PrinterModel model_ = PrinterModel::Vx120Zkq;
  std::array<std::wstring, 10> saved_{};
};

}  // namespace vostrel
