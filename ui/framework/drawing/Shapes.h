// Rounded rectangles, outlines, gradients and brushes.
#pragma once

#include <optional>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

// A brush of one colour.
UniqueBrush SolidBrush(Argb colour);

// The outline of `rect` with corner arcs of diameter `diameter`; the right and bottom
// arcs end one pixel inside the rectangle, so an outline drawn along the path stays in
// it. A diameter of 0 or less gives the plain rectangle.
UniquePath RoundRectPath(const Rect& rect, float diameter);

void FillRoundRect(GpGraphics* graphics, const Rect& rect, float diameter, GpBrush* brush);

// Limits drawing to the rounded rectangle (replacing the current clip).
void ClipToRoundRect(GpGraphics* graphics, const Rect& rect, float diameter);

void OutlineRoundRect(GpGraphics* graphics, const Rect& rect, float diameter, Argb colour, float width = 1.0f,
                      Gdiplus::DashStyle dash = Gdiplus::DashStyleSolid);

// The rectangle to give RoundRectPath and the functions above so that the shape's edge
// runs along the outermost pixels of `rect`, rounded (`diameter` above 0) or square: a
// rounded path keeps inside its rectangle already, a square one needs it a pixel smaller.
Rect EdgeShape(const Rect& rect, float diameter);

// Border styles of OutlineRect. Other values draw nothing.
enum class BorderStyle : int {
  None = 0,
  Sunken = 1,   // dark top and left edges, light bottom and right edges
  Raised = 2,   // light top and left edges, dark bottom and right edges
  Outline = 3,  // one line around the rectangle
  Focus = 4,    // a dotted line around the rectangle (the keyboard focus)
};

// Draws a border just inside `rect`. The colour defaults to grey 0x646464 (opaque).
void OutlineRect(GpGraphics* graphics, const Rect& rect, BorderStyle style, std::optional<Argb> colour = std::nullopt,
                 float width = 1.0f);

// Fills {left, top, width - 1, height - 1} with a linear gradient from `from` to `to`,
// tiled and flipped beyond the rectangle.
void FillGradient(GpGraphics* graphics, const Rect& rect, Argb from, Argb to,
                  Gdiplus::LinearGradientMode mode = Gdiplus::LinearGradientModeVertical);

}  // namespace getlink
