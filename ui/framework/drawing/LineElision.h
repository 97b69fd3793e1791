// A line shortened to the room it is shown in by taking characters out of its middle, so
// that both ends stay readable: the start of a message says what failed, its end why. An
// address is recognised by its ends, so its middle goes first.
#pragma once

#include <functional>
#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// The width of a text in the font it is drawn in.
using MeasureLine = std::function<float(std::string_view text)>;

// `line` when it fits `room`; otherwise with as few characters taken out as make it fit,
// "…" in their place. Addresses and paths (runs of ASCII characters without blanks, long
// enough) lose characters first, each from its middle, the longest first: down to a few
// either side of the "…", then, when that is not enough, down to the "…" alone. Only then
// does the line lose its middle ("…" alone when nothing fits). Cuts fall between whole GBK
// characters.
Text ElideLine(std::string_view line, float room, const MeasureLine& width);

}  // namespace getlink
