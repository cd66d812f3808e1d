// The application-wide error handler and the layout loader's refusals.

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "BoxAnswerer.h"
#include "DebugOutput.h"
#include "DebugOutputViewer.h"
#include "Errors.h"
#include "Forms.h"
#include "Layout.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Texts.h"
#include "ToolkitTexts.h"
#include "WindowProbe.h"
#include "version.h"

namespace {

constexpr char kSmallForm[] = R"(object Small: TForm
  Width = 200
  Height = 120
  Caption = "Petit"
  Menu = Menu1
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = "&Bouton"
  end
  object Menu1: TMainMenu
    object Item1: TMenuItem
      Caption = "&Fichier"
      object Boom1: TMenuItem
        Caption = "&Boum"
      end
    end
  end
end
)";

TEST(ApplicationErrors, AnEscapedErrorIsShownInFrenchWithTheTitleItsDetailSentToTheDebuggerAndTheLoopGoesOn) {
  TBoxAnswerer boxes;
  TDebugOutputViewer debug;
  TForm form(nullptr);
  form.LoadLayoutText(kSmallForm);
  auto& button = form.Find<TButton>(L"Button1");
  button.OnClick = [](TComponent*) { throw std::runtime_error("sum overflowed"); };
  form.Find<TMenuItem>(L"Boom1").OnClick = [](TComponent*) { throw 42; };
  form.Show();

  // The real error box, answered from outside: French words for the player,
  // the detail for the report.
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.Count(), 1u);
  const TShownBox error = boxes.Boxes()[0];
  EXPECT_EQ(error.Text, LoadText(IDS_ERROR_UNEXPECTED));
  EXPECT_NE(error.Text.find(L"erreur inattendue"), std::wstring::npos);
  EXPECT_EQ(error.Caption, kBrelixTitle);
  EXPECT_EQ(error.Icon, LoadIconW(nullptr, IDI_ERROR));
  EXPECT_EQ(error.Buttons, std::vector<std::wstring>{L"OK"});

  // A menu command: the same handler, whatever was thrown; a failure the
  // toolkit knows gets its own words.
  const UINT command = form.Find<TMenuItem>(L"Boom1").Command();
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  button.OnClick = [](TComponent*) { throw EUserError(IDS_ERROR_WINDOW, "no window"); };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.Count(), 3u);
  EXPECT_EQ(boxes.Boxes()[1].Caption, kBrelixTitle);
  EXPECT_EQ(boxes.Boxes()[1].Text, LoadText(IDS_ERROR_UNEXPECTED));
  EXPECT_EQ(boxes.Boxes()[2].Text, LoadText(IDS_ERROR_WINDOW));
  EXPECT_EQ(debug.Stop(),
            (std::vector<std::string>{"sum overflowed\n", "an exception of an unknown type\n", "no window\n"}));

  // The window still works afterwards.
  button.OnClick = [&](TComponent*) { form.SetText(L"encore"); };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(TextOf(form.Handle()), L"encore");
}

TEST(ApplicationErrors, TheDebugOutputTakesADetailAsOneLineInItsOwnCharacters) {
  TDebugOutputViewer viewer;
  DebugOutput("TForm1::BuildBoard: a board already exists");
  DebugOutput("tuile 26 hors de la grille 5\xC3\x97" "5");  // "5×5" in UTF-8
  DebugOutput(std::string(5000, 'x'));
  const std::vector<std::string>& texts = viewer.Stop();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "TForm1::BuildBoard: a board already exists\n");
  // The viewer reads ANSI text: the wide line as the code page has it.
  char times[64] = {};
  WideCharToMultiByte(CP_ACP, 0, L"tuile 26 hors de la grille 5\u00D75\n", -1, times, sizeof times, nullptr, nullptr);
  EXPECT_EQ(texts[1], times);
  EXPECT_EQ(texts[2].substr(0, 1000), std::string(1000, 'x')) << "a long detail is cut, not lost";
}

TEST(ApplicationErrors, ALayoutWithAnUnknownClassOrPropertyIsRefused) {
  TForm unknownClass(nullptr);
  EXPECT_THROW(unknownClass.LoadLayoutText("object F: TForm\n object X: TNoSuchThing\n end\nend\n"),
               layout::ParseError);
  TForm unknownProperty(nullptr);
  EXPECT_THROW(unknownProperty.LoadLayoutText("object F: TForm\n object B: TButton\n  Colour = 3\n end\nend\n"),
               layout::ParseError);
  TForm wrongKind(nullptr);
  EXPECT_THROW(wrongKind.LoadLayoutText("object F: TForm\n Width = \"wide\"\nend\n"), layout::ParseError);
  // An identifier that names nothing is never taken for a default.
  for (const char* property : {"Position = poNowhere", "BorderStyle = bsRound", "BorderIcons = [biHelp]",
                               "Font.Style = [fsBold, fsShiny]", "Color = clBtnFace"}) {
    TForm unknownName(nullptr);
    EXPECT_THROW(unknownName.LoadLayoutText(std::string("object F: TForm\n ") + property + "\nend\n"),
                 layout::ParseError)
        << property;
  }
  TForm unknownChild(nullptr);
  EXPECT_THROW(unknownChild.LoadLayoutText("object F: TForm\n object S: TStatusBar\n  object B: TButton\n  end\n"
                                           " end\nend\n"),
               layout::ParseError);
}

TEST(ApplicationErrors, ClosingAModalFormGivesCancel) {
  TForm main(nullptr);
  main.LoadLayoutText(kSmallForm);
  main.Show();
  TForm dialog(nullptr);
  dialog.LoadLayoutText("object D: TForm\n Width = 150\n Height = 100\n Caption = \"Dialogue\"\nend\n");
  dialog.HandleNeeded();
  PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
  EXPECT_TRUE(IsWindowEnabled(main.Handle()));
}

}  // namespace
