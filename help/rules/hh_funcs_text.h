#pragma once
// Small text rules of the help probe. Paths here are ANSI text of the active
// code page, so anything that looks at "the last character" must step over
// double-byte characters: a trail byte may have the code of '\' or ':'.

#include <functional>
#include <string>
#include <string_view>

// Whether a byte opens a double-byte character of the active code page.
using TLeadBytePredicate = std::function<bool(unsigned char)>;

// Removes every trailing occurrence of the single-byte character ch. A
// double-byte last character never matches, whatever its second byte.
void StripTrailingChar(std::string& text, char ch, const TLeadBytePredicate& isLeadByte);

// count copies of ch; empty when count is 0 or less.
std::string RepeatChar(char ch, int count);

// "YES" or "NO".
std::string YesNoText(bool value);

// A file name cut after its last '\' or ':' (both kept in Dir).
struct TPathParts {
  std::string Dir;
  std::string Name;
};
TPathParts SplitFileName(std::string_view fileName, const TLeadBytePredicate& isLeadByte);
