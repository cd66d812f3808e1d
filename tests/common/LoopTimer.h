#pragma once
// Test code run from inside the thread's message loops, the modal ones
// included: a thread timer, set before a modal call, ticks while the call
// runs its loop.

#include <windows.h>

#include <functional>
#include <vector>

class TLoopTimer {
 public:
  TLoopTimer(UINT milliseconds, std::function<void()> tick);
  ~TLoopTimer();
  TLoopTimer(const TLoopTimer&) = delete;
  TLoopTimer& operator=(const TLoopTimer&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::function<void()> FTick;
  UINT_PTR FId;
};

// Runs `modal` with `steps` run one a tick, `milliseconds` apart, from the
// loop it runs; whether every step ran.
bool RunInLoop(const std::function<void()>& modal, const std::vector<std::function<void()>>& steps,
               UINT milliseconds = 60);
