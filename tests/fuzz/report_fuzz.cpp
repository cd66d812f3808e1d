// Fuzz target of the help probe's version and report-line rules
// (help/rules: hh_funcs_version, hh_funcs_names, hh_funcs_report,
// hh_funcs_text, hh_funcs_buffer).
//
// Input: texts separated by NUL bytes, then 27 bytes of numbers at the very
// end (little-endian; a shorter input has only numbers, the missing bytes 0).
// Texts:
//   0  a report format (%s, %d, %%)
//   1  the local time text
//   2  a path, ANSI text of a code page (also a report value)
//   3… report values: "#" and a decimal number for %d, any other text for %s
// Numbers: two file-version words (4 + 4 bytes), two more for a second
// version (4 + 4), a code page (1: none, Shift-JIS, GBK or every byte a lead
// byte), a character (1), a count (1, signed), a locale id (4), a buffer's
// first size (1) and greatest size (2), a path getter's style (1; its bits
// 0x40 and 0x80 move the two versions next to a row of the release tables).
//
// Properties, from the headers and the documented report format:
// - versions: the words split into the four fields, their text reads back as
//   them, the order is the lexicographic one (and antisymmetric), the shift of
//   old browser builds happens exactly for 4.≤70.0.x;
// - release names: the first row of the documented tables whose threshold the
//   version reaches;
// - FormatReportLine replaces %s and %d by the values in turn (nothing when
//   they run out), %% by %, never reads a value as a format;
// - ReportLineForFile: rules of 79 characters, a marker dropped without time
//   stamp, any other line with three blanks and the time; always CR LF at the
//   end;
// - the 22 report lines: their markers, values after a tab, and no time
//   stamp anywhere;
// - LocaleIdText: "0x", at least four upper-case digits, the same number;
// - StripTrailingChar and SplitFileName respect double-byte characters: a cut
//   falls only between characters, a trail byte never counts as '\' or ':';
// - RepeatChar: count copies, none for a count of 0 or less;
// - ReadWholeText never returns a text cut short, and returns it whenever a
//   buffer large enough is allowed.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "FuzzCheck.h"
#include "HelpReleases.h"
#include "hh_funcs_buffer.h"
#include "hh_funcs_cmdline.h"
#include "hh_funcs_report.h"
#include "hh_funcs_text.h"
#include "hh_funcs_version.h"

namespace {

// --- Input ---------------------------------------------------------------

constexpr std::size_t kNumberBytes = 27;

std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) fields.emplace_back();
    else fields.back() += static_cast<char>(data[i]);
  }
  while (fields.size() < 3) fields.emplace_back();
  return fields;
}

struct Bytes {
  const std::string& s;
  std::size_t at = 0;
  std::uint32_t Take(int n) {
    std::uint32_t v = 0;
    for (int k = 0; k < n; ++k, ++at)
      v |= static_cast<std::uint32_t>(at < s.size() ? static_cast<unsigned char>(s[at]) : 0) << (8 * k);
    return v;
  }
};

// --- Versions and release names -------------------------------------------

auto Tuple(const TVersion& v) { return std::make_tuple(v.Major, v.Minor, v.Release, v.Build); }

std::string ReleaseFromTable(const TReleaseTable& table, const TVersion& v) {
  if (Tuple(v) > Tuple(table.Rows.front().Threshold)) return table.Newer;
  for (const TRelease& row : table.Rows)
    if (Tuple(v) >= Tuple(row.Threshold)) return row.Name;
  return table.Older;
}

// Replaces the words by those of a row's threshold (chosen by ms), moved by
// -2 to +2 (chosen by ls) in the version order: the low word counts on into
// the release field, so that the versions just below a threshold whose build
// is 0 come too.
void NearThreshold(const TReleaseTable& table, std::uint32_t& ms, std::uint32_t& ls) {
  const TVersion& t = table.Rows[ms % table.Rows.size()].Threshold;
  const std::uint32_t step = ls % 5;
  ms = std::uint32_t{t.Major} << 16 | t.Minor;
  ls = (std::uint32_t{t.Release} << 16 | t.Build) + step - 2;
}

void CheckVersions(std::uint32_t ms, std::uint32_t ls, const TVersion& other) {
  const TVersion v = VersionFromFileVersionWords(ms, ls);
  FUZZ_CHECK(v.Major == ms >> 16 && v.Minor == (ms & 0xFFFF) && v.Release == ls >> 16 && v.Build == (ls & 0xFFFF));

  // The text: four decimal numbers without leading zeros, joined by dots.
  const std::string text = VersionText(v);
  std::uint32_t fields[4] = {};
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (int k = 0; k < 4; ++k) {
    if (k > 0) {
      FUZZ_CHECK(p < end && *p == '.');
      ++p;
    }
    FUZZ_CHECK(p < end && (*p != '0' || p + 1 == end || p[1] == '.'));
    const auto [next, error] = std::from_chars(p, end, fields[k]);
    FUZZ_CHECK(error == std::errc());
    p = next;
  }
  FUZZ_CHECK(p == end);
  FUZZ_CHECK(fields[0] == v.Major && fields[1] == v.Minor && fields[2] == v.Release && fields[3] == v.Build);

  // The order.
  const int order = CompareVersions(v, other);
  FUZZ_CHECK(order == (Tuple(v) < Tuple(other) ? -1 : Tuple(v) > Tuple(other) ? 1 : 0));
  FUZZ_CHECK(CompareVersions(other, v) == -order);
  FUZZ_CHECK(CompareVersions(v, v) == 0);

  // The field shift of old browser builds.
  const TVersion shifted = ShiftOldBrowserFields(v);
  if (v.Major == 4 && v.Minor <= 70 && v.Release == 0)
    FUZZ_CHECK(Tuple(shifted) == std::make_tuple(v.Major, v.Minor, v.Build, std::uint16_t{0}));
  else
    FUZZ_CHECK(Tuple(shifted) == Tuple(v));

  // The release names.
  FUZZ_CHECK(HelpReleaseName(v) == ReleaseFromTable(kHelpReleases, v));
  FUZZ_CHECK(BrowserReleaseName(shifted) == ReleaseFromTable(kBrowserReleases, shifted));
  FUZZ_CHECK(BrowserReleaseName(other) == ReleaseFromTable(kBrowserReleases, other));
}

// --- Report lines ------------------------------------------------------------

std::string ArgText(const TReportArg& arg) { return arg; }

// The formatter, written around find(): copy up to the next '%', then look at
// the character after it.
std::string ReferenceFormat(std::string_view format, const std::vector<TReportArg>& args) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t at = 0;;) {
    const std::size_t percent = format.find('%', at);
    out += format.substr(at, percent == std::string_view::npos ? std::string_view::npos : percent - at);
    if (percent == std::string_view::npos) return out;
    const std::string_view directive = format.substr(percent, 2);
    if (directive == "%%") {
      out += '%';
    } else if (directive == "%s" || directive == "%d") {
      if (next < args.size()) out += ArgText(args[next++]);
    } else {
      out += '%';
      at = percent + 1;
      continue;
    }
    at = percent + 2;
  }
}

std::string ExpectedFileLine(const std::string& formatted, const std::string& time) {
  if (formatted == "-" || formatted == "=") return std::string(79, formatted[0]) + "\r\n";
  if (!formatted.empty() && (formatted[0] == '!' || formatted[0] == '-' || formatted[0] == '='))
    return formatted.substr(1) + "\r\n";
  return formatted + "   " + time + "\r\n";
}

void CheckReportLine(const std::string& format, const std::vector<TReportArg>& args, const std::string& time) {
  const std::string formatted = FormatReportLine(ExactCopy<char>(format).View(), args);
  FUZZ_CHECK(formatted == ReferenceFormat(format, args));
  if (format.find('%') == std::string::npos) FUZZ_CHECK(formatted == format);
  // A value is inserted as it is, whatever it holds.
  for (const TReportArg& arg : args) FUZZ_CHECK(FormatReportLine("%s", {arg}) == ArgText(arg));

  const std::string line = ReportLineForFile(ExactCopy<char>(formatted).View(), time);
  FUZZ_CHECK(line == ExpectedFileLine(formatted, time));
  FUZZ_CHECK(line.size() >= 2 && line.ends_with("\r\n"));
}

void CheckReport(const THelpEnvironment& environment, const THelpFacts& facts) {
  const std::vector<TReportLine> lines = DebugReportLines(environment, facts);
  FUZZ_CHECK(lines.size() == 22);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TReportLine& line = lines[i];
    const bool rule = line.Format == "-" || line.Format == "=";
    FUZZ_CHECK(rule == (i == 7 || i == 13 || i == 17 || i == 21));
    FUZZ_CHECK(rule || line.Format[0] == '!');
    // One value per directive; every %s value after a tab.
    std::size_t directives = 0;
    for (std::size_t k = 0; k + 1 < line.Format.size(); ++k)
      if (line.Format[k] == '%' && (line.Format[k + 1] == 's' || line.Format[k + 1] == 'd')) ++directives;
    FUZZ_CHECK(directives == line.Args.size());
    if (!rule) {
      FUZZ_CHECK(line.Args.at(0).starts_with("\t"));
    }
    // Every line is marked: none takes the time.
    const std::string formatted = FormatReportLine(line.Format, line.Args);
    const std::string written = ReportLineForFile(formatted, facts.Time);
    FUZZ_CHECK(written == ExpectedFileLine(formatted, facts.Time) && written == ExpectedFileLine(formatted, ""));
    if (rule) FUZZ_CHECK(written == std::string(79, line.Format[0]) + "\r\n");
  }
  // The parameters, joined by " | ".
  const std::vector<std::string> parameters = CommandLineParameters(facts.CommandLine);
  std::string joined = "\t";
  for (std::size_t k = 0; k < parameters.size(); ++k) joined += (k ? " | " : "") + parameters[k];
  FUZZ_CHECK(lines[9].Args.at(0) == joined);
  FUZZ_CHECK(lines[0].Args.at(0) == "\t" + environment.ReportDir + environment.ReportFileName);
}

void CheckLocaleId(std::uint32_t id) {
  const std::string text = LocaleIdText(id);
  FUZZ_CHECK(text.starts_with("0x") && text.size() >= 6);
  const std::string digits = text.substr(2);
  FUZZ_CHECK(digits.find_first_not_of("0123456789ABCDEF") == std::string::npos);
  FUZZ_CHECK(digits.size() == 4 || digits[0] != '0');
  std::uint64_t back = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), back, 16);
  FUZZ_CHECK(error == std::errc() && end == digits.data() + digits.size() && back == id);
}

// --- Double-byte text ----------------------------------------------------------

TLeadBytePredicate CodePage(std::uint32_t choice) {
  switch (choice % 4) {
    case 1: return [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };  // Shift-JIS
    case 2: return [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };                               // GBK
    case 3: return [](unsigned char) { return true; };
    default: return [](unsigned char) { return false; };
  }
}

// Where each character starts: a lead byte takes the next byte with it,
// unless it is the last byte.
std::vector<std::size_t> Starts(const std::string& s, const TLeadBytePredicate& lead) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < s.size(); i += lead(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1)
    starts.push_back(i);
  return starts;
}

bool IsStart(const std::vector<std::size_t>& starts, std::size_t at, std::size_t size) {
  return at == size || std::binary_search(starts.begin(), starts.end(), at);
}

// Whether the single-byte character c stands at start (and is not half of a
// double-byte one).
bool SingleAt(const std::string& s, const std::vector<std::size_t>& starts, std::size_t at, char c) {
  return s[at] == c && IsStart(starts, at, s.size()) && IsStart(starts, at + 1, s.size());
}

void CheckText(const std::string& path, const TLeadBytePredicate& lead, char ch, int count) {
  const std::vector<std::size_t> starts = Starts(path, lead);

  std::string stripped = path;
  StripTrailingChar(stripped, ch, lead);
  FUZZ_CHECK(path.starts_with(stripped));
  FUZZ_CHECK(IsStart(starts, stripped.size(), path.size()));
  for (std::size_t at = stripped.size(); at < path.size(); ++at) FUZZ_CHECK(SingleAt(path, starts, at, ch));
  if (!stripped.empty()) FUZZ_CHECK(!SingleAt(path, starts, stripped.size() - 1, ch));

  const TPathParts parts = SplitFileName(ExactCopy<char>(path).View(), lead);
  FUZZ_CHECK(parts.Dir + parts.Name == path);
  FUZZ_CHECK(IsStart(starts, parts.Dir.size(), path.size()));
  if (!parts.Dir.empty()) {
    const std::size_t last = parts.Dir.size() - 1;
    FUZZ_CHECK(SingleAt(path, starts, last, '\\') || SingleAt(path, starts, last, ':'));
  }
  for (std::size_t at = parts.Dir.size(); at < path.size(); ++at)
    FUZZ_CHECK(!SingleAt(path, starts, at, '\\') && !SingleAt(path, starts, at, ':'));

  const std::string repeated = RepeatChar(ch, count);
  FUZZ_CHECK(repeated == std::string(count > 0 ? static_cast<std::size_t>(count) : 0, ch));
}

// --- Reading a path from a platform buffer ---------------------------------------

void CheckWholeText(const std::string& text, std::uint32_t firstSize, std::uint32_t maxSize, std::uint32_t style) {
  int calls = 0;
  bool oversized = false;
  const auto fill = [&](char* buffer, std::uint32_t size) -> std::uint32_t {
    ++calls;
    oversized = oversized || size > maxSize || size == 0;
    switch (style % 3) {
      case 0:  // GetModuleFileName: cut and unterminated when too small
        std::copy_n(text.data(), std::min<std::size_t>(text.size(), size), buffer);
        if (text.size() < size) {
          buffer[text.size()] = '\0';
          return static_cast<std::uint32_t>(text.size());
        }
        return size;
      case 1:  // GetSystemDirectory, GetTempPath: the size needed when too small
        if (text.size() < size) {
          std::copy_n(text.data(), text.size() + 1, buffer);
          return static_cast<std::uint32_t>(text.size());
        }
        return static_cast<std::uint32_t>(text.size() + 1);
      default:
        return 0;
    }
  };
  const std::string read = ReadWholeText(firstSize, fill, maxSize);
  FUZZ_CHECK(!oversized);
  FUZZ_CHECK(calls <= 40);
  FUZZ_CHECK(read.empty() || read == text);
  const std::uint32_t first = std::max<std::uint32_t>(firstSize, 1);
  if (style % 3 != 2 && !text.empty() && first <= maxSize && 2 * text.size() < maxSize) FUZZ_CHECK(read == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t textSize = size > kNumberBytes ? size - kNumberBytes : 0;
  const std::vector<std::string> fields = Fields(data, textSize);
  const std::string& format = fields[0];
  const std::string& time = fields[1];
  const std::string& path = fields[2];
  const std::string numberBytes(reinterpret_cast<const char*>(data) + textSize, size - textSize);
  Bytes numbers{numberBytes};
  std::uint32_t ms = numbers.Take(4), ls = numbers.Take(4);
  std::uint32_t ms2 = numbers.Take(4), ls2 = numbers.Take(4);
  const std::uint32_t codePage = numbers.Take(1);
  const char ch = static_cast<char>(numbers.Take(1));
  const int count = static_cast<std::int8_t>(numbers.Take(1));
  const std::uint32_t localeId = numbers.Take(4);
  const std::uint32_t firstSize = numbers.Take(1);
  const std::uint32_t maxSize = numbers.Take(2) % 4097;
  const std::uint32_t style = numbers.Take(1);
  std::vector<TReportArg> args;
  for (std::size_t k = 3; k < fields.size(); ++k) {
    const std::string& f = fields[k];
    long long n = 0;
    if (f.starts_with("#") && std::from_chars(f.data() + 1, f.data() + f.size(), n).ec == std::errc())
      args.emplace_back(std::to_string(n));  // numbers come written in decimal
    else
      args.emplace_back(f);
  }

  // With the style's high bits, versions at or next to a row of the release
  // tables, where a slip in a threshold would hide from random numbers.
  if (style & 0x40) NearThreshold(kHelpReleases, ms, ls);
  if (style & 0x80) NearThreshold(kBrowserReleases, ms2, ls2);
  CheckVersions(ms, ls, VersionFromFileVersionWords(ms2, ls2));
  CheckReportLine(format, args, time);
  CheckLocaleId(localeId);
  CheckText(path, CodePage(codePage), ch, count);
  CheckWholeText(path, firstSize, maxSize, style);

  // The whole report, with the fuzzed texts in every place.
  THelpEnvironment environment;
  environment.ModuleFullName = path;
  const TPathParts parts = SplitFileName(path, CodePage(codePage));
  environment.ModuleDir = environment.RunDir = environment.ReportDir = parts.Dir;
  environment.ModuleName = parts.Name;
  environment.HhVerStr = VersionText(VersionFromFileVersionWords(ms, ls));
  environment.HhInstalled = (codePage & 0x10) != 0;
  environment.HhFriendlyVerStr = format;
  environment.IeVerStr = time;
  environment.IeFriendlyVerStr = BrowserReleaseName(VersionFromFileVersionWords(ms2, ls2));
  THelpFacts facts;
  facts.Date = format;
  facts.Time = time;
  facts.Os = {codePage, ms, ls, ms2};
  facts.ThreadLocale = localeId;
  facts.DecimalSeparator = std::string(1, ch);
  facts.ExeFileName = path;
  facts.CommandLine = format;
  CheckReport(environment, facts);
  return 0;
}
