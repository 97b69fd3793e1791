#include "tests/support/ShareServer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "http/GetHttpFile.h"
#include "runtime/Codec.h"
#include "runtime/TextConvert.h"
#include "runtime/TextParts.h"

namespace getlink::testing {
namespace {

Text ServerAddress() {
  wchar_t value[256] = {};
  const DWORD length = GetEnvironmentVariableW(L"GETLINK_SHARE_SERVER", value, 256);
  if (length == 0 || length >= 256) {
    ADD_FAILURE() << "GETLINK_SHARE_SERVER is not set: run the test through "
                     "tests/server/share_server.py --run -- scripts/wine TEST.exe";
    return "http://127.0.0.1:9";
  }
  return FromWide(value);
}

// The body of one of the server's own pages.
Text ServerText(std::string_view path) { return ByteSetToText(GetHttpFile(ServerUrl(path))); }

}  // namespace

Text ServerUrl(std::string_view path) {
  static const Text address = ServerAddress();
  return ConcatTexts(address, path);
}

Text ServerHostAndPort() { return ServerUrl("").substr(std::string_view("http://").size()); }

Text ServerRecord() { return ServerText("/_record?format=text"); }

void ClearServerRecord() { ASSERT_EQ(ServerText("/_record/clear"), "cleared"); }

std::vector<Text> RecordedRequests() { return SplitText(ServerText("/_record?format=lines"), "\r\n"); }

int CountRequests(std::string_view requestLine) {
  const std::vector<Text> requests = RecordedRequests();
  return static_cast<int>(std::count(requests.begin(), requests.end(), requestLine));
}

int RefusedPort() { return ToInteger(ServerText("/_refused_port")); }

Text QueryValue(std::string_view text) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  Text encoded;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
        c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += c;
    } else {
      encoded += {'%', kDigits[byte >> 4], kDigits[byte & 15]};
    }
  }
  return encoded;
}

}  // namespace getlink::testing
