// Every download path (FetchPage, GetHttpFile, the WinHttp request object behind
// WebRequest) against a hostile server: answers that never come, come one byte a second or
// never end, giant header lines, redirects to local files, links that must never be
// requested. Each download ends within its time limit (2 s here, so that the matrix runs in
// seconds), gives nothing it should not, reads no local file and sends no header line it
// did not mean to. getlink-cli runs the same cases with the real limits (hostile_cli_test.py).
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "app/FetchPage.h"
#include "http/GetHttpFile.h"
#include "http/WebRequest.h"
#include "runtime/Codec.h"
#include "runtime/TextSearch.h"
#include "runtime/WinHandles.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::ServerUrl;

// The time limit of the downloads here, so that the matrix runs in seconds.
constexpr std::chrono::seconds kLimit{2};
// A download ends within its limit and this much more (closing, a Wine start-up hiccup).
constexpr auto kSlack = 3s;

struct DownloadPath {
  const char* name;
  Text (*download)(const Text& url, std::chrono::seconds limit);
  bool readsPages;  // FetchPage and GetHttpFile keep what came; the request object keeps nothing of an answer cut short
};

Text ByFetchPage(const Text& url, std::chrono::seconds limit) { return FetchPage(url, FetchLimits{limit}); }

Text ByGetHttpFile(const Text& url, std::chrono::seconds limit) {
  const ByteSet body = GetHttpFile(url, FetchLimits{limit});
  return Text(body.begin(), body.end());
}

Text ByWebRequest(const Text& url, std::chrono::seconds limit) {
  WebRequestOptions options;
  options.method = "POST";
  options.timeoutSeconds = static_cast<std::int32_t>(limit.count());
  const ByteSet body = WebRequest(url, options);
  return Text(body.begin(), body.end());
}

const DownloadPath kPaths[] = {
    {"FetchPage", ByFetchPage, true},
    {"GetHttpFile", ByGetHttpFile, true},
    {"WebRequest", ByWebRequest, false},
};

struct Download {
  Text body;
  Clock::duration took;
};

Download DownloadOn(const DownloadPath& path, const Text& url, std::chrono::seconds limit = kLimit) {
  const Clock::time_point started = Clock::now();
  Text body = path.download(url, limit);
  return Download{std::move(body), Clock::now() - started};
}

Text Repeated(char c, std::size_t n) { return Text(n, c); }

// A file that must never be read, in the temporary folder, as a file:// URL.
class LocalSecret {
 public:
  LocalSecret() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    path_ = FromWide(folder) + "getlink-hostile-secret.txt";
    const UniqueHandle file(CreateFileW(ToWide(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file.get(), kContent, sizeof kContent - 1, &written, nullptr));
  }
  ~LocalSecret() { DeleteFileW(ToWide(path_).c_str()); }
  LocalSecret(const LocalSecret&) = delete;
  LocalSecret& operator=(const LocalSecret&) = delete;

  Text Url() const {
    Text url = "file:///" + path_;
    for (char& c : url)
      if (c == '\\') c = '/';
    return url;
  }
  static constexpr char kContent[] = "SECRET-4f1c-never-to-be-read";

 private:
  Text path_;
};

class HostileServerTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ClearServerRecord(); }

  // No request the server saw carries a line it was not meant to.
  void TearDown() override {
    const Text record = testing::ServerRecord();
    EXPECT_EQ(FindText(record, "X-Injected"), -1) << record.substr(0, 2000);
  }

  // Runs the download on every path, checking that each ends within the limit.
  template <class Check>
  void OnEveryPath(const Text& url, Check check) {
    for (const DownloadPath& path : kPaths) {
      SCOPED_TRACE(path.name);
      const Download download = DownloadOn(path, url);
      EXPECT_LT(download.took, kLimit + kSlack);
      check(path, download.body);
    }
  }
};

TEST_F(HostileServerTest, NoAnswerEndsAtTheTimeLimitWithNothing) {
  for (const char* route : {"/hostile/silent", "/hostile/trickle?part=head"}) {
    SCOPED_TRACE(route);
    OnEveryPath(ServerUrl(route), [](const DownloadPath&, const Text& body) { EXPECT_EQ(body, ""); });
  }
}

TEST_F(HostileServerTest, TrickledBodyEndsAtTheTimeLimit) {
  OnEveryPath(ServerUrl("/hostile/trickle?interval_ms=100"), [](const DownloadPath& path, const Text& body) {
    if (!path.readsPages) {
      EXPECT_EQ(body, "");
      return;
    }
    EXPECT_GT(body.size(), 0u);
    EXPECT_LT(body.size(), 100u);  // of 1 MiB announced
    EXPECT_EQ(body, Repeated('t', body.size()));
  });
}

TEST_F(HostileServerTest, GiantHeaderLineLeavesTheBodyAlone) {
  // 200 KiB of header line, then the 360 share page.
  OnEveryPath(ServerUrl("/hostile/long-header"), [](const DownloadPath&, const Text& body) {
    EXPECT_TRUE(body.empty() || FindText(body, "nid : '13718923744520577',") != -1) << body.substr(0, 200);
  });
}

TEST_F(HostileServerTest, ErrorStatusIsReadLikeAnyAnswer) {
  OnEveryPath(ServerUrl("/answer?status=500&body=oops"),
              [](const DownloadPath&, const Text& body) { EXPECT_EQ(body, "oops"); });
}

TEST_F(HostileServerTest, FailuresEndAtOnce) {
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/x";
  // A label of 64 characters: the resolver refuses the name without asking anyone.
  const Text unresolvable = "http://" + Repeated('a', 64) + ".invalid/x";
  for (const Text& url : {refused, unresolvable}) {
    SCOPED_TRACE(url);
    OnEveryPath(url, [](const DownloadPath&, const Text& body) { EXPECT_EQ(body, ""); });
  }
}

TEST_F(HostileServerTest, LocalFilesAreNeverRead) {
  const LocalSecret secret;
  const Text redirect = ServerUrl("/hostile/file-location?to=" + testing::QueryValue(secret.Url()));
  for (const Text& url : {secret.Url(), redirect}) {
    SCOPED_TRACE(url);
    OnEveryPath(url, [](const DownloadPath&, const Text& body) {
      EXPECT_EQ(FindText(body, LocalSecret::kContent), -1);
    });
  }
}

TEST_F(HostileServerTest, LinksHoldingLineBreaksOrNoSchemeAreNeverRequested) {
  const Text echo = ServerUrl("/echo?case=");
  const Text links[] = {
      echo + "crlf\r\nX-Injected: 1",
      echo + "lf\nX-Injected: 1",
      echo + "cr\rX-Injected: 1",
      echo.substr(std::string_view("http://").size()) + "no-scheme",
  };
  for (const Text& link : links) {
    SCOPED_TRACE(link);
    OnEveryPath(link, [](const DownloadPath&, const Text& body) { EXPECT_EQ(body, ""); });
  }
  EXPECT_EQ(testing::RecordedRequests(), std::vector<Text>());
}

TEST_F(HostileServerTest, SeventyThousandCharacterLinkEndsInTime) {
  // Sent or refused on the way; the server refuses request lines of more than 64 KiB.
  OnEveryPath(ServerUrl("/echo?x=" + Repeated('a', 70000)), [](const DownloadPath&, const Text& body) {
    EXPECT_TRUE(body.empty() || FindText(body, "Error code: 414") != -1) << body.substr(0, 200);
  });
}

// Last, and the request object last of all: Wine's object, left to end on its own when its
// time is up, goes on taking the endless body until it can hold no more, which slows down
// whatever runs meanwhile.
// The byte limit is what counts here: the time limit is the real one, for slow machines.
TEST_F(HostileServerTest, EndlessBodyStopsAtTheByteLimit) {
  for (const DownloadPath& path : kPaths) {
    SCOPED_TRACE(path.name);
    for (const char* route : {"/hostile/endless", "/hostile/endless?length=huge"}) {
      SCOPED_TRACE(route);
      const std::chrono::seconds limit = path.readsPages ? 30s : 15s;
      const Download download = DownloadOn(path, ServerUrl(route), limit);
      EXPECT_LT(download.took, limit + kSlack);
      if (!path.readsPages) {
        EXPECT_EQ(download.body, "");
        continue;
      }
      EXPECT_EQ(download.body.size(), FetchLimits{}.maxBytes);
      EXPECT_EQ(download.body.find_first_not_of('e'), Text::npos);
    }
  }
}

}  // namespace
}  // namespace getlink
