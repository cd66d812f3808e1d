#pragma once
// The program's debug output, read as a debug-output viewer reads it.

#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

// What a debug-output viewer does, from a thread of its own: offers the
// shared buffer that OutputDebugString writes into when nobody debugs the
// process, and keeps the texts this process puts there, as ANSI text.
class TDebugOutputViewer {
 public:
  TDebugOutputViewer()
      : FBufferReady(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY")),
        FDataReady(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY")),
        FMapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, L"DBWIN_BUFFER")),
        FView(static_cast<const char*>(MapViewOfFile(FMapping, FILE_MAP_READ, 0, 0, kSize))),
        FWatcher([this] { Watch(); }) {}
  ~TDebugOutputViewer() {
    Stop();
    UnmapViewOfFile(FView);
    for (HANDLE handle : {FMapping, FDataReady, FBufferReady}) CloseHandle(handle);
  }
  TDebugOutputViewer(const TDebugOutputViewer&) = delete;
  TDebugOutputViewer& operator=(const TDebugOutputViewer&) = delete;

  // Stops watching once what was written is taken; the texts taken.
  const std::vector<std::string>& Stop() {
    FStop = true;
    if (FWatcher.joinable()) FWatcher.join();
    return FTexts;
  }

 private:
  static constexpr DWORD kSize = 4096;  // the writer's process id, then the text
  void Watch() {
    for (;;) {
      SetEvent(FBufferReady);
      const bool stop = FStop;
      if (WaitForSingleObject(FDataReady, stop ? 0 : 50) == WAIT_OBJECT_0) Take();
      else if (stop) return;
    }
  }
  void Take() {
    if (*reinterpret_cast<const DWORD*>(FView) != GetCurrentProcessId()) return;
    const char* text = FView + sizeof(DWORD);
    FTexts.emplace_back(text, strnlen(text, kSize - sizeof(DWORD)));
  }
  HANDLE FBufferReady, FDataReady, FMapping;
  const char* FView;
  std::vector<std::string> FTexts;
  std::atomic<bool> FStop{false};
  std::thread FWatcher;  // last: starts once everything else is in place
};
