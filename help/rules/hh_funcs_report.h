#pragma once
// The debug report's text: the line formatter, the rules that turn a
// formatted line into the bytes written, and the report's 22 lines.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hh_funcs_environment.h"

// A value for the formatter, as text: %s and %d both take the next one (the
// caller writes numbers in decimal).
using TReportArg = std::string;

// Replaces each %s and %d of format by the next value, %% by '%'. Values are
// inserted as they are, never read as formats themselves.
std::string FormatReportLine(std::string_view format, const std::vector<TReportArg>& args);

// The bytes one formatted line becomes in the file: "-" and "=" widen to an
// 80-character rule; a leading '!', '-' or '=' is dropped (so a rule is
// written as 79 characters) and the line gets no time stamp; any other line
// gets three blanks and localTime(). Every line ends with CR LF.
std::string ReportLineForFile(std::string_view formatted, const std::function<std::string()>& localTime);

// "0x" and at least four upper-case hexadecimal digits.
std::string LocaleIdText(std::uint32_t id);

// The platform's version as GetVersionEx reports it.
struct TOsVersion {
  std::uint32_t PlatformId = 0;  // 1: the Windows 95 family, 2: Windows NT
  std::uint32_t Major = 0;
  std::uint32_t Minor = 0;
  std::uint32_t Build = 0;
};

// What the report shows besides the probe's findings, read when it is written.
struct TReportContext {
  std::string DateTime;  // short date, a blank, long time
  TOsVersion Os;
  std::uint32_t ThreadLocale = 0;
  std::string DecimalSeparator;
  std::string ExePath;
  std::vector<std::string> Parameters;  // after the program name
};

// One line of the report before ReportLineForFile: a format and its values.
struct TReportLine {
  std::string_view Format;
  std::vector<TReportArg> Args;
};

// The report's 22 lines, in order.
std::vector<TReportLine> DebugReportLines(const THelpEnvironment& environment, const TReportContext& context);
