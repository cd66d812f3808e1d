#pragma once
// A copy of this test program run again, as a child, for what one process
// cannot show of itself: another user locale, another folder. It is started
// through Wine's Unix spawn, as a player's shell would start it, so that its
// Unix environment is its own.

#include <string>
#include <vector>

// The Unix path of a Windows one, through Wine's own export.
std::string UnixPath(const std::wstring& path);
// The path of this program.
std::wstring ProgramPath();

// Runs the tests `filter` of `program` (a copy of this one) in a new Wine
// process whose Unix environment has `assignments` (NAME=value) besides this
// one's. Returns true when they passed.
bool RunChildTests(const std::wstring& program, const std::string& filter, const std::vector<std::string>& assignments);
