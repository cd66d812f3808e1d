#pragma once
// The help layer's probe step of start-up and shutdown: probes the
// environment and writes the debug report when constructed (right after the
// engine unit, before any window), empties its texts when destroyed (before
// the engine unit releases the engine). One per process, in WinMain.

#include "hh_funcs_environment.h"

class THelpProbeUnit {
 public:
  THelpProbeUnit();
  ~THelpProbeUnit();
  THelpProbeUnit(const THelpProbeUnit&) = delete;
  THelpProbeUnit& operator=(const THelpProbeUnit&) = delete;

  const THelpEnvironment& Environment() const { return FEnvironment; }

 private:
  THelpEnvironment FEnvironment;
};
