#include "MainForm.h"

#include "Application.h"
#include "Seed.h"
#include "hh.h"
#include "resource.h"

TForm1::TForm1(TComponent* owner)
    : TForm(owner),
      StatusBar1((LoadLayout(LAYOUT_MAINFORM), Find<TStatusBar>(L"StatusBar1"))),
      Panel1(Find<TPanel>(L"Panel1")),
      AboutBox1(Find<TAboutBox>(L"AboutBox1")),
      FBoard(*this, ClockSeed) {
  auto bind = [this](const wchar_t* item, void (TForm1::*handler)(TComponent*)) {
    Find<TMenuItem>(item).OnClick = [this, handler](TComponent* sender) { (this->*handler)(sender); };
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
  FBoard.SetConfiguration(5, 5, 250);
  FBoard.SetMoveCount(0);
  SetMoveStatus(MoveStatusText(FBoard.MoveCount()));
  FBoard.BuildBoard();
}

void TForm1::FormDestroy() {
  // Help windows belong to the desktop, not to this window: close them while
  // the engine is still loaded.
  if (THtmlHelpA htmlHelp = HtmlHelp()) htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

void TForm1::Nouvellepartie1Click(TComponent*) { FBoard.Nouvellepartie1Click(); }

void TForm1::Quitter1Click(TComponent*) {
  FBoard.FreeBoard();
  Close();
}

TGridConfiguration TForm1::Configuration() const {
  return {FBoard.Rows(), FBoard.Cols(), FBoard.ShuffleMoves()};
}

void TForm1::Configurer1Click(TComponent*) {
  if (!FConfigDialog || FConfigDialog->ShowModal() <= 1) return;
  FBoard.FreeBoard();
  const TGridConfiguration values = FConfigDialog->Values();
  FBoard.SetConfiguration(values.Rows, values.Cols, values.ShuffleMoves);
  FBoard.BuildBoard();
}

void TForm1::Rsoudre1Click(TComponent*) { FBoard.Rsoudre1Click(); }

void TForm1::Rubriquesdelaide1Click(TComponent*) {
  THtmlHelpA htmlHelp = HtmlHelp();
  if (!htmlHelp) {
    Application().ShowMessageBox(Handle(),
                                 L"L'aide ne peut pas être affichée : le moteur d'aide HTML de Windows "
                                 L"(HTML Help) n'est pas installé sur cet ordinateur.",
                                 Application().Title(), MB_OK | MB_ICONINFORMATION);
    return;
  }
  // The viewer belongs to the desktop, so it stays usable beside the game.
  htmlHelp(GetDesktopWindow(), HelpFilePath().c_str(), HH_DISPLAY_TOPIC, 0);
}

void TForm1::Aproposde1Click(TComponent*) { AboutBox1.Execute(); }

void TForm1::Button1Click(TComponent* sender) {
  if (auto* button = dynamic_cast<TTileButton*>(sender)) FBoard.Button1Click(button);
}

// ------------------------------------------------------------ IBoardWindow

void TForm1::SetOuterHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TForm1::SetOuterWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

TBoardAreaSize TForm1::ReadBoardAreaSize() { return {Panel1.Width(), Panel1.Height()}; }

TTileButton* TForm1::CreateTileButton(int left, int top, int width, int height, std::wstring_view caption) {
  auto& button = Create<TTileButton>(*this);
  button.SetBounds(left, top, width, height);
  button.SetText(caption);
  button.OnClick = [this](TComponent* sender) { Button1Click(sender); };
  button.SetParent(this);
  // New windows go below their siblings: keep the board area under the
  // tiles, and the tiles in the order they were made.
  Panel1.SendToBack();
  return &button;
}

void TForm1::SetTileVisible(TTileButton* button, bool visible) { button->SetVisible(visible); }

bool TForm1::IsTileVisible(const TTileButton* button) const { return button->Visible(); }

void TForm1::SetTileCaption(TTileButton* button, std::wstring_view caption) { button->SetText(caption); }

void TForm1::DestroyTileButton(TTileButton* button) { FreeComponent(button); }

void TForm1::SetMoveStatus(std::wstring_view text) { StatusBar1.SetPanelText(0, text); }

void TForm1::ShowCongratulation(std::wstring_view text, std::wstring_view caption) {
  Application().ShowMessageBox(Handle(), std::wstring(text), std::wstring(caption), MB_OK);
}
