#include "ChildProgram.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "Strings.h"

std::string UnixPath(const std::wstring& path) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
  if (!proc) return {};
  char* unix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(proc))(path.c_str());
  if (!unix) return {};
  std::string result = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

std::wstring ProgramPath() {
  wchar_t buffer[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return buffer;
}

bool RunChildTests(const std::wstring& program, const std::string& filter, const std::vector<std::string>& assignments) {
  using Spawn = LONG(CDECL*)(char* const argv[], int wait);
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp");
  wchar_t loader[MAX_PATH] = {};
  if (!proc || !GetEnvironmentVariableW(L"WINELOADER", loader, MAX_PATH)) {
    ADD_FAILURE() << "not running under Wine";
    return false;
  }
  std::vector<std::string> args = {"/usr/bin/env"};
  args.insert(args.end(), assignments.begin(), assignments.end());
  args.push_back(Narrow(loader));
  args.push_back(UnixPath(program));
  args.push_back("--gtest_filter=" + filter);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return reinterpret_cast<Spawn>(reinterpret_cast<void*>(proc))(argv.data(), TRUE) == 0;
}
