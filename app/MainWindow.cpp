#include "app/MainWindow.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "app/FindShareLink.h"
#include "app/MainWindowLayout.h"
#include "app/ResultBlock.h"
#include "app/ServiceRuleFiles.h"
#include "app/StatusLine.h"
#include "runtime/Clipboard.h"
#include "runtime/Files.h"
#include "ui/controls/UiMessageBox.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr char kTitle[] = "Zolmar网盘外链获取器";
constexpr char kPictureFile[] = "\\res\\ym.jpg";
constexpr char kLabelFont[] = "微软雅黑";

constexpr char kFetchCaption[] = "开始获取";
constexpr char kFetchingCaption[] = "正在获取…";

constexpr char kCopyAddressCaption[] = "复制下载地址";
constexpr char kSendCaption[] = "发送到 aria2";

// The window's look: its skin, the bottom strip and the labels' text and glow.
constexpr int kOpacity = 220;
constexpr ColorRef kPlainSkin = MakeColorRef(203, 218, 222);  // the picture's mean colour
constexpr Argb kStripEffect = MakeArgb(130, 0, 0, 0);
constexpr Argb kStripFill = MakeArgb(120, 236, 236, 236);
constexpr Argb kStripBorder = MakeArgb(40, 0, 0, 0);
constexpr Argb kStatusColour = MakeArgb(200, 0, 0, 0);
constexpr Argb kFailureColour = MakeArgb(220, 170, 0, 0);  // a failure's reason stands out from the description
constexpr Argb kStatusGlow = MakeArgb(20, 0, 0, 0);
constexpr Argb kTitleColour = MakeArgb(220, 255, 255, 255);
constexpr Argb kTitleGlow = MakeArgb(150, 0, 0, 0);
constexpr Argb kPromptColour = MakeArgb(220, 0, 0, 0);

constexpr char kExitQuestion[] = "老衲写的这么辛苦,你真的要\r\n退出程序吗?";

LabelOptions GlowingLabel(Text text, Argb colour, std::optional<FontStyle> style, std::optional<Argb> effectColour) {
  LabelOptions options;
  options.text = std::move(text);
  options.textColour = colour;
  options.font.name = kLabelFont;
  options.font.style = style;
  options.effect = TextEffect::Glow;
  options.effectColour = effectColour;
  return options;
}

EditOptions MultiLineBox() {
  EditOptions options;
  options.multiLine = true;
  options.scrollFlags = static_cast<int>(EditScrollFlags::Vertical);
  return options;
}

// The description line with as many of its blanks as leave the version within the status
// line: the blanks were counted for the font the line was made for, and a font with wider
// blanks would push the version out of the window.
Text DescriptionWithin(const UiLabel& line) {
  const int room = static_cast<int>(std::floor(line.TextRect().width));
  const auto width = [&line](int blanks) { return static_cast<int>(std::ceil(line.LineWidth(DescriptionLine(blanks)))); };
  const int full = width(kDescriptionBlanks);
  if (full <= room) return DescriptionLine();
  const int blank = std::max(1, (full - width(0) + kDescriptionBlanks - 1) / kDescriptionBlanks);
  return DescriptionLine(std::max(1, kDescriptionBlanks - (full - room + blank - 1) / blank));
}

std::vector<Text> ServiceTitles(const ServiceCatalog& catalog) {
  std::vector<Text> titles;
  for (const ServiceEntry& entry : catalog.Entries()) titles.push_back(entry.title);
  return titles;
}

}  // namespace

MainWindow::~MainWindow() { window_.Destroy(); }

bool MainWindow::Open() {
  CreateWindowOptions create;
  create.width = kMainWindowLayout.width;
  create.height = kMainWindowLayout.height;
  UniqueWindow hwnd(CreateUiWindow(nullptr, kTitle, create));
  if (!hwnd) return false;

  AttachWindowOptions skin;
  skin.skinImage = ReadFileBytes(RunDirectory() + kPictureFile);
  skin.captionFlags = CaptionFlag::Close | CaptionFlag::Minimise;
  skin.opacity = kOpacity;
  skin.imageMode = SkinImageMode::Stretched;
  skin.blurBehind = true;
  if (!window_.Attach(hwnd.get(), skin)) return false;
  const HWND attached = hwnd.release();  // the window object destroys it from now on
  // Without a picture (none there, or bytes that decode to none) the window is one plain
  // colour: the framework's default would be black, under the black prompt and the dark
  // text of the boxes.
  if (window_.SkinImage() == nullptr) window_.SetSkin(std::nullopt, kPlainSkin, SkinRepaint::Quiet);

  std::vector<FileFault> ruleFaults;
  services_ = world_.servicesFolder.empty() ? LoadServiceCatalog(ServicesFolder(), "services", ruleFaults)
                                            : LoadServiceCatalog(world_.servicesFolder, "services", ruleFaults);
  CreateControls(attached);
  aria2_ = ReadAria2Settings(world_.settingsPath.empty() ? Aria2SettingsPath() : world_.settingsPath);
  if (!aria2_.problems.empty()) {
    ShowStatus(DescribeAria2SettingsProblem(aria2_.problems.front(), Wording::Chinese), true);
  } else if (!ruleFaults.empty()) {
    ShowStatus(DescribeFileFault(ruleFaults.front(), Wording::Chinese), true);
  }
  fetchButton_.BindEvent(EventCode::EvClick, [this](UiControl*, UiControl&, const ControlEvent&) { StartFetch(); });
  fetchButton_.BindEvent(ToEventCode(FetchEvent::Progress), [this](UiControl*, UiControl&, const ControlEvent& event) {
    if (const FetchProgress* progress = event.Data<FetchProgress>()) ShowProgress(*progress);
  });
  fetchButton_.BindEvent(ToEventCode(FetchEvent::Finished), [this](UiControl*, UiControl&, const ControlEvent& event) {
    if (const FetchOutcome* outcome = event.Data<FetchOutcome>()) FinishFetch(*outcome);
  });
  linkBox_.SetOnChange([this](UiControl*, UiEdit&) { FollowLinkService(); });
  resultBox_.SetMenuExtras([this] { return ResultMenuExtras(); });
  resultBox_.BindEvent(ToEventCode(Aria2SendEvent::Finished), [this](UiControl*, UiControl&, const ControlEvent& event) {
    if (const Aria2Outcome* outcome = event.Data<Aria2Outcome>()) FinishSend(*outcome);
  });
  window_.SetOnScaleChanged([this] { FitDescriptionAgain(); });
  window_.SetMessageHook([this](HWND, UINT message, WPARAM wparam, LPARAM) { return OnMessage(message, wparam); });

  window_.ShowAnimated(WindowEffect::Zoom);
  window_.SetCloseEffect(WindowEffect::Zoom);
  window_.SetFocusControl(&linkBox_, false);  // ready for the link to be pasted
  return true;
}

// The controls in the order they are made, which is also the order they are drawn in, the
// order Tab visits them and the order a screen reader finds them: the way they are read,
// from the title to the status strip at the bottom (screen readers look for a status bar
// as the window's last object).
void MainWindow::CreateControls(HWND hwnd) {
  const MainWindowLayout& at = kMainWindowLayout;
  titleLabel_.Create(hwnd, at.title, GlowingLabel(kTitle, kTitleColour, FontStyle::Bold, kTitleGlow));
  LabelOptions prompt = GlowingLabel("请\r\n输：\r\n入", kPromptColour, std::nullopt, std::nullopt);
  prompt.wordWrap = true;
  promptLabel_.Create(hwnd, at.prompt, prompt);

  linkBox_.Create(hwnd, at.linkBox, MultiLineBox());
  UiComboBox::Options services;
  services.items = ServiceTitles(services_);
  serviceBox_.Create(hwnd, at.serviceBox, services);
  UiButton::Options fetch;
  fetch.caption = kFetchCaption;
  fetchButton_.Create(hwnd, at.fetchButton, fetch);
  resultBox_.Create(hwnd, at.resultBox, MultiLineBox());

  UiGroupBox::Options strip;
  strip.captionEffectColour = kStripEffect;
  strip.fillColour = kStripFill;
  strip.borderColour = kStripBorder;
  strip.roundCorners = false;
  statusStrip_.Create(hwnd, at.statusStrip, strip);

  // A screen reader reads the status line as the status bar's text. A long reason keeps
  // its end, which says what went wrong, and is read whole in the tooltip.
  LabelOptions status = GlowingLabel("", kStatusColour, FontStyle::Bold, kStatusGlow);
  status.elide = true;
  statusLine_.Create(statusStrip_, at.statusLine, status);
  FitDescriptionAgain();

  // What a screen reader calls them: no label before the boxes says what they hold (the
  // prompt says "请输入").
  linkBox_.SetAccessibleName("分享链接");
  serviceBox_.SetAccessibleName("网盘");
  resultBox_.SetAccessibleName("获取结果");
  statusStrip_.SetAccessibleName("状态");
  statusStrip_.SetAccessibleRole(AccessRole::StatusBar);
}

// At another DPI the blanks and the room scale by different roundings: the line is
// fitted again, and shown again when it is what the status line shows (as it is when
// the window opens).
void MainWindow::FitDescriptionAgain() {
  const bool shown = statusLine_.GetText() == description_;
  description_ = DescriptionWithin(statusLine_);
  if (shown) statusLine_.SetText(description_);
}

// --- the window's own messages ---

int MainWindow::OnMessage(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return kNotHandled;
    case WM_CLOSE:
      return UserConfirmsExit() ? kNotHandled : 0;
    case WM_KEYDOWN:
      // Ctrl+Enter in the link box fetches; Enter alone goes on to the box, as a line break
      // between the lines of a share message.
      if (wparam != VK_RETURN || GetKeyState(VK_CONTROL) >= 0 || window_.Focused() != &linkBox_) return kNotHandled;
      StartFetch();
      return 0;
    default:
      return kNotHandled;
  }
}

// --- closing ---

bool MainWindow::UserConfirmsExit() {
  if (askingToExit_) return false;  // a second close while the question is open keeps the window
  askingToExit_ = true;
  MessageBoxOptions ask;
  ask.buttons = MessageBoxButtons::OkCancel;
  ask.icon = MessageBoxIcon::Question;
  ask.centreOnOwner = true;
  ask.buttonLabels = {"手贱了", "是的"};  // 手贱了 (right) answers Cancel, 是的 Ok
  ask.defaultButton = 2;
  ask.showEffect = WindowEffect::Zoom;
  ask.closeEffect = WindowEffect::Fade;
  const MessageBoxResult answer = ShowMessageBox(window_.Hwnd(), kExitQuestion, ask);
  askingToExit_ = false;
  return answer == MessageBoxResult::Ok;
}

// --- the fetch ---

void MainWindow::StartFetch() {
  if (fetching_) return;  // one fetch at a time: they share the result box and record
  const int index = serviceBox_.SelectedIndex();  // 1 for the first service
  if (index < 1 || index > static_cast<int>(services_.Entries().size())) return;
  FetchRequest request;
  request.service = services_.Entries()[static_cast<std::size_t>(index - 1)];  // read once: changing the box later starts nothing
  request.pastedText = linkBox_.GetText();
  SetFetching(true);
  if (world_.startFetch(std::move(request), fetchButton_.Address())) return;
  SetFetching(false);
  ShowStatus(FetchNotStartedLine(), true);
}

void MainWindow::ShowProgress(const FetchProgress& progress) {
  // Progress is posted, the end is sent: a late progress event must not cover the end's line.
  if (!fetching_) return;
  ShowStatus(FetchProgressLine(progress), false);
}

void MainWindow::FinishFetch(const FetchOutcome& outcome) {
  shareInfo_ = outcome.info;
  resultBox_.SetText(ResultText(shareInfo_, outcome.service.AddressOnly()));
  if (outcome.failure)
    ShowStatus(DescribeFailure(*outcome.failure, Wording::Chinese), true);
  else
    ShowStatus(description_, false);
  SetFetching(false);
}

void MainWindow::SetFetching(bool fetching) {
  fetching_ = fetching;
  fetchButton_.SetCaption(fetching ? kFetchingCaption : kFetchCaption);
  fetchButton_.SetDisabled(fetching);  // which takes the focus from it
  if (fetching) {
    ShowStatus(FetchStartedLine(), false);
  } else if (window_.Focused() == nullptr) {
    window_.SetFocusControl(&fetchButton_, false);  // back where the user left it
  }
}

void MainWindow::FollowLinkService() {
  const std::optional<std::size_t> index = services_.IndexOf(services_.ForLink(FindShareLink(linkBox_.GetText()).link));
  if (index) serviceBox_.SetSelectedIndex(static_cast<int>(*index) + 1);  // never fires onSelect
}

void MainWindow::ShowStatus(Text line, bool failure) {
  const Argb colour = failure ? kFailureColour : kStatusColour;
  if (statusLine_.GetOptions().textColour != colour) statusLine_.SetTextColour(colour);
  statusLine_.SetText(std::move(line));  // heard as the line's name change
  if (failure) statusLine_.TellAccessibility(AccessEvent::Alert);  // read out at once, wherever the focus is
}

// --- the address of the last fetch ---

std::vector<EditMenuExtra> MainWindow::ResultMenuExtras() {
  const bool found = !shareInfo_.address.empty();
  return {{kCopyAddressCaption, found, [this] { CopyAddress(); }},
          {kSendCaption, found && !sending_, [this] { StartSend(); }}};
}

void MainWindow::CopyAddress() {
  if (!SetClipboardText(shareInfo_.address, window_.Hwnd())) ShowStatus(AddressNotCopiedLine(), true);
}

void MainWindow::StartSend() {
  if (sending_ || shareInfo_.address.empty()) return;  // one at a time, and only what a fetch found
  sending_ = true;
  ShowStatus(Aria2SendingLine(), false);
  if (world_.startSend({aria2_, shareInfo_.address, shareInfo_.name}, resultBox_.Address())) return;
  sending_ = false;
  ShowStatus(Aria2SendNotStartedLine(), true);
}

void MainWindow::FinishSend(const Aria2Outcome& outcome) {
  sending_ = false;
  ShowStatus(DescribeAria2Outcome(outcome, Wording::Chinese), outcome.result != Aria2Result::Sent);
}

}  // namespace getlink
