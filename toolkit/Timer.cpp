#include "Timer.h"

TTimer::~TTimer() {
  if (FWindow) KillTimer(FWindow, Id());
}

void TTimer::SetInterval(UINT milliseconds) {
  FInterval = milliseconds;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Update();
}

void TTimer::Update() {
  if (FWindow) KillTimer(FWindow, Id());
  FWindow = nullptr;
  if (!FEnabled || FInterval == 0 || !OnTimer) return;
  // The window hands the tick over (TWinControl::WMTimer), as it does every
  // message of its own.
  for (TComponent* owner = Owner(); owner; owner = owner->Owner())
    if (TWinControl* control = owner->AsWinControl(); control && control->Handle()) {
      if (SetTimer(control->Handle(), Id(), FInterval, nullptr)) FWindow = control->Handle();
      return;
    }
}

void TTimer::Tick() {
  if (OnTimer) OnTimer(this);
}
