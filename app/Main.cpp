// Brelix: start-up, the message loop, shutdown.

#include <windows.h>

#include <memory>

#include "Application.h"
#include "MainForm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Modules initialise in order and finalise in reverse, after the windows:
  // the toolkit, then the help layer.
  TApplication application;
  // help-layer modules: the HTML Help engine (hh), then the probe (hh_funcs)
  application.SetTitle(L"Brelix 1.0");
  std::unique_ptr<TForm1> form1;
  try {
    form1 = std::make_unique<TForm1>(nullptr);
  } catch (...) {
    application.HandleException();
    return 1;
  }
  application.Run();
  // Windows go before the modules finalise.
  form1.reset();
  return 0;
}
