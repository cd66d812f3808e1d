// The numeric spin field on real windows: values, typing, focus, events,
// geometry, arrows and their auto-repeat under real mouse input.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Forms.h"
#include "PixelCapture.h"
#include "SpinEdit.h"
#include "StdCtrls.h"
#include "Texts.h"
#include "ToolkitTexts.h"
#include "BoxAnswerer.h"
#include "WindowProbe.h"

namespace {

class SpinEditTest : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->LoadLayoutText("object Host: TForm\n Width = 240\n Height = 160\n Caption = \"Champ\"\nend\n");
    field = &Make(8, 8);
    other = &Make(8, 40);
    form->Show();
    Pump(50);
  }
  void TearDown() override { form.reset(); }

  TSpinEdit& Make(int left, int top) {
    auto& edit = TComponent::Create<TSpinEdit>(*form);
    edit.SetBounds(left, top, 49, 22);
    edit.SetParent(form.get());
    return edit;
  }
  void Type(TSpinEdit& edit, const std::wstring& text) {
    for (wchar_t ch : text) SendMessageW(edit.Handle(), WM_CHAR, ch, 1);
  }
  void Key(TSpinEdit& edit, WPARAM key) {
    SendMessageW(edit.Handle(), WM_KEYDOWN, key, 1);
    SendMessageW(edit.Handle(), WM_KEYUP, key, 0xC0000001);
  }
  // Screen centre of an arrow of a field.
  POINT ArrowCentre(TSpinEdit& edit, bool up) {
    TTimerSpeedButton& arrow = up ? edit.Arrows().UpArrow() : edit.Arrows().DownArrow();
    POINT p{arrow.Left() + arrow.Width() / 2, arrow.Top() + arrow.Height() / 2};
    ClientToScreen(edit.Arrows().Handle(), &p);
    return p;
  }
  // Holds the mouse button down on an arrow until the pair holds the mouse.
  void Press(POINT at) {
    SetCursorPos(at.x, at.y);
    Pump(60);
    const HWND target = WindowFromPoint(at);
    ASSERT_TRUE(target == field->Arrows().Handle() || target == other->Arrows().Handle());
    RealPress(at, target);
    Pump(20);
  }

  // Whether the screen shows the field's arrow pair as the pair paints it:
  // nothing has drawn over it.
  static bool ArrowsOnScreen(TSpinEdit& edit) {
    Pump(60);
    const TSpinButton& pair = edit.Arrows();
    TPixelCapture painted(pair.Width(), pair.Height(), RGB(255, 0, 255));
    painted.PrintClient(pair.Handle());
    TPixelCapture screen(pair.Width(), pair.Height(), RGB(0, 255, 0));
    screen.CopyScreen(pair.Handle());
    return screen.CountDifferences(painted) == 0;
  }

  std::unique_ptr<TForm> form;
  TSpinEdit* field = nullptr;
  TSpinEdit* other = nullptr;
};

TEST_F(SpinEditTest, ValueLivesInTheTextAndAssignmentsClamp) {
  EXPECT_EQ(field->Text(), L"0");
  EXPECT_EQ(field->Value(), 0);
  field->SetValue(50);
  EXPECT_EQ(field->Text(), L"50");
  field->MinValue = 2;
  field->MaxValue = 10;
  EXPECT_EQ(field->Text(), L"50");  // bounds alone do not re-clamp
  field->SetValue(50);
  EXPECT_EQ(field->Text(), L"10");
  field->SetValue(-3);
  EXPECT_EQ(field->Text(), L"2");
  field->MinValue = field->MaxValue = 7;
  field->SetValue(50);
  EXPECT_EQ(field->Text(), L"50");
  field->MinValue = 2;
  field->MaxValue = 10;
  field->SetText(L"");
  EXPECT_EQ(field->Value(), 2);
  field->StepUp(field);
  EXPECT_EQ(field->Text(), L"3");
  // Past the 32-bit range: saturated, never wrapped.
  field->MinValue = field->MaxValue = 0;
  field->SetValue(2147483647);
  field->StepUp(field);
  EXPECT_EQ(field->Text(), L"2147483647");
}

TEST_F(SpinEditTest, TypingFilterBeepsForRefusedCharactersEnterIncluded) {
  TBeepCounter beeps;
  field->SetFocus();
  field->SelectAll();
  Type(*field, L"4a 2");
  EXPECT_EQ(field->Text(), L"42");
  EXPECT_EQ(beeps.Beeps, 2);
  Type(*field, L"\r");
  EXPECT_EQ(beeps.Beeps, 3);
  EXPECT_EQ(field->Text(), L"42");
  // Enter through the dialog navigation as well: the field refuses it, no
  // button reacts.
  SetFocus(field->Handle());
  RealKey(VK_RETURN);
  Pump(100);
  EXPECT_EQ(beeps.Beeps, 4);
  EXPECT_EQ(field->Text(), L"42");
  // The locale's decimal separator is accepted; the text then is no number.
  field->MinValue = 2;
  field->MaxValue = 10;
  Type(*field, std::wstring(1, TSpinEdit::DecimalSeparator()));
  EXPECT_EQ(beeps.Beeps, 4);
  EXPECT_EQ(field->Value(), 2);
}

// The field's events around its own processing: the enter event once the
// text is selected, the key-down event after an arrow key's step, the
// key-press event only for accepted characters and before they go in (a
// handler may consume one), the exit event before the clamp.
TEST_F(SpinEditTest, ItsEventsComeInOrderAroundItsOwnProcessing) {
  field->MinValue = 2;
  field->MaxValue = 10;
  field->SetValue(5);
  other->SetFocus();
  std::vector<std::string> events;
  field->OnEnter = [&](TComponent*) {
    DWORD start = 0, end = 0;
    SendMessageW(field->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    events.push_back("enter, " + std::to_string(end - start) + " selected");
  };
  field->OnKeyDown = [&](TComponent*, WORD& key) { events.push_back("keydown " + std::to_string(key)); };
  field->OnKeyPress = [&](TComponent*, wchar_t& key) {
    events.push_back(std::string("keypress ") + static_cast<char>(key));
    if (key == L'9') key = 0;
  };
  field->OnExit = [&](TComponent*) { events.push_back("exit"); };
  field->OnChange = [&](TComponent*) { events.push_back("change " + std::to_string(field->Value())); };
  field->SetFocus();
  Key(*field, VK_UP);
  field->SelectAll();
  Type(*field, L"a192");
  other->SetFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"enter, 1 selected", "change 6", "keydown 38", "keypress 1", "change 1",
                                              "keypress 9", "keypress 2", "change 12", "exit", "change 10"}));
  // Text that is no number stays as typed.
  field->SetFocus();
  field->SelectAll();
  Type(*field, L"-");
  other->SetFocus();
  EXPECT_EQ(field->Text(), L"-");
}

TEST_F(SpinEditTest, ChangeIsRaisedOncePerRealChangeOfTheText) {
  int changes = 0;
  field->OnChange = [&](TComponent*) { ++changes; };
  field->SetValue(0);
  field->SetText(L"0");
  EXPECT_EQ(changes, 0);
  field->SetValue(7);
  EXPECT_EQ(changes, 1);
  field->SetFocus();
  Type(*field, L"3");
  EXPECT_EQ(changes, 2);
  field->MinValue = 2;
  field->MaxValue = 10;
  field->SetValue(10);
  changes = 0;
  Key(*field, VK_UP);  // at the bound: no change
  EXPECT_EQ(field->Text(), L"10");
  EXPECT_EQ(changes, 0);
  Key(*field, VK_DOWN);
  EXPECT_EQ(field->Text(), L"9");
  EXPECT_EQ(changes, 1);
}

TEST_F(SpinEditTest, GeometryOfTheFieldAndItsArrows) {
  EXPECT_EQ(field->Height(), 22);
  EXPECT_EQ(field->MinimumHeight(), 22);
  TSpinButton& pair = field->Arrows();
  EXPECT_EQ(pair.Left(), 29);
  EXPECT_EQ(pair.Top(), 0);
  EXPECT_EQ(pair.Width(), 15);
  EXPECT_EQ(pair.Height(), 17);
  EXPECT_EQ(pair.UpArrow().Top(), 0);
  EXPECT_EQ(pair.UpArrow().Height(), 8);
  EXPECT_EQ(pair.DownArrow().Top(), 7);
  EXPECT_EQ(pair.DownArrow().Height(), 10);
  RECT r;
  GetWindowRect(pair.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 15);
  // Text stays off the arrows.
  RECT area;
  SendMessageW(field->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  RECT client;
  GetClientRect(field->Handle(), &client);
  EXPECT_LE(area.right, client.right - 15 - 2);
  // Too low a field and too narrow a pair are raised.
  field->SetHeight(10);
  EXPECT_EQ(field->Height(), 22);
  pair.SetBounds(pair.Left(), pair.Top(), 8, 17);
  EXPECT_EQ(pair.Width(), 15);
}

TEST_F(SpinEditTest, HoldingAnArrowRepeatsThenStepsOnceMoreOnRelease) {
  std::vector<std::int32_t> seen;
  std::vector<DWORD> when;
  field->OnChange = [&](TComponent*) {
    seen.push_back(field->Value());
    when.push_back(GetTickCount());
  };
  const DWORD beforePress = GetTickCount();
  Press(ArrowCentre(*field, true));
  // First repeat 400 ms after the press, then every 100 ms. A loaded machine
  // makes a timer late, never early: repeat N comes no sooner than
  // 400 + 100 N ms after the press whatever the load, and the usual gap
  // between two keeps to the period.
  ASSERT_TRUE(PumpUntil([&] { return seen.size() >= 6; }, 10000)) << seen.size() << " repeats";
  const std::size_t held = seen.size();
  RealRelease();
  std::vector<DWORD> gaps;
  for (std::size_t i = 0; i < held; ++i) {
    EXPECT_GE(when[i] - beforePress, 390u + 100u * i) << "repeat " << i;
    if (i) gaps.push_back(when[i] - when[i - 1]);
  }
  std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
  EXPECT_LE(gaps[gaps.size() / 2], 200u) << "the usual gap between repeats";
  EXPECT_EQ(seen.size(), held + 1);
  EXPECT_EQ(field->Value(), static_cast<std::int32_t>(held + 1));
  EXPECT_FALSE(field->Arrows().UpArrow().AutoRepeatTimer()->Enabled());

  // A short click steps once, on release.
  seen.clear();
  Press(ArrowCentre(*field, false));
  Pump(100);
  EXPECT_TRUE(seen.empty());
  RealRelease();
  EXPECT_EQ(seen.size(), 1u);

  // Released off the arrow: no step.
  seen.clear();
  Press(ArrowCentre(*field, true));
  Pump(100);
  RECT away;
  GetWindowRect(other->Handle(), &away);
  SetCursorPos(away.left + 5, away.top + 5);
  Pump(300);
  RealRelease();
  EXPECT_TRUE(seen.empty());
}

TEST_F(SpinEditTest, PressingAnArrowFocusesTheFieldAndTheOldFieldClamps) {
  other->MinValue = 2;
  other->MaxValue = 10;
  other->SetFocus();
  other->SelectAll();
  Type(*other, L"20");
  field->SetValue(5);
  Press(ArrowCentre(*field, true));
  RealRelease();
  EXPECT_TRUE(field->Focused());
  EXPECT_EQ(other->Text(), L"10");
  EXPECT_EQ(field->Text(), L"6");
  // Text selected on entry by the arrow; not when entered by a click in it.
  other->SetFocus();
  field->SetFocus();
  DWORD start = 0, end = 0;
  SendMessageW(field->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 1u);
  other->SetFocus();
  RealClick(field->Handle());
  SendMessageW(field->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
}

TEST_F(SpinEditTest, ReadOnlyAndDisabledEditorRefuseWithBeeps) {
  TBeepCounter beeps;
  field->SetValue(5);
  field->SetReadOnly(true);
  Key(*field, VK_UP);
  field->StepDown(field);
  EXPECT_EQ(field->Text(), L"5");
  EXPECT_EQ(beeps.Beeps, 2);
  // Held down, it beeps at every repeat.
  Press(ArrowCentre(*field, true));
  EXPECT_TRUE(PumpUntil([&] { return beeps.Beeps >= 2 + 3; }, 10000)) << beeps.Beeps;
  EXPECT_EQ(field->Arrows().UpArrow().State(), TButtonState::Down);
  EXPECT_EQ(field->Arrows().CaptureControl(), &field->Arrows().UpArrow());
  RealRelease();
  EXPECT_GE(beeps.Beeps, 2 + 3);
  EXPECT_EQ(field->Text(), L"5");

  field->SetReadOnly(false);
  field->EditorEnabled = false;
  beeps.Beeps = 0;
  field->SetFocus();
  Type(*field, L"7\b");
  Key(*field, VK_DELETE);
  EXPECT_EQ(beeps.Beeps, 3);
  EXPECT_EQ(field->Text(), L"5");
  // Paste and cut do nothing, silently.
  if (OpenClipboard(form->Handle())) {
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 8);
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"99");
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }
  field->SelectAll();
  SendMessageW(field->Handle(), WM_PASTE, 0, 0);
  SendMessageW(field->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(field->Text(), L"5");
  EXPECT_EQ(beeps.Beeps, 3);
  // The arrows and keys still step.
  Key(*field, VK_UP);
  EXPECT_EQ(field->Text(), L"6");
  field->EditorEnabled = true;
  field->SelectAll();
  SendMessageW(field->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(field->Text(), L"99");
}

TEST_F(SpinEditTest, AnErrorInARepeatedClickStopsTheTimerAndReachesTheHandler) {
  TBoxAnswerer boxes;
  field->OnChange = [](TComponent*) { throw std::runtime_error("Valeur refusée"); };
  Press(ArrowCentre(*field, true));
  PumpUntil([&] { return boxes.Count() >= 1; }, 10000);
  RealRelease();
  ASSERT_GE(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].Text, LoadText(IDS_ERROR_UNEXPECTED));
  EXPECT_EQ(boxes.Boxes()[0].Icon, LoadIconW(nullptr, IDI_ERROR));
  EXPECT_FALSE(field->Arrows().UpArrow().AutoRepeatTimer()->Enabled());
}

TEST_F(SpinEditTest, AssigningNoGlyphRestoresTheBuiltInImage) {
  TSpinButton& pair = field->Arrows();
  BITMAP builtIn{};
  GetObjectW(pair.DownArrow().Glyph(), sizeof builtIn, &builtIn);
  EXPECT_EQ(builtIn.bmWidth, 9);
  EXPECT_EQ(builtIn.bmHeight, 6);
  pair.SetDownGlyph(CreateBitmap(36, 6, 1, 32, nullptr));
  pair.SetDownNumGlyphs(2);
  pair.SetDownGlyph(nullptr);
  EXPECT_EQ(pair.DownNumGlyphs(), 1);
  BITMAP restored{};
  GetObjectW(pair.DownArrow().Glyph(), sizeof restored, &restored);
  EXPECT_EQ(restored.bmWidth, 9);
  // The up image: olive background, a black tip at row 1, column 4.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, pair.UpArrow().Glyph());
  EXPECT_EQ(GetPixel(dc, 0, 5), RGB(128, 128, 0));
  EXPECT_EQ(GetPixel(dc, 4, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(128, 128, 0));
  EXPECT_EQ(GetPixel(dc, 1, 4), RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
}

}  // namespace

namespace {

TEST(SpinButtonAlone, KeyboardAndFocusMarkOfAStandalonePair) {
  TForm form(nullptr);
  form.LoadLayoutText("object Host: TForm\n Width = 200\n Height = 120\n Caption = \"Paire\"\nend\n");
  auto& pair = TComponent::Create<TSpinButton>(form);
  EXPECT_EQ(pair.Width(), 20);
  EXPECT_EQ(pair.Height(), 25);
  pair.SetTabStop(true);
  pair.SetParent(&form);
  int ups = 0, downs = 0;
  pair.OnUpClick = [&](TComponent* sender) { ups += sender == &pair; };
  pair.OnDownClick = [&](TComponent* sender) { downs += sender == &pair; };
  form.Show();
  pair.SetFocus();
  Pump(30);
  EXPECT_EQ(pair.FocusedArrow(), &pair.UpArrow());
  EXPECT_TRUE(pair.UpArrow().ArrowFlags() & afFocusMark);
  SendMessageW(pair.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(pair.FocusedArrow(), &pair.DownArrow());
  EXPECT_TRUE(pair.DownArrow().ArrowFlags() & afFocusMark);
  EXPECT_FALSE(pair.UpArrow().ArrowFlags() & afFocusMark);
  SendMessageW(pair.Handle(), WM_KEYDOWN, VK_SPACE, 1);
  EXPECT_EQ(downs, 2);
  SendMessageW(pair.Handle(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(ups, 1);
  SetFocus(form.Handle());
  Pump(30);
  EXPECT_FALSE(pair.UpArrow().ArrowFlags() & afFocusMark);
}

TEST_F(SpinEditTest, TheArrowsStayDrawnThroughFocusChangesTypingStepsAndClamps) {
  field->MinValue = 2;
  field->MaxValue = 10;
  SetForegroundWindow(form->Handle());
  field->SetFocus();
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "focus in";
  RealKey('7');
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "typed";
  RealKey('7');
  RealKey(VK_TAB);  // 77 clamps to 10 on the way out
  Pump(60);
  EXPECT_EQ(field->Text(), L"10");
  EXPECT_TRUE(other->Focused());
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "after Tab, the field left";
  EXPECT_TRUE(ArrowsOnScreen(*other)) << "after Tab, the field entered";
  RealKeyCombo(VK_SHIFT, VK_TAB);
  Pump(60);
  EXPECT_TRUE(field->Focused());
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "after Shift+Tab, the field entered";
  EXPECT_TRUE(ArrowsOnScreen(*other)) << "after Shift+Tab, the field left";
  RealKey(VK_DOWN);
  Pump(60);
  EXPECT_EQ(field->Text(), L"9");
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "stepped";
  SendMessageW(field->Handle(), EM_SETSEL, 0, 1);
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "selection";
}

TEST_F(SpinEditTest, AltUpAndAltDownStepToo) {
  field->SetValue(5);
  SetForegroundWindow(form->Handle());
  field->SetFocus();
  RealKeyCombo(VK_MENU, VK_UP);
  Pump(50);
  EXPECT_EQ(field->Text(), L"6");
  RealKeyCombo(VK_MENU, VK_DOWN);
  RealKeyCombo(VK_MENU, VK_DOWN);
  Pump(50);
  EXPECT_EQ(field->Text(), L"4");
  RealKeyCombo(VK_CONTROL, VK_UP);
  Pump(50);
  EXPECT_EQ(field->Text(), L"5");
}

TEST_F(SpinEditTest, ALostCaptureReleasesAHeldArrowWithoutAStep) {
  field->SetValue(5);
  int changes = 0;
  field->OnChange = [&](TComponent*) { ++changes; };
  TTimerSpeedButton& up = field->Arrows().UpArrow();
  Press(ArrowCentre(*field, true));
  ASSERT_EQ(up.State(), TButtonState::Down);
  // Another window takes the mouse while the arrow is held.
  SetCapture(form->Handle());
  Pump(700);
  EXPECT_EQ(up.State(), TButtonState::Up);
  EXPECT_FALSE(up.AutoRepeatTimer()->Enabled());
  EXPECT_EQ(field->Arrows().CaptureControl(), nullptr);
  EXPECT_TRUE(ArrowsOnScreen(*field)) << "drawn raised again";
  ReleaseCapture();
  RealRelease();
  Pump(50);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(field->Text(), L"5");
}

}  // namespace
