#include "ui/controls/UiMessageBox.h"

#include <memory>
#include <string>

#include "runtime/TextConvert.h"
#include "runtime/TextParts.h"
#include "ui/controls/MessageBoxLayout.h"
#include "ui/controls/MessageBoxPainter.h"
#include "ui/controls/UiLabel.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// The answer of the box on the screen. Its buttons name it in their Tag as the decimal
// address of `result`, followed by their result and position: "slot|result|position".
// The address is only compared, never followed.
struct RunningBox {
  MessageBoxResult result = MessageBoxResult::Cancel;
  Text Slot() const { return std::to_string(reinterpret_cast<std::uintptr_t>(&result)); }
};

struct ButtonTag {
  Text slot;
  int result = 0;
  int position = 0;
};

Text TagOf(const RunningBox& box, MessageBoxResult result, int position) {
  return box.Slot() + "|" + std::to_string(static_cast<int>(result)) + "|" + std::to_string(position);
}

std::optional<ButtonTag> ParseTag(const UiControl& control) {
  if (control.Type() != ControlType::Button) return std::nullopt;
  const std::vector<Text> fields = SplitText(control.Tag(), "|");
  if (fields.size() != 3) return std::nullopt;
  return ButtonTag{fields[0], ToInteger(fields[1]), ToInteger(fields[2])};
}

RECT WindowRectOf(HWND hwnd) {
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  return rect;
}

// The skin the box is attached with: the caller's, the owner's, or a plain blue one.
AttachWindowOptions LookFor(HWND owner, const MessageBoxOptions& options, const MessageBoxStyle& style) {
  AttachWindowOptions look;
  look.captionFlags = options.captionFlags;
  look.resizable = false;
  if (options.customLook) {
    const MessageBoxLook& custom = *options.customLook;
    look.skinImage = custom.skinImage;
    look.skinColour = custom.skinColour;
    look.opacity = custom.opacity;
    look.imageMode = custom.imageMode;
    look.cornerRadius = custom.cornerRadius;
    look.blendImageEdges = custom.blendImageEdges;
    look.blurBehind = custom.blurBehind.value_or(OsMajorVersion() > 5);
    look.nineGrid = custom.nineGrid;
  } else if (const UiWindow* lender = UiWindow::FromHwnd(owner)) {
    const AttachWindowOptions lent = lender->Skin().Settings();
    look.opacity = lent.opacity;
    look.imageMode = lent.imageMode;
    // An owner with the square image-only skin lends rounded corners instead.
    look.cornerRadius = lent.cornerRadius == kImageOnlySkin ? kRoundCorners : lent.cornerRadius;
    look.animationsOn = lender->AnimationsOn();
    look.blurBehind = lent.blurBehind;
    look.nineGrid = lent.nineGrid;
    look.dragMove = true;
    look.blendImageEdges = true;
    look.skinSource = owner;
  } else {
    look.skinColour = style.ownSkinColour;
    look.opacity = style.ownSkinOpacity;
  }
  return look;
}

// The arrow keys move the focus along the row of buttons, round at its ends, as in the
// system's message boxes: Left and Up to the button on the left, Right and Down to the one
// on the right. False for any other key.
bool MoveAlongButtons(UiWindow& window, WPARAM key) {
  int step = 0;  // in positions, which count from the right
  if (key == VK_LEFT || key == VK_UP) step = 1;
  if (key == VK_RIGHT || key == VK_DOWN) step = -1;
  if (step == 0) return false;
  std::vector<UiControl*> row;  // by position, from 1
  int from = 0;
  for (UiControl* control : window.Controls()) {
    const std::optional<ButtonTag> tag = ParseTag(*control);
    if (!tag || tag->position < 1) continue;
    if (row.size() < static_cast<std::size_t>(tag->position)) row.resize(static_cast<std::size_t>(tag->position));
    row[static_cast<std::size_t>(tag->position - 1)] = control;
    if (control == window.Focused()) from = tag->position;
  }
  if (row.empty()) return true;
  const int count = static_cast<int>(row.size());
  const int to = from == 0 ? 1 : (from - 1 + step + count) % count + 1;
  window.SetFocusControl(row[static_cast<std::size_t>(to - 1)], true);
  return true;
}

}  // namespace

MessageBoxResult ShowMessageBox(HWND owner, std::string_view message, const MessageBoxOptions& options) {
  const bool icon = options.icon != MessageBoxIcon::None;
  // The box looks as its owner does (a copy: the owner may go while the box is open).
  const UiStyle style = UiWindow::StyleOf(owner);
  const MessageBoxStyle& metrics = style.messageBox;
  const RECT screen = DesktopWorkArea();
  const RECT area = options.centreOnOwner && IsWindow(owner) ? WindowRectOf(owner) : screen;
  MessageBoxLayout layout = LayOutMessageBox(Rect{}, icon, screen, metrics);
  const POINT at = CentreOn(area, layout.box);
  CreateWindowOptions create;
  create.left = at.x;
  create.top = at.y;
  create.width = layout.box.cx;
  create.height = layout.box.cy;
  create.sizeInPixels = true;
  const HWND hwnd = CreateUiWindow(owner, options.title, create);
  if (hwnd == nullptr) return MessageBoxResult::Cancel;
  const ModalScope modal(hwnd);  // from now on: the opening effect pumps messages

  RunningBox running;
  UiWindow window;  // declared before the controls: they go first
  window.SetStyle(style);
  window.SetPopup({PopupKind::MessageBox});
  window.SetAccessibleRole(AccessRole::Dialog);  // named by its title
  window.SetOnPaintBackground([&window, icon = options.icon](HWND, GpGraphics* graphics, int width, int height) {
    PaintMessageBoxBackground(graphics, width, height, icon, window.Style());
  });
  window.Attach(hwnd, LookFor(owner, options, metrics));
  window.SetMessageHook([&window](HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_KEYDOWN && MoveAlongButtons(window, wparam)) return 0;
    return PopupHook(hwnd, msg, wparam, lparam);
  });
  window.SetOnResize([&window](HWND, int width, int height) {
    // Not redrawn here: the window repaints itself at its new size right after.
    for (UiControl* control : window.Controls()) {
      if (const std::optional<ButtonTag> tag = ParseTag(*control)) {
        const Rect place = MessageBoxButtonRect(width, height, tag->position, window.Style().messageBox);
        control->MovePixels({place.left, place.top, std::nullopt, std::nullopt, false});
      }
    }
  });
  const Text slot = running.Slot();
  window.BindEvent(EventCode::EvClick, [&running, slot, hwnd](UiControl* control, const ControlEvent&) {
    if (control == nullptr || control->Type() != ControlType::Button) return;
    const std::optional<ButtonTag> tag = ParseTag(*control);
    if (tag && tag->slot == slot) running.result = static_cast<MessageBoxResult>(tag->result);
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  });

  // A message longer or taller than the text's room grows the box, centred again; a line
  // too long for the screen wraps.
  const Rect measured = MeasureText(window.Canvas().Graphics(), message, DefaultFont(style.fontSize),
                                    RectOf(0, 0, MessageTextWidthLimit(screen, icon, metrics), 0), nullptr);
  layout = LayOutMessageBox(measured, icon, screen, metrics);
  if (layout.box.cx != create.width || layout.box.cy != create.height) {
    const POINT moved = CentreOn(area, layout.box);
    MoveWindow(hwnd, moved.x, moved.y, layout.box.cx, layout.box.cy, FALSE);
  }

  const std::vector<MessageBoxButton> set = MessageBoxButtonsOf(options.buttons, options.buttonLabels);
  std::vector<std::unique_ptr<UiButton>> buttons;
  for (int position = 1; position <= static_cast<int>(set.size()); ++position) {
    const MessageBoxButton& button = set[static_cast<std::size_t>(position - 1)];
    ButtonOptions look;
    look.caption = button.caption;
    buttons.push_back(std::make_unique<UiButton>());
    const Rect place = MessageBoxButtonRect(layout.box.cx, layout.box.cy, position, metrics);
    buttons.back()->Create(hwnd, ControlPlace::InPixels(place), look);
    buttons.back()->SetTag(TagOf(running, button.result, position));
    buttons.back()->SetImageOffset(window.Scale().ToUnits(metrics.buttonImageShift), 0);
  }
  const int focused = options.defaultButton >= 1 && options.defaultButton <= static_cast<int>(buttons.size())
                          ? options.defaultButton
                          : 1;
  window.SetFocusControl(buttons[static_cast<std::size_t>(focused - 1)].get(), false);

  LabelOptions text;
  text.text = Text(message);
  text.wordWrap = true;
  UiLabel label;
  label.Create(hwnd, ControlPlace::InPixels(layout.text), text);

  if (options.onCreated) options.onCreated(hwnd, layout.box.cx, layout.box.cy);
  if (icon && options.beep) MessageBeep(static_cast<UINT>(options.icon));
  if (owner != nullptr) SendMessageW(owner, WM_MOUSELEAVE, 0, 0);  // the owner drops its hover look
  window.ShowAnimated(options.showEffect);
  // A screen reader reads the box out when it opens.
  window.TellAccessibility(AccessEvent::DialogStart);
  window.TellAccessibility(AccessEvent::Alert);
  // The default button took the focus before the box was on the screen: told again now.
  if (UiControl* focused = window.Focused()) focused->TellAccessibility(AccessEvent::Focus);
  if (options.closeEffect) window.SetCloseEffect(*options.closeEffect);
  SetForegroundWindow(hwnd);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  if (owner != nullptr) PostMessageW(owner, WM_MOUSELEAVE, 0, 0);
  ModalLoop(hwnd);
  return running.result;
}

}  // namespace getlink
