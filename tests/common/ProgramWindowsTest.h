#pragma once
// The program's two windows as it starts them, the main window shown, for
// the tests of the windows and their commands.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "Startup.h"

class TProgramWindowsTest : public testing::Test {
 protected:
  void SetUp() override;

  // The tile buttons a player sees.
  std::vector<HWND> ShownTiles() const;

  TProgramWindows windows;
  TForm1* const form1 = &windows.MainWindow();
  TForm2* const form2 = &windows.ConfigDialog();
};
