#include "ui/framework/controls/UiPicture.h"

#include <cstring>

#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

enum class PictureTimer { NextFrame };

// The icon's colour bitmap as 32-bit ARGB. An icon without alpha values (an old 24-bit
// one) takes its transparency from its mask instead.
UniqueBitmap BitmapFromIcon(HICON icon) {
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return nullptr;
  const GdiBitmap colour(info.hbmColor);
  const GdiBitmap mask(info.hbmMask);
  BITMAP shape = {};
  if (colour == nullptr || GetObjectW(colour.get(), sizeof shape, &shape) == 0) return nullptr;
  const int width = shape.bmWidth;
  const int height = shape.bmHeight;
  BITMAPINFO request = {};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  std::vector<std::uint32_t> maskPixels(pixels.size());
  const WindowDc screen(nullptr);
  if (!GetDIBits(screen.get(), colour.get(), 0, height, pixels.data(), &request, DIB_RGB_COLORS)) return nullptr;
  bool hasAlpha = false;
  for (std::uint32_t pixel : pixels) hasAlpha = hasAlpha || (pixel >> 24) != 0;
  if (!hasAlpha && mask != nullptr &&
      GetDIBits(screen.get(), mask.get(), 0, height, maskPixels.data(), &request, DIB_RGB_COLORS)) {
    for (std::size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = (maskPixels[i] & 0xFFFFFF) != 0 ? 0 : (pixels[i] | 0xFF000000u);
  }
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
    return nullptr;
  UniqueBitmap owned(bitmap);
  {
    const BitmapBitsLock target(bitmap, {0, 0, width, height}, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB);
    if (!target) return nullptr;
    for (int y = 0; y < height; ++y)
      std::memcpy(target.Row(y), pixels.data() + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width) * 4);
  }
  return owned;
}

}  // namespace

std::optional<CreateControlOptions> UiPicture::Prepare(const UiStyle& style) {
  Load(style.picture.defaultFrameDelay);
  CreateControlOptions base;
  base.visible = options_.visible;
  base.focusable = options_.focusable;
  return base;
}

bool UiPicture::CreateFromIcon(HWND host, const ControlPlace& place, HICON icon, const IconOptions& options) {
  if (IsCreated()) return true;
  options_ = Options();
  options_.animate = false;
  options_.backColour = options.backColour;
  options_.placement = options.placement;
  options_.borderStyle = options.borderStyle;
  frameIndex_ = shownFrame_ = 0;
  picture_ = Image();
  SetIcon(icon);
  frameDelays_ = {UiWindow::StyleOf(host).picture.defaultFrameDelay};
  CreateOptions base;
  base.visible = options.visible;
  base.focusable = options.focusable;
  return UiControl::Create(host, place, ControlType::Picture, base);
}

void UiPicture::SetIcon(HICON icon) {
  iconBitmap_ = BitmapFromIcon(icon);
  frameCount_ = iconBitmap_ != nullptr ? 1 : 0;
  if (IsCreated()) Repaint();
}

void UiPicture::Load(int defaultDelay) {
  iconBitmap_.reset();
  picture_ = LoadImageFromBytes(options_.image);
  frameCount_ = ImageFrameCount(picture_.Get());
  frameDelays_ = ImageFrameDelays(picture_.Get());
  if (frameDelays_.empty()) frameDelays_ = {defaultDelay};
  if (options_.fixZeroDelays) {
    for (int& delay : frameDelays_)
      if (delay == 0) delay = defaultDelay;
  }
  frameIndex_ = shownFrame_ = 0;
}

GpImage* UiPicture::Picture() const {
  return iconBitmap_ != nullptr ? static_cast<GpImage*>(iconBitmap_.get()) : picture_.Get();
}

void UiPicture::SetAnimate(bool animate) {
  options_.animate = animate;
  frameIndex_ = 0;
  ShowNextFrame();
}

void UiPicture::SetImage(const ByteSet& image) {
  options_.image = image;
  Load(Style().picture.defaultFrameDelay);
  ShowNextFrame();
}

void UiPicture::SetBackColour(std::optional<Argb> colour) {
  options_.backColour = colour;
  ShowNextFrame();
}

void UiPicture::ShowNextFrame() {
  if (Disabled()) {
    ++frameIndex_;
    return;
  }
  shownFrame_ = frameIndex_ >= frameCount_ || !options_.animate ? 0 : frameIndex_;
  frameIndex_ = shownFrame_ + 1;
  if (frameCount_ > 0) {
    if (frameIndex_ >= frameCount_ || !options_.animate) frameIndex_ = 0;
    const int delay =
        frameIndex_ < static_cast<int>(frameDelays_.size()) ? frameDelays_[frameIndex_] : Style().picture.defaultFrameDelay;
    StartTimer(PictureTimer::NextFrame, static_cast<UINT>(delay * 10));
  }
  Repaint();
}

int UiPicture::OnPaint() {
  if (Disabled() || !BeginControlPaint(true)) return kNotHandled;
  const PictureOptions& o = options_;
  GpGraphics* g = Graphics();
  GpImage* image = Picture();
  const Rect area = {0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight())};
  if (image != nullptr) SelectFrame(image, shownFrame_);
  if (o.backColour) {
    const UniqueBrush brush = SolidBrush(*o.backColour);
    gdip::GdipFillRectangle(g, brush.get(), 0, 0, area.width - 1, area.height - 1);
  }
  if (image != nullptr) {
    switch (o.placement) {
      case Placement::Stretched: DrawImageAlpha(g, image, area); break;
      case Placement::Centred: DrawImageNatural(g, image, area, true); break;
      case Placement::NineGrid:
        if (o.gridMargins.IsEmpty())
          DrawImageNatural(g, image, area, false);
        else
          DrawImageNineGrid(g, image, area, o.gridMargins);
        break;
      default: break;
    }
  }
  if (o.borderStyle != BorderStyle::None) OutlineRect(g, area, o.borderStyle);
  if (Window() != nullptr && Window()->KeyboardFocus() == this) OutlineRect(g, area, BorderStyle::Focus);
  EndControlPaint();
  return kNotHandled;
}

int UiPicture::OnCreate() {
  ShowNextFrame();
  return kNotHandled;
}

int UiPicture::OnShown() {
  ShowNextFrame();
  return kNotHandled;
}

int UiPicture::OnTimer(TimerPurpose) {
  if (options_.animate && frameCount_ > 0)
    ShowNextFrame();
  else
    StopTimer(PictureTimer::NextFrame);
  return kNotHandled;
}

int UiPicture::OnDestroy() {
  StopTimer(PictureTimer::NextFrame);
  frameIndex_ = shownFrame_ = 0;
  frameCount_ = 0;
  picture_ = Image();
  iconBitmap_.reset();
  frameDelays_.clear();
  return kNotHandled;
}

}  // namespace getlink
