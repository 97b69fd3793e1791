// The skin images the program carries in its resources, each drawn at 1x, 1.5x and 2x,
// and where things are in them. Cells are given at 1x; a window draws the image nearest
// its scale (ImageScale.h), the cell scaled, at the size its style gives.
#pragma once

#include "resources/ResourceIds.h"
#include "runtime/Text.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/ImageScale.h"

namespace getlink {

enum class EmbeddedImage : int {
  CaptionButtons = GETLINK_CAPTION_BUTTONS,    // 729 x 20 sprite, stored without its PNG signature
  MessageBoxSkin = GETLINK_MESSAGE_BOX_SKIN,    // 2 x 160
  MessageBoxIcons = GETLINK_MESSAGE_BOX_ICONS,  // 200 x 40, five 40 x 40 icons
  ComboBoxSkin = GETLINK_COMBO_BOX_SKIN,        // 40 x 26, normal and hot frames
  ComboBoxArrow = GETLINK_COMBO_BOX_ARROW,      // 30 x 12, closed and open frames
  MenuCheckMark = GETLINK_MENU_CHECK,           // 20 x 20
};

constexpr int kProgramIconId = GETLINK_PROGRAM_ICON;

// Sizes are at 1x; the 1.5x and 2x images are as large as their cells (ScaledCell) need.

// The image's bytes as the program stores them; empty when the executable lacks them.
ByteSet EmbeddedImageBytes(EmbeddedImage which, ImageScale scale = ImageScale::Normal);

// The image decoded, with the PNG signature put back where it was left out.
Image LoadEmbeddedImage(EmbeddedImage which, ImageScale scale = ImageScale::Normal);

// The image decoded on first use and kept for the program's life, shared by every
// window; null when the executable lacks it.
GpImage* SharedEmbeddedImage(EmbeddedImage which, ImageScale scale);

// Draws `cell` (at 1x) of the image drawn nearest to `windowScale` into `destination`:
// pixel for pixel where the destination has the scaled cell's size, else stretched.
void DrawEmbeddedImage(GpGraphics* graphics, EmbeddedImage which, float windowScale, const Rect& cell,
                       const Rect& destination, int alpha = 255);
// The same as a nine-part grid: `margins` wide in the 1x image, `destinationMargins` on
// the destination.
void DrawEmbeddedNineGrid(GpGraphics* graphics, EmbeddedImage which, float windowScale, const Rect& cell,
                          const Rect& destination, const Margins& margins, const Margins& destinationMargins,
                          int alpha = 255);

// Caption buttons, by the window's caption-flag bit they stand for. The application
// buttons' glyphs show a menu, settings, help and a push pin.
enum class CaptionButtonKind : int {
  Close = 4,
  Maximise = 8,  // shows the restore glyph while the window is maximised
  Minimise = 16,
  Menu = 32,
  Settings = 64,
  Help = 128,
  Pin = 256,
};

// Sprite cell of a caption button: state 1 hot, 2 pressed, anything else normal. The
// cells are 19 pixels high from row 1; close cells are 39 wide, the others 28.
Rect CaptionButtonCell(CaptionButtonKind kind, int state, bool maximised);

// Message-box icons, by the values the message box takes (also MessageBeep's).
enum class MessageBoxIcon : int { None = 0, Error = 16, Question = 32, Warning = 48, Information = 64, User = 128 };

// The icon's 40 x 40 cell in the icon strip (the error icon's for unknown values).
Rect MessageBoxIconCell(MessageBoxIcon icon);

// The combo box's 20 x 26 skin frame (hot also while the list is open), the widths of
// its nine-grid borders, and its 15 x 12 arrow frame.
Rect ComboBoxSkinFrame(bool hot);
constexpr Margins kComboBoxSkinMargins = {5, 5, 5, 5};
Rect ComboBoxArrowFrame(bool open);

// The menu check mark's whole 20 x 20 image.
constexpr Rect kMenuCheckMarkCell = {0, 0, 20, 20};

}  // namespace getlink
