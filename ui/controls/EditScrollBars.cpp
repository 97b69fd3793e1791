#include "ui/controls/EditScrollBars.h"

namespace getlink {

// Until the framework's scroll bar is available the box keeps the ranges only.
void EditScrollBars::Create(UiControl& owner, int, Handler, Handler) { owner_ = &owner; }

void EditScrollBars::Place(const EditAreas&) {}

void EditScrollBars::SetRanges(int horizontalMaximum, int verticalMaximum, int) {
  horizontalMaximum_ = horizontalMaximum;
  verticalMaximum_ = verticalMaximum;
}

void EditScrollBars::SetPositions(int, int) {}

void EditScrollBars::SetAlpha(int) {}

}  // namespace getlink
