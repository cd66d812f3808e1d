#include "Player.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

#include "Input.h"

namespace soak {

using namespace e2e;

namespace {

constexpr wchar_t kDialogTitle[] = L"Configuration";
constexpr wchar_t kAboutTitle[] = L"A propos de...";
constexpr wchar_t kBoxClass[] = L"#32770";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr wchar_t kHelpClass[] = L"HH Parent";

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The soak's own windows are served while it waits on the program.
void PumpOwn() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Waits until `done` holds, for at most `ms`.
bool WaitFor(const std::function<bool()>& done, DWORD ms) {
  return WaitUntil(done, ms, [] {
    PumpOwn();
    Sleep(1);
  });
}

// Runs a check until it holds, for at most `ms`: input reaches the program
// a moment after it is sent, and what it changes is drawn a moment later.
std::string Eventually(const TProgram& program, const std::function<std::string()>& check, DWORD ms = 1500) {
  std::string failure;
  WaitUntil([&] { return (failure = check()).empty(); }, ms, [&] {
    PumpOwn();
    Sleep(10);
    program.Settle(1);
  });
  return failure;
}

std::vector<std::wstring> FieldTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  for (HWND field : SpinFields(dialog)) texts.push_back(TextOf(field, 20000));
  return texts;
}

// The moves field as the columns field derives it: columns x rows x 10 in
// 10..1000, each read as the field reads it.
std::wstring DerivedMoves(const std::wstring& rows, const std::wstring& cols) {
  const double product = 10.0 * ReadNumber(cols).value_or(2) * ReadNumber(rows).value_or(2);
  return std::to_wstring(static_cast<int>(std::clamp(product, 10.0, 1000.0)));
}

}  // namespace

std::string TPlayer::Restart() {
  FModel = {};
  FBoxExpected = false;
  return FProgram.Start();
}

TScreen TPlayer::Observe() const {
  if (!FProgram.Running() || !FProgram.Main()) return TScreen::Gone;
  if (FProgram.Shown(kBoxClass, nullptr)) return TScreen::Box;
  if (FProgram.Shown(nullptr, kDialogTitle)) return TScreen::Dialog;
  if (FProgram.Shown(nullptr, kAboutTitle)) return TScreen::About;
  return TScreen::Main;
}

bool TPlayer::HelpOpen() const { return FProgram.Shown(kHelpClass, nullptr) != nullptr; }

HWND TPlayer::Dialog() const { return FProgram.Shown(nullptr, kDialogTitle); }

std::string TPlayer::Play(const TEvent& event) {
  if (ScreenOf(event.Kind) != Observe()) return {};
  if (event.Kind == TKind::HelpClose && !HelpOpen()) return {};
  const DWORD start = GetTickCount();
  std::string failure = Perform(event);
  if (failure.empty()) failure = Check();
  if (GetEnvironmentVariableW(L"BRELIX_SOAK_TRACE", nullptr, 0))
    std::printf("  %5lu ms  %s\n", GetTickCount() - start, event.Describe().c_str());
  return failure;
}

std::string TPlayer::Settle() const {
  PumpOwn();
  if (!FProgram.Settle()) return "the program did not answer within 2 s";
  return {};
}

std::string TPlayer::Check() {
  if (!FProgram.Running()) return "the program ended";
  if (std::string failure = Settle(); !failure.empty()) return failure;
  if (HWND box = FProgram.Shown(kBoxClass, nullptr); box && !FBoxExpected) {
    std::wstring text;
    for (HWND child : Descendants(box)) text += TextOf(child) + L" | ";
    return "unexpected message box '" + Narrow(TextOf(box)) + "': " + Narrow(text);
  }
  return Eventually(FProgram, [&] {
    Board board;
    return CheckMain(FProgram.Main(), FModel, board);
  });
}

void TPlayer::Click(POINT p, HWND pressed) {
  MouseMove(p);
  MouseButton(p, false, true);
  // The press is in Wine's queue; the pressed window takes the mouse once the
  // program handled it, and lets it go with the release.
  FPressTaken = !pressed || WaitFor([&] { FProgram.Settle(1); return FProgram.Capture() == pressed; }, 1000);
  MouseButton(p, false, false);
  FProgram.Settle();
  if (pressed) WaitFor([&] { FProgram.Settle(1); return FProgram.Capture() != pressed; }, 1000);
}

void TPlayer::CloseBox(HWND window) { Click(CloseBoxPoint(window)); }

std::string TPlayer::Perform(const TEvent& event) {
  switch (event.Kind) {
    case TKind::TileClick: return ClickTile(event);
    case TKind::TileKey: return TileKey(event);
    case TKind::MainTab:
      // Keys go to the window in front: none is pressed when the main window
      // could not be brought there (the help viewer may hold it).
      if (FProgram.Activate(FProgram.Main())) Press(VK_TAB, false, false, event.A != 0);
      return {};
    case TKind::MenuKey: return Command(static_cast<int>(event.A % 6), false);
    case TKind::MenuMouse: return Command(static_cast<int>(event.A % 6), true);
    case TKind::Resize: return Resize(event);
    case TKind::HelpClose: return CloseHelp();
    case TKind::MainClose: return CloseMain(true);
    case TKind::AboutEnd: return AboutEnd(static_cast<int>(event.A));
    case TKind::BoxEnd: return BoxEnd(static_cast<int>(event.A));
    default: return DialogEvent(event);
  }
}

// ------------------------------------------------------------ the board

std::string TPlayer::ClickTile(const TEvent& event) {
  HWND main = FProgram.Main();
  Board before;
  if (!ReadBoard(main, before)) return "the tiles do not form a grid with one hidden slot";
  const std::vector<int> movable = MovableSlots(before.tiles, before.cols);
  const int slot = event.B ? movable[event.A % movable.size()] : static_cast<int>(event.A % before.tiles.size());
  const HWND button = before.slots[static_cast<std::size_t>(slot)].button;
  const POINT p = Centre(before.slots[static_cast<std::size_t>(slot)].rect);
  // A player clicks what is in sight: a tile left outside a window made
  // smaller, or under its status bar, is not clicked.
  const HWND hit = WindowFromPoint(p);
  // Nor a frame: a press there starts dragging the border.
  if (hit != button && GetParent(hit) != main) return {};
  if (hit != button) {
    Click(p);
    return {};
  }
  Click(p, button);
  return ExpectClick(before, slot);
}

std::string TPlayer::TileKey(const TEvent& event) {
  HWND main = FProgram.Main();
  if (!FProgram.Activate(main)) return {};
  Board before;
  if (!ReadBoard(main, before)) return "the tiles do not form a grid with one hidden slot";
  const HWND focus = FProgram.Focus();
  // Space and Enter click the focused tile, whether it moves or not: on a
  // board in order during a game, that click is congratulated. Elsewhere
  // neither key does anything.
  Press(event.A ? VK_RETURN : VK_SPACE);
  for (std::size_t slot = 0; slot < before.slots.size(); ++slot)
    if (before.slots[slot].button == focus && before.tiles[slot]) return ExpectClick(before, static_cast<int>(slot));
  return {};
}

std::string TPlayer::ExpectClick(const Board& before, int slot) {
  std::vector<int> expected = before.tiles;
  const std::vector<int> movable = MovableSlots(before.tiles, before.cols);
  if (std::find(movable.begin(), movable.end(), slot) != movable.end()) {
    const auto gap = std::find(expected.begin(), expected.end(), 0);
    std::iter_swap(gap, expected.begin() + slot);
    ++FModel.Count;
  }
  Board solvedCheck = before;
  solvedCheck.tiles = expected;
  if (FModel.Game && IsSolved(solvedCheck)) {
    FBoxExpected = true;
    if (!WaitFor([&] { return FProgram.Shown(kBoxClass, nullptr) != nullptr; }, 3000))
      return "a game put back in order was not congratulated";
  }
  if (std::string failure = Settle(); !failure.empty()) return failure;
  return Eventually(FProgram, [&] {
    Board after;
    ReadBoard(FProgram.Main(), after);
    if (after.tiles == expected) return std::string();
    std::string text = "the board after a click on slot " + std::to_string(slot + 1) +
                       " is not the one the move rule gives: before, expected, shown:";
    for (const std::vector<int>* tiles : {&before.tiles, static_cast<const std::vector<int>*>(&expected), static_cast<const std::vector<int>*>(&after.tiles)}) {
      text += "\n   ";
      for (int t : *tiles) text += " " + std::to_string(t);
    }
    return text + "\n    the tile " + (FPressTaken ? "took" : "never took") + " the mouse on the press; capture now " +
           std::to_string(reinterpret_cast<std::uintptr_t>(FProgram.Capture()));
  });
}

// ------------------------------------------------------------ menus

POINT TPlayer::MenuBarPoint(int bar) {
  HWND main = FProgram.Main();
  const RECT r = ScreenRect(main);
  POINT client{0, 0};
  ClientToScreen(main, &client);
  if (FBarOffset[bar] < 0) {
    // Where each menu of the bar starts: its drop-down opens under it.
    for (int i = 0; i < 3; ++i) {
      bool open = false;
      for (int attempt = 0; attempt < 3 && !open; ++attempt) {
        if (attempt) Press(VK_ESCAPE);
        FProgram.Activate(main);
        Press("FOA"[i], true);
        open = WaitFor([&] { return FProgram.Shown(kMenuClass, nullptr) != nullptr; }, 2000);
      }
      if (!open) return {-1, -1};
      const RECT popup = ScreenRect(FProgram.Shown(kMenuClass, nullptr));
      FBarOffset[i] = popup.left - r.left;
      FPopupWidth[i] = popup.right - popup.left;
      if (GetEnvironmentVariableW(L"BRELIX_SOAK_TRACE", nullptr, 0))
        std::printf("  menu %d: popup %ld %ld %ld %ld, window %ld %ld\n", i, popup.left, popup.top, popup.right,
                    popup.bottom, r.left, r.top);
      Press(VK_ESCAPE);
      Press(VK_ESCAPE);
      WaitFor([&] { return FProgram.Shown(kMenuClass, nullptr) == nullptr; }, 2000);
    }
    FProgram.Settle();
  }
  return {r.left + FBarOffset[bar] + 8, client.y - GetSystemMetrics(SM_CYMENU) / 2};
}

bool TPlayer::OpenMenu(int bar, bool mouse) {
  HWND main = FProgram.Main();
  // A bar that a narrowed window wrapped onto two lines is opened by keyboard.
  const RECT r = ScreenRect(main);
  POINT client{0, 0};
  ClientToScreen(main, &client);
  RECT clientRect{};
  GetClientRect(main, &clientRect);
  const int frame = ((r.right - r.left) - clientRect.right) / 2;
  if (client.y - (r.top + frame + GetSystemMetrics(SM_CYCAPTION)) > GetSystemMetrics(SM_CYMENU) + 3) mouse = false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    FProgram.Activate(main);
    if (mouse) {
      const POINT p = MenuBarPoint(bar);
      if (p.x < 0) return false;
      Click(p);
      // The menu that opened is known by its width; a click that opened
      // another one (the pointer on the border of two) is taken back.
      if (WaitFor([&] { return FProgram.Shown(kMenuClass, nullptr) != nullptr && FProgram.InMenu(); }, 2000)) {
        const RECT popup = ScreenRect(FProgram.Shown(kMenuClass, nullptr));
        if (popup.right - popup.left == FPopupWidth[bar]) return true;
        std::printf("  (the mouse opened a menu %ld wide, not menu %d)\n", popup.right - popup.left, bar);
      }
      Press(VK_ESCAPE);
      Press(VK_ESCAPE);
      mouse = false;
      continue;
    } else {
      Press("FOA"[bar], true);
    }
    if (WaitFor([&] { return FProgram.Shown(kMenuClass, nullptr) != nullptr && FProgram.InMenu(); }, 2000))
      return true;
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
  }
  return false;
}

std::string TPlayer::Command(int command, bool mouse) {
  const TCommand& c = kCommands[command];
  if (!OpenMenu(c.Bar, mouse)) return std::string("the menu of ") + c.Name + " did not open";
  const HWND popup = FProgram.Shown(kMenuClass, nullptr);
  if (mouse) {
    const RECT r = ScreenRect(popup);
    Click({(r.left + r.right) / 2, c.Row == 0 ? r.top + (r.bottom - r.top) / 4 : r.top + (r.bottom - r.top) * 4 / 5});
  } else {
    Press(static_cast<WORD>(c.Item));
  }
  const DWORD t0 = GetTickCount();
  if (!WaitFor([&] { return (!IsWindow(popup) || !IsWindowVisible(popup)) && !FProgram.InMenu(); }, 3000))
    return std::string("the menu stayed open after ") + c.Name;
  if (GetEnvironmentVariableW(L"BRELIX_SOAK_TRACE", nullptr, 0))
    std::printf("  menu closed after %lu ms (visible %d, in menu %d)\n", GetTickCount() - t0, IsWindow(popup) && IsWindowVisible(popup), FProgram.InMenu());
  return AfterCommand(command);
}

std::string TPlayer::AfterCommand(int command) {
  if (command == cmdQuit) return ExpectExit();
  if (std::string failure = Settle(); !failure.empty()) return failure;
  switch (command) {
    case cmdNew:
      FModel.Count = 0;
      FModel.Game = true;
      return {};
    case cmdSolve: {
      FModel.Rebuilt();
      return Eventually(FProgram, [&] {
        Board board;
        ReadBoard(FProgram.Main(), board);
        return IsSolved(board) ? std::string() : "« Résoudre la grille » left the tiles out of order";
      });
    }
    case cmdConfigure: {
      if (!WaitFor([&] { return Dialog() != nullptr; }, 3000)) return "the configuration dialog did not open";
      const std::vector<std::wstring> texts = FieldTexts(Dialog());
      if (texts.size() != 3) return "the dialog shows " + std::to_string(texts.size()) + " fields";
      if (FieldValue(texts[0], 2, 10) != FModel.Rows || FieldValue(texts[1], 2, 10) != FModel.Cols ||
          FieldValue(texts[2], 10, 1000) != FModel.Moves)
        return "the dialog opens on '" + Narrow(texts[0]) + "' '" + Narrow(texts[1]) + "' '" + Narrow(texts[2]) +
               "', not on the grid " + std::to_string(FModel.Rows) + " " + std::to_string(FModel.Cols) + " " +
               std::to_string(FModel.Moves);
      return {};
    }
    case cmdHelp:
      if (!WaitFor([&] { return HelpOpen() || FProgram.Shown(kBoxClass, nullptr); }, 10000))
        return "the help viewer did not open";
      if (FProgram.Shown(kBoxClass, nullptr)) FBoxExpected = true;  // no help engine: a box says so
      return {};
    case cmdAbout:
      if (!WaitFor([&] { return FProgram.Shown(nullptr, kAboutTitle) != nullptr; }, 3000))
        return "the About box did not open";
      return {};
  }
  return {};
}

std::string TPlayer::ExpectExit() {
  DWORD code = 0;
  if (!FProgram.WaitExit(5000, code)) return "the program did not end";
  if (code != 0) return "the program ended with exit code " + std::to_string(code);
  return Restart();
}

std::string TPlayer::CloseMain(bool) {
  // A close box that another window (the help viewer) covers is not clicked.
  const POINT p = CloseBoxPoint(FProgram.Main());
  if (GetAncestor(WindowFromPoint(p), GA_ROOT) != FProgram.Main()) return {};
  Click(p);
  return ExpectExit();
}

std::string TPlayer::CloseHelp() {
  HWND help = FProgram.Shown(kHelpClass, nullptr);
  FProgram.Activate(help);
  Press(VK_F4, true);
  if (!WaitFor([&] { return !HelpOpen(); }, 5000)) return "the help viewer did not close";
  return {};
}

std::string TPlayer::Resize(const TEvent& event) {
  HWND main = FProgram.Main();
  const RECT r = ScreenRect(main);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const POINT from{r.right - 2, r.bottom - 2};
  const POINT to{std::clamp<LONG>(from.x + static_cast<int>(event.A) - 150, 0, w - 1),
                 std::clamp<LONG>(from.y + static_cast<int>(event.B) - 150, 0, h - 1)};
  MouseMove(from);
  MouseButton(from, false, true);
  FProgram.Settle(1);
  MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
  MouseMove(to);
  FProgram.Settle(1);
  MouseButton(to, false, false);
  // The border's drag holds the mouse until the button goes up.
  WaitFor([&] { FProgram.Settle(1); return FProgram.Capture() == nullptr; }, 2000);
  if (std::string failure = Settle(); !failure.empty()) return failure;
  // The pointer is taken off the border: a later press must not find it there.
  MouseMove({w / 2, h - 10});
  FProgram.Settle();
  const RECT now = ScreenRect(main);
  const SIZE size{now.right - now.left, now.bottom - now.top};
  if (size.cx != r.right - r.left || size.cy != r.bottom - r.top) FModel.UserSize = size;
  return {};
}

// ------------------------------------------------------------ dialog

std::string TPlayer::DialogEvent(const TEvent& event) {
  HWND dialog = Dialog();
  FProgram.Activate(dialog);
  const std::vector<HWND> fields = SpinFields(dialog);
  if (fields.size() != 3) return "the dialog shows " + std::to_string(fields.size()) + " fields";
  const std::vector<std::wstring> before = FieldTexts(dialog);
  const HWND focus = FProgram.Focus();
  int touched = static_cast<int>(std::find(fields.begin(), fields.end(), focus) - fields.begin());
  const HWND field = fields[event.A % 3];
  const RECT fr = ScreenRect(field);
  const POINT inField{fr.left + 8, (fr.top + fr.bottom) / 2};
  switch (event.Kind) {
    case TKind::FieldClick:
      touched = static_cast<int>(event.A % 3);
      Click(inField, field);
      break;
    case TKind::FieldType:
      touched = static_cast<int>(event.A % 3);
      Click(inField, field);
      TypeText(TypedText(event.B));
      break;
    case TKind::FieldPaste:
      touched = static_cast<int>(event.A % 3);
      if (!SetClipboardText(PasteText(event.B, event.C))) return {};
      Click(inField, field);
      Press(VK_HOME, false, true);
      Press(VK_END, false, true, true);
      Press('V', false, true);
      break;
    case TKind::FieldClear:
      touched = static_cast<int>(event.A % 3);
      Click(inField, field);
      Press(VK_HOME, false, true);
      Press(VK_END, false, true, true);
      Press(VK_DELETE);
      break;
    case TKind::ArrowHold:
      touched = static_cast<int>(event.A / 2 % 3);
      if (std::string failure = HoldArrow(dialog, event); !failure.empty()) return failure;
      break;
    case TKind::DialogTab: Press(VK_TAB, false, false, event.A != 0); break;
    case TKind::DialogStep: Press(event.A % 2 ? VK_DOWN : VK_UP, event.A >= 2); break;
    case TKind::DialogKey: {
      const std::wstring focusText = focus && IsClass(focus, L"Button") ? TextOf(focus) : L"";
      Press(event.A == 0 ? VK_RETURN : event.A == 1 ? VK_SPACE : VK_ESCAPE);
      // Enter and Space click a focused button; nothing else ends the dialog.
      if (event.A < 2 && (focusText == L"&Configurer" || focusText == L"&Fermer")) {
        if (!WaitFor([&] { return Dialog() == nullptr; }, 3000)) return "the dialog stayed open";
        return DialogEnded(focusText == L"&Configurer");
      }
      break;
    }
    case TKind::DialogEnd: return EndDialog(dialog, static_cast<int>(event.A % 6));
    default: break;
  }
  if (std::string failure = Settle(); !failure.empty()) return failure;
  if (!Dialog()) return "the dialog closed by itself";
  // Typed keys may still be on their way through the fields: read until the
  // fields agree, as each key leaves them.
  return Eventually(FProgram, [&] {
    const std::vector<std::wstring> after = FieldTexts(dialog);
    // A change of the columns derives the moves, from the rows as they read.
    if (after.size() == 3 && after[1] != before[1] && after[0] == before[0] && touched != 2 &&
        after[2] != DerivedMoves(after[0], after[1]))
      return "columns '" + Narrow(after[1]) + "' with rows '" + Narrow(after[0]) + "' show moves '" +
             Narrow(after[2]) + "' (before: '" + Narrow(before[0]) + "' '" + Narrow(before[1]) + "' '" +
             Narrow(before[2]) + "', focus in field " + std::to_string(touched) + ")";
    return std::string();
  });
}

std::string TPlayer::HoldArrow(HWND dialog, const TEvent& event) {
  const HWND field = SpinFields(dialog)[event.A / 2 % 3];
  const HWND pair = ArrowPair(field);
  const RECT pr = ScreenRect(pair);
  const int h = pr.bottom - pr.top;
  const POINT p{(pr.left + pr.right) / 2, pr.top + (event.A % 2 ? h * 3 / 4 : h / 4)};
  MouseMove(p);
  MouseButton(p, false, true);
  WaitFor([&] { FProgram.Settle(1); return FProgram.Capture() == pair; }, 1000);
  WaitUntil([] { return false; }, event.B, [] {  // the arrow held that long
    PumpOwn();
    Sleep(10);
  });
  switch (event.C) {
    case aeReleaseOff: {
      const RECT dr = ScreenRect(dialog);
      const POINT off{dr.left + 12, (pr.top + pr.bottom) / 2};
      MouseMove(off);
      FProgram.Settle();
      MouseButton(off, false, false);
      break;
    }
    case aeOtherWindow:
      // Another window comes to the front while the arrow is held down.
      SetForegroundWindow(FOther);
      WaitFor([&] { return GetForegroundWindow() == FOther; }, 1000);
      FProgram.Settle();
      MouseButton(p, false, false);
      FProgram.Settle();
      FProgram.Activate(dialog);
      break;
    case aeRightButton:
      MouseButton(p, true, true);
      FProgram.Settle();
      MouseButton(p, true, false);
      FProgram.Settle();
      MouseButton(p, false, false);
      break;
    case aeEscape:
      Press(VK_ESCAPE);
      FProgram.Settle();
      MouseButton(p, false, false);
      break;
    default: MouseButton(p, false, false); break;
  }
  if (std::string failure = Settle(); !failure.empty()) return failure;
  if (!WaitFor([&] { FProgram.Settle(1); return FProgram.Capture() != pair; }, 1000))
    return "the arrows keep the mouse after the button was let go";
  if (event.B < 300 && event.C == aeRelease) return {};
  // Let go, the arrow must not step again (it would within one repeat, 100 ms).
  const std::wstring first = TextOf(field, 20000);
  WaitFor([] { return false; }, 150);
  if (std::string failure = Settle(); !failure.empty()) return failure;
  if (TextOf(field, 20000) != first)
    return "the field keeps stepping after its arrow was let go ('" + Narrow(first) + "' became '" +
           Narrow(TextOf(field)) + "')";
  return {};
}

std::string TPlayer::EndDialog(HWND dialog, int way) {
  switch (way) {
    case 0: Click(Centre(ScreenRect(ChildWithText(dialog, L"&Configurer"))), ChildWithText(dialog, L"&Configurer")); break;
    case 1: Press('C', true); break;
    case 2: Click(Centre(ScreenRect(ChildWithText(dialog, L"&Fermer"))), ChildWithText(dialog, L"&Fermer")); break;
    case 3: Press('F', true); break;
    case 4: CloseBox(dialog); break;
    default: Press(VK_F4, true); break;
  }
  if (!WaitFor([&] { return Dialog() == nullptr; }, 3000)) {
    const POINT p = CloseBoxPoint(dialog);
    const HWND hit = WindowFromPoint(p);
    const RECT r = ScreenRect(dialog);
    return "the dialog stayed open (dialog at " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + "; close box point " + std::to_string(p.x) + "," +
           std::to_string(p.y) + " over '" + Narrow(ClassOf(hit)) + "' '" + Narrow(TextOf(hit)) + "' of root '" +
           Narrow(ClassOf(GetAncestor(hit, GA_ROOT))) + "'; in front '" + Narrow(ClassOf(GetForegroundWindow())) +
           "' '" + Narrow(TextOf(GetForegroundWindow())) + "'; help open " + std::to_string(HelpOpen()) + ")";
  }
  return DialogEnded(way != 2 && way != 3);
}

std::string TPlayer::DialogEnded(bool applied) {
  if (std::string failure = Settle(); !failure.empty()) return failure;
  const std::vector<std::wstring> texts = FieldTexts(FProgram.Find(kDialogTitle));
  if (texts.size() != 3) return "the hidden dialog holds " + std::to_string(texts.size()) + " fields";
  if (applied) {
    FModel.Rows = FieldValue(texts[0], 2, 10);
    FModel.Cols = FieldValue(texts[1], 2, 10);
    FModel.Moves = FieldValue(texts[2], 10, 1000);
    FModel.Rebuilt();
    return Eventually(FProgram, [&] {
      Board board;
      ReadBoard(FProgram.Main(), board);
      return IsSolved(board) ? std::string() : "an applied configuration left the tiles out of order";
    });
  }
  if (texts[0] != std::to_wstring(FModel.Rows) || texts[1] != std::to_wstring(FModel.Cols) ||
      texts[2] != std::to_wstring(FModel.Moves))
    return "« Fermer » left the fields at '" + Narrow(texts[0]) + "' '" + Narrow(texts[1]) + "' '" +
           Narrow(texts[2]) + "'";
  return {};
}

// ------------------------------------------------------------ About box, message box

std::string TPlayer::AboutEnd(int way) {
  HWND about = FProgram.Shown(nullptr, kAboutTitle);
  FProgram.Activate(about);
  switch (way) {
    case 0: Press(VK_RETURN); break;
    case 1: Press(VK_SPACE); break;
    case 2: Click(Centre(ScreenRect(ChildWithText(about, L"OK"))), ChildWithText(about, L"OK")); break;
    case 3: CloseBox(about); break;
    default: Press(VK_F4, true); break;
  }
  if (!WaitFor([&] { return FProgram.Shown(nullptr, kAboutTitle) == nullptr; }, 3000))
    return "the About box stayed open";
  return {};
}

std::string TPlayer::BoxEnd(int way) {
  HWND box = FProgram.Shown(kBoxClass, nullptr);
  const bool congratulation = TextOf(box) == L"Félicitations";
  FProgram.Activate(box);
  switch (way) {
    case 0: Press(VK_RETURN); break;
    case 1: Press(VK_SPACE); break;
    case 2: Click(Centre(ScreenRect(ChildWithText(box, L"OK"))), ChildWithText(box, L"OK")); break;
    default: Press(VK_ESCAPE); break;
  }
  if (!WaitFor([&] { return FProgram.Shown(kBoxClass, nullptr) == nullptr; }, 3000))
    return "the message box stayed open";
  FBoxExpected = false;
  if (congratulation) {
    FModel.Game = false;
    ++FCongratulations;
  }
  return {};
}

}  // namespace soak
