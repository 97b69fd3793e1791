#include "ui/framework/window/CaptionBar.h"

#include <cmath>

#include "runtime/Codec.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/controls/UiCaptionTitle.h"
#include "ui/framework/controls/UiPicture.h"

namespace getlink {
namespace {

constexpr CaptionButtonKind kButtonOrder[] = {CaptionButtonKind::Close, CaptionButtonKind::Maximise,
                                              CaptionButtonKind::Minimise, CaptionButtonKind::Menu,
                                              CaptionButtonKind::Settings, CaptionButtonKind::Help,
                                              CaptionButtonKind::Pin};

// The window's small icon, or its class's.
HICON SmallIcon(HWND host) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(host, WM_GETICON, ICON_SMALL, 0));
  return icon != nullptr ? icon : reinterpret_cast<HICON>(GetClassLongPtrW(host, GCLP_HICONSM));
}

}  // namespace

CaptionBar::CaptionBar(const UiStyle& style) : style_(style) {}
CaptionBar::~CaptionBar() = default;

std::size_t CaptionBar::ButtonCount() const {
  std::size_t count = 0;
  for (const CaptionButtonKind kind : kButtonOrder) count += (flags_ & static_cast<int>(kind)) != 0 ? 1 : 0;
  return count;
}

float CaptionBar::RowRight(int width) const {
  const CaptionStyle& row = style_.caption;
  return static_cast<float>(width) - row.rightMargin - (Has(CaptionFlag::Close) ? row.closeMargin : 0);
}

float CaptionBar::ButtonLeft(std::size_t index, int width) const {
  return RowRight(width) - style_.caption.buttonStep * static_cast<float>(index + 1);
}

float CaptionBar::RowLeft(int width) const {
  return RowRight(width) - style_.caption.buttonStep * static_cast<float>(ButtonCount());
}

Rect CaptionBar::ButtonRect(std::size_t index, CaptionButtonKind kind, int width) const {
  const CaptionStyle& row = style_.caption;
  return {ButtonLeft(index, width), row.rowTop, kind == CaptionButtonKind::Close ? row.closeWidth : row.buttonStep,
          row.buttonHeight};
}

Rect CaptionBar::TitleRect(int width) const {
  const CaptionStyle& row = style_.caption;
  const float left = Has(CaptionFlag::Icon) ? row.titleLeftAfterIcon : row.titleLeft;
  return {left, row.titleTop, RowLeft(width) - left, row.titleHeight};
}

void CaptionBar::Build(HWND host, int flags, int width) {
  flags_ = flags;
  if (Has(CaptionFlag::Icon)) {
    UiPicture::IconOptions options;
    options.focusable = false;
    icon_ = std::make_unique<UiPicture>();
    icon_->CreateFromIcon(host, ControlPlace::InPixels(style_.caption.icon), SmallIcon(host), options);
  }
  if (Has(CaptionFlag::Title)) {
    wchar_t text[256] = L"";
    GetWindowTextW(host, text, 256);
    title_ = std::make_unique<UiCaptionTitle>();
    title_->Create(host, TitleRect(width), FromWide(text));
  }
  for (const CaptionButtonKind kind : kButtonOrder) {
    if ((flags & static_cast<int>(kind)) == 0) continue;
    const std::size_t index = buttons_.size();
    buttons_.push_back(std::make_unique<UiCaptionButton>());
    buttons_.back()->Create(host, ButtonRect(index, kind, width), kind);
  }
}

void CaptionBar::ShowNewIcon() {
  if (icon_ == nullptr) return;
  icon_->SetPixelRect(style_.caption.icon);
  icon_->SetIcon(SmallIcon(icon_->HostWindow()));
}

void CaptionBar::Layout(int width) {
  if (flags_ == 0) return;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const Rect place = ButtonRect(i, buttons_[i]->Kind(), width);
    buttons_[i]->SetPixelRect(place);  // sizes too, after a DPI change
  }
  if (title_ != nullptr) {
    title_->SetPixelRect(TitleRect(width));
    title_->Repaint();
  }
}

int CaptionBar::MinimumWidth() const {
  if (flags_ == 0) return style_.caption.narrowestWithoutRow;
  return static_cast<int>(std::ceil(-RowLeft(0))) + style_.caption.narrowestRoomLeft;
}

void CaptionBar::Clear() {
  buttons_.clear();
  icon_.reset();
  title_.reset();
  flags_ = 0;
}

std::vector<UiCaptionButton*> CaptionBar::Buttons() const {
  std::vector<UiCaptionButton*> buttons;
  for (const auto& button : buttons_) buttons.push_back(button.get());
  return buttons;
}

UiCaptionButton* CaptionBar::ButtonAt(float x, float y) const {
  for (const auto& button : buttons_)
    if (button->Visible() && button->HitTest(x, y)) return button.get();
  return nullptr;
}

void CaptionBar::SetTitle(Text text) {
  if (title_ != nullptr) title_->SetText(std::move(text));
}

}  // namespace getlink
