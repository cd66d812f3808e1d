#pragma once
// The program's user texts, kept in its string table.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

// The text with that id, or empty text when the table has none.
std::wstring LoadText(UINT id);
// The text with each "%1", "%2", ... replaced by the argument of that rank.
std::wstring FormatText(UINT id, std::initializer_list<std::wstring_view> args);
