#include "ui/controls/UiMenu.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "ui/controls/MenuGeometry.h"
#include "ui/controls/UiMenuItem.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr char kMenuTitle[] = "Zt_LayerUI_Menu";

ScreenBox WorkArea() {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

// Captions are measured in the font and format the items draw them with: the system
// font of the screen, which GetTextExtentPoint32 would measure with, is narrower than
// the drawn font on some systems (Wine) and the captions would be cut.
int CaptionWidth(GpGraphics* graphics, const TextFormat& format, GpFont* font, const Text& caption) {
  const Rect box = MeasureText(graphics, caption, font, {}, format.Handle());
  return static_cast<int>(std::ceil(box.width));
}

// The panel: a white rounded body with a soft shadow, and the light stripe behind the
// pictures.
void PaintMenuPanel(GpGraphics* g, int width, int height, const MenuStyle& style) {
  gdip::GdipGraphicsClear(g, MakeArgb(0, 255, 255, 255).Value());
  const float inset = style.panelInset;
  Rect panel = RectOf(inset, inset, static_cast<float>(width) - 2 * inset, static_cast<float>(height) - 2 * inset);
  const UniqueBrush body = SolidBrush(style.panelColour);
  FillRoundRect(g, panel, style.panelArc, body.get());
  const float line = style.lineWidth;
  OutlineRoundRect(g, panel, style.panelArc, style.panelOutline, line);
  for (const MenuStyle::ShadowRing& ring : style.shadowRings) {
    InflateRect(-line, -line, 2 * line, 2 * line, panel);
    OutlineRoundRect(g, panel, ring.arc, ring.colour, line);
  }
  const float stripeInset = style.stripeInset;
  const Rect stripe =
      RectOf(stripeInset, stripeInset, style.stripeWidth, static_cast<float>(height) - 2 * stripeInset);
  const UniqueBrush stripeBrush = SolidBrush(style.stripeColour);
  FillRoundRect(g, stripe, style.stripeArc, stripeBrush.get());
  OutlineRoundRect(g, stripe, style.stripeArc, style.stripeColour);
}

MenuCounts CountsOf(const std::vector<MenuItem>& items) {
  MenuCounts counts;
  for (const MenuItem& item : items) {
    if (item.IsSeparator())
      ++counts.separators;
    else
      ++counts.items;
    counts.hasSubMenu = counts.hasSubMenu || item.kind == MenuItemKind::SubMenu;
  }
  return counts;
}

using MenuItems = std::vector<std::unique_ptr<UiMenuItem>>;

// The item a key moves the focus to: Up and Down to the item before or after (round the
// ends), Home and End to the first or last, always past separators and disabled items;
// null for other keys or a menu with nothing to choose.
UiMenuItem* KeyTarget(const MenuItems& items, const UiControl* focused, WPARAM key) {
  std::vector<UiMenuItem*> choosable;
  for (const auto& item : items)
    if (item->Focusable() && !item->Disabled()) choosable.push_back(item.get());
  if (choosable.empty()) return nullptr;
  const auto count = static_cast<int>(choosable.size());
  const auto at = std::find(choosable.begin(), choosable.end(), focused);
  const int from = at == choosable.end() ? -1 : static_cast<int>(at - choosable.begin());
  switch (key) {
    case VK_HOME: return choosable.front();
    case VK_END: return choosable.back();
    case VK_DOWN: return choosable[static_cast<std::size_t>((from + 1) % count)];
    case VK_UP: return choosable[static_cast<std::size_t>(from < 0 ? count - 1 : (from + count - 1) % count)];
    default: return nullptr;
  }
}

// The keys of an open menu besides its mnemonics and Esc, as in a Windows menu: the
// arrows, Home and End move the highlight; Right opens the highlighted item's sub-menu and
// Left closes a sub-menu. Enter and Space are left to the window, which activates the
// focused item. False for the keys left to the pop-up's hook.
bool OnMenuKey(UiWindow& window, const MenuItems& items, bool sub, WPARAM key) {
  if (key == VK_LEFT) {
    if (sub) PostMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    return true;
  }
  if (key == VK_RIGHT) {
    auto* focused = static_cast<UiMenuItem*>(window.Focused());
    if (focused != nullptr && focused->Item().kind == MenuItemKind::SubMenu) focused->OpenSub(true);
    return true;
  }
  UiMenuItem* target = KeyTarget(items, window.Focused(), key);
  if (target == nullptr) return false;
  window.SetFocusControl(target, true);
  return true;
}

}  // namespace

UiMenu::~UiMenu() {
  // Gone while open (a routine of its own deleted it): its window goes with it.
  if (UiWindow* window = UiWindow::FromHwnd(hwnd_)) window->Destroy();
}

UiMenuItem* UiMenu::Opener() const { return static_cast<UiMenuItem*>(LiveControl(opener_)); }

HWND UiMenu::SubMenuWindow() const {
  return subMenu_ != nullptr && IsWindow(subMenu_->hwnd_) ? subMenu_->hwnd_ : nullptr;
}

void UiMenu::SetOpener(const UiMenuItem& item) { opener_ = item.Address(); }

void UiMenu::ForgetSubMenu() {
  subMenu_ = nullptr;
  opener_ = {};
}

MenuItem* UiMenu::ItemAt(int index) {
  return IsValidIndex(index) ? &items_[static_cast<std::size_t>(index - 1)] : nullptr;
}

const MenuItem* UiMenu::ItemAt(int index) const {
  return IsValidIndex(index) ? &items_[static_cast<std::size_t>(index - 1)] : nullptr;
}

void UiMenu::AddItem(MenuItem item) { items_.push_back(std::move(item)); }

bool UiMenu::RemoveItem(int index) {
  if (!IsValidIndex(index)) return false;
  items_.erase(items_.begin() + (index - 1));
  return true;
}

int UiMenu::ItemState(int index) const {
  const MenuItem* item = ItemAt(index);
  return item != nullptr ? item->state : 0;
}

void UiMenu::SetItemState(int index, int state) {
  if (MenuItem* item = ItemAt(index)) item->state = state;
}

Text UiMenu::ItemCaption(int index) const {
  const MenuItem* item = ItemAt(index);
  return item != nullptr ? item->caption : Text();
}

void UiMenu::SetItemCaption(int index, Text caption) {
  if (MenuItem* item = ItemAt(index)) item->caption = std::move(caption);
}

ByteSet UiMenu::ItemImage(int index) const {
  const MenuItem* item = ItemAt(index);
  return item != nullptr ? item->image : ByteSet();
}

void UiMenu::SetItemImage(int index, ByteSet image) {
  if (MenuItem* item = ItemAt(index)) item->image = std::move(image);
}

int UiMenu::MeasuredWidth(bool useSetWidth, const UiStyle& style) const {
  int widest = 0;
  if (!useSetWidth || width_ == 0) {
    const WindowDc screen(nullptr);
    GpGraphics* graphics = nullptr;
    gdip::GdipCreateFromHDC(screen.get(), &graphics);
    const UniqueGraphics owned(graphics);
    const TextFormat format = UiMenuItem::CaptionFormat();
    GpFont* font = DefaultFont(style.fontSize);
    for (const MenuItem& item : items_)
      if (!item.IsSeparator()) widest = std::max(widest, CaptionWidth(graphics, format, font, item.caption));
  }
  const int setWidth = useSetWidth ? static_cast<int>(std::lround(width_ * style.scale)) : 0;  // units to pixels
  return MenuWidth(setWidth, widest, CountsOf(items_), style.menu);
}

void UiMenu::PopupAt(HWND owner, int x, int y) {
  if (x == 0 && y == 0) {
    POINT pointer = {};
    GetCursorPos(&pointer);
    PopupNear(owner, pointer);
    return;
  }
  if (hwnd_ != nullptr) return;
  const UiStyle& style = UiWindow::StyleOf(owner);
  Open(owner, nullptr, x, y, MeasuredWidth(true, style), MenuHeight(CountsOf(items_), style.menu), false);
}

void UiMenu::PopupNear(HWND owner, POINT point) {
  if (hwnd_ != nullptr) return;
  const UiStyle& style = UiWindow::StyleOf(owner);
  const int width = MeasuredWidth(true, style);
  const int height = MenuHeight(CountsOf(items_), style.menu);
  const MenuPlacement placed = PlaceMenuAtPointer(point.x, point.y, width, height, WorkArea(), style.menu);
  Open(owner, nullptr, placed.x, placed.y, width, height, false);
}

void UiMenu::PopupSub(UiMenu& parentMenu) {
  const UiMenuItem* opener = parentMenu.Opener();
  if (hwnd_ != nullptr || opener == nullptr) return;
  RECT parent = {};
  GetWindowRect(parentMenu.Hwnd(), &parent);
  const UiStyle& style = UiWindow::StyleOf(parentMenu.Hwnd());
  const int width = MeasuredWidth(false, style);
  const int height = MenuHeight(CountsOf(items_), style.menu);
  const Rect item = opener->PixelRect();
  const MenuPlacement placed =
      PlaceSubMenu({parent.left, parent.top, parent.right, parent.bottom}, static_cast<int>(item.top),
                   static_cast<int>(item.height), width, height, WorkArea(), style.menu);
  Open(parentMenu.Hwnd(), &parentMenu, placed.x, placed.y, width, height, placed.opensLeft);
}

void UiMenu::Open(HWND owner, UiMenu* parent, int x, int y, int width, int height, bool opensLeft) {
  const bool sub = parent != nullptr;
  CreateWindowOptions create;
  create.left = x;
  create.top = y;
  create.width = width;
  create.height = height;
  create.sizeInPixels = true;
  create.style = WS_POPUP;
  create.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  const HWND hwnd = CreateUiWindow(owner, kMenuTitle, create);
  if (hwnd == nullptr) return;
  hwnd_ = hwnd;

  // Declared before the items: the items go first. The menu looks as the window it opens
  // from (a sub-menu as its parent menu, so as the first menu's owner).
  UiWindow window;
  window.SetStyle(UiWindow::StyleOf(owner));
  const MenuStyle& style = window.Style().menu;
  if (sub) {
    parent_ = parent;
    parent->subMenu_ = this;
    window.SetCloseEffect(opensLeft ? WindowEffect::SlideUp : WindowEffect::SlideDown);
  } else if (UiWindow* ownerWindow = UiWindow::FromHwnd(owner)) {
    // The control the menu is about gets the focus, and the command names it.
    UiControl* target = ownerWindow->Hovered();
    aboutControl_ = target != nullptr ? target->Handle() : 0;
    SendMessageW(owner, ToMessage(FrameworkMessage::WmFocusControl), 0, static_cast<LPARAM>(aboutControl_));
  }
  window.SetPopup({PopupKind::Owned, ChainHead().Hwnd()});
  window.SetAccessibleRole(AccessRole::MenuPopup);
  window.SetOnPaintBackground([&style](HWND, GpGraphics* g, int w, int h) { PaintMenuPanel(g, w, h, style); });
  AttachWindowOptions options;
  options.skinColour = style.skinColour;
  options.captionFlags = 0;
  options.opacity = style.opacity;
  options.cornerRadius = kImageOnlySkin;
  options.animationsOn = false;
  options.resizable = false;
  options.dragMove = false;
  window.Attach(hwnd, options);

  std::vector<bool> separators;
  for (const MenuItem& item : items_) separators.push_back(item.IsSeparator());
  const std::vector<Rect> rects = MenuItemRects(width, separators, style);
  std::vector<std::unique_ptr<UiMenuItem>> controls;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto control = std::make_unique<UiMenuItem>();
    control->Create(hwnd, rects[i], items_[i], *this);
    if (items_[i].IsDisabled()) control->SetDisabled(true);
    controls.push_back(std::move(control));
  }
  window.SetMessageHook([&window, &controls, sub](HWND popup, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_KEYDOWN && OnMenuKey(window, controls, sub, wparam)) return 0;
    return PopupHook(popup, msg, wparam, lparam);
  });

  if (sub)
    window.ShowAnimated(opensLeft ? WindowEffect::SlideUp : WindowEffect::SlideDown, style.subMenuShowMs);
  else
    window.ShowAnimated(WindowEffect::None);
  SetForegroundWindow(hwnd);
  window.TellAccessibility(AccessEvent::MenuPopupStart);  // the end: when the window goes
  PopupLoop(hwnd);
  window.Destroy();  // the loop ended on WM_QUIT
  if (sub && parent->subMenu_ == this) parent->subMenu_ = nullptr;
  parent_ = nullptr;
  ForgetSubMenu();
  aboutControl_ = 0;
  hwnd_ = nullptr;
}

}  // namespace getlink
