// The probe's text rules: stripping over double-byte characters, file-name
// parts, the command line, small texts and path buffers that grow.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "hh_funcs_buffer.h"
#include "hh_funcs_cmdline.h"
#include "hh_funcs_samples.h"
#include "hh_funcs_text.h"

namespace {

// 0x95 0x5C is a kanji of code page 932 whose second byte is the code of '\'.
const std::string kKanji = "\x95\x5C";
bool SingleBytes(unsigned char) { return false; }

}  // namespace

TEST(HhFuncsText, StripRemovesEveryTrailingBackslashAndNothingElse) {
  std::string text = "C:\\Jeux\\\\\\";
  StripTrailingChar(text, '\\', SingleBytes);
  EXPECT_EQ(text, "C:\\Jeux");
  text = "C:\\";
  StripTrailingChar(text, '\\', SingleBytes);
  EXPECT_EQ(text, "C:");
  text = "\\\\";
  StripTrailingChar(text, '\\', SingleBytes);
  EXPECT_EQ(text, "");
  text = "a\\b";
  StripTrailingChar(text, '\\', SingleBytes);
  EXPECT_EQ(text, "a\\b");
}

TEST(HhFuncsText, StripKeepsADoubleByteLastCharacterWhoseSecondByteIsABackslash) {
  std::string text = "C:\\" + kKanji;
  StripTrailingChar(text, '\\', IsShiftJisLeadByte);
  EXPECT_EQ(text, "C:\\" + kKanji);
  text = "C:\\" + kKanji + "\\\\";
  StripTrailingChar(text, '\\', IsShiftJisLeadByte);
  EXPECT_EQ(text, "C:\\" + kKanji);
  // Two kanji in a row: the scan must pair bytes from the start, since 0x95
  // is also a valid trail byte.
  text = "\x95\x95" + kKanji;
  StripTrailingChar(text, '\\', IsShiftJisLeadByte);
  EXPECT_EQ(text.size(), 4u);
  // Read as single bytes, the same text loses its last byte.
  text = "C:\\" + kKanji;
  StripTrailingChar(text, '\\', SingleBytes);
  EXPECT_EQ(text, "C:\\\x95");
  // A lead byte with nothing after it is a character of its own.
  text = "ab\x95";
  StripTrailingChar(text, '\\', IsShiftJisLeadByte);
  EXPECT_EQ(text, "ab\x95");
}

TEST(HhFuncsText, SplitCutsAfterTheLastBackslashOrColonOfWholeCharacters) {
  TPathParts parts = SplitFileName("C:\\Jeux\\Brelix.exe", SingleBytes);
  EXPECT_EQ(parts.Dir, "C:\\Jeux\\");
  EXPECT_EQ(parts.Name, "Brelix.exe");
  parts = SplitFileName("C:Brelix.exe", SingleBytes);
  EXPECT_EQ(parts.Dir, "C:");
  EXPECT_EQ(parts.Name, "Brelix.exe");
  parts = SplitFileName("Brelix.exe", SingleBytes);
  EXPECT_EQ(parts.Dir, "");
  EXPECT_EQ(parts.Name, "Brelix.exe");
  parts = SplitFileName("C:\\" + kKanji + "\\" + kKanji, IsShiftJisLeadByte);
  EXPECT_EQ(parts.Dir, "C:\\" + kKanji + "\\");
  EXPECT_EQ(parts.Name, kKanji);
}

TEST(HhFuncsText, RepeatCharAndYesNo) {
  EXPECT_EQ(RepeatChar('-', 80), std::string(80, '-'));
  EXPECT_EQ(RepeatChar('=', 1), "=");
  EXPECT_EQ(RepeatChar('-', 0), "");
  EXPECT_EQ(RepeatChar('-', -5), "");
  EXPECT_EQ(YesNoText(true), "YES");
  EXPECT_EQ(YesNoText(false), "NO");
}

TEST(HhFuncsCommandLine, ParametersAfterTheProgramNameWithQuotesRemoved) {
  using V = std::vector<std::string>;
  EXPECT_EQ(CommandLineParameters("\"C:\\Program Files\\Brelix.exe\" /debug  x\t\"a b\"c"),
            (V{"/debug", "x", "a bc"}));
  EXPECT_EQ(CommandLineParameters("Brelix.exe"), V{});
  EXPECT_EQ(CommandLineParameters("  Brelix.exe   "), V{});
  EXPECT_EQ(CommandLineParameters(""), V{});
  EXPECT_EQ(CommandLineParameters("Brelix.exe \"\" -Debug"), (V{"", "-Debug"}));
}

TEST(HhFuncsCommandLine, OnlyAWholeSlashOrDashDebugInAnyAsciiCaseTurnsDebugOn) {
  for (const char* on : {"/debug", "-debug", "/DEBUG", "-Debug", "/dEbUg"}) EXPECT_TRUE(IsDebugSwitch(on)) << on;
  for (const char* off : {"--debug", "/debug:1", "debug", "/debu", "/debugx", " /debug", "\\debug", "/d\xC9" "bug", ""})
    EXPECT_FALSE(IsDebugSwitch(off)) << off;
  EXPECT_TRUE(DebugSwitchGiven({"x", "--debug", "-DEBUG"}));
  EXPECT_FALSE(DebugSwitchGiven({"--debug", "/debug:1"}));
  EXPECT_FALSE(DebugSwitchGiven({}));
}

TEST(HhFuncsBuffer, ATextThatDidNotFitIsAskedForAgainNeverCut) {
  const std::string longPath = "C:\\" + std::string(400, 'd') + "\\Brelix.exe";
  std::vector<std::uint32_t> sizes;
  // As GetModuleFileName: copies what fits, unterminated, and returns the size.
  const std::string got = ReadWholeText(301, [&](char* buffer, std::uint32_t size) {
    sizes.push_back(size);
    const std::size_t n = std::min<std::size_t>(size, longPath.size());
    std::memcpy(buffer, longPath.data(), n);
    return static_cast<std::uint32_t>(n);
  });
  EXPECT_EQ(got, longPath);
  EXPECT_EQ(sizes.front(), 301u);
  // As GetSystemDirectory: returns the size it needs, terminator included.
  const std::string dir = "C:\\" + std::string(300, 's');
  int calls = 0;
  EXPECT_EQ(ReadWholeText(261, [&](char* buffer, std::uint32_t size) -> std::uint32_t {
              ++calls;
              if (size <= dir.size()) return static_cast<std::uint32_t>(dir.size() + 1);
              std::memcpy(buffer, dir.c_str(), dir.size() + 1);
              return static_cast<std::uint32_t>(dir.size());
            }),
            dir);
  EXPECT_EQ(calls, 2);
  // A failure, or a text that never fits, gives empty text.
  EXPECT_EQ(ReadWholeText(10, [](char*, std::uint32_t) { return 0u; }), "");
  EXPECT_EQ(ReadWholeText(10, [](char*, std::uint32_t size) { return size; }, 1000), "");
}
