// The DPI readings on systems that lack the functions telling them (Windows 7 to 8.1), and
// windows whose DPI is not the system's: each sized and laid out at one DPI.
#include "ui/framework/drawing/DisplayDpi.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink::testing {
namespace {

// The readings go through other functions for as long as it lives.
class OtherSystemDpi {
 public:
  explicit OtherSystemDpi(const DpiFunctions& functions) : saved_(UseDpiFunctions(functions)) {}
  ~OtherSystemDpi() { UseDpiFunctions(saved_); }
  OtherSystemDpi(const OtherSystemDpi&) = delete;
  OtherSystemDpi& operator=(const OtherSystemDpi&) = delete;

 private:
  DpiFunctions saved_;
};

UINT WINAPI SystemAt96() { return 96; }
UINT WINAPI SystemAt144() { return 144; }
UINT WINAPI WindowAt96(HWND) { return 96; }
UINT WINAPI WindowAt144(HWND) { return 144; }

// Without the DPI functions (Windows 8.1 has none of them) the system DPI is the screen's
// and a metric at a DPI is the system's metric scaled: both what the functions this system
// has tell, at every DPI the program's icons are made for.
TEST(DisplayDpi, WithoutTheDpiFunctionsTheReadingsAreWhatTheFunctionsTell) {
  const DpiFunctions system = SystemDpiFunctions();
  if (system.dpiForSystem == nullptr || system.systemMetricsForDpi == nullptr)
    GTEST_SKIP() << "this system has no DPI functions to compare with";
  const OtherSystemDpi eightPointOne{DpiFunctions{}};
  EXPECT_EQ(SystemDpi(), static_cast<int>(system.dpiForSystem()));
  for (const int dpi : {96, 120, 144, 192}) {
    for (const int index : {SM_CXSMICON, SM_CYSMICON, SM_CXICON, SM_CYICON}) {
      EXPECT_EQ(SystemMetricForDpi(index, dpi), system.systemMetricsForDpi(index, static_cast<UINT>(dpi)))
          << "metric " << index << " at " << dpi << " DPI";
    }
  }
}

class WindowDpiTest : public WindowTest {
 protected:
  // A window of 300 x 200 units made and attached as the program makes its own, with
  // `button` at {20, 40, 80, 24} in it.
  void Open(HWND owner, UiWindow& window, UiButton& button) {
    CreateWindowOptions create;
    create.width = 300;
    create.height = 200;
    ASSERT_TRUE(window.Attach(CreateUiWindow(owner, "窗口", create), DefaultOptions()));
    ASSERT_TRUE(button.Create(window.Hwnd(), {20, 40, 80, 24}));
  }

  static SIZE SizeOf(HWND hwnd) {
    RECT place = {};
    GetWindowRect(hwnd, &place);
    return {place.right - place.left, place.bottom - place.top};
  }
};

// The display's scale changed without signing out: the window's DPI is no longer the
// system's. The window is sized, centred and laid out at its own DPI.
TEST_F(WindowDpiTest, AWindowWhoseDpiIsNotTheSystemsIsSizedAndLaidOutAtItsOwn) {
  struct Case {
    UINT(WINAPI* system)();
    UINT(WINAPI* window)(HWND);
    int dpi;
  };
  for (const Case& c : {Case{SystemAt96, WindowAt144, 144}, Case{SystemAt144, WindowAt96, 96}}) {
    SCOPED_TRACE("the window at " + std::to_string(c.dpi) + " DPI");
    DpiFunctions changed = SystemDpiFunctions();
    changed.dpiForSystem = c.system;
    changed.dpiForWindow = c.window;
    const OtherSystemDpi scaleChanged(changed);
    UiWindow opened;
    UiButton button;
    ASSERT_NO_FATAL_FAILURE(Open(nullptr, opened, button));
    const SIZE size = SizeOf(opened.Hwnd());
    EXPECT_EQ(size.cx, 300 * c.dpi / 96);
    EXPECT_EQ(size.cy, 200 * c.dpi / 96);
    EXPECT_EQ(opened.Dpi(), c.dpi);
    EXPECT_EQ(opened.Width(), size.cx);
    const float factor = c.dpi / 96.f;
    EXPECT_EQ(button.PixelRect(), (Rect{20 * factor, 40 * factor, 80 * factor, 24 * factor}));
    RECT place = {};
    GetWindowRect(opened.Hwnd(), &place);
    const RECT work = DesktopWorkArea();
    EXPECT_EQ(place.left, work.left + (work.right - work.left - size.cx) / 2);
    EXPECT_EQ(place.top, work.top + (work.bottom - work.top - size.cy) / 2);
  }
}

// Without GetDpiForWindow (Windows 8.1) a window that moved to a monitor of another DPI
// knows it only from the move; a window it owns (a menu, a message box) opens at that DPI
// too, sized and laid out alike, not at the system's.
TEST_F(WindowDpiTest, AnOwnedWindowOpensAtItsOwnersDpi) {
  DpiFunctions eightPointOne = SystemDpiFunctions();
  eightPointOne.dpiForSystem = SystemAt96;
  eightPointOne.dpiForWindow = nullptr;
  const OtherSystemDpi system(eightPointOne);
  ChangeDpi(144);
  UiWindow owned;
  UiButton button;
  ASSERT_NO_FATAL_FAILURE(Open(hwnd(), owned, button));
  const SIZE size = SizeOf(owned.Hwnd());
  EXPECT_EQ(size.cx, 450);
  EXPECT_EQ(size.cy, 300);
  EXPECT_EQ(owned.Dpi(), 144);
  EXPECT_EQ(button.PixelRect(), (Rect{30, 60, 120, 36}));
}

}  // namespace
}  // namespace getlink::testing
