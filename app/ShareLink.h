// Making a pasted share link fit for a request.
#pragma once

#include "runtime/Text.h"

namespace getlink {

// The link without the blanks, tabs and line breaks around it (a link copied out of a chat
// often brings some along).
Text TrimLink(std::string_view link);

// Whether the link is an http:// or https:// address (scheme in any case) with something
// after the scheme and no control character (a line break inside would add lines of the
// link's own to a request): only such links are requested, and only such addresses shown.
bool IsWebLink(std::string_view link);

}  // namespace getlink
