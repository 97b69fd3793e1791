#include "ui/controls/MessageBoxLayout.h"

#include <algorithm>
#include <cmath>

namespace getlink {

float MessageTextWidthLimit(const RECT& area, bool icon, const MessageBoxStyle& style) {
  const int across = icon ? style.marginAcrossBesideIcon : style.marginAcross;
  const int widest = std::max(style.width, static_cast<int>(area.right - area.left) * 5 / 8);
  return static_cast<float>(widest - across) - style.growthSlackAcross;
}

MessageBoxLayout LayOutMessageBox(const Rect& measured, bool icon, const RECT& area, const MessageBoxStyle& style) {
  const int across = icon ? style.marginAcrossBesideIcon : style.marginAcross;
  MessageBoxLayout layout;
  layout.box = {style.width, style.height};
  layout.text = RectOf(icon ? style.textLeftBesideIcon : style.textLeft, style.textTop,
                       static_cast<float>(style.width - across), static_cast<float>(style.height - style.marginDown));
  if (measured.width > layout.text.width) {
    layout.box.cx = static_cast<LONG>(std::ceil(measured.width)) + across;
    layout.text.width = measured.width + style.growthSlackAcross;
  }
  if (measured.height > layout.text.height) {
    const LONG wanted = static_cast<LONG>(std::ceil(measured.height)) + style.marginDown;
    layout.box.cy = std::min(wanted, std::max<LONG>(style.height, area.bottom - area.top));
    layout.text.height = layout.box.cy == wanted ? measured.height + style.growthSlackDown
                                                 : static_cast<float>(layout.box.cy - style.marginDown);
  }
  if (measured.height < style.singleLineHeight) layout.text.top += style.singleLineDrop;
  return layout;
}

POINT CentreOn(const RECT& area, SIZE size) {
  return {area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
}

Rect MessageBoxButtonRect(int width, int height, int position, const MessageBoxStyle& style) {
  return RectOf(static_cast<float>(width - style.buttonPitch * position - style.buttonRight),
                static_cast<float>(height - style.buttonBottom), style.buttonWidth, style.buttonHeight);
}

}  // namespace getlink
