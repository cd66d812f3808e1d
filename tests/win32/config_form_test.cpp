// The grid configuration dialog, driven through its modal loop, and its
// effect on the main window.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "Board.h"
#include "ConfigForm.h"
#include "MainForm.h"
#include "BoxAnswerer.h"
#include "LoopTimer.h"
#include "ProgramWindowsTest.h"
#include "WindowProbe.h"
#include "Strings.h"
#include "resource.h"

namespace {

class ConfigFormTest : public TProgramWindowsTest {
 protected:
  void Type(TSpinEdit& field, const std::wstring& text) {
    field.SetFocus();
    field.SelectAll();
    for (wchar_t ch : text) SendMessageW(field.Handle(), WM_CHAR, ch, 1);
  }
  // Opens the dialog from the menu and runs the steps inside its loop.
  void Configure(const std::vector<std::function<void()>>& steps) {
    EXPECT_TRUE(RunInLoop([&] { form1->Find<TMenuItem>(L"Configurer1").Click(); }, steps));
  }
  int TileCount() { return static_cast<int>(ChildrenOfClass(form1->Handle(), L"Button").size()); }
};

TEST_F(ConfigFormTest, LayoutAsStored) {
  EXPECT_EQ(form2->Handle(), nullptr) << "no windows before the first showing";
  HWND dialog = form2->HandleNeeded();
  EXPECT_EQ(TextOf(dialog), L"Configuration");
  EXPECT_FALSE(IsWindowVisible(dialog));
  const SIZE outer = OuterSize(dialog);
  EXPECT_EQ(outer.cx, 201);
  EXPECT_EQ(outer.cy, 260);
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  // Labels end at x = 99, thirteen pixels left of the fields.
  for (const wchar_t* name : {L"Label1", L"Label2", L"Label3"}) {
    const RECT r = ChildRect(form2->Find<TLabel>(name).Handle());
    EXPECT_EQ(r.right, 99) << name;
  }
  EXPECT_EQ(form2->Find<TLabel>(L"Label1").Text(), L"Nbre rangées :");
  for (TSpinEdit* field : {form2->SpinEdit1, form2->SpinEdit2, form2->SpinEdit3}) {
    const RECT r = ChildRect(field->Handle());
    EXPECT_EQ(r.left, 112);
    EXPECT_EQ(r.right - r.left, 49);
    EXPECT_EQ(r.bottom - r.top, 22);
  }
  EXPECT_EQ(form2->SpinEdit1->Text(), L"5");
  EXPECT_EQ(form2->SpinEdit2->Text(), L"5");
  EXPECT_EQ(form2->SpinEdit3->Text(), L"250");
  EXPECT_EQ(form2->Button1->Text(), L"&Configurer");
  EXPECT_EQ(form2->Button2->Text(), L"&Fermer");
  // Tab order: rows, columns, moves, Configurer, Fermer.
  std::vector<HWND> order;
  HWND item = GetNextDlgTabItem(dialog, nullptr, FALSE);
  for (int i = 0; i < 5 && item; ++i, item = GetNextDlgTabItem(dialog, item, FALSE)) order.push_back(item);
  EXPECT_EQ(order, (std::vector<HWND>{form2->SpinEdit1->Handle(), form2->SpinEdit2->Handle(),
                                      form2->SpinEdit3->Handle(), form2->Button1->Handle(),
                                      form2->Button2->Handle()}));
}

// The dialog as its stored layout makes it, before the main window's
// configuration is filled in.
class TStoredConfigForm : public TForm2 {
 public:
  TStoredConfigForm() : TForm2(nullptr, [] { return TGridConfiguration{}; }) {}

 protected:
  void AfterConstruction() override { LoadLayout(RESOURCE_NAME(RES_CONFIG_LAYOUT)); }
};

// The stored fields offer what the game accepts, and start where it starts.
TEST(ConfigFormLayout, EachFieldsRangeAndValueAreTheGames) {
  const auto form = TForm::New<TStoredConfigForm>();
  struct Field {
    const wchar_t* Name;
    std::int32_t Min, Max, Default;
  };
  for (const Field& field : {Field{L"SpinEdit1", kMinRows, kMaxRows, kDefaultRows},
                             Field{L"SpinEdit2", kMinCols, kMaxCols, kDefaultCols},
                             Field{L"SpinEdit3", kMinShuffleMoves, kMaxShuffleMoves, kDefaultShuffleMoves}}) {
    const TSpinEdit& edit = form->Find<TSpinEdit>(field.Name);
    EXPECT_EQ(edit.MinValue, field.Min) << Narrow(field.Name);
    EXPECT_EQ(edit.MaxValue, field.Max) << Narrow(field.Name);
    EXPECT_EQ(edit.Value(), field.Default) << Narrow(field.Name);
  }
}

TEST_F(ConfigFormTest, ConfigureAppliesAtTheSamePosition) {
  RECT before;
  GetWindowRect(form1->Handle(), &before);
  SendMessageW(ChildOfClass(form1->Handle(), L"Button", L"24"), BM_CLICK, 0, 0);
  const std::wstring count = StatusText(form1->StatusBar1->Handle(), 0);
  Configure({[&] { Type(*form2->SpinEdit1, L"3"); },
             [&] { Type(*form2->SpinEdit2, L"4"); },
             [&] { Type(*form2->SpinEdit3, L"120"); },
             [&] { SendMessageW(form2->Button1->Handle(), BM_CLICK, 0, 0); }});
  RECT after;
  GetWindowRect(form1->Handle(), &after);
  EXPECT_EQ(after.right - after.left, 180);
  EXPECT_EQ(after.bottom - after.top, 196);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(TileCount(), 12);
  EXPECT_EQ(ShownTiles().size(), 11u);
  EXPECT_EQ(form1->Board().ShuffleMoves(), 120);
  EXPECT_FALSE(form1->Board().GameActive());
  EXPECT_EQ(StatusText(form1->StatusBar1->Handle(), 0), count);
  EXPECT_EQ(form2->SpinEdit1->Text(), L"3");
}

TEST_F(ConfigFormTest, CloseRestoresTheFieldsAndLeavesTheGameAlone) {
  form1->Find<TMenuItem>(L"Nouvellepartie1").Click();
  Configure({[&] { Type(*form2->SpinEdit1, L"8"); },
             [&] { Type(*form2->SpinEdit2, L"9"); },
             [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
  EXPECT_EQ(form2->SpinEdit1->Text(), L"5");
  EXPECT_EQ(form2->SpinEdit2->Text(), L"5");
  EXPECT_EQ(form2->SpinEdit3->Text(), L"250");
  EXPECT_TRUE(form1->Board().GameActive());
  EXPECT_EQ(form1->Board().Rows(), 5);
}

TEST_F(ConfigFormTest, TheCloseBoxApplies) {
  form1->Find<TMenuItem>(L"Nouvellepartie1").Click();
  Configure({[&] { Type(*form2->SpinEdit1, L"2"); },
             [&] { Type(*form2->SpinEdit2, L"3"); },
             [&] { PostMessageW(form2->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }});
  EXPECT_EQ(form1->Board().Rows(), 2);
  EXPECT_EQ(form1->Board().Cols(), 3);
  EXPECT_FALSE(form1->Board().GameActive());
  EXPECT_EQ(OuterSize(form1->Handle()).cx, 160);
}

TEST_F(ConfigFormTest, MovesDerivedFromColumnsOnly) {
  Configure({[&] { Type(*form2->SpinEdit2, L"6"); },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"300"); },
             [&] { Type(*form2->SpinEdit1, L"10"); },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"300"); },  // rows leave moves alone
             [&] { Type(*form2->SpinEdit2, L"10"); },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"1000"); },
             [&] { Type(*form2->SpinEdit1, L"2"); },
             [&] { Type(*form2->SpinEdit2, L"2"); },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"40"); },
             [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
}

TEST_F(ConfigFormTest, EmptiedColumnsReadAsTwo) {
  Configure({[&] {
               form2->SpinEdit2->SetFocus();
               form2->SpinEdit2->SelectAll();
               SendMessageW(form2->SpinEdit2->Handle(), WM_CHAR, L'\b', 1);
             },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"100"); },
             [&] { form2->SpinEdit3->SetFocus(); },
             [&] { EXPECT_EQ(form2->SpinEdit2->Text(), L""); },
             [&] { SendMessageW(form2->Button1->Handle(), BM_CLICK, 0, 0); }});
  EXPECT_EQ(form1->Board().Cols(), 2);
  EXPECT_EQ(form1->Board().ShuffleMoves(), 100);
}

TEST_F(ConfigFormTest, TwentyColumnsClampOnFocusLoss) {
  Configure({[&] { Type(*form2->SpinEdit2, L"20"); },
             [&] { EXPECT_EQ(form2->SpinEdit3->Text(), L"1000"); },
             [&] { form2->SpinEdit3->SetFocus(); },
             [&] {
               EXPECT_EQ(form2->SpinEdit2->Text(), L"10");
               EXPECT_EQ(form2->SpinEdit3->Text(), L"500");
             },
             [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
}

TEST_F(ConfigFormTest, TwentyStillInTheFieldAtAltCAppliesTen) {
  Configure({[&] { Type(*form2->SpinEdit2, L"20"); },
             [&] { RealKeyCombo(VK_MENU, 'C'); }});
  EXPECT_EQ(form1->Board().Cols(), 10);
  EXPECT_EQ(form1->Board().Rows(), 5);
  EXPECT_EQ(OuterSize(form1->Handle()).cx, 300);
}

TEST_F(ConfigFormTest, ATypedMovesValueStandsAndEnterClosesNothing) {
  TBeepCounter beeps;
  Configure({[&] { Type(*form2->SpinEdit3, L"37"); },
             [&] { RealKey(VK_RETURN); },
             [&] { EXPECT_TRUE(IsWindowVisible(form2->Handle())); },
             [&] { RealKeyCombo(VK_MENU, 'C'); }});
  EXPECT_EQ(beeps.Beeps, 1);
  EXPECT_EQ(form1->Board().ShuffleMoves(), 37);
}

// Enter on a focused button clicks it, as Space does: the focus reached
// « Fermer » and « Configurer » with the keyboard.
TEST_F(ConfigFormTest, EnterClicksTheFocusedButton) {
  // Enter, then the dialog's end awaited; one left open is closed by hand.
  auto enter = [&] {
    RealKey(VK_RETURN);
    if (!PumpUntil([&] { return form2->ModalResult() != mrNone; })) {
      ADD_FAILURE() << "Enter on the focused button left the dialog open";
      SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0);
    }
  };
  form1->Find<TMenuItem>(L"Nouvellepartie1").Click();
  Configure({[&] { Type(*form2->SpinEdit1, L"3"); },
             [&] { RealKeyCombo(VK_SHIFT, VK_TAB); },  // round to « Fermer », the last
             [&] {
               EXPECT_EQ(GetFocus(), form2->Button2->Handle());
               enter();
             }});
  EXPECT_EQ(form2->SpinEdit1->Text(), L"5") << "« Fermer » refills the fields";
  EXPECT_TRUE(form1->Board().GameActive());
  Configure({[&] { Type(*form2->SpinEdit1, L"3"); },
             [&] { RealKeyCombo(VK_SHIFT, VK_TAB); },
             [&] { RealKeyCombo(VK_SHIFT, VK_TAB); },  // « Configurer »
             [&] {
               EXPECT_EQ(GetFocus(), form2->Button1->Handle());
               enter();
             }});
  EXPECT_EQ(form1->Board().Rows(), 3);
}

// A field clicked again soon after Tab took the focus from it to a button:
// the press comes as the second of a double click, and still brings the
// focus in, so that Enter beeps in the field instead of clicking the button.
TEST_F(ConfigFormTest, AFieldClickedTwiceAroundATabTakesTheFocusBack) {
  TBeepCounter beeps;
  Configure({[&] { RealClick(form2->SpinEdit3->Handle()); },
             [&] { RealKey(VK_TAB); },  // to « Configurer »
             [&] { EXPECT_EQ(GetFocus(), form2->Button1->Handle()); },
             [&] { RealClick(form2->SpinEdit3->Handle()); },
             [&] { EXPECT_EQ(GetFocus(), form2->SpinEdit3->Handle()); },
             [&] { RealKey(VK_RETURN); },
             [&] { EXPECT_TRUE(IsWindowVisible(form2->Handle())) << "Enter ended the dialog"; },
             [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
  EXPECT_EQ(beeps.Beeps, 1);
}

// Presses on close boxes that the thread takes from its queue, whatever
// window they land on.
class TCloseBoxPresses {
 public:
  TCloseBoxPresses() { FHook = SetWindowsHookExW(WH_MOUSE, Hook, nullptr, GetCurrentThreadId()); }
  ~TCloseBoxPresses() { UnhookWindowsHookEx(FHook); }
  int Count() const { return Presses(); }

 private:
  static int& Presses() {
    static int presses = 0;
    return presses;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM message, LPARAM info) {
    if (code == HC_ACTION && (message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK) &&
        reinterpret_cast<const MOUSEHOOKSTRUCT*>(info)->wHitTestCode == HTCLOSE)
      ++Presses();
    return CallNextHookEx(nullptr, code, message, info);
  }
  HHOOK FHook;
};

// The dialog shown again is the same window: its close box clicked soon
// after the click that closed it takes the press as the second of a double
// click, and must close it all the same. Wine's injected press now and then
// lands where the pointer was before it: one that never reached the close
// box is made again. Only a press that reached it and left the dialog open
// fails, however long the machine takes.
TEST_F(ConfigFormTest, ItsCloseBoxClosesItAgainWhenClickedSoonAfterReopening) {
  for (int showing = 1; showing <= 3; ++showing) {
    TCloseBoxPresses presses;
    const int before = presses.Count();
    int clicks = 0, sinceClick = 0, sincePress = 0;
    bool leftOpen = false, neverReached = false;
    auto close = [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); };
    // Each tick (60 ms at least) looks at what the click did.
    auto watch = [&] {
      if (leftOpen || neverReached) return;
      if (presses.Count() > before) {
        if (++sincePress > 50) {  // 3 s after its close box took the press
          leftOpen = true;
          close();
        }
      } else if (clicks == 0 || ++sinceClick > 30) {
        if (clicks == 3) {
          neverReached = true;
          close();
          return;
        }
        ++clicks;
        sinceClick = 0;
        const POINT p = CloseBoxPoint(form2->Handle());
        RealMouseAt(p, MOUSEEVENTF_LEFTDOWN);
        RealMouseAt(p, MOUSEEVENTF_LEFTUP);
      }
    };
    std::vector<std::function<void()>> steps(200, watch);
    steps.push_back(close);
    RunInLoop([&] { form1->Find<TMenuItem>(L"Configurer1").Click(); }, steps);
    EXPECT_FALSE(leftOpen) << "showing " << showing << ": the close box took the press and left the dialog open";
    EXPECT_FALSE(neverReached) << "showing " << showing << ": three presses never reached the close box";
  }
}

TEST_F(ConfigFormTest, ReopenedAfterBeingMovedItIsCentredAgain) {
  const POINT centre{(GetSystemMetrics(SM_CXSCREEN) - 201) / 2, (GetSystemMetrics(SM_CYSCREEN) - 260) / 2};
  auto position = [&] {
    RECT r;
    GetWindowRect(form2->Handle(), &r);
    return POINT{r.left, r.top};
  };
  POINT first{}, second{};
  Configure({[&] { first = position(); },
             [&] { SetWindowPos(form2->Handle(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
             [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
  Configure({[&] { second = position(); }, [&] { SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0); }});
  EXPECT_EQ(first.x, centre.x);
  EXPECT_EQ(first.y, centre.y);
  EXPECT_EQ(second.x, centre.x);
  EXPECT_EQ(second.y, centre.y);
}

TEST_F(ConfigFormTest, TheProgramEndingDuringTheDialogAppliesNothingAndTheQuitGoesOn) {
  form1->Find<TMenuItem>(L"Nouvellepartie1").Click();
  Configure({[&] { Type(*form2->SpinEdit1, L"3"); }, [&] { PostQuitMessage(7); }});
  EXPECT_EQ(form1->Board().Rows(), 5);
  EXPECT_TRUE(form1->Board().GameActive()) << "the game in progress is left alone";
  EXPECT_FALSE(IsWindowVisible(form2->Handle()));
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop outside still ends";
  EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
