#include "SpinEdit.h"

#include "Application.h"
#include "Graphics.h"
#include "LayoutValues.h"
#include "SpinRules.h"
#include "Win32.h"

namespace {

// Whether visual styles draw this process's controls. Looked up at run time:
// the theming library is not there on every system we run on.
bool ThemesActive() {
  using IsAppThemedFn = BOOL(WINAPI*)();
  const auto isAppThemed = ProcAddress<IsAppThemedFn>(GetModuleHandleW(L"uxtheme.dll"), "IsAppThemed");
  return isAppThemed && isAppThemed();
}

int FontHeight(HDC dc, HGDIOBJ font) {
  TSelectObject select(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  return tm.tmHeight;
}

}  // namespace

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  FArrows = &Create<TSpinButton>(*this);
  FArrows->SetBounds(0, 0, 15, 17);
  FArrows->SetVisible(true);
  FArrows->SetParent(this);
  FArrows->SetFocusControl(this);
  FArrows->OnUpClick = [this](TComponent* sender) { StepUp(sender); };
  FArrows->OnDownClick = [this](TComponent* sender) { StepDown(sender); };
  StoreInitialText(L"0");
}

TSpinEdit::~TSpinEdit() { FArrows->SetFocusControl(nullptr); }

wchar_t TSpinEdit::DecimalSeparator() {
  static const wchar_t separator = [] {
    wchar_t buffer[4] = {};
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 4) > 0 ? buffer[0] : L'.';
  }();
  return separator;
}

std::int32_t TSpinEdit::Value() const { return ReadSpinValue(Text(), MinValue); }

std::int32_t TSpinEdit::ClampValue(std::int32_t value) const { return ClampSpinValue(value, MinValue, MaxValue); }

void TSpinEdit::SetValue(std::int32_t value) { SetText(FormatSpinValue(ClampValue(value))); }

bool TSpinEdit::AcceptsChar(wchar_t ch) const { return SpinAcceptsChar(ch, DecimalSeparator(), EditorEnabled); }

void TSpinEdit::StepUp(TComponent*) {
  if (ReadOnly()) {
    Application().Beep();
    return;
  }
  SetValue(SaturatedAdd(Value(), Increment));
}

void TSpinEdit::StepDown(TComponent*) {
  if (ReadOnly()) {
    Application().Beep();
    return;
  }
  SetValue(SaturatedSub(Value(), Increment));
}

int TSpinEdit::MinimumHeight() const {
  const TClientDC screen(nullptr);
  HFONT font = Font();
  const int fontHeight = FontHeight(screen.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const int systemHeight = FontHeight(screen.Get(), GetStockObject(SYSTEM_FONT));
  return SpinMinimumHeight(fontHeight, systemHeight, GetSystemMetrics(SM_CYBORDER));
}

void TSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  // Multi-line, so that the formatting rectangle can keep text off the arrows.
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TSpinEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  FThemedAtCreation = ThemesActive();
  UpdateTextArea();
  Resized();
}

// The margins change with the font, and the text area is made inside them.
void TSpinEdit::ApplyDpi(int dpi) {
  TCustomEdit::ApplyDpi(dpi);
  UpdateTextArea();
}

void TSpinEdit::UpdateTextArea() {
  if (!Handle()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  RECT area{0, 0, client.right - FArrows->Width() - 2, client.bottom + 1};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
}

void TSpinEdit::Resized() {
  const int minimum = MinimumHeight();
  if (Height() < minimum) {
    Place(Left(), Top(), Width(), minimum);
    return;
  }
  if (!FArrows) return;
  const TSpinRect pair = PlaceSpinPair(Width(), Height(), FArrows->Width(), Ctl3D(), Dpi());
  FArrows->Place(pair.Left, pair.Top, pair.Width, pair.Height);
  UpdateTextArea();
}

void TSpinEdit::RepaintPair() {
  // The edit control paints its background and frame over its child windows
  // (themed edits ignore WS_CLIPCHILDREN), so the arrows are drawn again
  // after every paint of the edit.
  if (FArrows->Handle() && FArrows->Visible())
    RedrawWindow(FArrows->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  DrawPairFrame();
}

void TSpinEdit::DrawPairFrame() {
  // Without visual styles the pair sits in a sunken frame drawn around it.
  if (FThemedAtCreation || !Ctl3D() || !FArrows->Visible()) return;
  const TClientDC dc(Handle());
  const RECT pair = FArrows->BoundsRect();
  ExcludeClipRect(dc.Get(), pair.left, pair.top, pair.right, pair.bottom);
  RECT frame{pair.left - 1, pair.top - 1, pair.right + 1, pair.bottom + 1};
  DrawEdge(dc.Get(), &frame, BDR_SUNKENOUTER, BF_RECT);
}

LRESULT TSpinEdit::WMGetDlgCode(const TMessage& m) {
  // Tab and Escape belong to the dialog; Enter comes here, to be refused.
  LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  const auto* key = reinterpret_cast<const MSG*>(m.LParam);
  if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT TSpinEdit::WMKeyDown(const TMessage& m) {
  // The arrow keys step whatever modifier is held (with Alt they come as
  // system keys), and go on to the edit as well.
  if (m.WParam == VK_UP) StepUp(this);
  else if (m.WParam == VK_DOWN) StepDown(this);
  else if (m.WParam == VK_DELETE && !EditorEnabled) {
    // Delete edits the text like Backspace: refused likewise.
    Application().Beep();
    return 0;
  }
  return TCustomEdit::WMKeyDown(m);
}

LRESULT TSpinEdit::WMChar(const TMessage& m) {
  if (!AcceptsChar(static_cast<wchar_t>(m.WParam))) {
    Application().Beep();
    return 0;
  }
  return TCustomEdit::WMChar(m);
}

LRESULT TSpinEdit::WMEditCommand(const TMessage& m) {
  if (!EditingAllowed()) return 0;
  return TCustomEdit::WMEditCommand(m);
}

LRESULT TSpinEdit::WMMouseDown(const TMessage& m) {
  if (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK) return TCustomEdit::WMMouseDown(m);
  // A click that brings the focus in places the caret, as in any edit.
  FMouseEntering = !Focused();
  // The edit takes the second press of a double click without the focus,
  // which Tab may have moved away since the first.
  if (m.Msg == WM_LBUTTONDBLCLK && FMouseEntering) ::SetFocus(Handle());
  const LRESULT result = TCustomEdit::WMMouseDown(m);
  FMouseEntering = false;
  return result;
}

LRESULT TSpinEdit::WMSetFocus(const TMessage& m) {
  if (AutoSelect() && !FMouseEntering) SelectAll();
  return TCustomEdit::WMSetFocus(m);
}

LRESULT TSpinEdit::WMKillFocus(const TMessage& m) {
  const LRESULT result = TCustomEdit::WMKillFocus(m);  // the exit event first
  const std::int32_t value = Value();
  if (ClampValue(value) != value) SetValue(value);
  return result;
}

LRESULT TSpinEdit::WMNcPaint(const TMessage& m) {
  const LRESULT result = TCustomEdit::WMNcPaint(m);
  RepaintPair();
  return result;
}

LRESULT TSpinEdit::WMPaint(const TMessage& m) {
  const LRESULT result = TCustomEdit::WMPaint(m);
  RepaintPair();
  return result;
}

bool TSpinEdit::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "MinValue") MinValue = AsInt(value);
  else if (name == "MaxValue") MaxValue = AsInt(value);
  else if (name == "Increment") Increment = AsInt(value);
  else if (name == "EditorEnabled") EditorEnabled = AsBool(value);
  else if (name == "Value") FStoredValue = AsInt(value);
  else return TCustomEdit::ReadProperty(name, value);
  return true;
}

void TSpinEdit::Loaded() {
  // The range is in place by now, so the stored value is clamped against it.
  if (FStoredValue) SetValue(*FStoredValue);
  FStoredValue.reset();
}
