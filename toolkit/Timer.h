#pragma once
// A user-interface timer: its ticks arrive through the message loop, on the
// window of the nearest of its owners that has one.

#include <windows.h>

#include "Component.h"
#include "Control.h"

class TTimer : public TComponent {
 public:
  using TComponent::TComponent;
  ~TTimer() override;

  // A new interval restarts a running timer.
  void SetInterval(UINT milliseconds);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TNotifyEvent OnTimer;

  // A tick, handed over by the window the timer runs on.
  void Tick();

 private:
  void Update();
  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

  HWND FWindow = nullptr;  // the window it runs on, while it runs
  UINT FInterval = 1000;
  bool FEnabled = true;
};
