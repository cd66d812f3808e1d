#pragma once
// Brelix.exe as the soak runs it: started fresh, its windows found among
// those of its own process, its answers waited for.

#include <windows.h>

#include <string>

namespace soak {

class TProgram {
 public:
  TProgram(std::wstring exe, std::wstring title) : FExe(std::move(exe)), FTitle(std::move(title)) {}
  ~TProgram() { Stop(); }
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // Starts the program and waits for its main window, for it to be idle and
  // to take keys; what failed, with what a person needs to tell a hung
  // program from a slow one or from keys that went elsewhere.
  std::string Start();
  // Ends the program if it still runs.
  void Stop();
  bool Running() const;
  // Waits for the program to end by itself; its exit code then.
  bool WaitExit(DWORD ms, DWORD& code);

  const std::wstring& Title() const { return FTitle; }
  HWND Main() const;
  // A shown top-level window of the program, by class and/or title.
  HWND Shown(const wchar_t* cls, const wchar_t* title) const;
  // A top-level window of the program by title, shown or hidden.
  HWND Find(const wchar_t* title) const;
  // Whether the window belongs to the program.
  bool Owns(HWND hwnd) const;

  // Round trips of a null message through the program's message loop: input
  // already in its queue (see Input.h) has been taken and handled after the
  // second, unless posted messages came first (checks poll on). False when
  // the program does not answer one within `ms`.
  bool Settle(int roundTrips = 2, DWORD ms = 2000) const;
  // The program's focused window and mouse capture.
  HWND Focus() const;
  HWND Capture() const;
  // Whether the program tracks a menu (its loop holds the mouse then).
  bool InMenu() const;
  // Brings a window of the program to the front and gives it the X
  // keyboard focus, for keyboard input.
  bool Activate(HWND hwnd) const;

 private:
  // How long a start may take until the main window shows.
  static constexpr DWORD kStartBound = 60000;
  std::string TakesKeys();
  // The failure, then the state of the program, its windows and the focus.
  std::string StartReport(const std::string& failure) const;
  // The state of the program's thread, all empty when it cannot be read.
  GUITHREADINFO ThreadState() const;

  std::wstring FExe, FTitle;
  HANDLE FProcess = nullptr;
  DWORD FPid = 0;
  DWORD FThread = 0;
  HWND FMain = nullptr;
  DWORD FStartMs = 0;  // from its start until idle with its window shown
};

}  // namespace soak
