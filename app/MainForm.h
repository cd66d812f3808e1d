#pragma once
// The main window: the board, its menu and its status bar. It owns the tile
// buttons and shows the board's state on them.

#include <cstdint>
#include <vector>

#include "About.h"
#include "Board.h"
#include "ConfigForm.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  const TBoard& Board() const { return FBoard; }
  // Slot n's push button (1..Rows*Cols); requires a board.
  const TButton& TileButton(std::int32_t n) const { return *FTileButtons.at(static_cast<std::size_t>(n - 1)).Button; }
  TGridConfiguration Configuration() const;
  // Takes a new configuration; only between FreeBoard and BuildBoard.
  void SetConfiguration(const TGridConfiguration& values);
  // The configuration dialog, created after this window.
  void SetConfigDialog(TForm2* dialog) { FConfigDialog = dialog; }

  // The components of the stored layout, bound once it is read.
  TStatusBar* StatusBar1 = nullptr;
  TPanel* Panel1 = nullptr;
  TAboutBox* AboutBox1 = nullptr;

  // The board in solved order with a fresh set of buttons, and the window at
  // the board's size; FreeBoard destroys the buttons and drops the board.
  void BuildBoard();
  void FreeBoard();

  // Handlers.
  void FormCreate();
  void FormDestroy();
  void Nouvellepartie1Click(TComponent* sender);
  void Quitter1Click(TComponent* sender);
  void Configurer1Click(TComponent* sender);
  void Rsoudre1Click(TComponent* sender);
  void Rubriquesdelaide1Click(TComponent* sender);
  void Aproposde1Click(TComponent* sender);
  void Button1Click(TComponent* sender);

 protected:
  void AfterConstruction() override;
  TComponent* CreateComponent(const std::string& className) override;

 private:
  // A tile button and the tile number its caption was last given.
  struct TTile {
    TButton* Button = nullptr;
    std::int32_t Caption = 0;
  };

  void CreateTileButton(std::int32_t n);
  // Slot n's button in its cell of the board area.
  void PlaceTile(std::int32_t n);
  void CheckSolved();
  // Why the help cannot be shown, in the missing engine's manner.
  void ShowHelpProblem(UINT textId);
  // After an operation on the board: each tile's button shown with its
  // number, the gap's hidden (its caption left as it was). Only what differs
  // from the state reaches the window. The button of focusSlot, if any, takes
  // the focus before any button is hidden.
  void ShowTiles(std::int32_t focusSlot = 0);
  void TakeFocusFromTiles();
  void ShowMoveCount();
  // After a command that failed part of the way: the tiles and the move
  // count shown as the board holds them, as far as that can still be done.
  void ShowBoard() noexcept;
  // Runs a command; when it fails, the window shows the board again before
  // the failure goes on to the application's handler.
  template <class F>
  void RunCommand(F&& command) {
    try {
      command();
    } catch (...) {
      ShowBoard();
      throw;
    }
  }

  TBoard FBoard;
  std::vector<TTile> FTileButtons;  // slot n's at n - 1
  TForm2* FConfigDialog = nullptr;
};
