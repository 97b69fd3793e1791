#include "ui/framework/drawing/TextFormat.h"

#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"

namespace getlink {
namespace {

TEST(TextFormat, SettingsReadBackAndCopiesAreIndependent) {
  testing::StartFramework();
  TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
  ASSERT_TRUE(format);
  format.SetAlign(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  EXPECT_EQ(format.Flags(), Gdiplus::StringFormatFlagsNoWrap);
  EXPECT_EQ(format.Align(), Gdiplus::StringAlignmentCenter);
  EXPECT_EQ(format.Trimming(), Gdiplus::StringTrimmingEllipsisCharacter);
  EXPECT_EQ(format.HotkeyPrefix(), Gdiplus::HotkeyPrefixShow);

  TextFormat copy = format.Clone();
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.Handle(), format.Handle());
  copy.SetAlign(Gdiplus::StringAlignmentFar);
  copy.SetFlags(Gdiplus::StringFormatFlagsLineLimit);
  EXPECT_EQ(format.Align(), Gdiplus::StringAlignmentCenter);
  EXPECT_EQ(format.Flags(), Gdiplus::StringFormatFlagsNoWrap);
  EXPECT_EQ(copy.Align(), Gdiplus::StringAlignmentFar);

  format.Release();
  EXPECT_FALSE(format);
  EXPECT_EQ(format.Align(), Gdiplus::StringAlignmentNear);  // nothing to ask: the default
  EXPECT_TRUE(format.Create(0));
}

TEST(TextFormat, TabStopsGoThroughTheBoundEntryPoint) {
  testing::StartFramework();
  TextFormat format;
  format.SetTabStops(4, {30, 50});
  INT count = 0;
  gdip::GdipGetStringFormatTabStopCount(format.Handle(), &count);
  ASSERT_EQ(count, 2);
  Gdiplus::REAL first = 0, stops[2] = {};
  gdip::GdipGetStringFormatTabStops(format.Handle(), 2, &first, stops);
  EXPECT_FLOAT_EQ(first, 4);
  EXPECT_FLOAT_EQ(stops[0], 30);
  EXPECT_FLOAT_EQ(stops[1], 50);
}

}  // namespace
}  // namespace getlink
