// Caret moves, word and line selection, and the edit box's areas and scrolling.
#include <gtest/gtest.h>

#include <initializer_list>

#include "ui/controls/EditGeometry.h"
#include "ui/controls/EditNavigation.h"

namespace getlink::testing {
namespace {

EditDocument Multi(std::string_view text) {
  EditDocument document;
  document.SetText(text, true);
  return document;
}

// A caret move from one place, and where it must end.
struct Move {
  TextPosition (*move)(const EditDocument&, TextPosition);
  TextPosition from, to;
};

void ExpectMoves(const EditDocument& document, std::initializer_list<Move> moves) {
  for (const Move& m : moves) {
    const TextPosition got = m.move(document, m.from);
    EXPECT_EQ(got, m.to) << "case " << (&m - moves.begin()) << " from " << m.from.line << ":" << m.from.column
                         << " gave " << got.line << ":" << got.column;
  }
}

TEST(EditNavigation, ArrowsStepOverWholeCharactersAndAcrossLines) {
  ExpectMoves(Multi("ab中文\r\nxy\r\nlast"), {
      {StepLeft, {1, 4}, {1, 3}},   // two presses over two Chinese characters
      {StepLeft, {1, 3}, {1, 2}},
      {StepLeft, {2, 0}, {1, 4}},   // to the end of the line above
      {StepLeft, {1, 0}, {1, 0}},
      {StepRight, {2, 2}, {3, 0}},  // end of line 2 goes to line 3
      {StepRight, {3, 4}, {3, 4}},  // the end of the text stays
      {StepUp, {1, 2}, {1, 2}},
      {StepUp, {2, 2}, {1, 2}},
      {StepDown, {1, 4}, {2, 2}},   // the column is cut to the shorter line
      {StepDown, {3, 1}, {3, 1}},
      {LineEnd, {1, 0}, {1, 4}},
  });
}

TEST(EditNavigation, CtrlArrowsGoToTheStartsOfWords) {
  // Line 1: 链接 ： the link, a blank, 提取码 ： x7k2 (29 columns); line 2 begins with two
  // blanks and has a full-width blank after 中文.
  ExpectMoves(Multi("链接：https://a.b/c?d=1 提取码：x7k2\r\n  中文　ab\r\nend"), {
      {WordRight, {1, 0}, {1, 2}},    // a run of Chinese is a word, full-width punctuation another
      {WordRight, {1, 2}, {1, 3}},
      {WordRight, {1, 3}, {1, 21}},   // the link is one word, and the blank after it is passed
      {WordRight, {1, 10}, {1, 21}},
      {WordRight, {1, 25}, {1, 29}},  // the last word goes to the line's end
      {WordRight, {1, 29}, {2, 0}},   // the line break is a stop of its own
      {WordRight, {2, 0}, {2, 2}},
      {WordRight, {2, 2}, {2, 5}},    // past the full-width blank
      {WordRight, {3, 3}, {3, 3}},
      {WordLeft, {1, 29}, {1, 25}},
      {WordLeft, {1, 25}, {1, 24}},
      {WordLeft, {1, 21}, {1, 3}},
      {WordLeft, {1, 10}, {1, 3}},
      {WordLeft, {1, 3}, {1, 2}},
      {WordLeft, {1, 2}, {1, 0}},
      {WordLeft, {1, 0}, {1, 0}},
      {WordLeft, {2, 5}, {2, 2}},
      {WordLeft, {2, 2}, {2, 0}},
      {WordLeft, {2, 0}, {1, 29}},
  });
  // The punctuation of GBK's first row (、。“”《》, lead byte 0xA1) ends a run of Chinese
  // and makes a word of its own, as the full-width colon does.
  ExpectMoves(Multi("中文。“英文”《书名》、完"), {
      {WordRight, {1, 0}, {1, 2}},
      {WordRight, {1, 2}, {1, 4}},    // 。“
      {WordRight, {1, 4}, {1, 6}},
      {WordRight, {1, 6}, {1, 8}},    // ”《
      {WordRight, {1, 10}, {1, 12}},  // 》、
      {WordLeft, {1, 13}, {1, 12}},
      {WordLeft, {1, 12}, {1, 10}},
      {WordLeft, {1, 4}, {1, 2}},
      {WordLeft, {1, 2}, {1, 0}},
  });
}

TEST(EditNavigation, DoubleClickSelectsAsciiWordsOnly) {
  const EditDocument document = Multi("abc-def 中文 x9");
  struct Case {
    int column, from, to;
  };
  const Case cases[] = {
      {1, 0, 3},    // inside "abc" of "abc-def"
      {3, 0, 3},    // right after it
      {4, 4, 7},
      {8, 8, 9},    // a Chinese character: just the character after the caret
      {11, 11, 13},
      {13, 11, 13},
  };
  for (const Case& c : cases) {
    const TextRange word = WordAt(document, {1, c.column});
    EXPECT_EQ(word.anchor.column, c.from) << c.column;
    EXPECT_EQ(word.caret.column, c.to) << c.column;
  }
  const TextRange line = LineAt(document, 1);
  EXPECT_EQ(line.caret.column, 13);
}

TEST(EditGeometry, AreasMakeRoomForTheScrollBars) {
  const EditAreas both = ComputeEditAreas(200, 100, true, 3, 14, DefaultStyle());
  EXPECT_EQ(both.frame, (Rect{2, 2, 196, 96}));
  EXPECT_EQ(both.text, (Rect{2, 3, 186, 84}));
  EXPECT_EQ(both.verticalBar, (Rect{188, 3, 10, 84}));
  EXPECT_EQ(both.horizontalBar, (Rect{2, 87, 186, 10}));
  const EditAreas vertical = ComputeEditAreas(200, 100, true, 2, 14, DefaultStyle());
  EXPECT_EQ(vertical.verticalBar, (Rect{188, 3, 10, 94}));
  EXPECT_EQ(vertical.horizontalBar, Rect{});
  const EditAreas single = ComputeEditAreas(200, 30, false, 3, 14, DefaultStyle());
  EXPECT_EQ(single.frame, (Rect{2, 7, 196, 17}));  // one line of 14 + 3, centred
  EXPECT_EQ(single.text, (Rect{2, 8, 196, 17}));
  EXPECT_EQ(single.verticalBar, Rect{});
}

TEST(EditGeometry, TheViewScrollsJustEnoughToShowTheCaret) {
  const Rect area = {2, 3, 100, 50};
  const ScrollOffsets none;
  struct Case {
    Rect caret;
    ScrollOffsets from, to;
  };
  const Case cases[] = {
      {{10, 20, 1, 15}, none, none},
      {{10, 60, 1, 15}, none, {0, -24}},       // below: its bottom to the area's bottom less 2
      {{10, 11, 1, 15}, {0, -30}, {0, -10}},   // above: its top to the area's top less 2
      {{150, 20, 1, 15}, none, {-49, 0}},      // right of the area
      {{20, 20, 1, 15}, {-40, 0}, {-18, 0}},   // left of it
  };
  for (const Case& c : cases) {
    const ScrollOffsets got = ScrollToShow(c.caret, area, c.from, DefaultStyle().edit);
    EXPECT_EQ(got.x, c.to.x);
    EXPECT_EQ(got.y, c.to.y);
  }
  const ScrollOffsets limits = ScrollLimits(80, 130, area);
  EXPECT_EQ(limits.x, 0);
  EXPECT_EQ(limits.y, 80);
  EXPECT_EQ(ClampScroll({-5, -100}, limits).y, -80);
}

}  // namespace
}  // namespace getlink::testing
