// Nothing grows with use: a thousand « Résoudre la grille » at 10 x 10, a
// thousand openings of the configuration dialog and a thousand showings of
// the About box leave the windows, GDI objects, kernel handles and heap of
// the process as they were. The counters themselves are shown to see a
// leak planted on purpose.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "AboutDriver.h"
#include "LoopTimer.h"
#include "ConfigForm.h"
#include "MainForm.h"
#include "ResourceCounts.h"
#include "ProgramWindowsTest.h"
#include "WindowProbe.h"

namespace {

// Heap bytes that may come and go without a leak: a container that grows
// its capacity once more. A leak of the smallest block (one byte asked for)
// at each of a thousand repetitions is 1,000 bytes at least, above this.
constexpr std::size_t kHeapTolerance = 512;

// A component that leaks on purpose, for the counters' own test: each one
// made keeps a brush, an event, a window and a heap block it never frees.
// What it leaked is listed, so that the test gives it back at its end.
class TLeakyComponent : public TComponent {
 public:
  struct TLeaked {
    HBRUSH Brush;
    HANDLE Event;
    HWND Window;
    void* Block;
  };
  explicit TLeakyComponent(TComponent* owner) : TComponent(owner) {
    Leaked().push_back({CreateSolidBrush(RGB(1, 2, 3)), CreateEventW(nullptr, TRUE, FALSE, nullptr),
                        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr),
                        std::malloc(64)});
  }
  static std::vector<TLeaked>& Leaked() {
    static std::vector<TLeaked> leaked;
    return leaked;
  }
  static void GiveBack() {
    for (const TLeaked& l : Leaked()) {
      DeleteObject(l.Brush);
      CloseHandle(l.Event);
      DestroyWindow(l.Window);
      std::free(l.Block);
    }
    Leaked().clear();
  }
};

void ExpectNoGrowth(const TResourceCounts& before, const TResourceCounts& after) {
  EXPECT_EQ(after.Windows, before.Windows);
  EXPECT_EQ(after.GdiObjects, before.GdiObjects);
  EXPECT_EQ(after.KernelHandles, before.KernelHandles);
  EXPECT_LE(after.HeapBytes, before.HeapBytes + kHeapTolerance);
  std::printf("before: %s\nafter:  %s\n", before.Describe().c_str(), after.Describe().c_str());
}

// Repeats a command: a few times first, for what is made once and kept
// (classes, caches), then a thousand times between two counts.
void ExpectFlat(const std::function<void()>& command) {
  for (int i = 0; i < 20; ++i) command();
  Pump(20);
  const TResourceCounts before = CountResources();
  for (int i = 0; i < 1000; ++i) command();
  Pump(20);
  ExpectNoGrowth(before, CountResources());
}

class ResourceGrowthTest : public TProgramWindowsTest {
 protected:
  void Menu(const wchar_t* item) {
    form1->Find<TMenuItem>(item).Click();
    Application().ProcessMessages();
  }
};

TEST(ResourceCounting, SeesALeakPlantedOnPurpose) {
  TComponent owner(nullptr);
  const TResourceCounts before = CountResources();
  for (int i = 0; i < 50; ++i) TComponent::Create<TLeakyComponent>(owner);
  const TResourceCounts after = CountResources();
  TLeakyComponent::GiveBack();
  EXPECT_EQ(after.Windows, before.Windows + 50);
  EXPECT_EQ(after.GdiObjects, before.GdiObjects + 50);
  EXPECT_EQ(after.KernelHandles, before.KernelHandles + 50);
  EXPECT_GE(after.HeapBytes, before.HeapBytes + 50 * 64);
  // Given back, the counts are flat again.
  const TResourceCounts back = CountResources();
  EXPECT_EQ(back.Windows, before.Windows);
  EXPECT_EQ(back.GdiObjects, before.GdiObjects);
  EXPECT_EQ(back.KernelHandles, before.KernelHandles);
}

TEST_F(ResourceGrowthTest, AThousandSolvesAtTenByTen) {
  form1->FreeBoard();
  form1->SetConfiguration({10, 10, 1000});
  form1->BuildBoard();
  ExpectFlat([&] { Menu(L"Rsoudre1"); });
  EXPECT_EQ(ChildrenOfClass(form1->Handle(), L"Button").size(), 100u);
}

TEST_F(ResourceGrowthTest, AThousandConfigurationDialogs) {
  int closings = 0;
  ExpectFlat([&] {
    // « Fermer », then the close box, which applies and rebuilds the board.
    const bool keep = ++closings % 2 == 0;
    bool closed = false;
    const TLoopTimer closer(USER_TIMER_MINIMUM, [&] {
      if (closed || !form2->Visible()) return;
      closed = true;
      if (keep) SendMessageW(form2->Button2->Handle(), BM_CLICK, 0, 0);
      else SendMessageW(form2->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    Menu(L"Configurer1");
  });
  EXPECT_FALSE(form2->Visible());
}

TEST_F(ResourceGrowthTest, AThousandAboutBoxes) {
  ExpectFlat([&] {
    const TAboutDriver driver(ClickOk);
    Menu(L"Aproposde1");
  });
  EXPECT_FALSE(TAboutDriver::AnyDialogWindow());
}

}  // namespace
