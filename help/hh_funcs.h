#pragma once
// The help probe on Win32: the facts read through the ANSI calls of the
// active code page, the files written through them, and the help layer's
// probe step of start-up and shutdown.

#include <optional>
#include <string>
#include <string_view>

#include "hh_funcs_facts.h"

// What the probe reads of this process and of the platform.
THelpFacts ReadHelpFacts();

// The file version of a file's fixed version information, when it has one.
std::optional<TVersion> ReadFileVersion(const std::string& path);

class TWin32HelpFiles : public THelpFiles {
 public:
  bool Create(const std::string& path) override;
  void Remove(const std::string& path) override;
  void Append(const std::string& path, std::string_view bytes) override;
};

// Probes the environment and writes the debug report when constructed (right
// after the engine unit, before any window); its findings go with it (before
// the engine unit releases the engine). One per process, in WinMain.
class THelpProbeUnit {
 public:
  THelpProbeUnit();
  THelpProbeUnit(const THelpProbeUnit&) = delete;
  THelpProbeUnit& operator=(const THelpProbeUnit&) = delete;

 private:
  // Nothing in the program reads the findings; the tests do, through this
  // one way in, which they define.
  friend struct THelpProbeSeam;
  THelpEnvironment FEnvironment;
};
