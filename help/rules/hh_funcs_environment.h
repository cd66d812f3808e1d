#pragma once
// What the help probe finds at start-up. The debug report prints these under
// their historical names (_ModuleDir, _hhVerStr, ...).

#include <string>

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
