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
  // A window of another thread: read without waiting on a thread that is
  // busy (the user-interface thread may be joining this one).
  static std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &copied);
    return buffer;
  }
  static std::wstring ClassOf(HWND hwnd) {
    wchar_t buffer[64] = {};
    GetClassNameW(hwnd, buffer, 64);
    return buffer;
  }

  static BOOL CALLBACK CollectBox(HWND hwnd, LPARAM data) {
    if (IsWindowVisible(hwnd) && ClassOf(hwnd) == L"#32770")
      reinterpret_cast<std::vector<HWND>*>(data)->push_back(hwnd);
    return TRUE;
  }

  // What one box shows, and the button to answer it with.
  struct TReading {
    TShownBox Box;
    const std::wstring* Wanted = nullptr;
    HWND Target = nullptr;
  };
  static BOOL CALLBACK ReadChild(HWND child, LPARAM data) {
    auto& reading = *reinterpret_cast<TReading*>(data);
    if (!IsWindowVisible(child)) return TRUE;
    const std::wstring cls = ClassOf(child);
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 1000, &icon);
        reading.Box.Icon = reinterpret_cast<HICON>(icon);
      } else {
        reading.Box.Text += TextOf(child);
      }
    } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
      reading.Box.Buttons.push_back(TextOf(child));
      if (reading.Box.Buttons.back() == *reading.Wanted) reading.Target = child;
    }
    return TRUE;
  }

  static void Click(HWND button) {
    RECT r;
    GetWindowRect(button, &r);
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
      EnumThreadWindows(FThreadId, CollectBox, reinterpret_cast<LPARAM>(&boxes));
      for (HWND box : boxes) {
        Sleep(50);  // let it draw, as a player looks before clicking
        TReading reading;
        reading.Wanted = &FButton;
        reading.Box.Caption = TextOf(box);
        EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&reading));
        {
          std::lock_guard lock(FMutex);
          FBoxes.push_back(reading.Box);
        }
        // Click until it goes: a click can come before the box takes input.
        for (int attempt = 0; attempt < 50 && IsWindow(box) && IsWindowVisible(box) && !FStop; ++attempt) {
          if (reading.Target) Click(reading.Target);
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
