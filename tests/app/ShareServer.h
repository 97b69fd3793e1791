// The stand-in share server (tests/server/share_server.py) that the network tests run
// against: share_server.py --run starts it and hands its address over in the environment
// variable GETLINK_SHARE_SERVER.
#pragma once

#include <string_view>

#include "runtime/Text.h"

namespace getlink::testing {

// "http://127.0.0.1:PORT" followed by the path; the test fails when the server is missing.
Text ServerUrl(std::string_view path);

// The requests the server received since the last ClearServerRecord, each as its request
// line ("GET /path"), its header lines, an empty line, its body and a line break.
Text ServerRecord();
void ClearServerRecord();

// A port on 127.0.0.1 where nothing listens.
int RefusedPort();

// How many recorded requests have exactly this request line ("GET /nul").
int CountRequests(std::string_view requestLine);

}  // namespace getlink::testing
