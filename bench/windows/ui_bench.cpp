// The main window's board commands timed on real windows under the platform:
// « Nouvelle partie » and « Résoudre la grille » at 10 x 10 with 1000 shuffle
// moves. Each command is timed alone; the messages it leaves (painting) are
// handled outside the timed part. Prints one line per command, medians in
// milliseconds.
//   brelix_ui_bench [REPETITIONS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <vector>

#include "Startup.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The median, smallest and largest time of `repetitions` runs, after one not
// counted.
void Time(const char* what, int repetitions, const std::function<void()>& command) {
  std::vector<double> ms;
  for (int i = -1; i < repetitions; ++i) {
    const double start = Now();
    command();
    if (i >= 0) ms.push_back(Now() - start);
    Application().ProcessMessages();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%s: median %.2f ms (min %.2f, max %.2f) over %d runs\n", what, ms[ms.size() / 2], ms.front(),
              ms.back(), repetitions);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int repetitions = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 31;
  TApplication application;
  SetUpApplication(application);
  const TProgramWindows windows;
  TForm1* const form = &windows.MainWindow();
  form->Show();
  form->FreeBoard();
  form->SetConfiguration({10, 10, 1000});
  form->BuildBoard();
  application.ProcessMessages();
  Time("new game 10x10/1000", repetitions, [&] { form->Nouvellepartie1Click(nullptr); });
  Time("solve 10x10", repetitions, [&] { form->Rsoudre1Click(nullptr); });
  return 0;
}
