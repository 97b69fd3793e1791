// Where a line of the edit box wraps, and where its characters stand in their rows.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/controls/EditRows.h"

namespace getlink::testing {
namespace {

// Rows of `text` laid out from a leading space of 0.5 with advances of 1, or of
// `wideAdvance` for characters beyond ASCII.
EditRows RowsOf(std::wstring_view text, std::optional<float> room, float wideAdvance = 2) {
  std::vector<float> edges = {0.5f};
  for (const wchar_t c : text) edges.push_back(edges.back() + (c < 0x80 ? 1 : wideAdvance));
  return EditRows(text, edges, room);
}

// The rows as text, "|" between them.
std::wstring Shown(std::wstring_view text, const EditRows& rows) {
  std::wstring shown;
  for (int row = 0; row < rows.RowCount(); ++row) {
    if (row > 0) shown += L'|';
    shown += text.substr(static_cast<std::size_t>(rows.RowStart(row)),
                         static_cast<std::size_t>(rows.RowEnd(row) - rows.RowStart(row)));
  }
  return shown;
}

TEST(EditRows, ALineWrapsAfterBlanksOrWhereARowIsFull) {
  struct Case {
    const wchar_t* text;
    std::optional<float> room;
    const wchar_t* rows;
    float width;
  };
  const Case cases[] = {
      {L"abcdefghij", 4, L"abcd|efgh|ij", 4},        // no blank (a link): cut where full
      {L"ab cdefgh", 4, L"ab |cdef|gh", 4},          // back to the blank, the word starts a row
      {L"ab cd ef", 5, L"ab cd |ef", 5},             // the blank after a full row stays on it
      {L"abc     def", 4, L"abc     |def", 4},       // blanks hang past the edge, taking no room
      {L"   abcdef", 4, L"   |abcd|ef", 4},
      {L"中文\x3000中文", 5, L"中文\x3000|中文", 5},  // the full-width blank is a blank
      {L"中文中文中", 5, L"中文|中文|中", 4},         // Chinese without blanks fills each row
      {L"中中", 1, L"中|中", 2},                      // a row holds one character however narrow
      {L"ab cdefgh", std::nullopt, L"ab cdefgh", 9},  // no room given: one row
  };
  for (const Case& c : cases) {
    const EditRows rows = RowsOf(c.text, c.room);
    EXPECT_EQ(Shown(c.text, rows), c.rows) << static_cast<int>(&c - cases);
    EXPECT_EQ(rows.Width(), c.width) << static_cast<int>(&c - cases);
  }
}

TEST(EditRows, TheCaretAndPointsFollowTheRows) {
  const EditRows rows = RowsOf(L"ab cdefgh", 4);  // "ab |cdef|gh"
  EXPECT_EQ(rows.RowOf(2), 0);
  EXPECT_EQ(rows.RowOf(3), 1);  // where the line wraps the caret stands on the lower row
  EXPECT_EQ(rows.RowOf(9), 2);
  EXPECT_EQ(rows.Left(3), 0.5f);  // a row's first character starts after the leading space
  EXPECT_EQ(rows.Right(4), 2.5f);
  EXPECT_EQ(rows.Left(9), 2.5f);  // the line's end
  struct Case {
    int row;
    float x;
    int column;
  };
  const Case cases[] = {
      {1, 0.9f, 3},   // left half of c
      {1, 1.1f, 4},   // right half
      {1, -5, 3},
      {0, 100, 3},    // right of a row: its end, the next row's start
      {2, 100, 9},
  };
  for (const Case& c : cases) EXPECT_EQ(rows.ColumnAt(c.row, c.x), c.column) << c.row << " " << c.x;
}

}  // namespace
}  // namespace getlink::testing
