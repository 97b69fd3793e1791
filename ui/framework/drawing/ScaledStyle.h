// A style at another display scale: every length of it (sizes, paddings, insets, arcs,
// row heights, the font size) times `factor`, lengths rounded to whole pixels so that
// edges stay sharp; colours, opacities, periods and tick counts as they are. A factor of
// 1 gives the style back unchanged.
#pragma once

#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

UiStyle ScaledStyle(const UiStyle& style, float factor);

}  // namespace getlink
