// Giving a window its shape: the region belongs to the window once taken, and is not
// left behind when refused.
#include "ui/framework/drawing/Clipping.h"

#include <gtest/gtest.h>

#include "runtime/WinHandles.h"

namespace getlink {
namespace {

TEST(SetWindowShape, ARefusedRegionIsDeletedAndATakenOneShapesTheWindow) {
  HRGN refused = CreateRectRgn(0, 0, 10, 10);
  EXPECT_FALSE(SetWindowShape(nullptr, GdiRegion(refused)));
  RECT box = {};
  EXPECT_EQ(GetRgnBox(refused, &box), ERROR);  // no such region any more

  const UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(SetWindowShape(window.get(), GdiRegion(CreateRectRgn(5, 5, 50, 40))));
  const GdiRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.get(), shape.get()), ERROR);
  GetRgnBox(shape.get(), &box);
  EXPECT_EQ(box.right, 50);
  EXPECT_EQ(box.bottom, 40);
}

}  // namespace
}  // namespace getlink
