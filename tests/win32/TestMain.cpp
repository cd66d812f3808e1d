// The Windows tests run with one application object, as the program does.

#include <gtest/gtest.h>

#include "Application.h"
#include "resource.h"
#include "version.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  TApplication application;
  application.SetTitle(kBrelixTitle);
  application.SetIconName(RESOURCE_NAME(RES_MAIN_ICON));
  return RUN_ALL_TESTS();
}
