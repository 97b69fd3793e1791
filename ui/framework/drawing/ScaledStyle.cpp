#include "ui/framework/drawing/ScaledStyle.h"

#include <cmath>

#include "ui/framework/drawing/ImageScale.h"

namespace getlink {
namespace {

class Scaler {
 public:
  explicit Scaler(float factor) : factor_(factor) {}

  template <class... Lengths>
  void operator()(Lengths&... lengths) const {
    (Scale(lengths), ...);
  }

 private:
  void Scale(float& length) const { length = ScaledLength(length, factor_); }
  void Scale(int& length) const { length = static_cast<int>(std::lround(length * factor_)); }
  void Scale(Rect& rect) const { (*this)(rect.left, rect.top, rect.width, rect.height); }
  void Scale(Margins& margins) const { (*this)(margins.left, margins.top, margins.right, margins.bottom); }
  template <class T, std::size_t N>
  void Scale(std::array<T, N>& lengths) const {
    for (T& length : lengths) Scale(length);
  }

  float factor_;
};

}  // namespace

UiStyle ScaledStyle(const UiStyle& style, float factor) {
  UiStyle scaled = style;
  if (factor == 1) return scaled;
  const Scaler scale(factor);
  scaled.fontSize = style.fontSize * factor;  // not rounded: text sizes need no whole pixels
  scaled.scale = style.scale * factor;
  scale(scaled.textGlowSpread);

  WindowStyle& window = scaled.window;
  scale(window.maximisedOverhang, window.minimumHeight, window.minimumHeightWithoutCaption, window.sizingNearBand,
        window.sizingFarBand, window.captionHeight, window.tooltipMaxWidth);

  SkinStyle& skin = scaled.skin;
  scale(skin.shadowMargin, skin.bodyInset, skin.zoomedBodyInset, skin.controlAreaInset, skin.bodyArc, skin.shapeArc,
        skin.blurArc, skin.controlAreaArc, skin.imageEdgeBand, skin.lineWidth, skin.outerBorderArc, skin.innerBorderArc,
        skin.roundShadowArcs, skin.squareShadowArcs);

  CaptionStyle& caption = scaled.caption;
  scale(caption.rowTop, caption.buttonHeight, caption.buttonStep, caption.closeWidth, caption.rightMargin,
        caption.closeMargin, caption.icon, caption.titleTop, caption.titleHeight, caption.titleLeftAfterIcon,
        caption.titleLeft, caption.narrowestRoomLeft, caption.narrowestWithoutRow);

  ButtonStyle& button = scaled.button;
  scale(button.clipArc, button.faceArc, button.bottomLineInset, button.focusInset, button.focusBottomInset,
        button.pressedShift);

  scale(scaled.label.inset, scaled.label.flowOverhang);

  GroupBoxStyle& group = scaled.groupBox;
  scale(group.captionMargin, group.captionGap, group.captionTop, group.cornerArc, group.frameInset);

  ScrollBarStyle& bar = scaled.scrollBar;
  scale(bar.thickness, bar.arrowLength, bar.trackGap, bar.minimumThumbLength, bar.trackArc, bar.arrowFrameArc,
        bar.arrowHalfBase, bar.arrowMargin);

  ComboBoxStyle& combo = scaled.comboBox;
  scale(combo.frameMargins, combo.arrowRight, combo.arrowWidth, combo.arrowHeight, combo.textLeft, combo.textLessWidth,
        combo.textLessHeight, combo.textLineExtra, combo.editLeft, combo.editTop, combo.editLessWidth,
        combo.editLessHeight, combo.dropDownRowHeight, combo.dropDownMaximumHeight,
        combo.dropDownListInset, combo.dropDownColumnLessWidth);

  ListBoxStyle& list = scaled.listBox;
  scale(list.frame, list.linePadding, list.rowPadding, list.imageRowPadding, list.iconPadding, list.cellPadding,
        list.iconCaptionBottom, list.cellInset, list.headerSeparatorInset);

  EditStyle& edit = scaled.edit;
  scale(edit.padding, edit.textTop, edit.lineExtra, edit.caretWidth, edit.caretRise, edit.caretDrop);

  MenuStyle& menu = scaled.menu;
  scale(menu.itemHeight, menu.separatorHeight, menu.minimumWidth, menu.captionRoom, menu.subMenuArrowRoom,
        menu.verticalRoom, menu.firstItemTop, menu.itemInset, menu.separatorLeft, menu.separatorRightInset,
        menu.edgeOverlap, menu.subMenuOverlap, menu.subMenuRise, menu.panelInset, menu.lineWidth, menu.panelArc,
        menu.stripeInset, menu.stripeWidth, menu.stripeArc, menu.captionLeft, menu.arrowRoom, menu.pictureBox, menu.hotArc,
        menu.arrowBase, menu.arrowTip, menu.arrowHalfHeight, menu.separatorLineTop, menu.separatorLineHeight);
  for (MenuStyle::ShadowRing& ring : menu.shadowRings) scale(ring.arc);

  MessageBoxStyle& box = scaled.messageBox;
  scale(box.width, box.height, box.textTop, box.textLeft, box.textLeftBesideIcon, box.marginAcross,
        box.marginAcrossBesideIcon, box.marginDown, box.growthSlackAcross, box.growthSlackDown, box.singleLineHeight,
        box.singleLineDrop, box.buttonWidth, box.buttonHeight, box.buttonPitch, box.buttonRight, box.buttonBottom,
        box.buttonImageShift, box.panelInset, box.topBandHeight, box.middleTop, box.middleLessHeight,
        box.footerFromBottom, box.footerHeight, box.icon);
  return scaled;
}

}  // namespace getlink
