#pragma once
// The program's real message boxes, seen and answered from outside the code
// under test, as a player would: a watcher thread finds each box that the
// user-interface thread shows, reads it off the screen and clicks one of its
// buttons with the real mouse. Nothing of the program is replaced.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Application.h"
#include "WindowReader.h"

struct TShownBox {
  std::wstring Caption;
  std::wstring Text;
  HICON Icon = nullptr;  // the icon it shows, or null
  std::vector<std::wstring> Buttons;
};

class TBoxAnswerer {
 public:
  // Watches the windows of the calling thread; answers each box by clicking
  // the button captioned `button`.
  explicit TBoxAnswerer(std::wstring button = L"OK")
      : FButton(std::move(button)), FThreadId(GetCurrentThreadId()), FWatcher([this] { Watch(); }) {}
  ~TBoxAnswerer() {
    FStop = true;
    FWatcher.join();
  }
  TBoxAnswerer(const TBoxAnswerer&) = delete;
  TBoxAnswerer& operator=(const TBoxAnswerer&) = delete;

  std::vector<TShownBox> Boxes() const {
    std::lock_guard lock(FMutex);
    return FBoxes;
  }
  std::size_t Count() const { return Boxes().size(); }

 private:
  // What a box shows, and its button captioned `wanted` (or null): read
  // without waiting on a user-interface thread that is busy (it may be
  // joining this one).
  static TShownBox Read(HWND box, const std::wstring& wanted, HWND& target) {
    const TMessageBoxView view = ReadMessageBox(box);
    TShownBox shown{view.Caption, {}, view.Icon, {}};
    for (const std::wstring& text : view.Texts) shown.Text += text;
    for (HWND button : view.Buttons) {
      shown.Buttons.push_back(TextOf(button));
      if (shown.Buttons.back() == wanted) target = button;
    }
    return shown;
  }

  static void Click(HWND button) {
    const RECT r = ScreenRect(button);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Sleep(30);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
  }

  void Watch() {
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
          if (target) Click(target);
          Sleep(100);
        }
      }
      Sleep(20);
    }
  }

  std::wstring FButton;
  DWORD FThreadId;
  std::atomic<bool> FStop{false};
  mutable std::mutex FMutex;
  std::vector<TShownBox> FBoxes;
  std::thread FWatcher;  // last: starts once everything else is in place
};

// Counts the program's beeps while it lives. A beep cannot be seen from
// outside, so here alone the program's hook stands in for the platform.
struct TBeepCounter {
  int Beeps = 0;
  TBeepCounter() {
    Application().SetBeepHook([this](UINT) { ++Beeps; });
  }
  ~TBeepCounter() { Application().SetBeepHook(nullptr); }
  TBeepCounter(const TBeepCounter&) = delete;
  TBeepCounter& operator=(const TBeepCounter&) = delete;
};
