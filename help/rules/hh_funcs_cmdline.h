#pragma once
// The command line as the help probe reads it: its parameters, and whether
// one of them turns the debug report on.

#include <string>
#include <string_view>
#include <vector>

// The parameters after the program name. Blanks and tabs separate them; a
// double quote starts or ends a quoted stretch in which blanks belong to the
// parameter, and the quotes themselves are dropped.
std::vector<std::string> CommandLineParameters(std::string_view commandLine);

// "/debug" or "-debug", ASCII letters in any case, as a whole parameter.
bool IsDebugSwitch(std::string_view parameter);

// Whether any parameter is a debug switch.
bool DebugSwitchGiven(const std::vector<std::string>& parameters);
