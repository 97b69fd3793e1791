#include "ui/framework/window/UiWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "runtime/Codec.h"
#include "runtime/MessagePump.h"
#include "ui/framework/drawing/BlurBehind.h"
#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/window/ControlEventBlock.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/SkinPainter.h"
#include "ui/framework/drawing/SystemEntryPoints.h"
#include "ui/framework/window/UiCaptionButton.h"
#include "ui/framework/window/UiCaptionTitle.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiPicture.h"

namespace getlink {
namespace {

constexpr wchar_t kWindowProperty[] = L"Zt_Wnd_Control";

// Caption row: buttons from the right edge, 7 pixels from the top, 19 high.
constexpr float kCaptionRight = 12;
constexpr float kCaptionTop = 7;
constexpr float kCaptionButtonHeight = 19;
constexpr float kCloseButtonWidth = 39;
constexpr float kCaptionButtonWidth = 28;
// Frames of the show and close animations, and ticks of the skin cross-fade.
constexpr int kEffectFrames = 10;
constexpr UINT kSkinFadeTickMs = 50;
constexpr int kSkinFadeStep = 51;

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  UiWindow* window = UiWindow::FromHwnd(hwnd);
  return window != nullptr ? window->WindowProc(msg, wparam, lparam) : DefWindowProcW(hwnd, msg, wparam, lparam);
}

void ChangeStyle(HWND hwnd, int index, LONG_PTR add, LONG_PTR remove) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, index);
  const LONG_PTR changed = (style | add) & ~remove;
  if (changed != style) SetWindowLongPtrW(hwnd, index, changed);
}

GdiRegion RoundRegion(int left, int top, int right, int bottom, int ellipse) {
  return GdiRegion(CreateRoundRectRgn(left, top, right, bottom, ellipse, ellipse));
}

}  // namespace

UiWindow::UiWindow() : redrawQueue_(*this), input_(*this) {}

UiWindow::~UiWindow() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

UiWindow* UiWindow::FromHwnd(HWND hwnd) {
  return hwnd != nullptr ? static_cast<UiWindow*>(GetPropW(hwnd, kWindowProperty)) : nullptr;
}

// --- attaching ---

bool UiWindow::Attach(HWND hwnd, const AttachOptions& options) {
  if (!IsWindow(hwnd) || hwnd == hwnd_ || hwnd_ != nullptr || FromHwnd(hwnd) != nullptr) return false;
  hwnd_ = hwnd;
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  opacity_ = options.opacity ? std::clamp(*options.opacity, 0, 255) : -1;
  resizable_ = options.resizable.value_or((style & WS_THICKFRAME) != 0);
  skinSource_ = options.skinSource.value_or(nullptr);
  imageMode_ = options.imageMode;
  blendImageEdges_ = options.blendImageEdges;
  cornerRadius_ = options.cornerRadius;
  dragMove_ = options.dragMove;
  const bool animationsOn = options.animationsOn;
  if (options.blurBehind)
    blurBehind_ = *options.blurBehind && IsLayered();
  else
    blurBehind_ = OsMajorVersion() == 6;
  nineGrid_ = options.nineGrid;

  int flags = options.captionFlags.value_or(0);
  if (!options.captionFlags || (flags & static_cast<int>(CaptionFlag::FromStyle)) != 0) {
    flags = CaptionFlag::Icon | CaptionFlag::Title | static_cast<int>(CaptionFlag::Close);
    if (style & WS_MAXIMIZEBOX) flags |= static_cast<int>(CaptionFlag::Maximise);
    if (style & WS_MINIMIZEBOX) flags |= static_cast<int>(CaptionFlag::Minimise);
  }
  captionFlags_ = flags | CaptionFlag::EdgeShadow;
  captionFlags_ &= ~static_cast<int>(CaptionFlag::FromStyle);

  SetPropW(hwnd, kWindowProperty, this);
  defaultCursor_ = getlink::DefaultCursor() != nullptr ? getlink::DefaultCursor() : LoadCursorW(nullptr, IDC_ARROW);
  LONG_PTR remove = WS_THICKFRAME | WS_DLGFRAME | WS_BORDER;
  if (!HasCaptionFlag(CaptionFlag::Minimise)) remove |= WS_MINIMIZEBOX;
  if (!HasCaptionFlag(CaptionFlag::Maximise)) remove |= WS_MAXIMIZEBOX;
  ChangeStyle(hwnd, GWL_STYLE, WS_SYSMENU | WS_POPUP, remove);

  RECT bounds;
  GetWindowRect(hwnd, &bounds);
  size_ = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  screenDc_.emplace(hwnd);
  CreateSurfaces();
  if (IsLayered()) ChangeStyle(hwnd, GWL_EXSTYLE, WS_EX_LAYERED, 0);

  redrawQueue_.Clear();
  oldWndProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindowProc)));

  animationsOn_ = false;
  frozen_ = true;
  BuildCaptionControls();
  frozen_ = false;
  SetSkin(options.skinImage.empty() ? std::nullopt : std::optional<ByteSet>(options.skinImage),
          options.skinColour, SkinRepaint::Quiet);
  if (IsLayered()) PresentCanvas(nullptr);
  animationsOn_ = animationsOn;

  CreateTooltip();
  if (resizable_) ChangeStyle(hwnd, GWL_STYLE, WS_THICKFRAME, 0);
  return true;
}

void UiWindow::CreateSurfaces() {
  canvas_ = Surface(size_.cx, size_.cy);
  background_ = Surface(size_.cx, size_.cy);
}

void UiWindow::BuildCaptionControls() {
  if (captionFlags_ == 0) return;
  if (HasCaptionFlag(CaptionFlag::Icon)) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd_, GCLP_HICONSM));
    iconPicture_ = std::make_unique<UiPicture>();
    UiPicture::IconOptions icon_options;
    icon_options.focusable = false;
    iconPicture_->CreateFromIcon(hwnd_, {11, 11, 16, 16}, icon, icon_options);
  }
  if (HasCaptionFlag(CaptionFlag::Title)) {
    wchar_t title[256] = L"";
    GetWindowTextW(hwnd_, title, 256);
    titleLabel_ = std::make_unique<UiCaptionTitle>();
    titleLabel_->Create(hwnd_, {0, 11, 0, 18}, FromWide(title));
  }
  float right = static_cast<float>(size_.cx) - kCaptionRight;
  for (const CaptionButtonKind kind : {CaptionButtonKind::Close, CaptionButtonKind::Maximise, CaptionButtonKind::Minimise,
                                       CaptionButtonKind::Menu, CaptionButtonKind::Settings, CaptionButtonKind::Help,
                                       CaptionButtonKind::Pin}) {
    if ((captionFlags_ & static_cast<int>(kind)) == 0) continue;
    const float width = kind == CaptionButtonKind::Close ? kCloseButtonWidth : kCaptionButtonWidth;
    right -= width;
    auto button = std::make_unique<UiCaptionButton>();
    button->Create(hwnd_, {right, kCaptionTop, width, kCaptionButtonHeight}, kind);
    captionButtons_.push_back(std::move(button));
  }
}

void UiWindow::CreateTooltip() {
  static const bool commonControlsReady = [] {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)commonControlsReady;
  tooltipWnd_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                nullptr, nullptr, nullptr, nullptr);
  if (tooltipWnd_ == nullptr) return;
  SetWindowPos(tooltipWnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  SendMessageW(tooltipWnd_, TTM_SETMAXTIPWIDTH, 0, 1024);
}

void UiWindow::UpdateTooltip(UiControl* control, std::optional<std::string_view> text) {
  if (tooltipWnd_ == nullptr) return;
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  SendMessageW(tooltipWnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (control == nullptr) return;
  const Text tip = text ? Text(*text) : control->TipText();
  if (tip.empty()) return;
  std::wstring wide = ToWide(tip);
  const Rect r = control->GetRect();
  tool.rect = {static_cast<LONG>(r.left), static_cast<LONG>(r.top), static_cast<LONG>(r.Right()),
               static_cast<LONG>(r.Bottom())};
  tool.lpszText = wide.data();
  SendMessageW(tooltipWnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltipWnd_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltipWnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::vector<UiCaptionButton*> UiWindow::CaptionButtons() const {
  std::vector<UiCaptionButton*> buttons;
  for (const auto& button : captionButtons_) buttons.push_back(button.get());
  return buttons;
}

UiControl* UiWindow::TitleControl() const { return titleLabel_.get(); }

// --- controls ---

void UiWindow::AddTopLevel(UiControl& control) { controls_.push_back(&control); }

void UiWindow::Register(UiControl& control) { live_.insert(&control); }

void UiWindow::Unregister(UiControl& control) { live_.erase(&control); }

bool UiWindow::IsLive(const UiControl* control, std::uint32_t serial) const {
  return live_.count(control) != 0 && control->Serial() == serial;
}

UiControl* UiWindow::ControlFromHandle(std::uintptr_t handle) const {
  auto* control = reinterpret_cast<UiControl*>(handle);
  return live_.count(control) != 0 ? control : nullptr;
}

int UiWindow::Dispatch(UiControl& control, const ControlEvent& event) { return control.DispatchEvent(event); }

// --- skin ---

GpImage* UiWindow::SkinImage() const {
  if (UiWindow* source = FromHwnd(skinSource_); source != nullptr && source != this) return source->SkinImage();
  return skinImage_.Get();
}

void UiWindow::SetSkin(std::optional<ByteSet> image, std::optional<ColorRef> colour, SkinRepaint repaint) {
  frozen_ = true;
  if (UiWindow* source = FromHwnd(skinSource_); source != nullptr && source != this) {
    skinColour_ = source->SkinColour();
  } else if (image) {
    skinImage_ = LoadImageFromBytes(*image);
    if (skinImage_) skinColour_ = AverageColour(skinImage_.Get());
  }
  if (colour && *colour != static_cast<ColorRef>(-1)) skinColour_ = *colour;
  if (repaint == SkinRepaint::CrossFade && IsLayered()) {
    snapshot_ = Surface(size_.cx, size_.cy);
    BitBlt(snapshot_.Dc(), 0, 0, size_.cx, size_.cy, canvas_.Dc(), 0, 0, SRCCOPY);
  }

  PaintSkin();
  GdiFlush();
  BitBlt(background_.Dc(), 0, 0, size_.cx, size_.cy, canvas_.Dc(), 0, 0, SRCCOPY);

  if (cornerRadius_ != kImageOnlySkin) {
    const int ellipse = cornerRadius_ == kSquareCorners ? 0 : 3;
    clipRegion_ = RegionFromGdi(RoundRegion(7, 7, size_.cx - 6, size_.cy - 6, ellipse).get());
  } else {
    clipRegion_.reset();
  }
  redrawQueue_.Clear();
  LayoutCaptionButtons();
  ComposeEverything(true);
  frozen_ = false;

  if (blurBehind_ && IsLayered()) ApplyBlurBehind(true);
  if (repaint == SkinRepaint::Present) {
    PresentCanvas(nullptr);
  } else if (repaint == SkinRepaint::CrossFade && IsLayered()) {
    frozen_ = true;
    skinFadeLevel_ = 0;
    SetTimer(hwnd_, Handle(), kSkinFadeTickMs, nullptr);
  }
}

AttachWindowOptions UiWindow::SkinOptions() const {
  AttachWindowOptions options;
  options.skinColour = skinColour_;
  options.captionFlags = captionFlags_;
  if (IsLayered()) options.opacity = opacity_;
  options.imageMode = imageMode_;
  options.cornerRadius = cornerRadius_;
  options.animationsOn = animationsOn_;
  options.resizable = resizable_;
  options.dragMove = dragMove_;
  options.blendImageEdges = blendImageEdges_;
  options.blurBehind = blurBehind_;
  options.nineGrid = nineGrid_;
  if (skinSource_ != nullptr) options.skinSource = skinSource_;
  return options;
}

void UiWindow::PaintSkin() {
  SkinLook look;
  look.image = SkinImage();
  look.colour = skinColour_;
  look.imageMode = imageMode_;
  look.cornerRadius = cornerRadius_;
  look.opacity = opacity_;
  look.layered = IsLayered();
  look.blendImageEdges = blendImageEdges_;
  look.edgeShadow = HasCaptionFlag(CaptionFlag::EdgeShadow);
  look.shadowColour = shadowColour_;
  look.nineGrid = nineGrid_;
  const PaintBackgroundHandler handler = onPaintBackground_;
  SkinPainter(look).Paint(canvas_, [&](GpGraphics* g) {
    if (handler) handler(hwnd_, g, size_.cx, size_.cy);
  });
  if (!IsLayered() && cornerRadius_ != kImageOnlySkin) {
    // A plain window gets the rounded shape as its region; the system owns it once set.
    const int c = IsZoomed(hwnd_) ? 5 : 6;
    const int ellipse = cornerRadius_ == kSquareCorners ? 0 : 5;
    SetWindowRgn(hwnd_, RoundRegion(c, c, size_.cx - c + 1, size_.cy - c + 1, ellipse).release(), TRUE);
  }
}

void UiWindow::ApplyBlurBehind(bool on) {
  const Rect area = RectOf(6, 6, static_cast<float>(size_.cx - 12), static_cast<float>(size_.cy - 12));
  SetBlurBehind(hwnd_, area, cornerRadius_ == kSquareCorners ? 0 : 5, on);
}

void UiWindow::LayoutCaptionButtons() {
  if (captionFlags_ == 0) return;
  float x = static_cast<float>(size_.cx) - kCaptionRight;
  if (HasCaptionFlag(CaptionFlag::Close)) x -= kCaptionRight;
  for (const auto& button : captionButtons_) {
    x -= kCaptionButtonWidth;
    button->Move({x, kCaptionTop});
  }
  if (titleLabel_ != nullptr) {
    const float left = HasCaptionFlag(CaptionFlag::Icon) ? 29.f : 11.f;
    titleLabel_->Move({left, 11.f, x - left, 20.f});
    titleLabel_->PostEvent(EventCode::Paint);
  }
}

// --- composition and presentation ---

void UiWindow::InvalidateRect(const Rect& rect, RedrawMode mode) { redrawQueue_.Add(rect, mode); }

void UiWindow::ComposeRect(const Rect& rect) {
  GpGraphics* g = canvas_.Graphics();
  if (frozen_ || g == nullptr) return;
  if (clipRegion_ != nullptr) ClipRegion(g, clipRegion_.get());
  ClipRect(g, rect, clipRegion_ != nullptr ? Gdiplus::CombineModeIntersect : Gdiplus::CombineModeReplace);
  const PixelBox box = CoveringPixels(rect);
  BitBlt(canvas_.Dc(), box.left, box.top, box.right - box.left, box.bottom - box.top, background_.Dc(), box.left,
         box.top, SRCCOPY);
  ComposeControls(controls_, rect);
  ResetClip(g);
}

void UiWindow::ComposeEverything(bool refresh) {
  GpGraphics* g = canvas_.Graphics();
  if (g == nullptr) return;
  const Rect all = RectOf(0, 0, static_cast<float>(size_.cx), static_cast<float>(size_.cy));
  if (clipRegion_ != nullptr) ClipRegion(g, clipRegion_.get());
  if (refresh) {
    for (UiControl* control : std::vector<UiControl*>(controls_))
      if (control->Visible()) Dispatch(*control, {EventCode::EvRefresh});
  }
  ComposeControls(controls_, all);
  ResetClip(g);
}

void UiWindow::ComposeControls(const std::vector<UiControl*>& controls, const Rect& dirty) {
  GpGraphics* g = canvas_.Graphics();
  for (UiControl* control : controls) {
    if (!control->Visible() || !Intersects(control->GetRect(), dirty)) continue;
    ComposeControl(*control);
    if (control->Children().empty()) continue;
    // Children are cut at their parent's rectangle.
    UniqueRegion saved;
    GpRegion* region = nullptr;
    if (gdip::GdipCreateRegion(&region) == Gdiplus::Ok) {
      saved.reset(region);
      gdip::GdipGetClip(g, region);
    }
    ClipRect(g, control->GetRect(), Gdiplus::CombineModeIntersect);
    ComposeControls(control->Children(), dirty);
    if (saved != nullptr) ClipRegion(g, saved.get());
  }
}

void UiWindow::ComposeControl(UiControl& control) {
  GpGraphics* g = canvas_.Graphics();
  const Rect rect = control.GetRect();
  int alpha = control.FadeLevel();
  GpImage* fadeImage = control.FadeImage();
  if (control.Disabled()) {
    fadeImage = nullptr;
    alpha = Dispatch(control, {EventCode::EvQueryDimming, 0, 1}) == kNotHandled ? control.Alpha() / 2 : control.Alpha();
  }
  ComposeContext context{g, &control.GetSurface(), fadeImage, rect, alpha};
  if (Dispatch(control, {EventCode::EvCompose, 0, reinterpret_cast<LPARAM>(&context)}) > 0) return;
  if (fadeImage != nullptr) DrawImageAlpha(g, fadeImage, rect, control.Alpha() - control.FadeLevel());
  if (control.GetSurface()) DrawImageAlpha(g, control.GetSurface().Bitmap(), rect, alpha);
}

void UiWindow::Present(std::optional<Rect> rect) {
  if (!rect) {
    PresentCanvas(nullptr);
    return;
  }
  const PixelBox box = CoveringPixels(*rect);
  const RECT pixels = {box.left, box.top, box.right, box.bottom};
  PresentCanvas(&pixels);
}

void UiWindow::PresentCanvas(const RECT* dirty) {
  if (hwnd_ == nullptr || !canvas_) return;
  GdiFlush();
  if (!IsLayered()) {
    if (dirty != nullptr)
      BitBlt(screenDc_->get(), dirty->left, dirty->top, dirty->right - dirty->left, dirty->bottom - dirty->top,
             canvas_.Dc(), dirty->left, dirty->top, SRCCOPY);
    else
      BitBlt(screenDc_->get(), 0, 0, size_.cx, size_.cy, canvas_.Dc(), 0, 0, SRCCOPY);
    return;
  }
  PresentSurface(canvas_, dirty);
}

void UiWindow::PresentSurface(const Surface& surface, const RECT* dirty) {
  POINT origin = {0, 0};
  // The surface's own size: a size that differs from the window's would resize it.
  SIZE size = {surface.Width(), surface.Height()};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // The whole surface goes to the window; the dirty rectangle only tells the system
  // which part changed.
  UPDATELAYEREDWINDOWINFO info = {sizeof info, nullptr, nullptr, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA,
                                  dirty};
  if (!UpdateLayeredWindowIndirect(hwnd_, &info))
    UpdateLayeredWindow(hwnd_, nullptr, nullptr, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
}

// --- framework messages and the window procedure ---

LRESULT UiWindow::WindowProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (messageHook_) {
    const MessageHook hook = messageHook_;  // the hook may replace itself
    const int answer = hook(hwnd_, msg, wparam, lparam);
    if (answer != kNotHandled) return answer;
  }
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC old = oldWndProc_;
      const HWND hwnd = hwnd_;
      OnDestroy();
      return CallWindowProcW(old, hwnd, msg, wparam, lparam);
    }
    case WM_SIZE:
      OnSize(static_cast<UINT>(wparam));
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) input_.OnDeactivate();
      break;
    case WM_SETTEXT:
      if (titleLabel_ != nullptr && lparam != 0) titleLabel_->SetText(FromWide(reinterpret_cast<LPCWSTR>(lparam)));
      break;
    case WM_PAINT: {
      const PaintDc paint(hwnd_);
      const RECT& r = paint.dirty();
      BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, canvas_.Dc(), r.left, r.top, SRCCOPY);
      return 0;
    }
    case WM_CLOSE:
      OnClose();
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) != hwnd_) break;
      SetCursor(Hovered() != nullptr && Hovered()->Cursor() != nullptr ? Hovered()->Cursor() : defaultCursor_);
      return 1;
    case WM_NCACTIVATE:
      return 1;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_STYLECHANGED:
      if (wparam == static_cast<WPARAM>(GWL_STYLE)) ChangeStyle(hwnd_, GWL_STYLE, 0, WS_DLGFRAME | WS_BORDER);
      break;
    case WM_NCCALCSIZE:
      if (wparam != 0) return 0;  // no non-client area: the client is the whole window
      break;
    case WM_KEYDOWN:
      input_.OnKeyDown(msg, wparam, lparam);
      break;
    case WM_SYSKEYDOWN:
      input_.OnSysKeyDown(wparam, lparam);
      break;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_IME_COMPOSITION:
    case WM_COMMAND:
    case WM_MOUSEWHEEL:
      if (UiControl* focused = Focused()) Dispatch(*focused, {static_cast<EventCode>(msg), wparam, lparam});
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      input_.OnMouse(msg, wparam, lparam);
      break;
    case WM_LBUTTONDBLCLK:
      SendMessageW(hwnd_, WM_LBUTTONDOWN, kDoubleClickMarker, lparam);
      return 0;
    case WM_MOUSELEAVE:
      input_.OnMouseLeaveWindow();
      break;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wparam));
      return 0;
    default:
      if (msg >= ToMessage(FrameworkMessage::WmFocusControl) && msg <= ToMessage(FrameworkMessage::WmControlEvent))
        return OnFrameworkMessage(static_cast<FrameworkMessage>(msg), wparam, lparam);
      break;
  }
  return DefaultProc(msg, wparam, lparam);
}

LRESULT UiWindow::DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (hwnd_ == nullptr) return 0;
  return oldWndProc_ != nullptr ? CallWindowProcW(oldWndProc_, hwnd_, msg, wparam, lparam)
                                : DefWindowProcW(hwnd_, msg, wparam, lparam);
}

LRESULT UiWindow::OnFrameworkMessage(FrameworkMessage message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case FrameworkMessage::WmControlEvent: {
      auto* block = reinterpret_cast<ControlEventBlock*>(lparam);
      const std::unique_ptr<ControlEventBlock> owned(block->owned ? block : nullptr);
      if (!IsLive(block->control, block->serial)) return kNotHandled;
      return Dispatch(*block->control, block->event);
    }
    case FrameworkMessage::WmInvalidate: {
      const std::unique_ptr<Rect> rect(reinterpret_cast<Rect*>(lparam));
      if (rect == nullptr) return 0;
      // Invalidations posted together are composed together and presented once.
      MSG queued;
      while (PeekMessageW(&queued, hwnd_, ToMessage(FrameworkMessage::WmInvalidate),
                          ToMessage(FrameworkMessage::WmInvalidate), PM_REMOVE)) {
        const std::unique_ptr<Rect> more(reinterpret_cast<Rect*>(queued.lParam));
        if (more != nullptr) redrawQueue_.Defer(*more);
      }
      redrawQueue_.Add(*rect, static_cast<RedrawMode>(wparam));
      return 0;
    }
    case FrameworkMessage::WmFocusControl:
      SetFocusControl(ControlFromHandle(static_cast<std::uintptr_t>(lparam)), false);
      return 0;
    case FrameworkMessage::WmAddMnemonic:
      if (UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(wparam)))
        AddMnemonic(*control, static_cast<int>(lparam));
      return 1;
    case FrameworkMessage::WmPresent:
      PresentCanvas(nullptr);
      return 0;
    case FrameworkMessage::WmControlMoved: {
      UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(wparam));
      if (control == nullptr) return 0;
      const std::uint32_t serial = control->Serial();
      Dispatch(*control, {EventCode::EvMoved});
      if (!frozen_ && lparam == 1 && IsLive(control, serial)) {
        redrawQueue_.Defer(control->PreviousRect());
        redrawQueue_.Add(control->GetRect(), RedrawMode::Append);
      }
      return 0;
    }
    case FrameworkMessage::WmForwardEvent: {
      UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(lparam));
      return control != nullptr
                 ? Dispatch(*control, {static_cast<EventCode>(FrameworkMessage::WmForwardEvent), 0,
                                       static_cast<LPARAM>(wparam)})
                 : kNotHandled;
    }
    default:
      return DefaultProc(static_cast<UINT>(message), wparam, lparam);
  }
}

void UiWindow::OnGetMinMaxInfo(MINMAXINFO* info) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  info->ptMaxSize = {work.right - work.left + 14, work.bottom - work.top + 14};
  info->ptMaxPosition = {work.left - 7, work.top - 7};
  if (captionFlags_ == 0) {
    info->ptMinTrackSize = {21, 20};
    return;
  }
  const LONG closeRoom = HasCaptionFlag(CaptionFlag::Close) ? 11 : 0;
  info->ptMinTrackSize = {28 * static_cast<LONG>(captionButtons_.size()) + closeRoom + 35 + 1, 40};
}

void UiWindow::DropQueuedMessages() {
  // Frees the blocks of framework messages that will never be handled now.
  MSG msg;
  while (PeekMessageW(&msg, hwnd_, ToMessage(FrameworkMessage::WmInvalidate), ToMessage(FrameworkMessage::WmInvalidate),
                      PM_REMOVE))
    delete reinterpret_cast<Rect*>(msg.lParam);
  while (PeekMessageW(&msg, hwnd_, ToMessage(FrameworkMessage::WmControlEvent),
                      ToMessage(FrameworkMessage::WmControlEvent), PM_REMOVE)) {
    auto* block = reinterpret_cast<ControlEventBlock*>(msg.lParam);
    if (block != nullptr && block->owned) delete block;
  }
}

// --- size, timers, closing and destruction ---

void UiWindow::OnSize(UINT type) {
  if (type == SIZE_MINIMIZED) return;
  const bool zoomed = type == SIZE_MAXIMIZED;
  const bool zoomChanged = zoomed != zoomed_;
  zoomed_ = zoomed;
  RECT bounds;
  GetWindowRect(hwnd_, &bounds);
  const SIZE size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  if (size.cx != size_.cx || size.cy != size_.cy) {
    // New surfaces first: presenting a canvas of the old size would resize the window back.
    size_ = size;
    if (onResize_) {
      const ResizeHandler handler = onResize_;
      handler(hwnd_, size.cx, size.cy);
    }
    CreateSurfaces();
    SetSkin(std::nullopt, skinColour_, SkinRepaint::Present);
  }
  // The maximise button's glyph follows the state, even when the size stays the same.
  if (zoomChanged) {
    for (const auto& button : captionButtons_) Dispatch(*button, {EventCode::EvMoved});
  }
}

void UiWindow::OnTimer(UINT_PTR id) {
  if (id == Handle()) {
    StepSkinFade();
    return;
  }
  if (UiControl* control = ControlFromHandle(id))
    Dispatch(*control, {EventCode::Timer, static_cast<WPARAM>(id), 0});
  else
    KillTimer(hwnd_, id);  // the control is gone
}

void UiWindow::StepSkinFade() {
  skinFadeLevel_ = std::min(255, skinFadeLevel_ + kSkinFadeStep);
  if (skinFadeLevel_ < 255 && snapshot_) {
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(skinFadeLevel_), AC_SRC_ALPHA};
    GdiFlush();
    bound::GdiAlphaBlend(snapshot_.Dc(), 0, 0, size_.cx, size_.cy, canvas_.Dc(), 0, 0, size_.cx, size_.cy, blend);
    PresentSurface(snapshot_, nullptr);
    return;
  }
  KillTimer(hwnd_, Handle());
  snapshot_ = Surface();
  frozen_ = false;
  ComposeEverything(false);
  PresentCanvas(nullptr);
}

void UiWindow::OnClose() {
  if (closeEffect_ != WindowEffect::None) {
    if (blurBehind_ && IsLayered()) ApplyBlurBehind(false);
    PlayEffect(closeEffect_, 200, false);
  }
  ShowWindow(hwnd_, SW_HIDE);
}

void UiWindow::OnDestroy() {
  frozen_ = true;
  if (oldWndProc_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
  KillTimer(hwnd_, Handle());
  redrawQueue_.Clear();
  for (UiControl* control : std::vector<UiControl*>(controls_)) control->Destroy();
  captionButtons_.clear();
  iconPicture_.reset();
  titleLabel_.reset();
  clipRegion_.reset();
  skinImage_ = Image();
  if (tooltipWnd_ != nullptr) {
    DestroyWindow(tooltipWnd_);
    tooltipWnd_ = nullptr;
  }
  input_.Reset();
  controls_.clear();
  captionFlags_ = 0;
  canvas_ = Surface();
  background_ = Surface();
  snapshot_ = Surface();
  screenDc_.reset();
  DropQueuedMessages();
  RemovePropW(hwnd_, kWindowProperty);
  live_.clear();
  oldWndProc_ = nullptr;
  hwnd_ = nullptr;
  frozen_ = false;
}

// --- animations ---

void UiWindow::ShowAnimated(WindowEffect effect, int durationMs) {
  PumpMessages();
  if (hwnd_ == nullptr) return;
  if (effect == WindowEffect::None || !animationsOn_) {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    PresentCanvas(nullptr);
    if (blurBehind_ && IsLayered()) ApplyBlurBehind(true);
    return;
  }
  PlayEffect(effect, durationMs, true);
  PresentCanvas(nullptr);
  bound::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void UiWindow::PlayEffect(WindowEffect effect, int durationMs, bool opening) {
  if (!animationsOn_ || hwnd_ == nullptr) return;
  const bool wasLayered = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  if (!wasLayered) ChangeStyle(hwnd_, GWL_EXSTYLE, WS_EX_LAYERED, 0);
  const bool wasFrozen = frozen_;
  frozen_ = true;
  Surface frame(size_.cx, size_.cy);
  if (opening) {
    PresentSurface(frame, nullptr);  // transparent until the first frame
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    if (blurBehind_) ApplyBlurBehind(true);
  }
  const float width = static_cast<float>(size_.cx);
  const float height = static_cast<float>(size_.cy);
  for (int i = 1; i <= kEffectFrames && hwnd_ != nullptr; ++i) {
    // Share of the way to the shown state: growing while opening, shrinking while closing.
    const float shown = static_cast<float>(opening ? i : kEffectFrames - i) / kEffectFrames;
    Rect placed = RectOf(0, 0, width, height);
    switch (effect) {
      case WindowEffect::SlideDown: placed.top = -height * (1 - shown) / 4; break;
      case WindowEffect::SlideUp: placed.top = height * (1 - shown) / 4; break;
      case WindowEffect::SlideRight: placed.left = -width * (1 - shown) / 4; break;
      case WindowEffect::SlideLeft: placed.left = width * (1 - shown) / 4; break;
      case WindowEffect::Zoom: {
        const float scale = 0.5f + 0.5f * shown;
        placed = RectOf(width * (1 - scale) / 2, height * (1 - scale) / 2, width * scale, height * scale);
        break;
      }
      default: break;
    }
    frame.Clear();
    DrawImageAlpha(frame.Graphics(), canvas_.Bitmap(), placed, static_cast<int>(std::lround(255 * shown)));
    PresentSurface(frame, nullptr);
    Sleep(static_cast<DWORD>(std::max(durationMs, 0) / kEffectFrames));
    PumpMessages();
  }
  if (hwnd_ == nullptr) return;
  frozen_ = wasFrozen;
  if (!wasLayered) ChangeStyle(hwnd_, GWL_EXSTYLE, 0, WS_EX_LAYERED);
}

}  // namespace getlink
