#pragma once
// The program's debug output, read as a debug-output viewer reads it.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// What a debug-output viewer does, from a thread of its own: offers the
// shared buffer that OutputDebugString writes into when nobody debugs the
// process, and keeps the texts this process puts there, as ANSI text.
class TDebugOutputViewer {
 public:
  TDebugOutputViewer();
  ~TDebugOutputViewer();
  TDebugOutputViewer(const TDebugOutputViewer&) = delete;
  TDebugOutputViewer& operator=(const TDebugOutputViewer&) = delete;

  // Stops watching once what was written is taken; the texts taken.
  const std::vector<std::string>& Stop();

 private:
  static constexpr DWORD kSize = 4096;  // the writer's process id, then the text
  void Watch();
  void Take();
  HANDLE FBufferReady, FDataReady, FMapping;
  const char* FView;
  std::vector<std::string> FTexts;
  std::atomic<bool> FStop{false};
  std::thread FWatcher;  // last: starts once everything else is in place
};
