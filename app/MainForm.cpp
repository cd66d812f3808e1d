#include "MainForm.h"

#include "Errors.h"
#include <string>

#include "Application.h"
#include "BoardGeometry.h"
#include "Seed.h"
#include "Strings.h"
#include "Texts.h"
#include "hh.h"
#include "resource.h"

TForm1::TForm1(TComponent* owner) : TForm(owner), FBoard(ClockSeed) {}

void TForm1::AfterConstruction() {
  LoadLayout(RESOURCE_NAME(RES_MAIN_LAYOUT));
  HandleNeeded();  // the board is laid out on the real board area
  StatusBar1 = &Find<TStatusBar>(L"StatusBar1");
  Panel1 = &Find<TPanel>(L"Panel1");
  AboutBox1 = &Find<TAboutBox>(L"AboutBox1");
  auto bind = [this](const wchar_t* item, void (TForm1::*handler)(TComponent*)) {
    Find<TMenuItem>(item).OnClick = [this, handler](TComponent* sender) {
      RunCommand([&] { (this->*handler)(sender); });
    };
  };
  bind(L"Nouvellepartie1", &TForm1::Nouvellepartie1Click);
  bind(L"Quitter1", &TForm1::Quitter1Click);
  bind(L"Configurer1", &TForm1::Configurer1Click);
  bind(L"Rsoudre1", &TForm1::Rsoudre1Click);
  bind(L"Rubriquesdelaide1", &TForm1::Rubriquesdelaide1Click);
  bind(L"Aproposde1", &TForm1::Aproposde1Click);
  FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

TComponent* TForm1::CreateComponent(const std::string& className) {
  if (className == "TAboutBox") return &Create<TAboutBox>(*this);
  return TForm::CreateComponent(className);
}

void TForm1::FormCreate() {
  FBoard.SetConfiguration(kDefaultRows, kDefaultCols, kDefaultShuffleMoves);
  FBoard.SetMoveCount(0);
  ShowMoveCount();
  StatusBar1->SetPanelText(1, LoadText(IDS_MAKERS_NOTICE));
  BuildBoard();
}

void TForm1::FormDestroy() {
  // Help windows belong to the desktop, not to this window: close them while
  // the engine is still loaded.
  if (THtmlHelpA htmlHelp = HtmlHelp()) htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

void TForm1::Nouvellepartie1Click(TComponent*) {
  FBoard.Shuffle();
  TakeFocusFromTiles();
  const TRedrawLock oneRepaint(Handle());
  ShowTiles();
  ShowMoveCount();
}

void TForm1::Quitter1Click(TComponent*) {
  FreeBoard();
  Close();
}

TGridConfiguration TForm1::Configuration() const {
  return {FBoard.Rows(), FBoard.Cols(), FBoard.ShuffleMoves()};
}

void TForm1::SetConfiguration(const TGridConfiguration& values) {
  FBoard.SetConfiguration(values.Rows, values.Cols, values.ShuffleMoves);
}

void TForm1::Configurer1Click(TComponent*) {
  if (!FConfigDialog || FConfigDialog->ShowModal() < TForm2::mrApply) return;
  const TRedrawLock oneRepaint(Handle());
  FreeBoard();
  SetConfiguration(FConfigDialog->Values());
  BuildBoard();
}

// Frees and builds rather than rearranging: the board comes back with a
// fresh set of buttons and the window at its computed size.
void TForm1::Rsoudre1Click(TComponent*) {
  const TRedrawLock oneRepaint(Handle());
  FreeBoard();
  BuildBoard();
}

void TForm1::Rubriquesdelaide1Click(TComponent*) {
  THtmlHelpA htmlHelp = HtmlHelp();
  if (!htmlHelp) {
    ShowHelpProblem(IDS_NO_HELP_ENGINE);
    return;
  }
  // A folder too deep, or named outside the ANSI code page where there are
  // no short names: the engine could not even be told which file to open.
  const std::string path = HelpFilePath();
  if (path.empty()) {
    ShowHelpProblem(IDS_HELP_FILE_PATH);
    return;
  }
  // The viewer belongs to the desktop, so it stays usable beside the game.
  // The engine itself tells the player about a help file it cannot open.
  htmlHelp(GetDesktopWindow(), path.c_str(), HH_DISPLAY_TOPIC, 0);
}

void TForm1::ShowHelpProblem(UINT textId) {
  Application().ShowMessageBox(Handle(), LoadText(textId), Application().Title(), MB_OK | MB_ICONINFORMATION);
}

void TForm1::Aproposde1Click(TComponent*) { AboutBox1->Execute(); }

void TForm1::Button1Click(TComponent* sender) {
  for (std::int32_t n = 1; n <= FBoard.SlotCount(); ++n) {
    const TTile& tile = FTileButtons[static_cast<std::size_t>(n - 1)];
    if (tile.Button != sender) continue;
    // A tile moved from the keyboard keeps the focus: it goes with the tile
    // into the slot that was the gap, whose button now shows it.
    const bool focused = tile.Button->Focused();
    std::int32_t gap = 1;
    while (gap < FBoard.SlotCount() && FBoard.Slot(gap).Tile != 0) ++gap;
    if (FBoard.TryMoveTile(n)) {
      ShowTiles(focused ? gap : 0);
      ShowMoveCount();
    }
    break;
  }
  // After every click in a game, moved or not: a shuffle that ends in order
  // is congratulated at the first click.
  if (FBoard.GameActive()) CheckSolved();
}

void TForm1::CheckSolved() {
  if (!FBoard.IsSolved()) return;
  Application().ShowMessageBox(Handle(), LoadText(IDS_SOLVED_TEXT), LoadText(IDS_SOLVED_CAPTION), MB_OK);
  FBoard.EndGame();
}

// ------------------------------------------------------------ tile buttons

void TForm1::BuildBoard() {
  // A second set of buttons would orphan the first on the window.
  if (!FTileButtons.empty()) throw EUserError(IDS_ERROR_UNEXPECTED, "TForm1::BuildBoard: a board already exists");
  // Height first, then width; the board area is then read as laid out for
  // the new size.
  const TWindowSize design = BoardWindowSize(FBoard.Rows(), FBoard.Cols());
  const SIZE size = OuterSizeAt({design.Width, design.Height}, kDesignDpi, Dpi());
  SetBounds(Left(), Top(), Width(), size.cy);
  SetBounds(Left(), Top(), size.cx, Height());
  FBoard.Build();
  try {
    FTileButtons.reserve(static_cast<std::size_t>(FBoard.SlotCount()));
    for (std::int32_t n = 1; n <= FBoard.SlotCount(); ++n) CreateTileButton(n);
  } catch (...) {
    FreeBoard();  // whatever was created goes with the board
    throw;
  }
  // The board area stays under the tiles, where the mouse cannot reach it.
  Panel1->SendToBack();
}

namespace {

// A tile: a push button whose only message, its click, reaches the window
// through its parent; left out of the message handlers, it is made and
// destroyed faster, which a whole board of them needs.
class TTileButton : public TButton {
 public:
  using TButton::TButton;

 protected:
  void CreateParams(TCreateParams& params) override {
    TButton::CreateParams(params);
    params.Subclass = false;
  }
};

}  // namespace

void TForm1::CreateTileButton(std::int32_t n) {
  auto& button = Create<TTileButton>(*this);
  FTileButtons.push_back({&button, n});
  PlaceTile(n);
  button.SetText(DecimalText(n));
  button.SetVisible(n < FBoard.SlotCount());  // the gap's is made hidden; its caption stays the number
  button.OnClick = [this](TComponent* sender) {
    RunCommand([&] { Button1Click(sender); });
  };
  button.SetParent(this);
}

void TForm1::PlaceTile(std::int32_t n) {
  const TTileBounds bounds = TileBounds(n, FBoard.Rows(), FBoard.Cols(), Panel1->Width(), Panel1->Height(), Dpi());
  FTileButtons[static_cast<std::size_t>(n - 1)].Button->SetBounds(bounds.Left, bounds.Top, bounds.Width,
                                                                  bounds.Height);
}

void TForm1::FreeBoard() {
  for (const TTile& tile : FTileButtons) FreeComponent(tile.Button);
  std::vector<TTile>().swap(FTileButtons);
  FBoard.Free();
}

void TForm1::ShowTiles(std::int32_t focusSlot) {
  for (std::int32_t n = 1; n <= FBoard.SlotCount(); ++n) {
    TTile& tile = FTileButtons[static_cast<std::size_t>(n - 1)];
    const std::int32_t number = FBoard.Slot(n).Tile;
    if (number == 0) continue;
    if (number != tile.Caption) {
      tile.Button->SetText(DecimalText(number));
      tile.Caption = number;
    }
    if (!tile.Button->Visible()) tile.Button->SetVisible(true);
  }
  // Hiding the focused button would leave the focus on the bare window.
  if (focusSlot > 0) FTileButtons[static_cast<std::size_t>(focusSlot - 1)].Button->SetFocus();
  for (std::int32_t n = 1; n <= FBoard.SlotCount(); ++n) {
    TTile& tile = FTileButtons[static_cast<std::size_t>(n - 1)];
    if (FBoard.Slot(n).Tile == 0 && tile.Button->Visible()) tile.Button->SetVisible(false);
  }
}

// A new game leaves no tile with the keyboard focus: the focused button now
// bears another number, and Space would move a tile the player never chose.
void TForm1::TakeFocusFromTiles() {
  const HWND focus = GetFocus();
  for (const TTile& tile : FTileButtons) {
    if (tile.Button->Handle() == focus) {
      SetFocus();
      return;
    }
  }
}

void TForm1::ShowBoard() noexcept {
  try {
    if (FTileButtons.size() == static_cast<std::size_t>(FBoard.SlotCount())) ShowTiles();
    ShowMoveCount();
  } catch (...) {
    // The failure that brought us here has been reported; this one would
    // tell the player nothing more.
  }
}

void TForm1::ShowMoveCount() {
  StatusBar1->SetPanelText(0, FormatText(IDS_MOVE_STATUS, {DecimalText(FBoard.MoveCount())}));
}
