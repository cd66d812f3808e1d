#include "ComCtrls.h"

#include <commctrl.h>

#include "Layout.h"
#include "LayoutValues.h"
#include "Strings.h"

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { StoreBounds(0, 0, 0, 19); }

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = STATUSCLASSNAMEW;
  // We place the bar ourselves: only then does it keep its stored height.
  params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (FSizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() { UpdatePanels(); }

void TStatusBar::AddPanel(int width, std::wstring text) {
  FPanels.push_back({width, std::move(text)});
  UpdatePanels();
}

void TStatusBar::SetPanelText(std::size_t index, std::wstring_view text) {
  TPanelInfo& panel = FPanels.at(index);
  if (panel.Text == text) return;
  panel.Text.assign(text);
  if (Handle())
    SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(panel.Text.c_str()));
}

void TStatusBar::UpdatePanels() {
  if (!Handle() || FPanels.empty()) return;
  std::vector<int> edges;
  int right = 0;
  for (const auto& panel : FPanels) edges.push_back(right += panel.Width);
  SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < FPanels.size(); ++i)
    SendMessageW(Handle(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(FPanels[i].Text.c_str()));
}

bool TStatusBar::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "SizeGrip") FSizeGrip = AsBool(value);
  else return TWinControl::ReadProperty(name, value);
  return true;
}

bool TStatusBar::ReadChild(const layout::Node& node) {
  if (node.className != "TStatusPanel") return false;
  FPanels.push_back({static_cast<int>(node.Int("Width", 50, 0, 10000)), Widen(node.Str("Text", ""))});
  UpdatePanels();
  return true;
}
