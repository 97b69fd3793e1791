// The label page: effects, gradient backgrounds and outlines, vertical alignment, two
// lines as a block, word wrap, horizontal alignment and trimming, and the automatic
// contrast, which follows the window's skin when the page's button darkens it.
#include "runtime/Files.h"
#include "tools/demo/DemoSection.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/controls/UiButton.h"

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
    Row(host, At(area, 0, 78, 120, 30), 130, {"横向渐变", "竖向渐变", "斜向渐变", "反斜渐变"},
        [&modes](LabelOptions& options, int i) {
          options.background = modes[i];
          options.backColourFrom = MakeArgb(230, 255, 255, 255);
          options.backColourTo = MakeArgb(200, 120, 160, 215);
          options.alignment = Gdiplus::StringAlignmentCenter;
        });

    Heading(host, At(area, 0, 118, 580, 20), "垂直对齐（上、中、下），两行居中，自动换行");
    const VerticalAlign aligns[] = {VerticalAlign::Top, VerticalAlign::Centre, VerticalAlign::Bottom};
    Row(host, At(area, 0, 140, 80, 56), 90, {"靠上", "居中", "靠下"},
        [&aligns](LabelOptions& options, int i) { options.verticalAlign = aligns[i]; });
    Row(host, At(area, 270, 140, 110, 56), 0, {"第一行文字\r\n第二行"},
        [](LabelOptions& options, int) { options.alignment = Gdiplus::StringAlignmentCenter; });
    Row(host, At(area, 390, 140, 190, 56), 0, {"自动换行的标签：文字到了右边界就转到下一行继续显示。"},
        [](LabelOptions& options, int) { options.wordWrap = true; });

    Heading(host, At(area, 0, 206, 580, 20), "水平对齐（左、中、右）与省略号截断");
    const Gdiplus::StringAlignment horizontal[] = {Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter,
                                                   Gdiplus::StringAlignmentFar};
    Row(host, At(area, 0, 228, 100, 24), 110, {"靠左", "居中", "靠右"},
        [&horizontal](LabelOptions& options, int i) { options.alignment = horizontal[i]; });
    Row(host, At(area, 330, 228, 150, 24), 0, {"很长的一段文字放不下时以省略号结尾"},
        [](LabelOptions& options, int) { options.trimming = Gdiplus::StringTrimmingEllipsisCharacter; });

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
                      dark_ ? MakeColorRef(40, 52, 70) : std::optional<ColorRef>(), SkinRepaint::CrossFade);
    });
  }

 private:
  static LabelOptions Options(const char* text) {
    LabelOptions options;
    options.text = text;
    return options;
  }

  void Add(HWND host, const Rect& rect, const LabelOptions& options) { Make<UiLabel>().Create(host, rect, options); }

  // Outlined labels side by side from `first`, `step` apart, each with one setting varied.
  void Row(HWND host, Rect first, float step, std::initializer_list<const char*> texts,
           const std::function<void(LabelOptions&, int)>& vary) {
    int i = 0;
    for (const char* text : texts) {
      LabelOptions options = Options(text);
      options.borderColour = kFrame;
      vary(options, i++);
      Add(host, first, options);
      first.left += step;
    }
  }

  bool dark_ = false;
};

const DemoSectionRegistration kRegistration{20, "标签", [] { return std::make_unique<LabelSection>(); }};

}  // namespace
}  // namespace getlink::demo
