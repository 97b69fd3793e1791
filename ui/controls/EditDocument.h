// The text of an edit box: GBK bytes split into lines at "\r\n", each line measured and
// stacked from the top. Platform-neutral: measuring goes through a LineMeasurer, which
// the edit box implements with GDI+ and tests with a fixed-pitch stand-in.
//
// The text is always well formed: line breaks are "\r\n" pairs only, no zero byte, and
// every byte belongs to a whole character (EditCharacters.h). SetText and InsertAt make
// any input so, and no operation splits a character or a line break: byte indices that
// fall inside one are moved back to its start.
//
// Layout measures only lines whose bytes changed since the last layout (or all of them
// when the bounds, the font or the display mode changed), so typing in a long text costs
// one line's measuring plus a walk over the line table.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Text.h"
#include "ui/controls/EditInputMode.h"
#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// A caret place: line from 1, column from 0, counted in characters.
struct TextPosition {
  int line = 1;
  int column = 0;
};
inline bool operator==(const TextPosition& a, const TextPosition& b) {
  return a.line == b.line && a.column == b.column;
}
inline bool operator!=(const TextPosition& a, const TextPosition& b) { return !(a == b); }
inline bool operator<(const TextPosition& a, const TextPosition& b) {
  return a.line != b.line ? a.line < b.line : a.column < b.column;
}

struct LineSize {
  float width = 0;
  float height = 0;
};

// Where a line is laid out: the width its rows wrap at, 0 = no wrapping.
struct LayoutBounds {
  float width = 0;
};
inline bool operator==(const LayoutBounds& a, const LayoutBounds& b) { return a.width == b.width; }

class LineMeasurer {
 public:
  virtual ~LineMeasurer() = default;
  // The bounding size of one line's display text laid out within `bounds`.
  virtual LineSize MeasureLine(std::string_view displayText, const LayoutBounds& bounds) = 0;
};

// Bits of an edit box's scroll-bar flags.
enum class EditScrollFlags : int { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

class EditDocument {
 public:
  // Replaces the text. A single-line document keeps what stands before the first line
  // break. Bare "\r" and "\n" become "\r\n"; a zero byte ends the text; a byte that
  // starts no valid character becomes "?".
  void SetText(std::string_view text, bool multiLine, EditInputMode mode = EditInputMode::Normal,
               std::string_view passwordChar = "*");

  // Measures what changed and stacks the lines. The bounds follow the scroll bars: with
  // a horizontal bar (or in a single-line document) lines do not wrap; otherwise they wrap
  // at the text area's width, every row kept (the view follows the caret, bar or none).
  void Layout(LineMeasurer& measurer, const Rect& textArea, int scrollFlags);
  // The font or format changed: the next Layout measures every line again.
  void InvalidateLayout();

  // The line's bytes without its line break, or its first `count` characters. For
  // display: the password character once per character in Password mode, otherwise
  // every tab as a space, and an empty line as one space.
  Text LineText(int line, std::optional<int> count = std::nullopt, bool forDisplay = false) const;
  Text DisplayText(int line) const { return LineText(line, std::nullopt, true); }

  // The bytes between two indices, in either order.
  Text BytesBetween(std::size_t a, std::size_t b) const;
  // Removes the bytes between two indices (either order); returns where they began.
  std::size_t DeleteRange(std::size_t a, std::size_t b);
  // Inserts `text` (made well formed; in a single-line document cut at its first line
  // break) at `byteIndex`; returns the index just after it.
  std::size_t InsertAt(std::size_t byteIndex, std::string_view text);

  const Text& GetText() const { return text_; }
  std::size_t ByteLength() const { return text_.size(); }
  const char* Bytes() const { return text_.c_str(); }
  bool MultiLine() const { return multiLine_; }
  EditInputMode Mode() const { return mode_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  bool IsValidLine(int line) const { return line >= 1 && line <= LineCount(); }
  std::size_t LineStart(int line) const;
  // Characters in the line (without its line break).
  int LineLength(int line) const;
  // The line's place in the text area: left 0, top the sum of the lines above.
  Rect LineRect(int line) const;
  // The bounds of the last layout (where a line's characters are measured too).
  LayoutBounds Bounds() const { return bounds_.value_or(LayoutBounds{}); }
  float LineHeight() const { return lineHeight_; }
  float CharWidth() const { return charWidth_; }
  float ContentWidth() const { return contentWidth_; }
  float ContentHeight() const { return contentHeight_; }

  // Positions and byte indices. Lines and columns out of range are clamped.
  std::size_t ByteIndexOf(TextPosition position) const;
  TextPosition PositionOf(std::size_t byteIndex) const;
  TextPosition Clamp(TextPosition position) const;
  TextPosition EndPosition() const;
  // The line whose rectangle holds y (relative to the text area); above the first line
  // gives 1, below the last the last.
  int LineAtY(float y) const;

  // For tests and fuzzing: what is wrong with the document, or nothing. Checks the line
  // table against the text, that the text is well formed, and, after a layout, the
  // stacking; with a measurer, also that every kept measurement equals a fresh one.
  std::optional<std::string> Verify(LineMeasurer* measurer = nullptr) const;

 private:
  struct Line {
    std::size_t start = 0;
    LineSize size;
    bool measured = false;
    float top = 0;
  };

  // Takes a well-formed text; keeps the measurements of lines that did not change.
  void ReplaceText(std::string text);
  // Replaces the bytes from `start` to `end` (character boundaries) by a well-formed
  // piece; only the lines it touches are scanned again, the others keep their
  // measurements and move by the length difference.
  void Splice(std::size_t start, std::size_t end, std::string_view piece);
  std::string_view LineBytes(int line) const;
  // The start of the character (or line break) that holds `index`.
  std::size_t SnapToCharacter(std::size_t index) const;
  int LineOfByte(std::size_t index) const;
  LayoutBounds BoundsFor(const Rect& textArea, int scrollFlags) const;

  Text text_;
  std::vector<Line> lines_ = {Line{}};
  bool multiLine_ = false;
  EditInputMode mode_ = EditInputMode::Normal;
  Text passwordChar_ = "*";
  std::optional<LayoutBounds> bounds_;  // of the last layout; none = measure everything
  bool laidOut_ = false;
  float lineHeight_ = 0;
  float charWidth_ = 0;
  float contentWidth_ = 0;
  float contentHeight_ = 0;
};

}  // namespace getlink
