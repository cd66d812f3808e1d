// A library planted beside Brelix.exe and in its current folder under the
// names of libraries that the program, Windows or the help engine load by
// name. Loaded, it leaves a file "NAME.loaded" beside itself and refuses to
// start, so that nothing of it runs in the program.

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 16] = {};
  if (GetModuleFileNameW(self, path, MAX_PATH) == 0) return FALSE;
  lstrcatW(path, L".loaded");
  HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  return FALSE;
}
