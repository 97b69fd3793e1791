// The main window against the stand-in share server: the real window and controls, driven
// by mouse and keyboard messages, with the fetch on its worker thread.
#include "app/MainWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowLayout.h"
#include "app/ResultBlock.h"
#include "app/StatusLine.h"
#include "runtime/Clipboard.h"
#include "runtime/Codec.h"
#include "runtime/MessagePump.h"
#include "tests/app/FixturePages.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/ShareServer.h"
#include "tests/ui/controls/PopupInput.h"
#include "ui/controls/ComboBoxPainter.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiListBox.h"
#include "ui/controls/UiMenuItem.h"
#include "ui/framework/controls/ButtonFace.h"
#include "ui/framework/controls/UiCaptionTitle.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

using testing::CountRequests;
using testing::ExpectedFixtureInfo;
using testing::FixtureLinkPath;
using testing::PumpUntil;
using testing::ServerUrl;

// Far beyond what a fetch from the local server takes, well within a download's 30 s bound.
constexpr int kFetchBoundMs = 25000;

// The description line as the window shows it: its blanks are fitted to the font.
bool IsDescription(const Text& line) {
  const Text bare = DescriptionLine(0);
  const std::size_t split = bare.find("版本号");
  return line.size() > bare.size() && line.compare(0, split, bare, 0, split) == 0 &&
         line.compare(line.size() - (bare.size() - split), Text::npos, bare, split) == 0 &&
         line.find_first_not_of(' ', split) == split + (line.size() - bare.size());
}

Text FailedBlock(std::string_view shareTime = "", std::string_view downloadCount = "") {
  ShareInfo nothing;
  nothing.shareTime = Text(shareTime);
  nothing.downloadCount = Text(downloadCount);
  return ResultBlock(nothing);
}

// A text a control draws and the room the control gives it, in its window's pixels.
struct TextRoom {
  std::string what;
  Text text;
  GpFont* font;
  GpStringFormat* format;
  Rect room;
  bool wraps;
};

// Every text the controls of `window` draw (edit boxes, which scroll, aside), each with
// its control's font and room.
std::vector<TextRoom> TextsOf(const UiWindow& window, const std::string& where) {
  std::vector<TextRoom> texts;
  const std::function<void(const std::vector<UiControl*>&)> visit = [&](const std::vector<UiControl*>& controls) {
    for (UiControl* control : controls) {
      const UiStyle& style = control->Style();
      GpFont* standard = DefaultFont(style.fontSize);
      if (const auto* label = dynamic_cast<const UiLabel*>(control)) {
        texts.push_back({where + ", label", label->GetText(), label->Font().Get(), label->Format(), label->TextRect(),
                         label->GetOptions().wordWrap});
      } else if (const auto* button = dynamic_cast<const UiButton*>(control)) {
        texts.push_back({where + ", button", button->GetOptions().caption, button->Font().Get(), nullptr,
                         ContentRect(FaceRect(button->PixelWidth(), button->PixelHeight())), false});
      } else if (const auto* item = dynamic_cast<const UiMenuItem*>(control)) {
        static const TextFormat kCaption = UiMenuItem::CaptionFormat();
        texts.push_back({where + ", menu item", item->Item().caption, standard, kCaption.Handle(), item->CaptionArea(),
                         false});
      } else if (const auto* title = dynamic_cast<const UiCaptionTitle*>(control)) {
        texts.push_back({where + ", caption title", title->GetText(), standard, nullptr,
                         RectOf(0, 0, static_cast<float>(title->PixelWidth()), static_cast<float>(title->PixelHeight())),
                         false});
      } else if (const auto* combo = dynamic_cast<const UiComboBox*>(control)) {
        Rect area = ComboTextArea(combo->PixelWidth(), combo->PixelHeight(), standard, style.comboBox);
        area.height = std::min(area.height, static_cast<float>(combo->PixelHeight()) - area.top);  // the box's edge
        for (int i = 1; i <= combo->ItemCount(); ++i)
          texts.push_back({where + ", combo box item", combo->ItemText(i), standard, nullptr, area, false});
      } else if (const auto* list = dynamic_cast<const UiListBox*>(control)) {
        const Margins& inset = style.listBox.cellInset;
        const Rect cell = RectOf(0, 0, list->Scale().ToPixels(list->ColumnWidth(1)) - inset.left - inset.right,
                                 static_cast<float>(list->RowHeight()) - inset.top - inset.bottom);
        for (int i = 1; i <= list->ItemCount(); ++i)
          texts.push_back({where + ", list row", list->ItemText(i), list->Font().Get(), nullptr, cell, false});
      }
      visit(control->Children());
    }
  };
  visit(window.Controls());
  texts.erase(std::remove_if(texts.begin(), texts.end(), [](const TextRoom& t) { return t.text.empty(); }),
              texts.end());
  return texts;
}

// The text of the tooltip this thread's windows show: the tool the window registered for
// the control under the pointer, empty when there is none.
BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(hwnd, name, 32);
  if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

Text TooltipText() {
  HWND tooltip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
  if (tooltip == nullptr || SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0) == 0) return Text();
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) return Text();
  std::wstring text(1024, L'\0');
  tool.lpszText = text.data();
  SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  text.resize(wcslen(text.c_str()));
  return FromWide(text);
}

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FrameworkStartup(BuildEditContextMenu)); }

  void SetUp() override {
    testing::ClearServerRecord();
    OpenMainWindow();
  }

  void OpenMainWindow(MainWindowWorld world = {}) {
    main_ = std::make_unique<MainWindow>(std::move(world));
    ASSERT_TRUE(main_->Open());
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(main_->Hwnd()) != FALSE; }));
  }

  void TearDown() override { CloseMainWindow(); }

  void CloseMainWindow() {
    main_.reset();
    // The window's end posts the quit meant for the program's message loop.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }

  static LPARAM CentreOf(const UiControl& control) {
    const Rect rect = control.PixelRect();
    return MAKELPARAM(static_cast<int>(rect.left + rect.width / 2), static_cast<int>(rect.top + rect.height / 2));
  }

  void Hover(const UiControl& control) { SendMessageW(main_->Hwnd(), WM_MOUSEMOVE, 0, CentreOf(control)); }

  void Click(const UiControl& control) {
    Hover(control);
    const LPARAM point = CentreOf(control);
    SendMessageW(main_->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(main_->Hwnd(), WM_LBUTTONUP, 0, point);
    PumpMessages();
  }

  // Opens the box's context menu with a right click, as a user does, and clicks item
  // `choose` (from 1), or closes the menu with Esc for 0; answers the items' states as
  // the menu opened. `look` sees the open menu's window first.
  std::vector<int> UseMenu(const UiEdit& box, int choose, const std::function<void(HWND)>& look = {}) {
    const LPARAM point = CentreOf(box);
    UiMenu& menu = EditContextMenu();
    std::vector<int> states;
    testing::PopupDriver driver(testing::MenuWindowOf(menu));
    driver.OnOpen([&](HWND hwnd) {
      if (look) look(hwnd);
      for (int i = 1; i <= menu.ItemCount(); ++i) states.push_back(menu.ItemState(i));
      if (choose > 0)
        testing::ClickMenuItem(hwnd, menu, choose);
      else
        testing::PressKey(hwnd, VK_ESCAPE);
    });
    driver.Arm();
    SendMessageW(main_->Hwnd(), WM_MOUSEMOVE, 0, point);
    SendMessageW(main_->Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, point);
    SendMessageW(main_->Hwnd(), WM_RBUTTONUP, 0, point);
    EXPECT_TRUE(driver.Opened());
    EXPECT_FALSE(driver.TimedOut());
    PumpMessages();
    return states;
  }

  // Puts the text into the link box, chooses the service (when given), presses the fetch
  // button and waits until the fetch is done.
  void Fetch(std::optional<Service> service, const Text& pasted) {
    main_->LinkBox().SetText(pasted);
    if (service) main_->ServiceBox().SetSelectedIndex(static_cast<int>(*service));
    Click(main_->FetchButton());  // a refused connection may have ended the fetch already
    ASSERT_TRUE(PumpUntil([&] { return !main_->Fetching(); }, kFetchBoundMs));
  }

  std::unique_ptr<MainWindow> main_;
};

TEST_F(MainWindowTest, OpensReadyForBaidu) {
  const UiComboBox& services = main_->ServiceBox();
  ASSERT_EQ(services.ItemCount(), 6);
  const char* titles[] = {"百度网盘", "360云盘", "腾讯微云", "新浪微盘", "Vdisk", "千脑网盘"};
  for (int index = 1; index <= 6; ++index) EXPECT_EQ(services.ItemText(index), titles[index - 1]);
  EXPECT_EQ(services.SelectedIndex(), 1);
  EXPECT_EQ(services.GetText(), "百度网盘");
  EXPECT_TRUE(IsDescription(main_->StatusLine().GetText())) << main_->StatusLine().GetText();
  EXPECT_EQ(main_->FetchButton().GetOptions().caption, "开始获取");
  EXPECT_EQ(main_->LinkBox().GetText(), "");
  EXPECT_TRUE(main_->LinkBox().IsFocused());
  EXPECT_EQ(main_->ResultBox().GetText(), "");
  RECT bounds;
  GetWindowRect(main_->Hwnd(), &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 450);
  EXPECT_EQ(bounds.bottom - bounds.top, 320);
}

// Every caption, label and item text of the window and its pop-ups (the service list,
// the result box's menu, the question on closing), measured in its control's font, fits
// its control. The test program carries the program's manifest, so it draws at the
// display's DPI as the program does: dpi_test.py runs this at 96, 120, 144 and 192 DPI.
TEST_F(MainWindowTest, NoTextIsClippedByItsControl) {
  const UiWindow& window = *UiWindow::FromHwnd(main_->Hwnd());
  if (const char* dpi = std::getenv("GETLINK_TEST_DPI")) {
    ASSERT_EQ(window.Dpi(), std::atoi(dpi));
  }
  std::vector<TextRoom> texts = TextsOf(window, "main window");
  const auto add = [&texts](HWND popup, const std::string& where) {
    const std::vector<TextRoom> more = TextsOf(*UiWindow::FromHwnd(popup), where);
    texts.insert(texts.end(), more.begin(), more.end());
  };
  EXPECT_TRUE(testing::DrivePopup(L"Zt_LayerUI_Combox", [&] { Click(main_->ServiceBox()); }, [&](HWND list) {
    add(list, "service list");
    testing::PressKey(list, VK_ESCAPE);
  }));
  UseMenu(main_->ResultBox(), 0, [&](HWND menu) { add(menu, "result box menu"); });
  EXPECT_TRUE(testing::DrivePopup(L"提示：", [&] { SendMessageW(main_->Hwnd(), WM_CLOSE, 0, 0); }, [&](HWND box) {
    add(box, "question on closing");
    testing::PressKey(box, VK_ESCAPE);
  }));

  // Labels 3 + button 1 + service titles 6 twice + menu items + the question and its 2 buttons.
  EXPECT_GE(texts.size(), 3u + 1 + 12 + 3 + 3);
  const Surface scratch(1, 1);
  for (const TextRoom& t : texts) {
    SCOPED_TRACE(t.what + ": " + t.text + " at " + std::to_string(window.Dpi()) + " DPI");
    const Rect needed = MeasureText(scratch.Graphics(), t.text, t.font, RectOf(0, 0, t.wraps ? t.room.width : 0, 0),
                                    t.format);
    EXPECT_LE(std::ceil(needed.width), t.room.width);
    EXPECT_LE(std::ceil(needed.height), t.room.height);
  }
}

// Moved to a display of another DPI, the window fits its description line again: as
// many blanks as leave the line within the window at the new font's size.
TEST_F(MainWindowTest, TheDescriptionIsFittedAgainAtANewDpi) {
  const MainWindowLayout& at = kMainWindowLayout;
  for (const int dpi : {120, 144, 192}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    CloseMainWindow();
    OpenMainWindow();
    const float factor = dpi / 96.0f;
    RECT suggested = {0, 0, static_cast<LONG>(at.width * factor), static_cast<LONG>(at.height * factor)};
    SendMessageW(main_->Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    const UiLabel& status = main_->StatusLine();
    const Text line = status.GetText();
    ASSERT_TRUE(IsDescription(line)) << line;
    const int blanks = static_cast<int>(line.size() - DescriptionLine(0).size());
    const float room = status.TextRect().width;
    const auto width = [&](int count) { return std::ceil(status.LineWidth(DescriptionLine(count))); };
    EXPECT_LE(width(blanks), room);
    EXPECT_EQ(status.ShownText(), line);
    if (blanks < kDescriptionBlanks) {
      EXPECT_GT(width(blanks + 1), room);
    }
  }
}

// What the result box and the status strip show after a fetch: found files, a whole share
// text, and servers or links that give nothing (the labels stay, the reason is shown).
TEST_F(MainWindowTest, ShowsWhatEachFetchFound) {
  const Text weiyun = ServerUrl(FixtureLinkPath("weiyun"));
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/baidu/s/1";
  const struct {
    const char* what;
    std::optional<Service> service;  // absent: the box as the last case left it
    Text pasted;
    Text result;
    Text status;  // empty: the description line
  } cases[] = {
      {"baidu at start", std::nullopt, ServerUrl(FixtureLinkPath("baidu")) + "\r\n",
       ResultBlock(ExpectedFixtureInfo("baidu")), ""},
      {"360 short link", Service::Cloud360, ServerUrl("/360/s/Qx7Yb2Zk"),
       AddressBlock(ServerUrl("/360/file/13718923744520577/"
                              "%E6%AF%95%E4%B8%9A%E8%AE%BE%E8%AE%A1%20%E7%BB%88%E7%A8%BF.docx?sign=a7f3e9c1&t=1369031520")),
       ""},
      {"weiyun share text", Service::Weiyun, "链接：" + weiyun + "。提取码：ab12 复制这段内容后打开微云",
       ResultBlock(ExpectedFixtureInfo("weiyun")), ""},
      {"qiannao keeps its block", Service::Qiannao, ServerUrl(FixtureLinkPath("qiannao")),
       ResultBlock(ExpectedFixtureInfo("qiannao")), ""},
      {"http error", Service::Vdisk, ServerUrl("/status/404"), FailedBlock(),
       "无法下载页面：HTTP 状态 404"},
      {"refused", Service::Baidu, refused, FailedBlock(), "无法下载页面：连接被拒绝"},
      {"no answer", Service::Weipan, ServerUrl("/close"), FailedBlock("No"), "无法下载页面：服务器没有应答"},
      {"360 share gone", Service::Cloud360, ServerUrl("/360/lk/Unknown9"), AddressBlock(""),
       "无法下载页面：HTTP 状态 404"},
      {"page of other bytes", Service::Qiannao, ServerUrl("/nul"), FailedBlock("", "No"),
       "页面中没有下载地址（分享已取消或页面已改版）"},
      {"not a link", Service::Weipan, "file:///c:/windows/win.ini", FailedBlock("No"), "链接不是 http 或 https 地址"},
      {"a line break in the link", Service::Vdisk, ServerUrl("/status/404") + "\r\nX-Injected: 1", FailedBlock(),
       "无法下载页面：HTTP 状态 404"},
      {"a link of 70,000 characters", Service::Vdisk, ServerUrl("/status/404?") + Text(70000, 'a'), FailedBlock(),
       "无法下载页面：HTTP 状态 414"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Fetch(c.service, c.pasted);
    EXPECT_EQ(main_->ResultBox().GetText(), c.result);
    if (c.status.empty())
      EXPECT_TRUE(IsDescription(main_->StatusLine().GetText())) << main_->StatusLine().GetText();
    else
      EXPECT_EQ(main_->StatusLine().GetText(), c.status);
    EXPECT_EQ(main_->LinkBox().GetText(), c.pasted);  // the fetch never changes the link box
    EXPECT_TRUE(main_->FetchButton().IsFocused());     // back on the button it left while disabled
  }
  EXPECT_EQ(CountRequests("GET " + FixtureLinkPath("weiyun")), 1);  // the link alone, cut out of the text
  EXPECT_EQ(testing::ServerRecord().find("X-Injected"), Text::npos);
}

// A slow page: while it arrives the button says so and takes no clicks, the status strip
// counts the bytes, and the window goes on taking input; changing the service meanwhile
// starts nothing.
TEST_F(MainWindowTest, OneFetchAtATimeWhileTheWindowStaysUsable) {
  const std::string slow = "/slow?bytes=60&interval_ms=50";
  main_->LinkBox().SetText(ServerUrl(slow));
  UiButton& button = main_->FetchButton();
  Click(button);
  ASSERT_TRUE(main_->Fetching());
  EXPECT_EQ(button.GetOptions().caption, "正在获取…");
  EXPECT_TRUE(button.Disabled());

  ASSERT_TRUE(PumpUntil([&] { return main_->StatusLine().GetText().rfind("正在获取… 已收到 ", 0) == 0; }));
  // What a click, Enter or the mnemonic would give the button (a press on the disabled button
  // itself reaches the window behind it).
  button.SendEvent(EventCode::EvClick);
  SendMessageW(main_->Hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  main_->ServiceBox().SetSelectedIndex(static_cast<int>(Service::Cloud360));
  Click(main_->ResultBox());
  SendMessageW(main_->Hwnd(), WM_CHAR, 'x', 0);
  EXPECT_EQ(main_->ResultBox().GetText(), "x");
  ASSERT_TRUE(main_->Fetching());

  ASSERT_TRUE(PumpUntil([&] { return !main_->Fetching(); }, kFetchBoundMs));
  EXPECT_EQ(button.GetOptions().caption, "开始获取");
  EXPECT_FALSE(button.Disabled());
  EXPECT_TRUE(main_->ResultBox().IsFocused());  // where the user went meanwhile
  EXPECT_EQ(main_->ResultBox().GetText(), FailedBlock());  // Baidu's labels: the service of the click
  EXPECT_EQ(main_->StatusLine().GetText(), "页面中没有下载地址（分享已取消或页面已改版）");
  EXPECT_EQ(testing::RecordedRequests(), std::vector<Text>{"GET " + slow});
}

// When no worker can be started, the strip says so and the button takes the next click.
TEST_F(MainWindowTest, AFetchWhoseWorkerCannotStartSaysSo) {
  CloseMainWindow();
  MainWindowWorld world;
  world.startFetch = [](FetchRequest, ControlAddress) { return false; };
  main_ = std::make_unique<MainWindow>(std::move(world));
  ASSERT_TRUE(main_->Open());
  main_->LinkBox().SetText(ServerUrl(FixtureLinkPath("baidu")));
  Click(main_->FetchButton());
  EXPECT_FALSE(main_->Fetching());
  EXPECT_EQ(main_->StatusLine().GetText(), "无法开始获取：无法创建线程");
  EXPECT_EQ(main_->FetchButton().GetOptions().caption, "开始获取");
  EXPECT_FALSE(main_->FetchButton().Disabled());
  EXPECT_TRUE(testing::RecordedRequests().empty());
}

// The result box's menu offers the last fetch's address below the edit items: copied alone,
// or sent to aria2 where getlink.ini says, one send at a time, with the strip telling how it
// went. The link box's menu keeps the edit items alone.
TEST_F(MainWindowTest, TheResultBoxMenuCopiesAndSendsTheLastFetchedAddress) {
  constexpr int kEditItems = 7, kCopyAddressItem = 9, kSendItem = 10, kDisabled = -1;
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const Text ini = ConcatTexts(folder, "getlink-main-window-test.ini");
  std::ofstream(ini, std::ios::binary) << "[aria2]\r\nrpc=" << ServerUrl("/hostile/silent") << "\r\ncolour=red\r\n";
  CloseMainWindow();
  MainWindowWorld world;
  world.settingsPath = ini;
  OpenMainWindow(std::move(world));
  DeleteFileA(ini.c_str());
  EXPECT_EQ(main_->StatusLine().GetText(), "getlink.ini 第 3 行不是 rpc 或 secret，已忽略");

  EXPECT_EQ(UseMenu(main_->LinkBox(), 0).size(), static_cast<std::size_t>(kEditItems));
  std::vector<int> states = UseMenu(main_->ResultBox(), 0);
  ASSERT_EQ(states.size(), static_cast<std::size_t>(kSendItem));
  EXPECT_EQ(states[kCopyAddressItem - 1], kDisabled);  // nothing fetched yet
  EXPECT_EQ(states[kSendItem - 1], kDisabled);
  EXPECT_EQ(EditContextMenu().ItemCount(), kEditItems);  // the items are the result box's alone

  Fetch(Service::Baidu, ServerUrl(FixtureLinkPath("baidu")));
  const Text address = ExpectedFixtureInfo("baidu").address;
  SetClipboardText("before");
  states = UseMenu(main_->ResultBox(), kCopyAddressItem);
  EXPECT_EQ(states[kCopyAddressItem - 1], 0);
  EXPECT_EQ(states[kSendItem - 1], 0);
  EXPECT_EQ(ClipboardText(), address);

  UseMenu(main_->ResultBox(), kSendItem);
  ASSERT_TRUE(main_->Sending());
  EXPECT_EQ(main_->StatusLine().GetText(), "正在发送到 aria2…");
  states = UseMenu(main_->ResultBox(), 0);  // while the send runs: no second one
  EXPECT_EQ(states[kCopyAddressItem - 1], 0);
  EXPECT_EQ(states[kSendItem - 1], kDisabled);
  ASSERT_TRUE(PumpUntil([&] { return !main_->Sending(); }, kFetchBoundMs));
  EXPECT_EQ(main_->StatusLine().GetText(), "无法发送：5 s 内没有应答");
  EXPECT_EQ(CountRequests("POST /hostile/silent"), 1);

  Fetch(Service::Vdisk, ServerUrl("/status/404"));  // found nothing: nothing to offer
  states = UseMenu(main_->ResultBox(), 0);
  EXPECT_EQ(states[kCopyAddressItem - 1], kDisabled);
  EXPECT_EQ(states[kSendItem - 1], kDisabled);
}

// A link of a known host chooses its service as it is pasted, without calling onSelect;
// other hosts leave the choice alone.
TEST_F(MainWindowTest, AKnownHostChoosesItsServiceQuietly) {
  int selects = 0;
  main_->ServiceBox().SetOnSelect([&](UiComboBox&, int) { ++selects; });
  const struct {
    const char* pasted;
    Service expected;
  } cases[] = {
      {"链接: https://pan.baidu.com/s/1aBcD 提取码: x7k2", Service::Baidu},
      {"http://l3.yunpan.cn/lk/Qx7Yb2Zk", Service::Cloud360},
      {"https://example.com/s/1", Service::Cloud360},  // unknown: unchanged
      {"分享文件：http://vdisk.weibo.com/s/aBcDeFgHiJkL，来自微盘", Service::Weipan},
      {"no link at all", Service::Weipan},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pasted);
    main_->LinkBox().SetText(c.pasted);
    EXPECT_EQ(main_->ServiceBox().SelectedIndex(), static_cast<int>(c.expected));
  }
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(testing::ServerRecord(), "");
}

// Tab from the link box, as a keyboard sends it (the key and the character it makes), visits
// every control a user needs in the order they are read: the link box, the service list,
// the fetch button and the result box, and back; Shift+Tab goes the other way. No box takes
// the Tab as text.
TEST_F(MainWindowTest, TabVisitsEveryControlInReadingOrder) {
  std::vector<UiControl*> order = {&main_->ServiceBox(), &main_->FetchButton(), &main_->ResultBox(), &main_->LinkBox()};
  for (const bool shift : {false, true}) {
    SCOPED_TRACE(shift ? "Shift+Tab" : "Tab");
    const testing::HeldKeys held(shift ? std::initializer_list<int>{VK_SHIFT} : std::initializer_list<int>{});
    UiControl* focused = &main_->LinkBox();
    ASSERT_TRUE(focused->IsFocused());
    for (UiControl* next : order) {
      PostMessageW(main_->Hwnd(), WM_KEYDOWN, VK_TAB, MAKELPARAM(1, 0x0F));
      PostMessageW(main_->Hwnd(), WM_KEYUP, VK_TAB, MAKELPARAM(1, 0xC00F));
      EXPECT_TRUE(PumpUntil([&] { return next->IsFocused(); })) << "after " << static_cast<int>(focused->Type());
      focused = next;
    }
    std::reverse(order.begin(), order.end() - 1);  // back from the link box to it
  }
  EXPECT_EQ(main_->LinkBox().GetText(), "");
  EXPECT_EQ(main_->ResultBox().GetText(), "");
}

// Services from rule files in the services folder: listed after the built-in ones (the
// list's items, which a screen reader reads, with them), chosen by their hosts as a link is
// pasted and fetched through the rule; a file that cannot be used is told in red when the
// window opens, and the other services work.
TEST_F(MainWindowTest, RuleFilesAddServicesToTheList) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const Text folder = ConcatTexts(temp, "getlink-main-window-services");
  CreateDirectoryA(folder.c_str(), nullptr);
  const Text rule = ConcatTexts(folder, "\\mypan.json");
  const Text broken = ConcatTexts(folder, "\\broken.json");
  std::ofstream(rule, std::ios::binary) << GbkToUtf8(ConcatTexts(
      "{\"service\": \"mypan\", \"title\": \"我的盘\", \"hosts\": [\"", testing::ServerHostAndPort(), "\"],\n"
      " \"steps\": [{\"get\": \"{link}\", \"as\": \"page\"},\n"
      "  {\"cut\": \"page\", \"from\": \"<title>\", \"to\": \" - 微云</title>\", \"as\": \"name\"},\n"
      "  {\"cut\": \"page\", \"from\": \"dl_encrypt_url\\\":\\\"\", \"to\": \"\\\"\", \"as\": \"key\"},\n"
      "  {\"text\": \"http://dl.example/{key}\", \"if\": \"key\", \"as\": \"address\"}],\n"
      " \"result\": {\"name\": \"{name}\", \"address\": \"{address}\"}}"));
  std::ofstream(broken, std::ios::binary) << "{\"service\": \"broken\", \"title\": \"x\",\n \"steps\": []}";
  CloseMainWindow();
  MainWindowWorld world;
  world.servicesFolder = folder;
  OpenMainWindow(std::move(world));
  DeleteFileA(rule.c_str());
  DeleteFileA(broken.c_str());
  RemoveDirectoryA(folder.c_str());

  const UiComboBox& services = main_->ServiceBox();
  ASSERT_EQ(services.ItemCount(), 7);
  EXPECT_EQ(services.ItemText(7), "我的盘");
  EXPECT_EQ(main_->StatusLine().GetText(), "services\\broken.json 第 2 行：“steps”应是非空的步骤数组 [ … ]");

  const Text link = ServerUrl(FixtureLinkPath("weiyun"));
  main_->LinkBox().SetText(link);
  EXPECT_EQ(services.SelectedIndex(), 7);
  Click(main_->FetchButton());
  ASSERT_TRUE(PumpUntil([&] { return !main_->Fetching(); }, kFetchBoundMs));
  ShareInfo expected;
  expected.name = ExpectedFixtureInfo("weiyun").name;
  expected.address = "http://dl.example/9f8e7d6c5b4a3f2e1d0c2b3a4958677685940312a1b2c3d4e5f60718293a4b5c";
  EXPECT_EQ(main_->ResultBox().GetText(), ResultBlock(expected));
  EXPECT_TRUE(IsDescription(main_->StatusLine().GetText())) << main_->StatusLine().GetText();

  Fetch(Service::Weiyun, link);  // a built-in service on the same page
  EXPECT_EQ(main_->ResultBox().GetText(), ResultBlock(ExpectedFixtureInfo("weiyun")));
}

// A reason too long for the status strip keeps its start and its end and loses characters
// from the middle of its address, never half a character; the tooltip over it and its
// accessible name hold it whole. Reasons the window makes (a getlink.ini line it cannot use,
// aria2 not running at a long address), the two that were cut off, and more of our own.
TEST_F(MainWindowTest, ALongReasonKeepsItsEndAndIsReadWhole) {
  const Text rpc = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) +
                   "/aria2/a-path-long-enough-to-push-the-end-of-the-reason-out/jsonrpc";
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const Text ini = ConcatTexts(folder, "getlink-long-reason-test.ini");
  std::ofstream(ini, std::ios::binary) << "[aria2]\r\nrpc=" << rpc << "\r\nrpc=ftp://127.0.0.1:6800/jsonrpc/and/more\r\n";
  CloseMainWindow();
  MainWindowWorld world;
  world.settingsPath = ini;
  OpenMainWindow(std::move(world));
  DeleteFileA(ini.c_str());
  UiLabel& status = main_->StatusLine();

  // Shown as the strip shows it, the pointer over it.
  const auto expectShownWhole = [&](const Text& whole, std::string_view address) {
    SCOPED_TRACE(GbkToUtf8(whole));
    ASSERT_EQ(status.GetText(), whole);
    Hover(status);
    const Text& shown = status.ShownText();
    const float room = status.TextRect().width;
    EXPECT_LE(status.LineWidth(shown), room) << GbkToUtf8(shown);
    EXPECT_EQ(status.AccessibleName(), whole);
    if (status.LineWidth(whole) <= room) {
      EXPECT_EQ(shown, whole);
      EXPECT_EQ(TooltipText(), "");
      return;
    }
    EXPECT_EQ(TooltipText(), whole);
    EXPECT_EQ(FromWide(ToWide(shown)), shown) << "half a character";
    // The start and the end of the reason, whole, either side of the cuts; a reason that
    // ends in words (not an address) keeps its last.
    const std::size_t cut = shown.find("…"), lastCut = shown.rfind("…");
    ASSERT_NE(cut, Text::npos) << GbkToUtf8(shown);
    const Text tail = shown.substr(lastCut + std::string_view("…").size());
    EXPECT_EQ(whole.compare(0, cut, shown, 0, cut), 0) << GbkToUtf8(shown);
    EXPECT_EQ(whole.compare(whole.size() - tail.size(), tail.size(), tail), 0) << GbkToUtf8(shown);
    if (static_cast<unsigned char>(whole.back()) >= 0x80) EXPECT_FALSE(tail.empty()) << GbkToUtf8(shown);
    // Where the reason names a long address, only the address gives up characters.
    if (const std::size_t at = whole.find(address); !address.empty() && at != Text::npos) {
      EXPECT_EQ(shown.compare(0, at, whole, 0, at), 0) << GbkToUtf8(shown);
      const std::size_t after = whole.size() - at - address.size();
      EXPECT_EQ(shown.compare(shown.size() - after, after, whole, at + address.size()), 0) << GbkToUtf8(shown);
    }
  };

  expectShownWhole(DescribeAria2SettingsProblem({Aria2SettingsProblemKind::RpcNotWebLink, 3}, Wording::Chinese), "");
  Fetch(Service::Baidu, ServerUrl(FixtureLinkPath("baidu")));
  UseMenu(main_->ResultBox(), 10);  // 发送到 aria2
  ASSERT_TRUE(PumpUntil([&] { return !main_->Sending(); }, kFetchBoundMs));
  Aria2Outcome notRunning;
  notRunning.result = Aria2Result::NotRunning;
  notRunning.rpc = rpc;
  expectShownWhole(DescribeAria2Outcome(notRunning, Wording::Chinese), rpc);

  const Text longAddress = "http://127.0.0.1/s/" + Text(200, 'a');
  const struct {
    Text reason;
    Text address;  // the long address in it, if any
  } more[] = {
      {"无法发送到 aria2：http://127.0.0.1:6800/jsonrpc 上没有运行 aria2", "http://127.0.0.1:6800/jsonrpc"},
      {"getlink.ini 第 3 行“rpc=ftp://127.0.0.1:6800/jsonrpc”无法使用（不是 http 或 https 地址），使用 "
       "http://127.0.0.1:6800/jsonrpc",
       ""},
      {"无法下载页面：" + longAddress + " 的服务器没有应答", longAddress},
      {"页面中没有下载地址，分享已取消或页面已改版，分享者可能已删除文件，考慮沒有廬山揮手的地址，请换一个链接再试一次", ""},
  };
  for (const auto& m : more) {
    status.SetText(m.reason);  // the pointer stays over it: the tooltip follows
    expectShownWhole(m.reason, m.address);
  }
  status.SetText("无法下载页面：连接被拒绝");
  EXPECT_EQ(status.ShownText(), "无法下载页面：连接被拒绝");
  EXPECT_EQ(TooltipText(), "");
}

// Ctrl+Enter in the link box starts the fetch; Enter alone adds a line break, as the lines
// of a share message need.
TEST_F(MainWindowTest, CtrlEnterInTheLinkBoxFetches) {
  const Text link = ServerUrl(FixtureLinkPath("baidu"));
  main_->LinkBox().SetText(link);
  ASSERT_TRUE(main_->LinkBox().IsFocused());
  SendMessageW(main_->Hwnd(), WM_KEYDOWN, VK_END, 0);
  // As a keyboard sends them: the key, then the character it makes (Ctrl+Enter a line feed).
  const auto press = [&](WPARAM character) {
    PostMessageW(main_->Hwnd(), WM_KEYDOWN, VK_RETURN, MAKELPARAM(1, 0x1C));
    PostMessageW(main_->Hwnd(), WM_CHAR, character, MAKELPARAM(1, 0x1C));
    PostMessageW(main_->Hwnd(), WM_KEYUP, VK_RETURN, MAKELPARAM(1, 0xC01C));
    PumpMessages();
  };
  press('\r');
  EXPECT_EQ(main_->LinkBox().GetText(), link + "\r\n");
  EXPECT_FALSE(main_->Fetching());
  {
    const testing::HeldKeys ctrl({VK_CONTROL});
    press('\n');
  }
  EXPECT_EQ(main_->LinkBox().GetText(), link + "\r\n");
  ASSERT_TRUE(PumpUntil([&] { return !main_->Fetching(); }, kFetchBoundMs));
  EXPECT_EQ(main_->ResultBox().GetText(), ResultBlock(ExpectedFixtureInfo("baidu")));
  EXPECT_EQ(CountRequests("GET " + FixtureLinkPath("baidu")), 1);
}

}  // namespace
}  // namespace getlink
