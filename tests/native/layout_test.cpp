// The stored-layout reader: what it reads, and that bad input is refused with
// the right line, never a crash.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

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
  return n.Str("S", "<absent>");
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

  EXPECT_EQ(root.Str("Caption", ""), "Brelix 1.0");
  EXPECT_EQ(root.Int("Left", 0), -4);
  EXPECT_EQ(root.Int("Width", 0), 190);
  EXPECT_EQ(root.Ident("Color", ""), "clBtnFace");
  EXPECT_EQ(root.Str("Font.Name", ""), "MS Sans Serif");
  EXPECT_EQ(root.Int("Font.Height", 0), -11);

  const Value* style = root.Find("Font.Style");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->kind, Value::Kind::List);
  EXPECT_TRUE(style->items.empty());

  const Value* icons = root.Find("BorderIcons");
  ASSERT_NE(icons, nullptr);
  ASSERT_EQ(icons->items.size(), 2u);
  EXPECT_EQ(icons->items[0].kind, Value::Kind::Identifier);
  EXPECT_EQ(icons->items[0].text, "biSystemMenu");
  EXPECT_EQ(icons->items[1].text, "biMinimize");

  const Value* odd = root.Find("Odd");
  ASSERT_NE(odd, nullptr);
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
  EXPECT_EQ(bar.children[0].Str("Text", ""), "Jou\xC3\xA9s : 0");
  EXPECT_EQ(bar.children[0].line, 15);
  EXPECT_EQ(root.children[1].name, "Panel1");  // a name may recur at another level
  EXPECT_TRUE(root.children[1].Has("Caption"));
  EXPECT_EQ(root.children[1].Str("Caption", "fallback"), "");
}

TEST(LayoutNode, LeftOutPropertiesGiveTheFallbackAndWrongKindsAreErrors) {
  const Node root = Parse(kMainWindow);
  EXPECT_FALSE(root.Has("Visible"));
  EXPECT_EQ(root.Find("Visible"), nullptr);
  EXPECT_EQ(root.Int("Top", 77), 77);
  EXPECT_EQ(root.Str("Hint", "none"), "none");
  EXPECT_EQ(root.Ident("Align", "alNone"), "alNone");
  EXPECT_TRUE(root.Bool("Visible", true));

  // A stored value of the wrong kind is a fault of the layout, reported on its line.
  try {
    root.Int("Caption", 0);
    ADD_FAILURE() << "Int on a string did not throw";
  } catch (const ParseError& e) {
    EXPECT_EQ(e.Line(), 3);
    EXPECT_NE(std::string(e.what()).find("'Caption' of 'Form1' should be an integer, not a string"),
              std::string::npos)
        << e.what();
  }
  EXPECT_THROW(root.Str("Width", ""), ParseError);
  EXPECT_THROW(root.Ident("Caption", ""), ParseError);
  EXPECT_THROW(root.Str("Color", ""), ParseError);
  EXPECT_THROW(root.Int("BorderIcons", 0), ParseError);
}

TEST(LayoutNode, RangedIntAndBool) {
  const Node n = Parse(Wrap("W = 3000000000\nH = -11\nOn = true\nOff = false\nMaybe = yes"));
  EXPECT_EQ(n.Int("W", 0), 3000000000);
  EXPECT_EQ(n.Int("H", 0, -32768, 32767), -11);
  EXPECT_EQ(n.Int("Missing", 5, 10, 20), 5);  // the fallback is the caller's business
  try {
    n.Int("W", 0, INT32_MIN, INT32_MAX);
    ADD_FAILURE() << "out-of-range value accepted";
  } catch (const ParseError& e) {
    EXPECT_EQ(e.Line(), 2);
  }
  EXPECT_TRUE(n.Bool("On", false));
  EXPECT_FALSE(n.Bool("Off", true));
  try {
    n.Bool("Maybe", false);
    ADD_FAILURE() << "'yes' read as a boolean";
  } catch (const ParseError& e) {
    EXPECT_EQ(e.Line(), 6);
  }
  EXPECT_THROW(n.Bool("H", false), ParseError);
}

TEST(LayoutNode, ChildIsDirectDescendantSearchesTheTree) {
  const Node root = Parse(kMainWindow);
  ASSERT_NE(root.Child("StatusBar1"), nullptr);
  EXPECT_EQ(root.Child("Panel0"), nullptr);
  const Node* panel = root.Descendant("Panel0");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Int("Width", 0), 67);
  // The shallowest wins, though the status bar's Panel1 comes first in the file.
  EXPECT_EQ(root.Descendant("Panel1"), root.Child("Panel1"));
  EXPECT_EQ(root.Child("StatusBar1")->Child("Panel1")->Int("Width", 0), 50);
  EXPECT_EQ(root.Descendant("Nothing"), nullptr);
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
  EXPECT_EQ(n.Int("Max", 0), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(n.Int("Min", 0), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(n.Int("Plus", 0), 7);
  EXPECT_EQ(n.Int("Zeros", 0), -7);

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
  const Node* innermost = deep.Descendant("O" + std::to_string(layout::kMaxDepth - 1));
  ASSERT_NE(innermost, nullptr);
  ExpectError(NestedObjects(layout::kMaxDepth + 1), layout::kMaxDepth + 1, "nested more than");

  EXPECT_NO_THROW(Parse(NestedLists(layout::kMaxDepth)));
  ExpectError(NestedLists(layout::kMaxDepth + 1), 2, "lists nested more than");

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
  EXPECT_EQ(fromCrlf.Descendant("Panel0")->line, 15);
  EXPECT_EQ(fromCrlf.Str("Caption", ""), "Brelix 1.0");
  ExpectError("object A: TA\r\n W = 1\r\n W = 2\r\nend\r\n", 3, "set twice");

  // Layout fragments may sit on one line.
  const Node compact = Parse("object A: TA X = 1 object B: TB end Y = [a,b] end");
  EXPECT_EQ(compact.Int("X", 0), 1);
  EXPECT_EQ(compact.Find("Y")->items.size(), 2u);
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

TEST(LayoutUtf16, ConvertsWellFormedText) {
  using layout::Utf8ToUtf16;
  EXPECT_EQ(Utf8ToUtf16(""), u"");
  EXPECT_EQ(Utf8ToUtf16("Jou\xC3\xA9s : 0"), u"Joués : 0");
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82\xAC"), u"\u20AC");
  EXPECT_EQ(Utf8ToUtf16("\xEF\xBF\xBF"), u"\uFFFF");
  EXPECT_EQ(Utf8ToUtf16("a\xF0\x9F\x98\x80z"), std::u16string(u"a\xD83D\xDE00z"));
  EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF"), std::u16string(u"\xDBFF\xDFFF"));
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(LayoutUtf16, ReplacesEachIllFormedSubsequenceWithOneReplacementCharacter) {
  using layout::Utf8ToUtf16;
  EXPECT_EQ(Utf8ToUtf16("\x80"), u"\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");             // cut at the end
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82z"), u"\uFFFDz");         // cut before a new character
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\xC3\xA9"), u"\uFFFD\u00E9");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");     // overlong
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
  EXPECT_EQ(Utf8ToUtf16("\xFF\xFE"), u"\uFFFD\uFFFD");
}

}  // namespace
