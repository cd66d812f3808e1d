// Fuzz target of the command-line switch test (help/rules/hh_funcs_cmdline:
// CommandLineParameters, IsDebugSwitch, DebugSwitchGiven). Input: a command
// line, program name first, as GetCommandLineA gives it.
//
// Properties, from hh_funcs_cmdline.h and the probe's debug-switch rule:
// - no parameter holds a double quote, and a quoted blank stays in its
//   parameter: the words, program name included, are exactly the input with
//   every quote dropped and every blank outside quotes taken as a separator;
//   the parameters are those words but the first;
// - each parameter, quoted and joined again behind a program name, reads back
//   as the same parameters;
// - IsDebugSwitch holds exactly for "/" or "-" then "debug" in any case of
//   its ASCII letters, and only for the whole parameter;
// - DebugSwitchGiven holds exactly when one parameter is such a switch.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "hh_funcs_cmdline.h"

namespace {

// The words of a command line, by the quote and blank rules, written as a
// character-by-character state machine.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  bool inWord = false, quoted = false;
  for (char c : line) {
    const bool separator = !quoted && (c == ' ' || c == '\t');
    if (separator) {
      inWord = false;
      continue;
    }
    if (!inWord) words.emplace_back();
    inWord = true;
    if (c == '"') quoted = !quoted;
    else words.back() += c;
  }
  return words;
}

bool ReferenceIsDebugSwitch(std::string_view p) {
  if (p.size() != 6 || (p[0] != '/' && p[0] != '-')) return false;
  static const char* const kUpper = "DEBUG";
  static const char* const kLower = "debug";
  for (std::size_t i = 0; i < 5; ++i)
    if (p[i + 1] != kUpper[i] && p[i + 1] != kLower[i]) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> parameters = CommandLineParameters(line);

  std::vector<std::string> expected = Words(line);
  if (!expected.empty()) expected.erase(expected.begin());
  FUZZ_CHECK(parameters == expected);
  bool anySwitch = false;
  for (const std::string& p : parameters) {
    FUZZ_CHECK(p.find('"') == std::string::npos);
    FUZZ_CHECK(IsDebugSwitch(p) == ReferenceIsDebugSwitch(p));
    anySwitch = anySwitch || ReferenceIsDebugSwitch(p);
  }
  FUZZ_CHECK(DebugSwitchGiven(parameters) == anySwitch);

  // Quoted and joined again, the parameters read back unchanged.
  std::string again = "\"C:\\Program Files\\Brelix\\Brelix.exe\"";
  for (const std::string& p : parameters) again += " \"" + p + "\"";
  FUZZ_CHECK(CommandLineParameters(again) == parameters);

  // The switch test on the raw input and on a few cuts of it: whole
  // parameters only.
  FUZZ_CHECK(IsDebugSwitch(line) == ReferenceIsDebugSwitch(line));
  for (std::size_t cut = 0; cut <= line.size() && cut < 8; ++cut)
    FUZZ_CHECK(IsDebugSwitch(line.substr(cut)) == ReferenceIsDebugSwitch(line.substr(cut)));
  return 0;
}
