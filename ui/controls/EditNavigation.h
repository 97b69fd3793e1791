// Where the caret goes: the moves of the arrow, Home and End keys (with Ctrl: by words),
// and the word and line a double and a triple click select. Lines and columns as in
// EditDocument.
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

// Ctrl+Right and Ctrl+Left, as in a Windows edit box: to the start of the next word (past
// the blanks after this one) or of the word before; a line break is a stop of its own.
// A word is a run of ASCII characters other than blanks (so a pasted link is one word),
// a run of Chinese characters, or a run of full-width punctuation and symbols; blanks
// are spaces, tabs and the full-width space.
TextPosition WordRight(const EditDocument& document, TextPosition caret);
TextPosition WordLeft(const EditDocument& document, TextPosition caret);

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
