#include "hh_funcs_probe.h"

#include <optional>

#include "hh_funcs_cmdline.h"
#include "hh_funcs_text.h"

namespace {

constexpr char kTestFileName[] = "\\$_Temp_$.$$$";
constexpr char kMarkerFileName[] = "\\debug.debug";
constexpr char kBrowserFileName[] = "\\Shdocvw.dll";

TLeadBytePredicate LeadBytes(const THelpFacts& facts) {
  return [&facts](unsigned char byte) { return facts.LeadBytes[byte]; };
}

std::string WithoutTrailingBackslashes(const THelpFacts& facts, std::string path) {
  StripTrailingChar(path, '\\', LeadBytes(facts));
  return path;
}

// A file name's directory, without trailing backslash, and its name.
TPathParts SplitPath(const THelpFacts& facts, const std::string& fileName) {
  TPathParts parts = SplitFileName(fileName, LeadBytes(facts));
  parts.Dir = WithoutTrailingBackslashes(facts, parts.Dir);
  return parts;
}

// Old builds shifted, so that the release table can compare them.
std::optional<TVersion> ReadBrowserVersion(const THelpFacts& facts) {
  if (!facts.BrowserVersion) return std::nullopt;
  return ShiftOldBrowserFields(*facts.BrowserVersion);
}

std::string VersionTextOf(const std::optional<TVersion>& version) {
  return version ? VersionText(*version) : std::string();
}

std::string HelpFriendlyVersion(const std::optional<TVersion>& engine) {
  return engine ? HelpReleaseName(*engine) : std::string();
}

std::string BrowserFriendlyVersion(const std::optional<TVersion>& browser) {
  return browser ? BrowserReleaseName(*browser) : std::string();
}

void WriteDebugReport(const THelpFacts& facts, THelpFiles& files, const THelpEnvironment& environment) {
  const std::string reportPath = environment.ReportPath();
  // Also on an ordinary start: a report never outlives the debug run that wrote it.
  files.Remove(reportPath);
  if (!environment.DebugReportOn) return;
  for (const TReportLine& line : DebugReportLines(environment, facts))
    WriteReportLine(files, reportPath, line.Format, line.Args, facts.Time);
}

}  // namespace

std::string DebugMarkerFile(const THelpFacts& facts) {
  const std::string dir = SplitPath(facts, facts.ModuleFileName).Dir;
  return dir.empty() ? std::string() : dir + kMarkerFileName;
}

std::string BrowserFile(const THelpFacts& facts) { return SystemDirectory(facts) + kBrowserFileName; }

std::string SystemDirectory(const THelpFacts& facts) { return WithoutTrailingBackslashes(facts, facts.SystemPath); }

std::string TempDirectory(const THelpFacts& facts) {
  return WithoutTrailingBackslashes(facts, facts.TempPath.empty() ? "c:" : facts.TempPath);
}

bool DirectoryWritable(const THelpFacts& facts, THelpFiles& files, const std::string& dir) {
  const std::string base = WithoutTrailingBackslashes(facts, dir);
  // An empty directory would put the test file at the root of the current drive.
  if (base.empty()) return false;
  const std::string testFile = base + kTestFileName;
  if (!files.Create(testFile)) return false;
  files.Remove(testFile);
  return true;
}

void WriteReportLine(THelpFiles& files, const std::string& reportPath, std::string_view format,
                     const std::vector<TReportArg>& args, const std::string& time) {
  files.Append(reportPath, ReportLineForFile(FormatReportLine(format, args), time));
}

THelpEnvironment ProbeEnvironment(const THelpFacts& facts, THelpFiles& files) {
  THelpEnvironment env;
  env.ModuleFullName = facts.ModuleFileName;
  const TPathParts module = SplitPath(facts, env.ModuleFullName);
  env.ModuleDir = module.Dir;
  env.ModuleName = module.Name;
  env.RunDir = SplitPath(facts, facts.ExeFileName).Dir;
  env.ReportDir = DirectoryWritable(facts, files, env.ModuleDir) ? env.ModuleDir : TempDirectory(facts);
  env.DebugReportOn = facts.DebugMarker || DebugSwitchGiven(CommandLineParameters(facts.CommandLine));
  env.HhVerStr = VersionTextOf(facts.EngineVersion);
  env.HhInstalled = !env.HhVerStr.empty();
  env.HhFriendlyVerStr = HelpFriendlyVersion(facts.EngineVersion);
  const std::optional<TVersion> browser = ReadBrowserVersion(facts);
  env.IeVerStr = VersionTextOf(browser);
  env.IeInstalled = !env.IeVerStr.empty();
  env.IeFriendlyVerStr = BrowserFriendlyVersion(browser);
  WriteDebugReport(facts, files, env);
  return env;
}
