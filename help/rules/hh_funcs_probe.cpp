#include "hh_funcs_probe.h"

#include "hh_funcs_cmdline.h"
#include "hh_funcs_names.h"
#include "hh_funcs_text.h"

namespace {

constexpr char kTestFileName[] = "\\$_Temp_$.$$$";
constexpr char kMarkerFileName[] = "\\debug.debug";
constexpr char kBrowserFileName[] = "\\Shdocvw.dll";

TLeadBytePredicate LeadBytes(const THelpPlatform& platform) {
  return [&platform](unsigned char byte) { return platform.IsLeadByte(byte); };
}

std::string WithoutTrailingBackslashes(const THelpPlatform& platform, std::string path) {
  StripTrailingChar(path, '\\', LeadBytes(platform));
  return path;
}

std::string DirectoryOf(const THelpPlatform& platform, const std::string& fileName) {
  return WithoutTrailingBackslashes(platform, SplitFileName(fileName, LeadBytes(platform)).Dir);
}

}  // namespace

std::string SystemDirectory(THelpPlatform& platform) {
  return WithoutTrailingBackslashes(platform, platform.SystemDirectory());
}

std::string TempDirectory(THelpPlatform& platform) {
  std::string path = platform.TempPath();
  if (path.empty() || !platform.DirectoryExists(path)) path = "c:";
  return WithoutTrailingBackslashes(platform, path);
}

bool DirectoryWritable(THelpPlatform& platform, const std::string& dir) {
  const std::string base = WithoutTrailingBackslashes(platform, dir);
  // An empty directory would put the test file at the root of the current drive.
  if (base.empty()) return false;
  const std::string testFile = base + kTestFileName;
  if (!platform.CreateEmptyFile(testFile)) return false;
  platform.RemoveFile(testFile);
  return true;
}

TFileVersion ReadFileVersion(THelpPlatform& platform, const std::string& path) {
  if (path.empty() || !platform.FileExists(path)) return {};
  const std::optional<TFileVersionWords> words = platform.FileVersionWords(path);
  if (!words) return {};
  const TVersion number = VersionFromFileVersionWords(words->MostSignificant, words->LeastSignificant);
  return {number, VersionText(number)};
}

TFileVersion ReadBrowserVersion(THelpPlatform& platform) {
  TFileVersion version = ReadFileVersion(platform, SystemDirectory(platform) + kBrowserFileName);
  if (version.Text.empty()) return version;
  version.Number = ShiftOldBrowserFields(version.Number);
  version.Text = VersionText(version.Number);
  return version;
}

std::string HelpFriendlyVersion(const TFileVersion& engine) {
  return engine.Text.empty() ? std::string() : HelpReleaseName(engine.Number);
}

std::string BrowserFriendlyVersion(const TFileVersion& browser) {
  return browser.Text.empty() ? std::string() : BrowserReleaseName(browser.Number);
}

void WriteReportLine(THelpPlatform& platform, const std::string& reportPath, std::string_view format,
                     const std::vector<TReportArg>& args) {
  const std::string bytes =
      ReportLineForFile(FormatReportLine(format, args), [&platform] { return platform.LocalTime(); });
  platform.AppendToFile(reportPath, bytes);
}

void WriteDebugReport(THelpPlatform& platform, const THelpEnvironment& environment) {
  const std::string reportPath = environment.ReportPath();
  // Also on an ordinary start: a report never outlives the debug run that wrote it.
  if (platform.FileExists(reportPath)) platform.RemoveFile(reportPath);
  if (!environment.DebugReportOn) return;
  TReportContext context;
  context.DateTime = platform.LocalDateTime();
  context.Os = platform.OsVersion();
  context.ThreadLocale = platform.ThreadLocale();
  context.DecimalSeparator = platform.DecimalSeparator();
  context.ExePath = platform.ExeFileName();
  context.Parameters = CommandLineParameters(platform.CommandLine());
  for (const TReportLine& line : DebugReportLines(environment, context))
    WriteReportLine(platform, reportPath, line.Format, line.Args);
}

THelpEnvironment ProbeEnvironment(THelpPlatform& platform) {
  THelpEnvironment env;
  env.ModuleFullName = platform.ModuleFileName();
  const TPathParts module = SplitFileName(env.ModuleFullName, LeadBytes(platform));
  env.ModuleDir = WithoutTrailingBackslashes(platform, module.Dir);
  env.ModuleName = module.Name;
  env.RunDir = DirectoryOf(platform, platform.ExeFileName());
  env.ReportDir = DirectoryWritable(platform, env.ModuleDir) ? env.ModuleDir : TempDirectory(platform);

  env.DebugReportOn = (!env.ModuleDir.empty() && platform.FileExists(env.ModuleDir + kMarkerFileName)) ||
                      DebugSwitchGiven(CommandLineParameters(platform.CommandLine()));

  // Each file's version is read once, for its text and its release name.
  const TFileVersion engine = ReadFileVersion(platform, platform.HelpEnginePath());
  env.HhVerStr = engine.Text;
  env.HhInstalled = !env.HhVerStr.empty();
  env.HhFriendlyVerStr = HelpFriendlyVersion(engine);
  const TFileVersion browser = ReadBrowserVersion(platform);
  env.IeVerStr = browser.Text;
  env.IeInstalled = !env.IeVerStr.empty();
  env.IeFriendlyVerStr = BrowserFriendlyVersion(browser);

  WriteDebugReport(platform, env);
  return env;
}
