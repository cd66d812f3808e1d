#include "LoopTimer.h"

#include <map>

namespace {

// A thread timer's callback is told only the timer's id.
std::map<UINT_PTR, TLoopTimer*>& Timers() {
  static std::map<UINT_PTR, TLoopTimer*> timers;
  return timers;
}

}  // namespace

TLoopTimer::TLoopTimer(UINT milliseconds, std::function<void()> tick)
    : FTick(std::move(tick)), FId(SetTimer(nullptr, 0, milliseconds, Tick)) {
  Timers()[FId] = this;
}

TLoopTimer::~TLoopTimer() {
  KillTimer(nullptr, FId);
  Timers().erase(FId);
}

void CALLBACK TLoopTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Timers().find(id);
  if (found != Timers().end()) found->second->FTick();
}

bool RunInLoop(const std::function<void()>& modal, const std::vector<std::function<void()>>& steps,
               UINT milliseconds) {
  std::size_t next = 0;
  const TLoopTimer timer(milliseconds, [&] {
    if (next < steps.size()) steps[next++]();
  });
  modal();
  return next == steps.size();
}
