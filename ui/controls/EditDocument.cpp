#include "ui/controls/EditDocument.h"

#include <algorithm>
#include <cstring>

#include "ui/controls/EditCharacters.h"

namespace getlink {
namespace {

constexpr char kLineBreak[] = "\r\n";
// Measured for the line height and the character width.
constexpr char kSample[] = "A";

// `text` made well formed (see SetText). A single-line text ends at its first break.
std::string WellFormed(std::string_view text, bool multiLine) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == 0) break;
    if (byte == '\r' || byte == '\n') {
      if (!multiLine) break;
      out += kLineBreak;
      if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    if (!IsGbkLeadByte(byte)) {
      // 0xFF begins no character of code page 936; 0x80 is one on its own (the euro sign).
      out += byte == 0xFF ? '?' : static_cast<char>(byte);
      continue;
    }
    if (GbkCharacterWidth(text, i) == 2) {
      out.append(text.data() + i, 2);
      ++i;
    } else {
      out += '?';
    }
  }
  return out;
}

}  // namespace

void EditDocument::SetText(std::string_view text, bool multiLine, EditInputMode mode, std::string_view passwordChar) {
  const bool displayChanged =
      mode != mode_ || (mode == EditInputMode::Password && passwordChar != passwordChar_);
  multiLine_ = multiLine;
  mode_ = mode;
  passwordChar_ = Text(passwordChar);
  if (displayChanged) InvalidateLayout();
  ReplaceText(WellFormed(text, multiLine));
}

void EditDocument::ReplaceText(std::string text) {
  std::vector<Line> next(1);
  for (std::size_t at = text.find(kLineBreak); at != std::string::npos; at = text.find(kLineBreak, at + 2)) {
    next.emplace_back();
    next.back().start = at + 2;
  }

  // Lines whose bytes are the same in both texts keep their measurement: first those at
  // the top, then those at the bottom.
  const std::string old = std::move(text_);
  text_ = std::move(text);
  auto bytesOf = [](const std::string& s, const std::vector<Line>& lines, std::size_t i) {
    const std::size_t end = i + 1 < lines.size() ? lines[i + 1].start - 2 : s.size();
    return std::string_view(s).substr(lines[i].start, end - lines[i].start);
  };
  const std::size_t common = std::min(lines_.size(), next.size());
  std::size_t top = 0;
  for (; top < common && bytesOf(old, lines_, top) == bytesOf(text_, next, top); ++top) {
    next[top].size = lines_[top].size;
    next[top].measured = lines_[top].measured;
  }
  for (std::size_t k = 1; k <= common - top; ++k) {
    const std::size_t o = lines_.size() - k, n = next.size() - k;
    if (bytesOf(old, lines_, o) != bytesOf(text_, next, n)) break;
    next[n].size = lines_[o].size;
    next[n].measured = lines_[o].measured;
  }
  lines_ = std::move(next);
  laidOut_ = false;
}

void EditDocument::InvalidateLayout() {
  bounds_.reset();
  laidOut_ = false;
}

LayoutBounds EditDocument::BoundsFor(const Rect& textArea, int scrollFlags) const {
  if (!multiLine_ || (scrollFlags & static_cast<int>(EditScrollFlags::Horizontal)) != 0) return {0};
  return {textArea.width};
}

void EditDocument::Layout(LineMeasurer& measurer, const Rect& textArea, int scrollFlags) {
  const LayoutBounds bounds = BoundsFor(textArea, scrollFlags);
  if (!bounds_ || !(*bounds_ == bounds)) {
    for (Line& line : lines_) line.measured = false;
    const LineSize sample = measurer.MeasureLine(kSample, {0});
    lineHeight_ = sample.height;
    charWidth_ = sample.width;
    bounds_ = bounds;
  }
  float top = 0;
  contentWidth_ = 0;
  for (int i = 0; i < LineCount(); ++i) {
    Line& line = lines_[static_cast<std::size_t>(i)];
    if (!line.measured) {
      line.size = measurer.MeasureLine(DisplayText(i + 1), bounds);
      line.measured = true;
    }
    line.top = top;
    top += line.size.height;
    contentWidth_ = std::max(contentWidth_, line.size.width);
  }
  contentHeight_ = top;
  laidOut_ = true;
}

std::string_view EditDocument::LineBytes(int line) const {
  if (!IsValidLine(line)) return {};
  const auto i = static_cast<std::size_t>(line - 1);
  const std::size_t start = lines_[i].start;
  const std::size_t end = i + 1 < lines_.size() ? lines_[i + 1].start - 2 : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

Text EditDocument::LineText(int line, std::optional<int> count, bool forDisplay) const {
  std::string_view bytes = LineBytes(line);
  if (count) bytes = bytes.substr(0, GbkBytesOfColumns(bytes, std::max(*count, 0)));
  if (!forDisplay) return Text(bytes);
  Text shown;
  if (mode_ == EditInputMode::Password) {
    for (int c = GbkColumns(bytes); c > 0; --c) shown += passwordChar_;
  } else {
    // GDI+ draws a tab as nothing on Wine, whatever the tab stops: a tab is shown as a
    // space, which keeps one display character per column.
    shown = Text(bytes);
    std::replace(shown.begin(), shown.end(), '\t', ' ');
  }
  return shown.empty() ? Text(" ") : shown;
}

std::size_t EditDocument::LineStart(int line) const {
  return IsValidLine(line) ? lines_[static_cast<std::size_t>(line - 1)].start : 0;
}

int EditDocument::LineLength(int line) const { return GbkColumns(LineBytes(line)); }

Rect EditDocument::LineRect(int line) const {
  if (!IsValidLine(line)) return {};
  const Line& l = lines_[static_cast<std::size_t>(line - 1)];
  return {0, l.top, l.size.width, l.size.height};
}

int EditDocument::LineOfByte(std::size_t index) const {
  const auto after = std::upper_bound(lines_.begin(), lines_.end(), index,
                                      [](std::size_t i, const Line& line) { return i < line.start; });
  return static_cast<int>(after - lines_.begin());
}

std::size_t EditDocument::SnapToCharacter(std::size_t index) const {
  index = std::min(index, text_.size());
  const int line = LineOfByte(index);
  const std::string_view bytes = LineBytes(line);
  const std::size_t start = LineStart(line);
  if (index >= start + bytes.size()) return std::min(index, start + bytes.size());  // inside the line break
  std::size_t at = start;
  while (at < index) {
    const std::size_t width = GbkCharacterWidth(text_, at);
    if (at + width > index) break;
    at += width;
  }
  return at;
}

Text EditDocument::BytesBetween(std::size_t a, std::size_t b) const {
  a = SnapToCharacter(a);
  b = SnapToCharacter(b);
  if (a > b) std::swap(a, b);
  return text_.substr(a, b - a);
}

std::size_t EditDocument::DeleteRange(std::size_t a, std::size_t b) {
  a = SnapToCharacter(a);
  b = SnapToCharacter(b);
  if (a > b) std::swap(a, b);
  if (a != b) Splice(a, b, {});
  return a;
}

std::size_t EditDocument::InsertAt(std::size_t byteIndex, std::string_view text) {
  byteIndex = SnapToCharacter(byteIndex);
  // Well formed on its own, the piece cannot join with its neighbours into a character.
  const std::string piece = WellFormed(text, multiLine_);
  if (piece.empty()) return byteIndex;
  Splice(byteIndex, byteIndex, piece);
  return byteIndex + piece.size();
}

void EditDocument::Splice(std::size_t start, std::size_t end, std::string_view piece) {
  // The lines from the one holding `start` to the one holding `end` are replaced; the
  // line break after the last of them lies beyond `end` and stays.
  const auto first = static_cast<std::size_t>(LineOfByte(start) - 1);
  const auto last = static_cast<std::size_t>(LineOfByte(end) - 1);
  const std::size_t regionStart = lines_[first].start;
  const bool lastIsFinal = last + 1 == lines_.size();
  const std::size_t oldRegionEnd = lastIsFinal ? text_.size() : lines_[last + 1].start - 2;
  text_.replace(start, end - start, piece);
  const std::size_t newRegionEnd = oldRegionEnd + piece.size() - (end - start);

  std::vector<Line> middle(1);
  middle[0].start = regionStart;
  for (std::size_t at = text_.find(kLineBreak, regionStart); at != std::string::npos && at < newRegionEnd;
       at = text_.find(kLineBreak, at + 2)) {
    middle.emplace_back();
    middle.back().start = at + 2;
  }
  for (std::size_t i = last + 1; i < lines_.size(); ++i) lines_[i].start = lines_[i].start + piece.size() - (end - start);
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.begin() + static_cast<std::ptrdiff_t>(last + 1));
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(first), middle.begin(), middle.end());
  laidOut_ = false;
}

TextPosition EditDocument::Clamp(TextPosition position) const {
  position.line = std::clamp(position.line, 1, LineCount());
  position.column = std::clamp(position.column, 0, LineLength(position.line));
  return position;
}

TextPosition EditDocument::EndPosition() const { return {LineCount(), LineLength(LineCount())}; }

std::size_t EditDocument::ByteIndexOf(TextPosition position) const {
  position = Clamp(position);
  return LineStart(position.line) + GbkBytesOfColumns(LineBytes(position.line), position.column);
}

TextPosition EditDocument::PositionOf(std::size_t byteIndex) const {
  byteIndex = SnapToCharacter(byteIndex);
  const int line = LineOfByte(byteIndex);
  return {line, GbkColumns(std::string_view(text_).substr(LineStart(line), byteIndex - LineStart(line)))};
}

int EditDocument::LineAtY(float y) const {
  const auto after = std::upper_bound(lines_.begin(), lines_.end(), y,
                                      [](float value, const Line& line) { return value < line.top; });
  return std::clamp(static_cast<int>(after - lines_.begin()), 1, LineCount());
}

std::optional<std::string> EditDocument::Verify(LineMeasurer* measurer) const {
  if (lines_.empty() || lines_[0].start != 0) return "the first line does not start at 0";
  if (std::memchr(text_.data(), 0, text_.size()) != nullptr) return "the text holds a zero byte";
  std::size_t line = 1;
  for (std::size_t i = 0; i < text_.size(); i += GbkCharacterWidth(text_, i)) {
    const auto byte = static_cast<unsigned char>(text_[i]);
    if (byte == '\n') return "a line feed without a carriage return at " + std::to_string(i);
    if (byte == 0xFF || (IsGbkLeadByte(byte) && GbkCharacterWidth(text_, i) != 2))
      return "a byte that starts no character at " + std::to_string(i);
    if (byte != '\r') continue;
    if (i + 1 >= text_.size() || text_[i + 1] != '\n') return "a carriage return alone at " + std::to_string(i);
    if (!multiLine_) return "a line break in a single-line document";
    if (line >= lines_.size() || lines_[line].start != i + 2) return "line " + std::to_string(line + 1) + " misplaced";
    ++line;
    ++i;  // the line feed
  }
  if (line != lines_.size()) return "the line table has " + std::to_string(lines_.size()) + " lines, the text " +
                                    std::to_string(line);
  if (!laidOut_) return std::nullopt;
  float top = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].measured) return "line " + std::to_string(i + 1) + " laid out unmeasured";
    if (lines_[i].top != top) return "line " + std::to_string(i + 1) + " not stacked";
    top += lines_[i].size.height;
    if (measurer != nullptr && bounds_) {
      const LineSize fresh = measurer->MeasureLine(DisplayText(static_cast<int>(i + 1)), *bounds_);
      if (fresh.width != lines_[i].size.width || fresh.height != lines_[i].size.height)
        return "line " + std::to_string(i + 1) + " keeps a stale measurement";
    }
  }
  if (top != contentHeight_) return "the content height is not the sum of the lines";
  return std::nullopt;
}

}  // namespace getlink
