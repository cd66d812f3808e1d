// A stand-in for the HTML Help engine: each call of its entries, and its own
// release, is appended as one line to the file that the environment variable
// BRELIX_STUB_ENGINE_LOG names, for the tests to read back:
//   A|window|file|command|data     (HtmlHelpA; W for HtmlHelpW; "(null)" file)
//   detach                         (the library is released)
// Which entries a variant exports is decided by its .def file.

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

void AppendLine(const std::string& line) {
  char path[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("BRELIX_STUB_ENGINE_LOG", path, MAX_PATH)) return;
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Utf8(LPCWSTR text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(out.empty() ? 0 : out.size() - 1);
  return out;
}

void Record(const char* entry, HWND caller, const std::string& file, UINT command, DWORD_PTR data) {
  AppendLine(std::string(entry) + "|" + std::to_string(reinterpret_cast<std::uintptr_t>(caller)) + "|" + file +
             "|" + std::to_string(command) + "|" + std::to_string(data));
}

}  // namespace

// Like the real engine, it opens a viewer (here: names the desktop as one)
// only for a help file that exists.
extern "C" HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
  Record("A", caller, file ? file : "(null)", command, data);
  const bool opened = command == 0 && file && GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES;
  return opened ? GetDesktopWindow() : nullptr;
}

extern "C" HWND WINAPI HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
  Record("W", caller, file ? Utf8(file) : "(null)", command, data);
  return nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // Only an explicit release, not the end of the process.
  if (reason == DLL_PROCESS_DETACH && !reserved) AppendLine("detach");
  return TRUE;
}
