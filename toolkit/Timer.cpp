#include "Timer.h"


#include "Application.h"
#include "Errors.h"
#include "ToolkitTexts.h"

namespace {
constexpr wchar_t kTimerClass[] = L"BrelixTimer";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTimerClass;
    return RegisterClassExW(&wc);
  }();
  if (!atom) throw EUserError(IDS_ERROR_WINDOW, "the timer class could not be registered");
  FWindow = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  if (!FWindow) throw EUserError(IDS_ERROR_WINDOW, "the timer could not be created");
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  KillTimer(FWindow, kTimerId);
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
}

void TTimer::SetInterval(UINT milliseconds) {
  FInterval = milliseconds;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Update();
}

void TTimer::Update() {
  KillTimer(FWindow, kTimerId);
  if (FEnabled && FInterval > 0 && OnTimer) SetTimer(FWindow, kTimerId, FInterval, nullptr);
}

LRESULT CALLBACK TTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->OnTimer) {
      Guarded<int>([&] {
        self->OnTimer(self);
        return 0;
      }, 0);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}
