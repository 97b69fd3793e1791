// The two scroll bars of a multi-line edit box: children of the box, each shown only
// when its flag is set, their ranges following the content and their positions the
// view; moving one scrolls the box.
#pragma once

#include <functional>

#include "ui/controls/EditGeometry.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

class EditScrollBars {
 public:
  using Handler = std::function<void(int position)>;

  void Create(UiControl& owner, int scrollFlags, Handler onVertical, Handler onHorizontal);
  // Puts the bars where the areas (in the owner's own coordinates) say.
  void Place(const EditAreas& areas);
  void SetRanges(int horizontalMaximum, int verticalMaximum, int verticalStep);
  void SetPositions(int horizontal, int vertical);
  int VerticalMaximum() const { return verticalMaximum_; }
  void SetAlpha(int alpha);

 private:
  UiControl* owner_ = nullptr;
  int horizontalMaximum_ = 0;
  int verticalMaximum_ = 0;
};

}  // namespace getlink
