// Fuzz target: the edit box's text model driven by a byte-coded sequence of operations,
// with the document checked after each (EditDocument::Verify: line table against the text,
// well-formed text without a split double-byte character or line break, the stacking of a
// layout, and every kept measurement equal to a fresh one).
// Input: a flags byte (bit 0 multi-line, bits 1-3 the input mode), then operations, each an
// operation byte (its low four bits) and its arguments: 0 set the text (a text up to a zero byte), 1 insert (a
// two-byte index, a text), 2 delete (two two-byte indices), 3 lay out (a width byte and
// the scroll-bar flags in the operation byte's bits 4-5), 4 go to a byte index and back
// through its position (a two-byte index).
#include <string>

#include "tests/fuzz/FuzzInput.h"
#include "tests/ui/controls/FixedPitchMeasurer.h"
#include "ui/controls/EditDocument.h"

namespace getlink::fuzz {
namespace {

enum class Operation { SetText, Insert, Delete, Layout, Position, Count };

// A byte index from two bytes, reaching a little past the end of the text.
std::size_t NextIndex(FuzzInput& input, const EditDocument& document) {
  const std::size_t raw = static_cast<std::size_t>(input.NextByte()) << 8 | input.NextByte();
  return raw % (document.ByteLength() + 3);
}

void Apply(FuzzInput& input, EditDocument& document, testing::FixedPitchMeasurer& measurer, bool multiLine,
           EditInputMode mode) {
  const std::uint8_t code = input.NextByte();
  switch (static_cast<Operation>((code & 0x0F) % static_cast<int>(Operation::Count))) {
    case Operation::SetText:
      document.SetText(input.NextText(), multiLine, mode);
      break;
    case Operation::Insert: {
      const std::size_t at = NextIndex(input, document);
      const std::size_t end = document.InsertAt(at, input.NextText());
      Require(end <= document.ByteLength(), "an insertion ends within the text");
      break;
    }
    case Operation::Delete: {
      const std::size_t a = NextIndex(input, document);
      const std::size_t b = NextIndex(input, document);
      Require(document.DeleteRange(a, b) <= document.ByteLength(), "a deletion begins within the text");
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
    case Operation::Count:
      break;
  }
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::uint8_t flags = input.NextByte();
  const bool multiLine = (flags & 1) != 0;
  const auto mode = static_cast<EditInputMode>((flags >> 1) % 5);
  EditDocument document;
  document.SetText("", multiLine, mode);
  testing::FixedPitchMeasurer measurer;
  for (int step = 0; step < 64 && !input.Rest().empty(); ++step) {
    Apply(input, document, measurer, multiLine, mode);
    const std::optional<std::string> wrong = document.Verify(&measurer);
    if (wrong) Require(false, wrong->c_str());
  }
}

}  // namespace getlink::fuzz
