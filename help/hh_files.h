#pragma once
// Whether a file or a folder exists at an ANSI path, for the help layer.

#include <string>

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
