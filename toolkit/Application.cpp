#include "Application.h"

#include <commctrl.h>

#include <exception>
#include <new>

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
  // have no default button: Tab leaves that style to chance.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && msg.hwnd == GetFocus() && IsPushButton(msg.hwnd)) {
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

void TApplication::HandleException() noexcept {
  try {
    // The player reads what went wrong in French; the detail is for the
    // report, in words a developer can search for.
    UINT textId = IDS_ERROR_UNEXPECTED;
    std::string detail = "an exception of an unknown type";
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
    if (FErrorLog) FErrorLog(detail);
    ShowMessageBox(GetActiveWindow(), LoadText(textId), FTitle, MB_OK | MB_ICONERROR);
  } catch (...) {
    // Nothing more can be reported.
  }
}

int TApplication::ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::Beep(UINT type) {
  if (FBeepHook) FBeepHook(type);
  else MessageBeep(type);
}
