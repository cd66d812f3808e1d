#include "Menus.h"


#include "Layout.h"
#include "LayoutValues.h"

namespace {

// Menu commands start above the dialog ids (IDOK, IDCANCEL, ...) that dialog
// navigation sends to a form.
constexpr UINT kFirstCommand = 100;

// Items belong to the form that owns the menu, like every component.
TMenuItem& CreateItem(TComponent& form, const layout::Node& node) {
  if (node.className != "TMenuItem") throw layout::ParseError(node.line, "a menu holds only menu items");
  return TComponent::Create<TMenuItem>(form);
}

void ForEachItem(const std::vector<TMenuItem*>& items, const TEvent<void(TMenuItem&)>& f) {
  for (TMenuItem* item : items) {
    f(*item);
    ForEachItem(item->Items(), f);
  }
}

HMENU BuildPopup(const std::vector<TMenuItem*>& items, bool bar) {
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  for (TMenuItem* item : items) {
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(item->Items(), false)),
                  item->Caption().c_str());
    } else {
      AppendMenuW(menu, MF_STRING, item->Command(), item->Caption().c_str());
    }
  }
  return menu;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

bool TMenuItem::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name != "Caption") return false;
  FCaption = AsText(value);
  return true;
}

TComponent* TMenuItem::CreateChild(const layout::Node& node) {
  TMenuItem& item = CreateItem(*Owner(), node);
  FItems.push_back(&item);
  return &item;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

TMainMenu::~TMainMenu() {
  if (FHandle) DestroyMenu(FHandle);
}

TComponent* TMainMenu::CreateChild(const layout::Node& node) {
  TMenuItem& item = CreateItem(*Owner(), node);
  FItems.push_back(&item);
  return &item;
}

HMENU TMainMenu::Handle() {
  if (!FHandle) {
    UINT next = kFirstCommand;
    ForEachItem(FItems, [&](TMenuItem& item) { item.FCommand = next++; });
    FHandle = BuildPopup(FItems, true);
  }
  return FHandle;
}

TMenuItem* TMainMenu::FindCommand(UINT command) const {
  TMenuItem* found = nullptr;
  ForEachItem(FItems, [&](TMenuItem& item) {
    if (item.Command() == command && !item.IsSeparator() && item.Items().empty()) found = &item;
  });
  return found;
}
