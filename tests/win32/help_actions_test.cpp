// The main window's two help actions, through a stand-in engine that records
// what it is asked: the help command and the closing of help windows.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "BoxAnswerer.h"
#include "ChildProgram.h"
#include "EngineRegistration.h"
#include "MainForm.h"
#include "Texts.h"
#include "WindowProbe.h"
#include "hh.h"
#include "hh_funcs.h"
#include "resource.h"
#include "version.h"

namespace {

constexpr char kDeepFolderChild[] = "BRELIX_DEEP_FOLDER_CHILD";

// A box of the help command: why it cannot help, for the player to read and
// dismiss; the game goes on.
void ExpectHelpProblem(const TShownBox& box) {
  EXPECT_EQ(box.Caption, kBrelixTitle);
  EXPECT_EQ(box.Icon, LoadIconW(nullptr, IDI_INFORMATION));
  EXPECT_EQ(box.Buttons, std::vector<std::wstring>{L"OK"});
}

// This test program copied into a folder nested so deep that neither its
// path nor its short form fits in MAX_PATH, beside a help file; removed with
// its folders.
class TDeepCopy {
 public:
  TDeepCopy() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(L"\\\\?\\") + temp + L"brelix_deep";
    for (int level = 11; level <= 42; ++level) {
      CreateDirectoryW(folder.c_str(), nullptr);
      FFolders.push_back(folder);
      folder += L"\\niveau" + std::to_wstring(level);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    FFolders.push_back(folder);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    FFiles = {folder + L"\\win32_tests.exe", folder + L"\\Brelix.chm"};
    CopyFileW(self, FFiles[0].c_str(), FALSE);
    CloseHandle(CreateFileW(FFiles[1].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  ~TDeepCopy() {
    for (const std::wstring& file : FFiles) DeleteFileW(file.c_str());
    for (auto folder = FFolders.rbegin(); folder != FFolders.rend(); ++folder) RemoveDirectoryW(folder->c_str());
  }
  TDeepCopy(const TDeepCopy&) = delete;
  TDeepCopy& operator=(const TDeepCopy&) = delete;

  // The copy, by the path Windows gives it (without "\\?\").
  std::wstring Program() const { return FFiles[0].substr(4); }

 private:
  std::vector<std::wstring> FFolders;
  std::vector<std::wstring> FFiles;
};

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
    ExpectHelpProblem(box);
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the program goes on";
    form.reset();
    EXPECT_TRUE(log.Lines().empty());
    UnloadHelpEngine();
  }
}

TEST_F(HelpActionsTest, EveryBrokenRegistrationStartsTheGameAndTheHelpCommandSaysWhatIsWrong) {
  TScratchDirectory scratch("brelix_broken_registration");
  const std::string notALibrary = scratch.Path() + "hhctrl.ocx";
  ASSERT_TRUE(WriteTextFile(notALibrary, "MZ, but no library"));
  const std::string stub = StubEngine();
  const std::string longPath = "C:\\" + std::string(996, 'a') + ".ocx";
  ASSERT_EQ(longPath.size(), 1003u);
  struct Case {
    const char* name;
    std::function<void()> setUp;
  };
  const Case cases[] = {
      {"missing value", [&] { registration.RemoveKey(); }},
      {"empty value", [&] { registration.SetText(""); }},
      {"expandable, with %SystemRoot%", [&] { registration.SetText("%SystemRoot%\\system32\\hhctrl.ocx", REG_EXPAND_SZ); }},
      {"binary", [&] { registration.SetDefault(REG_BINARY, stub.c_str(), static_cast<DWORD>(stub.size() + 1)); }},
      {"a thousand characters", [&] { registration.SetText(longPath); }},
      {"a file that is no library", [&] { registration.SetText(notALibrary); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    {
      // As in WinMain: the help layer starts before the window.
      THelpEngineUnit helpEngine;
      THelpProbeUnit helpProbe;
      ShowForm();
      TBoxAnswerer boxes;
      ClickHelp();
      ASSERT_EQ(boxes.Count(), 1u);
      EXPECT_NE(boxes.Boxes()[0].Text.find(L"HTML Help) n'est pas installé"), std::wstring::npos);
      EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the game goes on";
      form.reset();
    }
    EXPECT_TRUE(log.Lines().empty());
  }

  // A path stored without its closing zero is still the path.
  registration.SetDefault(REG_SZ, stub.data(), static_cast<DWORD>(stub.size()));
  THelpEngineUnit helpEngine;
  ShowForm();
  TBoxAnswerer boxes;
  ClickHelp();
  Pump(200);
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_EQ(log.Lines().size(), 1u);
  form.reset();
}

// Neither the path nor its short form fits the engine's ANSI entry: the
// program, run from such a folder, says so instead of doing nothing.
TEST_F(HelpActionsTest, FromAFolderTooDeepForTheEngineTheHelpCommandSaysSoAndCallsNothing) {
  registration.SetText(StubEngine());
  const TDeepCopy copy;
  EXPECT_TRUE(RunChildTests(copy.Program(), "HelpActionsFromADeepFolder.*",
                            {std::string(kDeepFolderChild) + "=1", "BRELIX_STUB_ENGINE_LOG=" + log.Path()}));
  // No topic asked for: only the closing of help windows as the window went.
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{AnsiCall(nullptr, "(null)", HH_CLOSE_ALL, 0), "detach"}));
}

TEST(HelpActionsFromADeepFolder, TheHelpCommandSaysThePathCannotBeHandedToTheEngine) {
  if (!std::getenv(kDeepFolderChild)) GTEST_SKIP() << "runs in a copy in a deep folder";
  TEngineUnloader unloader;
  LoadHelpEngine();
  ASSERT_NE(HtmlHelp(), nullptr) << "the parent registered the stand-in engine";
  ASSERT_EQ(HelpFilePath(), "");
  const auto form = TForm::New<TForm1>(nullptr);
  form->Show();
  TBoxAnswerer boxes;
  form->Find<TMenuItem>(L"Rubriquesdelaide1").Click();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, LoadText(IDS_HELP_FILE_PATH));
  EXPECT_NE(boxes.Boxes()[0].Text.find(L"chemin"), std::wstring::npos) << "in French";
  ExpectHelpProblem(boxes.Boxes()[0]);
  EXPECT_TRUE(IsWindowVisible(form->Handle())) << "the game goes on";
}

}  // namespace
