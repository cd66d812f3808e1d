#include "SpinButton.h"

#include <cstring>

#include "Application.h"
#include "Errors.h"
#include "Scale.h"
#include "ToolkitTexts.h"
#include "SpinRules.h"
#include "Texts.h"
#include "Win32.h"
#include "resource.h"

// ------------------------------------------------------- TTimerSpeedButton

TTimerSpeedButton::TTimerSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TTimerSpeedButton::SetArrowFlags(unsigned char flags) {
  if (flags == FArrowFlags) return;
  FArrowFlags = flags;
  Invalidate();
}

void TTimerSpeedButton::MouseDown(TMouseButton button, UINT keys, int x, int y) {
  TSpeedButton::MouseDown(button, keys, x, y);
  if (!(FArrowFlags & afAutoRepeat)) return;
  if (!FAutoRepeatTimer) {
    FAutoRepeatTimer = &Create<TTimer>(*this);
    FAutoRepeatTimer->SetEnabled(false);
  }
  FAutoRepeatTimer->OnTimer = [this](TComponent* sender) { RepeatTick(sender); };
  FAutoRepeatTimer->SetInterval(InitialRepeatDelay);
  FAutoRepeatTimer->SetEnabled(true);
}

void TTimerSpeedButton::MouseUp(TMouseButton button, UINT keys, int x, int y) {
  TSpeedButton::MouseUp(button, keys, x, y);
  if (FAutoRepeatTimer) FAutoRepeatTimer->SetEnabled(false);
}

void TTimerSpeedButton::RepeatTick(TComponent*) {
  FAutoRepeatTimer->SetInterval(RepeatInterval);
  if (State() != TButtonState::Down || !Parent() || Parent()->CaptureControl() != this) return;
  try {
    Click();
  } catch (...) {
    FAutoRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TTimerSpeedButton::Paint(HDC dc) const {
  PaintButton(dc);
  if (!(FArrowFlags & afFocusMark)) return;
  RECT r{3, 3, Width() - 3, Height() - 3};
  if (State() == TButtonState::Down) OffsetRect(&r, 1, 1);
  DrawFocusRect(dc, &r);
}

// ------------------------------------------------------------- TSpinButton

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 20, 25);
  // Never painted: the name that screen readers give the arrow pair.
  SetText(LoadText(IDS_SPIN_ARROWS));
  FUpArrow = CreateArrow();
  FDownArrow = CreateArrow();
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  FFocusedArrow = FUpArrow;
  LayoutArrows(Width(), Height());
}

TTimerSpeedButton* TSpinButton::CreateArrow() {
  auto& arrow = Create<TTimerSpeedButton>(*this);
  arrow.SetArrowFlags(afAutoRepeat);
  arrow.OnClick = [this](TComponent* sender) { ArrowClick(sender); };
  arrow.OnMouseDown = [this](TComponent* sender, TMouseButton button, UINT, int, int) {
    ArrowPressed(sender, button);
  };
  arrow.SetParent(this);
  return &arrow;
}

void TSpinButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

namespace {

// The built-in arrow image at a density other than 96 DPI, drawn rather than
// stretched: black ink on olive, the colour the arrows draw transparent.
HBITMAP DrawArrowImage(bool up, int dpi) {
  const TArrowGlyph glyph = SpinArrowGlyph(dpi);
  void* bits = nullptr;
  // Top-down.
  HBITMAP bitmap = CreateDib(glyph.Width, -glyph.Height, 32, bits, "the spin arrow image could not be made");
  auto* pixels = static_cast<std::uint32_t*>(bits);
  constexpr std::uint32_t kOlive = 0x808000, kBlack = 0;
  for (int i = 0; i < glyph.Width * glyph.Height; ++i) pixels[i] = kOlive;
  for (int row = 0; row < static_cast<int>(glyph.Spans.size()); ++row) {
    const int y = up ? glyph.Top + row : glyph.Height - 1 - glyph.Top - row;
    for (int x = glyph.Spans[row].first; x <= glyph.Spans[row].second; ++x) pixels[y * glyph.Width + x] = kBlack;
  }
  return bitmap;
}

}  // namespace

void TSpinButton::SetGlyph(TTimerSpeedButton& arrow, HBITMAP bitmap, bool up) {
  (up ? FBuiltInUp : FBuiltInDown) = !bitmap;
  if (bitmap) {
    arrow.SetGlyph(bitmap);
    return;
  }
  const int dpi = Dpi();
  if (dpi == kDesignDpi) {
    arrow.SetGlyph(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                   up ? RESOURCE_NAME(RES_SPIN_UP) : RESOURCE_NAME(RES_SPIN_DOWN),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  } else {
    arrow.SetGlyph(DrawArrowImage(up, dpi));
  }
  arrow.SetNumGlyphs(1);
}

void TSpinButton::SetUpGlyph(HBITMAP bitmap) { SetGlyph(*FUpArrow, bitmap, true); }
void TSpinButton::SetDownGlyph(HBITMAP bitmap) { SetGlyph(*FDownArrow, bitmap, false); }

void TSpinButton::SetFocusControl(TWinControl* control) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = control;
  if (FFocusControl) FreeNotification(FFocusControl);
}

void TSpinButton::Notification(TComponent* component) {
  if (component == FFocusControl) FFocusControl = nullptr;
}

int TSpinButton::LayoutArrows(int width, int height) {
  const TArrowLayout layout = LayoutSpinArrows(width, height, Dpi());
  if (!FUpArrow || !FDownArrow || FLoading) return layout.PairWidth;
  FUpArrow->Place(layout.Up.Left, layout.Up.Top, layout.Up.Width, layout.Up.Height);
  FDownArrow->Place(layout.Down.Left, layout.Down.Top, layout.Down.Width, layout.Down.Height);
  return layout.PairWidth;
}

void TSpinButton::Place(int left, int top, int width, int height) {
  width = LayoutArrows(width, height);
  TWinControl::Place(left, top, width, height);
}

void TSpinButton::Resized() {
  const int width = LayoutArrows(Width(), Height());
  if (width != Width()) Place(Left(), Top(), width, Height());
}

void TSpinButton::Loaded() { LayoutArrows(Width(), Height()); }

void TSpinButton::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  LayoutArrows(Width(), Height());
  if (FBuiltInUp) SetUpGlyph(nullptr);
  if (FBuiltInDown) SetDownGlyph(nullptr);
}

void TSpinButton::SetFocusedArrow(TTimerSpeedButton* arrow) {
  if (!TabStop() || !CanFocus() || arrow == FFocusedArrow) return;
  FFocusedArrow->SetArrowFlags(FFocusedArrow->ArrowFlags() & ~afFocusMark);
  FFocusedArrow = arrow;
  if (Focused()) {
    FFocusedArrow->SetArrowFlags(FFocusedArrow->ArrowFlags() | afFocusMark);
    Invalidate();
  }
}

void TSpinButton::ArrowClick(TComponent* sender) {
  if (sender == FUpArrow) {
    if (OnUpClick) OnUpClick(this);
  } else if (OnDownClick) {
    OnDownClick(this);
  }
}

void TSpinButton::ArrowPressed(TComponent* sender, TMouseButton button) {
  if (button != TMouseButton::Left) return;
  SetFocusedArrow(static_cast<TTimerSpeedButton*>(sender));
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

LRESULT TSpinButton::WMGetDlgCode(const TMessage&) { return DLGC_WANTARROWS; }

LRESULT TSpinButton::WMKeyDown(const TMessage& m) {
  if (m.WParam == VK_SPACE) {
    FFocusedArrow->Click();
    return 0;
  }
  if (m.WParam == VK_UP || m.WParam == VK_DOWN) {
    SetFocusedArrow(m.WParam == VK_UP ? FUpArrow : FDownArrow);
    FFocusedArrow->Click();
    return 0;
  }
  return TWinControl::WMKeyDown(m);
}

LRESULT TSpinButton::WMSetFocus(const TMessage& m) {
  const LRESULT result = TWinControl::WMSetFocus(m);
  FFocusedArrow->SetArrowFlags(FFocusedArrow->ArrowFlags() | afFocusMark);
  return result;
}

LRESULT TSpinButton::WMKillFocus(const TMessage& m) {
  const LRESULT result = TWinControl::WMKillFocus(m);
  FFocusedArrow->SetArrowFlags(FFocusedArrow->ArrowFlags() & ~afFocusMark);
  return result;
}
