// The Windows tests run with one application object, as the program does.

#include <gtest/gtest.h>

#include "Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  TApplication application;
  application.SetTitle(L"Brelix 1.0");
  return RUN_ALL_TESTS();
}
