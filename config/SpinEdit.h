#pragma once
// The numeric spin field: a one-line edit whose integer value lives in its
// text, with an arrow pair inside its right edge.

#include <cstdint>
#include <optional>

#include "Edit.h"
#include "SpinButton.h"

class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(TComponent* owner);
  ~TSpinEdit() override;

  std::int32_t MinValue = 0;
  std::int32_t MaxValue = 0;
  std::int32_t Increment = 1;
  bool EditorEnabled = true;

  // The text as a number (never clamped), or MinValue when it is not one.
  std::int32_t Value() const;
  // Clamps into the range, then writes the number into the text.
  void SetValue(std::int32_t value);
  std::int32_t ClampValue(std::int32_t value) const;

  virtual bool AcceptsChar(wchar_t ch) const;
  virtual void StepUp(TComponent* sender);
  virtual void StepDown(TComponent* sender);

  int MinimumHeight() const;
  void UpdateTextArea();
  TSpinButton& Arrows() const { return *FArrows; }

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  void Loaded() override;

  // The decimal separator of the user's locale, read once.
  static wchar_t DecimalSeparator();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void ApplyDpi(int dpi) override;
  void Resized() override;

 private:
  // Handlers of its messages (the handler table calls them).
  LRESULT WMGetDlgCode(const TMessage& m) override;
  LRESULT WMKeyDown(const TMessage& m) override;
  LRESULT WMChar(const TMessage& m) override;
  LRESULT WMEditCommand(const TMessage& m) override;
  LRESULT WMMouseDown(const TMessage& m) override;
  LRESULT WMSetFocus(const TMessage& m) override;
  LRESULT WMKillFocus(const TMessage& m) override;
  LRESULT WMNcPaint(const TMessage& m) override;
  LRESULT WMPaint(const TMessage& m) override;

  bool EditingAllowed() const { return EditorEnabled && !ReadOnly(); }
  void RepaintPair();
  void DrawPairFrame();

  TSpinButton* FArrows = nullptr;
  std::optional<std::int32_t> FStoredValue;  // from a layout, set once the range is known
  bool FMouseEntering = false;
  bool FThemedAtCreation = false;
};
