#include "hh_funcs.h"

#include "hh_funcs_probe.h"
#include "hh_funcs_win32.h"

THelpProbeUnit::THelpProbeUnit() {
  TWin32HelpPlatform platform;
  // A support aid must never stop the program from starting: should even
  // memory run out, the findings simply stay empty.
  try {
    FEnvironment = ProbeEnvironment(platform);
  } catch (...) {
    FEnvironment = {};
  }
}

THelpProbeUnit::~THelpProbeUnit() {
  for (std::string* text : {&FEnvironment.ModuleFullName, &FEnvironment.ModuleDir, &FEnvironment.ModuleName,
                            &FEnvironment.RunDir, &FEnvironment.ReportDir, &FEnvironment.ReportFileName,
                            &FEnvironment.HhVerStr, &FEnvironment.HhFriendlyVerStr, &FEnvironment.IeVerStr,
                            &FEnvironment.IeFriendlyVerStr})
    text->clear();
}
