#pragma once
// The main window alone, created and shown as the program shows it, for the
// tests of its board and commands.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MainForm.h"
#include "WindowProbe.h"

class TMainFormTest : public testing::Test {
 protected:
  void SetUp() override {
    form = TForm::New<TForm1>(nullptr);
    form->Show();
    Pump(50);
  }
  void TearDown() override { form.reset(); }

  // The tile buttons a player sees.
  std::vector<HWND> ShownTiles() {
    std::vector<HWND> shown;
    for (HWND b : ChildrenOfClass(form->Handle(), L"Button"))
      if (IsWindowVisible(b)) shown.push_back(b);
    return shown;
  }

  std::unique_ptr<TForm1> form;
};
