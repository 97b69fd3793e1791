#include "ui/controls/MessageBoxLayout.h"

#include <algorithm>
#include <cmath>

namespace getlink {
namespace {

constexpr int kBoxWidth = 320;
constexpr int kBoxHeight = 150;
constexpr float kTextTop = 43;
constexpr float kTextLeft = 30;
constexpr float kTextLeftBesideIcon = 85;
// The box's size less the text's: across (without and with an icon) and down.
constexpr int kMarginAcross = 60;
constexpr int kMarginAcrossBesideIcon = 120;
constexpr int kMarginDown = 100;
// Room a grown text gets beyond its measure, across and down.
constexpr float kGrowthSlackAcross = 10;
constexpr float kGrowthSlackDown = 5;
// A message lower than this is one line, drawn a little lower to sit in the middle.
constexpr float kSingleLineHeight = 30;
constexpr float kSingleLineDrop = 4;

constexpr float kButtonWidth = 70;
constexpr float kButtonHeight = 24;
constexpr int kButtonPitch = 75;
constexpr int kButtonRight = 8;
constexpr int kButtonBottom = 35;

}  // namespace

float MessageTextWidthLimit(const RECT& area, bool icon) {
  const int across = icon ? kMarginAcrossBesideIcon : kMarginAcross;
  const int widest = std::max(kBoxWidth, static_cast<int>(area.right - area.left) * 5 / 8);
  return static_cast<float>(widest - across) - kGrowthSlackAcross;
}

MessageBoxLayout LayOutMessageBox(const Rect& measured, bool icon, const RECT& area) {
  const int across = icon ? kMarginAcrossBesideIcon : kMarginAcross;
  MessageBoxLayout layout;
  layout.box = {kBoxWidth, kBoxHeight};
  layout.text = RectOf(icon ? kTextLeftBesideIcon : kTextLeft, kTextTop, static_cast<float>(kBoxWidth - across),
                       static_cast<float>(kBoxHeight - kMarginDown));
  if (measured.width > layout.text.width) {
    layout.box.cx = static_cast<LONG>(std::ceil(measured.width)) + across;
    layout.text.width = measured.width + kGrowthSlackAcross;
  }
  if (measured.height > layout.text.height) {
    const LONG wanted = static_cast<LONG>(std::ceil(measured.height)) + kMarginDown;
    layout.box.cy = std::min(wanted, std::max<LONG>(kBoxHeight, area.bottom - area.top));
    layout.text.height = layout.box.cy == wanted ? measured.height + kGrowthSlackDown
                                                 : static_cast<float>(layout.box.cy - kMarginDown);
  }
  if (measured.height < kSingleLineHeight) layout.text.top += kSingleLineDrop;
  return layout;
}

POINT CentreOn(const RECT& area, SIZE size) {
  return {area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
}

Rect MessageBoxButtonRect(int width, int height, int position) {
  return RectOf(static_cast<float>(width - kButtonPitch * position - kButtonRight),
                static_cast<float>(height - kButtonBottom), kButtonWidth, kButtonHeight);
}

}  // namespace getlink
