// Where the caret goes: the moves of the arrow, Home and End keys, and the word and line
// a double and a triple click select. Lines and columns as in EditDocument.
#pragma once

#include "ui/controls/EditDocument.h"

namespace getlink {

// One character left; from the start of a line to the end of the line above.
TextPosition StepLeft(const EditDocument& document, TextPosition caret);
// One character right; from the end of a line to the start of the line below.
TextPosition StepRight(const EditDocument& document, TextPosition caret);
// One line up or down, the column cut to the new line's length.
TextPosition StepUp(const EditDocument& document, TextPosition caret);
TextPosition StepDown(const EditDocument& document, TextPosition caret);
TextPosition LineHome(TextPosition caret);
TextPosition LineEnd(const EditDocument& document, TextPosition caret);

struct TextRange {
  TextPosition anchor;
  TextPosition caret;
};

// The run of ASCII letters and digits around the caret; where there is none, the one
// character after the caret.
TextRange WordAt(const EditDocument& document, TextPosition caret);
// The whole line, anchor at its start and caret at its end.
TextRange LineAt(const EditDocument& document, int line);

}  // namespace getlink
