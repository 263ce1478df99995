#include "pages/print_page.h"

#include <commdlg.h>

#include "i18n/text_entries.h"
#include "i18n/text_rows.h"
#include "platform/module_path.h"
#include "ui/controls.h"
#include "ui/file_dialog.h"

namespace vostrel {
namespace {

constexpr SlotPicture kSamples[] = {{IDC_PRINT_SELF_TEST_SLOT, IDB_PRINT_SELF_TEST},
                                    {IDC_PRINT_SAMPLE_SLOT, IDB_PRINT_SAMPLE}};

// The self-test printout of each model, in model order.
constexpr std::array<int, 2> kSelfTestPrintout = {IDB_PRINT_SELF_TEST, IDB_PRINT_SELF_TEST_VX135};

// The captions and their rows of the Print page's texts.
struct Caption {
  int control;
  PrintPageEntryName entry;
};
constexpr Caption kCaptions[] = {{IDC_PRINT_SELF_TEST_RADIO, kPrintEntrySelfTest},
                                 {IDC_PRINT_SAMPLE_RADIO, kPrintEntrySample},
                                 {IDC_PRINT_FILE_RADIO, kPrintEntrySendFile},
                                 {IDC_PRINT_EXECUTE, kPrintEntryExecute},
                                 {IDC_PRINT_BROWSE, kPrintEntryBrowse}};

}  // namespace

CDlgTabPrint::CDlgTabPrint(SettingsStore& store, PreferencesRecord& prefs, HINSTANCE instance)
    : SettingsPage(IDD_PAGE_PRINT, {}, store, PageLayout{0, 0, IDC_MAIN_PRINT_ACTION}, instance), prefs_(prefs) {
  // The pictures are nearly as tall as the page: at another font or DPI they
  // are made smaller to end inside it.
  samples_.Load(instance, kSamples, PictureFit::InsidePage);
}

void CDlgTabPrint::ExchangeValues(ui::ValueExchange& exchange) {
  // The radio buttons' ids are not consecutive.
  if (exchange.pulling()) {
    printModeIndex_ = -1;
    for (size_t i = 0; i < kActionRadios.size(); ++i) {
      if (ui::CheckBox(Item(kActionRadios[i])).IsChecked()) {
        printModeIndex_ = static_cast<int>(i);
        break;
      }
    }
  } else {
    for (size_t i = 0; i < kActionRadios.size(); ++i) {
      ui::CheckBox(Item(kActionRadios[i])).SetChecked(static_cast<int>(i) == printModeIndex_);
    }
  }
}

void CDlgTabPrint::ApplyTexts() {
  for (const Caption& caption : kCaptions) {
    ui::Control(Item(caption.control)).SetText(GetText(PrintPageEntry(caption.entry).caption, 0));
  }
  ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CDlgTabPrint::ApplyModel(PrinterModel model, Language) {
  printModeIndex_ = 0;
  samples_.SetPicture(IDC_PRINT_SELF_TEST_SLOT, kSelfTestPrintout[ModelSlot(model)]);
  UpdateValues(ui::ValueExchange::Direction::Push);
  ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::wstring CDlgTabPrint::filePathText() const { return ui::Control(Item(IDC_PRINT_FILE_PATH)).Text(); }

bool CDlgTabPrint::Browse() {
  ui::FileDialogRequest request;
  request.owner = hwnd();
  request.filter = GetText(Row(MessageRow::kFileFilter));
  // "folder\." names the folder itself.
  request.initialFolder = (prefs_.defaultFolder.empty() ? ExeFolder() : prefs_.defaultFolder) + L".";
  request.defaultExtension = L"prn";
  request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_DONTADDTORECENT;
  const std::optional<std::wstring> chosen = ui::AskOpenFileName(request);
  if (!chosen) return false;
  store().printFilePath = *chosen;
  const size_t backslash = chosen->rfind(L'\\');
  if (backslash != std::wstring::npos) prefs_.defaultFolder = chosen->substr(0, backslash + 1);
  ui::Control(Item(IDC_PRINT_FILE_PATH)).SetText(*chosen);
  return true;
}

bool CDlgTabPrint::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  for (size_t i = 0; i < kActionRadios.size(); ++i) {
    if (kActionRadios[i] == id) {
      printModeIndex_ = static_cast<int>(i);
      return true;
    }
  }
  switch (id) {
    case IDC_PRINT_BROWSE: Browse(); return true;
    case IDC_PRINT_EXECUTE: ClickParentButton(hwnd(), IDC_MAIN_PRINT_ACTION); return true;
    default: return false;
  }
}

std::optional<INT_PTR> CDlgTabPrint::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    samples_.OnPaint(hwnd());
    return TRUE;
  }
  // The pictures' size follows the page's.
  if (message == WM_SIZE) ::InvalidateRect(hwnd(), nullptr, TRUE);
  return SettingsPage::OnMessage(message, wParam, lParam);
}

}  // namespace vostrel
