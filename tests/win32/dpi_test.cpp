// The windows on screens of other densities, as a move to such a screen
// tells them (WM_DPICHANGED sent to the real window): the client area scales
// with the density, every text fits in its control in the font made for it,
// and a move back to 96 DPI gives every control its bounds back.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "AboutForm.h"
#include "Dpi.h"
#include "ProgramWindowsTest.h"
#include "WindowProbe.h"

namespace {

// The width of a text as a control draws it, in the control's own font.
int TextWidth(HWND control, const std::wstring& text, UINT format = DT_SINGLELINE) {
  HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &r, format | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return r.right;
}

// Every text of the window that its control cuts: labels, buttons and tiles,
// group box captions, the spin fields' text areas, the status bar's panels;
// and every control that runs past its parent's client area.
std::vector<std::wstring> CutTexts(HWND window) {
  std::vector<std::wstring> cut;
  for (HWND control : Descendants(window)) {
    if (!IsWindowVisible(control)) continue;
    const std::wstring text = TextOf(control);
    RECT client, parent;
    GetClientRect(control, &client);
    GetClientRect(GetParent(control), &parent);
    const RECT r = ChildRect(control);
    const std::wstring name = ClassOf(control) + L" '" + text + L"'";
    if (r.right > parent.right || r.bottom > parent.bottom)
      cut.push_back(name + L" leaves its parent at " + std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    int room = client.right;
    if (IsClass(control, L"Edit")) {
      RECT area{};
      SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
      room = area.right - area.left;
    } else if (IsClass(control, L"Button")) {
      // Push buttons keep their edges clear; a group box its corner.
      room -= (style & BS_TYPEMASK) == BS_GROUPBOX ? 16 : 6;
    } else if (IsClass(control, STATUSCLASSNAMEW)) {
      const int parts = static_cast<int>(SendMessageW(control, SB_GETPARTS, 0, 0));
      for (int part = 0; part < parts; ++part) {
        RECT bounds{};
        SendMessageW(control, SB_GETRECT, part, reinterpret_cast<LPARAM>(&bounds));
        const std::wstring panel = StatusText(control, part);
        if (TextWidth(control, panel) > bounds.right - bounds.left - 4) cut.push_back(L"panel '" + panel + L"'");
      }
      continue;
    } else if (!IsClass(control, L"Static")) {
      continue;
    }
    if (TextWidth(control, text, DT_SINGLELINE | (IsClass(control, L"Static") ? DT_NOPREFIX : 0)) > room)
      cut.push_back(name);
  }
  return cut;
}

struct TBounds {
  HWND Control;
  RECT Rect;
  bool operator==(const TBounds& other) const { return Control == other.Control && EqualRect(&Rect, &other.Rect); }
};

std::vector<TBounds> BoundsOf(HWND window) {
  std::vector<TBounds> bounds;
  for (HWND control : Descendants(window)) bounds.push_back({control, ChildRect(control)});
  return bounds;
}

// As the system does on a move between screens: the new density, and a
// window rectangle that holds the client area scaled.
void MoveToDensity(TForm& form, int dpi) {
  RECT outer, client;
  GetWindowRect(form.Handle(), &outer);
  GetClientRect(form.Handle(), &client);
  RECT suggested = outer;
  suggested.right += ScaleDpi(client.right, dpi, form.Dpi()) - client.right;
  suggested.bottom += ScaleDpi(client.bottom, dpi, form.Dpi()) - client.bottom;
  SendMessageW(form.Handle(), kWmDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump(50);
}

class DpiTest : public TProgramWindowsTest, public testing::WithParamInterface<int> {
 protected:
  // The form at the density and back: scaled client area, no text cut, and
  // every control back on its 96-DPI bounds.
  void CheckDensity(TForm& form) {
    const int dpi = GetParam();
    RECT at96;
    GetClientRect(form.Handle(), &at96);
    const std::vector<TBounds> before = BoundsOf(form.Handle());
    MoveToDensity(form, dpi);
    RECT scaled;
    GetClientRect(form.Handle(), &scaled);
    EXPECT_NEAR(scaled.right, ScaleDpi(at96.right, dpi), 1);
    EXPECT_NEAR(scaled.bottom, ScaleDpi(at96.bottom, dpi), 1);
    EXPECT_EQ(CutTexts(form.Handle()), std::vector<std::wstring>{}) << "at " << dpi << " DPI";
    MoveToDensity(form, kDesignDpi);
    EXPECT_EQ(BoundsOf(form.Handle()), before) << "back from " << dpi << " DPI";
  }
};

TEST_P(DpiTest, TheMainWindowWithFiveAndTenColumns) {
  CheckDensity(*form1);
  // Ten rows at 192 DPI would not fit on the test's screen.
  form1->FreeBoard();
  form1->SetConfiguration({5, 10, 500});
  form1->BuildBoard();
  CheckDensity(*form1);
}

TEST_P(DpiTest, TheConfigurationDialogWithItsWidestValues) {
  form2->Show();
  form2->SpinEdit1->SetValue(10);
  form2->SpinEdit2->SetValue(10);
  form2->SpinEdit3->SetValue(1000);
  CheckDensity(*form2);
  form2->Hide();
}

TEST_P(DpiTest, TheAboutBoxWithATerabyteOfMemory) {
  const auto about = TForm::New<TFAbout>(nullptr, [] { return TMemoryFigures{1ull << 40, 100}; });
  about->Show();
  CheckDensity(*about);
}

INSTANTIATE_TEST_SUITE_P(Densities, DpiTest, testing::Values(120, 144, 192));

// Every length of a window: its client area, then each control's bounds.
std::vector<std::array<LONG, 4>> Lengths(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  std::vector<std::array<LONG, 4>> lengths{{client.left, client.top, client.right, client.bottom}};
  for (const TBounds& b : BoundsOf(window)) lengths.push_back({b.Rect.left, b.Rect.top, b.Rect.right, b.Rect.bottom});
  return lengths;
}

struct TRoute {
  const char* Name;
  std::vector<int> Stops;  // the densities a window moves to from 96 DPI, in order
};
void PrintTo(const TRoute& route, std::ostream* out) { *out << route.Name; }

// How many of the lengths differ.
int Differences(const std::vector<std::array<LONG, 4>>& a, const std::vector<std::array<LONG, 4>>& b) {
  if (a.size() != b.size()) return static_cast<int>(4 * std::max(a.size(), b.size()));
  int differ = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < 4; ++j) differ += a[i][j] != b[i][j];
  return differ;
}

// However a window reaches a density, it shows there what a move straight
// from 96 DPI shows: lengths follow the design, never the pixels before. (A
// window made on a screen of another density goes there straight from 96
// DPI: its form stays at 96 DPI until it has a window.)
class DpiRouteTest : public TProgramWindowsTest, public testing::WithParamInterface<TRoute> {
 protected:
  void CheckRoute(TForm& form) {
    const TRoute& route = GetParam();
    form.Show();
    std::vector<std::vector<std::array<LONG, 4>>> seen;
    for (int dpi : route.Stops) {
      MoveToDensity(form, dpi);
      seen.push_back(Lengths(form.Handle()));
    }
    for (std::size_t i = 0; i < route.Stops.size(); ++i) {
      MoveToDensity(form, kDesignDpi);
      MoveToDensity(form, route.Stops[i]);
      const auto direct = Lengths(form.Handle());
      EXPECT_EQ(Differences(seen[i], direct), 0)
          << route.Name << ", at " << route.Stops[i] << " DPI, of " << 4 * direct.size() << " lengths";
    }
  }
};

TEST_P(DpiRouteTest, EachWindow) {
  CheckRoute(*form1);
  CheckRoute(*form2);
  form2->Hide();
  const auto about = TForm::New<TFAbout>(nullptr, [] { return TMemoryFigures{1ull << 30, 50}; });
  CheckRoute(*about);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, DpiRouteTest,
    testing::Values(TRoute{"96, 120, 144, 96", {120, 144, 96}}, TRoute{"96, 144, 120", {144, 120}},
                    TRoute{"96, 192, 120, 144", {192, 120, 144}}),
    [](const testing::TestParamInfo<TRoute>& info) { return "Route" + std::to_string(info.index); });

}  // namespace
