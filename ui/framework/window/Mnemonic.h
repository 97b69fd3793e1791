// The mnemonic letter of a caption: the character after the first "&" ("&&" stands for
// a plain "&"), which Alt plus that letter activates.
#pragma once

#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// The byte after the marking "&", or 0 when the caption has none.
inline int MnemonicCharacter(std::string_view caption) {
  for (std::size_t i = 0; i < caption.size(); i += CharacterWidthAt(caption, i)) {
    if (caption[i] != '&') continue;
    if (i + 1 >= caption.size()) return 0;
    if (caption[i + 1] != '&') return static_cast<unsigned char>(caption[i + 1]);
    ++i;  // "&&": a plain "&", stepped over with the loop's own step
  }
  return 0;
}

// The caption as it reads: the marking "&" left out, "&&" as one "&".
inline Text WithoutMnemonicMarks(std::string_view caption) {
  Text plain;
  for (std::size_t i = 0; i < caption.size();) {
    if (caption[i] == '&') ++i;  // the mark; of "&&" the second one stays
    if (i >= caption.size()) break;
    const std::size_t width = CharacterWidthAt(caption, i);
    plain.append(caption.substr(i, width));
    i += width;
  }
  return plain;
}

}  // namespace getlink
