#pragma once
// Status bar with fixed-width panels.

#include <string>
#include <vector>

#include "Control.h"

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  struct TPanelInfo {
    int Width = 50;
    std::wstring Text;
  };
  void AddPanel(int width, std::wstring text);
  std::size_t PanelCount() const { return FPanels.size(); }
  const std::wstring& PanelText(std::size_t index) const { return FPanels.at(index).Text; }
  void SetPanelText(std::size_t index, std::wstring_view text);

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  // Panels are stored as child objects of class TStatusPanel.
  bool ReadChild(const layout::Node& node) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  void UpdatePanels();
  std::vector<TPanelInfo> FPanels;
  bool FSizeGrip = true;
};
