// The label page: effects, gradient backgrounds and outlines, vertical alignment, two
// lines as a block, word wrap, horizontal alignment and trimming, and the automatic
// contrast, which follows the window's skin when the page's button darkens it.
#include "runtime/Files.h"
#include "tools/demo/DemoSection.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/window/UiButton.h"

namespace getlink::demo {
namespace {

const Argb kFrame = MakeArgb(90, 0, 0, 0);

class LabelSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    const HWND host = window.Hwnd();
    Heading(host, At(area, 0, 0, 580, 20), "文字效果：普通、发光、阴影");
    Add(host, At(area, 0, 22, 120, 26), Options("普通文字"));
    LabelOptions glow = Options("发光文字");
    glow.textColour = MakeArgb(250, 255, 255, 255);
    glow.effect = TextEffect::Glow;
    glow.effectColour = MakeArgb(220, 0, 0, 0);
    Add(host, At(area, 130, 22, 120, 26), glow);
    LabelOptions shadow = Options("阴影文字");
    shadow.effect = TextEffect::Shadow;
    shadow.font.style = FontStyle::Bold;
    Add(host, At(area, 260, 22, 120, 26), shadow);

    Heading(host, At(area, 0, 56, 580, 20), "渐变背景（横、竖、斜、反斜）与边框");
    const LabelBackground modes[] = {LabelBackground::Horizontal, LabelBackground::Vertical,
                                     LabelBackground::ForwardDiagonal, LabelBackground::BackwardDiagonal};
    const char* names[] = {"横向渐变", "竖向渐变", "斜向渐变", "反斜渐变"};
    for (int i = 0; i < 4; ++i) {
      LabelOptions options = Options(names[i]);
      options.background = modes[i];
      options.backColourFrom = MakeArgb(230, 255, 255, 255);
      options.backColourTo = MakeArgb(200, 120, 160, 215);
      options.borderColour = kFrame;
      options.alignment = Gdiplus::StringAlignmentCenter;
      Add(host, At(area, 130.f * i, 78, 120, 30), options);
    }

    Heading(host, At(area, 0, 118, 580, 20), "垂直对齐（上、中、下），两行居中，自动换行");
    const VerticalAlign aligns[] = {VerticalAlign::Top, VerticalAlign::Centre, VerticalAlign::Bottom};
    const char* alignNames[] = {"靠上", "居中", "靠下"};
    for (int i = 0; i < 3; ++i) {
      LabelOptions options = Options(alignNames[i]);
      options.verticalAlign = aligns[i];
      options.borderColour = kFrame;
      Add(host, At(area, 90.f * i, 140, 80, 56), options);
    }
    LabelOptions twoLines = Options("第一行文字\r\n第二行");
    twoLines.borderColour = kFrame;
    twoLines.alignment = Gdiplus::StringAlignmentCenter;
    Add(host, At(area, 270, 140, 110, 56), twoLines);
    LabelOptions wrapped = Options("自动换行的标签：文字到了右边界就转到下一行继续显示。");
    wrapped.wordWrap = true;
    wrapped.borderColour = kFrame;
    Add(host, At(area, 390, 140, 190, 56), wrapped);

    Heading(host, At(area, 0, 206, 580, 20), "水平对齐（左、中、右）与省略号截断");
    const Gdiplus::StringAlignment horizontal[] = {Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter,
                                                   Gdiplus::StringAlignmentFar};
    const char* horizontalNames[] = {"靠左", "居中", "靠右"};
    for (int i = 0; i < 3; ++i) {
      LabelOptions options = Options(horizontalNames[i]);
      options.alignment = horizontal[i];
      options.borderColour = kFrame;
      Add(host, At(area, 110.f * i, 228, 100, 24), options);
    }
    LabelOptions trimmed = Options("很长的一段文字放不下时以省略号结尾");
    trimmed.trimming = Gdiplus::StringTrimmingEllipsisCharacter;
    trimmed.borderColour = kFrame;
    Add(host, At(area, 330, 228, 150, 24), trimmed);

    Heading(host, At(area, 0, 262, 580, 20), "自动对比：按钮切换深色皮肤，下面的字随之变白");
    LabelOptions contrast = Options("自动对比的文字 Auto contrast");
    contrast.autoContrast = true;
    contrast.font.size = 14;
    contrast.font.style = FontStyle::Bold;
    Add(host, At(area, 0, 284, 300, 28), contrast);
    ButtonOptions toggle;
    toggle.caption = "切换皮肤";
    UiButton& button = Make<UiButton>();
    button.Create(host, At(area, 310, 285, 90, 26), toggle);
    UiWindow* target = &window;
    button.BindEvent(EventCode::EvClick, [this, target](UiControl*, UiControl&, const ControlEvent&) {
      dark_ = !dark_;
      // An empty picture gives the plain colour; the picture back gives the light skin.
      target->SetSkin(dark_ ? ByteSet{} : ReadFileBytes(RunDirectory() + "\\res\\ym.jpg"),
                      dark_ ? MakeColorRef(40, 52, 70) : static_cast<ColorRef>(-1), SkinRepaint::CrossFade);
    });
  }

 private:
  static LabelOptions Options(const char* text) {
    LabelOptions options;
    options.text = text;
    return options;
  }

  void Add(HWND host, const Rect& rect, const LabelOptions& options) { Make<UiLabel>().Create(host, rect, options); }

  bool dark_ = false;
};

const DemoSectionRegistration kRegistration{20, "标签", [] { return std::make_unique<LabelSection>(); }};

}  // namespace
}  // namespace getlink::demo
