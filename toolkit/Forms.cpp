#include "Forms.h"

#include <commctrl.h>

#include <new>
#include <utility>
#include <vector>

#include "Application.h"
#include "ComCtrls.h"
#include "Dpi.h"
#include "Errors.h"
#include "ExtCtrls.h"
#include "Layout.h"
#include "LayoutValues.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Strings.h"
#include "ToolkitTexts.h"
#include "Win32.h"

namespace {

std::string_view LayoutResource(const wchar_t* name) {
  const std::string_view layout = ResourceBytes(name, RT_RCDATA);
  if (layout.empty()) throw EUserError(IDS_ERROR_RESOURCES, "window layout missing from the resources");
  return layout;
}

// The windows a modal form disables while it is shown. Filled from inside a
// callback of Windows, which no exception may cross: a failure to grow the
// list is noted, and thrown once the enumeration is over.
struct TEnabledWindows {
  std::vector<HWND> Windows;
  bool Failed = false;
};

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM data) noexcept {
  auto* list = reinterpret_cast<TEnabledWindows*>(data);
  if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
  try {
    list->Windows.push_back(hwnd);
    return TRUE;
  } catch (...) {
    list->Failed = true;
    return FALSE;
  }
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  StoreVisible(false);
  FontSpec();  // a form has a font of its own: the layout's, or the default one
  Application().FormCreated(*this);
}

TForm::~TForm() {
  DestroyHandle();
  Application().FormDestroyed(*this);
}

void TForm::LoadLayout(const wchar_t* resourceName) { LoadLayoutText(LayoutResource(resourceName)); }

void TForm::LoadLayoutText(std::string_view text) {
  const layout::Node root = layout::Parse(text);
  FLoading = true;
  SetName(Widen(root.name));
  for (const auto& property : root.properties)
    if (!ReadProperty(property.name, property.value))
      throw layout::ParseError(property.line, "unknown property " + property.name);
  LoadChildren(root, *this, *this);
  if (!FMenuName.empty()) {
    TComponent* menu = FindComponent(Widen(FMenuName));
    FMenu = menu && menu->Is<TMainMenu>() ? static_cast<TMainMenu*>(menu) : nullptr;
    if (!FMenu) throw layout::ParseError(root.line, "no main menu named " + FMenuName);
  }
  FLoading = false;
  Loaded();
}

void TForm::ReadComponent(TComponent& component, const layout::Node& node) {
  component.SetName(Widen(node.name));
  for (const auto& property : node.properties)
    if (!component.ReadProperty(property.name, property.value))
      throw layout::ParseError(property.line, "unknown property " + property.name + " of " + node.className);
}

void TForm::LoadChildren(const layout::Node& node, TComponent& parentComponent, TWinControl& parentControl) {
  for (const auto& child : node.children) {
    TComponent* component = parentComponent.CreateChild(child);
    if (!component) component = CreateComponent(child.className);
    if (!component) throw layout::ParseError(child.line, "unknown component class " + child.className);
    TControl* control = component->AsControl();
    ReadComponent(*component, child);
    if (control) control->SetParent(&parentControl);
    TWinControl* windowed = component->AsWinControl();
    LoadChildren(child, *component, windowed ? *windowed : parentControl);
    component->Loaded();
  }
}

TComponent* TForm::CreateComponent(const std::string& className) {
  if (className == "TButton") return &Create<TButton>(*this);
  if (className == "TLabel") return &Create<TLabel>(*this);
  if (className == "TGroupBox") return &Create<TGroupBox>(*this);
  if (className == "TPanel") return &Create<TPanel>(*this);
  if (className == "TImage") return &Create<TImage>(*this);
  if (className == "TStatusBar") return &Create<TStatusBar>(*this);
  if (className == "TMainMenu") return &Create<TMainMenu>(*this);
  return nullptr;
}

bool TForm::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "ClientWidth") FClientWidth = AsInt(value);
  else if (name == "ClientHeight") FClientHeight = AsInt(value);
  else if (name == "Menu") FMenuName = AsIdent(value);
  else if (name == "Position") FPosition = static_cast<TPosition>(AsChoice(value, {"poDesigned", "poScreenCenter"}, "a position"));
  else if (name == "BorderStyle")
    FBorderStyle = static_cast<TBorderStyle>(AsChoice(value, {"bsSizeable", "bsDialog", "bsSingle"}, "a border style"));
  else if (name == "BorderIcons") ReadBorderIcons(value);
  else return TWinControl::ReadProperty(name, value);
  return true;
}

void TForm::ReadBorderIcons(const layout::Value& value) {
  FMinimizeBox = FMaximizeBox = FSystemMenu = false;
  for (std::size_t icon : AsChoices(value, {"biSystemMenu", "biMinimize", "biMaximize"}, "a border icon")) {
    if (icon == 0) FSystemMenu = true;
    else if (icon == 1) FMinimizeBox = true;
    else FMaximizeBox = true;
  }
}

void TForm::FrameStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CAPTION | WS_CLIPCHILDREN;
  exStyle = WS_EX_CONTROLPARENT;
  switch (FBorderStyle) {
    case TBorderStyle::Sizeable: style |= WS_THICKFRAME; break;
    case TBorderStyle::Single: style |= WS_BORDER; break;
    case TBorderStyle::Dialog: style |= WS_DLGFRAME; exStyle |= WS_EX_DLGMODALFRAME; break;
  }
  if (FSystemMenu) style |= WS_SYSMENU;
  if (FSystemMenu && FBorderStyle != TBorderStyle::Dialog) {
    if (FMinimizeBox) style |= WS_MINIMIZEBOX;
    if (FMaximizeBox) style |= WS_MAXIMIZEBOX;
  }
}

void TForm::CreateParams(TCreateParams& params) {
  // Until CreateWnd has put the window at its design size, the sizes it goes
  // through are not the form's.
  FPlacing = true;
  params.ClassName.clear();
  FrameStyles(params.Style, params.ExStyle);
  if (FMenu) params.Menu = FMenu->Handle();
  // Every other form stays above the main one.
  TForm* main = Application().MainForm();
  params.Parent = main && main != this ? main->HandleNeeded() : nullptr;
}

void TForm::CreateWnd() {
  PlaceAtDesignSize();
  // The density of the screen the window opened on.
  if (const int dpi = WindowDpi(Handle()); dpi != FDpi) ApplyDpi(dpi);
  ShowIcons();
}

// The title bar's and the task switcher's icons, at the sizes of the form's
// density.
void TForm::ShowIcons() {
  // Every window of the program but its dialog boxes shows the program's icon.
  const wchar_t* icon = Application().IconName();
  if (!icon || FBorderStyle == TBorderStyle::Dialog) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Shared icons belong to the system: nothing to free.
  const int bigSize = SystemMetricForDpi(SM_CXICON, FDpi), smallSize = SystemMetricForDpi(SM_CXSMICON, FDpi);
  auto big = static_cast<HICON>(LoadImageW(instance, icon, IMAGE_ICON, bigSize, bigSize, LR_SHARED));
  auto small = static_cast<HICON>(LoadImageW(instance, icon, IMAGE_ICON, smallSize, smallSize, LR_SHARED));
  if (big) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (small) SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void TForm::SetClientSize(int width, int height) {
  HWND hwnd = HandleNeeded();
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  const int extraW = (window.right - window.left) - client.right;
  const int extraH = (window.bottom - window.top) - client.bottom;
  // The window's new size becomes the design size as it arrives (Resized).
  Place(Left(), Top(), width + extraW, height + extraH);
}

SIZE TForm::OuterSizeAt(SIZE outer, int fromDpi, int toDpi) const {
  if (fromDpi == toDpi) return outer;
  DWORD style, exStyle;
  FrameStyles(style, exStyle);
  const SIZE from = NonClientSize(style, exStyle, FMenu != nullptr, fromDpi);
  const SIZE to = NonClientSize(style, exStyle, FMenu != nullptr, toDpi);
  return {ScaleDpi(outer.cx - from.cx, toDpi, fromDpi) + to.cx, ScaleDpi(outer.cy - from.cy, toDpi, fromDpi) + to.cy};
}

void TForm::PlaceAtDesignSize() {
  if (FClientWidth < 0 || FClientHeight < 0) {
    // The layout gives the outer size at 96 DPI: the client area is what the
    // window made at that size shows at 96 DPI, else what a frame drawn at
    // 96 DPI leaves of it.
    RECT client;
    GetClientRect(Handle(), &client);
    if (WindowDpi(Handle()) != kDesignDpi) {
      DWORD style, exStyle;
      FrameStyles(style, exStyle);
      const SIZE frame = NonClientSize(style, exStyle, FMenu != nullptr, kDesignDpi);
      client = {0, 0, DesignBounds().Width - frame.cx, DesignBounds().Height - frame.cy};
    }
    if (FClientWidth < 0) FClientWidth = client.right;
    if (FClientHeight < 0) FClientHeight = client.bottom;
  }
  FPlacing = true;
  SetClientSize(ScaleDpi(FClientWidth, FDpi), ScaleDpi(FClientHeight, FDpi));
  FPlacing = false;
}

void TForm::ApplyDpi(int dpi) {
  // Until it has a window a form is at 96 DPI: the screen its window opens
  // on gives it its density.
  if (dpi <= 0 || dpi == FDpi || !Handle()) return;
  FDpi = dpi;
  const TRedrawLock oneRepaint(Handle());
  TWinControl::ApplyDpi(dpi);
  PlaceAtDesignSize();
  if (Handle()) ShowIcons();
  RunDpiHook();
}

void TForm::Build() {
  AfterConstruction();
  FWhole = true;
  RunDpiHook();
}

void TForm::RunDpiHook() {
  if (!FWhole || FHookedDpi == FDpi) return;
  FHookedDpi = FDpi;
  DpiApplied();
}

void TForm::Resized() {
  RECT client;
  // A minimized window has no client area to take.
  if (FPlacing || !Handle() || !GetClientRect(Handle(), &client) || IsRectEmpty(&client)) return;
  FClientWidth = ScaleDpi(client.right, kDesignDpi, FDpi);
  FClientHeight = ScaleDpi(client.bottom, kDesignDpi, FDpi);
}

void TForm::ApplyCentering() {
  // Centred every time it is shown, wherever it was moved to before.
  if (FPosition != TPosition::ScreenCenter) return;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
  SetBounds(left, top, Width(), Height());
}

void TForm::FocusFirstControl() {
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus)) return;
  if (FLastFocus && IsWindow(FLastFocus) && IsChild(Handle(), FLastFocus) && IsWindowVisible(FLastFocus) &&
      IsWindowEnabled(FLastFocus)) {
    ::SetFocus(FLastFocus);
    return;
  }
  if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) ::SetFocus(first);
}

void TForm::Show() {
  HandleNeeded();
  ApplyCentering();
  TControl::SetVisible(true);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  FocusFirstControl();
}

void TForm::Hide() {
  TControl::SetVisible(false);
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
  } else if (Application().MainForm() == this) {
    Hide();
    Application().Terminate();
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  if (FModal || Visible()) throw EUserError(IDS_ERROR_UNEXPECTED, "the window is already shown");
  HandleNeeded();
  // Keep every other window of the program from taking input meanwhile.
  TEnabledWindows enabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&enabled));
  if (enabled.Failed) throw std::bad_alloc();
  std::vector<HWND>& disabled = enabled.Windows;
  std::erase(disabled, Handle());
  for (HWND hwnd : disabled) EnableWindow(hwnd, FALSE);

  FModal = true;
  FModalResult = mrNone;
  struct Restore {
    TForm& form;
    std::vector<HWND>& windows;
    ~Restore() {
      // Enable the others before hiding, so that activation returns to them.
      for (HWND hwnd : windows)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
      form.Hide();
      form.FModal = false;
    }
  } restore{*this, disabled};

  Show();
  while (FModalResult == mrNone) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the dialog is abandoned without a result, and
      // the quit goes on to the loop outside.
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
      return mrNone;
    }
    if (Application().IsNavigationMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return FModalResult;
}

LRESULT TForm::WMClose(const TMessage&) {
  Close();
  return 0;
}

LRESULT TForm::WMCommand(const TMessage& m) {
  if (m.LParam == 0 && HIWORD(m.WParam) == 0 && FMenu) {
    if (TMenuItem* item = FMenu->FindCommand(LOWORD(m.WParam))) {
      item->Click();
      return 0;
    }
  }
  return TWinControl::WMCommand(m);
}

LRESULT TForm::WMActivate(const TMessage& m) {
  if (LOWORD(m.WParam) == WA_INACTIVE) {
    // Remember where the focus was, to give it back on return.
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) FLastFocus = focus;
  } else if (!HIWORD(m.WParam)) {
    FocusFirstControl();
    return 0;
  }
  return DefaultHandler(m);
}

// A dialog shown again where it was is the same window: a click on its close
// box soon after the one that hid it arrives as the second of a double click,
// which the system leaves unanswered. It is a press like any other.
LRESULT TForm::WMNcLButtonDblClk(const TMessage& m) {
  if (m.WParam == HTCLOSE || m.WParam == HTMINBUTTON || m.WParam == HTMAXBUTTON)
    return DefaultHandler({WM_NCLBUTTONDOWN, m.WParam, m.LParam});
  return DefaultHandler(m);
}

// The system's rectangle says where the window goes on its new screen; its
// size comes from the form's design, which the system's rescaled pixels
// would drift from, a pixel at a time.
LRESULT TForm::WMDpiChanged(const TMessage& m) {
  if (const auto* suggested = reinterpret_cast<const RECT*>(m.LParam))
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  ApplyDpi(LOWORD(m.WParam));
  return 0;
}

LRESULT TForm::WMDestroy(const TMessage& m) {
  // The menu belongs to its component, not to the window.
  if (FMenu) SetMenu(Handle(), nullptr);
  return DefaultHandler(m);
}
