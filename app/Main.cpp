// Brelix: start-up, the message loop, shutdown.

#include <windows.h>

#include <memory>

#include "Application.h"
#include "MainForm.h"
#include "hh.h"
#include "hh_funcs.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Modules initialise in order and finalise in reverse, after the windows:
  // the toolkit, then the help layer.
  TApplication application;
  // help-layer modules: the HTML Help engine (hh), then the probe (hh_funcs)
  THelpEngineUnit helpEngine;
  THelpProbeUnit helpProbe;  // declared after the engine: finalises before it
  application.SetTitle(L"Brelix 1.0");
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  try {
    form1 = std::make_unique<TForm1>(nullptr);
    form2 = std::make_unique<TForm2>(nullptr, [&form1] { return form1->Configuration(); });
    form1->SetConfigDialog(form2.get());
  } catch (...) {
    application.HandleException();
    return 1;
  }
  const int exitCode = application.Run();
  // Windows go before the modules finalise.
  form1->SetConfigDialog(nullptr);
  form2.reset();
  form1.reset();
  return exitCode;
}
