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
//   most once in one object; a repeat is an error, not an override. An object
//   holds at most kMaxEntries properties and as many children.
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

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

// Deepest nesting of objects, and separately of lists, that a layout may use.
inline constexpr int kMaxDepth = 64;
// Most properties, and separately child objects, that one object may hold:
// far more than a window needs, few enough to check names for repeats one by
// one.
inline constexpr std::size_t kMaxEntries = 1000;

class ParseError : public std::exception {
 public:
  // what() reads "layout line <line>: <message>".
  ParseError(int line, const std::string& message);
  int Line() const noexcept { return line_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  int line_;
  std::string message_;
};

struct Value {
  enum class Kind { Integer, String, Identifier, List };

  Kind kind = Kind::Integer;
  std::int64_t integer = 0;   // Integer
  std::string text;           // String (UTF-8) and Identifier
  std::vector<Value> items;   // List
  int line = 0;               // where the value starts, for callers' errors
};

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
};

// Reads a whole layout and returns its root object. Throws ParseError.
Node Parse(std::string_view text);

// Typed reading of one stored value. A value of another kind, or out of the
// range asked for, or an identifier that names nothing the reader knows, is a
// fault of the layout: a ParseError on the value's line.
std::int32_t AsInt(const Value& value);
// The identifiers `true` and `false`.
bool AsBool(const Value& value);
// UTF-8 text.
const std::string& AsString(const Value& value);
const std::string& AsIdent(const Value& value);
// The position of the identifier in `names`; `what` names the kind in the
// error ("an alignment").
std::size_t AsChoice(const Value& value, std::initializer_list<std::string_view> names, const char* what);
// A list of identifiers, each in `names`: their positions, in list order.
std::vector<std::size_t> AsChoices(const Value& value, std::initializer_list<std::string_view> names,
                                   const char* what);

}  // namespace layout
