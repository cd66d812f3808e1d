// The help probe on the real platform: real files and folders, real version
// resources, the engine's registry entry, the real locale and version. The
// program is placed in scratch folders so that each test sees only its own
// report.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "EngineRegistration.h"
#include "hh.h"
#include "hh_funcs.h"
#include "hh_funcs_probe.h"
#include "hh_win32.h"

// The tests' one way into the probe's unit.
struct THelpProbeSeam {
  static const THelpEnvironment& Environment(const THelpProbeUnit& unit) { return unit.FEnvironment; }
};

namespace {

// The facts of this process with the program placed in a folder of the
// test's choosing, with its command line, its marker file looked for there.
// (The system folder stays the real one: Wine reads the version of any file
// named Shdocvw.dll from its own built-in library.)
THelpFacts PlacedFacts(const std::string& folder, const std::string& commandLine) {
  THelpFacts facts = ReadHelpFacts();
  facts.ModuleFileName = facts.ExeFileName = folder + "Brelix.exe";
  facts.CommandLine = commandLine;
  facts.DebugMarker = FileExists(DebugMarkerFile(facts));
  return facts;
}

THelpEnvironment Probe(const THelpFacts& facts) {
  TWin32HelpFiles files;
  return ProbeEnvironment(facts, files);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WithoutBackslash(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

// Lines ended by CR LF; a bare CR or LF anywhere fails the test.
std::vector<std::string> ReportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    lines.push_back(line);
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

// An empty folder that stands where the test file would go, so that no file
// can be created under that name: a folder that cannot be written, as far
// as the probe can tell, even for an administrator.
class TBlockedTestFile {
 public:
  explicit TBlockedTestFile(const std::string& folder) : FPath(folder + "$_Temp_$.$$$") {
    CreateDirectoryA(FPath.c_str(), nullptr);
  }
  ~TBlockedTestFile() { RemoveDirectoryA(FPath.c_str()); }
  TBlockedTestFile(const TBlockedTestFile&) = delete;
  TBlockedTestFile& operator=(const TBlockedTestFile&) = delete;

 private:
  std::string FPath;
};

}  // namespace

TEST(HhFuncsWin32, TheReportsTwentyTwoLinesFromRealFilesAndTheRealPlatform) {
  TEngineRegistration registration;
  registration.SetText(TestBinDirectory() + "hh_funcs_hh13.dll");
  TScratchDirectory program("brelix_hh_funcs_report");
  const std::string exe = program.Path() + "Brelix.exe";
  const THelpEnvironment env = Probe(PlacedFacts(program.Path(), "\"" + exe + "\" /DEBUG \"deux mots\""));
  const std::string dir = WithoutBackslash(program.Path());
  EXPECT_EQ(env.ReportDir, dir);
  EXPECT_FALSE(Exists(program.Path() + "$_Temp_$.$$$"));

  const std::vector<std::string> lines = ReportLines(ReadAll(program.Path() + "HHDebug.txt"));
  ASSERT_EQ(lines.size(), 22u);
  const std::string dash(79, '-');
  EXPECT_EQ(lines[0], "Filename:             \t" + dir + "\\HHDebug.txt");
  EXPECT_TRUE(std::regex_match(lines[1], std::regex("Date:                 \t\\S*\\d\\S* \\S*\\d\\S*( \\S+)?"))) << lines[1];
  EXPECT_TRUE(std::regex_match(lines[2], std::regex("Operating System:      \tWindows( NT)? \\d+\\.\\d+\\.\\d+")))
      << lines[2];
  const LCID lcid = GetThreadLocale();
  EXPECT_EQ(lines[3], "SysLocale.DefaultLCID: \t" + LocaleIdText(lcid));
  EXPECT_EQ(lines[4], "SysLocale.PriLangID:   \t" + LocaleIdText(PRIMARYLANGID(LANGIDFROMLCID(lcid))));
  EXPECT_EQ(lines[5], "SysLocale.SubLangID:   \t" + LocaleIdText(SUBLANGID(LANGIDFROMLCID(lcid))));
  EXPECT_TRUE(std::regex_match(lines[6], std::regex("DecimalSeparator:      \t[^\\s\\d]"))) << lines[6];
  EXPECT_EQ(lines[7], dash);
  EXPECT_EQ(lines[8], "EXE Path =          \t" + exe);
  EXPECT_EQ(lines[9], "Cmdline Param(s) =  \t/DEBUG | deux mots");
  EXPECT_EQ(lines[10], "_RunDir =           \t" + dir);
  EXPECT_EQ(lines[11], "_ModuleName =       \tBrelix.exe");
  EXPECT_EQ(lines[12], "_ModuleDir =        \t" + dir);
  EXPECT_EQ(lines[13], dash);
  EXPECT_EQ(lines[14], "_hhInstalled =      \tYES");
  EXPECT_EQ(lines[15], "_hhVerStr =         \t4.74.8702.0");
  EXPECT_EQ(lines[16], "_hhFriendlyVerStr = \t1.3");
  EXPECT_EQ(lines[17], dash);
  // Wine's own browser component, whatever its version.
  EXPECT_EQ(lines[18], "_ieInstalled =      \tYES");
  EXPECT_TRUE(std::regex_match(lines[19], std::regex("_ieVerStr =         \t(\\d+\\.){3}\\d+"))) << lines[19];
  EXPECT_TRUE(std::regex_match(lines[20], std::regex("_ieFriendlyVerStr = \t.*Internet Explorer.*"))) << lines[20];
  EXPECT_EQ(lines[21], std::string(79, '='));
}

TEST(HhFuncsWin32, WithoutARegisteredEngineTheReportSaysNo) {
  TEngineRegistration registration;
  registration.RemoveKey();
  TScratchDirectory program("brelix_hh_funcs_no_engine");
  const THelpEnvironment env = Probe(PlacedFacts(program.Path(), "Brelix.exe /debug"));
  EXPECT_FALSE(env.HhInstalled);
  const std::vector<std::string> lines = ReportLines(ReadAll(program.Path() + "HHDebug.txt"));
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[14], "_hhInstalled =      \tNO");
  EXPECT_EQ(lines[15], "_hhVerStr =         \t");
  EXPECT_EQ(lines[16], "_hhFriendlyVerStr = \t");
}

TEST(HhFuncsWin32, AnOrdinaryStartRemovesTheOldReportAndTheMarkerFileTurnsDebugOn) {
  TScratchDirectory program("brelix_hh_funcs_ordinary");
  const std::string report = program.Path() + "HHDebug.txt";
  WriteAll(report, "an earlier debug run\r\n");
  const std::string line = "Brelix.exe --debug /debug:1";
  EXPECT_FALSE(Probe(PlacedFacts(program.Path(), line)).DebugReportOn);
  EXPECT_FALSE(Exists(report));
  EXPECT_FALSE(Exists(program.Path() + "$_Temp_$.$$$"));

  WriteAll(program.Path() + "debug.debug", "");
  EXPECT_TRUE(Probe(PlacedFacts(program.Path(), line)).DebugReportOn);
  EXPECT_EQ(ReportLines(ReadAll(report)).size(), 22u);
  // The next debug start replaces the report rather than adding to it.
  Probe(PlacedFacts(program.Path(), line));
  EXPECT_EQ(ReportLines(ReadAll(report)).size(), 22u);
}

TEST(HhFuncsWin32, AFolderThatCannotBeWrittenSendsTheReportToTheTemporaryFolder) {
  TScratchDirectory program("brelix_hh_funcs_blocked");
  TScratchDirectory temp("brelix_hh_funcs_blocked_temp");
  TBlockedTestFile blocked(program.Path());
  WriteAll(temp.Path() + "HHDebug.txt", "old\r\n");
  THelpFacts facts = PlacedFacts(program.Path(), "Brelix.exe -Debug");
  facts.TempPath = temp.Path();

  const THelpEnvironment env = Probe(facts);
  EXPECT_EQ(env.ReportDir, WithoutBackslash(temp.Path()));
  EXPECT_FALSE(Exists(program.Path() + "HHDebug.txt"));
  const std::vector<std::string> lines = ReportLines(ReadAll(temp.Path() + "HHDebug.txt"));
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "Filename:             \t" + temp.Path() + "HHDebug.txt");
  EXPECT_EQ(lines[12], "_ModuleDir =        \t" + WithoutBackslash(program.Path()));

  // A temporary path that names no folder gives drive C.
  char saved[MAX_PATH] = {};
  const DWORD savedLength = GetEnvironmentVariableA("TMP", saved, MAX_PATH);
  SetEnvironmentVariableA("TMP", (temp.Path() + "missing\\").c_str());
  facts = ReadHelpFacts();
  SetEnvironmentVariableA("TMP", savedLength > 0 && savedLength < MAX_PATH ? saved : nullptr);
  EXPECT_EQ(facts.TempPath, "");
  EXPECT_EQ(TempDirectory(facts), "c:");
}

TEST(HhFuncsWin32, PlatformPathsFilesAndVersions) {
  const THelpFacts facts = ReadHelpFacts();
  char exe[MAX_PATH * 4] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  EXPECT_EQ(facts.ModuleFileName, exe);
  EXPECT_EQ(facts.ExeFileName, exe);
  const std::string system = SystemDirectory(facts);
  EXPECT_NE(system.back(), '\\');
  EXPECT_TRUE(DirectoryExists(system));
  EXPECT_TRUE(DirectoryExists(TempDirectory(facts)));

  // The file version, not the product version (9.8.7.6 in these files).
  const std::optional<TVersion> ie3 = ReadFileVersion(TestBinDirectory() + "hh_funcs_ie3.dll");
  ASSERT_TRUE(ie3);
  EXPECT_EQ(VersionText(*ie3), "4.70.0.1155");
  TScratchDirectory scratch("brelix_hh_funcs_files");
  const std::string text = scratch.Path() + "plain.txt";
  WriteAll(text, "no version here");
  EXPECT_FALSE(ReadFileVersion(text));
  EXPECT_FALSE(ReadFileVersion(scratch.Path() + "missing.dll"));
  EXPECT_FALSE(ReadFileVersion(WithoutBackslash(scratch.Path()))) << "a folder is no file";
  EXPECT_FALSE(ReadFileVersion(""));

  // Appending creates, then adds; a file in a missing folder cannot be opened.
  TWin32HelpFiles files;
  const std::string log = scratch.Path() + "log.txt";
  files.Append(log, "one\r\n");
  files.Append(log, "two\r\n");
  EXPECT_EQ(ReadAll(log), "one\r\ntwo\r\n");
  files.Append(scratch.Path() + "missing\\log.txt", "x");
  EXPECT_FALSE(Exists(scratch.Path() + "missing\\log.txt"));

  // The writability test replaces a file of its name and leaves none behind.
  WriteAll(scratch.Path() + "$_Temp_$.$$$", "left over");
  EXPECT_TRUE(DirectoryWritable(facts, files, scratch.Path() + "\\\\"));
  EXPECT_FALSE(Exists(scratch.Path() + "$_Temp_$.$$$"));
  EXPECT_FALSE(DirectoryWritable(facts, files, scratch.Path() + "missing"));
}

TEST(HhFuncsWin32, TheUnitProbesThisProgramAndItsEngine) {
  THelpProbeUnit unit;
  const THelpEnvironment& env = THelpProbeSeam::Environment(unit);
  EXPECT_EQ(env.ModuleDir + "\\", TestBinDirectory());
  EXPECT_EQ(env.ModuleName, "win32_tests.exe");
  EXPECT_EQ(env.RunDir, env.ModuleDir);
  EXPECT_EQ(env.ReportDir, env.ModuleDir);
  EXPECT_EQ(env.ReportFileName, "\\HHDebug.txt");
  EXPECT_FALSE(env.DebugReportOn);
  // Wine registers its own engine and carries a browser component.
  EXPECT_EQ(env.HhInstalled, !LocateHelpEngine().empty());
  EXPECT_EQ(env.HhInstalled, !env.HhFriendlyVerStr.empty());
  EXPECT_TRUE(std::regex_match(env.HhVerStr, std::regex("(\\d+\\.){3}\\d+|"))) << env.HhVerStr;
  EXPECT_EQ(env.IeInstalled, !env.IeFriendlyVerStr.empty());
  EXPECT_FALSE(Exists(TestBinDirectory() + "HHDebug.txt"));
}
