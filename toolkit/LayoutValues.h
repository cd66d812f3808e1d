#pragma once
// Typed reading of one stored property value, for the controls' ReadProperty.
// A value of the wrong kind is a fault in the layout: it throws.

#include <string>
#include <vector>

#include "Control.h"
#include "Layout.h"

int AsInt(const layout::Value& value);
bool AsBool(const layout::Value& value);
std::wstring AsText(const layout::Value& value);
std::string AsIdent(const layout::Value& value);
std::vector<std::string> AsIdentList(const layout::Value& value);
TAlign AsAlign(const layout::Value& value);
