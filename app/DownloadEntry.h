// The address and the file name as a download manager is handed them, in the aria2 input
// file getlink-cli writes and in the request that sends them to aria2.
#pragma once

#include "runtime/Text.h"

namespace getlink {

// The address fit for one line of a list: blanks and control characters percent-encoded,
// so that nothing a share page holds can break a line or add one.
Text LineSafeAddress(std::string_view address);

// The file name with every path separator, drive colon and control character made "_",
// so that the download stays in the download manager's folder; empty when nothing but dots
// would remain ("..").
Text SafeFileName(std::string_view name);

}  // namespace getlink
