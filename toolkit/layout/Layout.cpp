// Reader of the stored window layouts; the format is described in Layout.h.
// A hand-written tokenizer and a recursive-descent parser whose recursion is
// bounded by kMaxDepth, so no input can exhaust the stack.

#include "Layout.h"

#include <climits>
#include <cstddef>
#include <optional>
#include <utility>

namespace layout {

namespace {

constexpr char32_t kIllFormed = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at s[i] and moves i past it. An ill-formed
// sequence gives kIllFormed with i moved past its maximal subpart only, so
// that the next call starts at the byte that broke it.
char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i++]);
  if (b0 < 0x80) return b0;
  int continuation = 0;
  char32_t cp = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the next byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    continuation = 1;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    continuation = 2;
    cp = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;  // overlong
    if (b0 == 0xED) hi = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    continuation = 3;
    cp = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;  // overlong
    if (b0 == 0xF4) hi = 0x8F;  // past U+10FFFF
  } else {
    return kIllFormed;
  }
  for (int k = 0; k < continuation; ++k) {
    if (i >= s.size()) return kIllFormed;
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < lo || b > hi) return kIllFormed;
    lo = 0x80;
    hi = 0xBF;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (DecodeUtf8(s, i) == kIllFormed) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// How an unexpected byte is named in a message: printable ASCII as itself,
// anything else by its code, since it may be half of a UTF-8 sequence.
std::string DescribeByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b > 0x20 && b < 0x7F) return std::string("character '") + c + "'";
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("byte 0x") + kHex[b >> 4] + kHex[b & 0xF];
}

enum class TokenType { Eof, Identifier, Integer, String, Colon, Equals, LBracket, RBracket, Comma };

struct Token {
  TokenType type = TokenType::Eof;
  std::string text;  // Identifier (dots included) and String (decoded)
  std::int64_t integer = 0;
  bool dotted = false;  // an Identifier made of several dot-joined parts
  int line = 1;
};

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  Token Next() {
    if (peeked_) {
      Token t = std::move(*peeked_);
      peeked_.reset();
      return t;
    }
    return Read();
  }

  const Token& Peek() {
    if (!peeked_) peeked_ = Read();
    return *peeked_;
  }

 private:
  Token Read() {
    SkipSpaceAndComments();
    Token t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
      ReadIdentifier(t);
    } else if (IsDigit(c) || c == '-' || c == '+') {
      ReadInteger(t);
    } else if (c == '"') {
      ReadString(t);
    } else {
      switch (c) {
        case ':': t.type = TokenType::Colon; break;
        case '=': t.type = TokenType::Equals; break;
        case '[': t.type = TokenType::LBracket; break;
        case ']': t.type = TokenType::RBracket; break;
        case ',': t.type = TokenType::Comma; break;
        default: throw ParseError(line_, "unexpected " + DescribeByte(c));
      }
      ++pos_;
    }
    return t;
  }

  void NewLine() {
    if (line_ < INT_MAX) ++line_;
  }

  void SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        NewLine();
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '#') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  void ReadIdentifier(Token& t) {
    t.type = TokenType::Identifier;
    const std::size_t start = pos_;
    for (;;) {
      while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
      if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsIdentStart(text_[pos_ + 1])) {
        t.dotted = true;
        ++pos_;
        continue;
      }
      break;
    }
    t.text.assign(text_.substr(start, pos_ - start));
  }

  void ReadInteger(Token& t) {
    t.type = TokenType::Integer;
    bool negative = false;
    if (text_[pos_] == '-' || text_[pos_] == '+') {
      negative = text_[pos_] == '-';
      ++pos_;
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) {
        throw ParseError(line_, "expected digits after the sign");
      }
    }
    // Accumulated as a magnitude so that the most negative value fits too.
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t magnitude = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      const auto digit = static_cast<std::uint64_t>(text_[pos_] - '0');
      if (magnitude > (limit - digit) / 10) {
        throw ParseError(line_, "integer out of range");
      }
      magnitude = magnitude * 10 + digit;
      ++pos_;
    }
    if (pos_ < text_.size() && (IsIdentChar(text_[pos_]) || text_[pos_] == '.')) {
      throw ParseError(line_, "malformed number");
    }
    if (negative) {
      t.integer = magnitude == (std::uint64_t{1} << 63)
                      ? INT64_MIN
                      : -static_cast<std::int64_t>(magnitude);
    } else {
      t.integer = static_cast<std::int64_t>(magnitude);
    }
  }

  void ReadString(Token& t) {
    t.type = TokenType::String;
    const int open = line_;
    ++pos_;  // the opening quote
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r') {
        throw ParseError(open, "unterminated string");
      }
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c == '\\') {
        ReadEscape(t.text, open);
      } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
        throw ParseError(line_, "control " + DescribeByte(c) + " in a string");
      } else {
        t.text += c;
      }
    }
    if (!IsValidUtf8(t.text)) throw ParseError(open, "string is not valid UTF-8");
  }

  void ReadEscape(std::string& out, int open) {
    if (pos_ >= text_.size()) throw ParseError(open, "unterminated string");
    const char c = text_[pos_++];
    switch (c) {
      case '"': out += '"'; return;
      case '\\': out += '\\'; return;
      case 'n': out += '\n'; return;
      case 't': out += '\t'; return;
      case 'u': break;
      default:
        if (c == '\n' || c == '\r') throw ParseError(open, "unterminated string");
        throw ParseError(line_, "unknown escape \\" + DescribeByte(c));
    }
    if (pos_ >= text_.size() || text_[pos_] != '{') {
      throw ParseError(line_, "expected '{' after \\u");
    }
    ++pos_;
    char32_t cp = 0;
    int digits = 0;
    while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) {
      if (++digits > 6) throw ParseError(line_, "too many digits in \\u{...}");
      cp = cp * 16 + static_cast<char32_t>(HexDigit(text_[pos_]));
      ++pos_;
    }
    if (digits == 0 || pos_ >= text_.size() || text_[pos_] != '}') {
      throw ParseError(line_, "malformed \\u{...} escape");
    }
    ++pos_;
    // U+0000 would cut a window text short; surrogates are not characters.
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      throw ParseError(line_, "\\u{...} is not a valid character");
    }
    AppendUtf8(out, cp);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::optional<Token> peeked_;
};

bool IsKeyword(const Token& t) {
  return t.type == TokenType::Identifier && (t.text == "object" || t.text == "end");
}

class Parser {
 public:
  explicit Parser(std::string_view text) : tokens_(text) {}

  Node Document() {
    const Token first = tokens_.Next();
    if (first.type != TokenType::Identifier || first.text != "object") {
      throw ParseError(first.line, "expected 'object'");
    }
    Node root;
    Object(root, first.line, 1);
    const Token rest = tokens_.Next();
    if (rest.type != TokenType::Eof) {
      throw ParseError(rest.line, "unexpected text after the last 'end'");
    }
    return root;
  }

 private:
  // Reads the rest of an object whose `object` keyword is on `line`.
  void Object(Node& node, int line, int depth) {
    if (depth > kMaxDepth) {
      throw ParseError(line, "objects nested more than " + std::to_string(kMaxDepth) + " deep");
    }
    node.line = line;
    node.name = PlainIdentifier("an object name");
    const Token colon = tokens_.Next();
    if (colon.type != TokenType::Colon) throw ParseError(colon.line, "expected ':'");
    node.className = PlainIdentifier("a class name");

    for (;;) {
      Token t = tokens_.Next();
      if (t.type == TokenType::Eof) {
        throw ParseError(t.line, "expected 'end' of object '" + node.name + "' (line " +
                                     std::to_string(line) + ")");
      }
      if (t.type != TokenType::Identifier) {
        throw ParseError(t.line, "expected a property name, 'object' or 'end'");
      }
      if (t.text == "end") return;
      if (t.text == "object") {
        // The reference stays valid: the recursion only touches the child's
        // own vectors, never node.children.
        if (node.children.size() >= kMaxEntries) throw ParseError(t.line, "too many objects in one object");
        Node& child = node.children.emplace_back();
        Object(child, t.line, depth + 1);
        for (std::size_t i = 0; i + 1 < node.children.size(); ++i)
          if (node.children[i].name == child.name)
            throw ParseError(child.line, "'" + node.name + "' already has an object named '" + child.name +
                                             "' (line " + std::to_string(node.children[i].line) + ")");
        continue;
      }
      if (node.properties.size() >= kMaxEntries) throw ParseError(t.line, "too many properties in one object");
      for (const Property& first : node.properties)
        if (first.name == t.text)
          throw ParseError(t.line, "property '" + t.text + "' is set twice (first at line " +
                                       std::to_string(first.line) + ")");
      const Token equals = tokens_.Next();
      if (equals.type != TokenType::Equals) {
        throw ParseError(equals.line, "expected '=' after '" + t.text + "'");
      }
      Property& property = node.properties.emplace_back();
      property.name = std::move(t.text);
      property.line = t.line;
      property.value = ParseValue(tokens_.Next(), 0);
    }
  }

  std::string PlainIdentifier(const char* what) {
    Token t = tokens_.Next();
    if (t.type != TokenType::Identifier || t.dotted || IsKeyword(t)) {
      throw ParseError(t.line, std::string("expected ") + what);
    }
    return std::move(t.text);
  }

  Value ParseValue(Token t, int listDepth) {
    Value v;
    v.line = t.line;
    switch (t.type) {
      case TokenType::Integer:
        v.kind = Value::Kind::Integer;
        v.integer = t.integer;
        return v;
      case TokenType::String:
        v.kind = Value::Kind::String;
        v.text = std::move(t.text);
        return v;
      case TokenType::Identifier:
        if (t.dotted || IsKeyword(t)) break;
        v.kind = Value::Kind::Identifier;
        v.text = std::move(t.text);
        return v;
      case TokenType::LBracket:
        if (listDepth >= kMaxDepth) {
          throw ParseError(t.line, "lists nested more than " + std::to_string(kMaxDepth) + " deep");
        }
        v.kind = Value::Kind::List;
        if (tokens_.Peek().type == TokenType::RBracket) {
          tokens_.Next();
          return v;
        }
        for (;;) {
          v.items.push_back(ParseValue(tokens_.Next(), listDepth + 1));
          const Token separator = tokens_.Next();
          if (separator.type == TokenType::RBracket) return v;
          if (separator.type != TokenType::Comma) {
            throw ParseError(separator.line, "expected ',' or ']'");
          }
        }
      default:
        break;
    }
    throw ParseError(t.line, "expected a value");
  }

  Tokenizer tokens_;
};

}  // namespace

ParseError::ParseError(int line, const std::string& message)
    : line_(line), message_("layout line " + std::to_string(line) + ": " + message) {}

Node Parse(std::string_view text) { return Parser(text).Document(); }

namespace {

[[noreturn]] void Expected(const Value& value, const std::string& what) {
  throw ParseError(value.line, "expected " + what);
}

}  // namespace

std::int32_t AsInt(const Value& value) {
  if (value.kind != Value::Kind::Integer) Expected(value, "an integer");
  if (value.integer < INT32_MIN || value.integer > INT32_MAX) Expected(value, "a 32-bit integer");
  return static_cast<std::int32_t>(value.integer);
}

bool AsBool(const Value& value) {
  return AsChoice(value, {"false", "true"}, "true or false") == 1;
}

const std::string& AsString(const Value& value) {
  if (value.kind != Value::Kind::String) Expected(value, "a string");
  return value.text;
}

const std::string& AsIdent(const Value& value) {
  if (value.kind != Value::Kind::Identifier) Expected(value, "an identifier");
  return value.text;
}

std::size_t AsChoice(const Value& value, std::initializer_list<std::string_view> names, const char* what) {
  const std::string& name = AsIdent(value);
  std::size_t index = 0;
  for (std::string_view candidate : names) {
    if (candidate == name) return index;
    ++index;
  }
  Expected(value, what);
}

std::vector<std::size_t> AsChoices(const Value& value, std::initializer_list<std::string_view> names,
                                   const char* what) {
  if (value.kind != Value::Kind::List) Expected(value, "a list");
  std::vector<std::size_t> chosen;
  for (const Value& item : value.items) chosen.push_back(AsChoice(item, names, what));
  return chosen;
}

}  // namespace layout
