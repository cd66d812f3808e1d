#pragma once
// The help probe: what runs at start-up, and the operations it is made of,
// each on top of the platform interface.

#include <string>
#include <string_view>
#include <vector>

#include "hh_funcs_environment.h"
#include "hh_funcs_platform.h"
#include "hh_funcs_report.h"
#include "hh_funcs_version.h"

// The start-up step: finds paths, debug mode and versions, deletes an earlier
// report and, in debug mode, writes a new one. Fails silently: whatever it
// cannot find stays empty or false.
THelpEnvironment ProbeEnvironment(THelpPlatform& platform);

// The system directory without trailing backslash.
std::string SystemDirectory(THelpPlatform& platform);
// The temporary directory without trailing backslash, or "c:" when the
// platform names no existing directory.
std::string TempDirectory(THelpPlatform& platform);
// Whether a file can be created in dir; the test file "$_Temp_$.$$$" is
// deleted again at once.
bool DirectoryWritable(THelpPlatform& platform, const std::string& dir);

// The file's version; all 0 and an empty text when there is none.
TFileVersion ReadFileVersion(THelpPlatform& platform, const std::string& path);
// The version of Shdocvw.dll in the system directory, old builds shifted.
TFileVersion ReadBrowserVersion(THelpPlatform& platform);
// Release names of the engine's and the browser's versions, or empty when
// the version is.
std::string HelpFriendlyVersion(const TFileVersion& engine);
std::string BrowserFriendlyVersion(const TFileVersion& browser);

// Formats one line and appends it to the report at reportPath; a line that
// cannot be written is dropped.
void WriteReportLine(THelpPlatform& platform, const std::string& reportPath, std::string_view format,
                     const std::vector<TReportArg>& args);
// Deletes the earlier report; in debug mode writes the new one.
void WriteDebugReport(THelpPlatform& platform, const THelpEnvironment& environment);
