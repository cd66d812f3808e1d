#pragma once
// The help probe: the start-up step, on the facts read of the platform and
// the files it writes, and the operations of it that the platform's side and
// the tests use.

#include <string>
#include <string_view>
#include <vector>

#include "hh_funcs_facts.h"
#include "hh_funcs_report.h"

// The start-up step: finds paths, debug mode and versions, deletes an earlier
// report and, in debug mode, writes a new one. Fails silently: whatever it
// cannot find stays empty or false.
THelpEnvironment ProbeEnvironment(const THelpFacts& facts, THelpFiles& files);

// Where the facts about files are read: "debug.debug" in the module's
// directory (empty when it has none), and Shdocvw.dll in the system directory.
std::string DebugMarkerFile(const THelpFacts& facts);
std::string BrowserFile(const THelpFacts& facts);

// The system directory without trailing backslash.
std::string SystemDirectory(const THelpFacts& facts);
// The temporary directory without trailing backslash, or "c:" when the
// platform names no existing directory.
std::string TempDirectory(const THelpFacts& facts);
// Whether a file can be created in dir; the test file "$_Temp_$.$$$" is
// deleted again at once.
bool DirectoryWritable(const THelpFacts& facts, THelpFiles& files, const std::string& dir);

// Formats one line and appends it to the report at reportPath, with the time
// where it takes a time stamp; a line that cannot be written is dropped.
void WriteReportLine(THelpFiles& files, const std::string& reportPath, std::string_view format,
                     const std::vector<TReportArg>& args, const std::string& time);
