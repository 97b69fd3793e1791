// Fuzz target: the edit box's text model and its undo history driven by a byte-coded
// sequence of operations, with the document checked after each (EditDocument::Verify: line
// table against the text, well-formed text without a split double-byte character or line
// break, the stacking of a layout, and every kept measurement equal to a fresh one). An
// undo followed by a redo (and the other way round) gives the text back, the selections
// they answer lie on characters of the text, and undoing every step at the end gives back
// the text set last.
// Input: a flags byte (bit 0 multi-line, bits 1-3 the input mode), then operations, each an
// operation byte (its low four bits) and its arguments: 0 set the text (a text up to a zero
// byte), 1 insert (a two-byte index, a text), 2 delete (two two-byte indices), 3 lay out (a
// width byte and the scroll-bar flags in the operation byte's bits 4-5), 4 go to a byte
// index and back through its position (a two-byte index), 5 undo, 6 redo, 7 end the typing
// run. Insertions and deletions are edits of the kind in the operation byte's bits 4-7.
#include <string>

#include "tests/fuzz/FuzzInput.h"
#include "tests/ui/controls/FixedPitchMeasurer.h"
#include "ui/controls/EditHistory.h"

namespace getlink::fuzz {
namespace {

enum class Operation { SetText, Insert, Delete, Layout, Position, Undo, Redo, EndRun, Count };

struct Session {
  EditDocument document;
  EditHistory history;
  Text setLast;  // the text as SetText left it
};

EditKind KindOf(std::uint8_t code) { return static_cast<EditKind>((code >> 4) % 5); }

// One undo (or redo), checked by taking it back and making it again.
void StepAndBack(Session& s, bool redo) {
  const Text before = s.document.GetText();
  const auto step = [&](bool forward) { return forward ? s.history.Redo(s.document) : s.history.Undo(s.document); };
  const std::optional<ByteSelection> selection = step(redo);
  if (!selection) {
    Require(s.document.GetText() == before, "nothing to undo or redo changes nothing");
    return;
  }
  for (const std::size_t end : {selection->anchor, selection->caret})
    Require(end <= s.document.ByteLength() && s.document.ByteIndexOf(s.document.PositionOf(end)) == end,
            "an undo or redo selects characters of the text");
  const Text after = s.document.GetText();
  step(!redo);
  Require(s.document.GetText() == before, "an undo and a redo give back the text");
  step(redo);
  Require(s.document.GetText() == after, "an undo or redo made again gives the same text");
}

// A byte index from two bytes, reaching a little past the end of the text.
std::size_t NextIndex(FuzzInput& input, const EditDocument& document) {
  const std::size_t raw = static_cast<std::size_t>(input.NextByte()) << 8 | input.NextByte();
  return raw % (document.ByteLength() + 3);
}

void Apply(FuzzInput& input, Session& s, testing::FixedPitchMeasurer& measurer, bool multiLine, EditInputMode mode) {
  EditDocument& document = s.document;
  const std::uint8_t code = input.NextByte();
  switch (static_cast<Operation>((code & 0x0F) % static_cast<int>(Operation::Count))) {
    case Operation::SetText:
      document.SetText(input.NextText(), multiLine, mode);
      s.history.Clear();
      s.setLast = document.GetText();
      break;
    case Operation::Insert: {
      const std::size_t at = NextIndex(input, document);
      const std::size_t end = s.history.Replace(document, at, at, input.NextText(), KindOf(code));
      Require(end <= document.ByteLength(), "an insertion ends within the text");
      break;
    }
    case Operation::Delete: {
      const std::size_t a = NextIndex(input, document);
      const std::size_t b = NextIndex(input, document);
      Require(s.history.Replace(document, a, b, {}, KindOf(code)) <= document.ByteLength(),
              "a deletion begins within the text");
      break;
    }
    case Operation::Layout: {
      const float width = static_cast<float>(input.NextByte());
      document.Layout(measurer, {0, 0, width, 60}, (code >> 4) & 3);
      break;
    }
    case Operation::Position: {
      const TextPosition position = document.PositionOf(NextIndex(input, document));
      Require(document.Clamp(position) == position, "a position of the text is within it");
      Require(document.PositionOf(document.ByteIndexOf(position)) == position, "positions and byte indices agree");
      break;
    }
    case Operation::Undo:
    case Operation::Redo:
      StepAndBack(s, (code & 0x0F) % static_cast<int>(Operation::Count) == static_cast<int>(Operation::Redo));
      break;
    case Operation::EndRun:
      s.history.EndRun();
      break;
    case Operation::Count:
      break;
  }
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::uint8_t flags = input.NextByte();
  const bool multiLine = (flags & 1) != 0;
  const auto mode = static_cast<EditInputMode>((flags >> 1) % 5);
  Session session;
  session.document.SetText("", multiLine, mode);
  testing::FixedPitchMeasurer measurer;
  // Fewer operations than the history keeps steps: nothing is forgotten.
  for (int step = 0; step < 64 && !input.Rest().empty(); ++step) {
    Apply(input, session, measurer, multiLine, mode);
    const std::optional<std::string> wrong = session.document.Verify(&measurer);
    if (wrong) Require(false, wrong->c_str());
  }
  while (session.history.Undo(session.document)) {
  }
  Require(session.document.GetText() == session.setLast, "undoing every step gives back the text set last");
}

}  // namespace getlink::fuzz
