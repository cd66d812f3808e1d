// The About dialog under Wine: its stored layout as shown, the separator's
// pixels, and the About component's showings driven through the modal loop.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>
#include <cwctype>

#include "About.h"
#include "AboutDriver.h"
#include "AboutForm.h"
#include "ProgramWindowsTest.h"
#include "PixelCapture.h"
#include "Strings.h"
#include "BoxAnswerer.h"
#include "WindowProbe.h"

namespace {

TMemoryFigures HalfAGigabyte() { return {536870912u, 63}; }

std::wstring Separator() {
  wchar_t buffer[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8);
  return buffer;
}

LOGFONTW FontOf(HWND hwnd) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

SIZE ClientSize(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return {r.right, r.bottom};
}

void ExpectBounds(const TControl& control, int left, int top, int width, int height) {
  EXPECT_EQ(control.Left(), left) << Narrow(control.Name());
  EXPECT_EQ(control.Top(), top) << Narrow(control.Name());
  EXPECT_EQ(control.Width(), width) << Narrow(control.Name());
  EXPECT_EQ(control.Height(), height) << Narrow(control.Name());
}

// ------------------------------------------------------------- the dialog

TEST(AboutDialog, IsBuiltFromItsLayoutAsTabled) {
  TBeepCounter recorder;
  const auto form = TForm::New<TFAbout>(nullptr, HalfAGigabyte);
  TFAbout& dialog = *form;
  HWND hwnd = dialog.Handle();
  EXPECT_EQ(TextOf(hwnd), L"A propos de...");
  EXPECT_EQ(ClientSize(hwnd).cx, 294);
  EXPECT_EQ(ClientSize(hwnd).cy, 268);
  // A fixed dialog frame whose only title-bar button is the close box.
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

  // Labels stand where the layout puts them, sized to their texts.
  EXPECT_EQ(ChildRect(dialog.lblPhysMem->Handle()).left, 86);
  EXPECT_EQ(ChildRect(dialog.lblPhysMem->Handle()).top, 173);
  EXPECT_EQ(ChildRect(dialog.lblPhysRes->Handle()).top, 193);
  EXPECT_EQ(ChildRect(dialog.Label1->Handle()).left, 88);
  EXPECT_EQ(ChildRect(dialog.Label1->Handle()).top, 96);
  EXPECT_EQ(ChildRect(dialog.Label2->Handle()).top, 120);
  EXPECT_EQ(ChildRect(dialog.Label3->Handle()).top, 136);
  EXPECT_EQ(TextOf(dialog.Label1->Handle()), L"Label1");
  EXPECT_EQ(TextOf(dialog.Label2->Handle()), L"Label2");
  EXPECT_EQ(TextOf(dialog.Label3->Handle()), L"Label3");
  const RECT ok = ChildRect(dialog.Button1->Handle());
  EXPECT_EQ(ok.left, 208);
  EXPECT_EQ(ok.top, 223);
  EXPECT_EQ(ok.right - ok.left, 74);
  EXPECT_EQ(ok.bottom - ok.top, 26);
  EXPECT_EQ(TextOf(dialog.Button1->Handle()), L"OK");
  // "OK" is the one control that takes the focus.
  EXPECT_EQ(GetNextDlgTabItem(hwnd, nullptr, FALSE), dialog.Button1->Handle());
  EXPECT_EQ(GetNextDlgTabItem(hwnd, dialog.Button1->Handle(), FALSE), dialog.Button1->Handle());

  // Label1 has a bold 13-pixel font of its own; the others use the dialog's.
  const LOGFONTW title = FontOf(dialog.Label1->Handle());
  EXPECT_EQ(title.lfHeight, -13);
  EXPECT_GE(title.lfWeight, FW_BOLD);
  EXPECT_STREQ(title.lfFaceName, L"MS Sans Serif");
  const LOGFONTW body = FontOf(dialog.Label2->Handle());
  EXPECT_EQ(body.lfHeight, -11);
  EXPECT_LT(body.lfWeight, FW_BOLD);

  // The banner, 298 x 81 at 24 bits per pixel, over the top edge to edge.
  ExpectBounds(*dialog.Image1, -4, -4, 298, 81);
  BITMAP banner{};
  ASSERT_TRUE(GetObjectW(dialog.Image1->Bitmap(), sizeof banner, &banner));
  EXPECT_EQ(banner.bmWidth, 298);
  EXPECT_EQ(banner.bmHeight, 81);
  EXPECT_EQ(banner.bmBitsPixel, 24);
  // The icon in a 34 x 34 image.
  ExpectBounds(*dialog.FImage, 23, 95, 34, 34);
  EXPECT_NE(dialog.FImage->Icon(), nullptr);

  // The lines store no height: they keep the constructed one until painted.
  ExpectBounds(*dialog.Line1, 86, 158, 196, 65);
  ExpectBounds(*dialog.Line2, 86, 159, 196, 65);
  EXPECT_EQ(dialog.Line1->Line(), ltHorizontal);
  EXPECT_EQ(dialog.Line1->Pen().Color(), clBlack);
  EXPECT_EQ(dialog.Line2->Pen().Color(), clWhite);

  // Its creation beeps once, before anything is shown.
  EXPECT_EQ(recorder.Beeps, 1);
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST(AboutDialog, PaintsTheGrooveTheBannerAndTheIconInPlace) {
  TBeepCounter recorder;
  const auto form = TForm::New<TFAbout>(nullptr, HalfAGigabyte);
  TFAbout& dialog = *form;
  dialog.Show();
  Pump(150);  // the first paint settles the lines, the next draws them there
  EXPECT_EQ(dialog.Line1->Height(), 10);
  EXPECT_EQ(dialog.Line2->Height(), 10);

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  TPixelCapture capture(294, 268, face);
  capture.PrintClient(dialog.Handle());
  for (int x = 86; x <= 280; ++x) {
    ASSERT_EQ(capture.Pixel(x, 162), RGB(0, 0, 0)) << x;
    ASSERT_EQ(capture.Pixel(x, 163), RGB(255, 255, 255)) << x;
    ASSERT_EQ(capture.Pixel(x, 161), face) << x;
    ASSERT_EQ(capture.Pixel(x, 164), face) << x;
  }
  EXPECT_EQ(capture.Pixel(85, 162), face);
  EXPECT_EQ(capture.Pixel(281, 162), face);
  EXPECT_EQ(capture.Pixel(281, 163), face);

  // The banner's pixel (4, 4) is the client area's top-left one.
  TMemoryDC source(nullptr);
  TSelectObject select(source.Get(), dialog.Image1->Bitmap());
  EXPECT_EQ(capture.Pixel(0, 0), GetPixel(source.Get(), 4, 4));
  EXPECT_EQ(capture.Pixel(293, 76), GetPixel(source.Get(), 297, 80));
  EXPECT_EQ(capture.Pixel(100, 77), face);

  // The icon, unscaled, at the image's top-left corner.
  TPixelCapture icon(294, 268, face);
  DrawIconEx(icon.DC(), 23, 95, dialog.FImage->Icon(), 0, 0, 0, nullptr, DI_NORMAL);
  GdiFlush();
  int iconPixels = 0;
  for (int y = 95; y < 95 + 34; ++y)
    for (int x = 23; x < 23 + 34; ++x) {
      ASSERT_EQ(capture.Pixel(x, y), icon.Pixel(x, y)) << x << "," << y;
      if (icon.Pixel(x, y) != face) ++iconPixels;
    }
  EXPECT_GT(iconPixels, 32 * 30);
  EXPECT_EQ(icon.Pixel(23 + 32, 95 + 10), face) << "drawn 32 pixels wide";
}

TEST(AboutDialog, ShowsThePlatformsMemoryFigures) {
  TBeepCounter recorder;
  const auto form = TForm::New<TFAbout>(nullptr);
  TFAbout& dialog = *form;
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));

  // The true total, rounded to whole Ko, whatever its size.
  std::wstring text = TextOf(dialog.lblPhysMem->Handle());
  const std::wstring lead = L"Mémoire physique totale : ", tail = L" Ko";
  ASSERT_EQ(text.rfind(lead, 0), 0u) << Narrow(text);
  ASSERT_EQ(text.substr(text.size() - tail.size()), tail);
  std::wstring digits;
  for (wchar_t c : text.substr(lead.size(), text.size() - lead.size() - tail.size()))
    if (iswdigit(c)) digits += c;
  EXPECT_EQ(std::stoull(digits), (status.ullTotalPhys + 512) / 1024);

  // The free share: 100 less the load, which may move by a point meanwhile.
  text = TextOf(dialog.lblPhysRes->Handle());
  const std::wstring resLead = L"Ressources système      : ";
  ASSERT_EQ(text.rfind(resLead, 0), 0u) << Narrow(text);
  const int free = std::stoi(text.substr(resLead.size()));
  EXPECT_EQ(text, resLead + std::to_wstring(free) + L"% libre.");
  EXPECT_NEAR(free, 100 - static_cast<int>(status.dwMemoryLoad), 2);
}

TEST(AboutDialog, GroupsTheMemoryFigureWithTheUsersSeparator) {
  TBeepCounter recorder;
  const auto form = TForm::New<TFAbout>(nullptr, HalfAGigabyte);
  TFAbout& dialog = *form;
  ASSERT_FALSE(Separator().empty());
  EXPECT_EQ(TextOf(dialog.lblPhysMem->Handle()), L"Mémoire physique totale : 524" + Separator() + L"288 Ko");
  EXPECT_EQ(TextOf(dialog.lblPhysRes->Handle()), L"Ressources système      : 37% libre.");
}

// ------------------------------------------------------- the About box

struct TSeen {
  std::wstring Name, Version, Copyright, PhysMem;
  int BeepsAtShow = -1;
  bool Visible = false;
};

TSeen Read(TFAbout& dialog, const TBeepCounter& recorder) {
  return {TextOf(dialog.Label1->Handle()), TextOf(dialog.Label2->Handle()),
          TextOf(dialog.Label3->Handle()), TextOf(dialog.lblPhysMem->Handle()), recorder.Beeps,
          IsWindowVisible(dialog.Handle()) != FALSE};
}

// What the one showing that `show` makes shows, read and closed with « OK »;
// `whileShown` looks at anything else meanwhile. Counts the beeps.
TSeen ShowAndRead(const std::function<void()>& show, TBeepCounter& recorder,
                  const std::function<void()>& whileShown = [] {}) {
  TSeen seen;
  TAboutDriver driver([&](TFAbout& dialog) {
    seen = Read(dialog, recorder);
    whileShown();
    ClickOk(dialog);
  });
  show();
  EXPECT_EQ(driver.Runs(), 1);
  return seen;
}

TEST(AboutBox, AFreshBoxShowsEmptyNameAndVersionAndTheNotice) {
  TAboutBox box(nullptr);
  EXPECT_EQ(box.ProductName(), L"");
  EXPECT_EQ(box.Version(), L"");
  EXPECT_EQ(box.Copyright(), L"\u00A9 Brelix");
  box.SetMemorySource(HalfAGigabyte);

  TBeepCounter recorder;
  const TSeen seen = ShowAndRead([&] { box.Execute(); }, recorder);
  EXPECT_TRUE(seen.Visible);
  EXPECT_EQ(seen.Name, L"");
  EXPECT_EQ(seen.Version, L"");
  EXPECT_EQ(seen.Copyright, L"\u00A9 Brelix");
  EXPECT_EQ(seen.BeepsAtShow, 1) << "one beep, before the dialog shows";
  EXPECT_EQ(recorder.Beeps, 1);
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow()) << "the dialog is destroyed after its showing";
}

TEST(AboutBox, TextsAreCutAtOneHundredCharacters) {
  TAboutBox box(nullptr);
  box.SetMemorySource(HalfAGigabyte);
  const std::wstring hundred(100, L'v');
  box.SetVersion(std::wstring(150, L'v'));
  EXPECT_EQ(box.Version(), hundred);
  box.SetProductName(hundred);
  EXPECT_EQ(box.ProductName(), hundred);
  box.SetCopyright(std::wstring(99, L'c') + L"\U0001F600" + L"x");
  EXPECT_EQ(box.Copyright(), std::wstring(99, L'c') + L"\U0001F600") << "a pair is one character, never split";

  TBeepCounter recorder;
  const TSeen seen = ShowAndRead([&] { box.Execute(); }, recorder);
  EXPECT_EQ(seen.Version, hundred);
  EXPECT_EQ(seen.Name, hundred);
}

TEST(AboutBox, EachShowingBeepsOnceAndReadsMemoryAfreshAndTheCloseBoxActsAsOk) {
  TAboutBox box(nullptr);
  int reads = 0;
  box.SetMemorySource([&reads] {
    ++reads;
    return TMemoryFigures{reads * 1048576ull, 10};
  });
  TBeepCounter recorder;
  std::vector<TSeen> seen;
  int showing = 0;
  TAboutDriver driver([&](TFAbout& dialog) {
    seen.push_back(Read(dialog, recorder));
    if (showing++ == 0) CloseBox(dialog);
    else ClickOk(dialog);
  });

  box.Execute();  // closed by the close box
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow());
  box.Execute();  // closed by OK
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow());

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(reads, 2);
  EXPECT_EQ(seen[0].PhysMem, L"Mémoire physique totale : 1" + Separator() + L"024" + L" Ko");
  EXPECT_EQ(seen[1].PhysMem, L"Mémoire physique totale : 2" + Separator() + L"048" + L" Ko");
  EXPECT_EQ(seen[0].BeepsAtShow, 1);
  EXPECT_EQ(seen[1].BeepsAtShow, 2);
  EXPECT_EQ(recorder.Beeps, 2);
}

TEST(AboutBox, ADialogThatCannotBeBuiltBeepsAndShowsNothing) {
  TAboutBox box(nullptr);
  TBeepCounter recorder;
  TBoxAnswerer boxes;
  TAboutDriver driver([](TFAbout& dialog) { ClickOk(dialog); });

  box.SetMemorySource([]() -> TMemoryFigures { throw std::runtime_error("no memory figures"); });
  EXPECT_NO_THROW(box.Execute());
  EXPECT_EQ(driver.Runs(), 0);
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow());
  Pump(200);
  EXPECT_EQ(boxes.Count(), 0u) << "no message either";
  // The dialog's own greeting came before the failure, then the failure's.
  EXPECT_EQ(recorder.Beeps, 2);

  // Anything that is not a std::exception goes on to the caller.
  box.SetMemorySource([]() -> TMemoryFigures { throw 42; });
  EXPECT_THROW(box.Execute(), int);
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow());
}

TEST(AboutBox, GivesBackEveryHandleOfItsDialog) {
  TAboutBox box(nullptr);
  box.SetMemorySource(HalfAGigabyte);
  TBeepCounter recorder;
  HICON icon = nullptr;
  HBITMAP banner = nullptr;
  HFONT titleFont = nullptr;
  TAboutDriver driver([&](TFAbout& dialog) {
    icon = dialog.FImage->Icon();
    banner = dialog.Image1->Bitmap();
    titleFont = reinterpret_cast<HFONT>(SendMessageW(dialog.Label1->Handle(), WM_GETFONT, 0, 0));
    ClickOk(dialog);
  });
  box.Execute();
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(icon, &info)) << "the icon copy is destroyed";
  EXPECT_EQ(GetObjectType(banner), 0u) << "the banner bitmap is deleted";
  EXPECT_EQ(GetObjectType(titleFont), 0u) << "the title font is deleted";
}

using AboutBoxFromTheMenu = TProgramWindowsTest;

TEST_F(AboutBoxFromTheMenu, ShowsTheProgramsTexts) {
  TForm1& main = *form1;
  EXPECT_EQ(main.AboutBox1->ProductName(), L"Brelix");
  TBeepCounter recorder;
  bool mainEnabled = true;
  const TSeen seen = ShowAndRead(
      [&] {
        SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(main.Find<TMenuItem>(L"Aproposde1").Command(), 0), 0);
      },
      recorder, [&] { mainEnabled = IsWindowEnabled(main.Handle()) != FALSE; });
  EXPECT_EQ(seen.Name, L"Brelix");
  EXPECT_EQ(seen.Version, L"Version 1.0 - Win9x - WinXP");
  EXPECT_EQ(seen.Copyright, L"\u00A9 Brelix");
  EXPECT_FALSE(mainEnabled) << "the main window waits while the dialog is open";
  EXPECT_TRUE(IsWindowEnabled(main.Handle()));
  EXPECT_EQ(recorder.Beeps, 1);
}

TEST(AboutBox, EnterAndSpaceOnTheFocusedOkCloseIt) {
  for (BYTE key : {static_cast<BYTE>(VK_RETURN), static_cast<BYTE>(VK_SPACE)}) {
    SCOPED_TRACE(key);
    TAboutBox box(nullptr);
    box.SetMemorySource(HalfAGigabyte);
    TBeepCounter beeps;
    int ticks = 0;
    bool okFocused = false;
    TAboutDriver driver([&](TFAbout& dialog) {
      if (ticks++ == 0) {
        okFocused = dialog.Button1->Focused();
        RealKey(key);
      } else if (ticks == 50) {
        ClickOk(dialog);  // the key did nothing: end the showing
      }
    });
    box.Execute();
    EXPECT_TRUE(okFocused);
    EXPECT_LT(ticks, 50) << "the key closed the dialog";
  }
}

}  // namespace
