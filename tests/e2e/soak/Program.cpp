#include "Program.h"

#include <algorithm>
#include <cstdio>

#include "BrelixWindows.h"
#include "Input.h"
#include "Model.h"

namespace soak {

namespace {
std::string Ms(DWORD ms) { return std::to_string(ms) + " ms"; }
}  // namespace

std::string TProgram::Start() {
  Stop();
  std::wstring command = L"\"" + FExe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const DWORD t0 = GetTickCount();
  if (!CreateProcessW(FExe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return "the program did not start";
  CloseHandle(info.hThread);
  FProcess = info.hProcess;
  FPid = info.dwProcessId;
  // Shown, then idle in its message loop: ready for its first key.
  const DWORD end = t0 + kStartBound;
  HWND main = nullptr;
  while (!(main = Shown(nullptr, FTitle.c_str())) && !Expired(end) && Running()) Sleep(20);
  if (!main) {
    FStartMs = GetTickCount() - t0;
    return StartReport(Running() ? "the program's main window did not show within " + Ms(kStartBound)
                                 : "the program ended before its main window showed");
  }
  FMain = main;
  FThread = GetWindowThreadProcessId(main, nullptr);
  WaitForInputIdle(FProcess, Expired(end) ? 0 : end - GetTickCount());
  Settle();
  FStartMs = GetTickCount() - t0;
  return TakesKeys();
}

// Keys reach the program once its window is in front and holds the X focus
// (see GiveKeys). That is checked before the first event: Alt+F opens its
// « Fichier » menu, which shows from outside, and Escape twice closes it. (A
// tap of Alt alone would not do: under Wine it leaves the menu bar alone
// while a push button has the focus, in any program.) Keys that show nothing
// while the program answers are lost input: counted, told and made again,
// for a time in proportion to how long the program took to start. A program
// that stops answering fails at once.
std::string TProgram::TakesKeys() {
  const DWORD bound = std::max<DWORD>(10000, 5 * FStartMs), end = GetTickCount() + bound;
  const DWORD menuWait = std::max<DWORD>(1000, FStartMs), answerBound = std::max<DWORD>(2000, FStartMs);
  auto wait = [&](bool open) {
    const DWORD until = GetTickCount() + menuWait;
    auto done = [&] { return (InMenu() && Shown(L"#32768", nullptr)) == open; };
    while (!done() && !Expired(until) && Settle(1)) Sleep(5);
    return done();
  };
  while (!Expired(end) && Running()) {
    if (!Settle(1, answerBound)) return StartReport("the program stopped answering during its start");
    if (Activate(FMain)) {
      Press('F', true);
      const bool opened = wait(true);
      Press(VK_ESCAPE);
      Press(VK_ESCAPE);
      if (opened && wait(false)) return {};
    }
    CountLostInput("the program showed no menu for Alt+F at its start; keys given to it again");
  }
  return StartReport(Running() ? "the program took no key within " + Ms(bound) + " of its start"
                               : "the program ended during its start");
}

std::string TProgram::StartReport(const std::string& failure) const {
  auto window = [](HWND hwnd) {
    if (!hwnd) return std::string("none");
    char text[64];
    std::snprintf(text, sizeof text, "%p", static_cast<void*>(hwnd));
    return std::string(text) + " " + Narrow(ClassOf(hwnd)) + " '" + Narrow(TextOf(hwnd)) + "' (X window " +
           std::to_string(e2e::XWindowOf(hwnd)) + ")";
  };
  const GUITHREADINFO info = ThreadState();
  DWORD_PTR result = 0;
  const char* state = !Running() ? "has ended"
                      : !FMain   ? "runs"
                      : SendMessageTimeoutW(FMain, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)
                          ? "runs and answers"
                          : "runs and does not answer within 2 s";
  return failure + "\n    start took " + Ms(FStartMs) + "; the program " + state +
         "\n    in front: " + window(GetForegroundWindow()) + "\n    its active window: " + window(info.hwndActive) +
         "\n    its focus: " + window(info.hwndFocus) + "\n    X focus: " + XFocus();
}

void TProgram::Stop() {
  if (!FProcess) return;
  if (Running()) {
    TerminateProcess(FProcess, 1);
    WaitForSingleObject(FProcess, 5000);
  }
  CloseHandle(FProcess);
  FProcess = nullptr;
  FPid = FThread = 0;
  FMain = nullptr;
}

bool TProgram::Running() const { return FProcess && WaitForSingleObject(FProcess, 0) == WAIT_TIMEOUT; }

bool TProgram::WaitExit(DWORD ms, DWORD& code) {
  if (!FProcess || WaitForSingleObject(FProcess, ms) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(FProcess, &code);
  return true;
}

// The window found at start-up, while it exists: while the board is rebuilt
// it is not drawn, and so not counted as shown.
HWND TProgram::Main() const { return FMain && IsWindow(FMain) ? FMain : nullptr; }

HWND TProgram::Shown(const wchar_t* cls, const wchar_t* title) const {
  return FPid ? FindTopLevel({.cls = cls, .title = title, .pid = FPid}) : nullptr;
}

HWND TProgram::Find(const wchar_t* title) const {
  return FPid ? FindTopLevel({.title = title, .pid = FPid, .hiddenToo = true}) : nullptr;
}

bool TProgram::Owns(HWND hwnd) const {
  DWORD pid = 0;
  return hwnd && GetWindowThreadProcessId(hwnd, &pid) && pid == FPid;
}

bool TProgram::Settle(int roundTrips, DWORD ms) const {
  HWND main = Main();
  if (!main) return true;  // nothing to ask; whether it should be there is checked elsewhere
  for (int i = 0; i < roundTrips; ++i) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result)) return !Running();
  }
  return true;
}

GUITHREADINFO TProgram::ThreadState() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!FThread || !GetGUIThreadInfo(FThread, &info)) info = {};
  return info;
}

HWND TProgram::Focus() const { return ThreadState().hwndFocus; }
HWND TProgram::Capture() const { return ThreadState().hwndCapture; }
bool TProgram::InMenu() const { return ThreadState().flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE); }

bool TProgram::Activate(HWND hwnd) const {
  if (!hwnd) return false;
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (GetForegroundWindow() != hwnd) {
      SetForegroundWindow(hwnd);
      Settle(1);
    }
    if (GetForegroundWindow() == hwnd && GiveKeys(hwnd)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace soak
