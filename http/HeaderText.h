// Reading HTTP header lines and cutting text between markers.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/Text.h"

namespace getlink {

// The text before / after the line's first ":", trimmed of blanks at both ends; empty when
// the line has no ":". A value holding ":" itself (a URL, a time) stays whole.
Text HeaderLineName(std::string_view line);
Text HeaderLineValue(std::string_view line);

// The byte count a Content-Length value announces: decimal digits alone, no sign or blank;
// nothing for any other value.
std::optional<std::uint64_t> ContentLengthValue(std::string_view value);

// The text between the first `left` marker found from the 1-based `start` (below 1 counts
// as 1) and the first `right` marker after it; empty when either marker is missing or the
// two touch. In both markers "#引号" stands for a double quote. Letter case is ignored
// unless `letters` says otherwise.
Text TextBetween(std::string_view text, std::string_view left, std::string_view right,
                 int start = 1, Case letters = Case::Insensitive);

}  // namespace getlink
