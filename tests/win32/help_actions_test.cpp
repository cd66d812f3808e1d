// The main window's two help actions, through a stand-in engine that records
// what it is asked: the help command and the closing of help windows.

#include <gtest/gtest.h>

#include <memory>

#include "BoxAnswerer.h"
#include "EngineRegistration.h"
#include "MainForm.h"
#include "WindowProbe.h"
#include "hh.h"
#include "version.h"

namespace {

class HelpActionsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(HelpEngineModule(), nullptr) << "an earlier test left the engine loaded"; }

  void UseEngine(const std::string& path) {
    registration.SetText(path);
    LoadHelpEngine();
  }
  void ShowForm() {
    form = TForm::New<TForm1>(nullptr);
    form->Show();
    Pump(30);
  }
  void ClickHelp() { form->Find<TMenuItem>(L"Rubriquesdelaide1").Click(); }

  TEngineRegistration registration;
  TEngineLog log;
  TEngineUnloader unloader;
  std::unique_ptr<TForm1> form;  // goes first, while the engine is loaded
};

TEST_F(HelpActionsTest, OpensTheHelpFileBesideTheProgramWhateverTheCurrentDirectory) {
  UseEngine(StubEngine());
  ShowForm();
  TScratchDirectory elsewhere("brelix_elsewhere");
  TCurrentDirectory current(elsewhere.Path());
  TBoxAnswerer boxes;
  ClickHelp();
  EXPECT_EQ(log.Lines(), std::vector<std::string>{
                             AnsiCall(GetDesktopWindow(), TestBinDirectory() + "Brelix.chm", HH_DISPLAY_TOPIC, 0)});
  Pump(200);
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(HelpActionsTest, ClosingTheMainWindowClosesHelpWindowsBeforeTheEngineGoes) {
  registration.SetText(StubEngine());
  {
    // As in WinMain: the engine's unit first, the window after it.
    THelpEngineUnit helpEngine;
    ShowForm();
    form.reset();
  }
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{AnsiCall(nullptr, "(null)", HH_CLOSE_ALL, 0), "detach"}));
}

TEST_F(HelpActionsTest, WithoutAnEngineTheHelpCommandSaysSoAndCallsNothing) {
  // Nothing registered that exists, then an engine that lacks the ANSI entry.
  for (const std::string& engine : {StubEngine("no_such_engine"), StubEngine("brelix_stub_engine_wide")}) {
    SCOPED_TRACE(engine);
    UseEngine(engine);
    ShowForm();
    TBoxAnswerer boxes;
    ClickHelp();
    ASSERT_EQ(boxes.Count(), 1u);
    const TShownBox box = boxes.Boxes()[0];
    EXPECT_NE(box.Text.find(L"HTML Help"), std::wstring::npos);
    EXPECT_NE(box.Text.find(L"n'est pas installé"), std::wstring::npos) << "in French";
    EXPECT_EQ(box.Caption, kBrelixTitle);
    EXPECT_EQ(box.Icon, LoadIconW(nullptr, IDI_INFORMATION));
    EXPECT_EQ(box.Buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the program goes on";
    form.reset();
    EXPECT_TRUE(log.Lines().empty());
    UnloadHelpEngine();
  }
}

}  // namespace
