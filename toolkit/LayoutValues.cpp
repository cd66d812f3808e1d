#include "LayoutValues.h"

#include "Strings.h"

std::wstring AsText(const layout::Value& value) { return Widen(layout::AsString(value)); }

TAlign AsAlign(const layout::Value& value) {
  // In the order of TAlign.
  return static_cast<TAlign>(
      AsChoice(value, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}, "an alignment"));
}
