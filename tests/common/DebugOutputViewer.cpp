#include "DebugOutputViewer.h"

#include <cstring>

TDebugOutputViewer::TDebugOutputViewer()
    : FBufferReady(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY")),
      FDataReady(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY")),
      FMapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, L"DBWIN_BUFFER")),
      FView(static_cast<const char*>(MapViewOfFile(FMapping, FILE_MAP_READ, 0, 0, kSize))),
      FWatcher([this] { Watch(); }) {}

TDebugOutputViewer::~TDebugOutputViewer() {
  Stop();
  UnmapViewOfFile(FView);
  for (HANDLE handle : {FMapping, FDataReady, FBufferReady}) CloseHandle(handle);
}

const std::vector<std::string>& TDebugOutputViewer::Stop() {
  FStop = true;
  if (FWatcher.joinable()) FWatcher.join();
  return FTexts;
}

void TDebugOutputViewer::Watch() {
  for (;;) {
    SetEvent(FBufferReady);
    const bool stop = FStop;
    if (WaitForSingleObject(FDataReady, stop ? 0 : 50) == WAIT_OBJECT_0) Take();
    else if (stop) return;
  }
}

void TDebugOutputViewer::Take() {
  if (*reinterpret_cast<const DWORD*>(FView) != GetCurrentProcessId()) return;
  const char* text = FView + sizeof(DWORD);
  FTexts.emplace_back(text, strnlen(text, kSize - sizeof(DWORD)));
}
