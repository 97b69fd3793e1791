// The edit box's undo history: which edits make one step, what undo and redo give back,
// and its bounds.
#include <gtest/gtest.h>

#include "ui/controls/EditHistory.h"

namespace getlink::testing {
namespace {

// One edit: the bytes from `start` to `end` replaced by `text`, after a caret move when
// `moved`.
struct Edit {
  std::size_t start, end;
  std::string text;
  EditKind kind;
  bool moved = false;
};

TEST(EditHistory, RunsOfTypingAndErasingAreOneStepAndUndoGivesBackTextAndSelection) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<Edit> edits;
    std::size_t steps;
    std::string afterUndo;  // of the last step
    ByteSelection selection;
  };
  const Case cases[] = {
      {"typing at the place the run left off", "x",
       {{1, 1, "a", EditKind::Typed}, {2, 2, "中", EditKind::Typed}, {4, 4, "\r\n", EditKind::Typed}},
       1, "x", {1, 1}},
      {"typing elsewhere", "xy", {{1, 1, "a", EditKind::Typed}, {0, 0, "b", EditKind::Typed}}, 2, "xay", {0, 0}},
      {"typing after a caret move", "x", {{1, 1, "a", EditKind::Typed}, {2, 2, "b", EditKind::Typed, true}}, 2,
       "xa", {2, 2}},
      {"typing over a selection starts a step", "abc",
       {{3, 3, "d", EditKind::Typed}, {1, 2, "X", EditKind::Typed}, {2, 2, "Y", EditKind::Typed}}, 2, "abcd",
       {1, 2}},
      {"a run of Backspace", "ab中c",
       {{4, 5, "", EditKind::Erased}, {2, 4, "", EditKind::Erased}, {1, 2, "", EditKind::Erased}}, 1, "ab中c",
       {1, 5}},
      {"a deleted selection, then Backspace", "abcd", {{2, 4, "", EditKind::Deleted}, {1, 2, "", EditKind::Erased}},
       2, "ab", {1, 2}},
      {"typing, then Backspace", "", {{0, 0, "ab", EditKind::Typed}, {1, 2, "", EditKind::Erased}}, 2, "ab", {1, 2}},
      {"pastes in a row", "", {{0, 0, "ab", EditKind::Pasted}, {2, 2, "cd", EditKind::Pasted}}, 2, "ab", {2, 2}},
      {"a cut", "one\r\ntwo", {{2, 6, "", EditKind::Cut}}, 1, "one\r\ntwo", {2, 6}},
      {"a paste over a selection made backwards", "abc", {{3, 1, "中文", EditKind::Pasted}}, 1, "abc", {1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditDocument document;
    document.SetText(c.text, true);
    EditHistory history;
    for (const Edit& edit : c.edits) {
      if (edit.moved) history.EndRun();
      history.Replace(document, edit.start, edit.end, edit.text, edit.kind);
    }
    const Text edited = document.GetText();
    EXPECT_EQ(history.UndoSteps(), c.steps);

    const std::optional<ByteSelection> undone = history.Undo(document);
    ASSERT_TRUE(undone);
    EXPECT_EQ(document.GetText(), c.afterUndo);
    EXPECT_EQ(undone->anchor, c.selection.anchor);
    EXPECT_EQ(undone->caret, c.selection.caret);
    EXPECT_EQ(document.Verify(), std::nullopt);

    const std::optional<ByteSelection> redone = history.Redo(document);
    ASSERT_TRUE(redone);
    EXPECT_EQ(document.GetText(), edited);
    EXPECT_FALSE(history.CanRedo());
    while (history.Undo(document)) {
    }
    EXPECT_EQ(document.GetText(), c.text);
  }
}

TEST(EditHistory, ANewEditDropsWhatCouldBeRedoneAndNothingChangedIsNoStep) {
  EditDocument document;
  EditHistory history;
  history.Replace(document, 0, 0, "ab", EditKind::Pasted);
  history.Replace(document, 2, 2, "c", EditKind::Pasted);
  history.Undo(document);
  EXPECT_TRUE(history.CanRedo());
  // Nothing removed, nothing inserted: no step, and the redo step stays.
  history.Replace(document, 1, 1, "", EditKind::Pasted);
  history.Replace(document, 1, 1, std::string(1, '\0'), EditKind::Pasted);
  EXPECT_TRUE(history.CanRedo());
  EXPECT_EQ(history.UndoSteps(), 1u);

  history.Replace(document, 0, 0, "x", EditKind::Typed);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.Redo(document));
  EXPECT_EQ(document.GetText(), "xab");
  // A character typed where a run left off, but after an undo, starts a step of its own.
  history.Replace(document, 0, 0, "y", EditKind::Typed);
  history.Undo(document);
  history.Replace(document, 1, 1, "z", EditKind::Typed);
  EXPECT_EQ(document.GetText(), "xzab");
  EXPECT_EQ(history.UndoSteps(), 3u);
}

TEST(EditHistory, KeepsAtMostItsStepsAndBytesButAlwaysTheNewestStep) {
  EditDocument document;
  EditHistory history;
  for (std::size_t i = 0; i < EditHistory::kMaxSteps + 20; ++i) history.Replace(document, i, i, "a", EditKind::Pasted);
  EXPECT_EQ(history.UndoSteps(), EditHistory::kMaxSteps);
  EXPECT_EQ(history.HeldBytes(), EditHistory::kMaxSteps);

  const std::string third(EditHistory::kMaxBytes / 3, 'x');
  for (int i = 0; i < 3; ++i) history.Replace(document, 0, 0, third, EditKind::Pasted);
  EXPECT_LE(history.HeldBytes(), EditHistory::kMaxBytes);
  EXPECT_GE(history.UndoSteps(), 3u);

  // Everything selected and replaced by more than the bound: one step, held all the same.
  const std::string big(EditHistory::kMaxBytes, 'y');
  history.Replace(document, 0, document.ByteLength(), big, EditKind::Pasted);
  EXPECT_EQ(history.UndoSteps(), 1u);
  const Text before = document.GetText();
  history.Undo(document);
  EXPECT_EQ(document.ByteLength(), EditHistory::kMaxSteps + 20 + 3 * third.size());
  history.Redo(document);
  EXPECT_TRUE(document.GetText() == before);
}

}  // namespace
}  // namespace getlink::testing
