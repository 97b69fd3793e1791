// The edit box page: a single-line box like the main window's link box, a multi-line box
// with both scroll bars holding Chinese and ASCII text, and one small box per input mode.
// Right-click any of them for the context menu.
#include <string>

#include "tools/demo/DemoSection.h"
#include "ui/controls/UiEdit.h"
#include "ui/controls/UiLabel.h"

namespace getlink::demo {
namespace {

Text SampleText() {
  Text text =
      "文件名：photoshop-cs6.zip\r\n文件大小：1.2 GB\r\n分享用户：zolmar\r\n"
      "文件地址：http://127.0.0.1:8080/qiannao/file/2013/0308/photoshop-cs6.html?from=share&type=download\r\n\r\n";
  for (int i = 1; i <= 30; ++i) text += "第 " + std::to_string(i) + " 行 line " + std::to_string(i) + " 中文与 ASCII 混排\r\n";
  return text;
}

class EditSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    host_ = window.Hwnd();
    Heading(host_, At(area, 0, 0, 580, 20), "单行（像链接框）：Enter 不换行，长文字横向滚动");
    EditOptions link;
    link.text = "http://127.0.0.1:8080/baidu/share/link?shareid=3527811924&uk=2215371460";
    Box(At(area, 0, 22, 440, 26), link);

    Heading(host_, At(area, 0, 56, 580, 20), "多行，两个滚动条：拖动选择、双击选词、三击选行、滚轮");
    EditOptions multi;
    multi.multiLine = true;
    multi.text = SampleText();
    UiEdit& result = Box(At(area, 0, 78, 440, 170), multi);

    LabelOptions status;
    status.text = "修改后这里显示字节数";
    status.textColour = MakeArgb(170, 0, 0, 0);
    UiLabel& changes = Make<UiLabel>();
    changes.Create(host_, At(area, 0, 252, 440, 20), status);
    result.SetOnChange([&changes](UiControl*, UiEdit& edit) {
      changes.SetText("多行框共 " + std::to_string(edit.Document().ByteLength()) + " 字节，" +
                      std::to_string(edit.Document().LineCount()) + " 行");
    });

    Heading(host_, At(area, 0, 278, 580, 20), "只读、密码、只收数字、小数");
    const struct {
      EditInputMode mode;
      const char* text;
    } modes[] = {{EditInputMode::ReadOnly, "只读：可选可复制"},
                 {EditInputMode::Password, "secret"},
                 {EditInputMode::Digits, "12345"},
                 {EditInputMode::Decimal, "3.14"}};
    float left = 0;
    for (const auto& mode : modes) {
      EditOptions options;
      options.inputMode = mode.mode;
      options.text = mode.text;
      Box(At(area, left, 300, 132, 26), options);
      left += 140;
    }
  }

 private:
  UiEdit& Box(const Rect& rect, const EditOptions& options) {
    UiEdit& edit = Make<UiEdit>();
    edit.Create(host_, rect, options);
    return edit;
  }

  HWND host_ = nullptr;
};

const DemoSectionRegistration kRegistration{60, "编辑框", [] { return std::make_unique<EditSection>(); }};

}  // namespace
}  // namespace getlink::demo
