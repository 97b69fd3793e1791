// The scales the program's own images are drawn at (1x, 1.5x and 2x, by
// resources/draw_images.py), the one a window draws with, and where a cell of a 1x image
// lies in the same image at another scale.
#pragma once

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

enum class ImageScale : int { Normal = 0, OneAndAHalf = 1, Double = 2 };

constexpr float ImageFactor(ImageScale scale) { return 1 + static_cast<int>(scale) * 0.5f; }

// The drawn scale nearest to a window's scale (DPI / 96). Halfway between two the larger
// is taken: shrinking an image keeps its edges sharper than growing it.
ImageScale NearestImageScale(float windowScale);

// A length of a 1x image at `factor` in whole pixels, halves away from zero: how the
// scaled images are laid out, and how a style scales the lengths it draws them at.
float ScaledLength(float length, float factor);
// A cell of a 1x image (each of its numbers scaled), and a nine-grid's margins.
Rect ScaledCell(const Rect& cell, float factor);
Margins ScaledMargins(const Margins& margins, float factor);

}  // namespace getlink
