#include "ProgramWindowsTest.h"

#include "WindowProbe.h"

void TProgramWindowsTest::SetUp() {
  form1->Show();
  Pump(50);
}

std::vector<HWND> TProgramWindowsTest::ShownTiles() const {
  std::vector<HWND> shown;
  for (HWND b : ChildrenOfClass(form1->Handle(), L"Button"))
    if (IsWindowVisible(b)) shown.push_back(b);
  return shown;
}
