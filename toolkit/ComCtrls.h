#pragma once
// Status bar with fixed-width panels.

#include <string>
#include <vector>

#include "Control.h"

class TStatusBar;

// One panel of a status bar, stored in a layout as a child of the bar.
class TStatusPanel : public TComponent {
 public:
  TStatusPanel(TComponent* owner, TStatusBar& bar) : TComponent(owner), FBar(bar) {}

  int Width() const { return FWidth; }
  const std::wstring& Text() const { return FText; }

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  void Loaded() override;

 private:
  friend class TStatusBar;
  TStatusBar& FBar;
  int FWidth = 50;
  std::wstring FText;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  void SetPanelText(std::size_t index, std::wstring_view text);

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  void ApplyDpi(int dpi) override;
  TComponent* CreateChild(const layout::Node& node) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Resized() override;

 private:
  friend class TStatusPanel;
  void UpdatePanels();
  std::vector<TStatusPanel*> FPanels;  // owned by the bar
  bool FSizeGrip = true;
};
