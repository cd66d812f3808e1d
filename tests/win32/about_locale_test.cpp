// The memory figure's grouping under other user locales. Wine takes the
// user's locale from the Unix environment of a process, so each case runs
// this test program again, as a child, under that locale.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AboutForm.h"
#include "Strings.h"
#include "BoxAnswerer.h"
#include "ChildProgram.h"
#include "WindowProbe.h"

namespace {

constexpr char kChildSwitch[] = "BRELIX_LOCALE_CHILD";  // "<separator code>,<locale id>", both hex

std::wstring Separator() {
  wchar_t buffer[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8);
  return buffer;
}

bool RunChild(const std::vector<std::string>& assignments) {
  return RunChildTests(ProgramPath(), "AboutLocaleChild.*", assignments);
}

TEST(AboutLocaleChild, GroupsWithTheSeparatorOfItsLocale) {
  const char* expected = std::getenv(kChildSwitch);
  if (!expected) GTEST_SKIP() << "runs as a child of the AboutLocale tests";
  char* rest = nullptr;
  const auto separator = static_cast<wchar_t>(std::strtoul(expected, &rest, 16));
  const auto locale = static_cast<LCID>(std::strtoul(rest + 1, nullptr, 16));
  EXPECT_EQ(GetUserDefaultLCID(), locale);
  EXPECT_EQ(Separator(), std::wstring(1, separator));

  TBeepCounter recorder;
  const auto form = TForm::New<TFAbout>(nullptr, [] { return TMemoryFigures{4294967295u, 0}; });
  TFAbout& dialog = *form;
  EXPECT_EQ(TextOf(dialog.lblPhysMem->Handle()),
            std::wstring(L"Mémoire physique totale : 4") + separator + L"194" + separator + L"304 Ko");
}

TEST(AboutLocale, FrenchGroupsWithANoBreakSpace) {
  // Compiled beside the program by the build (brelix_french_locale).
  const std::wstring program = ProgramPath();
  const std::wstring locales = program.substr(0, program.find_last_of(L'\\')) + L"\\locale";
  ASSERT_NE(GetFileAttributesW((locales + L"\\fr_FR.UTF-8\\LC_NUMERIC").c_str()), INVALID_FILE_ATTRIBUTES)
      << "no compiled French locale in " << Narrow(locales);
  EXPECT_TRUE(RunChild({"LOCPATH=" + UnixPath(locales), "LANG=fr_FR.UTF-8", "LC_ALL=fr_FR.UTF-8", "BRELIX_LOCALE_CHILD=A0,40C"}));
}

TEST(AboutLocale, ThePlainLocaleGroupsWithACommaAsUSEnglish) {
  EXPECT_TRUE(RunChild({"LANG=C", "LC_ALL=C", "BRELIX_LOCALE_CHILD=2C,409"}));
}

}  // namespace
