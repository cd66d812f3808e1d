#include "BoxAnswerer.h"

#include "Application.h"
#include "WindowProbe.h"

namespace {

// What a box shows, and its button captioned `wanted` (or null): read
// without waiting on a user-interface thread that is busy (it may be
// joining this one).
TShownBox Read(HWND box, const std::wstring& wanted, HWND& target) {
  const TMessageBoxView view = ReadMessageBox(box);
  TShownBox shown{view.Caption, {}, view.Icon, {}};
  for (const std::wstring& text : view.Texts) shown.Text += text;
  for (HWND button : view.Buttons) {
    shown.Buttons.push_back(TextOf(button));
    if (shown.Buttons.back() == wanted) target = button;
  }
  return shown;
}

}  // namespace

TBoxAnswerer::TBoxAnswerer(std::wstring button)
    : FButton(std::move(button)), FThreadId(GetCurrentThreadId()), FWatcher([this] { Watch(); }) {}

TBoxAnswerer::~TBoxAnswerer() {
  FStop = true;
  FWatcher.join();
}

std::vector<TShownBox> TBoxAnswerer::Boxes() const {
  std::lock_guard lock(FMutex);
  return FBoxes;
}

void TBoxAnswerer::Watch() {
  while (!FStop) {
    std::vector<HWND> boxes;
    for (HWND hwnd : ThreadWindows(FThreadId))
      if (IsWindowVisible(hwnd) && IsClass(hwnd, L"#32770")) boxes.push_back(hwnd);
    for (HWND box : boxes) {
      Sleep(50);  // let it draw, as a player looks before clicking
      HWND target = nullptr;
      const TShownBox shown = Read(box, FButton, target);
      {
        std::lock_guard lock(FMutex);
        FBoxes.push_back(shown);
      }
      // Click until it goes: a click can come before the box takes input.
      for (int attempt = 0; attempt < 50 && IsWindow(box) && IsWindowVisible(box) && !FStop; ++attempt) {
        if (target) {
          RealMouse(target, MOUSEEVENTF_LEFTDOWN);
          RealMouse(target, MOUSEEVENTF_LEFTUP);
        }
        Sleep(100);
      }
    }
    Sleep(20);
  }
}

TBeepCounter::TBeepCounter() {
  Application().SetBeepHook([this](UINT) { ++Beeps; });
}

TBeepCounter::~TBeepCounter() { Application().SetBeepHook(nullptr); }
