// The framework page: a picture box, plain drawn tiles that show hover, press, focus and
// a disabled look, and a panel whose child is cut at its edge.
#include <string>

#include "tools/demo/DemoSection.h"
#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/CrossFade.h"
#include "ui/framework/controls/UiPicture.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink::demo {
namespace {

// A plain tile: a rounded face that shows hover, press and focus and counts its clicks.
class DemoTile : public UiControl {
 public:
  bool Create(HWND host, const Rect& rect, Text caption) {
    caption_ = std::move(caption);
    CreateControlOptions options;
    options.frameInterval = UiWindow::StyleOf(host).fade.frameMs;
    return UiControl::Create(host, rect, ControlType::Button, options);
  }
  bool Create(UiControl& parent, const Rect& rect, Text caption) {
    caption_ = std::move(caption);
    return UiControl::Create(parent, rect, ControlType::Button);
  }

 protected:
  int OnPaint() override;
  int OnMouseEnter() override { return Hover(true); }
  int OnMouseLeave(UiControl*) override { return Hover(false); }
  int OnMouseDown(const PointerInput&) override { return Press(true); }
  int OnMouseUp(const PointerInput&) override { return Press(false); }
  int OnFocusGained(UiControl*) override { return ChangeLook(FadeStartForTicks(*this, 2)); }
  int OnFocusLost(UiControl*) override { return ChangeLook(FadeStartForTicks(*this, 2)); }
  int OnClick() override {
    ++clicks_;
    return ChangeLook(FadeStartForTicks(*this, 3));
  }

 private:
  int Hover(bool on) {
    hot_ = on;
    return ChangeLook(FadeStartForTicks(*this, 3));
  }
  int Press(bool on) {
    pressed_ = on;
    return ChangeLook(FadeStartForTicks(*this, 2));
  }
  int ChangeLook(int startFade) {
    SetFadeLevel(startFade);
    Repaint();
    return kNotHandled;
  }

  Text caption_;
  int clicks_ = 0;
  bool hot_ = false;
  bool pressed_ = false;
};

int DemoTile::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpGraphics* g = Graphics();
  const Rect face = {0, 0, static_cast<float>(PixelWidth() - 1), static_cast<float>(PixelHeight() - 1)};
  const Argb top = pressed_ ? MakeColor(ColorRef(0xD8D8D8)) : hot_ ? MakeColor(ColorRef(0xFFFFFF)) : MakeColor(ColorRef(0xF4F4F4));
  const Argb bottom = pressed_ ? MakeColor(ColorRef(0xF0F0F0)) : hot_ ? MakeColor(ColorRef(0xE8F0FA)) : MakeColor(ColorRef(0xE2E2E2));
  ClipToRoundRect(g, face, 6);
  FillGradient(g, {0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight())}, top, bottom);
  ResetClip(g);
  OutlineRoundRect(g, face, 6, HoldsFocus() ? MakeColor(ColorRef(0xC07830), 230) : MakeColor(ColorRef(0x000000), 90));
  TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
  format.SetAlign(Gdiplus::StringAlignmentCenter);
  format.SetLineAlign(Gdiplus::StringAlignmentCenter);
  const Text label = clicks_ > 0 ? caption_ + " (" + std::to_string(clicks_) + ")" : caption_;
  DrawText(g, face, label, DefaultFont(), MakeColor(ColorRef(0x202020), 230), format.Handle());
  EndControlPaint();
  return kNotHandled;
}

// A translucent panel that holds child tiles.
class DemoPanel : public UiControl {
 public:
  bool Create(HWND host, const Rect& rect) {
    CreateControlOptions options;
    options.focusable = false;
    return UiControl::Create(host, rect, ControlType::Group, options);
  }

 protected:
  int OnPaint() override {
    if (!BeginControlPaint(true)) return kNotHandled;
    const Rect face = {0, 0, static_cast<float>(PixelWidth() - 1), static_cast<float>(PixelHeight() - 1)};
    FillRoundRect(Graphics(), face, 8, SolidBrush(MakeColor(ColorRef(0xFFFFFF), 110)).get());
    OutlineRoundRect(Graphics(), face, 8, MakeColor(ColorRef(0x000000), 50));
    TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
    DrawText(Graphics(), {8, 4, face.width - 16, 20}, "子控件裁剪在面板内", DefaultFont(), MakeColor(ColorRef(0x303030), 220),
             format.Handle());
    EndControlPaint();
    return kNotHandled;
  }
};

class FrameworkSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    const HWND host = window.Hwnd();
    UiPicture::Options pictureOptions;
    pictureOptions.image = EmbeddedImageBytes(EmbeddedImage::MessageBoxIcons);
    pictureOptions.placement = UiPicture::Placement::Centred;
    pictureOptions.animate = false;
    pictureOptions.focusable = false;
    Make<UiPicture>().Create(host, At(area, 4, 4, 200, 40), pictureOptions);

    DemoTile& first = Make<DemoTile>();
    first.Create(host, At(area, 4, 60, 120, 30), "第一个");
    first.SetTipText("悬停提示：第一个", true);
    Make<DemoTile>().Create(host, At(area, 136, 60, 120, 30), "第二个");
    DemoTile& disabled = Make<DemoTile>();
    disabled.Create(host, At(area, 268, 60, 120, 30), "已禁用");
    disabled.SetDisabled(true);

    DemoPanel& panel = Make<DemoPanel>();
    panel.Create(host, At(area, 4, 106, 384, 110));
    Make<DemoTile>().Create(panel, At(area, 20, 140, 140, 30), "面板里的");
    Make<DemoTile>().Create(panel, At(area, 280, 176, 160, 30), "被面板裁剪");
  }
};

const DemoSectionRegistration kRegistration{0, "框架", [] { return std::make_unique<FrameworkSection>(); }};

}  // namespace
}  // namespace getlink::demo
