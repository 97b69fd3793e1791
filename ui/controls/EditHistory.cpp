#include "ui/controls/EditHistory.h"

#include <utility>

namespace getlink {

std::size_t EditHistory::Replace(EditDocument& document, std::size_t start, std::size_t end, std::string_view text,
                                 EditKind kind) {
  Step step{kind, 0, document.BytesBetween(start, end), {}};
  step.start = document.DeleteRange(start, end);
  const std::size_t after = document.InsertAt(step.start, text);
  step.inserted = document.BytesBetween(step.start, after);
  if (step.removed.empty() && step.inserted.empty()) return after;

  for (const Step& dropped : redo_) heldBytes_ -= dropped.Bytes();
  redo_.clear();
  if (!Merge(step)) {
    heldBytes_ += step.Bytes();
    undo_.push_back(std::move(step));
  }
  runOpen_ = kind == EditKind::Typed || kind == EditKind::Erased;
  Trim();
  return after;
}

bool EditHistory::Merge(const Step& step) {
  if (!runOpen_ || undo_.empty() || undo_.back().kind != step.kind) return false;
  Step& last = undo_.back();
  if (step.kind == EditKind::Typed && step.removed.empty() && step.start == last.start + last.inserted.size()) {
    last.inserted += step.inserted;
  } else if (step.kind == EditKind::Erased && step.inserted.empty() && last.inserted.empty() &&
             step.start + step.removed.size() == last.start) {
    last.removed.insert(0, step.removed);
    last.start = step.start;
  } else {
    return false;
  }
  heldBytes_ += step.Bytes();
  return true;
}

void EditHistory::Trim() {
  // The newest step stays whatever its size.
  std::size_t drop = 0;
  while (undo_.size() - drop > 1 && (undo_.size() - drop > kMaxSteps || heldBytes_ > kMaxBytes)) {
    heldBytes_ -= undo_[drop].Bytes();
    ++drop;
  }
  undo_.erase(undo_.begin(), undo_.begin() + static_cast<std::ptrdiff_t>(drop));
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
  heldBytes_ = 0;
  runOpen_ = false;
}

void EditHistory::Apply(EditDocument& document, std::size_t start, const Text& from, const Text& to) {
  // Both texts were cut from the document at `start`, so they go back byte for byte.
  document.DeleteRange(start, start + from.size());
  document.InsertAt(start, to);
}

std::optional<ByteSelection> EditHistory::Undo(EditDocument& document) {
  if (undo_.empty()) return std::nullopt;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  Apply(document, step.start, step.inserted, step.removed);
  const ByteSelection restored{step.start, step.start + step.removed.size()};
  redo_.push_back(std::move(step));
  runOpen_ = false;
  return restored;
}

std::optional<ByteSelection> EditHistory::Redo(EditDocument& document) {
  if (redo_.empty()) return std::nullopt;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  Apply(document, step.start, step.removed, step.inserted);
  const std::size_t after = step.start + step.inserted.size();
  undo_.push_back(std::move(step));
  runOpen_ = false;
  return ByteSelection{after, after};
}

}  // namespace getlink
