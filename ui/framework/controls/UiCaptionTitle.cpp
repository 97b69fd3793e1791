#include "ui/framework/controls/UiCaptionTitle.h"

#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {

bool UiCaptionTitle::Create(HWND host, const Rect& rect, Text text) {
  text_ = std::move(text);
  CreateOptions options;
  options.focusable = false;
  return UiControl::Create(host, ControlPlace::InPixels(rect), ControlType::Label, options);
}

void UiCaptionTitle::SetText(Text text) {
  text_ = std::move(text);
  Repaint();
}

int UiCaptionTitle::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpFont* font = DefaultFont(Style().fontSize);
  if (!text_.empty() && font != nullptr) {
    TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    DrawText(Graphics(), {0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight())}, text_, font,
             Style().caption.titleColour, format.Handle(), TextEffect::None);
  }
  EndControlPaint();
  return kNotHandled;
}

}  // namespace getlink
