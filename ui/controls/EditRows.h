// The rows of one line of an edit box, laid out from its characters' advances: where each
// character stands and where the line wraps. Drawing, the caret, the selection and hit
// testing all read these rows, so they agree by construction (GDI+ wrapping a string
// itself may break a row one character away from where it measures the break).
// Platform-neutral: the edit box measures the advances with GDI+ (EditTextMeasurer),
// tests give fixed ones.
//
// A line wraps where its next character would pass the room of a row: after the last run
// of blanks that the row holds (blanks hang past the edge rather than start a row), or,
// where the row holds no blank (a link, a Chinese sentence), after the last character that
// fits. Every row holds at least one character. Laying out a line costs one walk over its
// characters.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace getlink {

class EditRows {
 public:
  // `characters`: the line's display characters (UTF-16 units, one a column). `edges`:
  // the x of each character's left edge on one endless row, then the end (one value more
  // than characters); edges[0] is where a row's first character starts. `room`: the
  // widest a row's characters may reach; none keeps the line on one row.
  EditRows(std::wstring_view characters, std::vector<float> edges, std::optional<float> room);

  int Columns() const { return static_cast<int>(edges_.size()) - 1; }
  int RowCount() const { return static_cast<int>(starts_.size()); }
  // The first column of `row`, and the column after its last character.
  int RowStart(int row) const;
  int RowEnd(int row) const;
  // The row the caret before `column` stands on: where the line wraps, the lower one.
  int RowOf(int column) const;
  // Within its row: the left and right edge of character `column`. The caret before
  // `column` stands at its left edge (for Columns(), at the line's end).
  float Left(int column) const;
  float Right(int column) const;
  // The column nearest to `x` on `row`: before the character under x, after it past its
  // middle; the row's end (the next row's start) right of its last character.
  int ColumnAt(int row, float x) const;
  // The widest row from edges[0], its hanging blanks taking no room.
  float Width() const;

 private:
  float RowOrigin(int row) const { return edges_[static_cast<std::size_t>(RowStart(row))] - edges_.front(); }

  std::vector<float> edges_;
  std::vector<int> starts_;  // the first column of each row
  float width_ = 0;
};

}  // namespace getlink
