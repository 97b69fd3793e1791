// How UiWindow::Attach makes a window a framework window.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/window/SkinPainter.h"

namespace getlink {

struct AttachWindowOptions {
  ByteSet skinImage;  // empty: no picture
  std::optional<ColorRef> skinColour;
  std::optional<int> captionFlags;  // CaptionFlag bits; absent: derived from the style
  std::optional<int> opacity;  // 0..255 for a layered window; absent: not layered
  SkinImageMode imageMode = SkinImageMode::Natural;
  int cornerRadius = kRoundCorners;
  bool animationsOn = true;
  std::optional<bool> resizable;  // absent: as the style's WS_THICKFRAME says
  bool dragMove = true;
  bool blendImageEdges = true;
  std::optional<bool> blurBehind;  // absent: on Windows 6.x
  Margins nineGrid;
  std::optional<HWND> skinSource;  // borrow the skin of another framework window
};

}  // namespace getlink
