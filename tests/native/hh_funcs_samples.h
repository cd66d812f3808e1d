#pragma once
// For the help probe's tests: the facts of a sample machine, the probe's
// files held in memory with every creation and removal recorded, and the lead
// bytes of a double-byte code page.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "hh_funcs_facts.h"

// Code page 932 (Shift-JIS): lead bytes 0x81-0x9F and 0xE0-0xFC; a trail
// byte may be 0x5C, the code of '\'.
inline bool IsShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// A French XP machine running the program from C:\Jeux\Brelix, without an
// engine or a browser.
inline THelpFacts SampleFacts(const std::string& commandLine = "\"C:\\Jeux\\Brelix\\Brelix.exe\"") {
  THelpFacts facts;
  facts.ModuleFileName = facts.ExeFileName = "C:\\Jeux\\Brelix\\Brelix.exe";
  facts.CommandLine = commandLine;
  facts.SystemPath = "C:\\WINDOWS\\system32";
  facts.TempPath = "C:\\Temp\\";
  facts.Os = {2, 5, 1, 2600};
  facts.ThreadLocale = 0x040C;
  facts.DecimalSeparator = ",";
  facts.Date = "08/12/2025";
  facts.Time = "21:52:07";
  return facts;
}

class TMemoryHelpFiles : public THelpFiles {
 public:
  std::set<std::string> ReadOnlyDirectories;
  std::map<std::string, std::string> Files;  // path -> contents
  std::vector<std::string> Created, Removed;
  int AppendFailuresLeft = 0;  // the next appends that cannot open the file

  std::string Report(const std::string& path) const {
    const auto it = Files.find(path);
    return it == Files.end() ? std::string() : it->second;
  }

  bool Create(const std::string& path) override {
    if (!Writable(path)) return false;
    Created.push_back(path);
    Files[path] = "";
    return true;
  }
  void Remove(const std::string& path) override {
    Removed.push_back(path);
    Files.erase(path);
  }
  void Append(const std::string& path, std::string_view bytes) override {
    if (AppendFailuresLeft > 0)
      --AppendFailuresLeft;
    else if (Writable(path))
      Files[path] += bytes;
  }

 private:
  bool Writable(const std::string& path) const {
    return ReadOnlyDirectories.count(path.substr(0, path.rfind('\\'))) == 0;
  }
};
