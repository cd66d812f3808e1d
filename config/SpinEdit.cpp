#include "SpinEdit.h"

#include "Application.h"
#include "Graphics.h"
#include "LayoutValues.h"
#include "SpinRules.h"

namespace {

// Whether visual styles draw this process's controls. Looked up at run time:
// the theming library is not there on every system we run on.
bool ThemesActive() {
  HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
  if (!uxtheme) return false;
  using IsAppThemedFn = BOOL(WINAPI*)();
  auto isAppThemed = reinterpret_cast<IsAppThemedFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
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
  SetText(L"0");
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
  HDC dc = GetDC(nullptr);
  HFONT font = Font();
  const int fontHeight = FontHeight(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const int systemHeight = FontHeight(dc, GetStockObject(SYSTEM_FONT));
  ReleaseDC(nullptr, dc);
  return SpinMinimumHeight(fontHeight, systemHeight, GetSystemMetrics(SM_CYBORDER));
}

void TSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  // Multi-line, so that the formatting rectangle can keep text off the arrows.
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TSpinEdit::CreateWnd() {
  FThemedAtCreation = ThemesActive();
  UpdateTextArea();
  Resized();
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
    SetHeight(minimum);
    return;
  }
  if (!FArrows) return;
  const TSpinRect pair = PlaceSpinPair(Width(), Height(), FArrows->Width(), Ctl3D());
  FArrows->SetBounds(pair.Left, pair.Top, pair.Width, pair.Height);
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
  HDC dc = GetDC(Handle());
  const RECT pair = FArrows->BoundsRect();
  ExcludeClipRect(dc, pair.left, pair.top, pair.right, pair.bottom);
  RECT frame{pair.left - 1, pair.top - 1, pair.right + 1, pair.bottom + 1};
  DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
  ReleaseDC(Handle(), dc);
}

LRESULT TSpinEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE: {
      // Tab and Escape belong to the dialog; Enter comes here, to be refused.
      LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // the same keys with Alt held
      if (wParam == VK_UP) StepUp(this);
      else if (wParam == VK_DOWN) StepDown(this);
      else if (wParam == VK_DELETE && !EditorEnabled) {
        // Delete edits the text like Backspace: refused likewise.
        Application().Beep();
        return 0;
      }
      return BaseKeyDown(msg, wParam, lParam);
    case WM_CHAR:
      if (!AcceptsChar(static_cast<wchar_t>(wParam))) {
        Application().Beep();
        return 0;
      }
      return BaseChar(wParam, lParam);
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
      if (!EditingAllowed()) return 0;
      break;
    case WM_LBUTTONDOWN: {
      FMouseEntering = !Focused();
      const LRESULT result = TCustomEdit::WndProc(msg, wParam, lParam);
      FMouseEntering = false;
      return result;
    }
    case WM_SETFOCUS:
      if (AutoSelect() && !FMouseEntering) SelectAll();
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = TCustomEdit::WndProc(msg, wParam, lParam);  // the exit event first
      const std::int32_t value = Value();
      if (ClampValue(value) != value) SetValue(value);
      return result;
    }
    case WM_NCPAINT:
    case WM_PAINT: {
      const LRESULT result = TCustomEdit::WndProc(msg, wParam, lParam);
      RepaintPair();
      return result;
    }
    default:
      break;
  }
  return TCustomEdit::WndProc(msg, wParam, lParam);
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
