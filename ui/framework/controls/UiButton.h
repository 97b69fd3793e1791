// The push button: a drawn, focusable control with a caption, an optional image, a face
// of fill, gradient and outlines in four states plus a disabled look, and a short
// cross-fade whenever its look changes.
//
// A press and release over the button, Enter or Space while it is focused, and Alt with
// its mnemonic letter (the character after "&" in the caption) all give EvClick, to which
// the application binds its handler; the window produces the click, the button only
// shows it. A button made not focusable takes no mouse presses, but its mnemonic still
// clicks it. The face's colours, arcs and fades are the style's button section.
//
//   event           look painted    fade from (ticks to the new look; the style's, here the default's)
//   mouse enters    hot             51 (4)
//   mouse leaves    resting         51 (4)
//   left down       pressed         153 (2)   only when focusable
//   left up         hot             153 (2)   only when focusable
//   press cut short resting         153 (2)   only when focusable
//   focus gained    focused         204 (1)
//   focus lost      normal          102 (3)
// The resting look is the focused one while the button holds the focus, else normal.
#pragma once

#include <optional>

#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/controls/ButtonFace.h"
#include "ui/framework/controls/ButtonLayout.h"
#include "ui/framework/window/OptionsControl.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

struct ButtonOptions {
  Text caption;  // an "&" marks the mnemonic letter, shown underlined
  std::optional<Argb> textColour;  // absent: the style's text colour
  FontChoice font;  // nothing given: the framework's default font; Font() has the one in use
  TextEffect textEffect = TextEffect::None;
  std::optional<Argb> glowColour;  // absent: chosen from the text colour
  std::optional<bool> rounded;     // absent: as the host window's corners
  // Black or white text (keeping the text colour's alpha), whichever stands out on the face.
  bool autoTextColour = false;
  // An image (any format GDI+ reads) placed by imagePosition, imageGap from the caption
  // and shifted by the offsets (96-DPI units); bytes that do not load leave the caption alone.
  ByteSet imageBytes;
  ImagePosition imagePosition = ImagePosition::LeftOfCaption;
  float imageGap = 0;
  float imageOffsetX = 0;
  float imageOffsetY = 0;
  bool visible = true;
};

class UiButton : public OptionsControl<UiTextControl, ButtonOptions, ControlType::Button> {
 public:
  UiButton() = default;
  ~UiButton() override { Destroy(); }

  // Every setter changes the options and repaints; a new caption also registers its
  // mnemonic again (a caption without "&" removes the button's mnemonic). The font's
  // setters are UiTextControl's.
  void SetCaption(Text caption);
  void SetTextColour(std::optional<Argb> colour) { StoreAndRepaint(options_.textColour, colour); }
  void SetTextEffect(TextEffect effect) { StoreAndRepaint(options_.textEffect, effect); }
  void SetGlowColour(std::optional<Argb> colour) { StoreAndRepaint(options_.glowColour, colour); }
  void SetAutoTextColour(bool on) { StoreAndRepaint(options_.autoTextColour, on); }
  // The corners in use: as given, or as the host window's.
  bool Rounded() const { return rounded_; }
  void SetRounded(bool rounded);
  GpStringFormat* Format() const { return format_.Handle(); }
  void SetFormat(TextFormat format) { StoreAndRepaint(format_, std::move(format)); }
  // Decoded once, here (and when the button is made), never at a paint.
  void SetImageBytes(ByteSet bytes);
  void SetImagePosition(ImagePosition position) { StoreAndRepaint(options_.imagePosition, position); }
  void SetImageGap(float gap) { StoreAndRepaint(options_.imageGap, gap); }
  void SetImageOffset(float x, float y);

  // The look shown.
  ButtonState State() const { return state_; }
  // Shows the look of `state`, cross-fading from the current one from `startFade` (with
  // the window's animations off, at once).
  void PaintState(ButtonState state, int startFade);

  AccessStates AccessibleState() override;
  Text DefaultActionName() const override { return kPressAction; }
  void DoDefaultAction() override { PressAsClick(); }

 protected:
  // Hooks for buttons with a look of their own. PaintBackgroundHook answers true when it
  // drew the face; PaintContentHook answers true when it drew image and caption (the
  // focus rectangle is then left out too); PreEventHook sees every event first, and any
  // answer but kNotHandled is returned at once.
  virtual bool PaintBackgroundHook(GpGraphics*, ButtonState) { return false; }
  virtual bool PaintContentHook(GpGraphics*, ButtonState, const Rect& /*image*/, const Rect& /*caption*/) {
    return false;
  }
  virtual int PreEventHook(const ControlEvent&) { return kNotHandled; }

  int OnEvent(const ControlEvent& event) override;
  AccessRole DefaultAccessibleRole() const override { return AccessRole::PushButton; }
  // The caption as it reads, or the tip text of a button that shows only an image.
  Text DefaultAccessibleName() const override;
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnRefresh() override;
  int OnMouseDown(const PointerInput&) override;
  int OnMouseUp(const PointerInput&) override;
  int OnPressCancelled() override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  void RegisterMnemonic();
  // The look without the pointer on the button: focused while it holds the focus (after a
  // click released elsewhere or a press cut short too), else normal.
  ButtonState RestingState();
  void PaintContent(GpGraphics* graphics, ButtonState state, const Rect& face);
  void DecodeImage();

  ButtonState state_ = ButtonState::Normal;
  bool rounded_ = true;
  TextFormat format_ = TextFormat::Empty();
  Image image_;  // options_.imageBytes decoded
};

}  // namespace getlink
