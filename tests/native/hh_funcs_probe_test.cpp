// The start-up probe on a sample machine's facts and files held in memory: paths, the report's
// folder, debug mode, versions, and the report written or removed.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hh_funcs_samples.h"
#include "hh_funcs_probe.h"

namespace {

const std::string kDir = "C:\\Jeux\\Brelix";
const std::string kReport = kDir + "\\HHDebug.txt";
const std::string kTestFile = kDir + "\\$_Temp_$.$$$";
const std::string kTime = "21:52:07";

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
  TMemoryHelpFiles files;
  files.Files[kReport] = "an earlier debug run\r\n";
  const THelpEnvironment env = ProbeEnvironment(SampleFacts(), files);
  EXPECT_EQ(env.ModuleFullName, kDir + "\\Brelix.exe");
  EXPECT_EQ(env.ModuleDir, kDir);
  EXPECT_EQ(env.ModuleName, "Brelix.exe");
  EXPECT_EQ(env.RunDir, kDir);
  EXPECT_EQ(env.ReportDir, kDir);
  EXPECT_FALSE(env.DebugReportOn);
  EXPECT_EQ(files.Created, std::vector<std::string>{kTestFile});
  EXPECT_TRUE(Contains(files.Removed, kTestFile));
  EXPECT_EQ(files.Files.count(kTestFile), 0u);
  EXPECT_EQ(files.Files.count(kReport), 0u) << "an ordinary start leaves no report";
}

TEST(HhFuncsProbe, DebugModeFromAWholeSwitchOrTheMarkerFile) {
  EXPECT_EQ(DebugMarkerFile(SampleFacts()), kDir + "\\debug.debug");
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
    THelpFacts facts = SampleFacts(c.Line);
    facts.DebugMarker = c.Marker;
    TMemoryHelpFiles files;
    const THelpEnvironment env = ProbeEnvironment(facts, files);
    EXPECT_EQ(env.DebugReportOn, c.On);
    EXPECT_EQ(files.Files.count(kReport), c.On ? 1u : 0u);
  }
}

TEST(HhFuncsProbe, TheReportHasItsTwentyTwoLinesWithoutTimeStamps) {
  THelpFacts facts = SampleFacts("\"C:\\Jeux\\Brelix\\Brelix.exe\" -debug %s \"a b\"");
  facts.EngineVersion = VersionFromFileVersionWords(0x0004004A, 0x21FE0000);
  facts.BrowserVersion = VersionFromFileVersionWords(0x00040046, 0x00000483);
  TMemoryHelpFiles files;
  ProbeEnvironment(facts, files);
  const std::vector<std::string> lines = Lines(files.Report(kReport));
  ASSERT_EQ(lines.size(), 22u);
  for (const std::string& line : lines) EXPECT_FALSE(line.ends_with("   " + kTime)) << line;
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
  TMemoryHelpFiles files;
  files.ReadOnlyDirectories.insert(kDir);
  files.Files["C:\\Temp\\HHDebug.txt"] = "old\r\n";
  const THelpEnvironment env = ProbeEnvironment(SampleFacts("Brelix.exe /debug"), files);
  EXPECT_EQ(env.ReportDir, "C:\\Temp");
  EXPECT_EQ(files.Files.count(kTestFile), 0u);
  const std::vector<std::string> lines = Lines(files.Report("C:\\Temp\\HHDebug.txt"));
  ASSERT_EQ(lines.size(), 22u) << "the old report is replaced, not appended to";
  EXPECT_EQ(lines[0], "Filename:             \tC:\\Temp\\HHDebug.txt");
}

TEST(HhFuncsProbe, ATemporaryPathThatNamesNoFolderGivesDriveC) {
  THelpFacts facts = SampleFacts("Brelix.exe /debug");
  facts.TempPath = "";
  TMemoryHelpFiles files;
  files.ReadOnlyDirectories.insert(kDir);
  EXPECT_EQ(ProbeEnvironment(facts, files).ReportDir, "c:");
  EXPECT_EQ(Lines(files.Report("c:\\HHDebug.txt")).size(), 22u);
}

TEST(HhFuncsProbe, AProgramAtTheRootOfDriveC) {
  THelpFacts facts = SampleFacts("C:\\Brelix.exe");
  facts.ModuleFileName = facts.ExeFileName = "C:\\Brelix.exe";
  EXPECT_EQ(DebugMarkerFile(facts), "C:\\debug.debug");
  facts.DebugMarker = true;
  TMemoryHelpFiles files;
  const THelpEnvironment env = ProbeEnvironment(facts, files);
  EXPECT_EQ(env.ModuleDir, "C:");
  EXPECT_EQ(env.RunDir, "C:");
  EXPECT_TRUE(env.DebugReportOn);
  EXPECT_TRUE(Contains(files.Created, "C:\\$_Temp_$.$$$"));
  EXPECT_EQ(Lines(files.Report("C:\\HHDebug.txt")).size(), 22u);
}

TEST(HhFuncsProbe, AFolderEndingInADoubleByteCharacterKeepsIt) {
  const std::string dir = "C:\\\x95\x5C";  // a kanji whose second byte is '\'
  THelpFacts facts = SampleFacts("x /debug");
  for (unsigned byte = 0; byte < facts.LeadBytes.size(); ++byte) facts.LeadBytes[byte] = IsShiftJisLeadByte(byte);
  facts.ModuleFileName = facts.ExeFileName = dir + "\\Brelix.exe";
  EXPECT_EQ(DebugMarkerFile(facts), dir + "\\debug.debug");
  TMemoryHelpFiles files;
  const THelpEnvironment env = ProbeEnvironment(facts, files);
  EXPECT_EQ(env.ModuleDir, dir);
  EXPECT_EQ(env.ReportDir, dir);
  EXPECT_EQ(Lines(files.Report(dir + "\\HHDebug.txt")).size(), 22u);
}

TEST(HhFuncsProbe, ANamelessModuleNeverTestsTheRootOfTheCurrentDrive) {
  THelpFacts facts = SampleFacts();
  facts.ModuleFileName = facts.ExeFileName = "";
  EXPECT_EQ(DebugMarkerFile(facts), "");
  TMemoryHelpFiles files;
  EXPECT_EQ(ProbeEnvironment(facts, files).ReportDir, "C:\\Temp");
  EXPECT_TRUE(files.Created.empty());
}

TEST(HhFuncsProbe, VersionsFoundMissingOrZero) {
  THelpFacts facts = SampleFacts();
  facts.SystemPath = "C:\\WINDOWS\\system32\\";  // as some systems give it
  EXPECT_EQ(BrowserFile(facts), "C:\\WINDOWS\\system32\\Shdocvw.dll");
  facts.BrowserVersion = TVersion{4, 71, 1712, 6};
  TMemoryHelpFiles files;
  THelpEnvironment env = ProbeEnvironment(facts, files);
  EXPECT_EQ(env.HhVerStr, "");
  EXPECT_FALSE(env.HhInstalled);
  EXPECT_EQ(env.HhFriendlyVerStr, "");
  EXPECT_EQ(env.IeVerStr, "4.71.1712.6");
  EXPECT_TRUE(env.IeInstalled);
  EXPECT_EQ(env.IeFriendlyVerStr, "Internet Explorer 4.0");

  // Files without version information, then with a zero version.
  facts.BrowserVersion.reset();
  env = ProbeEnvironment(facts, files);
  EXPECT_FALSE(env.HhInstalled);
  EXPECT_FALSE(env.IeInstalled);
  EXPECT_EQ(env.IeFriendlyVerStr, "");
  facts.EngineVersion = TVersion{};
  env = ProbeEnvironment(facts, files);
  EXPECT_EQ(env.HhVerStr, "0.0.0.0");
  EXPECT_TRUE(env.HhInstalled);
  EXPECT_EQ(env.HhFriendlyVerStr, "< 1.0");
}

TEST(HhFuncsProbe, ALineThatCannotBeWrittenIsDroppedAndTheNextOneTriesAgain) {
  TMemoryHelpFiles files;
  files.AppendFailuresLeft = 3;
  EXPECT_TRUE(ProbeEnvironment(SampleFacts("Brelix.exe /debug"), files).DebugReportOn);
  const std::vector<std::string> lines = Lines(files.Report(kReport));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0].substr(0, 16), "SysLocale.Defaul");
}

TEST(HhFuncsProbe, WriteReportLineAppendsWithATimeOnlyOnUnmarkedLines) {
  TMemoryHelpFiles files;
  WriteReportLine(files, kReport, "note %s %d", {"a", "7"}, kTime);
  WriteReportLine(files, kReport, "-", {}, kTime);
  EXPECT_EQ(files.Report(kReport), "note a 7   21:52:07\r\n" + std::string(79, '-') + "\r\n");
}
