#pragma once
// Drives the About dialog while Execute holds it modal: a thread timer, set
// before the modal call, finds the shown dialog and hands it to an action,
// which reads it and closes it.

#include <windows.h>

#include <functional>

#include "AboutForm.h"

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
    EnumThreadWindows(GetCurrentThreadId(), FindShown, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  // Whether any About dialog window still exists on this thread.
  static bool AnyDialogWindow() {
    bool any = false;
    EnumThreadWindows(GetCurrentThreadId(), FindAny, reinterpret_cast<LPARAM>(&any));
    return any;
  }

 private:
  // Window enumeration callbacks: the platform's calling convention, which a
  // lambda does not have on i686.
  static BOOL CALLBACK FindShown(HWND hwnd, LPARAM data) {
    TFAbout* dialog = AboutForm(hwnd);
    if (dialog && IsWindowVisible(hwnd)) *reinterpret_cast<TFAbout**>(data) = dialog;
    return TRUE;
  }
  static BOOL CALLBACK FindAny(HWND hwnd, LPARAM data) {
    if (AboutForm(hwnd)) *reinterpret_cast<bool*>(data) = true;
    return TRUE;
  }
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
