#include "ui/com_settings_dialog.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "i18n/text_entries.h"
#include "i18n/text_table.h"
#include "res/com_settings_dialog_ids.h"
#include "ui/controls.h"

namespace vostrel {
namespace {

// One row of the dialog: its label, its list, the text entry with the
// label's caption and the list's choices, and which choice shows a record.
struct SerialRow {
  int labelId;
  int listId;
  TextEntryName textEntry;
  int (*choiceOf)(const PreferencesRecord&);
};

constexpr std::array<SerialRow, 5> kSerialRows{{
    {IDC_COM_BAUD_LABEL, IDC_COM_BAUD_LIST, kEntrySerialBaudRate,
     [](const PreferencesRecord& p) {
       switch (p.baudRate) {
         case 9600: return 0;
         case 19200: return 1;
         case 38400: return 2;
         case 57600: return 3;
       }
       return 4;  // 115200 for any other rate
     }},
    {IDC_COM_DATA_BITS_LABEL, IDC_COM_DATA_BITS_LIST, kEntrySerialDataBits,
     [](const PreferencesRecord& p) { return p.dataBits == 7 ? 0 : 1; }},
    {IDC_COM_STOP_BITS_LABEL, IDC_COM_STOP_BITS_LIST, kEntrySerialStopBits,
     [](const PreferencesRecord& p) { return p.stopBitsCode == 0 ? 0 : 1; }},
    {IDC_COM_PARITY_LABEL, IDC_COM_PARITY_LIST, kEntrySerialParity,
     [](const PreferencesRecord& p) { return p.parityCode == 2   ? 2
                                             : p.parityCode == 1 ? 1
                                                                 : 0; }},
    {IDC_COM_FLOW_LABEL, IDC_COM_FLOW_LIST, kEntrySerialFlowControl,
     [](const PreferencesRecord& p) { return p.flowControl == L"X"   ? 0
                                             : p.flowControl == L"H" ? 1
                                                                     : 2; }},
}};

const TextEntry& EntryOf(const SerialRow& row) { return ControlTextEntry(row.textEntry); }

// The current-language text of choice `index` of an entry's list.
std::wstring ChoiceText(TextEntryName entry, std::int32_t index) {
  return GetText(ControlTextEntry(entry).choices, index);
}

std::int32_t DecimalOf(const std::wstring& text) {
  return static_cast<std::int32_t>(std::wcstol(text.c_str(), nullptr, 10));
}

// Centred on the window that opened it, as far as the work area of that
// window's monitor allows.
void CentreOnOwner(HWND dialog) {
  const HWND owner = ::GetWindow(dialog, GW_OWNER);
  RECT ownerRect{};
  RECT rect{};
  if (!owner || !::GetWindowRect(owner, &ownerRect) || !::GetWindowRect(dialog, &rect)) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int x = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
  int y = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));
  }
  ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CComSettingsDlg::CComSettingsDlg(PreferencesRecord& currentPrefs, HINSTANCE instance)
    : ui::Dialog(IDD_COM_SETTINGS, instance), currentPrefs_(currentPrefs) {}

bool CComSettingsDlg::OnInitDialog() {
  for (const SerialRow& row : kSerialRows) {
    const ui::ComboBox list(Item(row.listId));
    list.Clear();
    const TextRange& choices = EntryOf(row).choices;
    for (std::int32_t i = 0; i < choices.count; ++i) {
      list.Add(CellText(RowOf(choices, i), Language::English));
    }
    list.Select(row.choiceOf(currentPrefs_));
  }
  ApplyTexts();
  UpdateValues(ui::ValueExchange::Direction::Push);
  CentreOnOwner(hwnd());
  return true;
}

void CComSettingsDlg::ApplyTexts() {
  const std::wstring title = GetText(ControlTextEntry(kEntrySerialTitle).caption, 0);
  ::SetWindowTextW(hwnd(), title.c_str());
  groupText_ = title;
  for (std::size_t i = 0; i < kSerialRows.size(); ++i) {
    const SerialRow& row = kSerialRows[i];
    labelTexts_[i] = GetText(EntryOf(row).caption, 0);
    const ui::ComboBox list(Item(row.listId));
    const int selected = list.Selected();
    list.Clear();
    const TextRange& choices = EntryOf(row).choices;
    for (std::int32_t c = 0; c < choices.count; ++c) list.Add(GetText(choices, c));
    list.Select(selected);
  }
}

void CComSettingsDlg::ExchangeValues(ui::ValueExchange& exchange) {
  for (std::size_t i = 0; i < kSerialRows.size(); ++i) exchange.Text(kSerialRows[i].labelId, labelTexts_[i]);
  exchange.Text(IDC_COM_GROUP, groupText_);
}

bool CComSettingsDlg::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_COM_OK) {
    OnOK();
    return true;
  }
  if (id == IDC_COM_CANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void CComSettingsDlg::OnOK() {
  StoreSelection();
  EndModal(IDOK);
}

void CComSettingsDlg::StoreSelection() {
  const auto text = [this](int listId) { return ui::ComboBox(Item(listId)).SelectedText(); };
  currentPrefs_.baudRate = DecimalOf(text(IDC_COM_BAUD_LIST));
  currentPrefs_.dataBits = static_cast<std::uint8_t>(DecimalOf(text(IDC_COM_DATA_BITS_LIST)));
  currentPrefs_.stopBitsCode = text(IDC_COM_STOP_BITS_LIST) == L"1" ? 0 : 2;
  // Parity and flow are told apart by the texts the lists show now.
  const std::wstring parity = text(IDC_COM_PARITY_LIST);
  currentPrefs_.parityCode = parity == ChoiceText(kEntrySerialParity, 0)   ? 0
                             : parity == ChoiceText(kEntrySerialParity, 1) ? 1
                                                                           : 2;
  const std::wstring flow = text(IDC_COM_FLOW_LIST);
  currentPrefs_.flowControl = flow == ChoiceText(kEntrySerialFlowControl, 1)   ? L"H"
                              : flow == ChoiceText(kEntrySerialFlowControl, 0) ? L"X"
                                                                               : L"N";
}

}  // namespace vostrel
