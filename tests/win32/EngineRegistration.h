#pragma once
// For the help tests: the registry entry of the HTML Help engine rewritten in
// the throwaway prefix and put back afterwards, the stand-in engines built
// beside the tests, and the calls they recorded.

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "hh.h"

inline constexpr char kEngineKeyPath[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

// The directory of the running test program, with its backslash, in ANSI.
inline std::string TestBinDirectory() {
  char path[MAX_PATH * 4] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\') + 1);
}

// Path of a stand-in engine: "brelix_stub_engine", "..._ansi" or "..._wide".
inline std::string StubEngine(const std::string& name = "brelix_stub_engine") {
  return TestBinDirectory() + name + ".dll";
}

// Rewrites the engine's key for a test and puts back every value it had (or
// its absence) afterwards. The original is kept in a backup key until then,
// so a run that dies halfway is repaired by the next one.
class TEngineRegistration {
 public:
  TEngineRegistration() {
    if (HKEY backup = Open(HKEY_CURRENT_USER, kBackupPath)) {
      RegCloseKey(backup);
      Restore();
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupValuesPath);
    HKEY backup = Create(HKEY_CURRENT_USER, kBackupPath);
    if (!backup) throw std::runtime_error("cannot back up the engine's registration");
    RegCloseKey(backup);
    if (HKEY key = Open(HKEY_CLASSES_ROOT, kEngineKeyPath)) {
      HKEY values = Create(HKEY_CURRENT_USER, kBackupValuesPath);
      if (values) CopyValues(key, values);
      RegCloseKey(values);
      RegCloseKey(key);
      if (!values) throw std::runtime_error("cannot back up the engine's registration");
    }
  }
  ~TEngineRegistration() { Restore(); }
  TEngineRegistration(const TEngineRegistration&) = delete;
  TEngineRegistration& operator=(const TEngineRegistration&) = delete;

  // Writes the key's default value as raw bytes of the given type.
  void SetDefault(DWORD type, const void* data, DWORD size) {
    HKEY key = Create(HKEY_CLASSES_ROOT, kEngineKeyPath);
    if (!key) throw std::runtime_error("cannot write the engine's registry key");
    RegSetValueExA(key, nullptr, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void SetText(const std::string& text, DWORD type = REG_SZ) {
    SetDefault(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  void RemoveKey() { RegDeleteKeyA(HKEY_CLASSES_ROOT, kEngineKeyPath); }

 private:
  static constexpr char kBackupPath[] = "Software\\Brelix tests\\Engine registration";
  static constexpr char kBackupValuesPath[] = "Software\\Brelix tests\\Engine registration\\Values";

  static HKEY Open(HKEY root, const char* path) {
    HKEY key = nullptr;
    return RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr;
  }
  static HKEY Create(HKEY root, const char* path) {
    HKEY key = nullptr;
    return RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS
               ? key
               : nullptr;
  }
  static void CopyValues(HKEY from, HKEY to) {
    for (DWORD index = 0;; ++index) {
      char name[256];
      DWORD nameLength = sizeof name;
      BYTE data[4096];
      DWORD size = sizeof data;
      DWORD type = REG_NONE;
      if (RegEnumValueA(from, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
      RegSetValueExA(to, nameLength ? name : nullptr, 0, type, data, size);
    }
  }
  // The engine's key as the backup holds it; then the backup goes.
  static void Restore() {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kEngineKeyPath);
    if (HKEY values = Open(HKEY_CURRENT_USER, kBackupValuesPath)) {
      if (HKEY key = Create(HKEY_CLASSES_ROOT, kEngineKeyPath)) {
        CopyValues(values, key);
        RegCloseKey(key);
      }
      RegCloseKey(values);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupValuesPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brelix tests");
  }
};

// The file the stand-in engines append their calls to, fresh for each test.
class TEngineLog {
 public:
  TEngineLog() {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    FPath = std::string(directory) + "brelix_stub_engine.log";
    DeleteFileA(FPath.c_str());
    SetEnvironmentVariableA("BRELIX_STUB_ENGINE_LOG", FPath.c_str());
  }
  ~TEngineLog() {
    SetEnvironmentVariableA("BRELIX_STUB_ENGINE_LOG", nullptr);
    DeleteFileA(FPath.c_str());
  }
  TEngineLog(const TEngineLog&) = delete;
  TEngineLog& operator=(const TEngineLog&) = delete;

  const std::string& Path() const { return FPath; }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(FPath);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::string FPath;
};

// The line a stand-in engine writes for one call of its ANSI entry.
inline std::string AnsiCall(HWND caller, const std::string& file, UINT command, DWORD_PTR data) {
  std::ostringstream line;
  line << "A|" << reinterpret_cast<std::uintptr_t>(caller) << "|" << file << "|" << command << "|" << data;
  return line.str();
}

// Releases the engine when a test ends, loaded or not.
struct TEngineUnloader {
  TEngineUnloader() = default;
  ~TEngineUnloader() { UnloadHelpEngine(); }
  TEngineUnloader(const TEngineUnloader&) = delete;
  TEngineUnloader& operator=(const TEngineUnloader&) = delete;
};

// A fresh empty directory under the temporary directory, removed with what
// the test left in it.
class TScratchDirectory {
 public:
  explicit TScratchDirectory(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    FPath = std::string(directory) + name + "\\";
    Clear();
    CreateDirectoryA(FPath.c_str(), nullptr);
  }
  ~TScratchDirectory() { Clear(); }
  TScratchDirectory(const TScratchDirectory&) = delete;
  TScratchDirectory& operator=(const TScratchDirectory&) = delete;

  const std::string& Path() const { return FPath; }  // with its backslash

 private:
  void Clear() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((FPath + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do DeleteFileA((FPath + found.cFileName).c_str());
      while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(FPath.c_str());
  }
  std::string FPath;
};

// Writes a file of that text, replacing any; whether it could.
inline bool WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// Changes the current directory for as long as it lives.
class TCurrentDirectory {
 public:
  explicit TCurrentDirectory(const std::string& path) {
    char previous[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof previous, previous);
    FPrevious = previous;
    SetCurrentDirectoryA(path.c_str());
  }
  ~TCurrentDirectory() { SetCurrentDirectoryA(FPrevious.c_str()); }
  TCurrentDirectory(const TCurrentDirectory&) = delete;
  TCurrentDirectory& operator=(const TCurrentDirectory&) = delete;

 private:
  std::string FPrevious;
};
