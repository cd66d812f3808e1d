#include "Program.h"

#include "Input.h"
#include "BrelixWindows.h"

namespace soak {

std::string TProgram::Start() {
  Stop();
  std::wstring command = L"\"" + FExe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(FExe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return "the program did not start";
  CloseHandle(info.hThread);
  FProcess = info.hProcess;
  FPid = info.dwProcessId;
  const DWORD end = GetTickCount() + 20000;
  HWND main = nullptr;
  while (!(main = Shown(nullptr, FTitle.c_str())) && !Expired(end) && Running()) Sleep(20);
  if (!main) return "the program's main window did not show within 20 s";
  FMain = main;
  FThread = GetWindowThreadProcessId(main, nullptr);
  Settle();
  return TakesKeys() ? std::string() : "the program took no key within 10 s of its start";
}

// Wine takes the X focus a moment after it is given (about 300 ms), and a
// program just started may be slow to read its first key on a loaded
// machine: a key sent in that moment reaches Wine but no window. So the
// first event waits until the program is seen to take keys: Alt+F opens its
// « Fichier » menu, which shows from outside, and Escape twice closes it. (A
// tap of Alt alone would not do: under Wine it leaves the menu bar alone
// while a push button has the focus, in any program.) Keys that do not show
// are made again, counted and told; a program that takes none within 10 s
// fails its start.
bool TProgram::TakesKeys() {
  const DWORD end = GetTickCount() + 10000;
  auto wait = [this](bool open) {
    const DWORD until = GetTickCount() + 1000;
    auto done = [&] { return (InMenu() && Shown(L"#32768", nullptr)) == open; };
    while (!done() && !Expired(until)) {
      Settle(1);
      Sleep(5);
    }
    return done();
  };
  while (!Expired(end) && Running()) {
    if (Activate(FMain) && FocusWine()) {
      Sleep(300);
      Press('F', true);
      const bool opened = wait(true);
      Press(VK_ESCAPE);
      Press(VK_ESCAPE);
      if (opened && wait(false)) return true;
    }
    CountLostInput("the program showed no menu for Alt+F at its start; focus given again");
  }
  return false;
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
  return FPid ? e2e::FindTopLevel({.cls = cls, .title = title, .pid = FPid}) : nullptr;
}

HWND TProgram::Find(const wchar_t* title) const {
  return FPid ? e2e::FindTopLevel({.title = title, .pid = FPid, .hiddenToo = true}) : nullptr;
}

bool TProgram::Owns(HWND hwnd) const {
  DWORD pid = 0;
  return hwnd && GetWindowThreadProcessId(hwnd, &pid) && pid == FPid;
}

bool TProgram::Settle(int roundTrips) const {
  HWND main = Main();
  if (!main) return true;  // nothing to ask; whether it should be there is checked elsewhere
  for (int i = 0; i < roundTrips; ++i) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) return !Running();
  }
  return true;
}

HWND TProgram::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return FThread && GetGUIThreadInfo(FThread, &info) ? info.hwndFocus : nullptr;
}

HWND TProgram::Capture() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return FThread && GetGUIThreadInfo(FThread, &info) ? info.hwndCapture : nullptr;
}

bool TProgram::InMenu() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return FThread && GetGUIThreadInfo(FThread, &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}

bool TProgram::Activate(HWND hwnd) const {
  if (!hwnd) return false;
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (GetForegroundWindow() == hwnd) return true;
    SetForegroundWindow(hwnd);
    Settle(1);
    if (GetForegroundWindow() == hwnd) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace soak
