#include "hh_funcs_report.h"

#include <cstddef>

#include "hh_funcs_cmdline.h"
#include "hh_funcs_text.h"

namespace {

constexpr int kRuleWidth = 80;
constexpr std::string_view kParameterSeparator = " | ";

std::string Joined(const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += kParameterSeparator;
    out += parts[i];
  }
  return out;
}

}  // namespace

std::string FormatReportLine(std::string_view format, const std::vector<TReportArg>& args) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const char spec = i + 1 < format.size() ? format[i + 1] : '\0';
    if (c != '%' || (spec != 's' && spec != 'd' && spec != '%')) {
      out += c;
      continue;
    }
    ++i;
    if (spec == '%')
      out += '%';
    else if (next < args.size())
      out += args[next++];
  }
  return out;
}

std::string ReportLineForFile(std::string_view formatted, std::string_view time) {
  std::string line;
  if (formatted == "-" || formatted == "=")
    line = RepeatChar(formatted[0], kRuleWidth);
  else
    line = formatted;
  if (!line.empty() && (line[0] == '!' || line[0] == '-' || line[0] == '='))
    line.erase(0, 1);
  else
    line.append("   ").append(time);
  return line + "\r\n";
}

std::string LocaleIdText(std::uint32_t id) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  for (; id != 0 || digits.size() < 4; id >>= 4) digits.insert(digits.begin(), kHex[id & 0xF]);
  return "0x" + digits;
}

std::vector<TReportLine> DebugReportLines(const THelpEnvironment& environment, const THelpFacts& facts) {
  // A thread without a locale is reported as US English.
  const std::uint32_t lcid = facts.ThreadLocale != 0 ? facts.ThreadLocale : 0x0409;
  const TOsVersion& os = facts.Os;
  const std::uint32_t build = os.PlatformId == 1 ? (os.Build & 0xFFFF) : os.Build;
  std::vector<TReportLine> lines;
  lines.reserve(22);
  // One line at a time, each with its one value after a tab (so that the
  // values line up past the labels), or none: the same few calls for every
  // line keep the program small.
  const auto line = [&lines](std::string_view format, std::string_view value) {
    lines.push_back({format, {'\t' + std::string(value)}});
  };
  const auto rule = [&lines](std::string_view format) { lines.push_back({format, {}}); };
  line("!Filename:             %s", environment.ReportPath());
  line("!Date:                 %s", facts.Date + ' ' + facts.Time);
  line("!Operating System:      %s %d.%d.%d", os.PlatformId == 2 ? "Windows NT" : "Windows");
  std::vector<TReportArg>& version = lines.back().Args;
  for (const std::uint32_t number : {os.Major, os.Minor, build}) version.push_back(std::to_string(number));
  line("!SysLocale.DefaultLCID: %s", LocaleIdText(lcid));
  line("!SysLocale.PriLangID:   %s", LocaleIdText(lcid & 0x3FF));
  line("!SysLocale.SubLangID:   %s", LocaleIdText((lcid & 0xFFFF) >> 10));
  line("!DecimalSeparator:      %s", facts.DecimalSeparator);
  rule("-");
  line("!EXE Path =          %s", facts.ExeFileName);
  line("!Cmdline Param(s) =  %s", Joined(CommandLineParameters(facts.CommandLine)));
  line("!_RunDir =           %s", environment.RunDir);
  line("!_ModuleName =       %s", environment.ModuleName);
  line("!_ModuleDir =        %s", environment.ModuleDir);
  rule("-");
  line("!_hhInstalled =      %s", YesNoText(environment.HhInstalled));
  line("!_hhVerStr =         %s", environment.HhVerStr);
  line("!_hhFriendlyVerStr = %s", environment.HhFriendlyVerStr);
  rule("-");
  line("!_ieInstalled =      %s", YesNoText(environment.IeInstalled));
  line("!_ieVerStr =         %s", environment.IeVerStr);
  line("!_ieFriendlyVerStr = %s", environment.IeFriendlyVerStr);
  rule("=");
  return lines;
}
