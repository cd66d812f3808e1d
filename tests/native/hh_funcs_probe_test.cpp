// The start-up probe on a platform held in memory: paths, the report's
// folder, debug mode, versions, and the report written or removed.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "hh_funcs_fake_platform.h"
#include "hh_funcs_probe.h"

namespace {

const std::string kDir = "C:\\Jeux\\Brelix";
const std::string kReport = kDir + "\\HHDebug.txt";
const std::string kTestFile = kDir + "\\$_Temp_$.$$$";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

TEST(HhFuncsProbe, OrdinaryStartFindsThePathsTestsTheFolderAndRemovesAnOldReport) {
  THhFuncsFakePlatform platform;
  platform.Files[kReport] = "an earlier debug run\r\n";
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.ModuleFullName, kDir + "\\Brelix.exe");
  EXPECT_EQ(env.ModuleDir, kDir);
  EXPECT_EQ(env.ModuleName, "Brelix.exe");
  EXPECT_EQ(env.RunDir, kDir);
  EXPECT_EQ(env.ReportDir, kDir);
  EXPECT_FALSE(env.DebugReportOn);
  EXPECT_EQ(platform.Created, std::vector<std::string>{kTestFile});
  EXPECT_TRUE(Contains(platform.Removed, kTestFile));
  EXPECT_EQ(platform.Files.count(kTestFile), 0u);
  EXPECT_EQ(platform.Files.count(kReport), 0u) << "an ordinary start leaves no report";
}

TEST(HhFuncsProbe, DebugModeFromAWholeSwitchOrTheMarkerFile) {
  struct TCase {
    const char* Line;
    bool Marker;
    bool On;
  };
  for (const TCase& c : {TCase{"Brelix.exe /DEBUG", false, true}, TCase{"Brelix.exe x -Debug", false, true},
                         TCase{"Brelix.exe \"/debug\"", false, true}, TCase{"Brelix.exe --debug", false, false},
                         TCase{"Brelix.exe /debug:1", false, false}, TCase{"Brelix.exe", false, false},
                         TCase{"Brelix.exe --debug", true, true}, TCase{"Brelix.exe", true, true}}) {
    SCOPED_TRACE(std::string(c.Line) + (c.Marker ? " + debug.debug" : ""));
    THhFuncsFakePlatform platform;
    platform.Line = c.Line;
    if (c.Marker) platform.Files[kDir + "\\debug.debug"] = "";
    const THelpEnvironment env = ProbeEnvironment(platform);
    EXPECT_EQ(env.DebugReportOn, c.On);
    EXPECT_EQ(platform.Files.count(kReport), c.On ? 1u : 0u);
  }
}

TEST(HhFuncsProbe, TheReportHasItsTwentyTwoLinesWithoutTimeStamps) {
  THhFuncsFakePlatform platform;
  platform.Line = "\"C:\\Jeux\\Brelix\\Brelix.exe\" -debug %s \"a b\"";
  platform.Engine = "C:\\WINDOWS\\system32\\hhctrl.ocx";
  platform.AddVersionedFile(platform.Engine, 0x0004004A, 0x21FE0000);
  platform.AddVersionedFile("C:\\WINDOWS\\system32\\Shdocvw.dll", 0x00040046, 0x00000483);
  ProbeEnvironment(platform);
  const std::vector<std::string> lines = Lines(platform.Report(kReport));
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(platform.TimeCalls, 0);
  EXPECT_EQ(lines[0], "Filename:             \t" + kReport);
  EXPECT_EQ(lines[9], "Cmdline Param(s) =  \t-debug | %s | a b");
  EXPECT_EQ(lines[14], "_hhInstalled =      \tYES");
  EXPECT_EQ(lines[15], "_hhVerStr =         \t4.74.8702.0");
  EXPECT_EQ(lines[16], "_hhFriendlyVerStr = \t1.3");
  EXPECT_EQ(lines[18], "_ieInstalled =      \tYES");
  EXPECT_EQ(lines[19], "_ieVerStr =         \t4.70.1155.0");
  EXPECT_EQ(lines[20], "_ieFriendlyVerStr = \tInternet Explorer 3.0");
  EXPECT_EQ(lines[21], std::string(79, '='));
}

TEST(HhFuncsProbe, AnUnwritableFolderSendsTheReportToTheTemporaryFolder) {
  THhFuncsFakePlatform platform;
  platform.ReadOnlyDirectories.insert(kDir);
  platform.Line = "Brelix.exe /debug";
  platform.Files["C:\\Temp\\HHDebug.txt"] = "old\r\n";
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.ReportDir, "C:\\Temp");
  EXPECT_EQ(platform.Files.count(kTestFile), 0u);
  const std::vector<std::string> lines = Lines(platform.Report("C:\\Temp\\HHDebug.txt"));
  ASSERT_EQ(lines.size(), 22u) << "the old report is replaced, not appended to";
  EXPECT_EQ(lines[0], "Filename:             \tC:\\Temp\\HHDebug.txt");
}

TEST(HhFuncsProbe, AMissingTemporaryFolderGivesDriveC) {
  for (const char* temp : {"C:\\Gone\\", ""}) {
    SCOPED_TRACE(temp);
    THhFuncsFakePlatform platform;
    platform.ReadOnlyDirectories.insert(kDir);
    platform.Temp = temp;
    platform.Line = "Brelix.exe /debug";
    const THelpEnvironment env = ProbeEnvironment(platform);
    EXPECT_EQ(env.ReportDir, "c:");
    EXPECT_EQ(Lines(platform.Report("c:\\HHDebug.txt")).size(), 22u);
  }
}

TEST(HhFuncsProbe, AProgramAtTheRootOfDriveC) {
  THhFuncsFakePlatform platform;
  platform.Module = platform.Exe = "C:\\Brelix.exe";
  platform.Line = "C:\\Brelix.exe";
  platform.Directories.insert("C:");
  platform.Files["C:\\debug.debug"] = "";
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.ModuleDir, "C:");
  EXPECT_EQ(env.RunDir, "C:");
  EXPECT_TRUE(env.DebugReportOn);
  EXPECT_TRUE(Contains(platform.Created, "C:\\$_Temp_$.$$$"));
  EXPECT_EQ(Lines(platform.Report("C:\\HHDebug.txt")).size(), 22u);
}

TEST(HhFuncsProbe, AFolderEndingInADoubleByteCharacterKeepsIt) {
  const std::string dir = "C:\\\x95\x5C";  // a kanji whose second byte is '\'
  THhFuncsFakePlatform platform;
  platform.ShiftJis = true;
  platform.Module = platform.Exe = dir + "\\Brelix.exe";
  platform.Directories.insert(dir);
  platform.Line = "x /debug";
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.ModuleDir, dir);
  EXPECT_EQ(env.ReportDir, dir);
  EXPECT_EQ(Lines(platform.Report(dir + "\\HHDebug.txt")).size(), 22u);
}

TEST(HhFuncsProbe, ANamelessModuleNeverTestsTheRootOfTheCurrentDrive) {
  THhFuncsFakePlatform platform;
  platform.Module = platform.Exe = "";
  platform.Directories.insert("");
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.ReportDir, "C:\\Temp");
  EXPECT_TRUE(platform.Created.empty());
}

TEST(HhFuncsProbe, VersionsFoundMissingOrUnreadable) {
  THhFuncsFakePlatform platform;
  platform.System = "C:\\WINDOWS\\system32\\";  // as some systems give it
  platform.AddVersionedFile("C:\\WINDOWS\\system32\\Shdocvw.dll", 0x00040047, 0x06B00006);
  THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_EQ(env.HhVerStr, "");
  EXPECT_FALSE(env.HhInstalled);
  EXPECT_EQ(env.HhFriendlyVerStr, "");
  EXPECT_EQ(env.IeVerStr, "4.71.1712.6");
  EXPECT_TRUE(env.IeInstalled);
  EXPECT_EQ(env.IeFriendlyVerStr, "Internet Explorer 4.0");

  // Files without version information, or with a zero version.
  platform.Engine = "C:\\hh.ocx";
  platform.Files[platform.Engine] = "";
  platform.Versions.clear();
  env = ProbeEnvironment(platform);
  EXPECT_FALSE(env.HhInstalled);
  EXPECT_FALSE(env.IeInstalled);
  EXPECT_EQ(env.IeFriendlyVerStr, "");
  platform.AddVersionedFile(platform.Engine, 0, 0);
  platform.VersionReads.clear();
  env = ProbeEnvironment(platform);
  EXPECT_EQ(env.HhVerStr, "0.0.0.0");
  EXPECT_EQ(env.HhFriendlyVerStr, "< 1.0");
  // Each file is read once, for its text and its name alike.
  EXPECT_EQ(platform.VersionReads[platform.Engine], 1);
  EXPECT_EQ(platform.VersionReads["C:\\WINDOWS\\system32\\Shdocvw.dll"], 1);

  // A version registered for a path where no file exists is not read.
  platform.Files.erase(platform.Engine);
  EXPECT_EQ(ReadFileVersion(platform, platform.Engine).Text, "");
  EXPECT_EQ(ReadFileVersion(platform, "").Text, "");
}

TEST(HhFuncsProbe, ALineThatCannotBeWrittenIsDroppedAndTheNextOneTriesAgain) {
  THhFuncsFakePlatform platform;
  platform.Line = "Brelix.exe /debug";
  platform.AppendFailuresLeft = 3;
  const THelpEnvironment env = ProbeEnvironment(platform);
  EXPECT_TRUE(env.DebugReportOn);
  const std::vector<std::string> lines = Lines(platform.Report(kReport));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0].substr(0, 16), "SysLocale.Defaul");
}

TEST(HhFuncsProbe, WriteReportLineAppendsWithATimeOnlyOnUnmarkedLines) {
  THhFuncsFakePlatform platform;
  WriteReportLine(platform, kReport, "note %s %d", {"a", "7"});
  WriteReportLine(platform, kReport, "-", {});
  EXPECT_EQ(platform.Report(kReport), "note a 7   21:52:07\r\n" + std::string(79, '-') + "\r\n");
}
