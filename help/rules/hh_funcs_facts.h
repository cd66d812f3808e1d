#pragma once
// What the help probe reads of the platform, once, at start-up; the files it
// writes; and what it finds. Texts are ANSI, in the active code page.

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hh_funcs_version.h"

// The platform's version as GetVersionEx reports it.
struct TOsVersion {
  std::uint32_t PlatformId = 0;  // 1: the Windows 95 family, 2: Windows NT
  std::uint32_t Major = 0;
  std::uint32_t Minor = 0;
  std::uint32_t Build = 0;
};

struct THelpFacts {
  std::bitset<256> LeadBytes;  // the bytes that open a double-byte character
  std::string ModuleFileName;  // of the module holding the probe
  std::string ExeFileName;     // of the process's executable
  std::string CommandLine;     // the program's name first
  std::string SystemPath;      // as the platform gives it, trailing backslash and all
  std::string TempPath;        // the same, or empty when it names no folder
  bool DebugMarker = false;    // a file at DebugMarkerFile
  std::optional<TVersion> EngineVersion;   // of the registered HTML Help engine
  std::optional<TVersion> BrowserVersion;  // of BrowserFile, as the file gives it
  TOsVersion Os;
  std::uint32_t ThreadLocale = 0;
  // In the locale's formats:
  std::string DecimalSeparator;
  std::string Date;  // short date
  std::string Time;  // long time
};

// The files the probe writes: its test file and the report.
class THelpFiles {
 public:
  virtual ~THelpFiles() = default;
  // Creates the file for writing (replacing one of its name) and closes it.
  virtual bool Create(const std::string& path) = 0;
  virtual void Remove(const std::string& path) = 0;
  // Opens the file for appending (creating it when missing), writes the
  // bytes, flushes and closes it; nothing when it cannot be opened.
  virtual void Append(const std::string& path, std::string_view bytes) = 0;
};

// What the probe finds. The debug report prints these under their historical
// names (_ModuleDir, _hhVerStr, ...).
struct THelpEnvironment {
  std::string ModuleFullName;  // file of the module holding the probe
  std::string ModuleDir;       // its directory, no trailing backslash
  std::string ModuleName;      // its file name
  std::string RunDir;          // directory of the process's executable
  std::string ReportDir;       // ModuleDir when writable, else the temporary directory
  std::string ReportFileName = "\\HHDebug.txt";
  bool DebugReportOn = false;
  std::string HhVerStr;  // file version of the registered HTML Help engine
  bool HhInstalled = false;
  std::string HhFriendlyVerStr;
  std::string IeVerStr;  // file version of Shdocvw.dll, old builds shifted
  bool IeInstalled = false;
  std::string IeFriendlyVerStr;

  std::string ReportPath() const { return ReportDir + ReportFileName; }
};
