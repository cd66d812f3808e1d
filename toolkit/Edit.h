#pragma once
// The edit control base: one text, with a change event raised once for every
// real change of the text, whatever its cause.

#include "Control.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  void SetText(std::wstring_view text) override;

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);
  bool AutoSelect() const { return FAutoSelect; }
  bool Ctl3D() const { return FCtl3D; }
  void SelectAll();

  TNotifyEvent OnChange;
  // A key down (also with Alt held) and a typed character, before the
  // control's own handling; a handler that sets the key to 0 consumes it.
  TEvent<void(TComponent* sender, WORD& key)> OnKeyDown;
  TEvent<void(TComponent* sender, wchar_t& key)> OnKeyPress;

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  void ApplyDpi(int dpi) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool CommandNotify(WORD code) override;
  // The text a new control starts with, before it has a window: no change.
  void StoreInitialText(std::wstring_view text) {
    StoreText(text);
    FLastText.assign(text);
  }
  // Raises OnChange if the window's text differs from the last one seen.
  void CheckChanged();
  void Change();
  LRESULT WMKeyDown(const TMessage& m) override;
  LRESULT WMChar(const TMessage& m) override;

 private:
  void ScaleMargins();

  std::wstring FLastText;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  bool FCtl3D = true;
};
