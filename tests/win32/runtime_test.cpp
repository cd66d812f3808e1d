// The C++ runtime's error exits as Brelix.exe has them (Runtime.cpp is linked
// in): a library failure reaches the application's handler with a detail
// that names the function and carries its values, memory that runs out in
// the middle of a command leaves the window showing the board, and an error
// that nothing handles ends the program with a French box and its exit code.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "Application.h"
#include "BoxAnswerer.h"
#include "DebugOutputViewer.h"
#include "Forms.h"
#include "ChildProgram.h"
#include "ProgramWindowsTest.h"
#include "Shortage.h"
#include "Startup.h"
#include "StdCtrls.h"
#include "Strings.h"
#include "Texts.h"
#include "ToolkitTexts.h"
#include "WindowProbe.h"
#include "resource.h"
#include "version.h"

namespace {

constexpr char kOneButtonForm[] = R"(object Small: TForm
  Width = 200
  Height = 120
  Caption = "Petit"
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = "&Bouton"
  end
end
)";

// Values the compiler cannot see through, so that it neither warns about
// them nor folds the failure away.
std::size_t Opaque(std::size_t value) {
  volatile std::size_t kept = value;
  return kept;
}

struct TFailureCase {
  const char* Name;
  void (*Action)();
  UINT TextId;
  const char* Detail;
};

void PrintTo(const TFailureCase& failure, std::ostream* out) { *out << failure.Name; }

class LibraryFailures : public testing::TestWithParam<TFailureCase> {};

TEST_P(LibraryFailures, ReachTheHandlerWithTheirFunctionAndValues) {
  const TFailureCase& failure = GetParam();
  TBoxAnswerer boxes;
  TDebugOutputViewer debug;
  TForm form(nullptr);
  form.LoadLayoutText(kOneButtonForm);
  auto& button = form.Find<TButton>(L"Button1");
  button.OnClick = [action = failure.Action](TComponent*) { action(); };
  form.Show();

  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, LoadText(failure.TextId));
  EXPECT_EQ(boxes.Boxes()[0].Caption, kBrelixTitle);
  EXPECT_EQ(debug.Stop(), std::vector<std::string>{failure.Detail + std::string("\n")});
  // The window goes on working.
  button.OnClick = [&](TComponent*) { form.SetText(L"encore"); };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(TextOf(form.Handle()), L"encore");
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, LibraryFailures,
    testing::Values(
        TFailureCase{"Substring", [] { (void)std::string("abc").substr(Opaque(5)); }, IDS_ERROR_UNEXPECTED,
                     "basic_string::substr: __pos (which is 5) > this->size() (which is 3)"},
        TFailureCase{"VectorAt", [] { (void)std::vector<int>(3).at(Opaque(7)); }, IDS_ERROR_UNEXPECTED,
                     "vector::_M_range_check: __n (which is 7) >= this->size() (which is 3)"},
        TFailureCase{"EmptyFunction", [] { std::function<void()>()(); }, IDS_ERROR_UNEXPECTED,
                     "std::function::operator(): the function is empty"},
        TFailureCase{"MoreMemoryThanThereIs",
                     [] { ::operator delete(::operator new(Opaque(std::numeric_limits<std::size_t>::max() / 2))); },
                     IDS_ERROR_OUT_OF_MEMORY, "out of memory"},
        TFailureCase{"DamagedLayout",
                     [] { TForm(nullptr).LoadLayoutText("object F: TForm\n Width = \"wide\"\nend\n"); },
                     IDS_ERROR_RESOURCES, "layout line 2: expected an integer"}),
    [](const testing::TestParamInfo<TFailureCase>& info) { return std::string(info.param.Name); });

// Memory that runs out at any allocation of a command: the player is told,
// and the window shows the board the model holds, tile by tile and count.
class CommandsOutOfMemory : public TProgramWindowsTest {
 protected:
  void ExpectTheWindowShowsTheBoard(const char* command, long n) {
    const TBoard& board = form1->Board();
    ASSERT_EQ(ShownTiles().size(), static_cast<std::size_t>(std::max(0, board.SlotCount() - 1)))
        << command << " #" << n;
    for (std::int32_t slot = 1; slot <= board.SlotCount(); ++slot) {
      const HWND button = form1->TileButton(slot).Handle();
      const std::int32_t tile = board.Slot(slot).Tile;
      EXPECT_EQ(IsWindowVisible(button) != FALSE, tile != 0) << command << " #" << n << " slot " << slot;
      if (tile != 0) {
        EXPECT_EQ(TextOf(button), std::to_wstring(tile)) << command << " #" << n;
      }
    }
    EXPECT_EQ(StatusText(form1->StatusBar1->Handle(), 0), L"Joués : " + std::to_wstring(board.MoveCount()))
        << command << " #" << n;
  }

  // A menu command, as the menu sends it.
  void Command(const wchar_t* item) {
    SendMessageW(form1->Handle(), WM_COMMAND, MAKEWPARAM(form1->Find<TMenuItem>(item).Command(), 0), 0);
  }
  // Slides a tile beside the gap, clicked through its button: above the gap
  // or below it, which keeps any game far from its order.
  void SlideATile() {
    const TBoard& board = form1->Board();
    std::int32_t gap = 1;
    while (board.Slot(gap).Tile != 0) ++gap;
    const std::int32_t beside = gap > board.Cols() ? gap - board.Cols() : gap + board.Cols();
    SendMessageW(form1->TileButton(beside).Handle(), BM_CLICK, 0, 0);
  }
};

TEST_F(CommandsOutOfMemory, LeaveTheWindowShowingTheBoard) {
  TBoxAnswerer boxes;
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"a tile", [&] { SlideATile(); }},
      {"Résoudre la grille", [&] { Command(L"Rsoudre1"); }},
      {"Nouvelle partie", [&] { Command(L"Nouvellepartie1"); }},
  };
  for (const auto& [name, command] : commands) {
    long n = 1;
    // The shortage moves one allocation further each time, until the command
    // runs through without meeting it.
    for (; n < 2000; ++n) {
      if (!form1->Board().HasBoard()) form1->BuildBoard();
      const std::size_t before = boxes.Count();
      if (WithShortageAt(n, false, command) == 0) break;
      ASSERT_EQ(boxes.Count(), before + 1) << name << " #" << n;
      EXPECT_EQ(boxes.Boxes().back().Text, LoadText(IDS_ERROR_OUT_OF_MEMORY)) << name << " #" << n;
      ExpectTheWindowShowsTheBoard(name, n);
    }
    EXPECT_GT(n, 1) << name << " allocates nothing";
    EXPECT_LT(n, 2000) << name << " never ran through";
  }
}

TEST_F(CommandsOutOfMemory, WhenMemoryStaysExhaustedThePlayerIsStillTold) {
  TBoxAnswerer boxes;
  EXPECT_GT(WithShortageAt(1, true, [&] { Command(L"Nouvellepartie1"); }), 0);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, LoadText(IDS_ERROR_OUT_OF_MEMORY));
  EXPECT_EQ(boxes.Boxes()[0].Caption, kBrelixTitle);
}

// ---------------------------------------------------- the last resort

constexpr char kEscapeEverything[] = "--escape-everything";

[[noreturn]] void ThrowPastEverything() { throw std::runtime_error("nothing catches this"); }
// Declared never to throw, as every callback of Windows is: what escapes it
// reaches the terminate handler.
void EscapeEverything() noexcept { ThrowPastEverything(); }

TEST(FatalErrors, AnErrorThatEscapesEverythingEndsTheProgramWithAFrenchBoxAndItsExitCode) {
  const std::wstring self = ProgramPath();
  std::wstring commandLine = L"\"" + self + L"\" " + Widen(kEscapeEverything);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(self.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
  CloseHandle(child.hThread);

  HWND box = nullptr;
  const DWORD end = GetTickCount() + 30000;
  while (!(box = FindTopLevel({.cls = L"#32770", .pid = child.dwProcessId})) && !Expired(end) &&
         WaitForSingleObject(child.hProcess, 100) == WAIT_TIMEOUT) {
  }
  if (!box) TerminateProcess(child.hProcess, 1);  // else it outlives the test, and ctest waits on it
  ASSERT_NE(box, nullptr) << "no box within 30 s";
  Sleep(200);  // drawn, as a player sees it
  const TMessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.Caption, kBrelixTitle);
  std::wstring text;
  for (const std::wstring& part : view.Texts) text += part;
  EXPECT_EQ(text, LoadText(IDS_ERROR_FATAL));
  EXPECT_NE(text.find(L"doit se fermer"), std::wstring::npos);
  EXPECT_NE(view.Icon, nullptr);  // its handle is the other process's own
  ASSERT_EQ(view.Buttons.size(), 1u);
  EXPECT_EQ(TextOf(view.Buttons[0]), L"OK");
  // Still there until the player answers it.
  EXPECT_EQ(WaitForSingleObject(child.hProcess, 300), static_cast<DWORD>(WAIT_TIMEOUT));

  for (int attempt = 0; attempt < 20 && WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT; ++attempt) {
    if (IsWindow(view.Buttons[0])) {
      RealMouse(view.Buttons[0], MOUSEEVENTF_LEFTDOWN);
      Sleep(50);
      RealMouse(view.Buttons[0], MOUSEEVENTF_LEFTUP);
    }
    WaitForSingleObject(child.hProcess, 500);
  }
  DWORD exitCode = 0;
  const bool ended = WaitForSingleObject(child.hProcess, 5000) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(child.hProcess, 1);
  }
  GetExitCodeProcess(child.hProcess, &exitCode);
  CloseHandle(child.hProcess);
  ASSERT_TRUE(ended) << "the program did not end once the box was answered";
  EXPECT_EQ(exitCode, kFatalExitCode);
}

}  // namespace

int main(int argc, char** argv) {
  TApplication application;
  SetUpApplication(application);
  if (argc > 1 && std::string_view(argv[1]) == kEscapeEverything) EscapeEverything();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
