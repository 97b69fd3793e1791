// The push button: a drawn, focusable control with a caption, an optional image, a face
// of fill, gradient and outlines in four states plus a disabled look, and a short
// cross-fade whenever its look changes.
//
// A press and release over the button, Enter or Space while it is focused, and Alt with
// its mnemonic letter (the character after "&" in the caption) all give EvClick, to which
// the application binds its handler; the window produces the click, the button only
// shows it. A button made not focusable takes no mouse presses, but its mnemonic still
// clicks it.
//
//   event           look painted    fade from (ticks of 60 ms to the new look)
//   mouse enters    hot             51 (4)
//   mouse leaves    normal          51 (4)
//   left down       pressed         153 (2)   only when focusable
//   left up         hot             153 (2)   only when focusable
//   focus gained    focused         204 (1)
//   focus lost      normal          102 (3)
#pragma once

#include <optional>

#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/ButtonFace.h"
#include "ui/framework/window/ButtonLayout.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

struct ButtonOptions {
  Text caption;  // an "&" marks the mnemonic letter, shown underlined
  Argb textColour = MakeArgb(210, 0, 0, 0);
  FontChoice font;  // nothing given: the framework's default font
  TextEffect textEffect = TextEffect::None;
  Argb glowColour = 0;          // 0: chosen from the text colour
  std::optional<bool> rounded;  // absent: as the host window's corners
  bool visible = true;
};

class UiButton : public UiTextControl {
 public:
  using Options = ButtonOptions;

  UiButton() = default;
  ~UiButton() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const Options& options = {});
  bool Create(UiControl& parent, const Rect& rect, const Options& options = {});

  // Every setter repaints; a new caption also registers its mnemonic again (a caption
  // without "&" removes the button's mnemonic). The font's setters are UiTextControl's.
  const Text& Caption() const { return caption_; }
  void SetCaption(Text caption);
  Argb TextColour() const { return textColour_; }
  void SetTextColour(Argb colour) { StoreAndRepaint(textColour_, colour); }
  TextEffect Effect() const { return textEffect_; }
  void SetTextEffect(TextEffect effect) { StoreAndRepaint(textEffect_, effect); }
  Argb GlowColour() const { return glowColour_; }
  void SetGlowColour(Argb colour) { StoreAndRepaint(glowColour_, colour); }
  // Black or white text (keeping the text colour's alpha), whichever stands out on the face.
  bool AutoTextColour() const { return autoTextColour_; }
  void SetAutoTextColour(bool on) { StoreAndRepaint(autoTextColour_, on); }
  bool Rounded() const { return rounded_; }
  void SetRounded(bool rounded);
  GpStringFormat* Format() const { return format_.Handle(); }
  void SetFormat(TextFormat format) { StoreAndRepaint(format_, std::move(format)); }

  // An image (any format GDI+ reads) placed by ImagePosition; bytes that do not load
  // leave the caption alone.
  const ByteSet& ImageBytes() const { return imageBytes_; }
  void SetImageBytes(ByteSet bytes) { StoreAndRepaint(imageBytes_, std::move(bytes)); }
  ImagePosition GetImagePosition() const { return imagePosition_; }
  void SetImagePosition(ImagePosition position) { StoreAndRepaint(imagePosition_, position); }
  float ImageGap() const { return imageGap_; }
  void SetImageGap(float gap) { StoreAndRepaint(imageGap_, gap); }
  float ImageOffsetX() const { return imageOffsetX_; }
  float ImageOffsetY() const { return imageOffsetY_; }
  void SetImageOffset(float x, float y);

  // The look last painted.
  ButtonState State() const { return state_; }
  // Paints the look of `state`, cross-fading from the current one from `startFade`
  // (with the window's animations off, at once).
  void PaintState(ButtonState state, int startFade);

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
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnRefresh() override { return OnPaint(); }
  int OnMouseDown(const PointerInput&) override;
  int OnMouseUp(const PointerInput&) override;
  int OnPressCancelled() override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;

 private:
  CreateControlOptions Prepare(const Options& options);
  void RegisterMnemonic();
  void PaintContent(GpGraphics* graphics, ButtonState state, const Rect& face);

  ButtonState state_ = ButtonState::Normal;
  Text caption_;
  TextEffect textEffect_ = TextEffect::None;
  Argb textColour_ = 0;
  std::optional<bool> roundedChoice_;
  bool rounded_ = true;
  TextFormat format_ = TextFormat::Empty();
  Argb glowColour_ = 0;
  bool autoTextColour_ = false;
  ByteSet imageBytes_;
  ImagePosition imagePosition_ = ImagePosition::LeftOfCaption;
  float imageGap_ = 0;
  float imageOffsetX_ = 0;
  float imageOffsetY_ = 0;
};

}  // namespace getlink
