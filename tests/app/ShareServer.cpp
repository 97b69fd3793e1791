#include "tests/app/ShareServer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/FetchPage.h"
#include "runtime/Codec.h"
#include "runtime/TextConvert.h"
#include "runtime/TextSearch.h"

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

}  // namespace

Text ServerUrl(std::string_view path) {
  static const Text address = ServerAddress();
  return ConcatTexts(address, path);
}

Text ServerRecord() { return FetchPage(ServerUrl("/_record?format=text")); }

void ClearServerRecord() { ASSERT_EQ(FetchPage(ServerUrl("/_record/clear")), "cleared"); }

int RefusedPort() { return ToInteger(FetchPage(ServerUrl("/_refused_port"))); }

int CountRequests(std::string_view requestLine) {
  const Text record = ConcatTexts("\r\n\r\n", ServerRecord());
  const Text needle = ConcatTexts("\r\n\r\n", requestLine, "\r\n");
  int count = 0;
  for (int at = FindText(record, needle); at != -1; at = FindText(record, needle, at + 1)) ++count;
  return count;
}

}  // namespace getlink::testing
