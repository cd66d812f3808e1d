#pragma once
// Reader of the stored window layouts. Portable: no <windows.h>.
//
// A layout is a small text file, UTF-8, one per window:
//
//   # a comment runs to the end of the line (wherever a token may start)
//   object Form1: TForm1
//     Caption = "Brelix 1.0"
//     Left = -4
//     Color = clBtnFace
//     Font.Name = "MS Sans Serif"
//     BorderIcons = [biSystemMenu, biMinimize]
//     object StatusBar1: TStatusBar
//       object Panel0: TStatusPanel
//         Text = "Jou\u{E9}s : 0"
//       end
//     end
//   end
//
// - Exactly one root `object Name: Class` ... `end`; objects nested inside an
//   object are its children, in file order. Properties and children may come
//   in any order. Objects nest at most kMaxDepth deep.
// - Object names, class names and identifier values are identifiers,
//   [A-Za-z_][A-Za-z0-9_]*. Property names are identifiers joined by dots
//   (`Font.Name`), written without spaces. `object` and `end` are keywords and
//   cannot be used as names or as identifier values.
// - The children of one object have distinct names, and a property is set at
//   most once in one object; a repeat is an error, not an override.
// - Values:
//     integer     optional sign, decimal digits; any value of std::int64_t.
//     string      "..." holding UTF-8 on one line (no control characters
//                 other than tab), with the escapes \" \\ \n
//                 \t and \u{HEX} (1 to 6 hex digits: a Unicode scalar value
//                 other than U+0000, stored as UTF-8). A string that is not
//                 valid UTF-8 is an error, so every String value is valid UTF-8.
//     identifier  e.g. clBtnFace, true, false, alBottom.
//     list        [v, v, ...] of values of any kind, possibly empty, possibly
//                 nested (at most kMaxDepth deep); no trailing comma.
// - Spaces, tabs, CR and LF separate tokens; indentation means nothing. Lines
//   are counted by LF, so CR LF files give the same line numbers. The file may
//   start with a UTF-8 byte order mark.
//
// Every malformed input, including truncated or binary data, gives a
// ParseError that names the 1-based line where the reader gave up.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

// Deepest nesting of objects, and separately of lists, that a layout may use.
inline constexpr int kMaxDepth = 64;

class ParseError : public std::runtime_error {
 public:
  // what() reads "layout line <line>: <message>".
  ParseError(int line, const std::string& message);
  int Line() const noexcept { return line_; }

 private:
  int line_;
};

struct Value {
  enum class Kind { Integer, String, Identifier, List };

  Kind kind = Kind::Integer;
  std::int64_t integer = 0;   // Integer
  std::string text;           // String (UTF-8) and Identifier
  std::vector<Value> items;   // List
  int line = 0;               // where the value starts, for callers' errors
};

// "an integer", "a string", "an identifier", "a list": for error messages.
std::string_view KindName(Value::Kind kind);

struct Property {
  std::string name;
  Value value;
  int line = 0;
};

struct Node {
  std::string name;
  std::string className;
  std::vector<Property> properties;  // in file order
  std::vector<Node> children;        // in file order
  int line = 0;                      // of the `object` keyword

  // The value of a property, or nullptr when it is left out.
  const Value* Find(std::string_view property) const;
  bool Has(std::string_view property) const { return Find(property) != nullptr; }

  // Typed reads: the fallback when the property is left out (a property equal
  // to its default is not stored), its value when it has the right kind, and
  // a ParseError on the property's line when it has another kind, because a
  // stored value of the wrong kind is a fault in the layout, not a default.
  std::int64_t Int(std::string_view property, std::int64_t fallback) const;
  // As Int, and a ParseError too when the value lies outside [min, max]: the
  // way to read a number that goes on into an int or a pixel size.
  std::int64_t Int(std::string_view property, std::int64_t fallback, std::int64_t min,
                   std::int64_t max) const;
  std::string Str(std::string_view property, std::string_view fallback) const;
  std::string Ident(std::string_view property, std::string_view fallback) const;
  // The identifiers `true` and `false`; any other value is a ParseError.
  bool Bool(std::string_view property, bool fallback) const;

  // A direct child by name, or nullptr.
  const Node* Child(std::string_view name) const;
  // The shallowest object below this one with that name (the first in file
  // order among equally deep ones), or nullptr.
  const Node* Descendant(std::string_view name) const;
};

// Reads a whole layout and returns its root object. Throws ParseError.
Node Parse(std::string_view text);

// UTF-8 to UTF-16, for the W APIs. Never throws for bad input: each maximal
// ill-formed subsequence (stray or missing continuation bytes, overlong forms,
// surrogates, values past U+10FFFF) becomes one U+FFFD, as Unicode recommends,
// so that text from anywhere can be shown. Layout strings are already valid.
std::u16string Utf8ToUtf16(std::string_view utf8);

}  // namespace layout
