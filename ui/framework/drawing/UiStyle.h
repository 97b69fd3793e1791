// The look of the framework's windows and controls in one structure: every colour, font
// size, padding, corner arc, row height, border width, fade step and timer period they
// draw and lay out with. Pixel values are at 96 DPI; a window at another DPI holds the
// style scaled to it (ScaledStyle.h).
//
// A window holds a style (UiWindow::Style(): DefaultStyle() unless SetStyle gives it
// another) and its controls read it through UiControl::Style(); pop-ups take their
// owner's. The pure layout code takes the section it needs as an argument.
//
// Index: UiStyle (shared values) and its sections, in this order: fade, window, skin,
// caption, button, label, groupBox, scrollBar, comboBox, listBox, edit, menu, messageBox,
// picture.
#pragma once

#include <array>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// The cross-fade every control plays between two looks.
struct FadeStyle {
  int step = 51;     // opacity a tick adds to the new look
  int frameMs = 60;  // period of a fading control's timer

  // The start level of a fade that reaches full opacity in `ticks` ticks: 0 (five
  // ticks, from nothing), 51, 102, 153, 204 (one tick).
  constexpr int StartForTicks(int ticks) const { return 255 - ticks * step; }
};

// A framework window: its limits, the borders that resize it, its effects.
struct WindowStyle {
  int maximisedOverhang = 7;  // a maximised window reaches this far past the work area, hiding its shadow
  int minimumHeight = 40;
  int minimumHeightWithoutCaption = 20;
  int sizingNearBand = 8;   // pixels of the top and left borders that resize
  int sizingFarBand = 10;   // and of the bottom and right ones
  int captionHeight = 30;   // a double click this close to the top toggles maximise
  int effectMs = 200;       // opening and closing effects
  int effectFrames = 10;
  int skinFadeTickMs = 50;  // the cross-fade to a new skin
  int skinFadeStep = 51;
  int tooltipMaxWidth = 1024;  // longer tips wrap
};

// A framework window's skin: the body inside a transparent shadow margin, its border and
// edge shadow, the picture's blended edges.
struct SkinStyle {
  float shadowMargin = 5;    // around the body, holding the edge shadow
  int bodyInset = 6;         // the body's region starts this far in (also the blur and a plain window's shape)
  int zoomedBodyInset = 5;   // a maximised plain window's shape
  int controlAreaInset = 7;  // controls are clipped to this far in
  // Corner ellipses of the rounded body's region, a plain window's shape, the blur and the
  // controls' area.
  int bodyArc = 4;
  int shapeArc = 5;
  int blurArc = 5;
  int controlAreaArc = 3;
  float imageEdgeBand = 100;  // bands along the picture's edges that fade into the skin colour
  // The border: a dark line, and a light one inside it, each lineWidth wide.
  float lineWidth = 1;  // also the step between the edge shadow's rings
  Argb outerBorder = MakeColor(ColorRef(0x606060), 204);
  Argb innerBorder = MakeColor(ColorRef(0xFFFFFF), 102);
  float outerBorderArc = 7;
  float innerBorderArc = 6;
  // The edge shadow: rings lineWidth wide and further out each, fainter each, in this
  // colour unless the window is given another.
  ColorRef shadowColour = MakeColorRef(0, 0, 0);
  std::array<int, 4> shadowAlphas = {45, 25, 10, 5};
  std::array<float, 4> roundShadowArcs = {10, 12, 15, 18};
  std::array<float, 4> squareShadowArcs = {1, 4, 7, 11};
};

// The caption row: icon, title and caption buttons.
struct CaptionStyle {
  // The buttons sit in steps of buttonStep pixels, rowTop from the top, leftwards from
  // rightMargin inside the right edge, closeMargin more when there is a close button
  // (which is wider than its step).
  float rowTop = 7;
  float buttonHeight = 19;
  float buttonStep = 28;
  float closeWidth = 39;
  float rightMargin = 12;
  float closeMargin = 12;
  // The icon at the top left; the title right of it (or where it would be).
  Rect icon = {11, 11, 16, 16};
  float titleTop = 11;
  float titleHeight = 20;
  float titleLeftAfterIcon = 29;
  float titleLeft = 11;
  Argb titleColour = MakeColor(ColorRef(0xFFFFFF), 250);
  // What a window keeps left of the buttons at its narrowest, and the width of a window
  // without a caption row.
  int narrowestRoomLeft = 23;
  int narrowestWithoutRow = 21;
  // A caption button's fades, in ticks: back to normal, pressed or released, hot.
  int normalFadeTicks = 5;
  int pressFadeTicks = 2;
  int hotFadeTicks = 3;
};

// The colours of a push button's face in one state.
struct ButtonFaceColours {
  Argb fill;
  Argb gradientTop;
  Argb gradientBottom;
  Argb outerOutline;
  Argb innerOutline;
  Argb bottomLine;
};

struct ButtonStyle {
  // Fill, gradient top and bottom, the black outer outline, the white inner outline and
  // the black line under the face, per state.
  ButtonFaceColours normal = Face(ColorRef(0xECECEC), 204, kBlack, 0, kBlack, 102, 80, 51, 25);
  ButtonFaceColours hot = Face(ColorRef(0xECECEC), 204, kBlack, 21, kBlack, 153, 70, 51, 30);
  ButtonFaceColours pressed = Face(ColorRef(0xECECEC), 204, kBlack, 153, ColorRef(0xECECEC), 21, 70, 51, 10);
  ButtonFaceColours focused = Face(ColorRef(0xECECEC), 204, kBlack, 51, kBlack, 153, 80, 61, 25);
  ButtonFaceColours disabled = Face(ColorRef(0xFFFFFF), 51, kBlack, 51, kBlack, 51, 35, 30, 0);
  // Corner arcs: the clip is a little rounder than the fill and outlines it cuts.
  float clipArc = 4;
  float faceArc = 3;
  float bottomLineInset = 2;  // a rounded face's line is this much shorter at either end
  // The focus rectangle inside the face: this far from its left, top and right, and
  // focusBottomInset from its bottom.
  float focusInset = 2;
  float focusBottomInset = 3;
  float pressedShift = 1;  // image and caption move right and down while pressed
  // Fades, in ticks: the pointer entering or leaving, a press or release, focus gained, focus lost.
  int hoverFadeTicks = 4;
  int pressFadeTicks = 2;
  int focusFadeTicks = 1;
  int blurFadeTicks = 3;

 private:
  static constexpr ColorRef kBlack = ColorRef(0x000000);
  static constexpr ButtonFaceColours Face(ColorRef fill, int fillAlpha, ColorRef top, int topAlpha, ColorRef bottom,
                                          int bottomAlpha, int outerAlpha, int innerAlpha, int lineAlpha) {
    return {MakeColor(fill, fillAlpha),          MakeColor(top, topAlpha),
            MakeColor(bottom, bottomAlpha),      MakeColor(kBlack, outerAlpha),
            MakeColor(ColorRef(0xFFFFFF), innerAlpha), MakeColor(kBlack, lineAlpha)};
  }
};

struct LabelStyle {
  float inset = 2;         // text keeps this far from the label's edges
  float flowOverhang = 3;  // a flowing text may run a line and this much past the bottom (clipped)
};

struct GroupBoxStyle {
  // The caption keeps captionMargin from the frame's left and right ends, and the frame
  // line stops captionGap before and after it.
  float captionMargin = 10;
  float captionGap = 2;
  float captionTop = 2;
  float cornerArc = 6;
  float frameInset = 1;
};

// The thin scroll bar: arrows at both ends, the track between them.
struct ScrollBarStyle {
  float thickness = 10;   // across the bar; lists and edit boxes give their bars this width
  float arrowLength = 9;
  float trackGap = 1;     // between an arrow and the track, and around the track across the bar
  int minimumThumbLength = 30;  // shorter would be hard to hit
  float trackArc = 6;
  float arrowFrameArc = 4;
  float arrowHalfBase = 3;  // half the width of an arrow's base
  float arrowMargin = 2;    // how far an arrow's tip and base keep from its box's edges
  Argb trackFill = MakeArgb(40, 0, 0, 0);
  Argb trackOutline = MakeArgb(30, 0, 0, 0);
  Argb thumbFill = MakeArgb(110, 0, 0, 0);  // full look
  Argb thumbOutline = MakeArgb(80, 0, 0, 0);
  Argb idleThumbFill = MakeArgb(40, 0, 0, 0);  // idle look: a faint thumb alone
  Argb idleThumbOutline = MakeArgb(30, 0, 0, 0);
  Argb arrowFill = MakeArgb(100, 0, 0, 0);
  Argb arrowOutline = MakeArgb(60, 0, 0, 0);
  Argb hotArrowFill = MakeArgb(160, 0, 0, 0);
  Argb hotArrowOutline = MakeArgb(140, 0, 0, 0);
  Argb hotArrowFrame = MakeArgb(160, 0, 0, 0);
  // A held arrow steps every repeatTickMs, after repeatDelayTicks of them (the first step
  // comes at once).
  int repeatTickMs = 60;
  int repeatDelayTicks = 5;
  int fadeTicks = 4;  // between looks
};

// The combo box, drawn from its skin images, and its drop-down list.
struct ComboBoxStyle {
  Margins frameMargins = {5, 5, 5, 5};  // of the frame image's nine-grid
  int frameAlpha = 244;
  // The arrow's place: from the right edge, at its own size in the middle of it.
  float arrowRight = 22;
  float arrowWidth = 19;
  float arrowHeight = 22;
  // The text's room: from textLeft to the arrow, textLessHeight lower than the box; one
  // line of the font and textLineExtra, in the middle of the box.
  float textLeft = 4;
  float textLessWidth = 24;
  float textLessHeight = 8;
  float textLineExtra = 3;
  // An editable box's inner edit, inside the frame and left of the arrow.
  float editLeft = 2;
  float editTop = 4;
  float editLessWidth = 24;
  float editLessHeight = 8;
  // The drop-down: rows of this height whatever the font, and its greatest height (then it
  // scrolls). Its height for fewer rows is worked out from the rows, dropDownListInset and
  // the list's own frame (DropDownHeight), each scaled and rounded on its own.
  int dropDownRowHeight = 19;
  int dropDownMaximumHeight = 130;
  float dropDownListInset = 1;        // the list inside the pop-up's frame
  int dropDownColumnLessWidth = 10;   // its one column clear of the scroll bar
  int dropDownOpacity = 255;
  Argb chosenBack = MakeArgb(190, 0, 96, 192);
  Argb chosenText = MakeArgb(kOpaqueAlpha, 255, 255, 255);
};

struct ListBoxStyle {
  Argb backColour = MakeArgb(210, 255, 255, 255);
  float frame = 2;            // left around the rows
  int linePadding = 3;        // a line of the font and the room around it (a header, a caption)
  int rowPadding = 3;         // row views: a row is a line and this much more,
  int imageRowPadding = 6;    // or the row image and this much more
  int iconPadding = 8;        // icon view: below an icon,
  int cellPadding = 20;       // and beside a caption in a cell
  float iconCaptionBottom = 4;  // room under an icon view caption
  Margins cellInset = {1, 1, 3, 2};  // a cell's text inside its cell
  // The header: a light band with a darker line under it and between its captions.
  Argb headerTop = MakeArgb(150, 255, 255, 255);
  Argb headerBottom = MakeArgb(60, 255, 255, 255);
  Argb headerLine = MakeArgb(60, 0, 0, 0);
  float headerSeparatorInset = 3;
  Argb gridLine = MakeArgb(25, 0, 0, 0);
  // The tints of the window's accent colour behind hot and selected items.
  int accentHotAlpha = 51;
  int accentSelectedAlpha = 102;
  int reportWheelRows = 3;  // a wheel notch in the report view; one row in the others
};

struct EditStyle {
  Argb textColour = MakeArgb(230, 0, 0, 0);
  Argb backColour = MakeArgb(160, 255, 255, 255);
  Argb caretColour = MakeArgb(230, 0, 0, 0);
  Argb selectionFill = MakeArgb(254, 51, 153, 255);
  Argb selectedText = MakeArgb(254, 255, 255, 255);
  float padding = 2;    // between the outline and the frame
  float textTop = 1;    // the text below the frame's top (and above its bottom, multi-line)
  float lineExtra = 3;  // a single line is the font height plus this; so is the system caret
  // The caret: caretWidth wide, standing caretRise above its row (the view keeps it that
  // far inside) and, in a multi-line box, caretDrop below it.
  float caretWidth = 1;
  float caretRise = 2;
  float caretDrop = 1;
  int blinkMs = 500;
  int dragScrollMs = 50;    // while a drag holds the pointer outside the text
  int tripleClickMs = 500;  // after a double click, a third click selects the line
  int wheelLines = 3;
};

// The pop-up menu: its window, panel, items and placement.
struct MenuStyle {
  int itemHeight = 22;
  int separatorHeight = 3;
  int minimumWidth = 50;      // a set width below it counts as it
  int captionRoom = 50;       // the picture column and the margins beside the widest caption
  int subMenuArrowRoom = 15;
  int verticalRoom = 16;      // above the first item and below the last
  int firstItemTop = 8;
  int itemInset = 8;
  int separatorLeft = 33;     // separators start past the picture column
  int separatorRightInset = 7;
  int edgeOverlap = 5;        // a menu may reach this far past the work area before it flips
  int subMenuOverlap = 10;    // a sub-menu overlaps its parent by this much,
  int subMenuRise = 7;        // and lines up this far above its item
  int opacity = 240;
  ColorRef skinColour = MakeColorRef(255, 255, 255);
  int subMenuShowMs = 100;    // a sub-menu's sliding in
  int openSubDelayMs = 500;   // the pointer on a sub-menu item opens it after this
  int reopenDelayMs = 300;    // an item opens its own once another's has closed
  // The panel: a white rounded body panelInset in, with a soft shadow of rings, and a
  // light stripe behind the pictures. The panel's outline and the rings are lineWidth
  // wide, the rings lineWidth apart.
  float panelInset = 6;
  float lineWidth = 1;
  float panelArc = 4;
  Argb panelColour = MakeArgb(234, 255, 255, 255);
  Argb panelOutline = MakeArgb(125, 0, 0, 0);
  struct ShadowRing {
    float arc;
    Argb colour;
  };
  std::array<ShadowRing, 3> shadowRings = {
      {{7, MakeArgb(35, 0, 0, 0)}, {10, MakeArgb(15, 0, 0, 0)}, {13, MakeArgb(5, 0, 0, 0)}}};
  float stripeInset = 8;
  float stripeWidth = 24;
  float stripeArc = 3;
  Argb stripeColour = MakeArgb(254, 209, 228, 236);
  // An item: its caption and picture, the hot fill, a sub-menu's arrow, a separator's line.
  float captionLeft = 30;
  float arrowRoom = 12;
  Rect pictureBox = {2, 1, 20, 20};
  float hotArc = 3;
  Argb hotFill = MakeArgb(230, 48, 134, 198);
  Argb hotText = MakeArgb(240, 255, 255, 255);
  float arrowBase = 9;       // from the item's right edge
  float arrowTip = 5;
  float arrowHalfHeight = 4;
  Argb arrowColour = MakeArgb(120, 0, 0, 0);
  Argb hotArrowColour = MakeArgb(230, 255, 255, 255);
  float separatorLineTop = 1;
  float separatorLineHeight = 1;
  Argb separatorColour = MakeArgb(254, 183, 195, 204);
};

// The message box: its size and layout, its background bands and icon, its own skin.
struct MessageBoxStyle {
  int width = 320;
  int height = 150;
  float textTop = 43;
  float textLeft = 30;
  float textLeftBesideIcon = 85;
  // The box's size less the text's: across (without and with an icon) and down.
  int marginAcross = 60;
  int marginAcrossBesideIcon = 120;
  int marginDown = 100;
  // Room a grown text gets beyond its measure, across and down.
  float growthSlackAcross = 10;
  float growthSlackDown = 5;
  // A message lower than this is one line, drawn a little lower to sit in the middle.
  float singleLineHeight = 30;
  float singleLineDrop = 4;
  // Buttons from the right edge: buttonWidth x buttonHeight, buttonPitch apart.
  float buttonWidth = 70;
  float buttonHeight = 24;
  int buttonPitch = 75;
  int buttonRight = 8;
  int buttonBottom = 35;
  float buttonImageShift = -1;  // a button's image, sideways
  // The background: the skin strip's bands inside panelInset, and the icon.
  float panelInset = 7;
  float topBandHeight = 96;
  float middleTop = 103;
  float middleLessHeight = 145;
  float footerFromBottom = 42;
  float footerHeight = 35;
  Rect icon = {30, 40, 40, 40};
  // The skin of a box whose owner has none to lend.
  ColorRef ownSkinColour = ColorRef(0xFF8800);
  int ownSkinOpacity = 210;
};

struct PictureStyle {
  int defaultFrameDelay = 10;  // hundredths of a second, when an image names none
};

struct UiStyle {
  // How many physical pixels a 96-DPI pixel is in this style (ScaledStyle.h): 1 as
  // written here, 1.5 at 144 DPI. Sizes an application gives (a font's) are multiplied by it.
  float scale = 1;
  // The framework's default font's size, and a control font's when only its name or style is given.
  float fontSize = 12;
  Argb textColour = MakeArgb(210, 0, 0, 0);   // buttons, labels, captions, lists, combo boxes, menus
  Argb borderColour = MakeArgb(80, 0, 0, 0);  // the outlines of group boxes, lists and edit boxes
  // How far a glow spreads around text: its halo is the text drawn this many times
  // smaller and stretched back.
  float textGlowSpread = 3;

  FadeStyle fade;
  WindowStyle window;
  SkinStyle skin;
  CaptionStyle caption;
  ButtonStyle button;
  LabelStyle label;
  GroupBoxStyle groupBox;
  ScrollBarStyle scrollBar;
  ComboBoxStyle comboBox;
  ListBoxStyle listBox;
  EditStyle edit;
  MenuStyle menu;
  MessageBoxStyle messageBox;
  PictureStyle picture;
};

// The style windows start with.
inline const UiStyle& DefaultStyle() {
  static const UiStyle style;
  return style;
}

}  // namespace getlink
