// What an edit box's measurers keep from one call to the next, valid for one font and
// format: the advances of the characters met so far, and the rows of the line laid out
// last, so that a key typed into a long line lays it out once for the layout, the caret
// and the paint together.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/Text.h"
#include "ui/controls/CharacterAdvances.h"
#include "ui/controls/EditRows.h"

namespace getlink {

class EditMeasureCache {
 public:
  // Forgets everything (the font or format changed).
  void Clear();

  CharacterAdvances& Advances() { return advances_; }

  // The rows kept for `displayText` laid out with `room`, or null.
  const EditRows* RowsOf(std::string_view displayText, std::optional<float> room) const;
  // Keeps `rows` as those of `displayText` laid out with `room`, in place of the last.
  const EditRows& Keep(std::string_view displayText, std::optional<float> room, EditRows rows);

 private:
  CharacterAdvances advances_;
  Text text_;
  std::optional<float> room_;
  std::optional<EditRows> rows_;
};

}  // namespace getlink
