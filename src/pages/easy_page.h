#pragma once
// The Easy page: the two settings that matter most for loading media, with
// pictures. Its values are the Standard page's Media Sensor and Print Method
// rows, handed over both ways by the main window (TakeChoice, PutChoice).

#include <array>
#include <string_view>

#include "pages/binding_check.h"
#include "pages/media_choice.h"
#include "pages/page_pictures.h"
#include "pages/settings_page.h"
#include "res/easy_page_ids.h"

namespace vostrel {

namespace easy_choices {
inline constexpr std::wstring_view kPrintMethod[] = {L"USE RIBBON", L"DIRECT THERMAL"};
}  // namespace easy_choices

// The media index of each model (0 labels with gaps, 1 black marks on back,
// 2 continuous) and the Print Method entry, as the rows' list defaults.
inline constexpr std::array<FieldBinding, 2> EasyBindings = {{
    // The media type's value is the radio group, not a list.
    {.checkBox = IDC_EASY_MEDIA_CHECK, .listDefault = {2, 1}},
    {.list = IDC_EASY_METHOD_LIST,
     .checkBox = IDC_EASY_METHOD_CHECK,
     .listDefault = {1, 0},
     .available = {0, 1},
     .choices = easy_choices::kPrintMethod},
}};
// The rows' values reach the store through the Standard page.
static_assert(BindingTableIsWellFormed(EasyBindings, kRowsWithoutItems));

class CDlgTabEasy : public SettingsPage {
 public:
  explicit CDlgTabEasy(SettingsStore& store, HINSTANCE instance = nullptr);

  // The current language's captions, labels and Print Method choices.
  void ApplyTexts();
  // Also the media labels in the language.
  ui::DialogTemplate TemplateFor(PrinterModel model, Language language) const override;
  // The enable rule, the model's label for black marks, and the model's media
  // type and Print Method, both unchecked.
  void ApplyModel(PrinterModel model, Language language) override;
  // The pictures for the new DPI.
  void ChangeDpi(int from, int to) override;

  // What the Standard page is to show (the radio buttons read first).
  MediaChoice TakeChoice();
  // Shows what the Standard page holds; a negative index leaves its control
  // as it is.
  void PutChoice(const MediaChoice& choice);

  // 0 labels with gaps, 1 black marks on back, 2 continuous, as last
  // exchanged with the radio buttons.
  int mediaTypeIndex() const { return mediaTypeIndex_; }

 protected:
  bool OnInitDialog() override;
  void ExchangeValues(ui::ValueExchange& exchange) override;
  // A click on a media picture is a click on its radio button.
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int mediaTypeIndex_ = 0;
  ControlPictures pictures_;
};

}  // namespace vostrel
