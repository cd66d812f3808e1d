#pragma once
// A handler slot: holds a small callable that copies as plain bytes (a lambda
// that captures a few pointers, a function pointer) and calls it through one
// function pointer. Every handler of the program is of that kind; unlike
// std::function it needs no heap, no copy manager and no exception path.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

template <class Signature>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F f) {
    Assign(f);
  }
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent& operator=(F f) {
    Assign(f);
    return *this;
  }
  TEvent& operator=(std::nullptr_t) {
    FInvoke = nullptr;
    return *this;
  }

  explicit operator bool() const { return FInvoke != nullptr; }
  // Call only when set.
  R operator()(Args... args) const { return FInvoke(FStorage, std::forward<Args>(args)...); }

 private:
  template <class F>
  void Assign(const F& f) {
    static_assert(std::is_trivially_copyable_v<F> && std::is_trivially_destructible_v<F>,
                  "a handler captures pointers or references only");
    static_assert(sizeof(F) <= sizeof(FStorage) && alignof(F) <= alignof(void*), "a handler captures too much");
    ::new (static_cast<void*>(FStorage)) F(f);
    FInvoke = [](const void* storage, Args... args) -> R {
      return (*static_cast<const F*>(storage))(std::forward<Args>(args)...);
    };
  }

  alignas(void*) unsigned char FStorage[4 * sizeof(void*)]{};
  R (*FInvoke)(const void*, Args...) = nullptr;
};
