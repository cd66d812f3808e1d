// The debug report's text: the formatter, the line rules, the 22 lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hh_funcs_report.h"
#include "hh_funcs_samples.h"

namespace {

std::string Written(const THelpEnvironment& env, const THelpFacts& facts) {
  std::string out;
  for (const TReportLine& line : DebugReportLines(env, facts))
    out += ReportLineForFile(FormatReportLine(line.Format, line.Args), "12:00:00");
  return out;
}

THelpEnvironment SampleEnvironment() {
  THelpEnvironment env;
  env.ModuleFullName = "C:\\Jeux\\Brelix.exe";
  env.ModuleDir = env.RunDir = env.ReportDir = "C:\\Jeux";
  env.ModuleName = "Brelix.exe";
  env.HhVerStr = "4.74.8702.0";
  env.HhInstalled = true;
  env.HhFriendlyVerStr = "1.3";
  return env;
}

// Windows 10, the program in C:\Jeux.
THelpFacts ReportFacts() {
  THelpFacts facts = SampleFacts("C:\\Jeux\\Brelix.exe /debug \"deux mots\"");
  facts.ExeFileName = "C:\\Jeux\\Brelix.exe";
  facts.Os = {2, 10, 0, 19045};
  return facts;
}

}  // namespace

TEST(HhFuncsReport, FormatterFillsSAndDAndNeverRereadsAValue) {
  EXPECT_EQ(FormatReportLine("!a %s b %d.%d", {"x", "4", "-1"}), "!a x b 4.-1");
  EXPECT_EQ(FormatReportLine("100%% %s", {"%s%d%%"}), "100% %s%d%%");
  // Missing values leave nothing; other '%' sequences stay as they are.
  EXPECT_EQ(FormatReportLine("%s|%d|%x|%", {}), "||%x|%");
}

TEST(HhFuncsReport, RulesAreWrittenAs79CharactersAndMarkedLinesCarryNoTime) {
  const std::string time = "21:52:07";
  EXPECT_EQ(ReportLineForFile("-", time), std::string(79, '-') + "\r\n");
  EXPECT_EQ(ReportLineForFile("=", time), std::string(79, '=') + "\r\n");
  EXPECT_EQ(ReportLineForFile("!Label: \tvalue", time), "Label: \tvalue\r\n");
  EXPECT_EQ(ReportLineForFile("-x", time), "x\r\n");
  EXPECT_EQ(ReportLineForFile("==", time), "=\r\n");
  EXPECT_EQ(ReportLineForFile("plain", time), "plain   21:52:07\r\n");
  EXPECT_EQ(ReportLineForFile("", time), "   21:52:07\r\n");
}

TEST(HhFuncsReport, LocaleIdentifiersInAtLeastFourUpperCaseDigits) {
  EXPECT_EQ(LocaleIdText(0x040C), "0x040C");
  EXPECT_EQ(LocaleIdText(0x9), "0x0009");
  EXPECT_EQ(LocaleIdText(0xABCDE), "0xABCDE");
}

TEST(HhFuncsReport, TheTwentyTwoLinesByteForByte) {
  const std::string expected =
      "Filename:             \tC:\\Jeux\\HHDebug.txt\r\n"
      "Date:                 \t08/12/2025 21:52:07\r\n"
      "Operating System:      \tWindows NT 10.0.19045\r\n"
      "SysLocale.DefaultLCID: \t0x040C\r\n"
      "SysLocale.PriLangID:   \t0x000C\r\n"
      "SysLocale.SubLangID:   \t0x0001\r\n"
      "DecimalSeparator:      \t,\r\n" +
      std::string(79, '-') +
      "\r\n"
      "EXE Path =          \tC:\\Jeux\\Brelix.exe\r\n"
      "Cmdline Param(s) =  \t/debug | deux mots\r\n"
      "_RunDir =           \tC:\\Jeux\r\n"
      "_ModuleName =       \tBrelix.exe\r\n"
      "_ModuleDir =        \tC:\\Jeux\r\n" +
      std::string(79, '-') +
      "\r\n"
      "_hhInstalled =      \tYES\r\n"
      "_hhVerStr =         \t4.74.8702.0\r\n"
      "_hhFriendlyVerStr = \t1.3\r\n" +
      std::string(79, '-') +
      "\r\n"
      "_ieInstalled =      \tNO\r\n"
      "_ieVerStr =         \t\r\n"
      "_ieFriendlyVerStr = \t\r\n" +
      std::string(79, '=') + "\r\n";
  EXPECT_EQ(Written(SampleEnvironment(), ReportFacts()), expected);
}

TEST(HhFuncsReport, ValuesStandAtTheirColumns) {
  // Columns counted from 1 in the formats, before the marker is dropped.
  const std::vector<TReportLine> lines = DebugReportLines(SampleEnvironment(), ReportFacts());
  ASSERT_EQ(lines.size(), 22u);
  const std::size_t columns[22] = {24, 24, 25, 25, 25, 25, 25, 0, 22, 22, 22, 22, 22, 0, 22, 22, 22, 0, 22, 22, 22, 0};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i + 1);
    if (columns[i] == 0) {
      EXPECT_TRUE(lines[i].Format == "-" || lines[i].Format == "=");
      continue;
    }
    EXPECT_EQ(lines[i].Format.front(), '!');
    EXPECT_EQ(lines[i].Format.find("%s") + 1, columns[i]);
    EXPECT_EQ(lines[i].Args.at(0).substr(0, 1), "\t");
  }
  EXPECT_EQ(lines[21].Format, "=");
}

TEST(HhFuncsReport, PlatformLinesForTheNineFiveFamilyAndAThreadWithoutLocale) {
  THelpFacts facts = ReportFacts();
  facts.Os = {1, 4, 10, 0x040A08AE};  // Windows 98: the high word repeats the version
  facts.ThreadLocale = 0;
  facts.CommandLine = "Brelix.exe";
  const std::string text = Written(SampleEnvironment(), facts);
  EXPECT_NE(text.find("Operating System:      \tWindows 4.10.2222\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("SysLocale.DefaultLCID: \t0x0409\r\n"), std::string::npos);
  EXPECT_NE(text.find("SysLocale.PriLangID:   \t0x0009\r\n"), std::string::npos);
  EXPECT_NE(text.find("SysLocale.SubLangID:   \t0x0001\r\n"), std::string::npos);
  EXPECT_NE(text.find("Cmdline Param(s) =  \t\r\n"), std::string::npos);
  // On NT the whole build number is shown.
  facts.Os = {2, 6, 1, 0x00017601};
  EXPECT_NE(Written(SampleEnvironment(), facts).find("\tWindows NT 6.1.95745\r\n"), std::string::npos);
}
