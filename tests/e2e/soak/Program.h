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

  // Starts the program and waits for its main window and for it to take
  // keys; what failed, if either never came.
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
  // the program does not answer one within 2 s.
  bool Settle(int roundTrips = 2) const;
  // The program's focused window and mouse capture.
  HWND Focus() const;
  HWND Capture() const;
  // Whether the program tracks a menu (its loop holds the mouse then).
  bool InMenu() const;
  // Brings a window of the program to the front for keyboard input.
  bool Activate(HWND hwnd) const;

 private:
  bool TakesKeys();

  std::wstring FExe, FTitle;
  HANDLE FProcess = nullptr;
  DWORD FPid = 0;
  DWORD FThread = 0;
  HWND FMain = nullptr;
};

}  // namespace soak
