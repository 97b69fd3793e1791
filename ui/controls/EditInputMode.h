// What an edit box lets the user do with its text.
#pragma once

namespace getlink {

enum class EditInputMode : int {
  Normal = 0,
  ReadOnly = 1,  // caret, selection, copy and select-all only
  Password = 2,  // every character shown as the password character; no selecting, no Ctrl commands
  Digits = 3,    // typed characters other than 0-9 are dropped
  Decimal = 4,   // digits and one full stop
};

}  // namespace getlink
