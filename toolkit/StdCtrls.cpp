#include "StdCtrls.h"

#include "Graphics.h"
#include "LayoutValues.h"
#include "Scale.h"

// ----------------------------------------------------------------- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= BS_PUSHBUTTON;
}

bool TButton::CommandNotify(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

// As in any dialog, the focused push button is drawn as the default one
// (Enter clicks it: see TApplication::IsNavigationMessage).
LRESULT TButton::WMSetFocus(const TMessage& m) {
  SendMessageW(Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  return TWinControl::WMSetFocus(m);
}

LRESULT TButton::WMKillFocus(const TMessage& m) {
  SendMessageW(Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  return TWinControl::WMKillFocus(m);
}

// ------------------------------------------------------------------ TLabel

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 65, 13); }

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"STATIC";
  params.Style |= (FRightJustify ? SS_RIGHT : SS_LEFT) | SS_NOPREFIX;
}

void TLabel::CreateWnd() { AdjustSize(); }

void TLabel::Loaded() { AdjustSize(); }

// Sized anew by the new font's measure of the text.
void TLabel::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  AdjustSize();
}

void TLabel::SetText(std::wstring_view text) {
  TWinControl::SetText(text);
  AdjustSize();
}

bool TLabel::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "AutoSize") FAutoSize = AsBool(value);
  else if (name == "Alignment") FRightJustify = AsChoice(value, {"taLeftJustify", "taRightJustify"}, "an alignment") == 1;
  else return TWinControl::ReadProperty(name, value);
  return true;
}

void TLabel::AdjustSize() {
  if (!FAutoSize || !Handle()) return;
  const TClientDC dc(Handle());
  HFONT font = Font();
  const std::wstring text = Text();
  SIZE size{0, 0};
  {
    TSelectObject select(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm;
    GetTextMetricsW(dc.Get(), &tm);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.Get(), text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    size = {text.empty() ? 0 : r.right, tm.tmHeight};
  }
  // A label aligned right keeps the right edge of its design bounds.
  const TDesignBounds& design = DesignBounds();
  const int left = FRightJustify ? ScaleDpi(design.Left + design.Width, Dpi()) - size.cx : Left();
  Place(left, Top(), size.cx, size.cy);
}

// --------------------------------------------------------------- TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TGroupBox::WMEraseBkgnd(const TMessage& m) {
  // A group box button paints no background of its own: as the parent of
  // controls it must, or its inside stays unpainted.
  RECT r;
  GetClientRect(Handle(), &r);
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

// ------------------------------------------------------------------ TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 185, 41); }

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

bool TPanel::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name != "BevelOuter") return TWinControl::ReadProperty(name, value);
  FBevelOuter = static_cast<TBevel>(AsChoice(value, {"bvNone", "bvLowered", "bvRaised"}, "a bevel"));
  return true;
}

void TPanel::PaintWindow(HDC dc) const {
  RECT r;
  GetClientRect(Handle(), &r);
  if (FBevelOuter != TBevel::None)
    DrawEdge(dc, &r, FBevelOuter == TBevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  const std::wstring caption = Text();
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    TSelectObject select(dc, Font());
    DrawTextW(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}
