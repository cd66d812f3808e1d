#pragma once
// Standard controls: push button, label, group box, panel.

#include "Control.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  bool CommandNotify(WORD code) override;

 private:
  // Handlers of its messages (the handler table calls them).
  LRESULT WMSetFocus(const TMessage& m) override;

  LRESULT WMKillFocus(const TMessage& m) override;
};

// A static text; sized to its text when AutoSize is on.
class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);
  void SetText(std::wstring_view text) override;
  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  void Loaded() override;
  void ApplyDpi(int dpi) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  void AdjustSize();
  bool FAutoSize = true;
  bool FRightJustify = false;  // sizing keeps the right edge in place
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  // Handlers of its messages (the handler table calls them).
  LRESULT WMEraseBkgnd(const TMessage& m) override;
};

// In the order of their names in layouts.
enum class TBevel { None, Lowered, Raised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) const override;

 private:
  TBevel FBevelOuter = TBevel::Raised;
};
