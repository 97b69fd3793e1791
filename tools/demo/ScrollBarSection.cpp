// The scroll bar page: both orientations, the idle look (arrows hidden until the pointer
// comes) and the full look, a long range with the shortest thumb, a bar that reports only
// when the drag ends, and one with nothing to scroll.
#include <string>

#include "tools/demo/DemoSection.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiScrollBar.h"

namespace getlink::demo {
namespace {

class ScrollBarSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    host_ = window.Hwnd();
    Heading(host_, At(area, 0, 0, 580, 20), "横向：自动隐藏箭头（指针移上才出现）、始终完整、范围 0–1000");
    Bar(At(area, 0, 28, 300, 10), "自动隐藏", {});
    ScrollBarOptions full;
    full.autoHideArrows = false;
    full.position = 40;
    Bar(At(area, 0, 60, 300, 10), "完整外观", full);
    ScrollBarOptions longRange;
    longRange.autoHideArrows = false;
    longRange.maximum = 1000;
    longRange.step = 10;
    Bar(At(area, 0, 92, 300, 10), "最大 1000", longRange);

    Heading(host_, At(area, 0, 124, 580, 20), "拖动结束才通知；没有可滚动的内容（最大值 0）");
    ScrollBarOptions onRelease;
    onRelease.autoHideArrows = false;
    onRelease.trackWhileDragging = false;
    Bar(At(area, 0, 152, 300, 10), "松开才通知", onRelease);
    ScrollBarOptions nothing;
    nothing.autoHideArrows = false;
    nothing.maximum = 0;
    Bar(At(area, 0, 184, 300, 10), "最大值 0", nothing);

    Heading(host_, At(area, 0, 216, 580, 20), "纵向：自动隐藏箭头、始终完整");
    ScrollBarOptions vertical;
    vertical.orientation = ScrollOrientation::Vertical;
    Bar(At(area, 4, 244, 10, 100), "自动隐藏", vertical);
    vertical.autoHideArrows = false;
    vertical.position = 70;
    Bar(At(area, 150, 244, 10, 100), "完整外观", vertical);
  }

 private:
  // A bar with a label beside it that shows the bar's reports.
  void Bar(const Rect& rect, const char* name, const ScrollBarOptions& options) {
    UiScrollBar& bar = Make<UiScrollBar>();
    bar.Create(host_, rect, options);
    const bool horizontal = options.orientation == ScrollOrientation::Horizontal;
    LabelOptions labelOptions;
    labelOptions.text = Describe(name, bar.Position());
    UiLabel& label = Make<UiLabel>();
    label.Create(host_,
                 horizontal ? RectOf(rect.Right() + 12, rect.top - 7, 200, 24)
                            : RectOf(rect.Right() + 8, rect.top + rect.height / 2 - 12, 120, 24),
                 labelOptions);
    const Text title = name;
    bar.SetOnChange([&label, title](UiControl*, int position) { label.SetText(Describe(title, position)); });
  }

  static Text Describe(const Text& name, int position) { return name + "：" + std::to_string(position); }

  HWND host_ = nullptr;
};

const DemoSectionRegistration kRegistration{40, "滚动条", [] { return std::make_unique<ScrollBarSection>(); }};

}  // namespace
}  // namespace getlink::demo
