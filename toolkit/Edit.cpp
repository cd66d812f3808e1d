#include "Edit.h"

#include "LayoutValues.h"
#include "Scale.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 121, 21);
  SetTabStop(true);
}

void TCustomEdit::CreateWnd() { ScaleMargins(); }

void TCustomEdit::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  ScaleMargins();
}

// Away from 96 DPI the text keeps the margins that its font gives it at 96
// DPI, scaled: a scalable face standing in for one of fixed sizes would
// otherwise take wider ones, and the text would no longer fit.
void TCustomEdit::ScaleMargins() {
  const int dpi = Dpi();
  if (!Handle() || dpi == kDesignDpi) return;
  const TFontHandle design = CreateFontFrom(FontSpecInUse(), kDesignDpi);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(design.Get()), FALSE);
  const auto margins = static_cast<DWORD>(SendMessageW(Handle(), EM_GETMARGINS, 0, 0));
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(ScaleDpi(LOWORD(margins), dpi), ScaleDpi(HIWORD(margins), dpi)));
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FCtl3D) params.ExStyle |= WS_EX_CLIENTEDGE;
  else params.Style |= WS_BORDER;
}

void TCustomEdit::SetText(std::wstring_view text) {
  // Win32 reports a change even for the same text: compare first.
  if (Text() == text) return;
  TWinControl::SetText(text);
  if (Handle()) CheckChanged();
  else {
    FLastText.assign(text);
    Change();
  }
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  FReadOnly = readOnly;
  if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SelectAll() {
  if (Handle()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

bool TCustomEdit::CommandNotify(WORD code) {
  if (code != EN_CHANGE) return false;
  CheckChanged();
  return true;
}

void TCustomEdit::CheckChanged() {
  std::wstring now = Text();
  if (now == FLastText) return;
  FLastText = std::move(now);
  Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

LRESULT TCustomEdit::WMKeyDown(const TMessage& m) {
  WORD key = static_cast<WORD>(m.WParam);
  if (OnKeyDown) OnKeyDown(this, key);
  return key ? DefaultHandler({m.Msg, key, m.LParam}) : 0;
}

LRESULT TCustomEdit::WMChar(const TMessage& m) {
  wchar_t key = static_cast<wchar_t>(m.WParam);
  if (OnKeyPress) OnKeyPress(this, key);
  return key ? DefaultHandler({m.Msg, static_cast<WPARAM>(key), m.LParam}) : 0;
}

bool TCustomEdit::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "ReadOnly") FReadOnly = AsBool(value);
  else if (name == "AutoSelect") FAutoSelect = AsBool(value);
  else if (name == "Ctl3D") FCtl3D = AsBool(value);
  else return TWinControl::ReadProperty(name, value);
  return true;
}
