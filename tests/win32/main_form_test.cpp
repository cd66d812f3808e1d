// The main window under Wine: layout, tiles, moves, status bar, commands.

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "BoxAnswerer.h"
#include "ProgramWindowsTest.h"
#include "PixelCapture.h"
#include "WindowProbe.h"
#include "version.h"

namespace {

class MainFormTest : public TProgramWindowsTest {
 protected:
  HWND Tile(const std::wstring& caption) { return ChildOfClass(form1->Handle(), L"Button", caption); }
  HWND StatusBar() { return form1->StatusBar1->Handle(); }
  void ClickMenu(const wchar_t* item) { form1->Find<TMenuItem>(item).Click(); }
  HWND TileInSlot(int n) { return form1->TileButton(n).Handle(); }
  int GapSlot() {
    int gap = 1;
    while (form1->Board().Slot(gap).Tile != 0) ++gap;
    return gap;
  }
  void UseTwoByTwo() {
    form1->FreeBoard();
    form1->SetConfiguration({2, 2, 10});
    form1->BuildBoard();
  }
};

TEST_F(MainFormTest, StartsAsTheSolvedFiveByFiveBoard) {
  EXPECT_EQ(TextOf(form1->Handle()), kBrelixTitle);
  EXPECT_EQ(StatusText(StatusBar(), 1), L"\u00A9 Brelix");
  const SIZE outer = OuterSize(form1->Handle());
  EXPECT_EQ(outer.cx, 200);
  EXPECT_EQ(outer.cy, 260);
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 0");
  EXPECT_EQ(ChildRect(StatusBar()).bottom - ChildRect(StatusBar()).top, 19);

  // Cells come from the board area as really laid out under this platform.
  RECT area;
  GetClientRect(form1->Panel1->Handle(), &area);
  const int w = (area.right - 4) / 5, h = (area.bottom - 6) / 5;
  ASSERT_EQ(ShownTiles().size(), 24u);
  for (int n = 1; n <= 24; ++n) {
    HWND tile = Tile(std::to_wstring(n));
    ASSERT_NE(tile, nullptr) << n;
    EXPECT_TRUE(IsWindowVisible(tile));
    const RECT r = ChildRect(tile);
    EXPECT_EQ(r.left, (n - 1) % 5 * w + 2) << n;
    EXPECT_EQ(r.top, (n - 1) / 5 * h + 2) << n;
    EXPECT_EQ(r.right - r.left, w);
    EXPECT_EQ(r.bottom - r.top, h);
  }
  HWND gap = Tile(L"25");
  ASSERT_NE(gap, nullptr);
  EXPECT_FALSE(IsWindowVisible(gap));
  // The tiles lie above the board area, where the mouse can reach them.
  RECT r;
  GetWindowRect(Tile(L"7"), &r);
  EXPECT_EQ(WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), Tile(L"7"));
}

TEST_F(MainFormTest, RealClickOnTile24MovesItAndCounts) {
  const RECT before = ChildRect(Tile(L"24"));
  RealClick(Tile(L"24"));
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 1");
  // The number moved to the next button to the right; the old one is hidden.
  HWND moved = Tile(L"24");
  ASSERT_NE(moved, nullptr);
  for (HWND b : ChildrenOfClass(form1->Handle(), L"Button"))
    if (TextOf(b) == L"24" && IsWindowVisible(b)) moved = b;
  EXPECT_GT(ChildRect(moved).left, before.left);
  EXPECT_EQ(ShownTiles().size(), 24u);
  // A tile away from the gap does nothing.
  RealClick(Tile(L"1"));
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 1");
}

TEST_F(MainFormTest, RestoringTheOrderInAGameShowsTheRealBoxOnceAndPlayGoesOn) {
  TBoxAnswerer boxes;
  UseTwoByTwo();
  ClickMenu(L"Nouvellepartie1");
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 0");
  EXPECT_TRUE(form1->Board().GameActive());
  // On 2 x 2 the three tiles only turn round: walking the gap round the
  // board puts them back in order within twelve moves.
  static const int kNext[] = {0, 2, 4, 1, 3};  // clockwise neighbour of a slot
  for (int move = 0; move < 12 && boxes.Count() == 0; ++move) RealClick(TileInSlot(kNext[GapSlot()]));
  ASSERT_EQ(boxes.Count(), 1u);
  const TShownBox box = boxes.Boxes()[0];
  EXPECT_EQ(box.Text, L"Vous avez réussi !");
  EXPECT_EQ(box.Caption, L"Félicitations");
  EXPECT_EQ(box.Icon, nullptr);
  EXPECT_EQ(box.Buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(form1->Board().GameActive());
  const std::wstring count = StatusText(StatusBar(), 0);
  EXPECT_NE(count, L"Joués : 0");

  // Play goes on, counted, with no further congratulation.
  RealClick(TileInSlot(kNext[GapSlot()]));
  EXPECT_NE(StatusText(StatusBar(), 0), count);
  Pump(200);
  EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(MainFormTest, AShuffleThatEndsInOrderIsCongratulatedAtTheFirstClick) {
  TBoxAnswerer boxes;
  UseTwoByTwo();
  // About one 2 x 2 shuffle in six ends in order; the clock seeds each one.
  for (int game = 0; game < 300; ++game) {
    ClickMenu(L"Nouvellepartie1");
    if (form1->Board().IsSolved()) break;
  }
  ASSERT_TRUE(form1->Board().IsSolved()) << "no shuffle ended in order";
  ASSERT_TRUE(form1->Board().GameActive());
  EXPECT_EQ(boxes.Count(), 0u);

  SendMessageW(TileInSlot(1), BM_CLICK, 0, 0);  // cannot move
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, L"Vous avez réussi !");
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 0");
  EXPECT_FALSE(form1->Board().GameActive());
  SendMessageW(TileInSlot(1), BM_CLICK, 0, 0);
  Pump(200);
  EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(MainFormTest, SolveRestoresOrderKeepsCountAndLeavesNoWindowBehind) {
  RealClick(Tile(L"24"));
  RealClick(Tile(L"19"));
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 2");
  for (int i = 0; i < 3; ++i) ClickMenu(L"Rsoudre1");
  EXPECT_EQ(ChildrenOfClass(form1->Handle(), L"Button").size(), 25u);
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 2");
  for (int n = 1; n <= 24; ++n) EXPECT_TRUE(IsWindowVisible(Tile(std::to_wstring(n)))) << n;
  EXPECT_FALSE(IsWindowVisible(Tile(L"25")));
  RealClick(Tile(L"24"));
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 3");
}

TEST_F(MainFormTest, NewGameShowsTheShuffledBoardAndResetsTheCount) {
  RealClick(Tile(L"24"));
  SetFocus(Tile(L"1"));
  ASSERT_EQ(GetFocus(), Tile(L"1"));
  ClickMenu(L"Nouvellepartie1");
  EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : 0");
  EXPECT_EQ(ShownTiles().size(), 24u);
  EXPECT_TRUE(form1->Board().GameActive());
  // Each slot's button shows the tile the board holds there; the gap's is
  // hidden.
  for (int n = 1; n <= 25; ++n) {
    const int tile = form1->Board().Slot(n).Tile;
    EXPECT_EQ(IsWindowVisible(TileInSlot(n)) != 0, tile != 0) << n;
    if (tile != 0) {
      EXPECT_EQ(TextOf(TileInSlot(n)), std::to_wstring(tile)) << n;
    }
  }
  // No tile keeps the focus: Space would move a tile the player never chose.
  EXPECT_EQ(GetFocus(), form1->Handle());
}

TEST_F(MainFormTest, QuitFreesTheBoardAndEndsTheLoop) {
  ClickMenu(L"Quitter1");
  EXPECT_TRUE(ChildrenOfClass(form1->Handle(), L"Button").empty());
  EXPECT_FALSE(IsWindowVisible(form1->Handle()));
  EXPECT_TRUE(Application().Terminated());
  // The test process goes on: clear the quit message the loop would take.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

// Pixels of a window's client area on the screen that differ from what the
// window paints itself, leaving out what its sibling tiles cover.
int StaleScreenPixels(HWND window, const std::vector<HWND>& covering) {
  RECT client;
  GetClientRect(window, &client);
  // Printing paints no background: the windows' own is the button face.
  TPixelCapture painted(client.right, client.bottom, GetSysColor(COLOR_BTNFACE));
  painted.PrintClient(window);
  TPixelCapture screen(client.right, client.bottom, RGB(0, 255, 0));
  screen.CopyScreen(window);
  std::vector<RECT> covered;
  for (HWND tile : covering) {
    RECT r;
    GetWindowRect(tile, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    covered.push_back(r);
  }
  int stale = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      bool hidden = false;
      for (const RECT& r : covered) hidden = hidden || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
      if (!hidden && screen.Pixel(x, y) != painted.Pixel(x, y)) ++stale;
    }
  return stale;
}

TEST_F(MainFormTest, AGrownWindowLeavesNoOldDrawingBehind) {
  // As « Configurer » does it: eight columns, then eight rows.
  for (const TGridConfiguration config : {TGridConfiguration{5, 8, 400}, TGridConfiguration{8, 8, 640}}) {
    form1->FreeBoard();
    form1->SetConfiguration(config);
    form1->BuildBoard();
    // Drawn once the paints are through, which a loaded machine delays.
    EXPECT_TRUE(PumpUntil([&] { return StaleScreenPixels(StatusBar(), {}) == 0; }, 5000))
        << config.Rows << " x " << config.Cols << ": " << StaleScreenPixels(StatusBar(), {});
    EXPECT_TRUE(PumpUntil([&] { return StaleScreenPixels(form1->Panel1->Handle(), ShownTiles()) == 0; }, 5000))
        << config.Rows << " x " << config.Cols << ": " << StaleScreenPixels(form1->Panel1->Handle(), ShownTiles());
  }
}

TEST_F(MainFormTest, EnterClicksTheFocusedTileWhateverStyleTabLeftOnIt) {
  HWND tile = Tile(L"24");
  SetForegroundWindow(form1->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form1->Handle(); }));
  SetFocus(tile);
  // Tab moves the focus through the dialog navigation, which may leave the
  // tile styled as a plain push button.
  SendMessageW(tile, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  RealKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return StatusText(StatusBar(), 0) == L"Joués : 1"; }));
}

TEST_F(MainFormTest, SpaceSlidesTheFocusedTileAndTheFocusGoesWithIt) {
  SetForegroundWindow(form1->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form1->Handle(); }));
  SetFocus(TileInSlot(24));
  // Tile 24 goes into the gap (slot 25) and back: the focus follows it, on
  // the button that shows it, each time.
  for (const auto& [from, to] : {std::pair{24, 25}, std::pair{25, 24}}) {
    RealKey(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&, to = to] { return form1->Board().Slot(to).Tile == 24; })) << from << " to " << to;
    EXPECT_EQ(GetFocus(), TileInSlot(to)) << from << " to " << to;
    EXPECT_EQ(TextOf(GetFocus()), L"24");
  }
}

// A key held down slides the focused tile once, Enter as Space: the repeats
// of a held key click nothing.
TEST_F(MainFormTest, AHeldKeySlidesTheFocusedTileOnce) {
  SetForegroundWindow(form1->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form1->Handle(); }));
  SetFocus(TileInSlot(24));
  int moves = 0;
  for (const BYTE key : {VK_RETURN, VK_SPACE}) {
    for (int press = 0; press < 4; ++press) keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    // Handled once no key is left in the thread's queue.
    ASSERT_TRUE(PumpUntil([] { return HIWORD(GetQueueStatus(QS_KEY)) == 0; }));
    Pump(20);
    EXPECT_EQ(StatusText(StatusBar(), 0), L"Joués : " + std::to_wstring(++moves)) << "held key " << int{key};
  }
}

}  // namespace
