// The pop-up menu in real windows: where it opens, what a click, a mnemonic, Esc or a
// click elsewhere do, and sub-menus.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/MenuGeometry.h"
#include "ui/controls/UiMenuItem.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink::testing {
namespace {

// A menu of a command (400) and an item that opens a sub-menu of one command (500).
struct MenuWithSubMenu {
  MenuWithSubMenu() {
    sub.AddItem(CommandItem("子项(&S)", 500));
    menu.AddItem(CommandItem("命令(&M)", 400));
    menu.AddItem(SubMenuItem("更多(&O)", sub));
  }
  UiMenu sub;
  UiMenu menu;  // declared after the sub-menu it opens: goes first
};

class MenuTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    BuildEditContextMenu();
    ASSERT_TRUE(target.Create(hwnd(), {100, 100, 120, 40}));
    MouseMove(110, 110);  // the menu is about the control under the mouse
  }

  int Commands(WPARAM id) const {
    return HookedCount(WM_COMMAND, [&](const MSG& m) {
      return m.wParam == id && m.lParam == static_cast<LPARAM>(target.Handle());
    });
  }
  int AllCommands() const { return HookedCount(WM_COMMAND); }

  RecordingControl target;
};

TEST_F(MenuTest, TheEditMenuMeasuresItsCaptionsAndFlipsAtTheScreenEdges) {
  const ScreenBox work = WorkArea();
  struct Case {
    POINT pointer;
    bool left, up;
  };
  const Case cases[] = {
      {{200, 150}, false, false},
      {{work.right - 4, 150}, true, false},
      {{200, work.bottom - 4}, false, true},
  };
  for (const Case& c : cases) {
    SetCursorPos(c.pointer.x, c.pointer.y);
    PopupDriver driver(MenuWindowOf(EditContextMenu()));
    RECT box = {};
    driver.OnOpen([&](HWND menu) {
      GetWindowRect(menu, &box);
      PressKey(menu, VK_ESCAPE);
    });
    driver.Run([&] { EditContextMenu().PopupAt(hwnd()); });
    ASSERT_TRUE(driver.Opened());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(box.bottom - box.top, 132);  // five items and two separators
    const int width = box.right - box.left;
    EXPECT_GT(width, 50);
    EXPECT_EQ(box.left, c.left ? c.pointer.x - width : c.pointer.x);
    EXPECT_EQ(box.top, c.up ? c.pointer.y - 132 + 5 : c.pointer.y);
  }
  // As a Windows edit box's menu: undo first, and a separator under it.
  EXPECT_EQ(EditContextMenu().ItemCaption(1), "撤销(&U)");
  EXPECT_EQ(EditContextMenu().ItemCaption(2), "");
  EXPECT_EQ(AllCommands(), 0);  // Esc chooses nothing
  EXPECT_EQ(window().Focused(), &target);
}

// A set width is in 96-DPI units, opened at the owner's scale; below fifty it counts as fifty.
TEST_F(MenuTest, ASetWidthBelowFiftyOpensFiftyWideWhereAsked) {
  struct Case {
    int dpi, setWidth, pixels;
  };
  for (const Case& c : {Case{96, 30, 50}, Case{96, 80, 80}, Case{192, 80, 160}, Case{192, 30, 100}}) {
    SCOPED_TRACE(std::to_string(c.setWidth) + " at " + std::to_string(c.dpi) + " DPI");
    RECT suggested = {0, 0, kWidth, kHeight};
    SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&suggested));
    UiMenu menu;
    menu.SetWidth(c.setWidth);
    menu.AddItem(CommandItem("很长的菜单项文字(&L)", 1));
    PopupDriver driver(MenuWindowOf(menu));
    RECT box = {};
    driver.OnOpen([&](HWND hwnd) {
      GetWindowRect(hwnd, &box);
      PostMessageW(hwnd, WM_CLOSE, 0, 0);
    });
    driver.Run([&] { menu.PopupAt(hwnd(), 300, 200); });
    EXPECT_EQ(box.left, 300);
    EXPECT_EQ(box.top, 200);
    EXPECT_EQ(box.right - box.left, c.pixels);
  }
}

// A checked item shows the check mark drawn for its window's scale, pixel for pixel in the
// picture box the style gives it: 20 x 20 at 96 DPI, 30 x 30 at 144. (Here the item stands
// in the test's window, whose DPI a test can change; a menu's own window takes its
// monitor's.)
TEST_F(MenuTest, ACheckedItemShowsTheCheckMarkDrawnForItsScale) {
  struct Case {
    int dpi;
    ImageScale drawnAt;
    float size;
  };
  for (const Case& c : {Case{96, ImageScale::Normal, 20}, Case{144, ImageScale::OneAndAHalf, 30}}) {
    RECT place = {};
    GetWindowRect(hwnd(), &place);
    SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&place));
    UiMenu menu;
    MenuItem checked = CommandItem("选中(&C)", 1);
    checked.state = static_cast<int>(MenuItemState::Checked);
    UiMenuItem item;
    ASSERT_TRUE(item.Create(hwnd(), {10, 200, 150, 40}, checked, menu));
    const Surface& shown = SurfaceOf(item);
    const Rect box = window().Style().menu.pictureBox;
    EXPECT_EQ(box.width, c.size) << c.dpi;
    EXPECT_EQ(box.height, c.size) << c.dpi;
    Surface expected(shown.Width(), shown.Height());
    DrawImagePart(expected.Graphics(), SharedEmbeddedImage(EmbeddedImage::MenuCheckMark, c.drawnAt),
                  {0, 0, c.size, c.size}, box);
    EXPECT_EQ(CountPixels(shown,
                          [&](int x, int y, Argb p) {
                            const bool inBox = x >= box.left && x < box.Right() && y >= box.top && y < box.Bottom();
                            return inBox && p != expected.PixelAt(x, y);
                          }),
              0)
        << c.dpi;
  }
}

TEST_F(MenuTest, ClicksChooseEnabledItemsOnly) {
  UiMenu& menu = EditContextMenu();
  menu.SetItemState(3, static_cast<int>(MenuItemState::Disabled));
  PopupDriver driver(MenuWindowOf(menu));
  bool stillOpenAfterDisabledClick = false;
  driver.OnOpen([&](HWND hwnd) {
    ClickMenuItem(hwnd, menu, 3);  // "剪切(&T)", disabled
    stillOpenAfterDisabledClick = IsWindowVisible(hwnd) != FALSE;
    ClickMenuItem(hwnd, menu, 4);  // "复制(&C)"
  });
  driver.Run([&] { menu.PopupAt(hwnd(), 300, 150); });
  EXPECT_TRUE(stillOpenAfterDisabledClick);
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(Commands(88), 0);
  EXPECT_EQ(Commands(67), 1);
  EXPECT_EQ(AllCommands(), 1);
  EXPECT_EQ(menu.Hwnd(), nullptr);
}

TEST_F(MenuTest, AMnemonicLetterChoosesItsItemWithoutAlt) {
  PopupDriver driver(MenuWindowOf(EditContextMenu()));
  driver.OnOpen([&](HWND hwnd) { PressKey(hwnd, 'A'); });
  driver.Run([&] { EditContextMenu().PopupAt(hwnd(), 300, 150); });
  EXPECT_EQ(Commands(65), 1);
  EXPECT_EQ(AllCommands(), 1);

  // An item with a routine calls it instead of sending a command.
  UiMenu menu;
  int calls = 0;
  MenuItem routine = CommandItem("运行(&R)", 0);
  routine.sendsCommand = false;
  routine.routine = [&calls] { ++calls; };
  menu.AddItem(routine);
  PopupDriver second(MenuWindowOf(menu));
  second.OnOpen([&](HWND hwnd) { PressKey(hwnd, 'R'); });
  second.Run([&] { menu.PopupAt(hwnd(), 300, 150); });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(AllCommands(), 1);
}

TEST_F(MenuTest, ArrowsMoveOneHighlightPastWhatCannotBeChosenAndEnterOrSpaceChoosesIt) {
  // 撤销 and 剪切 (both disabled here), 复制, 粘贴 and 全部选择, with separators after 撤销
  // and 粘贴
  UiMenu& menu = EditContextMenu();
  menu.SetItemState(1, static_cast<int>(MenuItemState::Disabled));
  menu.SetItemState(3, static_cast<int>(MenuItemState::Disabled));
  // The one highlighted item (1-based), 0 for none, -1 for more than one.
  const auto highlighted = [](HWND hwnd) {
    int found = 0;
    const std::vector<UiControl*>& items = UiWindow::FromHwnd(hwnd)->Controls();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (static_cast<UiMenuItem*>(items[i])->Highlighted()) found = found == 0 ? static_cast<int>(i) + 1 : -1;
    return found;
  };
  std::vector<int> seen;
  PopupDriver driver(MenuWindowOf(menu));
  driver.OnOpen([&](HWND hwnd) {
    for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_HOME, VK_END}) {
      PressKey(hwnd, key);
      seen.push_back(highlighted(hwnd));
    }
    // The pointer takes the highlight; the keys go on from there and take it back.
    const Rect copy = UiWindow::FromHwnd(hwnd)->Controls()[3]->PixelRect();
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(copy.left + 5, copy.top + 5));
    seen.push_back(highlighted(hwnd));
    PressKey(hwnd, VK_DOWN);
    seen.push_back(highlighted(hwnd));
    PressKey(hwnd, VK_RETURN);
  });
  driver.Run([&] { menu.PopupAt(hwnd(), 300, 150); });
  EXPECT_EQ(seen, (std::vector<int>{4, 5, 7, 4, 7, 4, 7, 4, 5}));
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(Commands(86), 1);  // 粘贴
  EXPECT_EQ(AllCommands(), 1);

  PopupDriver spaced(MenuWindowOf(menu));
  spaced.OnOpen([&](HWND hwnd) {
    for (const WPARAM key : {VK_END, VK_SPACE}) PressKey(hwnd, key);
  });
  spaced.Run([&] { menu.PopupAt(hwnd(), 300, 150); });
  EXPECT_FALSE(spaced.TimedOut());
  EXPECT_EQ(Commands(65), 1);  // 全部选择
  EXPECT_EQ(AllCommands(), 2);
}

TEST_F(MenuTest, ActivatingAnotherWindowClosesTheMenuWithoutACommand) {
  PopupDriver driver(MenuWindowOf(EditContextMenu()));
  driver.OnOpen([&](HWND) { SetForegroundWindow(hwnd()); });
  driver.Run([&] { EditContextMenu().PopupAt(hwnd(), 300, 150); });
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(AllCommands(), 0);
}

TEST_F(MenuTest, ASubMenuOpensBesideItsItemAndItsCommandClosesTheChain) {
  MenuWithSubMenu chain;
  UiMenu& sub = chain.sub;
  UiMenu& menu = chain.menu;

  PopupDriver driver(MenuWindowOf(menu));
  RECT parent = {}, child = {};
  driver.OnOpen([&](HWND hwnd) {
    GetWindowRect(hwnd, &parent);
    PopupDriver inner(MenuWindowOf(sub));
    inner.OnOpen([&](HWND subHwnd) {
      GetWindowRect(subHwnd, &child);
      ClickMenuItem(subHwnd, sub, 1);
    });
    inner.Arm();
    ClickMenuItem(hwnd, menu, 2);  // opens the sub-menu at once and returns when it closed
  });
  driver.Run([&] { menu.PopupAt(hwnd(), 200, 150); });
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(child.left, parent.right - 10);
  EXPECT_EQ(HookedCount(WM_COMMAND, [](const MSG& m) { return m.wParam == 500; }), 1);
  EXPECT_EQ(AllCommands(), 1);
  EXPECT_EQ(menu.Hwnd(), nullptr);
  EXPECT_EQ(sub.Hwnd(), nullptr);

  // From the keyboard: Right opens the highlighted item's sub-menu, Left closes it again.
  PopupDriver keyed(MenuWindowOf(menu));
  bool subOpened = false;
  keyed.OnOpen([&](HWND hwnd) {
    PopupDriver inner(MenuWindowOf(sub));
    inner.OnOpen([&](HWND subHwnd) {
      subOpened = true;
      PressKey(subHwnd, VK_LEFT);
    });
    inner.Arm();
    for (const WPARAM key : {VK_END, VK_RIGHT, VK_UP, VK_RETURN}) PressKey(hwnd, key);
  });
  keyed.Run([&] { menu.PopupAt(hwnd(), 200, 150); });
  EXPECT_TRUE(subOpened);
  EXPECT_FALSE(keyed.TimedOut());
  EXPECT_EQ(HookedCount(WM_COMMAND, [](const MSG& m) { return m.wParam == 400; }), 1);
  EXPECT_EQ(AllCommands(), 2);
}

TEST_F(MenuTest, AnItemCreatedAgainIsNotTakenForTheOneThatOpenedTheSubMenu) {
  MenuWithSubMenu chain;
  UiMenu& sub = chain.sub;
  UiMenu& menu = chain.menu;

  bool heldAsOpener = false, takenAfterwards = true, drawnAsOpener = true;
  PopupDriver driver(MenuWindowOf(menu));
  driver.OnOpen([&](HWND hwnd) {
    PopupDriver inner(MenuWindowOf(sub));
    inner.OnOpen([&](HWND subHwnd) {
      auto& opener = *static_cast<UiMenuItem*>(UiWindow::FromHwnd(hwnd)->Controls()[1]);
      heldAsOpener = menu.Opener() == &opener;
      // The same object, another life: it opened nothing.
      const Rect place = opener.PixelRect();
      const MenuItem item = opener.Item();
      opener.Destroy();
      ASSERT_TRUE(opener.Create(hwnd, place, item, menu));
      takenAfterwards = menu.Opener() != nullptr;
      drawnAsOpener = opener.Highlighted();
      PressKey(subHwnd, VK_ESCAPE);
    });
    inner.Arm();
    ClickMenuItem(hwnd, menu, 2);  // opens the sub-menu and returns when it closed
    PressKey(hwnd, VK_ESCAPE);
  });
  driver.Run([&] { menu.PopupAt(hwnd(), 200, 150); });
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_TRUE(heldAsOpener);
  EXPECT_FALSE(takenAfterwards);
  EXPECT_FALSE(drawnAsOpener);
  EXPECT_EQ(AllCommands(), 0);
  EXPECT_EQ(menu.Hwnd(), nullptr);
}

}  // namespace
}  // namespace getlink::testing
