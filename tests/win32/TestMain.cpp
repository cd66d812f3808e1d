// The Windows tests run with one application object, set up as the
// program's.

#include <gtest/gtest.h>

#include "Startup.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  TApplication application;
  SetUpApplication(application);
  return RUN_ALL_TESTS();
}
