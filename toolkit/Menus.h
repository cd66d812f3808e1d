#pragma once
// Main menu: a tree of items stored as child objects of the menu.

#include <windows.h>

#include "Component.h"
#include "Control.h"

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  const std::wstring& Caption() const { return FCaption; }
  bool IsSeparator() const { return FCaption == L"-"; }
  UINT Command() const { return FCommand; }
  const std::vector<TMenuItem*>& Items() const { return FItems; }

  TNotifyEvent OnClick;
  void Click();

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  TComponent* CreateChild(const layout::Node& node) override;

 private:
  friend class TMainMenu;
  std::wstring FCaption;
  UINT FCommand = 0;
  std::vector<TMenuItem*> FItems;
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  // Builds the menu bar; it stays owned by this component.
  HMENU Handle();
  TMenuItem* FindCommand(UINT command) const;
  const std::vector<TMenuItem*>& Items() const { return FItems; }

  TComponent* CreateChild(const layout::Node& node) override;

 private:
  HMENU FHandle = nullptr;
  std::vector<TMenuItem*> FItems;
};
