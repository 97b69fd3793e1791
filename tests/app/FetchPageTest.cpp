// FetchPage against the stand-in share server: the body as sent, failures, links it must
// not request, and servers that send slowly, endlessly or too much.
#include "app/FetchPage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <vector>

#include "tests/app/FixturePages.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using namespace std::chrono_literals;
using testing::ClearServerRecord;
using testing::CountRequests;
using testing::ServerUrl;

class FetchPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearServerRecord(); }
};

TEST_F(FetchPageTest, ReturnsTheBodyBytesAsSent) {
  const std::string path = testing::FixtureLinkPath("weiyun");
  EXPECT_EQ(FetchPage(ServerUrl(path)), testing::FixturePageUtf8("weiyun"));
  EXPECT_EQ(CountRequests("GET " + path), 1);
}

TEST_F(FetchPageTest, FollowsRedirects) {
  const std::string path = testing::FixtureLinkPath("qiannao");
  EXPECT_EQ(FetchPage(ServerUrl("/redirect?to=" + path)), testing::FixturePageUtf8("qiannao"));
  EXPECT_EQ(CountRequests("GET " + path), 1);
}

TEST_F(FetchPageTest, CredentialsInTheLinkReachTheServer) {
  const Text url = ServerUrl("/auth?user=zhang&password=s3cret");
  EXPECT_EQ(FetchPage("http://zhang:s3cret@" + url.substr(7)), "user zhang");
}

TEST_F(FetchPageTest, ZeroByteEndsItsChunkOnly) {
  // 1500 A, a zero byte, 499 B, 1000 C: the second 1000-byte chunk keeps its 500 A only.
  EXPECT_EQ(FetchPage(ServerUrl("/nul")), std::string(1500, 'A') + std::string(1000, 'C'));
}

TEST_F(FetchPageTest, ErrorAnswersAreReadLikeAnyPageOnce) {
  EXPECT_EQ(FetchPage(ServerUrl("/status/404")), "<html><body>status 404</body></html>");
  EXPECT_EQ(FetchPage(ServerUrl("/status/500")), "<html><body>status 500</body></html>");
  EXPECT_EQ(CountRequests("GET /status/404"), 1);
  EXPECT_EQ(CountRequests("GET /status/500"), 1);
}

TEST_F(FetchPageTest, NoAnswerGivesEmptyText) {
  EXPECT_EQ(FetchPage(ServerUrl("/close")), "");
  // Nothing listens: refused at once, without waiting for the time limit.
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/baidu/s/1";
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(FetchPage(refused, FetchLimits{20s}), "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
}

TEST_F(FetchPageTest, LinkIsTrimmedBeforeTheRequest) {
  const std::string path = testing::FixtureLinkPath("vdisk");
  EXPECT_EQ(FetchPage(" \t\r\n" + ServerUrl(path) + "\r\n "), testing::FixturePageUtf8("vdisk"));
  EXPECT_EQ(CountRequests("GET " + path), 1);
}

TEST_F(FetchPageTest, OnlyWebLinksAreRequested) {
  const Text http = ServerUrl("/vdisk/x");
  const Text hostAndPath = http.substr(7);  // 127.0.0.1:PORT/vdisk/x
  EXPECT_EQ(FetchPage("ftp://" + hostAndPath), "");
  EXPECT_EQ(FetchPage(hostAndPath), "");
  EXPECT_EQ(FetchPage(""), "");
  EXPECT_EQ(testing::ServerRecord(), "");
}

// --- Limits --------------------------------------------------------------------------

TEST_F(FetchPageTest, SlowBodyEndsAtTheTimeLimitWithWhatArrived) {
  // 4000 bytes at one per 25 ms would take 100 s; the first arrives at once, well within 3 s
  // even on a busy machine.
  const Text page = FetchPage(ServerUrl("/slow?bytes=4000&interval_ms=25"), FetchLimits{3s});
  EXPECT_GT(page.size(), 0u);
  EXPECT_LT(page.size(), 4000u);
  EXPECT_EQ(page, std::string(page.size(), 's'));
}

TEST_F(FetchPageTest, SilentServerEndsAtTheTimeLimit) {
  EXPECT_EQ(FetchPage(ServerUrl("/stall"), FetchLimits{1000ms}), "");
}

TEST_F(FetchPageTest, EndlessBodyStopsAtTheByteLimit) {
  const Text page = FetchPage(ServerUrl("/endless"), FetchLimits{20s, 300000});
  EXPECT_EQ(page.size(), 300000u);
  EXPECT_EQ(page, std::string(300000, 'e'));
}

// A page cut short is closed in the background while the next fetch starts: its closing
// must never reach the next fetch's handles (WinINet hands out freed handle values again).
TEST_F(FetchPageTest, PageCutShortLeavesTheNextFetchAlone) {
  const std::string path = testing::FixtureLinkPath("weiyun");
  const Text expected = testing::FixturePageUtf8("weiyun");
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    FetchPage(ServerUrl("/endless"), FetchLimits{20s, 3000});
    FetchWatch watch;
    const Text page = FetchPage(ServerUrl(path), FetchLimits{}, &watch);
    ASSERT_EQ(watch.Failure(), std::nullopt);
    ASSERT_TRUE(page == expected) << page.size() << " bytes";
  }
}

TEST_F(FetchPageTest, HugeBodyStopsAtTheDefaultByteLimit) {
  const Text page = FetchPage(ServerUrl("/huge?mib=12"));
  ASSERT_EQ(page.size(), FetchLimits{}.maxBytes);
  for (std::size_t i = 0; i < page.size(); i += 4099)
    ASSERT_EQ(page[i], 'a' + static_cast<char>(i % (26 * 1024) % 26)) << "at " << i;
}

// --- What the watch hears --------------------------------------------------------------

TEST_F(FetchPageTest, WatchHearsWhyTheDownloadFailed) {
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/baidu/s/1";
  const struct {
    Text link;
    FetchLimits limits;
    std::optional<FetchFailure> failure;
  } cases[] = {
      {ServerUrl(testing::FixtureLinkPath("vdisk")), FetchLimits{}, std::nullopt},
      {ServerUrl("/status/404"), FetchLimits{}, FetchFailure{FailureKind::HttpStatus, 404}},
      {refused, FetchLimits{}, FetchFailure{FailureKind::ConnectionRefused}},
      {ServerUrl("/close"), FetchLimits{}, FetchFailure{FailureKind::DownloadFailed}},
      {ServerUrl("/stall"), FetchLimits{1000ms}, FetchFailure{FailureKind::TimedOut, 1000}},
      {ServerUrl("/slow?bytes=400&interval_ms=25"), FetchLimits{1000ms}, FetchFailure{FailureKind::TimedOut, 1000}},
      {ServerUrl("/endless"), FetchLimits{20s, 3000}, FetchFailure{FailureKind::PageTooLarge, 3000}},
      {ServerUrl("/huge?mib=1"), FetchLimits{20s, 1 << 20}, std::nullopt},  // exactly the bound is not too large
      // The end of a body without a length, told after a wait, is no failure.
      {ServerUrl("/unsized?bytes=50&linger_ms=300"), FetchLimits{}, std::nullopt},
      {"ftp://127.0.0.1/baidu/s/1", FetchLimits{}, FetchFailure{FailureKind::NotWebLink}},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.link);
    FetchWatch watch;
    FetchPage(entry.link, entry.limits, &watch);
    EXPECT_EQ(watch.Failure(), entry.failure);
  }
}

TEST_F(FetchPageTest, WatchHearsTheBytesReceivedAndTheTimeLeft) {
  std::vector<FetchProgress> heard;
  FetchWatch watch([&heard](const FetchProgress& progress) { heard.push_back(progress); });
  const Text page = FetchPage(ServerUrl("/huge?mib=1"), FetchLimits{20s}, &watch);
  ASSERT_EQ(page.size(), 1u << 20);
  ASSERT_GT(heard.size(), 2u);
  EXPECT_EQ(heard.back().bytesReceived, page.size());
  for (std::size_t i = 1; i < heard.size(); ++i) {
    EXPECT_GT(heard[i].bytesReceived, heard[i - 1].bytesReceived);
    EXPECT_LE(heard[i].timeLeft, heard[i - 1].timeLeft);
  }
  EXPECT_LE(heard.front().timeLeft, 20s);
  EXPECT_GT(heard.back().timeLeft, 0ms);
}

}  // namespace
}  // namespace getlink
