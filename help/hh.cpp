#include "hh.h"

#include <cstring>

#include "hh_funcs_buffer.h"
#include "hh_win32.h"

namespace {

// In-process server of the HTML Help control class: its default value names
// the engine library.
constexpr char kEngineKey[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr wchar_t kHelpFileName[] = L"Brelix.chm";

// The engine, one per process: the library and the entries found in it.
struct THelpEngineState {
  TLibrary Module;
  THtmlHelpA HtmlHelpA = nullptr;
  THtmlHelpW HtmlHelpW = nullptr;
  THtmlHelpA HtmlHelp = nullptr;
};
THelpEngineState theEngine;

// The key's default value as text, up to its first zero (stored text need
// not end with one). Values of any type but plain or expandable text count
// as absent; expandable text is not expanded.
std::string ReadDefaultText(HKEY key) {
  return ReadWholeText(MAX_PATH + 1, [key](char* buffer, std::uint32_t size) -> std::uint32_t {
    DWORD type = REG_NONE;
    DWORD bytes = size;
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    if (result == ERROR_MORE_DATA) return bytes;
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return 0;
    return static_cast<std::uint32_t>(strnlen(buffer, bytes));
  });
}

// A relative registry path resolved the way the file-exists test saw it, so
// that the library loaded is the file tested and never one found by the DLL
// search order (the program's own folder comes first there).
std::string FullPath(const std::string& path) {
  const std::string full = ReadWholeText(MAX_PATH, [&path](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetFullPathNameA(path.c_str(), size, buffer, nullptr));
  });
  return full.empty() ? path : full;
}

// Loads a library without the system's error boxes: failures here are silent.
HMODULE LoadLibraryQuietly(const std::string& path) {
  const UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
  const UINT previous = SetErrorMode(quiet);
  SetErrorMode(previous | quiet);
  HMODULE module = LoadLibraryA(path.c_str());
  SetErrorMode(previous);
  return module;
}

std::wstring ExecutablePath() {
  return ReadWholeText<wchar_t>(MAX_PATH, [](wchar_t* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetModuleFileNameW(nullptr, buffer, size));
  });
}

// The path as the engine's ANSI entry can take it, or empty text: every
// character must be in the ANSI code page (one it lacks never becomes a
// look-alike that could name another file), and the whole shorter than
// MAX_PATH, beyond which the entry cannot go.
std::string EngineAnsiPath(const std::wstring& path) {
  const int size = static_cast<int>(path.size());
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0 || length >= MAX_PATH) return {};
  std::string ansi(static_cast<std::size_t>(length), '\0');
  BOOL lossy = FALSE;
  if (!WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), size, ansi.data(), length, nullptr, &lossy) ||
      lossy)
    return {};
  return ansi;
}

}  // namespace

std::string LocateHelpEngine() {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kEngineKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  const TRegKey key(opened);
  const std::string path = ReadDefaultText(key.get());
  return FileExists(path) ? path : std::string();
}

void LoadHelpEngine() {
  if (theEngine.Module) return;
  const std::string path = LocateHelpEngine();
  if (path.empty()) return;
  TLibrary module(LoadLibraryQuietly(FullPath(path)));
  if (!module) return;
  theEngine.HtmlHelpA = Entry<THtmlHelpA>(module.get(), "HtmlHelpA");
  theEngine.HtmlHelpW = Entry<THtmlHelpW>(module.get(), "HtmlHelpW");
  theEngine.HtmlHelp = theEngine.HtmlHelpA;
  theEngine.Module = std::move(module);
}

void UnloadHelpEngine() { theEngine = {}; }

HMODULE HelpEngineModule() { return theEngine.Module.get(); }
THtmlHelpA HtmlHelpA() { return theEngine.HtmlHelpA; }
THtmlHelpW HtmlHelpW() { return theEngine.HtmlHelpW; }
THtmlHelpA HtmlHelp() { return theEngine.HtmlHelp; }

std::string HelpFilePath() {
  std::wstring folder = ExecutablePath();
  folder.erase(folder.find_last_of(L'\\') + 1);  // all of it when there is no folder
  const std::string path = EngineAnsiPath(folder + kHelpFileName);
  if (!path.empty()) return path;
  // A folder named outside the ANSI code page, or too deep: its short name
  // is made of ANSI characters and much shorter. The folder's, not the
  // file's: a missing file has none, and the engine then says it is missing.
  std::wstring shortFolder(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(folder.c_str(), shortFolder.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  shortFolder.resize(length);
  if (shortFolder.back() != L'\\') shortFolder += L'\\';
  return EngineAnsiPath(shortFolder + kHelpFileName);
}

THelpEngineUnit::THelpEngineUnit() {
  if (HelpEngineAutoLoad) LoadHelpEngine();
}

THelpEngineUnit::~THelpEngineUnit() { UnloadHelpEngine(); }
