// What the extractors must find in the stand-in server's fixture share pages.
#pragma once

#include <string>

#include "app/ShareInfo.h"
#include "tests/app/FixturePageFiles.h"

namespace getlink::testing {

// The fields of the service's fixture page.
ShareInfo ExpectedFixtureInfo(std::string_view service);

// The link path under which the server serves the page (as its demo shows it).
std::string FixtureLinkPath(std::string_view service);

// Every field compared, each reported by name.
void ExpectShareInfo(const ShareInfo& actual, const ShareInfo& expected);

}  // namespace getlink::testing
