#include "Application.h"

#include <commctrl.h>

#include <exception>
#include <iterator>
#include <new>

#include "DebugOutput.h"
#include "Errors.h"
#include "Forms.h"
#include "Layout.h"
#include "Texts.h"
#include "ToolkitTexts.h"

namespace {
TApplication* theApplication = nullptr;
}

TApplication& Application() {
  if (!theApplication) std::terminate();
  return *theApplication;
}

TApplication::TApplication() {
  if (theApplication) throw EUserError(IDS_ERROR_UNEXPECTED, "one application object per process");
  for (UINT i = 0; i < IDS_ERROR_COUNT; ++i) FErrorTexts[i] = LoadText(IDS_ERROR_UNEXPECTED + i);
  theApplication = this;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
}

TApplication::~TApplication() { theApplication = nullptr; }

void TApplication::FormCreated(TForm& form) {
  if (!FMainForm) FMainForm = &form;
}

void TApplication::FormDestroyed(TForm& form) {
  if (FMainForm == &form) FMainForm = nullptr;
}

namespace {

bool IsPushButton(HWND hwnd) {
  wchar_t cls[8] = {};
  if (!GetClassNameW(hwnd, cls, 8) || _wcsicmp(cls, L"Button") != 0) return false;
  const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

bool TApplication::IsNavigationMessage(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  TWinControl* control = TWinControl::FromHandle(root);
  if (!control || !control->IsForm()) return false;
  // Enter clicks the focused push button, as in any dialog box. The dialog
  // navigation clicks only a button styled as the default one, and our forms
  // have no default button: Tab leaves that style to chance. A held key
  // clicks once, as Space does: its repeats (bit 30, the key was already
  // down) are taken and dropped.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && msg.hwnd == GetFocus() && IsPushButton(msg.hwnd)) {
    if (!(msg.lParam & (1L << 30)))
      SendMessageW(root, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(msg.hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(msg.hwnd));
    return true;
  }
  return IsDialogMessageW(root, &msg) != FALSE;
}

int TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  MSG msg{};
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    if (IsNavigationMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  FTerminated = true;
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    // Put back for the loop outside, which it is meant to end.
    PostQuitMessage(static_cast<int>(msg.wParam));
    FTerminated = true;
    return false;
  }
  if (!IsNavigationMessage(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

const std::wstring& TApplication::ErrorText(UINT id) const noexcept {
  const UINT index = id - IDS_ERROR_UNEXPECTED;
  return FErrorTexts[index < IDS_ERROR_COUNT ? index : 0];
}

void TApplication::HandleException() noexcept {
  // The player reads what went wrong in French; the detail is for the
  // developer, in words one can search for. The exception being handled
  // outlives this call, and with it the detail.
  UINT textId = IDS_ERROR_UNEXPECTED;
  const char* detail = "an exception of an unknown type";
  try {
    throw;
  } catch (const EUserError& e) {
    textId = e.TextId();
    detail = e.what();
  } catch (const layout::ParseError& e) {
    textId = IDS_ERROR_RESOURCES;
    detail = e.what();
  } catch (const std::bad_alloc&) {
    textId = IDS_ERROR_OUT_OF_MEMORY;
    detail = "out of memory";
  } catch (const std::exception& e) {
    detail = e.what();
  } catch (...) {
  }
  DebugOutput(detail);
  ShowMessageBox(GetActiveWindow(), ErrorText(textId), FTitle, MB_OK | MB_ICONERROR);
}

void EndAfterFatalError(const char* detail) noexcept {
  // A second failure while the box is up (a window repainting under it)
  // ends the program without another box.
  static bool ending = false;
  if (!ending) {
    ending = true;
    DebugOutput("the program ends: an error escaped every handler");
    DebugOutput(detail ? detail : "");
    // Without an application object (before it or after it), the text is
    // copied from the string table into a buffer of its own.
    static wchar_t fallback[256];
    const wchar_t* text = fallback;
    if (theApplication) text = theApplication->ErrorText(IDS_ERROR_FATAL).c_str();
    else LoadStringW(GetModuleHandleW(nullptr), IDS_ERROR_FATAL, fallback, static_cast<int>(std::size(fallback)));
    // Task-modal and without an owner: no window of the program takes input
    // any more, whatever state it was left in.
    MessageBoxW(nullptr, text, theApplication ? theApplication->Title().c_str() : nullptr,
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  }
  // At once: no destructor runs on what the failure left half done.
  TerminateProcess(GetCurrentProcess(), kFatalExitCode);
  ExitProcess(kFatalExitCode);
}

int TApplication::ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                                 UINT flags) noexcept {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::Beep(UINT type) {
  if (FBeepHook) FBeepHook(type);
  else MessageBeep(type);
}
