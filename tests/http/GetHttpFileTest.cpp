// GetHttpFile against the stand-in share server: whole bodies with or without a length,
// the HTTP/1.0 request it sends, and the bounds on time and size.
#include "http/GetHttpFile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "runtime/TextConvert.h"
#include "runtime/TextSearch.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using namespace std::chrono_literals;
using testing::ServerUrl;

Text GetText(std::string_view path, const FetchLimits& limits = {}) {
  const ByteSet body = GetHttpFile(ServerUrl(path), limits);
  return Text(body.begin(), body.end());
}

class GetHttpFileTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ClearServerRecord(); }
};

TEST_F(GetHttpFileTest, BodyWithoutContentLengthIsReadToItsEnd) {
  EXPECT_EQ(GetText("/unsized?bytes=30000"), Text(30000, 'u'));  // three reads and more
}

TEST_F(GetHttpFileTest, BodyLongerThanTheLargestReadIsReadWhole) {
  const Text body = GetText("/huge?mib=1");
  ASSERT_EQ(body.size(), 1u << 20);
  for (std::size_t i = 0; i < body.size(); i += 1021)
    ASSERT_EQ(body[i], 'a' + static_cast<char>(i % (26 * 1024) % 26)) << "at " << i;
}

TEST_F(GetHttpFileTest, CredentialsInTheLinkReachTheServer) {
  const ByteSet body = GetHttpFile("http://li:pa55@" + ServerUrl("/auth?user=li&password=pa55").substr(7), {});
  EXPECT_EQ(Text(body.begin(), body.end()), "user li");
}

TEST_F(GetHttpFileTest, BytesAsSentWhateverTheStatus) {
  EXPECT_EQ(GetText("/nul"), Text(1500, 'A') + '\0' + Text(499, 'B') + Text(1000, 'C'));
  EXPECT_EQ(GetText("/status/404"), "<html><body>status 404</body></html>");
}

TEST_F(GetHttpFileTest, SendsHttp10WithOneAcceptHeader) {
  const Text echo = GetText("/echo");  // the request as JSON
  EXPECT_NE(FindText(echo, R"("method": "GET")"), -1) << echo;
  EXPECT_NE(FindText(echo, R"("version": "HTTP/1.0")"), -1) << echo;
  EXPECT_NE(FindText(echo, R"x(["User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"])x"), -1) << echo;
  const int accept = FindText(echo, R"(["Accept", "*/*"])");
  EXPECT_NE(accept, -1) << echo;
  EXPECT_EQ(FindText(echo, R"(["Accept")", accept + 1), -1) << echo;
}

TEST_F(GetHttpFileTest, OnlyWebUrlsAreRequested) {
  const Text hostAndPath = testing::ServerHostAndPort() + "/vdisk/x";
  EXPECT_EQ(GetHttpFile("ftp://" + hostAndPath), ByteSet());
  EXPECT_EQ(GetHttpFile(hostAndPath), ByteSet());
  EXPECT_EQ(GetHttpFile(""), ByteSet());
  EXPECT_EQ(testing::RecordedRequests(), std::vector<Text>());
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/x";
  EXPECT_EQ(GetHttpFile(refused), ByteSet());
}

TEST_F(GetHttpFileTest, RedirectIsFollowedOnTheWebOnly) {
  EXPECT_EQ(GetText("/redirect?to=/unsized%3Fbytes%3D5"), "uuuuu");
  EXPECT_EQ(GetText("/redirect?to=file:///C:/windows/win.ini"), "");
  EXPECT_EQ(testing::RecordedRequests(),
            (std::vector<Text>{"GET /redirect?to=/unsized%3Fbytes%3D5", "GET /unsized?bytes=5",
                               "GET /redirect?to=file:///C:/windows/win.ini"}));
}

TEST_F(GetHttpFileTest, SilentServerEndsAtTheTimeLimit) {
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(GetText("/stall", FetchLimits{1000ms}), "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
}

TEST_F(GetHttpFileTest, EndlessBodyStopsAtTheByteLimit) {
  EXPECT_EQ(GetText("/endless", FetchLimits{20s, 300000}), Text(300000, 'e'));
  EXPECT_EQ(GetText("/endless").size(), FetchLimits{}.maxBytes);
}

}  // namespace
}  // namespace getlink
