#include "hh_funcs_cmdline.h"

#include <algorithm>
#include <cstddef>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Only ASCII letters fold: a locale-aware comparison could match other
// characters (a dotless i, for one) against "debug".
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::vector<std::string> CommandLineParameters(std::string_view commandLine) {
  std::vector<std::string> words;
  std::size_t i = 0;
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::string word;
    bool quoted = false;
    for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i) {
      if (commandLine[i] == '"')
        quoted = !quoted;
      else
        word += commandLine[i];
    }
    words.push_back(std::move(word));
  }
  if (!words.empty()) words.erase(words.begin());  // the program name
  return words;
}

bool IsDebugSwitch(std::string_view parameter) {
  constexpr std::string_view kDebug = "debug";
  if (parameter.size() != kDebug.size() + 1 || (parameter[0] != '/' && parameter[0] != '-')) return false;
  return std::equal(kDebug.begin(), kDebug.end(), parameter.begin() + 1,
                    [](char want, char got) { return want == AsciiLower(got); });
}

bool DebugSwitchGiven(const std::vector<std::string>& parameters) {
  return std::any_of(parameters.begin(), parameters.end(), [](const std::string& p) { return IsDebugSwitch(p); });
}
