#pragma once
// The help probe's platform on Win32: ANSI calls of the active code page.

#include <windows.h>

#include "hh_funcs_platform.h"
#include "hh_library.h"

class TWin32HelpPlatform : public THelpPlatform {
 public:
  bool IsLeadByte(unsigned char byte) const override;
  std::string ModuleFileName() override;
  std::string ExeFileName() override;
  std::string CommandLine() override;
  std::string SystemDirectory() override;
  std::string TempPath() override;
  std::string HelpEnginePath() override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool CreateEmptyFile(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool AppendToFile(const std::string& path, std::string_view bytes) override;
  std::optional<TFileVersionWords> FileVersionWords(const std::string& path) override;
  TOsVersion OsVersion() override;
  std::uint32_t ThreadLocale() override;
  std::string DecimalSeparator() override;
  std::string LocalDateTime() override;
  std::string LocalTime() override;

 private:
  bool VersionLibraryLoaded();
  using TGetSize = DWORD(WINAPI*)(LPCSTR, LPDWORD);
  using TGetInfo = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
  using TQuery = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
  TLibrary FVersionLibrary;
  TGetSize FGetSize = nullptr;
  TGetInfo FGetInfo = nullptr;
  TQuery FQuery = nullptr;
};
