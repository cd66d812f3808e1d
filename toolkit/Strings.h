#pragma once
// Conversions between the UTF-8 of layouts and exception texts and the UTF-16
// of the W APIs.

#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// A whole number in decimal, as the player reads it.
std::wstring DecimalText(long long value);
