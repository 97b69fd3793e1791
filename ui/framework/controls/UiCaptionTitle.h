// The window's title in its caption row: the window text in the style's title colour, vertically
// centred. It takes no input.
#pragma once

#include "ui/framework/window/UiControl.h"

namespace getlink {

class UiCaptionTitle : public UiControl {
 public:
  ~UiCaptionTitle() override { Destroy(); }

  // `rect` in the window's pixels: the caption row is laid out from the scaled style.
  bool Create(HWND host, const Rect& rect, Text text);
  const Text& GetText() const { return text_; }
  void SetText(Text text);

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::StaticText; }
  Text DefaultAccessibleName() const override { return text_; }
  int OnPaint() override;

 private:
  Text text_;
};

}  // namespace getlink
