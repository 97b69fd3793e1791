// The edit box's text model: well-formed text, lines and columns, edits that never split
// a character, and a layout that measures only what changed.
#include <gtest/gtest.h>

#include <random>

#include "tests/ui/controls/FixedPitchMeasurer.h"
#include "ui/controls/EditDocument.h"

namespace getlink::testing {
namespace {

using std::string_literals::operator""s;

EditDocument Multi(std::string_view text) {
  EditDocument document;
  document.SetText(text, true);
  return document;
}

TEST(EditDocumentText, SetTextStoresWellFormedLines) {
  struct Case {
    std::string in;
    bool multiLine;
    std::string stored;
    int lines;
  };
  const Case cases[] = {
      {"one\ntwo", true, "one\r\ntwo", 2},
      {"one\r\ntwo", false, "one", 1},
      {"one\ntwo", false, "one", 1},
      {"a\rb\r\r\nc", true, "a\r\nb\r\n\r\nc", 4},  // a lone CR breaks a line too
      {"ab\0cd"s, true, "ab", 1},                    // a zero byte ends the text
      {"中文\r\n", true, "中文\r\n", 2},
      {"x\xFFy", true, "x?y", 1},                    // 0xFF starts no character
      {"x\x81", true, "x?", 1},                      // a lead byte without its trail
      {"\x81 \x81\x7F", true, "? ?\x7F", 1},         // a lead byte before a non-trail
      {"\x80\xA1\xA1", true, "\x80\xA1\xA1", 1},     // the euro sign and a full-width space
      {"", true, "", 1},
  };
  for (const Case& c : cases) {
    EditDocument document;
    document.SetText(c.in, c.multiLine);
    EXPECT_EQ(document.GetText(), c.stored) << c.in;
    EXPECT_EQ(document.LineCount(), c.lines) << c.in;
    EXPECT_EQ(document.Verify(), std::nullopt) << c.in;
  }
}

TEST(EditDocumentText, ColumnsCountCharactersNotBytes) {
  const EditDocument document = Multi("中a文\r\nxy");
  EXPECT_EQ(document.LineLength(1), 3);
  EXPECT_EQ(document.ByteIndexOf({1, 2}), 3u);
  EXPECT_EQ(document.ByteIndexOf({2, 1}), 8u);
  EXPECT_EQ(document.ByteIndexOf({9, 9}), 9u);  // clamped to the end
  EXPECT_EQ(document.PositionOf(1), (TextPosition{1, 0}));  // inside 中
  EXPECT_EQ(document.PositionOf(6), (TextPosition{1, 3}));  // between CR and LF
  EXPECT_EQ(document.LineText(1, 2), "中a");
  EXPECT_EQ(document.LineStart(2), 7u);
}

TEST(EditDocumentText, DisplayTextHidesPasswordsAndKeepsEmptyLinesVisible) {
  EditDocument document;
  document.SetText("a\tb c\r\n\r\n中文", true);
  EXPECT_EQ(document.DisplayText(1), "a b c");
  EXPECT_EQ(document.DisplayText(2), " ");
  document.SetText("p 中", false, EditInputMode::Password, "*");
  EXPECT_EQ(document.DisplayText(1), "***");
}

TEST(EditDocumentEdits, IndicesInsideACharacterOrALineBreakMoveToItsStart) {
  EditDocument document = Multi("中文\r\nab");
  EXPECT_EQ(document.BytesBetween(1, 3), "中");
  EXPECT_EQ(document.DeleteRange(3, 1), 0u);  // either order; 1 is inside 中
  EXPECT_EQ(document.GetText(), "文\r\nab");
  EXPECT_EQ(document.InsertAt(3, "x"), 3u);    // between CR and LF: before the CR
  EXPECT_EQ(document.GetText(), "文x\r\nab");
  EXPECT_EQ(document.Verify(), std::nullopt);
}

TEST(EditDocumentEdits, InsertedBytesNeverJoinTheirNeighbours) {
  EditDocument document = Multi("@b");
  // A lone lead byte would otherwise take the "@" as its trail byte.
  EXPECT_EQ(document.InsertAt(0, "\x81"), 1u);
  EXPECT_EQ(document.GetText(), "?@b");
}

TEST(EditDocumentEdits, SingleLineInsertKeepsTheTextAfterTheCaret) {
  EditDocument document;
  document.SetText("abcd", false);
  EXPECT_EQ(document.InsertAt(2, "xy\r\nzz"), 4u);
  EXPECT_EQ(document.GetText(), "abxycd");
}

TEST(EditDocumentLayout, BoundsFollowTheScrollBars) {
  // 20 wide characters: 240 pixels, in a text area 100 wide and 30 high.
  const std::string line(40, '\xD6');
  const Rect area = {0, 0, 100, 30};
  struct Case {
    bool multiLine;
    int flags;
    LineSize size;
  };
  const Case cases[] = {
      {true, 1, {240, 14}},   // horizontal bar: no wrapping
      {true, 3, {240, 14}},
      {true, 2, {100, 42}},   // vertical bar only: wraps into three rows
      {true, 0, {100, 42}},   // no bars: the same, every row kept
      {false, 0, {240, 14}},  // a single line never wraps: it scrolls
  };
  for (const Case& c : cases) {
    EditDocument document;
    document.SetText(line + "\r\n", c.multiLine);
    FixedPitchMeasurer measurer;
    document.Layout(measurer, area, c.flags);
    EXPECT_EQ(document.LineRect(1).width, c.size.width) << c.flags;
    EXPECT_EQ(document.LineRect(1).height, c.size.height) << c.flags;
    EXPECT_EQ(document.ContentWidth(), c.size.width);
  }
}

TEST(EditDocumentLayout, LinesStackAndYFindsTheirLine) {
  EditDocument document = Multi("one\r\n\r\nthree");
  FixedPitchMeasurer measurer;
  document.Layout(measurer, {0, 0, 200, 100}, 3);
  EXPECT_EQ(document.LineRect(2).height, FixedPitchMeasurer::kRow);  // an empty line is one row high
  EXPECT_EQ(document.LineRect(3).top, 2 * FixedPitchMeasurer::kRow);
  EXPECT_EQ(document.ContentHeight(), 3 * FixedPitchMeasurer::kRow);
  EXPECT_EQ(document.LineHeight(), FixedPitchMeasurer::kRow);
  EXPECT_EQ(document.LineAtY(-5), 1);
  EXPECT_EQ(document.LineAtY(14), 2);
  EXPECT_EQ(document.LineAtY(500), 3);
}

TEST(EditDocumentLayout, TypingMeasuresOnlyTheChangedLine) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "line " + std::to_string(i) + "\r\n";
  EditDocument document = Multi(text);
  FixedPitchMeasurer measurer;
  document.Layout(measurer, {0, 0, 300, 200}, 3);
  measurer.calls = 0;
  document.InsertAt(document.ByteLength(), "x");
  document.Layout(measurer, {0, 0, 300, 200}, 3);
  EXPECT_EQ(measurer.calls, 1);
  document.InsertAt(document.ByteIndexOf({1000, 2}), "\r\n");  // splits one line in two
  document.Layout(measurer, {0, 0, 300, 200}, 3);
  EXPECT_EQ(measurer.calls, 3);
  EXPECT_EQ(document.Verify(&measurer), std::nullopt);
}

// Random edits and replacements of random bytes: the text stays well formed and every
// measurement that the layout keeps equals a fresh one.
TEST(EditDocumentLayout, RandomEditsKeepTheDocumentConsistent) {
  std::mt19937 random(11);
  const std::string pieces[] = {"a", " ", "\r", "\n", "\r\n", "中", "\xD6", "\xD0\xCE", "\x81", "\xFF", "xy\nz"};
  for (bool multiLine : {true, false}) {
    EditDocument document;
    document.SetText("start", multiLine);
    FixedPitchMeasurer measurer;
    for (int step = 0; step < 400; ++step) {
      const std::size_t a = random() % (document.ByteLength() + 3);
      const std::size_t b = random() % (document.ByteLength() + 3);
      std::string piece;
      for (int n = static_cast<int>(random() % 4); n > 0; --n) piece += pieces[random() % std::size(pieces)];
      switch (random() % 5) {
        case 0: document.DeleteRange(a, b); break;
        case 1: document.SetText(piece + document.GetText().substr(a % (document.ByteLength() + 1)), multiLine); break;
        default: document.InsertAt(a, piece); break;
      }
      if (random() % 2 == 0) document.Layout(measurer, {0, 0, 60.f + static_cast<float>(random() % 2) * 40, 50}, 2);
      ASSERT_EQ(document.Verify(&measurer), std::nullopt) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace getlink::testing
