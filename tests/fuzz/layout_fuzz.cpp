// Fuzz target of the layout reader (toolkit/layout: layout::Parse and the
// typed readers layout::AsInt, AsBool, AsString, AsIdent, AsChoice and
// AsChoices). Input: the text of a layout.
//
// Properties, from the format described in Layout.h:
// - Parse returns a tree or throws layout::ParseError, never anything else;
//   the error names a line of the input, in "layout line <n>: ..." form;
// - a returned tree keeps the rules of the format: names are identifiers and
//   no keyword, property names dotted identifiers, children's names and
//   properties' names distinct within an object, at most kMaxEntries of each,
//   objects and lists nested at most kMaxDepth deep, strings valid UTF-8
//   without U+0000, identifier values plain identifiers; every line number
//   lies within the input and follows file order;
// - the tree written back as layout text reads as the same tree;
// - CR LF line ends, and a leading UTF-8 byte order mark, change nothing:
//   the same tree with the same line numbers, or the same error;
// - each typed reader returns the value when it has the kind and range asked
//   for, else throws ParseError on the value's own line.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "FuzzCheck.h"
#include "Layout.h"

namespace {

using layout::Node;
using layout::ParseError;
using layout::Property;
using layout::Value;

// --- The format's rules, checked on a tree ------------------------------

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsIdentifier(std::string_view s) {
  if (s.empty() || !IsIdentStart(s[0])) return false;
  for (char c : s)
    if (!IsIdentChar(c)) return false;
  return true;
}

bool IsPlainName(std::string_view s) { return IsIdentifier(s) && s != "object" && s != "end"; }

bool IsDottedName(std::string_view s) {
  for (std::size_t start = 0;;) {
    const std::size_t dot = s.find('.', start);
    if (!IsIdentifier(s.substr(start, dot - start))) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

// Strict UTF-8, written apart from the reader's own decoder: no overlong
// forms, no surrogates, nothing past U+10FFFF, and here no U+0000 either.
bool IsValidText(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b == 0) return false;
    std::size_t n = 0;
    std::uint32_t cp = 0, least = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      n = 1, cp = b & 0x1F, least = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      n = 2, cp = b & 0x0F, least = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      n = 3, cp = b & 0x07, least = 0x10000;
    } else {
      return false;
    }
    if (i + n >= s.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

struct Limits {
  int lastLine;  // of the input
};

void CheckValue(const Value& v, int propertyLine, int listDepth, const Limits& limits) {
  FUZZ_CHECK(v.line >= propertyLine && v.line <= limits.lastLine);
  switch (v.kind) {
    case Value::Kind::Integer:
      FUZZ_CHECK(v.text.empty() && v.items.empty());
      break;
    case Value::Kind::String:
      FUZZ_CHECK(IsValidText(v.text) && v.items.empty());
      break;
    case Value::Kind::Identifier:
      FUZZ_CHECK(IsPlainName(v.text) && v.items.empty());
      break;
    case Value::Kind::List: {
      FUZZ_CHECK(listDepth < layout::kMaxDepth);
      FUZZ_CHECK(v.text.empty());
      int previous = v.line;
      for (const Value& item : v.items) {
        CheckValue(item, previous, listDepth + 1, limits);
        previous = item.line;
      }
      break;
    }
    default:
      FUZZ_CHECK(!"a value of no known kind");
  }
}

void CheckNode(const Node& node, int parentLine, int depth, const Limits& limits) {
  FUZZ_CHECK(depth <= layout::kMaxDepth);
  FUZZ_CHECK(node.line >= parentLine && node.line <= limits.lastLine);
  FUZZ_CHECK(IsPlainName(node.name) && IsPlainName(node.className));
  FUZZ_CHECK(node.properties.size() <= layout::kMaxEntries && node.children.size() <= layout::kMaxEntries);
  int previous = node.line;
  for (std::size_t i = 0; i < node.properties.size(); ++i) {
    const Property& p = node.properties[i];
    FUZZ_CHECK(IsDottedName(p.name));
    FUZZ_CHECK(p.line >= previous && p.line <= limits.lastLine);
    previous = p.line;
    for (std::size_t j = 0; j < i; ++j) FUZZ_CHECK(node.properties[j].name != p.name);
    CheckValue(p.value, p.line, 0, limits);
  }
  previous = node.line;
  for (std::size_t i = 0; i < node.children.size(); ++i) {
    const Node& child = node.children[i];
    FUZZ_CHECK(child.line >= previous);
    previous = child.line;
    for (std::size_t j = 0; j < i; ++j) FUZZ_CHECK(node.children[j].name != child.name);
    CheckNode(child, node.line, depth + 1, limits);
  }
}

// --- Writing a tree back as layout text ---------------------------------

void WriteString(std::string& out, const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '"';
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"') out += "\\\"";
    else if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += (b & 1) ? "\\t" : "\t";
    else if (b < 0x20) out += std::string("\\u{") + kHex[b >> 4] + kHex[b & 0xF] + "}";
    else out += c;
  }
  out += '"';
}

void WriteValue(std::string& out, const Value& v) {
  switch (v.kind) {
    case Value::Kind::Integer: out += std::to_string(v.integer); break;
    case Value::Kind::String: WriteString(out, v.text); break;
    case Value::Kind::Identifier: out += v.text; break;
    case Value::Kind::List:
      out += '[';
      for (std::size_t i = 0; i < v.items.size(); ++i) {
        if (i > 0) out += ", ";
        WriteValue(out, v.items[i]);
      }
      out += ']';
      break;
  }
}

void WriteNode(std::string& out, const Node& node) {
  out += "object " + node.name + ": " + node.className + "\n";
  for (const Property& p : node.properties) {
    out += p.name + " = ";
    WriteValue(out, p.value);
    out += "  # written back\n";
  }
  for (const Node& child : node.children) WriteNode(out, child);
  out += "end\n";
}

// --- Comparing trees -----------------------------------------------------

bool SameValue(const Value& a, const Value& b, bool lines) {
  if (a.kind != b.kind || a.integer != b.integer || a.text != b.text || a.items.size() != b.items.size()) return false;
  if (lines && a.line != b.line) return false;
  for (std::size_t i = 0; i < a.items.size(); ++i)
    if (!SameValue(a.items[i], b.items[i], lines)) return false;
  return true;
}

bool SameNode(const Node& a, const Node& b, bool lines) {
  if (a.name != b.name || a.className != b.className || a.properties.size() != b.properties.size() ||
      a.children.size() != b.children.size())
    return false;
  if (lines && a.line != b.line) return false;
  for (std::size_t i = 0; i < a.properties.size(); ++i) {
    const Property& p = a.properties[i];
    const Property& q = b.properties[i];
    if (p.name != q.name || (lines && p.line != q.line) || !SameValue(p.value, q.value, lines)) return false;
  }
  for (std::size_t i = 0; i < a.children.size(); ++i)
    if (!SameNode(a.children[i], b.children[i], lines)) return false;
  return true;
}

// --- Parsing, with nothing but ParseError allowed out ---------------------

struct Failure {
  int line;
  std::string message;
};
using Outcome = std::variant<Node, Failure>;

int LastLine(std::string_view text) {
  long long lines = 1;
  for (char c : text) lines += c == '\n';
  return lines > INT_MAX ? INT_MAX : static_cast<int>(lines);
}

Outcome ParseChecked(std::string_view text) {
  try {
    return layout::Parse(text);
  } catch (const ParseError& e) {
    const std::string prefix = "layout line " + std::to_string(e.Line()) + ": ";
    FUZZ_CHECK(e.Line() >= 1 && e.Line() <= LastLine(text));
    const std::string what = e.what();
    FUZZ_CHECK(what.starts_with(prefix) && what.size() > prefix.size());
    return Failure{e.Line(), what};
  } catch (const std::exception& e) {
    std::fprintf(stderr, "layout::Parse threw another exception: %s\n", e.what());
    std::abort();
  } catch (...) {
    std::fprintf(stderr, "layout::Parse threw something that is not an exception\n");
    std::abort();
  }
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
  if (a.index() != b.index()) return false;
  if (const auto* fa = std::get_if<Failure>(&a)) {
    const auto& fb = std::get<Failure>(b);
    return fa->line == fb.line && fa->message == fb.message;
  }
  return SameNode(std::get<Node>(a), std::get<Node>(b), true);
}

// --- The typed readers ----------------------------------------------------

// Runs read(); true when it returned, false when it threw ParseError on
// line; anything else fails.
template <class Read>
bool Reads(Read read, int line) {
  try {
    read();
    return true;
  } catch (const ParseError& e) {
    FUZZ_CHECK(e.Line() == line);
    return false;
  } catch (...) {
    FUZZ_CHECK(!"a typed reader threw something else than ParseError");
  }
  return false;
}

const std::initializer_list<std::string_view> kAlignments = {"alNone", "alTop",   "alBottom",
                                                                  "alLeft", "alRight", "alClient"};

void CheckTypedReaders(const Value& v) {
  using Kind = Value::Kind;
  const bool isInt = v.kind == Kind::Integer && v.integer >= INT32_MIN && v.integer <= INT32_MAX;
  FUZZ_CHECK(Reads([&] { FUZZ_CHECK(layout::AsInt(v) == v.integer); }, v.line) == isInt);
  const bool isBool = v.kind == Kind::Identifier && (v.text == "true" || v.text == "false");
  FUZZ_CHECK(Reads([&] { FUZZ_CHECK(layout::AsBool(v) == (v.text == "true")); }, v.line) == isBool);
  FUZZ_CHECK(Reads([&] { FUZZ_CHECK(&layout::AsString(v) == &v.text); }, v.line) == (v.kind == Kind::String));
  FUZZ_CHECK(Reads([&] { FUZZ_CHECK(&layout::AsIdent(v) == &v.text); }, v.line) == (v.kind == Kind::Identifier));

  std::optional<std::size_t> position;
  if (v.kind == Kind::Identifier) {
    std::size_t i = 0;
    for (std::string_view name : kAlignments) {
      if (name == v.text) {
        position = i;
        break;
      }
      ++i;
    }
  }
  FUZZ_CHECK(Reads([&] { FUZZ_CHECK(layout::AsChoice(v, kAlignments, "an alignment") == position); }, v.line) ==
             position.has_value());

  if (v.kind == Kind::List) {
    // The first item that is no known name gives the error, on its own line.
    std::optional<int> badLine;
    for (const Value& item : v.items) {
      bool known = false;
      if (item.kind == Kind::Identifier)
        for (std::string_view name : kAlignments) known = known || name == item.text;
      if (!known) {
        badLine = item.line;
        break;
      }
    }
    const bool read = Reads(
        [&] {
          const auto chosen = layout::AsChoices(v, kAlignments, "an alignment");
          FUZZ_CHECK(chosen.size() == v.items.size());
          for (std::size_t i = 0; i < chosen.size(); ++i)
            FUZZ_CHECK(chosen[i] < kAlignments.size() && kAlignments.begin()[chosen[i]] == v.items[i].text);
        },
        badLine.value_or(v.line));
    FUZZ_CHECK(read == !badLine.has_value());
    for (const Value& item : v.items) CheckTypedReaders(item);
  } else {
    FUZZ_CHECK(!Reads([&] { layout::AsChoices(v, kAlignments, "an alignment"); }, v.line));
  }
}

void CheckTypedReaders(const Node& node) {
  for (const Property& p : node.properties) CheckTypedReaders(p.value);
  for (const Node& child : node.children) CheckTypedReaders(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The reader sees exactly the fuzzer's bytes: AddressSanitizer catches any
  // read past them.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Outcome outcome = ParseChecked(text);

  // Line ends and the byte order mark change nothing.
  std::string crlf;
  crlf.reserve(text.size() * 2);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  FUZZ_CHECK(SameOutcome(outcome, ParseChecked(crlf)));
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (!text.starts_with(kBom)) FUZZ_CHECK(SameOutcome(outcome, ParseChecked(std::string(kBom) + std::string(text))));

  const auto* root = std::get_if<Node>(&outcome);
  if (!root) return 0;
  CheckNode(*root, 1, 1, Limits{LastLine(text)});
  CheckTypedReaders(*root);

  // Written back, it reads as the same tree.
  std::string written;
  WriteNode(written, *root);
  const Outcome again = ParseChecked(written);
  if (const auto* failure = std::get_if<Failure>(&again)) {
    std::fprintf(stderr, "the tree written back does not read: %s\n%s\n", failure->message.c_str(), written.c_str());
    std::abort();
  }
  FUZZ_CHECK(SameNode(*root, std::get<Node>(again), false));
  return 0;
}
