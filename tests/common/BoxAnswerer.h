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
  explicit TBoxAnswerer(std::wstring button = L"OK");
  ~TBoxAnswerer();
  TBoxAnswerer(const TBoxAnswerer&) = delete;
  TBoxAnswerer& operator=(const TBoxAnswerer&) = delete;

  std::vector<TShownBox> Boxes() const;
  std::size_t Count() const { return Boxes().size(); }

 private:
  void Watch();

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
  TBeepCounter();
  ~TBeepCounter();
  TBeepCounter(const TBeepCounter&) = delete;
  TBeepCounter& operator=(const TBeepCounter&) = delete;
};
