// The stand-in share server (tests/server/share_server.py) that the network tests run
// against: share_server.py --run starts it and hands its address over in the environment
// variable GETLINK_SHARE_SERVER.
#pragma once

#include <string_view>
#include <vector>

#include "runtime/Text.h"

namespace getlink::testing {

// "http://127.0.0.1:PORT" followed by the path; the test fails when the server is missing.
Text ServerUrl(std::string_view path);

// "127.0.0.1:PORT", the server as a proxy names it.
Text ServerHostAndPort();

// The requests the server received since the last ClearServerRecord, each as its request
// line ("GET /path"), its header lines, an empty line, its body and a line break.
Text ServerRecord();
void ClearServerRecord();

// The request lines alone ("POST /share/downloadfile/"), in the order they arrived.
std::vector<Text> RecordedRequests();

// How many recorded requests have exactly this request line ("GET /nul").
int CountRequests(std::string_view requestLine);

// A port on 127.0.0.1 where nothing listens.
int RefusedPort();

// The text percent-encoded for a query value (every byte but letters, digits and "-._~").
Text QueryValue(std::string_view text);

}  // namespace getlink::testing
