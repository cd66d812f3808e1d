#include "LayoutValues.h"

#include <limits>

#include "Strings.h"

namespace {

[[noreturn]] void Wrong(const layout::Value& value, const char* expected) {
  throw layout::ParseError(value.line, std::string("expected ") + expected);
}

}  // namespace

int AsInt(const layout::Value& value) {
  if (value.kind != layout::Value::Kind::Integer) Wrong(value, "an integer");
  if (value.integer < std::numeric_limits<int>::min() || value.integer > std::numeric_limits<int>::max())
    Wrong(value, "a 32-bit integer");
  return static_cast<int>(value.integer);
}

bool AsBool(const layout::Value& value) {
  if (value.kind == layout::Value::Kind::Identifier) {
    if (value.text == "true") return true;
    if (value.text == "false") return false;
  }
  Wrong(value, "true or false");
}

std::wstring AsText(const layout::Value& value) {
  if (value.kind != layout::Value::Kind::String) Wrong(value, "a string");
  return Widen(value.text);
}

std::string AsIdent(const layout::Value& value) {
  if (value.kind != layout::Value::Kind::Identifier) Wrong(value, "an identifier");
  return value.text;
}

std::vector<std::string> AsIdentList(const layout::Value& value) {
  if (value.kind != layout::Value::Kind::List) Wrong(value, "a list");
  std::vector<std::string> out;
  for (const auto& item : value.items) out.push_back(AsIdent(item));
  return out;
}

TAlign AsAlign(const layout::Value& value) {
  const std::string name = AsIdent(value);
  if (name == "alNone") return TAlign::None;
  if (name == "alTop") return TAlign::Top;
  if (name == "alBottom") return TAlign::Bottom;
  if (name == "alLeft") return TAlign::Left;
  if (name == "alRight") return TAlign::Right;
  if (name == "alClient") return TAlign::Client;
  Wrong(value, "an alignment");
}
