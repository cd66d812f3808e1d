// A window-creation hook that the driver sets on Brelix's thread: Windows
// loads this library into Brelix and refuses, as it does when it runs out of
// window handles or memory, the creation of the one window that
// BRELIX_REFUSE_WINDOW names: "main", the main window (the program's first
// top-level window of its own class), "tile", the tile captioned 13, or
// "tile-again", that tile from its second creation on (once the game runs).

#include <windows.h>

#include <cwchar>

namespace {

bool Named(LPCWSTR text, const wchar_t* name) {
  return text && !IS_INTRESOURCE(text) && _wcsicmp(text, name) == 0;
}

// A common control's class comes with the version the manifest asks for, as
// in "6.0.2600.2982!Button".
bool OfClass(LPCWSTR className, const wchar_t* name) {
  if (!className || IS_INTRESOURCE(className)) return false;
  const wchar_t* bang = wcsrchr(className, L'!');
  return Named(bang ? bang + 1 : className, name);
}

bool Refused(const CREATESTRUCTW& window) {
  wchar_t what[16] = {};
  GetEnvironmentVariableW(L"BRELIX_REFUSE_WINDOW", what, 16);
  if (wcscmp(what, L"main") == 0) return !window.hwndParent && OfClass(window.lpszClass, L"BrelixWindow");
  const bool tile = OfClass(window.lpszClass, L"Button") && Named(window.lpszName, L"13");
  if (wcscmp(what, L"tile") == 0) return tile;
  static int tilesMade = 0;
  return wcscmp(what, L"tile-again") == 0 && tile && ++tilesMade > 1;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && Refused(*reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
