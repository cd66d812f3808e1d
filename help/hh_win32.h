#pragma once
// What the help layer's Win32 code shares: owners of handles, the entries of
// a loaded library, and whether a file or a folder exists at an ANSI path.

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

// Owns a handle and frees it with Free when it goes.
template <class H, auto Free>
struct THandleFreer {
  void operator()(H handle) const { Free(handle); }
};
template <class H, auto Free>
using THandleOwner = std::unique_ptr<std::remove_pointer_t<H>, THandleFreer<H, Free>>;
using TLibrary = THandleOwner<HMODULE, FreeLibrary>;
using TRegKey = THandleOwner<HKEY, RegCloseKey>;
using TFileHandle = THandleOwner<HANDLE, CloseHandle>;

// The library's export of that name, or null.
template <class TEntry>
TEntry Entry(HMODULE module, const char* name) {
  // Through the generic function pointer type, which converts without warning.
  return reinterpret_cast<TEntry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Attributes of what is at path; none for an empty path, which the platform
// would take as the current folder.
inline DWORD PathAttributes(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}
inline bool FileExists(const std::string& path) {
  const DWORD attributes = PathAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
inline bool DirectoryExists(const std::string& path) {
  const DWORD attributes = PathAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
