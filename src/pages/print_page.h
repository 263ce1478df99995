#pragma once
// The Print page: the choice of the print action (the printer's self test, a
// sample print, or a file sent as it stands), pictures of what the first two
// print, and the file for the third. The main window's print action reads
// the choice and the file from here.

#include <array>

#include "pages/page_pictures.h"
#include "pages/settings_page.h"
#include "prefs/preferences.h"
#include "res/print_page_ids.h"

namespace vostrel {

class CDlgTabPrint : public SettingsPage {
 public:
  // The action radio buttons, in printModeIndex order.
  static constexpr std::array<int, 3> kActionRadios = {IDC_PRINT_SELF_TEST_RADIO, IDC_PRINT_SAMPLE_RADIO,
                                                       IDC_PRINT_FILE_RADIO};

  // `prefs` is the record in use: its defaultFolder is where Browse starts,
  // and Browse keeps the folder of the chosen file there.
  CDlgTabPrint(SettingsStore& store, PreferencesRecord& prefs, HINSTANCE instance = nullptr);

  // The current language's captions, and a repaint.
  void ApplyTexts();
  // Back to Self Test, the model's self-test printout beside it, and a
  // repaint. The file path stays.
  void ApplyModel(PrinterModel model, Language language) override;

  // 0 Self Test, 1 Print Sample, 2 Send File.
  int printModeIndex() const { return printModeIndex_; }
  // The path of the file to send, as the edit shows it.
  std::wstring filePathText() const;

  // The file dialog of the Browse button: a chosen file becomes the store's
  // printFilePath and the edit's text, its folder the starting folder of the
  // next dialog. Nothing changes when the user cancels. True when a file was
  // chosen.
  bool Browse();

  // Draws the two sample pictures into `dc` (the page's client coordinates),
  // as every paint of the page does: each at its size at the page's DPI, or
  // smaller (aspect kept) where the page leaves less room below it.
  void PaintPictures(HDC dc) const { samples_.Paint(hwnd(), dc); }
  // The picture beside Self Test or Print Sample (its slot) and where it is
  // painted, in the page's client coordinates.
  int PictureAt(int slot) const { return samples_.PictureAt(slot); }
  RECT PictureRect(int slot) const { return samples_.PictureRect(hwnd(), slot); }

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  void ExchangeValues(ui::ValueExchange& exchange) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  PreferencesRecord& prefs_;
  int printModeIndex_ = 0;
  PagePictures samples_;
};

}  // namespace vostrel
