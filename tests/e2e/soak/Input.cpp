#include "Input.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BrelixWindows.h"
#include "Utf8.h"

namespace soak {

namespace {

int lost = 0;

// One input made by x_input.py (see there); true once the X server took it,
// with what it said back in `said`.
bool Request(const std::string& request, std::string* said = nullptr) {
  const std::string line = "@x " + request + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
  char answer[256] = {};
  if (!std::fgets(answer, sizeof answer, stdin)) {
    std::fprintf(stderr, "soak: no answer from x_input.py (the soak runs under it, see tools/soak)\n");
    std::exit(3);
  }
  if (std::strncmp(answer, "ok", 2) == 0) {
    if (said) {
      std::string rest(answer + 2);  // " WHAT" and the line's end
      rest.erase(rest.find_last_not_of("\r\n") + 1);
      *said = rest.empty() ? rest : rest.substr(1);
    }
    return true;
  }
  std::printf("  (x_input.py: %s)\n", answer);
  return false;
}

// Makes the input, and once more if Wine never showed its effect: the one
// case where input is made again, counted and told.
template <class F>
void Make(const std::string& request, F done) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const bool taken = Request(request);
    if (WaitUntil(done, 2000)) return;  // Wine showed what the input did
    if (attempt == 0) {
      ++lost;
      std::printf("  (input not seen by Wine after 2 s%s, window in front %p, made again: %s)\n",
                  taken ? "" : ", not taken by X", static_cast<void*>(GetForegroundWindow()), request.c_str());
    }
  }
}

DWORD WINAPI AsyncState(void* vk) {
  return static_cast<WORD>(GetAsyncKeyState(static_cast<int>(reinterpret_cast<INT_PTR>(vk))));
}

// Whether Wine has the key or button down. Asked on a thread of its own:
// Wine keeps a thread's "up" answers for 50 ms unless that thread itself
// takes input, which would hold every wait for a press that long.
bool Down(int vk) {
  struct Thread {
    HANDLE handle;
    ~Thread() {
      if (handle) CloseHandle(handle);
    }
  } thread{CreateThread(nullptr, 0, AsyncState, reinterpret_cast<void*>(static_cast<INT_PTR>(vk)), 0, nullptr)};
  DWORD state = 0;
  if (!thread.handle || WaitForSingleObject(thread.handle, 2000) != WAIT_OBJECT_0 ||
      !GetExitCodeThread(thread.handle, &state))
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
  return (state & 0x8000) != 0;
}

bool At(POINT p) {
  POINT now{};
  return GetCursorPos(&now) && now.x == p.x && now.y == p.y;
}

std::string Point(POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

// The X key name of a virtual key.
std::string KeyName(WORD vk) {
  switch (vk) {
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Return";
    case VK_SPACE: return "space";
    case VK_ESCAPE: return "Escape";
    case VK_BACK: return "BackSpace";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_DELETE: return "Delete";
    case VK_F4: return "F4";
    case VK_MENU: return "Alt_L";
    case VK_CONTROL: return "Control_L";
    case VK_SHIFT: return "Shift_L";
    default: break;
  }
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(std::tolower(vk)));
  return "space";
}

// Whether no program is in front: no window, or the soak's own, which Wine
// brings forward once the program has ended.
bool NoProgramInFront() {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  return !front || (GetWindowThreadProcessId(front, &process) && process == GetCurrentProcessId());
}

}  // namespace

bool InputReady() { return Request("hello"); }

bool GiveKeys(HWND window) {
  const unsigned long xid = e2e::XWindowOf(window);
  return xid && Request("focus " + std::to_string(xid));
}

std::string XFocus() {
  std::string said;
  return Request("which-focus", &said) ? said : "unknown";
}

void Screenshot(const std::string& name) { Request("shot " + name); }

int LostInputs() { return lost; }

void CountLostInput(const char* what) {
  ++lost;
  std::printf("  (input lost: %s)\n", what);
}

void MouseMove(POINT screen) { Make("move " + Point(screen), [&] { return At(screen); }); }

void MouseButton(POINT screen, bool right, bool down) {
  const std::string request = std::string(down ? "down " : "up ") + (right ? "3 " : "1 ") + Point(screen);
  const int vk = right ? VK_RBUTTON : VK_LBUTTON;
  Make(request, [&] { return At(screen) && Down(vk) == down; });
}

void Key(WORD vk, bool down) {
  // A key let go after the program ended on its press (Fichier > Quitter)
  // goes to no window of Wine's, since the X focus went with the program's
  // window: Wine drops it, and its state. It was not lost on the program.
  Make(std::string(down ? "keydown " : "keyup ") + KeyName(vk),
       [&] { return Down(vk) == down || (!down && NoProgramInFront()); });
}

void Press(WORD vk, bool alt, bool ctrl, bool shift) {
  if (alt) Key(VK_MENU, true);
  if (ctrl) Key(VK_CONTROL, true);
  if (shift) Key(VK_SHIFT, true);
  Key(vk, true);
  Key(vk, false);
  if (shift) Key(VK_SHIFT, false);
  if (ctrl) Key(VK_CONTROL, false);
  if (alt) Key(VK_MENU, false);
}

void TypeText(const std::wstring& text) {
  // Line breaks, tabs and backspaces are the keys that make them; the rest
  // is typed by x_input.py.
  std::wstring run;
  auto flush = [&] {
    if (run.empty()) return;
    Request("type " + Utf8(run));
    run.clear();
    // Typed characters cannot be told apart once in Wine: a Shift pressed
    // after them, which Wine shows, comes after them all (X keeps the order).
    Press(VK_SHIFT);
  };
  for (wchar_t ch : text) {
    const WORD vk = ch == L'\r' || ch == L'\n' ? VK_RETURN : ch == L'\t' ? VK_TAB : ch == L'\b' ? VK_BACK : 0;
    if (!vk) {
      run += ch;
      continue;
    }
    flush();
    Press(vk);
  }
  flush();
}

bool SetClipboardText(const std::wstring& text) {
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(10);
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool ok = false;
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!ok) GlobalFree(memory);  // the clipboard owns it only once it took it
  }
  CloseClipboard();
  return ok;
}

}  // namespace soak
