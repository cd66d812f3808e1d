#include "AboutDriver.h"

#include "WindowReader.h"

namespace {

// The About box behind a top-level window, known by its layout's name.
TFAbout* AboutForm(HWND hwnd) {
  TWinControl* control = TWinControl::FromHandle(hwnd);
  return control && control->IsForm() && control->Name() == L"FAbout" ? static_cast<TFAbout*>(control) : nullptr;
}

}  // namespace

TAboutDriver::TAboutDriver(Action action) : FAction(std::move(action)), FTimer(20, [this] { Tick(); }) {}

TFAbout* TAboutDriver::ShownDialog() {
  TFAbout* found = nullptr;
  for (HWND hwnd : ThreadWindows(GetCurrentThreadId()))
    if (TFAbout* dialog = AboutForm(hwnd); dialog && IsWindowVisible(hwnd)) found = dialog;
  return found;
}

bool TAboutDriver::AnyDialogWindow() {
  for (HWND hwnd : ThreadWindows(GetCurrentThreadId()))
    if (AboutForm(hwnd)) return true;
  return false;
}

void TAboutDriver::Tick() {
  TFAbout* dialog = ShownDialog();
  // Closings are sent, not posted: once one has run, the result is set
  // and the modal loop ends before another tick.
  if (!dialog || !dialog->IsModal() || dialog->ModalResult() != mrNone) return;
  ++FRuns;
  FAction(*dialog);
}

void ClickOk(TFAbout& dialog) { SendMessageW(dialog.Button1->Handle(), BM_CLICK, 0, 0); }
void CloseBox(TFAbout& dialog) { SendMessageW(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }
