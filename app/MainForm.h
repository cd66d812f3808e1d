#pragma once
// The main window: the board, its menu and its status bar.

#include <memory>

#include "About.h"
#include "Board.h"
#include "ConfigForm.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"

// A tile's push button: the board knows it only by this type.
class TTileButton : public TButton {
 public:
  using TButton::TButton;
};

class TForm1 : public TForm, private IBoardWindow {
 public:
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  TBoard& Board() { return FBoard; }
  const TBoard& Board() const { return FBoard; }
  TGridConfiguration Configuration() const;
  // The configuration dialog, created after this window.
  void SetConfigDialog(TForm2* dialog) { FConfigDialog = dialog; }

  TStatusBar& StatusBar1;
  TPanel& Panel1;
  TAboutBox& AboutBox1;

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
  TComponent* CreateComponent(const std::string& className) override;

 private:
  // IBoardWindow
  void SetOuterHeight(int height) override;
  void SetOuterWidth(int width) override;
  TBoardAreaSize ReadBoardAreaSize() override;
  TTileButton* CreateTileButton(int left, int top, int width, int height, std::wstring_view caption) override;
  void SetTileVisible(TTileButton* button, bool visible) override;
  bool IsTileVisible(const TTileButton* button) const override;
  void SetTileCaption(TTileButton* button, std::wstring_view caption) override;
  void DestroyTileButton(TTileButton* button) override;
  void SetMoveStatus(std::wstring_view text) override;
  void ShowCongratulation(std::wstring_view text, std::wstring_view caption) override;

  TBoard FBoard;
  TForm2* FConfigDialog = nullptr;
};
