#include "ui/framework/drawing/EmbeddedImages.h"

#include <windows.h>

#include <map>
#include <utility>

#include "ui/framework/drawing/ImageDrawing.h"

namespace getlink {
namespace {

// The 1.5x and 2x drawings of an image are numbered 10 and 20 past the 1x one.
constexpr int kScaledIdStep = 10;
static_assert(GETLINK_CAPTION_BUTTONS_150 == GETLINK_CAPTION_BUTTONS + kScaledIdStep &&
                  GETLINK_MENU_CHECK_150 == GETLINK_MENU_CHECK + kScaledIdStep &&
                  GETLINK_CAPTION_BUTTONS_200 == GETLINK_CAPTION_BUTTONS + 2 * kScaledIdStep &&
                  GETLINK_MENU_CHECK_200 == GETLINK_MENU_CHECK + 2 * kScaledIdStep,
              "scaled image numbers");

constexpr float kCellTop = 1;
constexpr float kCellHeight = 19;
constexpr float kCloseWidth = 39;
constexpr float kButtonWidth = 28;

}  // namespace

ByteSet EmbeddedImageBytes(EmbeddedImage which, ImageScale scale) {
  HMODULE program = GetModuleHandleW(nullptr);
  const int id = static_cast<int>(which) + kScaledIdStep * static_cast<int>(scale);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (found == nullptr) return ByteSet();
  HGLOBAL loaded = LoadResource(program, found);  // resource memory: never freed
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return ByteSet();
  return ByteSet(data, data + SizeofResource(program, found));
}

Image LoadEmbeddedImage(EmbeddedImage which, ImageScale scale) {
  return LoadImageFromBytes(EmbeddedImageBytes(which, scale), which == EmbeddedImage::CaptionButtons
                                                                  ? PngSignature::Prepend
                                                                  : PngSignature::Stored);
}

GpImage* SharedEmbeddedImage(EmbeddedImage which, ImageScale scale) {
  static std::map<std::pair<EmbeddedImage, ImageScale>, Image> decoded;  // windows draw on one thread
  const auto key = std::make_pair(which, scale);
  auto found = decoded.find(key);
  if (found == decoded.end()) found = decoded.emplace(key, LoadEmbeddedImage(which, scale)).first;
  return found->second.Get();
}

void DrawEmbeddedImage(GpGraphics* graphics, EmbeddedImage which, float windowScale, const Rect& cell,
                       const Rect& destination, int alpha) {
  const ImageScale scale = NearestImageScale(windowScale);
  if (GpImage* image = SharedEmbeddedImage(which, scale))
    DrawImagePart(graphics, image, ScaledCell(cell, ImageFactor(scale)), destination, alpha);
}

void DrawEmbeddedNineGrid(GpGraphics* graphics, EmbeddedImage which, float windowScale, const Rect& cell,
                          const Rect& destination, const Margins& margins, const Margins& destinationMargins,
                          int alpha) {
  const ImageScale scale = NearestImageScale(windowScale);
  if (GpImage* image = SharedEmbeddedImage(which, scale))
    DrawImageNineGrid(graphics, image, ScaledCell(cell, ImageFactor(scale)), destination,
                      ScaledMargins(margins, ImageFactor(scale)), destinationMargins, alpha);
}

Rect CaptionButtonCell(CaptionButtonKind kind, int state, bool maximised) {
  const int column = (state == 1 || state == 2) ? state : 0;
  if (kind == CaptionButtonKind::Close) return Rect{column * (kCloseWidth + 1), kCellTop, kCloseWidth, kCellHeight};
  // After the close cells, each glyph has three cells 29 apart, glyphs 87 apart.
  int glyph = 0;
  switch (kind) {
    case CaptionButtonKind::Maximise: glyph = maximised ? 1 : 0; break;
    case CaptionButtonKind::Minimise: glyph = 2; break;
    case CaptionButtonKind::Menu: glyph = 3; break;
    case CaptionButtonKind::Settings: glyph = 4; break;
    case CaptionButtonKind::Help: glyph = 5; break;
    case CaptionButtonKind::Pin: glyph = 6; break;
    default: break;
  }
  return Rect{120.0f + glyph * 87 + column * (kButtonWidth + 1), kCellTop, kButtonWidth, kCellHeight};
}

Rect MessageBoxIconCell(MessageBoxIcon icon) {
  float left = 0;
  switch (icon) {
    case MessageBoxIcon::Warning: left = 40; break;
    case MessageBoxIcon::Question: left = 80; break;
    case MessageBoxIcon::Information: left = 120; break;
    case MessageBoxIcon::User: left = 160; break;
    default: break;
  }
  return Rect{left, 0, 40, 40};
}

Rect ComboBoxSkinFrame(bool hot) { return Rect{hot ? 20.0f : 0.0f, 0, 20, 26}; }

Rect ComboBoxArrowFrame(bool open) { return Rect{open ? 15.0f : 0.0f, 0, 15, 12}; }

}  // namespace getlink
