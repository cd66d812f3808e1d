#pragma once
// Typed reading of one stored property value into the toolkit's own types,
// beside the portable readers of Layout.h. A value of the wrong kind is a
// fault in the layout: it throws layout::ParseError.

#include <string>

#include "Control.h"
#include "Layout.h"

using layout::AsBool;
using layout::AsChoice;
using layout::AsChoices;
using layout::AsIdent;
using layout::AsInt;

// A string as the W APIs take it.
std::wstring AsText(const layout::Value& value);
TAlign AsAlign(const layout::Value& value);
