#pragma once
// Drives the About dialog while Execute holds it modal: a thread timer, set
// before the modal call, finds the shown dialog and hands it to an action,
// which reads it and closes it.

#include <windows.h>

#include <functional>

#include "AboutForm.h"
#include "WindowReader.h"

class TAboutDriver {
 public:
  using Action = std::function<void(TFAbout& dialog)>;

  explicit TAboutDriver(Action action) : FAction(std::move(action)) {
    Current() = this;
    FTimer = SetTimer(nullptr, 0, 20, Tick);
  }
  ~TAboutDriver() {
    KillTimer(nullptr, FTimer);
    Current() = nullptr;
  }
  TAboutDriver(const TAboutDriver&) = delete;
  TAboutDriver& operator=(const TAboutDriver&) = delete;

  int Runs() const { return FRuns; }

  // The shown About dialog of this thread, or null.
  static TFAbout* ShownDialog() {
    TFAbout* found = nullptr;
    for (HWND hwnd : ThreadWindows(GetCurrentThreadId()))
      if (TFAbout* dialog = AboutForm(hwnd); dialog && IsWindowVisible(hwnd)) found = dialog;
    return found;
  }

  // Whether any About dialog window still exists on this thread.
  static bool AnyDialogWindow() {
    for (HWND hwnd : ThreadWindows(GetCurrentThreadId()))
      if (AboutForm(hwnd)) return true;
    return false;
  }

 private:
  // The About box behind a top-level window, known by its layout's name.
  static TFAbout* AboutForm(HWND hwnd) {
    TWinControl* control = TWinControl::FromHandle(hwnd);
    return control && control->IsForm() && control->Name() == L"FAbout" ? static_cast<TFAbout*>(control) : nullptr;
  }

  static TAboutDriver*& Current() {
    static TAboutDriver* current = nullptr;
    return current;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TAboutDriver* self = Current();
    if (!self) return;
    TFAbout* dialog = ShownDialog();
    // Closings are sent, not posted: once one has run, the result is set
    // and the modal loop ends before another tick.
    if (!dialog || !dialog->IsModal() || dialog->ModalResult() != mrNone) return;
    ++self->FRuns;
    self->FAction(*dialog);
  }

  Action FAction;
  UINT_PTR FTimer = 0;
  int FRuns = 0;
};

// Closings of the dialog, as a user does them.
inline void ClickOk(TFAbout& dialog) { SendMessageW(dialog.Button1->Handle(), BM_CLICK, 0, 0); }
inline void CloseBox(TFAbout& dialog) { SendMessageW(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }
