// The undo and redo steps of an edit box. Every edit goes through Replace, which changes
// the document and records what it removed and inserted; Undo and Redo play a step back
// or again and say where the selection goes.
//
// One step is one typing run, one paste, one cut, one run of Backspace or one deleted
// selection: a typed character (or IME result) at the place where the run left off joins
// its run, and so does a Backspace just before the characters its run removed. EndRun
// (the caret moved, a click) ends a run; so does an undo or a redo, and any other kind of
// edit. A new edit drops the steps that could be redone.
//
// Bounded: at most kMaxSteps steps and kMaxBytes of removed and inserted text; the oldest
// steps go first, but the newest step is kept whatever its size, so a paste of any size
// can be undone.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/controls/EditDocument.h"

namespace getlink {

enum class EditKind { Typed, Erased, Pasted, Cut, Deleted };

// Byte indices of a selection's two ends.
struct ByteSelection {
  std::size_t anchor = 0;
  std::size_t caret = 0;
};

class EditHistory {
 public:
  static constexpr std::size_t kMaxSteps = 100;
  static constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

  // Replaces the bytes between `start` and `end` (either order) by `text` (made well
  // formed as EditDocument::InsertAt makes it) and records the change; returns the
  // index just after the inserted text. Nothing is recorded when nothing changed.
  std::size_t Replace(EditDocument& document, std::size_t start, std::size_t end, std::string_view text,
                      EditKind kind);
  // The next edit starts a step of its own.
  void EndRun() { runOpen_ = false; }
  // Forgets every step (the text was replaced as a whole).
  void Clear();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Takes the last step back: the text it removed comes back selected (or the caret
  // stands where its inserted text was). Nothing when there is no step.
  std::optional<ByteSelection> Undo(EditDocument& document);
  // Makes the last undone step again: the caret after its inserted text.
  std::optional<ByteSelection> Redo(EditDocument& document);

  std::size_t UndoSteps() const { return undo_.size(); }
  // Bytes of text the steps hold.
  std::size_t HeldBytes() const { return heldBytes_; }

 private:
  struct Step {
    EditKind kind;
    std::size_t start;
    Text removed;
    Text inserted;
    std::size_t Bytes() const { return removed.size() + inserted.size(); }
  };

  // Joins `step` to the last one when it continues its run.
  bool Merge(const Step& step);
  // Swaps the step's removed and inserted bytes in the document.
  static void Apply(EditDocument& document, std::size_t start, const Text& from, const Text& to);
  void Trim();

  std::vector<Step> undo_;
  std::vector<Step> redo_;
  std::size_t heldBytes_ = 0;
  bool runOpen_ = false;
};

}  // namespace getlink
