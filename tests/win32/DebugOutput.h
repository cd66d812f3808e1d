#pragma once
// What the program sends to the debugger's output, caught the way a debugger
// is told of it: OutputDebugString raises a first-chance exception carrying
// the text, which a vectored handler reads and lets go on. Windows raises the
// wide form first and then the ANSI one; Wine only the ANSI one.

#include <windows.h>

#include <string>
#include <vector>

#include "Strings.h"

class TDebugOutput {
 public:
  TDebugOutput() : FHandler(AddVectoredExceptionHandler(1, Catch)) { Lines().clear(); }
  ~TDebugOutput() { RemoveVectoredExceptionHandler(FHandler); }
  TDebugOutput(const TDebugOutput&) = delete;
  TDebugOutput& operator=(const TDebugOutput&) = delete;

  // Whether a line sent so far has `text` in it.
  bool Contains(std::string_view text) const {
    const std::wstring wanted = Widen(text);
    for (const std::wstring& line : Lines())
      if (line.find(wanted) != std::wstring::npos) return true;
    return false;
  }
  std::string All() const {
    std::string all;
    for (const std::wstring& line : Lines()) all += Narrow(line);
    return all;
  }

 private:
  static constexpr DWORD kWideText = 0x4001000A;  // DBG_PRINTEXCEPTION_WIDE_C

  static std::vector<std::wstring>& Lines() {
    static std::vector<std::wstring> lines;
    return lines;
  }
  static LONG CALLBACK Catch(EXCEPTION_POINTERS* pointers) noexcept {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    if (record.NumberParameters < 2 || !record.ExceptionInformation[1]) return EXCEPTION_CONTINUE_SEARCH;
    try {
      if (record.ExceptionCode == kWideText) {
        Lines().push_back(reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]));
      } else if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
        const char* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        wchar_t wide[1024] = {};
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 1023);
        Lines().push_back(wide);
      }
    } catch (...) {
    }
    return EXCEPTION_CONTINUE_SEARCH;
  }

  PVOID FHandler;
};
