#include "ui/framework/drawing/EmbeddedImages.h"

#include <windows.h>

namespace getlink {
namespace {

constexpr float kCellTop = 1;
constexpr float kCellHeight = 19;
constexpr float kCloseWidth = 39;
constexpr float kButtonWidth = 28;

}  // namespace

ByteSet EmbeddedImageBytes(EmbeddedImage which) {
  HMODULE program = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(static_cast<int>(which)), RT_RCDATA);
  if (found == nullptr) return ByteSet();
  HGLOBAL loaded = LoadResource(program, found);  // resource memory: never freed
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return ByteSet();
  return ByteSet(data, data + SizeofResource(program, found));
}

Image LoadEmbeddedImage(EmbeddedImage which) {
  return LoadImageFromBytes(EmbeddedImageBytes(which), which == EmbeddedImage::CaptionButtons
                                                           ? PngSignature::Prepend
                                                           : PngSignature::Stored);
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
