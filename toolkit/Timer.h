#pragma once
// A user-interface timer: its ticks arrive through the message loop.

#include <windows.h>

#include "Component.h"
#include "Control.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  // A new interval restarts a running timer.
  void SetInterval(UINT milliseconds);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TNotifyEvent OnTimer;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM) noexcept;
  void Update();

  HWND FWindow = nullptr;  // message-only window that receives WM_TIMER
  UINT FInterval = 1000;
  bool FEnabled = true;
};
