#pragma once
// What the program, its tests and its benchmark start alike: the
// application's title and icon, and the two windows wired together.

#include <memory>

#include "Application.h"
#include "ConfigForm.h"
#include "MainForm.h"

// Gives the application the program's title (its error boxes' caption) and
// icon (its windows').
void SetUpApplication(TApplication& application);

// The main window and the configuration dialog, created in that order (the
// first form created becomes the main form), the dialog reading the main
// window's configuration. Torn down dialog first, unlinked before it goes.
class TProgramWindows {
 public:
  TProgramWindows();
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

  TForm1& MainWindow() const { return *FMainWindow; }
  TForm2& ConfigDialog() const { return *FConfigDialog; }

 private:
  std::unique_ptr<TForm1> FMainWindow;
  std::unique_ptr<TForm2> FConfigDialog;  // after the main window: destroyed before it
};
