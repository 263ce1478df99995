#pragma once
// The main window: the model list, the link choice, the command buttons and
// the page tabs. It restores the last link and settings when it opens and
// asks before it closes. Which control runs which command is one table
// (kCommands in the .cpp).

#include <windows.h>

#include <filesystem>
#include <memory>

#include "app/dpi_change.h"
#include "app/link_choice.h"
#include "app/picker_tooltip.h"
#include "app/status_strip.h"
#include "app/tab_host.h"
#include "app/window_command_host.h"
#include "platform/clock.h"
#include "ui/dialog.h"

namespace vostrel {

class CDrennicApp;

class CDrennicDlg : public ui::Dialog {
 public:
  // The commands wait on `clock` (the system's; a test's own in tests),
  // through the window's busy state.
  explicit CDrennicDlg(CDrennicApp& app, Clock& clock = SystemClock());
  ~CDrennicDlg() override;

  // Sets the language (Japanese) and puts its texts on the window, the tabs
  // and the pages; then the model change.
  void ApplyLanguage();

  // Clears the check-all box (IDC_MAIN_CHECK_ALL).
  void ClearCheckAll();

  CDrennicApp& app() { return app_; }
  // Valid from the window's initialisation on.
  LinkChoice& linkChoice() { return *links_; }
  TabHost& tabs() { return *tabs_; }
  StatusStrip& statusStrip() { return *strip_; }
  // The text of label IDC_MAIN_QUEUE_PORT_TEXT: the port the chosen queue
  // stands on.
  std::wstring QueuePortText() const;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT* result) override;
  // Enter reaches IDC_MAIN_SEND as the default button; neither OK nor Cancel
  // ends this window: only the close flow does.
  void OnOK() override {}
  void OnCancel() override {}
  bool PreTranslateMessage(MSG* message) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct CommandRow;
  static const CommandRow kCommands[];
  using Flow = void (*)(const CommandHost&);

  // Runs a command flow with the window busy: painted, deaf to input but
  // the Cancel of a wait, and followed by the status strip, whose Cancel
  // button goes once the window takes input again.
  void RunFlow(Flow flow);
  // The flow of button IDC_MAIN_SEND: the page's action (kPageButtons); on
  // the Sensor Adjustment tab the RFID calibration when its choice is made.
  Flow MainFlow() const;
  // The link and model in the status strip, as the pickers show them now.
  void ShowLinkInStrip();
  // The window grows by the status strip's height.
  void MakeRoomForStrip();

  void SetIconAndTitle();
  // The tab area is laid out in pixels and the link choice and the buttons
  // in dialog units: with a narrow dialog font the column is moved right,
  // clear of the tab area, and the window widened by as much.
  void KeepRightColumnClear();
  void FillModelList();
  void LoadRecent();
  void OnModelChanged();
  void OnCheckAll();
  void OnClose();
  void OnSize(int cx, int cy);
  void OnMinMaxInfo(MINMAXINFO& info);
  bool PaintMinimized();
  // Ctrl+Tab and the like: another tab, with the focus kept on a control
  // that can be seen.
  void OnStepTab(int steps);
  // WM_DPICHANGED: the window at `dpi` in the suggested rectangle.
  void OnDpiChanged(int dpi, const RECT& suggested);

  void RunSerialSettings();
  void OnQueueRadio() { links_->OnRadio(LinkRadio::Queue); }
  void OnComRadio() { links_->OnRadio(LinkRadio::Com); }
  void OnUsbRadio() { links_->OnRadio(LinkRadio::Usb); }
  void OnNetRadio() { links_->OnRadio(LinkRadio::Net); }

  int Scaled(int pixels) const;

  CDrennicApp& app_;
  Clock& clock_;
  std::unique_ptr<StatusStrip> strip_;
  std::unique_ptr<WindowCommandHost> host_;
  std::unique_ptr<TabHost> tabs_;
  // Set at the end of OnInitDialog: the sizes on the way there are laid out
  // once, at its end.
  bool laidOut_ = false;
  std::unique_ptr<LinkChoice> links_;
  PickerTooltip modelTip_;
  HICON icon_ = nullptr;
  std::filesystem::path recentPath_;
  DpiChange dpiChange_;
};

}  // namespace vostrel
