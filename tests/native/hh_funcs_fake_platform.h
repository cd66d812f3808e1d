#pragma once
// A platform for the help probe held in memory: files, directories that can
// or cannot be written, version words, and every file operation recorded.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "hh_funcs_platform.h"

// Code page 932 (Shift-JIS): lead bytes 0x81-0x9F and 0xE0-0xFC; a trail
// byte may be 0x5C, the code of '\'.
inline bool IsShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

class THhFuncsFakePlatform : public THelpPlatform {
 public:
  bool ShiftJis = false;
  std::string Module = "C:\\Jeux\\Brelix\\Brelix.exe";
  std::string Exe = "C:\\Jeux\\Brelix\\Brelix.exe";
  std::string Line = "\"C:\\Jeux\\Brelix\\Brelix.exe\"";
  std::string System = "C:\\WINDOWS\\system32";
  std::string Temp = "C:\\Temp\\";
  std::string Engine;
  std::set<std::string> Directories{"C:\\Jeux\\Brelix", "C:\\WINDOWS\\system32", "C:\\Temp", "c:"};
  std::set<std::string> ReadOnlyDirectories;
  std::map<std::string, std::string> Files;  // path -> contents
  std::map<std::string, TFileVersionWords> Versions;
  std::map<std::string, int> VersionReads;  // how often each file's version was read
  int AppendFailuresLeft = 0;  // the next appends that cannot open the file
  std::vector<std::string> Created, Removed;
  TOsVersion Os{2, 5, 1, 2600};
  std::uint32_t Locale = 0x040C;
  std::string Separator = ",";
  int TimeCalls = 0;

  // Places a file with the given version words.
  void AddVersionedFile(const std::string& path, std::uint32_t ms, std::uint32_t ls) {
    Files[path] = "";
    Versions[path] = {ms, ls};
  }
  std::string Report(const std::string& path) const {
    const auto it = Files.find(path);
    return it == Files.end() ? std::string() : it->second;
  }

  bool IsLeadByte(unsigned char byte) const override { return ShiftJis && IsShiftJisLeadByte(byte); }
  std::string ModuleFileName() override { return Module; }
  std::string ExeFileName() override { return Exe; }
  std::string CommandLine() override { return Line; }
  std::string SystemDirectory() override { return System; }
  std::string TempPath() override { return Temp; }
  std::string HelpEnginePath() override { return Engine; }
  bool FileExists(const std::string& path) override { return Files.count(path) != 0; }
  bool DirectoryExists(const std::string& path) override {
    std::string dir = path;
    while (dir.size() > 1 && dir.back() == '\\') dir.pop_back();
    return Directories.count(dir) != 0;
  }
  bool CreateEmptyFile(const std::string& path) override {
    if (!Writable(path)) return false;
    Created.push_back(path);
    Files[path] = "";
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    Removed.push_back(path);
    return Files.erase(path) != 0;
  }
  bool AppendToFile(const std::string& path, std::string_view bytes) override {
    if (AppendFailuresLeft > 0) {
      --AppendFailuresLeft;
      return false;
    }
    if (!Writable(path)) return false;
    Files[path] += bytes;
    return true;
  }
  std::optional<TFileVersionWords> FileVersionWords(const std::string& path) override {
    ++VersionReads[path];
    const auto it = Versions.find(path);
    if (it == Versions.end()) return std::nullopt;
    return it->second;
  }
  TOsVersion OsVersion() override { return Os; }
  std::uint32_t ThreadLocale() override { return Locale; }
  std::string DecimalSeparator() override { return Separator; }
  std::string LocalDateTime() override { return "08/12/2025 21:52:07"; }
  std::string LocalTime() override {
    ++TimeCalls;
    return "21:52:07";
  }

 private:
  bool Writable(const std::string& path) const {
    const std::string dir = path.substr(0, path.rfind('\\'));
    return Directories.count(dir) != 0 && ReadOnlyDirectories.count(dir) == 0;
  }
};
