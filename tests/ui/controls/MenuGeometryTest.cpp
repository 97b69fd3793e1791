// The pop-up menu's size, item places and where it opens near the work area's edges.
#include <gtest/gtest.h>

#include "ui/controls/MenuGeometry.h"

namespace getlink::testing {
namespace {

TEST(MenuGeometry, SizeFollowsItemsAndWidthRules) {
  const MenuStyle& style = DefaultStyle().menu;
  const MenuCounts editMenu{4, 1, false};
  EXPECT_EQ(MenuHeight(editMenu, style), 107);
  EXPECT_EQ(MenuWidth(30, 200, editMenu, style), 50);   // a set width below 50 counts as 50
  EXPECT_EQ(MenuWidth(120, 200, editMenu, style), 120);
  EXPECT_EQ(MenuWidth(0, 80, editMenu, style), 130);    // widest caption + 50
  EXPECT_EQ(MenuWidth(0, 80, {1, 0, true}, style), 145);
  const std::vector<Rect> rects = MenuItemRects(130, {false, true, false}, style);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0], (Rect{8, 8, 114, 22}));
  EXPECT_EQ(rects[1], (Rect{33, 30, 90, 3}));
  EXPECT_EQ(rects[2], (Rect{8, 33, 114, 22}));
}

TEST(MenuGeometry, MenusFlipAtTheWorkAreaEdges) {
  const MenuStyle& style = DefaultStyle().menu;
  const ScreenBox work{0, 0, 1024, 740};
  struct Case {
    int x, y;
    MenuPlacement expected;
  };
  const Case cases[] = {
      {100, 100, {100, 100, false}},
      {1000, 100, {900, 100, true}},     // opens left of the pointer
      {929, 100, {929, 100, false}},     // may reach 5 pixels past the edge
      {100, 700, {100, 598, false}},     // opens above it
  };
  for (const Case& c : cases) {
    const MenuPlacement got = PlaceMenuAtPointer(c.x, c.y, 100, 107, work, style);
    EXPECT_EQ(got.x, c.expected.x);
    EXPECT_EQ(got.y, c.expected.y);
    EXPECT_EQ(got.opensLeft, c.expected.opensLeft);
  }
  const MenuPlacement right = PlaceSubMenu({100, 100, 250, 300}, 30, 22, 120, 60, work, style);
  EXPECT_EQ(right.x, 240);
  EXPECT_EQ(right.y, 123);
  const MenuPlacement left = PlaceSubMenu({850, 700, 1000, 790}, 30, 22, 120, 60, work, style);
  EXPECT_TRUE(left.opensLeft);
  EXPECT_EQ(left.x, 740);
  EXPECT_EQ(left.y, 699);  // moved up to end at the item
}

}  // namespace
}  // namespace getlink::testing
