#pragma once
// The application object: title, main window, the message loop, the one
// application-wide error handler, message boxes and the beep.

#include <windows.h>

#include <string>

#include "Event.h"

#include "ToolkitTexts.h"

class TForm;

// The exit code of a program ended by an error that nothing could handle.
inline constexpr UINT kFatalExitCode = 255;

class TApplication {
 public:
  using BeepHook = TEvent<void(UINT type)>;

  // One application object per process; it must outlive every window. Loads
  // the error texts now: showing an error later must not need memory.
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::wstring& Title() const { return FTitle; }
  void SetTitle(std::wstring title) { FTitle = std::move(title); }
  // The program's icon resource, which its windows show (null for none).
  const wchar_t* IconName() const { return FIconName; }
  void SetIconName(const wchar_t* name) { FIconName = name; }

  // The first form created becomes the main form.
  TForm* MainForm() const { return FMainForm; }
  void FormCreated(TForm& form);
  void FormDestroyed(TForm& form);

  // Shows the main form and dispatches messages until WM_QUIT; returns the
  // exit code that it carries.
  int Run();
  // Dispatches one message if there is one, without waiting. Returns false
  // when there is none, and on WM_QUIT, which it puts back for the loop
  // outside.
  bool ProcessMessage();
  // Dispatches all pending messages.
  void ProcessMessages();
  // Marks the loop as ended (posted WM_QUIT).
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // Shows what went wrong in the exception being handled in an error box
  // captioned with the title, and sends its detail to the debugger's output.
  // Call only from inside a catch block. Allocates nothing, so that it works
  // when memory has run out.
  void HandleException() noexcept;
  // The French text of an error (IDS_ERROR_*), as loaded at start-up; the
  // unexpected-error text for any other id.
  const std::wstring& ErrorText(UINT id) const noexcept;

  // Every message box of the program: always the platform's own, so that
  // tests see and answer the real window.
  int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) noexcept;
  // Every beep of the program. A beep leaves nothing a test could see from
  // outside, so it alone keeps a hook, for tests to count beeps.
  void Beep(UINT type = MB_OK);
  void SetBeepHook(BeepHook hook) { FBeepHook = std::move(hook); }

  // Routes keyboard navigation (Tab, Alt+letter, Enter on a push button) of
  // the active form.
  bool IsNavigationMessage(MSG& msg);

 private:
  std::wstring FTitle;
  const wchar_t* FIconName = nullptr;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  BeepHook FBeepHook;
  std::wstring FErrorTexts[IDS_ERROR_COUNT];
};

// The process-wide application object; valid between its construction and
// destruction.
TApplication& Application();

// The last resort, for an error that escaped every handler (the terminate
// handler calls it): says in French that the program must close, in a box
// captioned with the title, and ends the process with kFatalExitCode at once,
// running nothing more of the program. Allocates nothing.
[[noreturn]] void EndAfterFatalError(const char* detail) noexcept;

// Runs `body` as one dispatch: an escaping exception reaches the
// application's error handler and `fallback` is returned instead.
template <class R, class F>
R Guarded(F&& body, R fallback) noexcept {
  try {
    return body();
  } catch (...) {
    Application().HandleException();
    return fallback;
  }
}
