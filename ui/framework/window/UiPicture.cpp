#include "ui/framework/window/UiPicture.h"

#include <cstring>

#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// Hundredths of a second a frame stays when the image names no delay.
constexpr int kDefaultDelay = 10;

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

bool UiPicture::Create(HWND host, const Rect& rect, const ByteSet& image, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(host, rect, ControlType::Picture, Prepare(image, options));
}

bool UiPicture::Create(UiControl& parent, const Rect& rect, const ByteSet& image, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(parent, rect, ControlType::Picture, Prepare(image, options));
}

CreateControlOptions UiPicture::Prepare(const ByteSet& image, const Options& options) {
  SetOptions(options);
  Load(image);
  CreateControlOptions base;
  base.visible = options.visible;
  base.focusable = options.focusable;
  return base;
}

bool UiPicture::CreateFromIcon(HWND host, const Rect& rect, HICON icon, const IconOptions& options) {
  if (IsCreated()) return true;
  Options settings;
  settings.animate = false;
  settings.backColour = options.backColour;
  settings.placement = options.placement;
  settings.borderStyle = options.borderStyle;
  SetOptions(settings);
  imageBytes_.clear();
  picture_ = Image();
  iconBitmap_ = BitmapFromIcon(icon);
  frameCount_ = iconBitmap_ != nullptr ? 1 : 0;
  frameDelays_ = {kDefaultDelay};
  CreateOptions base;
  base.visible = options.visible;
  base.focusable = options.focusable;
  return UiControl::Create(host, rect, ControlType::Picture, base);
}

void UiPicture::SetOptions(const Options& options) {
  animate_ = options.animate;
  backColour_ = options.backColour;
  fixZeroDelays_ = options.fixZeroDelays;
  placement_ = options.placement;
  gridMargins_ = options.gridMargins;
  borderStyle_ = options.borderStyle;
  frameIndex_ = 0;
}

void UiPicture::Load(const ByteSet& image) {
  iconBitmap_.reset();
  imageBytes_ = image;
  picture_ = LoadImageFromBytes(imageBytes_);
  frameCount_ = ImageFrameCount(picture_.Get());
  frameDelays_ = ImageFrameDelays(picture_.Get());
  if (frameDelays_.empty()) frameDelays_ = {kDefaultDelay};
  if (fixZeroDelays_) {
    for (int& delay : frameDelays_)
      if (delay == 0) delay = kDefaultDelay;
  }
  frameIndex_ = 0;
}

GpImage* UiPicture::Picture() const {
  return iconBitmap_ != nullptr ? static_cast<GpImage*>(iconBitmap_.get()) : picture_.Get();
}

void UiPicture::SetAnimate(bool animate) {
  animate_ = animate;
  frameIndex_ = 0;
  PaintNow();
}

void UiPicture::SetImage(const ByteSet& image) {
  Load(image);
  PaintNow();
}

void UiPicture::SetBackColour(Argb colour) {
  backColour_ = colour;
  PaintNow();
}

void UiPicture::Paint() {
  if (Disabled()) {
    ++frameIndex_;
    return;
  }
  if (frameIndex_ >= frameCount_ || !animate_) frameIndex_ = 0;
  if (!BeginControlPaint(true)) return;
  GpGraphics* g = Graphics();
  GpImage* image = Picture();
  const Rect area = {0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  if (image != nullptr) SelectFrame(image, frameIndex_);
  if (backColour_ != 0) {
    const UniqueBrush brush = SolidBrush(backColour_);
    gdip::GdipFillRectangle(g, brush.get(), 0, 0, area.width - 1, area.height - 1);
  }
  if (image != nullptr) {
    switch (placement_) {
      case Placement::Stretched: DrawImageAlpha(g, image, area); break;
      case Placement::Centred: DrawImageNatural(g, image, area, true); break;
      case Placement::NineGrid:
        if (gridMargins_.IsEmpty())
          DrawImageNatural(g, image, area, false);
        else
          DrawImageNineGrid(g, image, area, gridMargins_);
        break;
      default: break;
    }
  }
  if (borderStyle_ != BorderStyle::None) OutlineRect(g, area, borderStyle_);
  if (Window() != nullptr && Window()->KeyboardFocus() == this) OutlineRect(g, area, BorderStyle::Focus);
  EndControlPaint();

  if (frameCount_ > 0) {
    ++frameIndex_;
    if (frameIndex_ >= frameCount_ || !animate_) frameIndex_ = 0;
    const int delay = frameIndex_ < static_cast<int>(frameDelays_.size()) ? frameDelays_[frameIndex_] : kDefaultDelay;
    StartTimer(PictureTimer::NextFrame, static_cast<UINT>(delay * 10));
  } else {
    ++frameIndex_;
  }
}

int UiPicture::OnPaint() {
  Paint();
  return kNotHandled;
}

int UiPicture::OnShown() {
  Paint();
  return kNotHandled;
}

int UiPicture::OnTimer(TimerPurpose) {
  if (animate_ && frameCount_ > 0)
    Paint();
  else
    StopTimer(PictureTimer::NextFrame);
  return kNotHandled;
}

int UiPicture::OnDestroy() {
  StopTimer(PictureTimer::NextFrame);
  frameIndex_ = 0;
  frameCount_ = 0;
  animate_ = false;
  fixZeroDelays_ = false;
  picture_ = Image();
  iconBitmap_.reset();
  frameDelays_.clear();
  imageBytes_.clear();
  return kNotHandled;
}

}  // namespace getlink
