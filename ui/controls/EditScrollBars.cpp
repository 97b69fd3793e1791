#include "ui/controls/EditScrollBars.h"

#include <algorithm>

#include "ui/controls/EditDocument.h"

namespace getlink {
namespace {

void CreateBar(UiScrollBar& bar, UiControl& owner, const Rect& rect, ScrollOrientation orientation, bool shown,
               const EditScrollBars::Handler& handler) {
  ScrollBarOptions options;
  options.orientation = orientation;
  options.maximum = 0;
  options.visible = shown;
  // A hidden bar still gets a size, so that it can be shown later.
  const float thickness = owner.Style().scrollBar.thickness;
  const Rect placed = shown ? rect : RectOf(rect.left, rect.top, thickness, thickness);
  bar.Create(owner, ControlPlace::InPixels(placed), options);
  bar.SetOnChange([handler](UiControl*, int position) {
    if (handler) handler(position);
  });
}

}  // namespace

Rect EditScrollBars::OnWindow(const Rect& local) const {
  const Rect box = owner_->PixelRect();
  return {box.left + local.left, box.top + local.top, local.width, local.height};
}

void EditScrollBars::Create(UiControl& owner, const EditAreas& areas, int scrollFlags, Handler onVertical,
                            Handler onHorizontal) {
  owner_ = &owner;
  CreateBar(vertical_, owner, OnWindow(areas.verticalBar), ScrollOrientation::Vertical,
            (scrollFlags & static_cast<int>(EditScrollFlags::Vertical)) != 0, onVertical);
  CreateBar(horizontal_, owner, OnWindow(areas.horizontalBar), ScrollOrientation::Horizontal,
            (scrollFlags & static_cast<int>(EditScrollFlags::Horizontal)) != 0, onHorizontal);
}

void EditScrollBars::Place(const EditAreas& areas) {
  if (owner_ == nullptr) return;
  if (vertical_.Visible()) vertical_.SetPixelRect(OnWindow(areas.verticalBar));
  if (horizontal_.Visible()) horizontal_.SetPixelRect(OnWindow(areas.horizontalBar));
}

void EditScrollBars::SetRanges(int horizontalMaximum, int verticalMaximum, int horizontalStep, int verticalStep) {
  if (owner_ == nullptr) return;
  // A bar repaints (and the window presents) on every SetMaximum: only on a change.
  if (vertical_.Maximum() != verticalMaximum) vertical_.SetMaximum(verticalMaximum);
  vertical_.SetStep(std::max(verticalStep, 1));
  if (horizontal_.Maximum() != horizontalMaximum) horizontal_.SetMaximum(horizontalMaximum);
  horizontal_.SetStep(std::max(horizontalStep, 1));
}

void EditScrollBars::SetPositions(int horizontal, int vertical) {
  if (owner_ == nullptr) return;
  horizontal_.SetPosition(horizontal);
  vertical_.SetPosition(vertical);
}

void EditScrollBars::SetAlpha(int alpha) {
  if (owner_ == nullptr) return;
  vertical_.SetAlpha(alpha);
  horizontal_.SetAlpha(alpha);
}

}  // namespace getlink
