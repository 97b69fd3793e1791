// The two scroll bars of a multi-line edit box: children of the box, each shown only
// when its flag is set, their ranges following the content and their positions the
// view; moving one scrolls the box.
#pragma once

#include <functional>

#include "ui/controls/EditGeometry.h"
#include "ui/controls/UiScrollBar.h"

namespace getlink {

class EditScrollBars {
 public:
  using Handler = std::function<void(int position)>;

  // Creates both bars in `owner`, where the areas (in the owner's own coordinates) say.
  void Create(UiControl& owner, const EditAreas& areas, int scrollFlags, Handler onVertical, Handler onHorizontal);
  void Place(const EditAreas& areas);
  void SetRanges(int horizontalMaximum, int verticalMaximum, int horizontalStep, int verticalStep);
  // Positions as the view has them; the handlers are not called.
  void SetPositions(int horizontal, int vertical);
  int VerticalMaximum() const { return vertical_.IsCreated() ? vertical_.Maximum() : 0; }
  void SetAlpha(int alpha);

  const UiScrollBar& Vertical() const { return vertical_; }
  const UiScrollBar& Horizontal() const { return horizontal_; }

 private:
  Rect OnWindow(const Rect& local) const;

  UiControl* owner_ = nullptr;
  UiScrollBar vertical_;
  UiScrollBar horizontal_;
};

}  // namespace getlink
