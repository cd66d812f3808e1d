// A small outside driver for the end-to-end tests: finds Brelix's windows and
// reads them back through Win32, printing plain lines for the shell.
//   driver wait-window TITLE MS        -> "x y width height" of the window
//   driver tile TITLE CAPTION          -> "x y" screen centre of a shown tile
//   driver board TITLE                 -> "rows cols" then the tile of every slot,
//                                         row by row, 0 for the gap
//   driver next-move TITLE             -> "caption x y" of the tile to click next on a
//                                         shortest way back to order (at most 9 slots),
//                                         or "solved"
//   driver status TITLE                -> text of status panel 0
//   driver gone TITLE MS               -> exit 0 once no such window is shown (closed or hidden)
//   driver close TITLE                 -> asks the window to close (its close box)
//   driver wait-class CLASS MS         -> "x y width height", then the title, of a
//                                         visible top-level window of that class
//   driver gone-class CLASS MS         -> exit 0 once no window of that class is shown
//   driver activate TITLE              -> brings the window to the front, for keyboard input:
//                                         its X window, for the X focus (see XWindowOf)
//   driver control TITLE TEXT          -> "x y" screen centre of a shown control with that text
//   driver focus TITLE                 -> the control holding the keyboard focus in that
//                                         window's thread: "field N" (spin fields counted
//                                         from the top, 1 first), "button TEXT" or "CLASS TEXT"
//   driver spins TITLE                 -> one line per spin field, from the top:
//                                         "x y width height" of its arrow pair, then its text
//   driver arrows TITLE EXE            -> one line per spin field, from the top: "up down",
//                                         each "ok" when the screen shows that arrow's glyph
//                                         (the SPINUP / SPINDOWN bitmaps of EXE), else "missing"
//   driver accessible TITLE            -> the window's tree as a screen reader reads it,
//                                         one "depth|role|name|states|class" line per object
//   driver resources EXE               -> the images of EXE's icon and its version strings
//                                         (see resources_reader.cpp)
//   driver msgbox MS                   -> waits for a shown message box (class #32770), prints
//                                         "caption=", "text=" for each text, "button=TEXT x y"
//                                         for each button, "icon=none|information|warning|
//                                         error|question|other" from the icon's pixels
//   driver exit-time TITLE MS          -> waits (MS at most) for the window, then for its
//                                         process to end: "MS EXIT_CODE", MS from the last
//                                         moment the window was shown, or "timeout"
//   driver children TITLE              -> "client WIDTH HEIGHT menu one-line|wrapped|none",
//                                         then one "CLASS STYLE x y width height TEXT" line
//                                         per shown child window (STYLE in hex), in its
//                                         parent's client coordinates
//   driver hooked EXE HOOK_DLL MS      -> starts EXE with the window-creation hook RefuseWindow
//                                         of HOOK_DLL set on its thread, waits (MS at most) for
//                                         its end: "exit CODE cpu MS elapsed MS", or "timeout"

#include <windows.h>
#include <commctrl.h>

#include "BrelixWindows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <memory>
#include <queue>
#include <string>
#include <type_traits>
#include <vector>

#include "Utf8.h"
#include "accessible.h"
#include "resources_reader.h"

namespace {

using namespace e2e;

// ------------------------------------------------------------ handles

template <auto Release>
struct Releaser {
  template <typename T>
  void operator()(T handle) const { Release(handle); }
};
template <typename H, auto Release>
using Handle = std::unique_ptr<std::remove_pointer_t<H>, Releaser<Release>>;
using MemoryDC = Handle<HDC, DeleteDC>;
using Bitmap = Handle<HBITMAP, DeleteObject>;
using Module = Handle<HMODULE, FreeLibrary>;

// The screen's device context, released on scope exit.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// ------------------------------------------------------------ windows

HWND FindTop(const wchar_t* title) { return FindWindowW(nullptr, title); }

void PrintUtf8(const std::wstring& text) { std::printf("%s\n", Utf8(text).c_str()); }

void PrintCentre(const RECT& r) { std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// ------------------------------------------------------------ pixels

// Screen pixels of a rectangle, row by row, as 0x00RRGGBB.
struct Pixels {
  int width = 0, height = 0;
  std::vector<DWORD> data;
  DWORD At(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

Pixels ReadDC(HDC source, int x, int y, int width, int height) {
  Pixels pixels{width, height, std::vector<DWORD>(static_cast<size_t>(width) * height)};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  Bitmap dib(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC memory(CreateCompatibleDC(source));
  if (!dib || !memory) return pixels;
  {
    Selection select(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, width, height, source, x, y, SRCCOPY);
  }
  GdiFlush();
  const auto* words = static_cast<const DWORD*>(bits);
  std::copy(words, words + pixels.data.size(), pixels.data.begin());
  return pixels;
}

Pixels ReadScreen(const RECT& r) {
  ScreenDC screen;
  return ReadDC(screen.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int Luma(DWORD rgb) { return (((rgb >> 16) & 0xFF) * 3 + ((rgb >> 8) & 0xFF) * 6 + (rgb & 0xFF)) / 10; }
bool Dark(DWORD rgb) { return Luma(rgb) < 64; }

// An arrow glyph: which of its pixels are ink (black) and which background.
struct Glyph {
  int width = 0, height = 0;
  std::vector<bool> ink;
};

Glyph LoadGlyph(HMODULE exe, const wchar_t* name) {
  Bitmap bitmap(static_cast<HBITMAP>(LoadImageW(exe, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  Glyph glyph;
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap.get(), sizeof info, &info)) return glyph;
  ScreenDC screen;
  MemoryDC memory(CreateCompatibleDC(screen.Get()));
  Pixels pixels;
  {
    Selection select(memory.get(), bitmap.get());
    pixels = ReadDC(memory.get(), 0, 0, info.bmWidth, info.bmHeight);
  }
  glyph.width = pixels.width;
  glyph.height = pixels.height;
  for (DWORD rgb : pixels.data) glyph.ink.push_back((rgb & 0xFFFFFF) == 0);
  return glyph;
}

// Whether rows [top, top + height) of the pixels show the glyph somewhere:
// every ink pixel dark and every background pixel of the glyph light, so
// neither an empty patch nor a dark smear passes.
bool ShowsGlyph(const Pixels& pixels, int top, int height, const Glyph& glyph) {
  if (glyph.ink.empty()) return false;
  for (int y = top; y + glyph.height <= top + height && y + glyph.height <= pixels.height; ++y)
    for (int x = 0; x + glyph.width <= pixels.width; ++x) {
      bool match = true;
      for (int gy = 0; match && gy < glyph.height; ++gy)
        for (int gx = 0; match && gx < glyph.width; ++gx)
          match = Dark(pixels.At(x + gx, y + gy)) == glyph.ink[static_cast<size_t>(gy) * glyph.width + gx];
      if (match) return true;
    }
  return false;
}

// Names the standard icon that a message box's icon control shows on the
// screen, by drawing each on the same background and comparing pixels.
std::string IconName(HWND iconControl) {
  RECT r{};
  GetClientRect(iconControl, &r);
  MapWindowPoints(iconControl, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const Pixels shown = ReadScreen(r);
  if (shown.data.empty()) return "other";
  const struct {
    const char* name;
    const wchar_t* id;
  } icons[] = {{"information", IDI_INFORMATION}, {"warning", IDI_WARNING}, {"error", IDI_ERROR},
               {"question", IDI_QUESTION}};
  ScreenDC screen;
  std::string best = "other";
  size_t fewest = shown.data.size() / 20;  // a match may differ in at most 5% of the pixels
  for (const auto& icon : icons) {
    MemoryDC memory(CreateCompatibleDC(screen.Get()));
    Bitmap canvas(CreateCompatibleBitmap(screen.Get(), shown.width, shown.height));
    Pixels drawn;
    {
      Selection select(memory.get(), canvas.get());
      const DWORD back = shown.At(0, 0);
      HBRUSH brush = CreateSolidBrush(RGB((back >> 16) & 0xFF, (back >> 8) & 0xFF, back & 0xFF));
      RECT all{0, 0, shown.width, shown.height};
      FillRect(memory.get(), &all, brush);
      DeleteObject(brush);
      DrawIconEx(memory.get(), 0, 0, LoadIconW(nullptr, icon.id), shown.width, shown.height, 0, nullptr, DI_NORMAL);
      drawn = ReadDC(memory.get(), 0, 0, shown.width, shown.height);
    }
    size_t differ = 0;
    for (size_t i = 0; i < shown.data.size(); ++i)
      if (std::abs(Luma(shown.data[i]) - Luma(drawn.data[i])) > 24) ++differ;
    if (differ <= fewest) {
      fewest = differ;
      best = icon.name;
    }
  }
  return best;
}

// ------------------------------------------------------------ board

// Breadth-first search to the solved order; the slot of the first move, or
// -1 when already solved, or -2 when the order cannot be reached.
int FirstMoveToOrder(const std::vector<int>& start, int cols) {
  std::vector<int> solved(start.size());
  for (size_t i = 0; i + 1 < solved.size(); ++i) solved[i] = static_cast<int>(i) + 1;
  if (start == solved) return -1;
  std::map<std::vector<int>, int> firstMove{{start, -1}};
  std::queue<std::vector<int>> frontier;
  frontier.push(start);
  while (!frontier.empty()) {
    const std::vector<int> state = frontier.front();
    frontier.pop();
    const int gap = static_cast<int>(std::find(state.begin(), state.end(), 0) - state.begin());
    for (int slot : MovableSlots(state, cols)) {
      std::vector<int> next = state;
      std::swap(next[slot], next[gap]);
      if (firstMove.count(next)) continue;
      const int first = state == start ? slot : firstMove[state];
      if (next == solved) return first;
      firstMove[next] = first;
      frontier.push(next);
    }
  }
  return -2;
}

// ------------------------------------------------------------ commands

int WaitMessageBox(DWORD ms) {
  HWND box = WaitShown(L"#32770", nullptr, ms);
  if (!box) return 1;
  Sleep(200);  // let it finish drawing before its icon is read
  const TMessageBoxView view = ReadMessageBox(box);
  std::printf("caption=");
  PrintUtf8(view.Caption);
  for (const std::wstring& text : view.Texts) {
    std::printf("text=");
    PrintUtf8(text);
  }
  for (HWND button : view.Buttons) {
    std::printf("button=");
    const RECT r = ScreenRect(button);
    PrintUtf8(TextOf(button) + L" " + std::to_wstring((r.left + r.right) / 2) + L" " +
              std::to_wstring((r.top + r.bottom) / 2));
  }
  std::printf("icon=%s\n", view.Icon ? IconName(view.IconControl).c_str() : "none");
  return 0;
}

int Focus(HWND window) {
  if (!window) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) return 1;
  const std::vector<HWND> fields = SpinFields(window);
  const auto field = std::find(fields.begin(), fields.end(), info.hwndFocus);
  if (field != fields.end()) std::printf("field %d\n", static_cast<int>(field - fields.begin()) + 1);
  else if (IsClass(info.hwndFocus, L"Button")) PrintUtf8(L"button " + TextOf(info.hwndFocus));
  else PrintUtf8(ClassOf(info.hwndFocus) + L" " + TextOf(info.hwndFocus));
  return 0;
}

int Arrows(HWND window, const wchar_t* exe) {
  const Module module(LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!window || !module) return 1;
  const Glyph up = LoadGlyph(module.get(), L"SPINUP"), down = LoadGlyph(module.get(), L"SPINDOWN");
  const std::vector<HWND> fields = SpinFields(window);
  if (fields.empty()) return 1;
  for (HWND field : fields) {
    const Pixels pair = ReadScreen(ScreenRect(ArrowPair(field)));
    // The upper arrow takes rows 0 to 7 of the pair, the lower one rows 7 to 16.
    std::printf("%s %s\n", ShowsGlyph(pair, 0, 8, up) ? "ok" : "missing",
                ShowsGlyph(pair, 7, 10, down) ? "ok" : "missing");
  }
  return 0;
}

int Children(HWND window) {
  if (!window) return 1;
  RECT client;
  GetClientRect(window, &client);
  const RECT outer = ScreenRect(window);
  // A menu bar of one line is what the frame's own styles make room for.
  RECT oneLine = client;
  const bool hasMenu = GetMenu(window) != nullptr;
  AdjustWindowRectEx(&oneLine, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), hasMenu,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  const bool one = (outer.bottom - outer.top) == (oneLine.bottom - oneLine.top);
  std::printf("client %ld %ld menu %s\n", client.right, client.bottom, !hasMenu ? "none" : one ? "one-line" : "wrapped");
  for (HWND child : Descendants(window)) {
    if (!IsWindowVisible(child)) continue;
    RECT r = ScreenRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    std::printf("%s %lx %ld %ld %ld %ld ", Utf8(ClassOf(child)).c_str(), static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)),
                r.left, r.top, r.right - r.left, r.bottom - r.top);
    PrintUtf8(TextOf(child));
  }
  return 0;
}

// ------------------------------------------------------------ processes

using Process = Handle<HANDLE, CloseHandle>;

// User and kernel time the process has used so far.
DWORD CpuMilliseconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<DWORD>((ticks(kernel) + ticks(user)) / 10000);
}

// Times from the last moment the window was shown to the end of its process.
// Shown, not merely alive: the window hides as it closes, and a window
// briefly hidden (a board rebuilt without redrawing) counts as long as it
// comes back.
int ExitTime(const wchar_t* title, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  HWND window = WaitShown(nullptr, title, ms);
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid)) return 1;
  const Process process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return 1;
  DWORD lastShown = GetTickCount();
  while (WaitForSingleObject(process.get(), 10) == WAIT_TIMEOUT) {
    if (Expired(end)) {
      std::printf("timeout\n");
      return 1;
    }
    if (IsWindow(window) && IsWindowVisible(window)) lastShown = GetTickCount();
  }
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  std::printf("%lu %lu\n", GetTickCount() - lastShown, code);
  return 0;
}

int Hooked(const wchar_t* exe, const wchar_t* hookLibrary, DWORD ms) {
  const Module hook(LoadLibraryW(hookLibrary));
  const auto proc = hook ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(hook.get(), "RefuseWindow")))
                         : nullptr;
  if (!proc) return 1;
  std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                      &started))
    return 1;
  const Process process(started.hProcess), thread(started.hThread);
  const DWORD start = GetTickCount();
  HHOOK hooked = SetWindowsHookExW(WH_CBT, proc, hook.get(), started.dwThreadId);
  ResumeThread(thread.get());
  if (!hooked) {
    TerminateProcess(process.get(), 1);
    return 1;
  }
  const bool ended = WaitForSingleObject(process.get(), ms) == WAIT_OBJECT_0;
  UnhookWindowsHookEx(hooked);
  if (!ended) {
    std::printf("timeout\n");
    TerminateProcess(process.get(), 1);
    return 1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  std::printf("exit %lu cpu %lu elapsed %lu\n", code, CpuMilliseconds(process.get()), GetTickCount() - start);
  return 0;
}

int NextMove(HWND window) {
  Board board;
  if (!window || !ReadBoard(window, board) || board.tiles.size() > 9) return 1;
  const int slot = FirstMoveToOrder(board.tiles, board.cols);
  if (slot == -1) {
    std::printf("solved\n");
    return 0;
  }
  if (slot < 0) return 1;
  const RECT& r = board.slots[static_cast<size_t>(slot)].rect;
  std::printf("%d %ld %ld\n", board.tiles[static_cast<size_t>(slot)], (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  if (command == L"wait-window" && argc == 4) {
    HWND hwnd = WaitShown(nullptr, title, static_cast<DWORD>(_wtoi(argv[3])));
    if (!hwnd) return 1;
    const RECT r = ScreenRect(hwnd);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (command == L"tile" && argc == 4) {
    for (HWND child : ChildrenOfClass(FindTop(title), L"Button"))
      if (IsWindowVisible(child) && TextOf(child) == argv[3]) {
        PrintCentre(ScreenRect(child));
        return 0;
      }
    return 1;
  }
  if (command == L"board") {
    Board board;
    if (!ReadBoard(FindTop(title), board)) return 1;
    std::printf("%d %d\n", board.rows, board.cols);
    for (size_t i = 0; i < board.tiles.size(); ++i)
      std::printf("%d%c", board.tiles[i], (i + 1) % static_cast<size_t>(board.cols) ? ' ' : '\n');
    return 0;
  }
  if (command == L"next-move") return NextMove(FindTop(title));
  if (command == L"status") {
    HWND bar = StatusBarOf(FindTop(title));
    if (!bar) return 1;
    PrintUtf8(StatusText(bar));
    return 0;
  }
  if (command == L"close") {
    HWND hwnd = FindTop(title);
    return hwnd && PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == L"gone" && argc == 4) return WaitNotShown(nullptr, title, static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"wait-class" && argc == 4) {
    HWND hwnd = WaitShown(argv[2], nullptr, static_cast<DWORD>(_wtoi(argv[3])));
    if (!hwnd) return 1;
    const RECT r = ScreenRect(hwnd);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    PrintUtf8(TextOf(hwnd));
    return 0;
  }
  if (command == L"activate") {
    HWND hwnd = FindTop(title);
    if (!hwnd || !SetForegroundWindow(hwnd) || !XWindowOf(hwnd)) return 1;
    std::printf("%lu\n", XWindowOf(hwnd));
    return 0;
  }
  if (command == L"gone-class" && argc == 4) return WaitNotShown(argv[2], nullptr, static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"control" && argc == 4) {
    HWND control = ChildWithText(FindTop(title), argv[3]);
    if (!control) return 1;
    PrintCentre(ScreenRect(control));
    return 0;
  }
  if (command == L"focus") return Focus(FindTop(title));
  if (command == L"spins") {
    const std::vector<HWND> fields = SpinFields(FindTop(title));
    for (HWND field : fields) {
      const RECT r = ScreenRect(ArrowPair(field));
      std::printf("%ld %ld %ld %ld ", r.left, r.top, r.right - r.left, r.bottom - r.top);
      PrintUtf8(TextOf(field));
    }
    return fields.empty() ? 1 : 0;
  }
  if (command == L"arrows" && argc == 4) return Arrows(FindTop(title), argv[3]);
  if (command == L"resources") return PrintExeResources(argv[2]);
  if (command == L"accessible") return PrintAccessibleTree(FindTop(title));
  if (command == L"msgbox") return WaitMessageBox(static_cast<DWORD>(_wtoi(argv[2])));
  if (command == L"exit-time" && argc == 4) return ExitTime(title, static_cast<DWORD>(_wtoi(argv[3])));
  if (command == L"children") return Children(FindTop(title));
  if (command == L"hooked" && argc == 5) return Hooked(argv[2], argv[3], static_cast<DWORD>(_wtoi(argv[4])));
  return 2;
}
