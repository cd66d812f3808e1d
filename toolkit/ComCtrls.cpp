#include "ComCtrls.h"

#include <commctrl.h>

#include "Layout.h"
#include "Scale.h"
#include "LayoutValues.h"

bool TStatusPanel::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "Width") FWidth = AsInt(value);
  else if (name == "Text") FText = AsText(value);
  else return TComponent::ReadProperty(name, value);
  return true;
}

void TStatusPanel::Loaded() { FBar.UpdatePanels(); }

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 0, 19); }

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = STATUSCLASSNAMEW;
  // We place the bar ourselves: only then does it keep its stored height.
  params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (FSizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() { UpdatePanels(); }

// The bar draws its size grip at its right end, and does not repaint what it
// drew at the old end when it grows.
void TStatusBar::Resized() { InvalidateRect(Handle(), nullptr, TRUE); }

void TStatusBar::SetPanelText(std::size_t index, std::wstring_view text) {
  TStatusPanel& panel = *FPanels.at(index);
  if (panel.FText == text) return;
  panel.FText.assign(text);
  if (Handle())
    SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(panel.FText.c_str()));
}

void TStatusBar::UpdatePanels() {
  if (!Handle() || FPanels.empty()) return;
  std::vector<int> edges;
  int right = 0;
  // Panel widths are stored at 96 DPI.
  for (const TStatusPanel* panel : FPanels) edges.push_back(right += ScaleDpi(panel->FWidth, Dpi()));
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < FPanels.size(); ++i)
    SendMessageW(Handle(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(FPanels[i]->FText.c_str()));
}

void TStatusBar::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  UpdatePanels();
}

bool TStatusBar::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "SizeGrip") FSizeGrip = AsBool(value);
  else return TWinControl::ReadProperty(name, value);
  return true;
}

TComponent* TStatusBar::CreateChild(const layout::Node& node) {
  if (node.className != "TStatusPanel") throw layout::ParseError(node.line, "a status bar holds only panels");
  auto& panel = Create<TStatusPanel>(*this, *this);
  FPanels.push_back(&panel);
  return &panel;
}
