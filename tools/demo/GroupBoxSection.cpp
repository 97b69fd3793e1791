// The group box page: captions on the left, in the middle and on the right, a frame
// without caption like the main window's bottom strip, fills, round and square corners,
// and a caption with a glow.
#include "tools/demo/DemoSection.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"

namespace getlink::demo {
namespace {

class GroupBoxSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    const HWND host = window.Hwnd();
    Heading(host, At(area, 0, 0, 580, 20), "标题靠左、居中、靠右（圆角随窗口）");
    const CaptionAlign aligns[] = {CaptionAlign::Left, CaptionAlign::Centre, CaptionAlign::Right};
    const char* captions[] = {"靠左的标题", "居中的标题", "靠右的标题"};
    for (int i = 0; i < 3; ++i) {
      GroupBoxOptions options;
      options.caption = captions[i];
      options.captionAlign = aligns[i];
      Make<UiGroupBox>().Create(host, At(area, 196.f * i, 24, 184, 80), options);
    }

    Heading(host, At(area, 0, 116, 580, 20), "填充、直角、无标题的底部条、发光标题");
    GroupBoxOptions filled;
    filled.caption = "填充的分组框";
    filled.fillColour = MakeArgb(110, 255, 255, 255);
    UiGroupBox& filledBox = Make<UiGroupBox>();
    filledBox.Create(host, At(area, 0, 140, 184, 90), filled);
    LabelOptions inside;
    inside.text = "框内的标签";
    Make<UiLabel>().Create(host, At(area, 12, 168, 160, 24), inside);

    GroupBoxOptions square;
    square.caption = "直角的分组框";
    square.roundCorners = false;
    square.fillColour = MakeArgb(60, 120, 160, 215);
    square.borderColour = MakeArgb(120, 40, 70, 120);
    Make<UiGroupBox>().Create(host, At(area, 196, 140, 184, 90), square);

    GroupBoxOptions glow;
    glow.caption = "发光标题";
    glow.captionColour = MakeArgb(250, 255, 255, 255);
    glow.captionEffect = TextEffect::Glow;
    glow.captionEffectColour = MakeArgb(200, 0, 0, 0);
    glow.captionAlign = CaptionAlign::Centre;
    Make<UiGroupBox>().Create(host, At(area, 392, 140, 184, 90), glow);

    // The main window's bottom strip: no caption, a light fill, a faint square frame.
    GroupBoxOptions strip;
    strip.fillColour = MakeArgb(120, 236, 236, 236);
    strip.borderColour = MakeArgb(40, 0, 0, 0);
    strip.captionEffectColour = MakeArgb(130, 0, 0, 0);
    strip.roundCorners = false;
    Make<UiGroupBox>().Create(host, At(area, 0, 250, 576, 30), strip);
    LabelOptions footer;
    footer.text = "无标题的分组框：框线不断开，从顶边下一像素开始";
    footer.font.style = FontStyle::Bold;
    footer.effect = TextEffect::Glow;
    footer.effectColour = MakeArgb(20, 0, 0, 0);
    Make<UiLabel>().Create(host, At(area, 8, 253, 560, 24), footer);
  }
};

const DemoSectionRegistration kRegistration{30, "分组框", [] { return std::make_unique<GroupBoxSection>(); }};

}  // namespace
}  // namespace getlink::demo
