// The push button page: each state, mnemonics, text effects, corners and fonts, image
// placements, the automatic text colour and a face drawn by a hook.
#include "runtime/TextBuild.h"
#include "tools/demo/DemoSection.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/controls/UiButton.h"

namespace getlink::demo {
namespace {

// A button whose face is dark blue, drawn by its own background hook.
class DarkButton : public UiButton {
 protected:
  bool PaintBackgroundHook(GpGraphics* g, ButtonState state) override {
    const Rect face = FaceRect(PixelWidth(), PixelHeight());
    const Argb fill = state == ButtonState::Pressed ? MakeColor(ColorRef(0x5A3A1E)) : state == ButtonState::Hot
                                                                              ? MakeColor(ColorRef(0x8A5A30))
                                                                              : MakeColor(ColorRef(0x744A26));
    FillRoundRect(g, EdgeShape(face, 3), 3, SolidBrush(fill).get());
    OutlineRoundRect(g, EdgeShape(face, 3), 3, MakeColor(ColorRef(0x000000), 120));
    return true;
  }
};

class ButtonSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    host_ = window.Hwnd();
    LabelOptions statusOptions;
    statusOptions.text = "最近点击：（无）";
    status_ = &Make<UiLabel>();
    status_->Create(host_, At(area, 0, 300, 400, 22), statusOptions);

    Heading(host_, At(area, 0, 0, 580, 20), "状态：普通、悬停、按下、焦点、禁用");
    const char* states[] = {"普通", "悬停", "按下", "焦点", "禁用"};
    UiButton* samples[5];
    for (int i = 0; i < 5; ++i) samples[i] = &AddButton(At(area, 96.f * i, 22, 84, 26), states[i]);
    samples[1]->PaintState(ButtonState::Hot, 255);
    samples[2]->PaintState(ButtonState::Pressed, 255);
    focusSample_ = samples[3];
    samples[4]->SetDisabled(true);

    Heading(host_, At(area, 0, 62, 580, 20), "助记符（Alt+O、Alt+C）、发光、阴影、直角、大号字体");
    AddButton(At(area, 0, 84, 84, 26), "确定(&O)");
    AddButton(At(area, 96, 84, 84, 26), "取消(&C)");
    ButtonOptions glow;
    glow.textEffect = TextEffect::Glow;
    glow.glowColour = MakeArgb(230, 255, 255, 255);
    AddButton(At(area, 192, 84, 84, 26), "发光文字", glow);
    ButtonOptions shadow;
    shadow.textEffect = TextEffect::Shadow;
    AddButton(At(area, 288, 84, 84, 26), "阴影文字", shadow);
    ButtonOptions square;
    square.rounded = false;
    AddButton(At(area, 384, 84, 84, 26), "直角按钮", square);
    ButtonOptions large;
    large.font.size = 16;
    large.font.style = FontStyle::Bold;
    AddButton(At(area, 480, 84, 110, 26), "大号粗体", large);

    Heading(host_, At(area, 0, 124, 580, 20), "图像：左、右、上、下，固定在左边和右上角");
    const ByteSet check = EmbeddedImageBytes(EmbeddedImage::MenuCheckMark);
    struct Placed {
      Rect rect;
      const char* caption;
      ImagePosition position;
    };
    const Placed placed[] = {
        {At(area, 0, 146, 96, 30), "图在左", ImagePosition::LeftOfCaption},
        {At(area, 104, 146, 96, 30), "图在右", ImagePosition::RightOfCaption},
        {At(area, 208, 146, 72, 52), "图在上", ImagePosition::AboveCaption},
        {At(area, 288, 146, 72, 52), "图在下", ImagePosition::BelowCaption},
        {At(area, 368, 146, 104, 30), "固定左边", ImagePosition::Left},
        {At(area, 480, 146, 100, 52), "右上角", ImagePosition::TopRight},
    };
    for (const Placed& p : placed) {
      UiButton& button = AddButton(p.rect, p.caption);
      button.SetImageGap(4);
      button.SetImagePosition(p.position);
      button.SetImageBytes(check);
    }

    Heading(host_, At(area, 0, 212, 580, 20), "自动文字颜色：深色自绘面上为白字，浅色面上为黑字");
    DarkButton& dark = Make<DarkButton>();
    dark.Create(host_, At(area, 0, 234, 120, 28), WithCaption("深色面", {}));
    dark.SetAutoTextColour(true);
    BindStatus(dark);
    UiButton& light = AddButton(At(area, 132, 234, 120, 28), "浅色面");
    light.SetAutoTextColour(true);
  }

  void Shown(UiWindow& window) override { window.SetFocusControl(focusSample_, true); }

 private:
  static ButtonOptions WithCaption(const char* caption, ButtonOptions options) {
    options.caption = caption;
    return options;
  }

  UiButton& AddButton(const Rect& rect, const char* caption, const ButtonOptions& options = {}) {
    UiButton& button = Make<UiButton>();
    button.Create(host_, rect, WithCaption(caption, options));
    BindStatus(button);
    return button;
  }

  void BindStatus(UiButton& button) {
    UiLabel* status = status_;
    button.BindEvent(EventCode::EvClick, [status](UiControl*, UiControl& clicked, const ControlEvent&) {
      // The caption as shown: without the "&" that marks the mnemonic.
      status->SetText("最近点击：" + ReplaceText(static_cast<UiButton&>(clicked).GetOptions().caption, "&", "", Case::Sensitive));
    });
  }

  HWND host_ = nullptr;
  UiLabel* status_ = nullptr;
  UiButton* focusSample_ = nullptr;
};

const DemoSectionRegistration kRegistration{10, "按钮", [] { return std::make_unique<ButtonSection>(); }};

}  // namespace
}  // namespace getlink::demo
