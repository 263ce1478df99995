// The program's entry point: the application object runs the main window and
// its exit code ends the process.
#include <windows.h>

#include <memory>

#include "app/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const auto app = std::make_unique<vostrel::CDrennicApp>();
  return app->Run();
}
