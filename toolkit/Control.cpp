#include "Control.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "Application.h"
#include "Dpi.h"
#include "Errors.h"
#include "Forms.h"
#include "Layout.h"
#include "LayoutValues.h"
#include "Timer.h"
#include "ToolkitTexts.h"

namespace {

constexpr wchar_t kOwnClass[] = L"BrelixWindow";
constexpr wchar_t kObjectProp[] = L"BrelixControl";

ATOM RegisterOwnClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // Our windows paint edges along their borders: a new size repaints all.
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kOwnClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

// Client coordinates of a mouse message.
POINT MousePoint(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return TMouseButton::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return TMouseButton::Middle;
    default: return TMouseButton::Left;
  }
}

}  // namespace

// ------------------------------------------------------------- TRedrawLock

// Only for a shown window: turning redrawing back on shows a hidden one.
TRedrawLock::TRedrawLock(HWND hwnd) : FWindow(hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr) {
  if (FWindow) SendMessageW(FWindow, WM_SETREDRAW, FALSE, 0);
}

TRedrawLock::~TRedrawLock() {
  if (!FWindow) return;
  SendMessageW(FWindow, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

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
  FDesign = {left, top, width, height};
  StorePixels(left, top, width, height);
}

void TControl::StorePixels(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  // Only what changes gets a new design value: a length that stays keeps its
  // exact one.
  const int dpi = Dpi();
  int* const design[] = {&FDesign.Left, &FDesign.Top, &FDesign.Width, &FDesign.Height};
  const int pixels[] = {left, top, width, height}, now[] = {FLeft, FTop, FWidth, FHeight};
  for (int i = 0; i < 4; ++i)
    if (pixels[i] != now[i]) *design[i] = ScaleDpi(pixels[i], kDesignDpi, dpi);
  Place(left, top, width, height);
}

void TControl::Place(int left, int top, int width, int height) { StorePixels(left, top, width, height); }

void TControl::SetVisible(bool visible) { FVisible = visible; }
void TControl::SetEnabled(bool enabled) { FEnabled = enabled; }
void TControl::SetText(std::wstring_view text) { FText.assign(text); }

// A control not yet on a form takes its owner's density (a form making
// controls of its own), else that of the stored layouts.
int TControl::Dpi() const {
  if (FParent) return FParent->Dpi();
  const TControl* owner = Owner() ? Owner()->AsControl() : nullptr;
  return owner ? owner->Dpi() : kDesignDpi;
}

void TControl::ApplyDpi(int dpi) {
  Place(ScaleDpi(FDesign.Left, dpi), ScaleDpi(FDesign.Top, dpi), ScaleDpi(FDesign.Width, dpi),
        ScaleDpi(FDesign.Height, dpi));
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
  // Layouts are read before any density: pixels and design alike.
  if (name == "Left") FLeft = FDesign.Left = AsInt(value);
  else if (name == "Top") FTop = FDesign.Top = AsInt(value);
  else if (name == "Width") FWidth = FDesign.Width = AsInt(value);
  else if (name == "Height") FHeight = FDesign.Height = AsInt(value);
  else if (name == "Visible") FVisible = AsBool(value);
  else if (name == "Enabled") FEnabled = AsBool(value);
  else if (name == "Caption" || name == "Text") FText = AsText(value);
  else if (name == "Align") FAlign = AsAlign(value);
  else return false;
  return true;
}

// --------------------------------------------------------- TGraphicControl

void TGraphicControl::Place(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  Invalidate();
  StorePixels(left, top, width, height);
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

TWinControl* TWinControl::FindWindowed(HWND hwnd) const {
  for (TControl* child : FControls) {
    if (!child->IsWindowed()) continue;
    auto* windowed = static_cast<TWinControl*>(child);
    if (windowed->FHandle == hwnd) return windowed;
    if (TWinControl* found = windowed->FindWindowed(hwnd)) return found;
  }
  return nullptr;
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
    throw EUserError(IDS_ERROR_UNEXPECTED, "a child control needs a parent window");
  CreateHandle(params);
  if (FFontSpec && !FFont) FFont = CreateFontFrom(*FFontSpec, Dpi());
  if (HFONT font = Font()) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (TControl* child : FControls)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->HandleNeeded();
  CreateWnd();
  AlignControls();
  return FHandle;
}

void TWinControl::CreateHandle(const TCreateParams& params) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring text = Text();
  if (params.ClassName.empty()) {
    if (!RegisterOwnClass(OwnWndProc)) throw EUserError(IDS_ERROR_WINDOW, "the window class could not be registered");
    // OwnWndProc binds the window to this object at WM_NCCREATE.
    CreateWindowExW(params.ExStyle, kOwnClass, text.c_str(), params.Style, Left(), Top(), Width(), Height(),
                    params.Parent, params.Menu, instance, this);
  } else if (HWND hwnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), text.c_str(), params.Style,
                                         Left(), Top(), Width(), Height(), params.Parent, params.Menu, instance,
                                         nullptr)) {
    FHandle = hwnd;
    if (params.Subclass) {
      FSubclassed = SetWindowSubclass(hwnd, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
      if (!FSubclassed) DestroyHandle();  // a control we cannot hear would be a dead one
    }
  }
  if (!FHandle) throw EUserError(IDS_ERROR_WINDOW, "the window could not be created");
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);  // WM_NCDESTROY clears FHandle
  FHandle = nullptr;
}

LRESULT CALLBACK TWinControl::OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = static_cast<TWinControl*>(GetPropW(hwnd, kObjectProp));
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->FHandle = hwnd;
    SetPropW(hwnd, kObjectProp, self);
  }
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->Dispatch({msg, wParam, lParam});
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) noexcept {
  auto* self = reinterpret_cast<TWinControl*>(data);
  if (!self || self->FHandle != hwnd) return DefSubclassProc(hwnd, msg, wParam, lParam);
  return self->Dispatch({msg, wParam, lParam});
}

LRESULT TWinControl::Dispatch(const TMessage& m) noexcept {
  if (m.Msg == WM_NCDESTROY) {
    const LRESULT result = DefaultHandler(m);
    Detach();
    return result;
  }
  // No exception ever crosses the window procedure.
  return Guarded<LRESULT>([&] { return WndProc(m); }, 0);
}

// The window is going: the object lets go of it.
void TWinControl::Detach() noexcept {
  if (FSubclassed) RemoveWindowSubclass(FHandle, SubclassProc, 1);
  else RemovePropW(FHandle, kObjectProp);
  FSubclassed = false;
  FHandle = nullptr;
  FMouseCapture = nullptr;
}

LRESULT TWinControl::DefaultHandler(const TMessage& m) noexcept {
  if (FSubclassed) return DefSubclassProc(FHandle, m.Msg, m.WParam, m.LParam);
  return DefWindowProcW(FHandle, m.Msg, m.WParam, m.LParam);
}

LRESULT TWinControl::WndProc(const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND: return WMCommand(m);
    case WM_SIZE: return WMSize(m);
    case WM_MOVE: return WMMove(m);
    case WM_SETFOCUS: return WMSetFocus(m);
    case WM_KILLFOCUS: return WMKillFocus(m);
    case WM_PAINT: return WMPaint(m);
    case WM_PRINTCLIENT: return WMPrintClient(m);
    case WM_NCPAINT: return WMNcPaint(m);
    case WM_NCLBUTTONDBLCLK: return WMNcLButtonDblClk(m);
    case WM_ERASEBKGND: return WMEraseBkgnd(m);
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: return WMMouseDown(m);
    case WM_MOUSEMOVE: return WMMouseMove(m);
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: return WMMouseUp(m);
    case WM_CAPTURECHANGED: return WMCaptureChanged(m);
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: return WMCtlColor(m);
    case WM_KEYDOWN: case WM_SYSKEYDOWN: return WMKeyDown(m);
    case WM_CHAR: return WMChar(m);
    case WM_GETDLGCODE: return WMGetDlgCode(m);
    case WM_PASTE: case WM_CUT: case WM_CLEAR: case WM_UNDO: case EM_UNDO: return WMEditCommand(m);
    case WM_CLOSE: return WMClose(m);
    case WM_ACTIVATE: return WMActivate(m);
    case WM_DESTROY: return WMDestroy(m);
    case kWmDpiChanged: return WMDpiChanged(m);
    case WM_TIMER: return WMTimer(m);
    default: return DefaultHandler(m);
  }
}

// A tick of a timer this control owns: the timer's address is its id, taken
// for a timer only once found among the control's components.
LRESULT TWinControl::WMTimer(const TMessage& m) {
  auto* id = reinterpret_cast<TComponent*>(m.WParam);
  if (!Owns(id) || !id->Is<TTimer>()) return DefaultHandler(m);
  static_cast<TTimer*>(id)->Tick();
  return 0;
}

LRESULT TWinControl::WMCommand(const TMessage& m) {
  if (TWinControl* child = m.LParam ? FindWindowed(reinterpret_cast<HWND>(m.LParam)) : nullptr)
    if (child->CommandNotify(HIWORD(m.WParam))) return 0;
  return DefaultHandler(m);
}

// The bounds as the window really has them, in the parent's client area.
void TWinControl::StoreWindowBounds() {
  RECT r;
  GetWindowRect(FHandle, &r);
  if (HWND parent = GetParent(FHandle); parent && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  StorePixels(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

LRESULT TWinControl::WMSize(const TMessage& m) {
  const LRESULT result = DefaultHandler(m);
  StoreWindowBounds();
  AlignControls();
  Resized();
  return result;
}

LRESULT TWinControl::WMMove(const TMessage& m) {
  const LRESULT result = DefaultHandler(m);
  StoreWindowBounds();
  return result;
}

LRESULT TWinControl::WMSetFocus(const TMessage& m) {
  const LRESULT result = DefaultHandler(m);
  if (OnEnter) OnEnter(this);
  return result;
}

LRESULT TWinControl::WMKillFocus(const TMessage& m) {
  const LRESULT result = DefaultHandler(m);
  if (OnExit) OnExit(this);
  return result;
}

LRESULT TWinControl::WMPaint(const TMessage& m) {
  if (FSubclassed) return DefaultHandler(m);  // the control paints itself
  TPaintDC dc(FHandle);
  PaintClient(dc.Get());
  return 0;
}

LRESULT TWinControl::WMPrintClient(const TMessage& m) {
  if (FSubclassed) return DefaultHandler(m);
  PaintClient(reinterpret_cast<HDC>(m.WParam));
  return 0;
}

LRESULT TWinControl::WMMouseDown(const TMessage& m) {
  const POINT p = MousePoint(m.LParam);
  TControl* target = GraphicControlAt(p.x, p.y);
  if (!target) return DefaultHandler(m);
  FMouseCapture = target;
  SetCapture(FHandle);
  target->MouseDown(ButtonOf(m.Msg), static_cast<UINT>(m.WParam), p.x - target->Left(), p.y - target->Top());
  return 0;
}

LRESULT TWinControl::WMMouseMove(const TMessage& m) {
  const POINT p = MousePoint(m.LParam);
  if (TControl* target = FMouseCapture ? FMouseCapture : GraphicControlAt(p.x, p.y))
    target->MouseMove(static_cast<UINT>(m.WParam), p.x - target->Left(), p.y - target->Top());
  return DefaultHandler(m);
}

LRESULT TWinControl::WMMouseUp(const TMessage& m) {
  TControl* target = FMouseCapture;
  if (!target) return DefaultHandler(m);
  if (!(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    FMouseCapture = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  const POINT p = MousePoint(m.LParam);
  target->MouseUp(ButtonOf(m.Msg), static_cast<UINT>(m.WParam), p.x - target->Left(), p.y - target->Top());
  return 0;
}

LRESULT TWinControl::WMCaptureChanged(const TMessage& m) {
  // Another window took the mouse while a graphic child held it: the child is
  // told the button went up away from it, so a pressed arrow shows raised
  // again and stops repeating, without a click.
  if (TControl* target = std::exchange(FMouseCapture, nullptr)) target->MouseUp(TMouseButton::Left, 0, -1, -1);
  return DefaultHandler(m);
}

LRESULT TWinControl::WMCtlColor(const TMessage& m) {
  // Labels and buttons stand on the button face, as the windows do.
  auto dc = reinterpret_cast<HDC>(m.WParam);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TWinControl::PaintClient(HDC dc) {
  PaintWindow(dc);
  PaintGraphicControls(dc);
}

void TWinControl::PaintWindow(HDC) const {}

void TWinControl::PaintGraphicControls(HDC dc) {
  for (TControl* child : FControls) {
    if (child->IsWindowed() || !child->Visible()) continue;
    // This paint shows the child where it stood when the paint began; a child
    // that settles on new bounds gets another paint for them.
    const RECT bounds = child->BoundsRect();
    child->PrepareToPaint();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    POINT origin;
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, &origin);
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

void TWinControl::Place(int left, int top, int width, int height) {
  const bool same = left == Left() && top == Top() && width == Width() && height == Height();
  StorePixels(left, top, width, height);
  if (FHandle && !same) SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
  if (FFont) return FFont.Get();
  return Parent() ? Parent()->Font() : nullptr;
}

TFontSpec TWinControl::FontSpecInUse() const {
  for (const TWinControl* c = this; c; c = c->Parent())
    if (c->FFontSpec) return *c->FFontSpec;
  return {};
}

TFontSpec& TWinControl::FontSpec() { return FFontSpec ? *FFontSpec : FFontSpec.emplace(); }

bool TWinControl::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "TabStop") FTabStop = AsBool(value);
  else if (name == "Font.Name") FontSpec().Name = AsText(value);
  else if (name == "Font.Height") FontSpec().Height = AsInt(value);
  else if (name == "Font.Style") FontSpec().Bold = !AsChoices(value, {"fsBold"}, "a font style").empty();
  else return TControl::ReadProperty(name, value);
  return true;
}

void TWinControl::ApplyDpi(int dpi) {
  // The font first: controls that size themselves by their text measure the
  // new one. The old font lives until every child has let go of it.
  const TFontHandle oldFont = std::move(FFont);
  if (FFontSpec && FHandle) FFont = CreateFontFrom(*FFontSpec, dpi);
  if (HFONT font = Font(); font && FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The children before the control itself: a control that lays out its
  // children as it is resized then finds them at their new sizes. A form
  // places itself.
  for (TControl* child : std::vector<TControl*>(FControls)) child->ApplyDpi(dpi);
  if (!IsForm()) TControl::ApplyDpi(dpi);
  AlignControls();
}

void TWinControl::AlignControls() {
  if (!FHandle || std::none_of(FControls.begin(), FControls.end(), [](TControl* c) { return c->Align() != TAlign::None; }))
    return;
  RECT area;
  GetClientRect(FHandle, &area);
  for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
    for (TControl* c : FControls) {
      if (c->Align() != pass || !c->Visible()) continue;
      const int w = area.right - area.left, h = area.bottom - area.top;
      switch (pass) {
        case TAlign::Top: c->Place(area.left, area.top, w, c->Height()); area.top += c->Height(); break;
        case TAlign::Bottom:
          c->Place(area.left, area.bottom - c->Height(), w, c->Height());
          area.bottom -= c->Height();
          break;
        case TAlign::Left: c->Place(area.left, area.top, c->Width(), h); area.left += c->Width(); break;
        case TAlign::Right:
          c->Place(area.right - c->Width(), area.top, c->Width(), h);
          area.right -= c->Width();
          break;
        case TAlign::Client: c->Place(area.left, area.top, std::max(w, 0), std::max(h, 0)); break;
        case TAlign::None: break;
      }
    }
  }
}
