// Where the message box goes and where its text and buttons sit in it.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

struct MessageBoxLayout {
  SIZE box = {0, 0};
  Rect text;  // in the box's client coordinates
};

// The box for a message that measures `measured` (GDI+ pixels), by the style: with the
// default one 320 x 150 with the text at (30, 43, 260, 50), or at (85, 43, 200, 50) beside
// an icon. A message wider or taller than that grows the box by as much (the margins stay)
// and gets a little more room (10 pixels across, 5 down); a single line (below 30 pixels)
// moves 4 pixels down. The box never grows beyond the screen area `area`: a taller
// message is cut at its bottom.
MessageBoxLayout LayOutMessageBox(const Rect& measured, bool icon, const RECT& area, const MessageBoxStyle& style);

// How wide a message may be laid out before it wraps: the box then takes at most 5/8 of
// the width of `area` (as the system's message box does), and never less than its
// standard width.
float MessageTextWidthLimit(const RECT& area, bool icon, const MessageBoxStyle& style);

// The top-left corner that centres a box of `size` on `area`.
POINT CentreOn(const RECT& area, SIZE size);

// The button at `position` (1 = the rightmost) in a box of `width` x `height`: with the
// default style 70 x 24, 75 pixels apart, 8 pixels from the right edge and 35 from the bottom.
Rect MessageBoxButtonRect(int width, int height, int position, const MessageBoxStyle& style);

}  // namespace getlink
