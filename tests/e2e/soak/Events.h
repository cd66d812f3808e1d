#pragma once
// The soak's events: what a player does, chosen at random for the window
// that is in front, and replayable as a list.

#include <cstdint>
#include <random>
#include <string>

namespace soak {

// Which of the program's windows takes the player's input.
enum class TScreen { Main, Dialog, About, Box, Gone };

enum class TKind : std::uint8_t {
  // main window
  TileClick,  // a: choice of slot, b: 1 to choose among the gap's neighbours
  TileKey,    // a: 0 Space, 1 Enter on the focused control
  MainTab,    // a: 1 with Shift
  MenuKey,    // a: command (see kCommands)
  MenuMouse,  // a: command
  Resize,     // a, b: pixels dragged right and down from the lower-right corner, as 0..300 for -150..150
  HelpClose,  // Alt+F4 on the help viewer
  MainClose,  // the main window's close box
  // configuration dialog
  FieldClick,  // a: field 0..2
  FieldType,   // a: field, b: text (kTypedTexts)
  FieldPaste,  // a: field, b: text (see PasteText), c: seed of garbage
  FieldClear,  // a: field
  ArrowHold,   // a: field * 2 + lower arrow, b: milliseconds held, c: ending (see ArrowEnding)
  DialogTab,   // a: 1 with Shift
  DialogStep,  // a: 0 Up, 1 Down, 2 Alt+Up, 3 Alt+Down
  DialogKey,   // a: 0 Enter, 1 Space, 2 Escape
  DialogEnd,   // a: 0 click Configurer, 1 Alt+C, 2 click Fermer, 3 Alt+F, 4 close box, 5 Alt+F4
  // About box and message box
  AboutEnd,  // a: 0 Enter, 1 Space, 2 click OK, 3 close box, 4 Alt+F4
  BoxEnd,    // a: 0 Enter, 1 Space, 2 click OK, 3 Escape
  Last = BoxEnd,
};

struct TEvent {
  TKind Kind;
  std::uint32_t A = 0, B = 0, C = 0;
  std::string Describe() const;
};

// The screen an event is meant for.
TScreen ScreenOf(TKind kind);

struct TCommand {
  const char* Name;
  char Menu, Item;  // the underlined letters
  int Bar, Row;     // which menu of the bar; upper (0) or lower (1) item of its drop-down
};
inline constexpr TCommand kCommands[] = {
    {"Fichier > Nouvelle partie", 'F', 'N', 0, 0},  {"Fichier > Quitter", 'F', 'Q', 0, 1},
    {"Outils > Configurer la grille", 'O', 'C', 1, 0}, {"Outils > Résoudre la grille", 'O', 'R', 1, 1},
    {"Aide > Rubriques de l'aide", 'A', 'R', 2, 0},  {"Aide > A propos de", 'A', 'P', 2, 1},
};
enum TCommandId { cmdNew, cmdQuit, cmdConfigure, cmdSolve, cmdHelp, cmdAbout };

enum TArrowEnding { aeRelease, aeReleaseOff, aeOtherWindow, aeRightButton, aeEscape, aeCount };

// Text typed into a field (characters the field refuses included), and text
// pasted into one.
std::wstring TypedText(std::uint32_t index);
std::wstring PasteText(std::uint32_t index, std::uint32_t seed);

// A random event for the screen in front; `helpOpen` when the help viewer
// is shown.
TEvent Generate(std::mt19937& random, TScreen screen, bool helpOpen);

}  // namespace soak
