#include "ui/controls/UiMenuItem.h"

#include <cctype>

#include "ui/controls/UiMenu.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/SystemEntryPoints.h"
#include "ui/framework/window/Mnemonic.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

enum class MenuItemTimer { SubMenuDelay };

// The letter after the "&" of a caption ("&&" is a plain "&"), or 0.
int MnemonicOf(const Text& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    return c < 0x80 ? std::toupper(c) : 0;
  }
  return 0;
}

// The small arrow at the right end of a sub-menu item.
void FillArrow(GpGraphics* g, float right, float middle, Argb colour, const MenuStyle& style) {
  GpPath* path = nullptr;
  if (gdip::GdipCreatePath(Gdiplus::FillModeAlternate, &path) != Gdiplus::Ok) return;
  const UniquePath owned(path);
  const float base = right - style.arrowBase, half = style.arrowHalfHeight;
  const Gdiplus::PointF points[] = {{base, middle - half}, {base, middle + half}, {right - style.arrowTip, middle}};
  gdip::GdipAddPathPolygon(path, points, 3);
  const UniqueBrush brush = SolidBrush(colour);
  gdip::GdipFillPath(g, brush.get(), path);
}

}  // namespace

TextFormat UiMenuItem::CaptionFormat() {
  TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
  format.SetAlign(Gdiplus::StringAlignmentNear);
  format.SetLineAlign(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  return format;
}

bool UiMenuItem::Create(HWND menuWindow, const Rect& rect, const MenuItem& item, UiMenu& menu) {
  menu_ = &menu;
  SetItem(item);
  format_ = CaptionFormat();
  CreateControlOptions options;
  options.focusable = !item.IsSeparator();
  if (!UiControl::Create(menuWindow, ControlPlace::InPixels(rect), ControlType::MenuItemList, options)) return false;
  if (const int mnemonic = MnemonicOf(item_.caption); mnemonic != 0 && Window() != nullptr)
    Window()->AddMnemonic(*this, mnemonic);
  return true;
}

void UiMenuItem::SetItem(const MenuItem& item) {
  item_ = item;
  // A checked item shows the check mark (drawn for the window's scale) instead of its picture.
  picture_ = Checked() || item_.image.empty() ? Image() : LoadImageFromBytes(item_.image);
  if (IsCreated()) Repaint();
}

int UiMenuItem::OnCreate() {
  hot_ = false;
  return kNotHandled;
}

int UiMenuItem::OnDestroy() {
  StopSubMenuDelay();
  item_ = MenuItem();
  picture_ = Image();
  format_.Release();
  return kNotHandled;
}

bool UiMenuItem::SubMenuOpen() const {
  return menu_ != nullptr && menu_->Opener() == this && menu_->SubMenuWindow() != nullptr;
}

int UiMenuItem::OnPaint() {
  if (!BeginControlPaint()) return kNotHandled;
  GpGraphics* g = Graphics();
  const auto width = static_cast<float>(PixelWidth());
  const auto height = static_cast<float>(PixelHeight());
  const MenuStyle& style = Style().menu;
  if (item_.IsSeparator()) {
    const UniqueBrush line = SolidBrush(style.separatorColour);
    gdip::GdipFillRectangle(g, line.get(), 0, style.separatorLineTop, width, style.separatorLineHeight);
    EndControlPaint();
    return kNotHandled;
  }
  const bool hot = Highlighted();
  if (hot) {
    const UniqueBrush fill = SolidBrush(style.hotFill);
    FillRoundRect(g, RectOf(0, 0, width, height), style.hotArc, fill.get());
  }
  PaintCaption(g, hot);
  if (item_.kind == MenuItemKind::SubMenu)
    FillArrow(g, width, height / 2, hot ? style.hotArrowColour : style.arrowColour, style);
  if (Checked())
    DrawEmbeddedImage(g, EmbeddedImage::MenuCheckMark, Style().scale, kMenuCheckMarkCell, style.pictureBox);
  else if (picture_)
    DrawImageAlpha(g, picture_.Get(), style.pictureBox);
  EndControlPaint();
  return kNotHandled;
}

Rect UiMenuItem::CaptionArea() const {
  const MenuStyle& style = Style().menu;
  const float right = static_cast<float>(PixelWidth()) - (item_.kind == MenuItemKind::SubMenu ? style.arrowRoom : 0);
  return RectOf(style.captionLeft, 0, right - style.captionLeft, static_cast<float>(PixelHeight()));
}

void UiMenuItem::PaintCaption(GpGraphics* g, bool hot) {
  const MenuStyle& style = Style().menu;
  const Rect area = CaptionArea();
  const Argb colour = hot ? style.hotText : item_.textColour.value_or(Style().textColour);
  DrawText(g, area, item_.caption, DefaultFont(Style().fontSize), colour, format_.Handle(), item_.textEffect,
           item_.effectColour, Style().textGlowSpread);
}

Text UiMenuItem::DefaultAccessibleName() const { return WithoutMnemonicMarks(item_.caption); }

AccessStates UiMenuItem::AccessibleState() {
  AccessStates states = UiControl::AccessibleState();
  if (Highlighted()) states |= STATE_SYSTEM_HOTTRACKED;
  if (item_.state == static_cast<int>(MenuItemState::Checked)) states |= STATE_SYSTEM_CHECKED;
  if (item_.kind == MenuItemKind::SubMenu) states |= STATE_SYSTEM_HASPOPUP;
  return states;
}

Text UiMenuItem::DefaultActionName() const {
  switch (item_.kind) {
    case MenuItemKind::Command: return "执行";
    case MenuItemKind::SubMenu: return "打开";
    default: return Text();
  }
}

bool UiMenuItem::Highlighted() const {
  // While a key holds the highlight, the item under a resting pointer gives it up.
  const UiControl* byKey = Window() != nullptr ? Window()->KeyboardFocus() : nullptr;
  return byKey == this || (hot_ && byKey == nullptr) || SubMenuOpen();
}

int UiMenuItem::OnMouseEnter() {
  hot_ = true;
  // The keys go on from here; an item highlighted from the keyboard is no longer.
  if (Window() != nullptr) Window()->SetFocusControl(this, false);
  Repaint();
  StartSubMenuDelay(static_cast<UINT>(Style().menu.openSubDelayMs));
  return kNotHandled;
}

int UiMenuItem::OnMouseLeave(UiControl*) {
  hot_ = false;
  Repaint();
  return kNotHandled;
}

int UiMenuItem::OnFocusGained(UiControl*) {
  Repaint();
  return kNotHandled;
}

int UiMenuItem::OnFocusLost(UiControl*) {
  Repaint();
  return kNotHandled;
}

int UiMenuItem::OnTimer(TimerPurpose) {
  StopSubMenuDelay();
  OpenSub(false);
  return kNotHandled;
}

int UiMenuItem::OnClick() {
  if (item_.kind == MenuItemKind::SubMenu)
    OpenSub(true);
  else if (item_.kind == MenuItemKind::Command)
    Choose();
  return kNotHandled;
}

void UiMenuItem::StartSubMenuDelay(UINT milliseconds) { StartTimer(MenuItemTimer::SubMenuDelay, milliseconds); }

void UiMenuItem::StopSubMenuDelay() { StopTimer(MenuItemTimer::SubMenuDelay); }

void UiMenuItem::OpenSub(bool immediate) {
  const HWND menu = HostWindow();
  if (const HWND sub = menu_->SubMenuWindow()) {
    POINT pointer = {};
    GetCursorPos(&pointer);
    const HWND under = bound::WindowFromPoint(pointer);
    UiMenuItem* opener = menu_->Opener();
    // The pointer went on into the open sub-menu, or is still on its item: keep it.
    if (under == sub || (opener != nullptr && Window()->Hovered() == opener)) return;
    SetForegroundWindow(menu);
    menu_->ForgetSubMenu();
    PostMessageW(sub, WM_CLOSE, 0, 0);
    if (opener != nullptr) opener->Repaint();
    // This item opens its own sub-menu once the other one has closed.
    if (item_.kind == MenuItemKind::SubMenu) StartSubMenuDelay(static_cast<UINT>(Style().menu.reopenDelayMs));
    return;
  }
  if (item_.kind != MenuItemKind::SubMenu || item_.subMenu == nullptr) return;
  if (!immediate && Window()->Hovered() != this) return;
  menu_->SetOpener(*this);
  Repaint();
  UiMenu* const subMenu = item_.subMenu;
  const std::uint32_t serial = Serial();
  subMenu->PopupSub(*menu_);
  // The sub-menu has closed; a command chosen in it took this menu along.
  if (!IsCreated() || Serial() != serial) return;
  if (menu_->Opener() == this) menu_->ForgetSubMenu();
  Repaint();
}

void UiMenuItem::Choose() {
  const HWND menu = HostWindow();
  const UiMenu& head = menu_->ChainHead();
  const HWND top = head.Hwnd() != nullptr ? head.Hwnd() : menu;
  const HWND owner = GetWindow(top, GW_OWNER);
  const auto target = static_cast<LPARAM>(head.AboutControl());
  // Copied out: the menu and this control close while the command runs.
  const MenuItem item = item_;
  ShowWindow(menu, SW_HIDE);
  if (owner != nullptr) SetForegroundWindow(owner);
  PostMessageW(top, WM_CLOSE, 0, 0);
  if (item.sendsCommand) {
    if (owner != nullptr) SendMessageW(owner, WM_COMMAND, static_cast<WPARAM>(item.commandId), target);
  } else if (item.routine) {
    item.routine();
  }
}

}  // namespace getlink
