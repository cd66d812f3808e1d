// The stored-layout reader: what it reads, and that bad input is refused with
// the right line, never a crash.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Layout.h"

namespace {

using layout::Node;
using layout::Parse;
using layout::ParseError;
using layout::Value;

// A window of the kind the program stores: every kind of value, nesting,
// comments, accents.
constexpr const char* kMainWindow = R"(# main window
object Form1: TForm1
  Caption = "Brelix 1.0"
  Left = -4
  Width = 190
  Height = 261
  Color = clBtnFace
  Font.Name = "MS Sans Serif"   # trailing comment
  Font.Height = -11
  Font.Style = []
  BorderIcons = [biSystemMenu, biMinimize]
  Odd = [1, "deux", [trois, []]]
  object StatusBar1: TStatusBar
    Top = 195
    object Panel0: TStatusPanel
      Width = 67
      Text = "Joués : 0"
    end
    object Panel1: TStatusPanel
      Width = 50
    end
  end
  object Panel1: TPanel
    Caption = ""
  end
end
)";

// Checks that parsing fails on the given line with a message containing
// `fragment`.
void ExpectError(const std::string& text, int line, const std::string& fragment) {
  try {
    Parse(text);
    ADD_FAILURE() << "parsed without error:\n" << text;
  } catch (const ParseError& e) {
    EXPECT_EQ(e.Line(), line) << e.what() << "\nin:\n" << text;
    EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos)
        << "message: " << e.what() << "\nexpected to contain: " << fragment;
    EXPECT_EQ(std::string(e.what()).rfind("layout line " + std::to_string(line) + ": ", 0), 0u)
        << e.what();
  }
}

std::string Wrap(const std::string& body) { return "object A: TA\n" + body + "\nend\n"; }

std::string StringValue(const std::string& literal) {
  const Node n = Parse(Wrap("S = " + literal));
  return layout::AsString(n.properties.at(0).value);
}

// The value of a property, which the test knows is there.
const Value& ValueOf(const Node& node, std::string_view name) {
  for (const layout::Property& p : node.properties)
    if (p.name == name) return p.value;
  throw std::logic_error("no property " + std::string(name));
}

TEST(LayoutParse, RepresentativeWindowKeepsEveryValueAndOrder) {
  const Node root = Parse(kMainWindow);
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  EXPECT_EQ(root.line, 2);

  ASSERT_EQ(root.properties.size(), 10u);
  const char* names[] = {"Caption",     "Left",       "Width",       "Height", "Color",
                         "Font.Name",   "Font.Height", "Font.Style", "BorderIcons", "Odd"};
  for (std::size_t i = 0; i < root.properties.size(); ++i) {
    EXPECT_EQ(root.properties[i].name, names[i]);
    EXPECT_EQ(root.properties[i].line, static_cast<int>(i) + 3);
  }

  EXPECT_EQ(layout::AsString(ValueOf(root, "Caption")), "Brelix 1.0");
  EXPECT_EQ(layout::AsInt(ValueOf(root, "Left")), -4);
  EXPECT_EQ(layout::AsInt(ValueOf(root, "Width")), 190);
  EXPECT_EQ(layout::AsIdent(ValueOf(root, "Color")), "clBtnFace");
  EXPECT_EQ(layout::AsString(ValueOf(root, "Font.Name")), "MS Sans Serif");
  EXPECT_EQ(layout::AsInt(ValueOf(root, "Font.Height")), -11);

  const Value* style = &ValueOf(root, "Font.Style");
  EXPECT_EQ(style->kind, Value::Kind::List);
  EXPECT_TRUE(style->items.empty());

  const Value* icons = &ValueOf(root, "BorderIcons");
  ASSERT_EQ(icons->items.size(), 2u);
  EXPECT_EQ(icons->items[0].kind, Value::Kind::Identifier);
  EXPECT_EQ(icons->items[0].text, "biSystemMenu");
  EXPECT_EQ(icons->items[1].text, "biMinimize");

  const Value* odd = &ValueOf(root, "Odd");
  ASSERT_EQ(odd->items.size(), 3u);
  EXPECT_EQ(odd->items[0].kind, Value::Kind::Integer);
  EXPECT_EQ(odd->items[0].integer, 1);
  EXPECT_EQ(odd->items[1].kind, Value::Kind::String);
  EXPECT_EQ(odd->items[1].text, "deux");
  ASSERT_EQ(odd->items[2].kind, Value::Kind::List);
  ASSERT_EQ(odd->items[2].items.size(), 2u);
  EXPECT_EQ(odd->items[2].items[0].text, "trois");
  EXPECT_EQ(odd->items[2].items[1].kind, Value::Kind::List);

  ASSERT_EQ(root.children.size(), 2u);
  const Node& bar = root.children[0];
  EXPECT_EQ(bar.name, "StatusBar1");
  EXPECT_EQ(bar.className, "TStatusBar");
  ASSERT_EQ(bar.children.size(), 2u);
  EXPECT_EQ(bar.children[0].name, "Panel0");
  EXPECT_EQ(bar.children[1].name, "Panel1");
  EXPECT_EQ(layout::AsString(ValueOf(bar.children[0], "Text")), "Jou\xC3\xA9s : 0");
  EXPECT_EQ(bar.children[0].line, 15);
  EXPECT_EQ(root.children[1].name, "Panel1");  // a name may recur at another level
  EXPECT_EQ(layout::AsString(ValueOf(root.children[1], "Caption")), "");
}

TEST(LayoutValues, EachReaderTakesItsKindAndRangeAndRefusesTheRestOnTheValuesLine) {
  const Node n = Parse(Wrap("W = 3000000000\nH = -11\nOn = true\nOff = false\nMaybe = yes\n"
                            "Align = alTop\nIcons = [biMinimize, biSystemMenu]\nBad = [biSystemMenu, biGone]\n"
                            "Caption = \"x\""));
  auto lineOfError = [](auto&& read) {
    try {
      read();
    } catch (const ParseError& e) {
      return e.Line();
    }
    return 0;
  };
  EXPECT_EQ(layout::AsInt(ValueOf(n, "H")), -11);
  EXPECT_EQ(lineOfError([&] { layout::AsInt(ValueOf(n, "W")); }), 2) << "past 32 bits";
  EXPECT_EQ(lineOfError([&] { layout::AsInt(ValueOf(n, "Caption")); }), 10) << "a string is no integer";
  EXPECT_TRUE(layout::AsBool(ValueOf(n, "On")));
  EXPECT_FALSE(layout::AsBool(ValueOf(n, "Off")));
  EXPECT_EQ(lineOfError([&] { layout::AsBool(ValueOf(n, "Maybe")); }), 6) << "'yes' is no boolean";
  EXPECT_EQ(lineOfError([&] { layout::AsBool(ValueOf(n, "H")); }), 3);
  EXPECT_EQ(lineOfError([&] { layout::AsString(ValueOf(n, "Align")); }), 7) << "an identifier is no string";

  // Identifiers that name a choice, alone or in a list; any other is an error.
  EXPECT_EQ(layout::AsChoice(ValueOf(n, "Align"), {"alNone", "alTop"}, "an alignment"), 1u);
  EXPECT_EQ(lineOfError([&] { layout::AsChoice(ValueOf(n, "Align"), {"alNone"}, "an alignment"); }), 7);
  const std::vector<std::size_t> icons{1, 0};
  EXPECT_EQ(layout::AsChoices(ValueOf(n, "Icons"), {"biSystemMenu", "biMinimize"}, "an icon"), icons);
  EXPECT_EQ(lineOfError([&] { layout::AsChoices(ValueOf(n, "Bad"), {"biSystemMenu"}, "an icon"); }), 9);
  try {
    layout::AsChoice(ValueOf(n, "Align"), {"alNone"}, "an alignment");
  } catch (const ParseError& e) {
    EXPECT_NE(std::string(e.what()).find("expected an alignment"), std::string::npos) << e.what();
  }
}

TEST(LayoutStrings, EscapesAndUtf8Text) {
  EXPECT_EQ(StringValue(R"("a\"b")"), "a\"b");
  EXPECT_EQ(StringValue(R"("back\\slash")"), "back\\slash");
  EXPECT_EQ(StringValue(R"("l1\nl2\tx")"), "l1\nl2\tx");
  EXPECT_EQ(StringValue(R"("\u{41}\u{e9}\u{20AC}\u{1F600}")"),
            "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(StringValue(R"("\u{10FFFF}")"), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(StringValue("\"Mémoire système : à côté\""),
            "M\xC3\xA9moire syst\xC3\xA8me : \xC3\xA0 c\xC3\xB4t\xC3\xA9");
  EXPECT_EQ(StringValue("\"# not a comment\""), "# not a comment");
  EXPECT_EQ(StringValue("\"a\tb\""), "a\tb");  // a raw tab is kept
  EXPECT_EQ(StringValue("\"&R\xC3\xA9soudre la grille\""), "&R\xC3\xA9soudre la grille");
}

TEST(LayoutStrings, BadStringsAreRefusedOnTheirLine) {
  ExpectError(Wrap(R"(S = "\q")"), 2, "unknown escape");
  ExpectError(Wrap(R"(S = "\u41")"), 2, "expected '{'");
  ExpectError(Wrap(R"(S = "\u{}")"), 2, "malformed");
  ExpectError(Wrap(R"(S = "\u{41")"), 2, "malformed");
  ExpectError(Wrap(R"(S = "\u{1234567}")"), 2, "too many digits");
  ExpectError(Wrap(R"(S = "\u{110000}")"), 2, "not a valid character");
  ExpectError(Wrap(R"(S = "\u{D800}")"), 2, "not a valid character");
  ExpectError(Wrap(R"(S = "\u{0}")"), 2, "not a valid character");
  ExpectError(Wrap("S = \"bad \xC3(\""), 2, "not valid UTF-8");
  ExpectError(Wrap("S = \"overlong \xC0\xAF\""), 2, "not valid UTF-8");
  ExpectError(Wrap("S = \"surrogate \xED\xA0\x80\""), 2, "not valid UTF-8");
  ExpectError(Wrap("S = \"bell \x07\""), 2, "control");
  // A string may not run over the end of its line, nor hide a newline in an escape.
  ExpectError("object A: TA\n\nS = \"open\nT = 1\nend\n", 3, "unterminated string");
  ExpectError("object A: TA\nS = \"open\\\nend\n", 2, "unterminated string");
  ExpectError("object A: TA\nS = \"open", 2, "unterminated string");
  ExpectError("object A: TA\nS = \"open\\", 2, "unterminated string");
}

TEST(LayoutIntegers, FullInt64RangeAndNothingBeyond) {
  const Node n = Parse(Wrap("Max = 9223372036854775807\nMin = -9223372036854775808\n"
                            "Plus = +7\nZeros = -007"));
  EXPECT_EQ(ValueOf(n, "Max").integer, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(ValueOf(n, "Min").integer, std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(ValueOf(n, "Plus").integer, 7);
  EXPECT_EQ(ValueOf(n, "Zeros").integer, -7);

  ExpectError(Wrap("\nV = 9223372036854775808"), 3, "out of range");
  ExpectError(Wrap("V = -9223372036854775809"), 2, "out of range");
  ExpectError(Wrap("V = 99999999999999999999999999999999999999"), 2, "out of range");
  ExpectError(Wrap("V = -"), 2, "digits after the sign");
  ExpectError(Wrap("V = - 5"), 2, "digits after the sign");
  ExpectError(Wrap("V = 12px"), 2, "malformed number");
  ExpectError(Wrap("V = 1.5"), 2, "malformed number");
}

TEST(LayoutErrors, StructuralFaultsNameTheirLine) {
  struct Case {
    const char* text;
    int line;
    const char* fragment;
  };
  const Case cases[] = {
      {"", 1, "expected 'object'"},
      {"# only a comment\n", 2, "expected 'object'"},
      {"Caption = 1", 1, "expected 'object'"},
      {"object Form1: TForm1\n  Width = 1\n", 3, "expected 'end' of object 'Form1' (line 1)"},
      {"object A: TA\n object B: TB\n  X = 1\nend\n", 5, "expected 'end' of object 'A'"},
      {"object A: TA\n W = 1\n H = 2\n W = 3\nend", 4,
       "property 'W' is set twice (first at line 2)"},
      {"object A: TA\n object B: TB\n end\n object B: TC\n end\nend", 4,
       "'A' already has an object named 'B' (line 2)"},
      {"object A: TA\nend\nend", 3, "after the last 'end'"},
      {"object A: TA\nend\nobject B: TB\nend", 3, "after the last 'end'"},
      {"object A TA\nend", 1, "expected ':'"},
      {"object : TA\nend", 1, "expected an object name"},
      {"object A:\nend", 2, "expected a class name"},
      {"object Font.Name: TA\nend", 1, "expected an object name"},
      {"object A: TA\n W 5\nend", 2, "expected '=' after 'W'"},
      {"object A: TA\n W =\nend", 3, "expected a value"},
      {"object A: TA\n W = Font.Name\nend", 2, "expected a value"},
      {"object A: TA\n 5 = 5\nend", 2, "expected a property name"},
      {"object A: TA\n W = [1 2]\nend", 2, "expected ',' or ']'"},
      {"object A: TA\n W = [1,]\nend", 2, "expected a value"},
      {"object A: TA\n W = [1,\n\n", 4, "expected a value"},
      {"object A: TA\n W = 1 % 2\nend", 2, "unexpected character '%'"},
      {"object A: TA\n W = 1\n\n Font. = 2\nend", 4, "unexpected character '.'"},
      {"object A: TA\n W = 'x'\nend", 2, "unexpected character '''"},
      {"object A: TA\n W = \xC3\xA9\nend", 2, "unexpected byte 0xC3"},
  };
  for (const Case& c : cases) ExpectError(c.text, c.line, c.fragment);
  // A NUL byte, which a C string could not carry.
  ExpectError(std::string("object A: TA\n W = 1\n\0\nend", 25), 3, "unexpected byte 0x00");
}

std::string NestedObjects(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "object O" + std::to_string(i) + ": T\n";
  for (int i = 0; i < depth; ++i) text += "end\n";
  return text;
}

std::string NestedLists(int depth) {
  return Wrap("V = " + std::string(static_cast<std::size_t>(depth), '[') +
              std::string(static_cast<std::size_t>(depth), ']'));
}

TEST(LayoutLimits, NestingIsCappedWithoutExhaustingTheStack) {
  const Node deep = Parse(NestedObjects(layout::kMaxDepth));
  const Node* innermost = &deep;
  while (!innermost->children.empty()) innermost = &innermost->children[0];
  EXPECT_EQ(innermost->name, "O" + std::to_string(layout::kMaxDepth - 1));
  ExpectError(NestedObjects(layout::kMaxDepth + 1), layout::kMaxDepth + 1, "nested more than");

  EXPECT_NO_THROW(Parse(NestedLists(layout::kMaxDepth)));
  ExpectError(NestedLists(layout::kMaxDepth + 1), 2, "lists nested more than");

  // As many properties or objects in one object as a window could need, and
  // not one more: a repeat is looked for among them one by one.
  std::string wide, crowded;
  for (std::size_t i = 0; i < layout::kMaxEntries; ++i) wide += "P" + std::to_string(i) + " = 1\n";
  EXPECT_EQ(Parse(Wrap(wide)).properties.size(), layout::kMaxEntries);
  ExpectError(Wrap(wide + "Q = 1"), static_cast<int>(layout::kMaxEntries) + 2, "too many properties");
  for (std::size_t i = 0; i <= layout::kMaxEntries; ++i) crowded += "object O" + std::to_string(i) + ": T end\n";
  EXPECT_THROW(Parse(Wrap(crowded)), ParseError);

  // Far beyond the cap: refused quickly, not by running out of stack.
  EXPECT_THROW(Parse(NestedObjects(200000)), ParseError);
  EXPECT_THROW(Parse(Wrap("V = " + std::string(200000, '['))), ParseError);
}

TEST(LayoutText, ByteOrderMarkAndLineEndings) {
  const Node withBom = Parse("\xEF\xBB\xBF" + std::string(kMainWindow));
  EXPECT_EQ(withBom.name, "Form1");
  EXPECT_EQ(withBom.line, 2);
  // Only at the very start.
  ExpectError("object A: TA\n\xEF\xBB\xBF\nend", 2, "unexpected byte 0xEF");
  ExpectError("\xEF\xBB", 1, "unexpected byte 0xEF");

  std::string crlf;
  for (const char* p = kMainWindow; *p != '\0'; ++p) {
    if (*p == '\n') crlf += '\r';
    crlf += *p;
  }
  const Node fromCrlf = Parse(crlf);
  EXPECT_EQ(fromCrlf.children.at(0).children.at(0).line, 15);
  EXPECT_EQ(layout::AsString(ValueOf(fromCrlf, "Caption")), "Brelix 1.0");
  ExpectError("object A: TA\r\n W = 1\r\n W = 2\r\nend\r\n", 3, "set twice");

  // Layout fragments may sit on one line.
  const Node compact = Parse("object A: TA X = 1 object B: TB end Y = [a,b] end");
  EXPECT_EQ(ValueOf(compact, "X").integer, 1);
  EXPECT_EQ(ValueOf(compact, "Y").items.size(), 2u);
  EXPECT_EQ(compact.children.size(), 1u);
}

// Whatever the bytes, the reader either returns a tree or throws ParseError.
void ExpectParsesOrRefuses(const std::string& text) {
  try {
    Parse(text);
  } catch (const ParseError&) {
  }
}

TEST(LayoutRobustness, TruncatedAndMangledInputNeverCrashes) {
  const std::string full = kMainWindow;
  for (std::size_t n = 0; n < full.size(); ++n) {
    // Every cut before the last `end` loses something the reader must notice.
    if (n < full.rfind("end")) {
      EXPECT_THROW(Parse(full.substr(0, n)), ParseError) << "cut at " << n;
    } else {
      ExpectParsesOrRefuses(full.substr(0, n));
    }
  }

  std::mt19937 random(12345);
  const char alphabet[] = "objectend:=[],\"\\#u{}-+09aZ_. \n\r\t\xC3\xA9\xEF\xBB\xBF\x80\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::string text = full;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % (text.size() + 1);
      const char c = alphabet[random() % (sizeof alphabet - 1)];
      switch (random() % 3) {
        case 0: text.insert(at, 1, c); break;
        case 1: if (at < text.size()) text.erase(at, 1); break;
        default: if (at < text.size()) text[at] = c; break;
      }
    }
    ExpectParsesOrRefuses(text);
  }
  for (int round = 0; round < 500; ++round) {
    std::string text(random() % 300, '\0');
    for (char& c : text) c = static_cast<char>(random());
    ExpectParsesOrRefuses(text);
    ExpectParsesOrRefuses("object A: TA\n V = " + text);
  }
}

}  // namespace
