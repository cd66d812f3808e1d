#include "Control.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "Application.h"
#include "Forms.h"
#include "Layout.h"
#include "LayoutValues.h"

namespace {

constexpr wchar_t kOwnClass[] = L"BrelixWindow";
constexpr wchar_t kObjectProp[] = L"BrelixControl";

ATOM RegisterOwnClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kOwnClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return TMouseButton::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return TMouseButton::Middle;
    default: return TMouseButton::Left;
  }
}

}  // namespace

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) {
    Invalidate();
    FParent->RemoveControl(this);
  }
  FParent = parent;
  if (FParent) {
    FParent->InsertControl(this);
    Invalidate();
  }
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  StoreBounds(left, top, width, height);
}

void TControl::SetVisible(bool visible) { FVisible = visible; }
void TControl::SetEnabled(bool enabled) { FEnabled = enabled; }
void TControl::SetText(std::wstring_view text) { FText.assign(text); }

void TControl::SetAlign(TAlign align) {
  FAlign = align;
  if (FParent) FParent->AlignControls();
}

TForm* TControl::OwningForm() const {
  const TControl* control = this;
  while (control->FParent) control = control->FParent;
  return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
  if (IsWindowed()) {
    auto* self = static_cast<TWinControl*>(this);
    if (self->Handle()) InvalidateRect(self->Handle(), nullptr, TRUE);
  } else if (FParent && FParent->Handle()) {
    RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

bool TControl::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "Left") FLeft = AsInt(value);
  else if (name == "Top") FTop = AsInt(value);
  else if (name == "Width") FWidth = AsInt(value);
  else if (name == "Height") FHeight = AsInt(value);
  else if (name == "Visible") FVisible = AsBool(value);
  else if (name == "Enabled") FEnabled = AsBool(value);
  else if (name == "Caption" || name == "Text") FText = AsText(value);
  else if (name == "Align") FAlign = AsAlign(value);
  else return false;
  return true;
}

// --------------------------------------------------------- TGraphicControl

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  Invalidate();
}

// ------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyHandle();
  for (TControl* child : FControls) child->FParent = nullptr;
  FControls.clear();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TWinControl*>(GetPropW(hwnd, kObjectProp)) : nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
}

HWND TWinControl::HandleNeeded() {
  if (FHandle) return FHandle;
  TCreateParams params;
  if (Parent()) params.Parent = Parent()->HandleNeeded();
  CreateParams(params);
  if (!params.Parent && (params.Style & WS_CHILD))
    throw std::logic_error("a child control needs a parent window");
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring text = Text();
  if (params.ClassName.empty()) {
    RegisterOwnClass(OwnWndProc);
    // OwnWndProc binds the window to this object at WM_NCCREATE.
    CreateWindowExW(params.ExStyle, kOwnClass, text.c_str(), params.Style, Left(), Top(), Width(), Height(),
                    params.Parent, params.Menu, instance, this);
  } else {
    HWND hwnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), text.c_str(), params.Style, Left(),
                                Top(), Width(), Height(), params.Parent, params.Menu, instance, nullptr);
    if (hwnd) {
      FHandle = hwnd;
      SetPropW(hwnd, kObjectProp, this);
      SetWindowSubclass(hwnd, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
      FSubclassed = true;
    }
  }
  if (!FHandle) throw std::runtime_error("the window could not be created");
  if (FFontSpec && !FLayoutFont) {
    FLayoutFont = CreateFontFrom(*FFontSpec);
    FOwnFont = FLayoutFont.Get();
  }
  if (HFONT font = Font()) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (TControl* child : FControls)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->HandleNeeded();
  CreateWnd();
  AlignControls();
  return FHandle;
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);  // WM_NCDESTROY clears FHandle
  FHandle = nullptr;
}

LRESULT CALLBACK TWinControl::OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TWinControl*>(GetPropW(hwnd, kObjectProp));
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->FHandle = hwnd;
    SetPropW(hwnd, kObjectProp, self);
  }
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<TWinControl*>(data);
  if (!self || self->FHandle != hwnd) return DefSubclassProc(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    HWND hwnd = FHandle;
    const LRESULT result = DefaultHandler(msg, wParam, lParam);
    RemovePropW(hwnd, kObjectProp);
    if (FSubclassed) RemoveWindowSubclass(hwnd, SubclassProc, 1);
    FSubclassed = false;
    FHandle = nullptr;
    FMouseCapture = nullptr;
    return result;
  }
  // No exception ever crosses the window procedure.
  return Guarded<LRESULT>([&] { return WndProc(msg, wParam, lParam); }, 0);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (FSubclassed) return DefSubclassProc(FHandle, msg, wParam, lParam);
  return DefWindowProcW(FHandle, msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam) {
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
          if (child->CommandNotify(HIWORD(wParam))) return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (TWinControl* child = FromHandle(header->hwndFrom)) {
        LRESULT result = 0;
        if (child->NotifyNotify(*header, result)) return result;
      }
      break;
    }
    case WM_SIZE:
    case WM_MOVE: {
      const LRESULT result = DefaultHandler(msg, wParam, lParam);
      RECT r;
      GetWindowRect(FHandle, &r);
      if (HWND parent = GetParent(FHandle); parent && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
      StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
      if (msg == WM_SIZE) {
        AlignControls();
        Resized();
      }
      return result;
    }
    case WM_SETFOCUS: {
      const LRESULT result = DefaultHandler(msg, wParam, lParam);
      DoEnter();
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefaultHandler(msg, wParam, lParam);
      DoExit();
      return result;
    }
    case WM_PAINT:
      if (!FSubclassed) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(FHandle, &ps);
        PaintWindow(dc);
        PaintGraphicControls(dc);
        EndPaint(FHandle, &ps);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (!FSubclassed) {
        PaintWindow(reinterpret_cast<HDC>(wParam));
        PaintGraphicControls(reinterpret_cast<HDC>(wParam));
        return 0;
      }
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      if (TControl* target = GraphicControlAt(x, y)) {
        FMouseCapture = target;
        SetCapture(FHandle);
        target->MouseDown(ButtonOf(msg), static_cast<UINT>(wParam), x - target->Left(), y - target->Top());
        return 0;
      }
      break;
    }
    case WM_MOUSEMOVE: {
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      TControl* target = FMouseCapture ? FMouseCapture : GraphicControlAt(x, y);
      if (target) target->MouseMove(static_cast<UINT>(wParam), x - target->Left(), y - target->Top());
      break;
    }
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      if (TControl* target = FMouseCapture) {
        if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
          FMouseCapture = nullptr;
          if (GetCapture() == FHandle) ReleaseCapture();
        }
        target->MouseUp(ButtonOf(msg), static_cast<UINT>(wParam), x - target->Left(), y - target->Top());
        return 0;
      }
      break;
    }
    case WM_CAPTURECHANGED:
      // Another window took the mouse while a graphic child held it: the
      // child is told the button went up away from it, so a pressed arrow
      // shows raised again and stops repeating, without a click.
      if (TControl* target = std::exchange(FMouseCapture, nullptr)) target->MouseUp(TMouseButton::Left, 0, -1, -1);
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels and buttons stand on the button face, as the windows do.
      auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      break;
  }
  return DefaultHandler(msg, wParam, lParam);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintGraphicControls(HDC dc) {
  for (TControl* child : FControls) {
    if (child->IsWindowed() || !child->Visible()) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(),
                      child->Top() + child->Height());
    POINT origin;
    OffsetViewportOrgEx(dc, child->Left(), child->Top(), &origin);
    child->Paint(dc);
    RestoreDC(dc, saved);
  }
}

TControl* TWinControl::GraphicControlAt(int x, int y) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible()) continue;
    if (x >= c->Left() && x < c->Left() + c->Width() && y >= c->Top() && y < c->Top() + c->Height()) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  if (FHandle && control->IsWindowed()) {
    auto* win = static_cast<TWinControl*>(control);
    if (win->FHandle)
      ::SetParent(win->FHandle, FHandle);
    else if (!FLoading)
      win->HandleNeeded();
  }
  if (control->Align() != TAlign::None) AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
  if (FMouseCapture == control) {
    FMouseCapture = nullptr;
    if (FHandle && GetCapture() == FHandle) ReleaseCapture();
  }
  std::erase(FControls, control);
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  TControl::SetParent(parent);
  if (!parent) DestroyHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  StoreBounds(left, top, width, height);
  if (FHandle) SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (FHandle) ShowWindow(FHandle, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (FHandle) EnableWindow(FHandle, enabled);
}

std::wstring TWinControl::Text() const {
  if (!FHandle) return TControl::Text();
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(FHandle, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetText(std::wstring_view text) {
  TControl::SetText(text);
  if (FHandle) SetWindowTextW(FHandle, std::wstring(text).c_str());
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return FHandle != nullptr;
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

void TWinControl::SendToBack() {
  if (FHandle) SetWindowPos(FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetTabStop(bool tabStop) {
  FTabStop = tabStop;
  if (FHandle) {
    LONG style = GetWindowLongW(FHandle, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongW(FHandle, GWL_STYLE, style);
  }
}

HFONT TWinControl::Font() const {
  if (FOwnFont) return FOwnFont;
  return Parent() ? Parent()->Font() : nullptr;
}

void TWinControl::SetOwnFont(HFONT font) {
  FOwnFont = font;
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  UpdateFontOfChildren();
}

void TWinControl::UpdateFontOfChildren() {
  for (TControl* child : FControls) {
    if (!child->IsWindowed()) continue;
    auto* win = static_cast<TWinControl*>(child);
    if (win->FOwnFont) continue;
    if (win->FHandle) SendMessageW(win->FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    win->UpdateFontOfChildren();
  }
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "TabStop") FTabStop = AsBool(value);
  else if (name == "TabOrder") return true;  // the layout order is the tab order
  else if (name.starts_with("Font.")) {
    TFontSpec& font = FFontSpec ? *FFontSpec : FFontSpec.emplace();
    if (name == "Font.Name") font.Name = AsText(value);
    else if (name == "Font.Height") font.Height = AsInt(value);
    else if (name == "Font.Style") {
      const std::vector<std::string> styles = AsIdentList(value);
      font.Bold = std::find(styles.begin(), styles.end(), "fsBold") != styles.end();
    } else return false;
  }
  else return TControl::ReadProperty(name, value);
  return true;
}

void TWinControl::AlignControls() {
  if (!FHandle) return;
  RECT area;
  GetClientRect(FHandle, &area);
  for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
    for (TControl* c : FControls) {
      if (c->Align() != pass || !c->Visible()) continue;
      const int w = area.right - area.left, h = area.bottom - area.top;
      switch (pass) {
        case TAlign::Top: c->SetBounds(area.left, area.top, w, c->Height()); area.top += c->Height(); break;
        case TAlign::Bottom:
          c->SetBounds(area.left, area.bottom - c->Height(), w, c->Height());
          area.bottom -= c->Height();
          break;
        case TAlign::Left: c->SetBounds(area.left, area.top, c->Width(), h); area.left += c->Width(); break;
        case TAlign::Right:
          c->SetBounds(area.right - c->Width(), area.top, c->Width(), h);
          area.right -= c->Width();
          break;
        case TAlign::Client: c->SetBounds(area.left, area.top, std::max(w, 0), std::max(h, 0)); break;
        case TAlign::None: break;
      }
    }
  }
}
