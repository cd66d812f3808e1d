#pragma once
// Drives the About dialog while Execute holds it modal: a thread timer, set
// before the modal call, finds the shown dialog and hands it to an action,
// which reads it and closes it.

#include <windows.h>

#include <functional>

#include "AboutForm.h"
#include "LoopTimer.h"

class TAboutDriver {
 public:
  using Action = std::function<void(TFAbout& dialog)>;

  explicit TAboutDriver(Action action);

  int Runs() const { return FRuns; }

  // The shown About dialog of this thread, or null.
  static TFAbout* ShownDialog();
  // Whether any About dialog window still exists on this thread.
  static bool AnyDialogWindow();

 private:
  void Tick();

  Action FAction;
  int FRuns = 0;
  TLoopTimer FTimer;  // last: ticks once everything else is in place
};

// Closings of the dialog, as a user does them.
void ClickOk(TFAbout& dialog);
void CloseBox(TFAbout& dialog);
