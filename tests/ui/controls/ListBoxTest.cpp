// The list box: its layout arithmetic, the order of its callbacks, the selection rules,
// hover-select and hot items with their colours, and scrolling by wheel and on demand.
#include <gtest/gtest.h>

#include <set>

#include "tests/ui/controls/PopupInput.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiListBox.h"

namespace getlink::testing {
namespace {

TEST(ListBoxLayout, RowsHeaderBarAndScrolling) {
  struct Case {
    const char* name;
    ListBoxLayout::Input input;
    int rowHeight, headerHeight;
    bool bar;
    int scrollRange;
  };
  // A 13-pixel font gives 19-pixel rows; the frame takes 2 pixels on every side.
  const Case cases[] = {
      {"six rows fit a 118-pixel list exactly", {ListView::List, 13, 100, 118, false, 6, 0}, 19, 0, false, 0},
      {"seven rows overflow a 128-pixel list", {ListView::List, 13, 100, 128, false, 7, 0}, 19, 0, true, 9},
      {"a report view with a header", {ListView::Report, 13, 200, 100, true, 3, 0}, 19, 16, false, 0},
      {"the list view never shows a header", {ListView::List, 13, 200, 100, true, 3, 0}, 19, 0, false, 0},
      {"row images taller than the font", {ListView::Report, 13, 200, 100, false, 3, 24}, 30, 0, false, 0},
      {"a fixed row height, whatever the font", {ListView::List, 15, 100, 118, false, 6, 0, 19}, 19, 0, false, 0},
      {"an icon grid of five cells a row", {ListView::Icons, 13, 200, 200, false, 12, 32}, 56, 0, false, 0},
      {"an icon grid that overflows", {ListView::Icons, 13, 200, 100, false, 12, 32}, 56, 0, true, 72},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ListBoxLayout layout(c.input, DefaultStyle());
    EXPECT_EQ(layout.RowHeight(), c.rowHeight);
    EXPECT_EQ(layout.HeaderHeight(), c.headerHeight);
    EXPECT_EQ(layout.BarShown(), c.bar);
    EXPECT_EQ(layout.ScrollRange(), c.scrollRange);
    EXPECT_EQ(layout.ClampScroll(1000), 0);
    EXPECT_EQ(layout.ClampScroll(-1000), -c.scrollRange);
  }
  // The overflowing icon grid: 36-pixel cells, five to a row beside the bar.
  const ListBoxLayout icons(cases[7].input, DefaultStyle());
  EXPECT_EQ(icons.CellsPerRow(), 5);
  EXPECT_EQ(icons.ItemAt(2 + 36 + 1, 2 + 56 + 1, 0), 7);
  EXPECT_EQ(icons.ItemAt(2 + 5 * 36 + 1, 3, 0), 0);  // beyond the last cell of a row
  EXPECT_EQ(icons.ItemRect(7, 0).left, 2 + 36);
}

TEST(ListBoxLayout, ItemsUnderPointsAndBroughtIntoView) {
  // Seven 19-pixel rows in a 124-pixel view: six whole, the seventh cut.
  const ListBoxLayout layout({ListView::List, 13, 100, 128, false, 7, 0}, DefaultStyle());
  EXPECT_EQ(layout.ItemAt(10, 2 + 2 * 19 + 1, 0), 3);
  EXPECT_EQ(layout.ItemAt(10, 2 + 2 * 19 + 1, -9), 3);
  EXPECT_EQ(layout.ItemAt(10, 1, 0), 0);               // the frame
  EXPECT_EQ(layout.ItemAt(95, 10, 0), 0);              // the scroll bar
  EXPECT_EQ(layout.Visible(0).first, 1);
  EXPECT_EQ(layout.Visible(0).last, 6);
  EXPECT_EQ(layout.ScrollToShow(7, 0), -9);            // its bottom meets the view's
  EXPECT_EQ(layout.Visible(-9).first, 2);
  EXPECT_EQ(layout.Visible(-9).last, 7);
  EXPECT_EQ(layout.ScrollToShow(4, -9), -9);           // in view: nothing moves
  EXPECT_EQ(layout.ScrollToShow(1, -9), 0);
  EXPECT_EQ(layout.ScrollToShow(8, -9), -9);           // no such item
  EXPECT_EQ(layout.ItemRect(2, -9).top, 2 + 19 - 9);
  // Stepping up through a long list brings a row in at the view's top, not its bottom.
  const ListBoxLayout longList({ListView::List, 13, 100, 128, false, 20, 0}, DefaultStyle());
  EXPECT_EQ(longList.ScrollToReveal(10, -256), -171);
  EXPECT_EQ(longList.ScrollToReveal(20, 0), -256);
  EXPECT_EQ(longList.ScrollToReveal(3, -19), -19);
}

class ListBoxTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ParkPointer();
  }

  // A list at (100, 60), 200 wide, with `count` items "项目1".. and no header.
  UiListBox& List(int count, ListBoxOptions options = {}, int height = 150) {
    options.noHeader = true;
    list_ = std::make_unique<UiListBox>();
    EXPECT_TRUE(list_->Create(hwnd(), {100, 60, 200, static_cast<float>(height)}, options));
    for (int i = 1; i <= count; ++i) list_->AddItem("项目" + std::to_string(i), i * 10);
    list_->SetOnItemPress([this](UiListBox& list, int item) { presses.push_back({item, list.CurrentItem()}); });
    list_->SetOnItemClick([this](UiListBox&, int item) { clicks.push_back(item); });
    list_->SetOnItemRightClick([this](UiListBox&, int item) { rightClicks.push_back(item); });
    return *list_;
  }

  // The middle of item `item`'s row in window coordinates, as the list shows it now.
  POINT RowPoint(int item) {
    const Rect row = list_->Layout().ItemRect(item, list_->ScrollY());
    return {100 + static_cast<int>(row.left + 20), 60 + static_cast<int>(row.top + row.height / 2)};
  }
  void PressRow(int item, WPARAM keys = MK_LBUTTON) {
    const POINT p = RowPoint(item);
    MouseMove(p.x, p.y);
    SendMessageW(hwnd(), WM_LBUTTONDOWN, keys, MAKELPARAM(p.x, p.y));
    Pump();
  }
  void ReleaseOver(int item) {
    const POINT p = RowPoint(item);
    MouseMove(p.x, p.y);
    LeftUp(p.x, p.y);
  }
  void Wheel(int notches) {
    SendMessageW(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), MAKELPARAM(150, 100));
    Pump();
  }

  struct Press {
    int item;
    int currentWhenCalled;
    bool operator==(const Press& other) const {
      return item == other.item && currentWhenCalled == other.currentWhenCalled;
    }
  };
  std::vector<Press> presses;
  std::vector<int> clicks;
  std::vector<int> rightClicks;

 private:
  std::unique_ptr<UiListBox> list_;
};

TEST_F(ListBoxTest, APressReportsBeforeTheSelectionMovesAndOnlyAReleaseOverTheCurrentItemClicks) {
  UiListBox& list = List(5);
  EXPECT_EQ(list.RowHeight(), static_cast<int>(std::lround(list.Font().Height())) + 6);
  PressRow(2);
  EXPECT_EQ(presses, (std::vector<Press>{{2, 0}}));  // the selection had not moved yet
  EXPECT_EQ(list.CurrentItem(), 2);
  ReleaseOver(3);
  EXPECT_TRUE(clicks.empty());
  PressRow(3);
  ReleaseOver(3);
  EXPECT_EQ(clicks, std::vector<int>{3});
  const POINT p = RowPoint(4);
  RightClick(p.x, p.y);
  EXPECT_EQ(rightClicks, std::vector<int>{4});
  EXPECT_EQ(list.SelectedItems(), std::vector<int>{4});
  EXPECT_EQ(presses.back(), (Press{4, 3}));

  EXPECT_EQ(list.FindItem("项目9"), 0);
  EXPECT_EQ(list.FindItem("目4", 1, true), 4);
  EXPECT_EQ(list.FindItem("项目4", 5), 0);  // the search starts at item 5
  list.SelectItem(0);
  EXPECT_TRUE(list.SelectedItems().empty());
  EXPECT_EQ(list.CurrentItem(), 0);
}

TEST_F(ListBoxTest, CtrlTogglesShiftSelectsARunAndSingleSelectTakesOneItem) {
  struct Step {
    int item;
    WPARAM keys;
    std::vector<int> selected;
    int current;
  };
  struct Case {
    bool singleSelect;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {false,
       {{2, 0, {2}, 2},
        {4, MK_CONTROL, {2, 4}, 4},
        {2, MK_CONTROL, {4}, 2},
        {5, MK_SHIFT, {2, 3, 4, 5}, 2},
        {1, 0, {1}, 1},
        {3, kDoubleClickMarker, {3}, 3}}},  // a double click carries no keys
      {true, {{2, 0, {2}, 2}, {4, MK_CONTROL, {4}, 4}, {1, MK_SHIFT, {1}, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.singleSelect ? "single-select" : "multi-select");
    ListBoxOptions options;
    options.singleSelect = c.singleSelect;
    UiListBox& list = List(6, options);
    for (const Step& step : c.steps) {
      PressRow(step.item, step.keys);
      ReleaseOver(step.item);
      EXPECT_EQ(list.SelectedItems(), step.selected) << "after item " << step.item;
      EXPECT_EQ(list.CurrentItem(), step.current) << "after item " << step.item;
    }
  }
}

TEST_F(ListBoxTest, HoverSelectFollowsThePointerWhileHotItemsOnlyTintTheRow) {
  const Argb selectedBack = MakeArgb(255, 0, 96, 192);
  const Argb hotBack = MakeArgb(255, 200, 30, 30);
  for (const bool hoverSelect : {true, false}) {
    SCOPED_TRACE(hoverSelect ? "hover-select" : "hot items");
    presses.clear();
    ListBoxOptions options;
    options.hoverSelect = hoverSelect;
    options.backColour = Argb();
    options.selectedBackColour = selectedBack;
    options.hotBackColour = hotBack;
    UiListBox& list = List(4, options);
    const auto rowPixel = [this, &list](int item) {
      const Rect row = list.Layout().ItemRect(item, 0);
      return SurfaceOf(list).PixelAt(static_cast<int>(row.Right() - 3), static_cast<int>(row.top + 2));
    };
    const POINT p = RowPoint(3);
    MouseMove(p.x, p.y);
    MouseMove(p.x + 5, p.y);  // the same item again
    MouseMove(150, 60 + 140);  // below the last item, still in the list
    if (hoverSelect) {
      EXPECT_EQ(presses, (std::vector<Press>{{3, 0}}));
      EXPECT_EQ(list.SelectedItems(), std::vector<int>{3});
      EXPECT_EQ(list.ItemState(3), ListRowState::Selected);
      EXPECT_EQ(rowPixel(3), selectedBack);
    } else {
      EXPECT_TRUE(presses.empty());
      EXPECT_EQ(list.HotItem(), 0);
      MouseMove(p.x, p.y);
      EXPECT_EQ(list.ItemState(3), ListRowState::Hot);
      EXPECT_EQ(rowPixel(3), hotBack);
      EXPECT_TRUE(list.SelectedItems().empty());
      MouseMove(20, 20);  // off the list
      EXPECT_EQ(list.HotItem(), 0);
      EXPECT_EQ(AlphaOf(rowPixel(3)), 0);
    }
  }
}

TEST_F(ListBoxTest, TheWheelScrollsByItsStepWithinTheRangeAndTheBarFollows) {
  for (const ListView view : {ListView::List, ListView::Report}) {
    SCOPED_TRACE(view == ListView::List ? "list view: a row a notch" : "report view: three rows a notch");
    ListBoxOptions options;
    options.view = view;
    UiListBox& list = List(20, options, 100);
    const int step = (view == ListView::List ? 1 : 3) * list.RowHeight();
    const int range = list.Layout().ScrollRange();
    ASSERT_TRUE(list.VerticalBar().Visible());
    EXPECT_EQ(list.VerticalBar().Maximum(), range);
    window().SetFocusControl(&list, false);  // the wheel goes to the focused control
    Wheel(-1);
    EXPECT_EQ(list.ScrollY(), -step);
    EXPECT_EQ(list.VerticalBar().Position(), step);
    Wheel(-100);
    EXPECT_EQ(list.ScrollY(), -range);
    Wheel(100);
    EXPECT_EQ(list.ScrollY(), 0);
    list.EnsureVisible(20);
    EXPECT_EQ(list.ScrollY(), -range);
    EXPECT_EQ(list.Visible().last, 20);
    // What is under the pointer follows the scroll.
    PressRow(20);
    EXPECT_EQ(list.CurrentItem(), 20);
    LeftUp(0, 0);
  }
}

TEST_F(ListBoxTest, WithHoverSelectTheWheelSelectsTheItemThatScrollsUnderThePointer) {
  ListBoxOptions options;
  options.view = ListView::List;
  options.hoverSelect = true;
  UiListBox& list = List(20, options, 100);
  window().SetFocusControl(&list, false);
  POINT pointer = RowPoint(2);
  ClientToScreen(hwnd(), &pointer);
  SetCursorPos(pointer.x, pointer.y);
  const POINT over = RowPoint(2);
  MouseMove(over.x, over.y);
  ASSERT_EQ(list.CurrentItem(), 2);
  Wheel(-2);
  EXPECT_EQ(list.CurrentItem(), 4);
  EXPECT_EQ(list.SelectedItems(), std::vector<int>{4});
}

// A column's width is given in 96-DPI units: at 192 DPI a column of 40 is 80 pixels wide,
// its vertical grid line in the last of them.
TEST_F(ListBoxTest, AColumnsWidthIsInUnitsAndDrawnAtTheWindowsScale) {
  RECT suggested = {0, 0, kWidth * 2, kHeight * 2};
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  ListBoxOptions options;
  options.view = ListView::Report;
  options.gridLines = static_cast<int>(ListGridLine::Vertical);
  UiListBox& list = List(0, options);
  list.AddColumn("", 40);
  window().Flush();
  const Surface& surface = list.GetSurface();
  const Rect view = list.Layout().ViewRect();
  const int line = static_cast<int>(view.left) + 79, y = static_cast<int>(view.top + view.height / 2);
  EXPECT_NE(surface.PixelAt(line, y), surface.PixelAt(line - 1, y));
  EXPECT_EQ(surface.PixelAt(line - 40, y), surface.PixelAt(line - 41, y));  // not at 40 pixels
}

TEST_F(ListBoxTest, InsertingAndRemovingKeepTheCurrentItemOnItsRow) {
  UiListBox& list = List(4);
  list.SelectItem(3);
  list.InsertItem(1, "新项目");
  EXPECT_EQ(list.CurrentItem(), 4);
  EXPECT_EQ(list.ItemText(4), "项目3");
  EXPECT_FALSE(list.InsertItem(7, "太远"));
  list.RemoveItem(2);
  EXPECT_EQ(list.CurrentItem(), 3);
  list.RemoveItem(3);
  EXPECT_EQ(list.CurrentItem(), 0);
  EXPECT_TRUE(list.SelectedItems().empty());
  EXPECT_EQ(list.ItemValue(3), 40);
  EXPECT_EQ(list.ItemValue(9), 0);
}

}  // namespace
}  // namespace getlink::testing
