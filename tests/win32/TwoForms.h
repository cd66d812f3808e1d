#pragma once
// The main window shown with its configuration dialog attached, as the
// program starts them; torn down dialog first.

#include <gtest/gtest.h>

#include <memory>

#include "ConfigForm.h"
#include "MainForm.h"
#include "WindowProbe.h"

class TTwoFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    form1 = TForm::New<TForm1>(nullptr);
    form2 = TForm::New<TForm2>(nullptr, [this] { return form1->Configuration(); });
    form1->SetConfigDialog(form2.get());
    form1->Show();
    Pump(50);
  }
  void TearDown() override {
    form1->SetConfigDialog(nullptr);
    form2.reset();
    form1.reset();
  }

  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
};
