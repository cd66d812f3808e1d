#pragma once
// Components with an owner: an owner frees, in reverse order of creation,
// every component it owns that was not freed before.

#include <memory>
#include <string>
#include <vector>

namespace layout {
struct Node;
struct Value;
}  // namespace layout

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::wstring& Name() const { return FName; }
  void SetName(std::wstring name) { FName = std::move(name); }

  // Creates a component owned by `owner` (which may be null only for the
  // top-level objects that the caller keeps in a unique_ptr of its own).
  template <class T, class... Args>
  static T& Create(TComponent& owner, Args&&... args) {
    auto object = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T& result = *object;
    result.FClass = &kClassTag<T>;
    owner.Adopt(std::move(object));
    return result;
  }

  // Made by Create<T> with exactly this T (the program has no RTTI).
  template <class T>
  bool Is() const { return FClass == &kClassTag<T>; }
  // The control or windowed control this component is, or null.
  virtual class TControl* AsControl() { return nullptr; }
  virtual class TWinControl* AsWinControl() { return nullptr; }

  // Destroys a component this one owns, before the owner's own end.
  void FreeComponent(TComponent* component);
  // Whether this one owns the component, directly or through the
  // components it owns. Compares addresses only: `component` may be any.
  bool Owns(const TComponent* component) const;

  // The owned component with this name, or null. Searches direct children
  // only, as names are unique within one owner.
  TComponent* FindComponent(std::wstring_view name) const;
  template <class T>
  T& Find(std::wstring_view name) const;

  // Told when a component this one owns, or one it asked to hear about, is
  // about to be destroyed, so that references to it can be cleared.
  virtual void Notification(TComponent* /*component*/) {}
  // Asks to be told (through Notification) when `other` is destroyed, and
  // tells `other` when this one is.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Stored layouts: one property (false when the name is unknown); the
  // object for a child that the layout nests in this component, when the
  // component makes its children itself (a menu's items, a status bar's
  // panels), or null to leave it to the form; the end of loading.
  virtual bool ReadProperty(const std::string& name, const layout::Value& value);
  virtual TComponent* CreateChild(const layout::Node& /*node*/) { return nullptr; }
  virtual void Loaded() {}

 private:
  void Adopt(std::unique_ptr<TComponent> component);

  // One address per class: what Create<T> made, for Is<T>.
  template <class T>
  static constexpr char kClassTag = 0;

  const char* FClass = nullptr;
  TComponent* FOwner;
  std::wstring FName;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  bool FDestroying = false;
};

#include "Errors.h"
#include "Strings.h"
#include "ToolkitTexts.h"
template <class T>
T& TComponent::Find(std::wstring_view name) const {
  TComponent* found = FindComponent(name);
  if (!found || !found->Is<T>()) throw EUserError(IDS_ERROR_RESOURCES, "component missing from the layout: " + Narrow(name));
  return static_cast<T&>(*found);
}
