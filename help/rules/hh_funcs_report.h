#pragma once
// The debug report's text: the line formatter, the rules that turn a
// formatted line into the bytes written, and the report's 22 lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "hh_funcs_facts.h"

// A value for the formatter, as text: %s and %d both take the next one (the
// caller writes numbers in decimal).
using TReportArg = std::string;

// Replaces each %s and %d of format by the next value, %% by '%'. Values are
// inserted as they are, never read as formats themselves.
std::string FormatReportLine(std::string_view format, const std::vector<TReportArg>& args);

// The bytes one formatted line becomes in the file: "-" and "=" widen to an
// 80-character rule; a leading '!', '-' or '=' is dropped (so a rule is
// written as 79 characters) and the line gets no time stamp; any other line
// gets three blanks and the time. Every line ends with CR LF.
std::string ReportLineForFile(std::string_view formatted, std::string_view time);

// "0x" and at least four upper-case hexadecimal digits.
std::string LocaleIdText(std::uint32_t id);

// One line of the report before ReportLineForFile: a format and its values.
struct TReportLine {
  std::string_view Format;
  std::vector<TReportArg> Args;
};

// The report's 22 lines, in order: the probe's findings and the platform's
// facts.
std::vector<TReportLine> DebugReportLines(const THelpEnvironment& environment, const THelpFacts& facts);
