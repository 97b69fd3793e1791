#include "ui/framework/window/WindowSkin.h"

#include <algorithm>

#include "ui/framework/drawing/BlurBehind.h"
#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

GdiRegion RoundRegion(int left, int top, int right, int bottom, int ellipse) {
  return GdiRegion(CreateRoundRectRgn(left, top, right, bottom, ellipse, ellipse));
}

// The skin of another live framework window, when this one borrows it.
const WindowSkin* Borrowed(HWND source) {
  const UiWindow* window = UiWindow::FromHwnd(source);
  return window != nullptr ? &window->Skin() : nullptr;
}

}  // namespace

void WindowSkin::Configure(const AttachWindowOptions& options) {
  opacity_ = options.opacity ? std::clamp(*options.opacity, 0, 255) : -1;
  source_ = options.skinSource.value_or(nullptr);
  imageMode_ = options.imageMode;
  blendImageEdges_ = options.blendImageEdges;
  cornerRadius_ = options.cornerRadius;
  blurBehind_ = options.blurBehind ? *options.blurBehind && IsLayered() : OsMajorVersion() == 6;
  nineGrid_ = options.nineGrid;
}

AttachWindowOptions WindowSkin::Settings() const {
  AttachWindowOptions settings;
  settings.skinColour = colour_;
  if (IsLayered()) settings.opacity = opacity_;
  if (source_ != nullptr) settings.skinSource = source_;
  settings.imageMode = imageMode_;
  settings.blendImageEdges = blendImageEdges_;
  settings.cornerRadius = cornerRadius_;
  settings.blurBehind = blurBehind_;
  settings.nineGrid = nineGrid_;
  return settings;
}

GpImage* WindowSkin::Image() const {
  const WindowSkin* borrowed = Borrowed(source_);
  return borrowed != nullptr && borrowed != this ? borrowed->Image() : image_.Get();
}

void WindowSkin::Change(const std::optional<ByteSet>& image, std::optional<ColorRef> colour) {
  if (const WindowSkin* borrowed = Borrowed(source_); borrowed != nullptr && borrowed != this) {
    colour_ = borrowed->Colour();
    return;
  }
  if (image) {
    sizes_.Reset();
    image_ = LoadImageFromBytes(*image);
    if (image_) colour_ = AverageColour(image_.Get());
  }
  if (colour) colour_ = *colour;
}

void WindowSkin::Paint(Surface& canvas, HWND hwnd, bool edgeShadow,
                       const std::function<void(GpGraphics*)>& paintBackground) const {
  SkinLook look;
  look.image = Image();
  look.pictureScale = style_.scale;
  look.colour = colour_;
  look.imageMode = imageMode_;
  look.cornerRadius = cornerRadius_;
  look.opacity = opacity_;
  look.layered = IsLayered();
  look.blendImageEdges = blendImageEdges_;
  look.edgeShadow = edgeShadow;
  look.shadowColour = shadowColour_;
  look.nineGrid = nineGrid_;
  SkinPainter(look, style_.skin, sizes_).Paint(canvas, paintBackground);
  if (!IsLayered() && cornerRadius_ != kImageOnlySkin) {
    // A plain window gets the rounded body as its shape instead of a transparent margin.
    const int c = IsZoomed(hwnd) ? style_.skin.zoomedBodyInset : style_.skin.bodyInset;
    const int ellipse = cornerRadius_ == kSquareCorners ? 0 : style_.skin.shapeArc;
    SetWindowShape(hwnd, RoundRegion(c, c, canvas.Width() - c + 1, canvas.Height() - c + 1, ellipse));
  }
}

UniqueRegion WindowSkin::ControlArea(SIZE size) const {
  if (cornerRadius_ == kImageOnlySkin) return nullptr;
  const int ellipse = cornerRadius_ == kSquareCorners ? 0 : style_.skin.controlAreaArc;
  const int inset = style_.skin.controlAreaInset;
  return RegionFromGdi(RoundRegion(inset, inset, size.cx - inset + 1, size.cy - inset + 1, ellipse).get());
}

void WindowSkin::ApplyBlurBehind(HWND hwnd, SIZE size, bool on) const {
  if (!blurBehind_ || !IsLayered()) return;
  const int inset = style_.skin.bodyInset;
  const Rect area = RectOf(static_cast<float>(inset), static_cast<float>(inset), static_cast<float>(size.cx - 2 * inset),
                           static_cast<float>(size.cy - 2 * inset));
  SetBlurBehind(hwnd, area, cornerRadius_ == kSquareCorners ? 0 : style_.skin.blurArc, on);
}

}  // namespace getlink
