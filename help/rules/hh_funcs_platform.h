#pragma once
// Everything the help probe asks of the platform, in one narrow interface:
// the Win32 implementation lives beside the unit, a fake in the tests. Texts
// are ANSI, in the active code page.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hh_funcs_report.h"

// The two file-version words of a file's fixed version information.
struct TFileVersionWords {
  std::uint32_t MostSignificant = 0;
  std::uint32_t LeastSignificant = 0;
};

class THelpPlatform {
 public:
  virtual ~THelpPlatform() = default;

  virtual bool IsLeadByte(unsigned char byte) const = 0;

  // Full file names, as long as they are: of the module holding the probe,
  // and of the process's executable.
  virtual std::string ModuleFileName() = 0;
  virtual std::string ExeFileName() = 0;
  virtual std::string CommandLine() = 0;
  // As the platform gives them, trailing backslash and all.
  virtual std::string SystemDirectory() = 0;
  virtual std::string TempPath() = 0;
  // Path of the registered HTML Help engine, or empty.
  virtual std::string HelpEnginePath() = 0;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Creates the file for writing (replacing one of that name) and closes it.
  virtual bool CreateEmptyFile(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Opens the file for appending (creating it when missing), writes bytes,
  // flushes and closes it. False when it could not be opened.
  virtual bool AppendToFile(const std::string& path, std::string_view bytes) = 0;
  virtual std::optional<TFileVersionWords> FileVersionWords(const std::string& path) = 0;

  virtual TOsVersion OsVersion() = 0;
  virtual std::uint32_t ThreadLocale() = 0;
  // In the locale's formats.
  virtual std::string DecimalSeparator() = 0;
  virtual std::string LocalDateTime() = 0;
  virtual std::string LocalTime() = 0;
};
