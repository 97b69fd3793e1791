// The lists and dialogs page: the service chooser as the main window has it (six items,
// the first shown), a longer combo box whose list scrolls, a report list with a header and
// multiple selection beside a plain list, and message boxes: the exit confirmation, a
// yes/no/cancel question and a message too long for the standard box.
#include <string>

#include "tools/demo/DemoSection.h"
#include "ui/controls/UiComboBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiListBox.h"
#include "ui/controls/UiMessageBox.h"
#include "ui/framework/controls/UiButton.h"

namespace getlink::demo {
namespace {

const char* const kServices[] = {"百度网盘", "360云盘", "腾讯微云", "新浪微盘", "Vdisk", "千脑网盘"};

Text ResultName(MessageBoxResult result) {
  switch (result) {
    case MessageBoxResult::Ok: return "确认（0）";
    case MessageBoxResult::Cancel: return "取消（1）";
    case MessageBoxResult::Abort: return "放弃（2）";
    case MessageBoxResult::Retry: return "重试（3）";
    case MessageBoxResult::Ignore: return "忽略（4）";
    case MessageBoxResult::Yes: return "是（5）";
    case MessageBoxResult::No: return "否（6）";
  }
  return "";
}

class ListsAndDialogsSection : public DemoSection {
 public:
  void Build(UiWindow& window, const Rect& area) override {
    host_ = window.Hwnd();
    Heading(host_, At(area, 0, 0, 580, 20), "组合框：服务选择（六项）、可滚动的长列表、可编辑");
    ComboBoxOptions services;
    for (const char* name : kServices) services.items.push_back(name);
    Combo(At(area, 0, 24, 150, 24), services);
    ComboBoxOptions many;
    for (int i = 1; i <= 15; ++i) many.items.push_back("第 " + std::to_string(i) + " 项");
    many.selectedIndex = 9;
    Combo(At(area, 162, 24, 100, 24), many);
    ComboBoxOptions editable = services;
    editable.editable = true;
    Combo(At(area, 274, 24, 150, 24), editable);
    status_ = &Label(At(area, 436, 26, 156, 20), "选择：（无）");

    Heading(host_, At(area, 0, 62, 580, 20), "列表框：报表视图（表头、两列、Ctrl/Shift 多选）和列表视图");
    ListBoxOptions report;
    report.singleSelect = false;
    UiListBox& table = Make<UiListBox>();
    table.Create(host_, At(area, 0, 86, 330, 128), report);
    table.AddColumn("服务", 110);
    table.AddColumn("分享链接示例", 200);
    const char* const links[] = {"pan.baidu.com/s/1abc", "yunpan.cn/Qx7Yb2Zk", "share.weiyun.com/5f1a",
                                 "vdisk.weibo.com/s/aBcD", "vdisk.cn/down/11032468", "qiannao.com/file/2013"};
    for (int i = 0; i < 6; ++i) {
      const int item = table.AddItem(kServices[i]);
      table.SetItemText(item, 2, links[i]);
    }
    ListBoxOptions plain;
    plain.view = ListView::List;
    UiListBox& list = Make<UiListBox>();
    list.Create(host_, At(area, 350, 86, 150, 128), plain);
    for (const char* name : kServices) list.AddItem(name);
    list.SelectItem(2);

    Heading(host_, At(area, 0, 232, 580, 20), "消息框：退出确认、是/否/取消、放不下的长消息");
    Button(At(area, 0, 256, 100, 26), "退出确认", [this] {
      MessageBoxOptions ask;
      ask.buttons = MessageBoxButtons::OkCancel;
      ask.icon = MessageBoxIcon::Question;
      ask.centreOnOwner = true;
      ask.buttonLabels = {"手贱了", "是的"};
      ask.defaultButton = 2;
      ask.showEffect = WindowEffect::Zoom;
      ask.closeEffect = WindowEffect::Fade;
      return ShowMessageBox(host_, "老衲写的这么辛苦,你真的要\r\n退出程序吗?", ask);
    });
    Button(At(area, 112, 256, 100, 26), "是/否/取消", [this] {
      MessageBoxOptions ask;
      ask.buttons = MessageBoxButtons::YesNoCancel;
      ask.icon = MessageBoxIcon::Warning;
      ask.title = "保存";
      ask.centreOnOwner = true;
      return ShowMessageBox(host_, "结果还没有复制，要先复制文件地址吗？", ask);
    });
    Button(At(area, 224, 256, 100, 26), "长消息", [this] {
      MessageBoxOptions tell;
      tell.icon = MessageBoxIcon::Information;
      tell.centreOnOwner = true;
      return ShowMessageBox(host_,
                            "这条消息太长，标准宽度的消息框放不下它，于是消息框变宽，并且重新居中在主窗口上。",
                            tell);
    });
    answer_ = &Label(At(area, 0, 292, 400, 20), "结果：（无）");
  }

 private:
  UiLabel& Label(const Rect& rect, Text text) {
    LabelOptions options;
    options.text = std::move(text);
    UiLabel& label = Make<UiLabel>();
    label.Create(host_, rect, options);
    return label;
  }

  void Combo(const Rect& rect, const ComboBoxOptions& options) {
    UiComboBox& combo = Make<UiComboBox>();
    combo.Create(host_, rect, options);
    combo.SetOnSelect([this](UiComboBox& box, int index) {
      status_->SetText("选择：" + std::to_string(index) + " " + box.GetText());
    });
  }

  void Button(const Rect& rect, Text caption, std::function<MessageBoxResult()> ask) {
    ButtonOptions options;
    options.caption = std::move(caption);
    UiButton& button = Make<UiButton>();
    button.Create(host_, rect, options);
    button.BindEvent(EventCode::EvClick, [this, ask](UiControl*, UiControl&, const ControlEvent&) {
      answer_->SetText("结果：" + ResultName(ask()));
    });
  }

  HWND host_ = nullptr;
  UiLabel* status_ = nullptr;
  UiLabel* answer_ = nullptr;
};

const DemoSectionRegistration kRegistration{50, "列表对话框",
                                            [] { return std::make_unique<ListsAndDialogsSection>(); }};

}  // namespace
}  // namespace getlink::demo
