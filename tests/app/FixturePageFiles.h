// The stand-in server's fixture share pages (tests/server/pages), read from the source tree
// (the folder GETLINK_FIXTURE_DIR) with the build's hosts filled in.
#pragma once

#include <string>

#include "runtime/Text.h"

namespace getlink::testing {

// The page's UTF-8 bytes exactly as the server sends it; empty when the file is missing.
std::string FixturePageUtf8(std::string_view service);

// The same page as the extractors see it: GBK text.
Text FixturePage(std::string_view service);

}  // namespace getlink::testing
