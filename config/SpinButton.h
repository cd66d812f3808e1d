#pragma once
// The spin field's arrow pair: two arrows that repeat their click while held.

#include <memory>

#include "Buttons.h"
#include "Control.h"
#include "Timer.h"

enum TArrowFlag : unsigned char { afFocusMark = 1, afAutoRepeat = 2 };

inline constexpr UINT InitialRepeatDelay = 400;  // ms from the press to the first repeat
inline constexpr UINT RepeatInterval = 100;      // ms between repeats

// One arrow: a speed button that clicks again every RepeatInterval while it
// is held down and shown pressed.
class TTimerSpeedButton : public TSpeedButton {
 public:
  explicit TTimerSpeedButton(TComponent* owner);

  unsigned char ArrowFlags() const { return FArrowFlags; }
  void SetArrowFlags(unsigned char flags);
  TTimer* AutoRepeatTimer() const { return FAutoRepeatTimer; }

  void Paint(HDC dc) const override;
  void MouseDown(TMouseButton button, UINT keys, int x, int y) override;
  void MouseUp(TMouseButton button, UINT keys, int x, int y) override;

 private:
  void RepeatTick(TComponent* sender);
  TTimer* FAutoRepeatTimer = nullptr;  // owned by this arrow
  unsigned char FArrowFlags = 0;
};

class TSpinButton : public TWinControl {
 public:
  explicit TSpinButton(TComponent* owner);

  TTimerSpeedButton& UpArrow() const { return *FUpArrow; }
  TTimerSpeedButton& DownArrow() const { return *FDownArrow; }
  TTimerSpeedButton* FocusedArrow() const { return FFocusedArrow; }

  void SetFocusControl(TWinControl* control);

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  // A bitmap (owned from then on) becomes the arrow's image; null restores
  // the built-in one with one image.
  void SetUpGlyph(HBITMAP bitmap);
  void SetDownGlyph(HBITMAP bitmap);
  int DownNumGlyphs() const { return FDownArrow->NumGlyphs(); }
  void SetDownNumGlyphs(int count) { FDownArrow->SetNumGlyphs(count); }

  void Place(int left, int top, int width, int height) override;
  void Loaded() override;
  void ApplyDpi(int dpi) override;
  void Notification(TComponent* component) override;

  void SetFocusedArrow(TTimerSpeedButton* arrow);
  void ArrowClick(TComponent* sender);
  void ArrowPressed(TComponent* sender, TMouseButton button);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Resized() override;

 private:
  // Handlers of its messages (the handler table calls them).
  LRESULT WMGetDlgCode(const TMessage& m) override;
  LRESULT WMKeyDown(const TMessage& m) override;
  LRESULT WMSetFocus(const TMessage& m) override;
  LRESULT WMKillFocus(const TMessage& m) override;

  TTimerSpeedButton* CreateArrow();
  void SetGlyph(TTimerSpeedButton& arrow, HBITMAP bitmap, bool up);
  // Places the arrows for the given size; returns the pair's width.
  int LayoutArrows(int width, int height);

  TTimerSpeedButton* FUpArrow = nullptr;
  TTimerSpeedButton* FDownArrow = nullptr;
  TTimerSpeedButton* FFocusedArrow = nullptr;
  TWinControl* FFocusControl = nullptr;
  // Whether each arrow shows the built-in image, drawn for the screen.
  bool FBuiltInUp = false, FBuiltInDown = false;
};
