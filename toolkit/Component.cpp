#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : FOwner(owner) {}

TComponent::~TComponent() {
  FDestroying = true;
  const std::vector<TComponent*> listeners = std::move(FFreeNotifies);
  for (TComponent* other : listeners) {
    std::erase(other->FFreeNotifies, this);
    other->Notification(this);
  }
  // Reverse order: later components may refer to earlier ones.
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last.reset();
  }
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
  FComponents.push_back(std::move(component));
}

void TComponent::FreeComponent(TComponent* component) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(),
                         [component](const auto& p) { return p.get() == component; });
  if (it == FComponents.end()) return;
  std::unique_ptr<TComponent> doomed = std::move(*it);
  FComponents.erase(it);
  Notification(doomed.get());
}

bool TComponent::Owns(const TComponent* component) const {
  return std::any_of(FComponents.begin(), FComponents.end(),
                     [component](const auto& c) { return c.get() == component || c->Owns(component); });
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
  for (const auto& c : FComponents)
    if (c->Name() == name) return c.get();
  return nullptr;
}

bool TComponent::ReadProperty(const std::string&, const layout::Value&) { return false; }

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(other);
    other->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  std::erase(FFreeNotifies, other);
  if (other) std::erase(other->FFreeNotifies, this);
}
