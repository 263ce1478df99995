#include "app/application.h"

#include "app/main_window.h"
#include "platform/module_path.h"
#include "platform/unique_handle.h"
#include "ui/dialog.h"

namespace vostrel {

CDrennicApp::CDrennicApp() : link(currentPrefs, driverLinkKind, linkClock) {}

PrinterModel CDrennicApp::Model() const {
  for (size_t i = 0; i < modelList.size() && i < 2; ++i) {
    if (modelList[i] == currentPrefs.model) return ModelAt(static_cast<int>(i));
  }
  return PrinterModel::Vx120Zkq;
}

int CDrennicApp::Run() {
  // One copy at a time, per executable name.
  ScopedHandle mutex(::CreateMutexW(nullptr, FALSE, ApplicationName().c_str()));
  if (!mutex) return exitCode = kExitNoMutex;
  const DWORD wait = ::WaitForSingleObject(mutex.get(), 0);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return exitCode = kExitSecondCopy;

  ui::InitDialogControls();

  Preferences preferences = LoadPreferences();
  modelList = std::move(preferences.modelList);
  iniPath = std::move(preferences.iniPath);
  loadedPrefs = preferences.loadedPrefs;
  currentPrefs = preferences.currentPrefs;

  {
    CDrennicDlg window(*this);
    exitCode = static_cast<int>(window.RunModal(nullptr));
    ::ReleaseMutex(mutex.get());
  }
  return exitCode;
}

}  // namespace vostrel
