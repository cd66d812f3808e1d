#include "Input.h"

#include <cstring>

namespace soak {

namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

INPUT MouseAt(POINT p, DWORD flags) {
  const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (p.x * 65535 + cx / 2) / cx;
  input.mi.dy = (p.y * 65535 + cy / 2) / cy;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

INPUT KeyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

void MouseMove(POINT screen) { Send(MouseAt(screen, 0)); }

void MouseButton(POINT screen, bool right, bool down) {
  const DWORD flag = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                           : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  Send(MouseAt(screen, flag));
}

void Key(WORD vk, bool down) {
  const auto scan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  DWORD flags = down ? 0 : KEYEVENTF_KEYUP;
  if (vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_HOME || vk == VK_END ||
      vk == VK_DELETE)
    flags |= KEYEVENTF_EXTENDEDKEY;
  Send(KeyInput(vk, scan, flags));
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
  for (wchar_t ch : text) {
    Send(KeyInput(0, ch, KEYEVENTF_UNICODE));
    Send(KeyInput(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
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
