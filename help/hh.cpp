#include "hh.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "hh_files.h"
#include "hh_library.h"

namespace {

// In-process server of the HTML Help control class: its default value names
// the engine library.
constexpr char kEngineKey[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr wchar_t kHelpFileName[] = L"Brelix.chm";

struct TRegKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using TRegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TRegKeyCloser>;

// The engine, one per process: the library and the entries found in it.
struct THelpEngineState {
  TLibrary Module;
  THtmlHelpA HtmlHelpA = nullptr;
  THtmlHelpW HtmlHelpW = nullptr;
  THtmlHelpA HtmlHelp = nullptr;
};
THelpEngineState theEngine;

// The key's default value as text, up to its first zero. Values of any type but
// plain or expandable text count as absent; expandable text is not expanded.
std::string ReadDefaultText(HKEY key) {
  std::vector<char> data(MAX_PATH + 1);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) {
      data.resize(size + 1);
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
    // Stored text need not end with a zero.
    const std::size_t length = std::min<std::size_t>(size, data.size());
    return std::string(data.data(), strnlen(data.data(), length));
  }
  return {};
}

// A relative registry path resolved the way the file-exists test saw it, so
// that the library loaded is the file tested and never one found by the DLL
// search order (the program's own folder comes first there).
std::string FullPath(const std::string& path) {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return path;
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
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

template <class TEntry>
TEntry Entry(HMODULE module, const char* name) {
  // Through the generic function pointer type, which converts without warning.
  return reinterpret_cast<TEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

std::wstring ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    // A cut name fills the whole buffer (and is not terminated on XP).
    if (length < buffer.size()) return buffer.substr(0, length);
    if (buffer.size() > 0x10000) return {};
    buffer.resize(buffer.size() * 2);
  }
}

// Text in the ANSI code page; a character it lacks becomes "?", never a
// look-alike that could name another file. `exact` tells whether every
// character was there.
std::string ToAnsi(const std::wstring& text, bool* exact = nullptr) {
  if (exact) *exact = true;
  if (text.empty()) return {};
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(), length,
                      nullptr, exact ? &lossy : nullptr);
  if (exact) *exact = !lossy;
  return out;
}

// A path the engine can open: in the ANSI code page and shorter than
// MAX_PATH, which its ANSI entry cannot go beyond.
bool EngineCanOpen(const std::string& path, bool exact) { return exact && !path.empty() && path.size() < MAX_PATH; }

}  // namespace

std::string LocateHelpEngine() {
  std::string path;
  {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kEngineKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return path;
    const TRegKey key(opened);
    path = ReadDefaultText(key.get());
  }
  if (!path.empty() && !FileExists(path)) path.clear();
  return path;
}

void LoadHelpEngine() {
  if (theEngine.Module) return;
  const std::string path = LocateHelpEngine();
  if (path.empty() || !FileExists(path)) return;
  TLibrary module(LoadLibraryQuietly(FullPath(path)));
  if (!module) return;
  theEngine.HtmlHelpA = Entry<THtmlHelpA>(module.get(), "HtmlHelpA");
  theEngine.HtmlHelpW = Entry<THtmlHelpW>(module.get(), "HtmlHelpW");
  theEngine.HtmlHelp = Entry<THtmlHelpA>(module.get(), "HtmlHelpA");
  theEngine.Module = std::move(module);
}

void UnloadHelpEngine() {
  if (!theEngine.Module) return;
  theEngine.Module.reset();
  theEngine.HtmlHelpA = nullptr;
  theEngine.HtmlHelpW = nullptr;
  theEngine.HtmlHelp = nullptr;
}

HMODULE HelpEngineModule() { return theEngine.Module.get(); }
THtmlHelpA HtmlHelpA() { return theEngine.HtmlHelpA; }
THtmlHelpW HtmlHelpW() { return theEngine.HtmlHelpW; }
THtmlHelpA HtmlHelp() { return theEngine.HtmlHelp; }

std::string HelpFilePath() {
  std::wstring path = ExecutablePath();
  const std::size_t name = path.find_last_of(L'\\') + 1;  // 0 when there is no folder
  path.erase(name);
  path += kHelpFileName;
  bool exact = false;
  std::string ansi = ToAnsi(path, &exact);
  if (EngineCanOpen(ansi, exact)) return ansi;
  // A folder named outside the ANSI code page, or too deep: its short name
  // is made of ANSI characters and much shorter. The folder's, not the
  // file's: a missing file has none, and the engine then says it is missing.
  path.erase(name);
  std::wstring shortPath(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  shortPath.resize(length);
  if (shortPath.back() != L'\\') shortPath += L'\\';
  shortPath += kHelpFileName;
  ansi = ToAnsi(shortPath, &exact);
  return EngineCanOpen(ansi, exact) ? ansi : std::string();
}

THelpEngineUnit::THelpEngineUnit() {
  if (HelpEngineAutoLoad) LoadHelpEngine();
}

THelpEngineUnit::~THelpEngineUnit() { UnloadHelpEngine(); }
