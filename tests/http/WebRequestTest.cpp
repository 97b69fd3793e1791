// WebRequest against the stand-in share server: what goes out (method, header lines in
// order, cookies, body), what comes back (body, header block, redirect target, cookies)
// and the character-set conversion.
#include "http/WebRequest.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <algorithm>
#include <initializer_list>

#include "http/RequestHeaders.h"
#include "runtime/TextConvert.h"
#include "runtime/TextSearch.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using testing::QueryValue;
using testing::ServerRecord;
using testing::ServerUrl;

constexpr char kUtf8Chinese[] = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文

// The request as the server's echo received it.
struct Echoed {
  Text requestLine;
  std::vector<HeaderField> headers;
  Text body;

  std::vector<Text> Names() const {
    std::vector<Text> names;
    for (const HeaderField& field : headers) names.push_back(field.name);
    return names;
  }
  // The value of the first header of that name; "(none)" when there is none.
  Text Value(std::string_view name) const {
    for (const HeaderField& field : headers)
      if (field.name == name) return field.value;
    return "(none)";
  }
};

Echoed ParseEcho(const ByteSet& bytes) {
  const Text text(bytes.begin(), bytes.end());
  const std::size_t headEnd = text.find("\r\n\r\n");
  const std::size_t lineEnd = text.find("\r\n");
  if (headEnd == Text::npos) return Echoed{text, {}, ""};
  Echoed echoed{text.substr(0, lineEnd), RequestHeaderFields(text.substr(lineEnd + 2, headEnd - lineEnd - 2)),
                text.substr(headEnd + 4)};
  if (echoed.body.size() >= 2) echoed.body.resize(echoed.body.size() - 2);  // the record's final line break
  return echoed;
}

const Text& EchoUrl() {
  static const Text url = ServerUrl("/echo?format=text");
  return url;
}

Echoed Echo(const WebRequestOptions& options) { return ParseEcho(WebRequest(EchoUrl(), options)); }

// An answer of the server carrying these header lines.
Text AnswerUrl(std::initializer_list<std::string_view> headerLines, std::string_view type = "text/plain",
               std::string_view body = "") {
  Text url = ConcatTexts(ServerUrl("/answer?type="), QueryValue(type), "&body=", QueryValue(body));
  for (std::string_view line : headerLines) url += ConcatTexts("&header=", QueryValue(line));
  return url;
}

// Whether `wanted` appears in `names` in this order (other names may come between).
bool InOrder(const std::vector<Text>& names, const std::vector<Text>& wanted) {
  std::size_t next = 0;
  for (const Text& name : names)
    if (next < wanted.size() && name == wanted[next]) ++next;
  return next == wanted.size();
}

bool Contains(std::string_view text, std::string_view part) { return FindText(text, part) != -1; }

class WebRequestTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ClearServerRecord(); }
};

// --- What goes out ---------------------------------------------------------------------

TEST_F(WebRequestTest, OnlyExactPostPosts) {
  WebRequestOptions options;
  options.postText = "a=1";
  options.method = "post";
  EXPECT_EQ(Echo(options).requestLine, "GET /echo?format=text");
  options.method.reset();
  EXPECT_EQ(Echo(options).requestLine, "GET /echo?format=text");
  options.method = "POST";
  const Echoed posted = Echo(options);
  EXPECT_EQ(posted.requestLine, "POST /echo?format=text");
  EXPECT_EQ(posted.body, "a=1");
}

TEST_F(WebRequestTest, EmptyHeadersReceiveTheDefaultBlockSentAfterTheCookie) {
  Text headers;
  Text cookies = "sid=1; lang=zh";
  WebRequestOptions options;
  options.headers = &headers;
  options.cookies = &cookies;
  const Echoed echoed = Echo(options);

  EXPECT_EQ(headers, DefaultRequestHeaders(EchoUrl()));
  EXPECT_EQ(headers.substr(0, headers.find("\r\n")), "Referer: " + EchoUrl());
  EXPECT_TRUE(InOrder(echoed.Names(), {"Cookie", "Referer", "Accept", "Accept-Language", "User-Agent", "Content-Type"}))
      << ServerRecord();
  EXPECT_EQ(echoed.Value("Cookie"), "sid=1; lang=zh");
  EXPECT_EQ(echoed.Value("Referer"), EchoUrl());
  EXPECT_EQ(echoed.Value("Accept-Language"), "zh-cn");
  EXPECT_TRUE(Contains(echoed.Value("User-Agent"), "MSIE 9.0; Windows NT 6.1; QX7RB"));
  EXPECT_EQ(echoed.Value("Content-Type"), "application/x-www-form-urlencoded");  // on a GET too
}

TEST_F(WebRequestTest, CallersHeaderLinesAreSentInsteadOfTheDefaults) {
  Text single = "X-One: 1";
  WebRequestOptions options;
  options.headers = &single;
  Echoed echoed = Echo(options);
  EXPECT_EQ(single, "X-One: 1");
  EXPECT_EQ(echoed.Value("X-One"), "1");
  EXPECT_EQ(echoed.Value("Referer"), "(none)");

  Text spaced = "X-A: 1\r\n\r\nX-B: http://127.0.0.1:1/b";
  options.headers = &spaced;
  echoed = Echo(options);
  EXPECT_TRUE(InOrder(echoed.Names(), {"X-A", "X-B"}));
  EXPECT_EQ(echoed.Value("X-B"), "http://127.0.0.1:1/b");
}

TEST_F(WebRequestTest, RefusedHeaderLineIsPassedOver) {
  Text headers = "X-A: 1\r\nno colon here\r\nX-B: 2";
  WebRequestOptions options;
  options.headers = &headers;
  const Echoed echoed = Echo(options);
  EXPECT_EQ(echoed.requestLine, "GET /echo?format=text");
  EXPECT_TRUE(InOrder(echoed.Names(), {"X-A", "X-B"}));
}

TEST_F(WebRequestTest, ValuesHoldingLineBreaksAreNeverSent) {
  Text cookies = "a=1\r\nX-Injected: cookie";
  Text headers = "X-A: 1\nX-Injected: lf\r\nX-B: 2\rX-Injected: cr\r\nX-C: 3";
  WebRequestOptions options;
  options.cookies = &cookies;
  options.headers = &headers;
  const Echoed echoed = Echo(options);
  EXPECT_EQ(echoed.Value("X-Injected"), "(none)");
  EXPECT_EQ(echoed.Value("Cookie"), "(none)");
  EXPECT_EQ(echoed.Value("X-A"), "(none)");
  EXPECT_EQ(echoed.Value("X-B"), "(none)");
  EXPECT_EQ(echoed.Value("X-C"), "3");
}

TEST_F(WebRequestTest, BytesAreSentInsteadOfText) {
  WebRequestOptions options;
  options.method = "POST";
  options.postText = "text";
  options.postBytes = ByteSet{'a', 0x00, 0xFF, 'z'};
  EXPECT_EQ(Echo(options).body, Text("a\0\xFFz", 4));
  options.postBytes = ByteSet();
  EXPECT_EQ(Echo(options).body, "text");
}

// --- Proxy credentials ---------------------------------------------------------------

class ProxyCredentialsTest : public WebRequestTest {
 protected:
  // The answer to a request for a page that wants proxy credentials u:p.
  Text Answer(const WebRequestOptions& options) {
    return ByteSetToText(WebRequest(ServerUrl("/proxy-auth?user=u&password=p"), options));
  }
  WebRequestOptions WithCredentials() {
    WebRequestOptions options;
    options.proxyUser = "u";
    options.proxyPassword = "p";
    return options;
  }
};

TEST_F(ProxyCredentialsTest, GivenToTheProxyThatAsksForThem) {
  // Windows sends the request to the server as the proxy; Wine's request object goes
  // straight to the server, which asks for the credentials as a proxy would.
  WebRequestOptions options = WithCredentials();
  options.proxy = testing::ServerHostAndPort();
  EXPECT_EQ(Answer(options), "proxy user u");
  EXPECT_TRUE(Contains(ServerRecord(), "\r\nProxy-Authorization: Basic dTpw\r\n"));  // u:p
}

TEST_F(ProxyCredentialsTest, NoneWithoutAProxy) {
  EXPECT_EQ(Answer(WithCredentials()), "proxy credentials needed");
  EXPECT_FALSE(Contains(ServerRecord(), "Proxy-Authorization"));
}

TEST_F(ProxyCredentialsTest, CredentialsForTheServerAreNotTheProxys) {
  WebRequestOptions options = WithCredentials();
  options.proxy = testing::ServerHostAndPort();
  options.proxyCredentialFlags = 0;
  EXPECT_EQ(Answer(options), "proxy credentials needed");
}

// --- Timeouts ------------------------------------------------------------------------

// The time limit bounds the whole exchange, on Wine too (whose request object applies only
// the resolve timeout of SetTimeouts); the milliseconds themselves are tested natively
// (RequestTimeoutMilliseconds).
TEST_F(WebRequestTest, TimeoutBoundsTheWaitForTheAnswer) {
  using Clock = std::chrono::steady_clock;
  WebRequestOptions options;
  options.timeoutSeconds = 1;
  const Clock::time_point started = Clock::now();
  EXPECT_EQ(ByteSetToText(WebRequest(ServerUrl("/delay?ms=4000"), options)), "");
  EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(3000));
  options.timeoutSeconds = 3;
  EXPECT_EQ(ByteSetToText(WebRequest(ServerUrl("/delay?ms=1500"), options)), "late");
  options.timeoutSeconds = -1;  // the object's own 30 seconds
  EXPECT_EQ(ByteSetToText(WebRequest(ServerUrl("/delay?ms=1500"), options)), "late");
}

// --- What comes back -----------------------------------------------------------------

TEST_F(WebRequestTest, LocationIsTheLastLineHoldingLocation) {
  Text location = "stale";
  Text responseHeaders;
  WebRequestOptions options;
  options.location = &location;
  options.responseHeaders = &responseHeaders;
  WebRequest(AnswerUrl({"Location: http://127.0.0.1:1/a", "Content-Location: /b"}), options);
  EXPECT_EQ(location, "/b");
  EXPECT_TRUE(Contains(responseHeaders, "\r\nLocation: http://127.0.0.1:1/a\r\nContent-Location: /b\r\n"));

  WebRequest(AnswerUrl({"Content-Location: /b", "Location: http://127.0.0.1:1/a"}), options);
  EXPECT_EQ(location, "http://127.0.0.1:1/a");

  WebRequest(AnswerUrl({"X-Other: 1"}), options);
  EXPECT_EQ(location, "");
  EXPECT_TRUE(Contains(responseHeaders, "\r\nX-Other: 1\r\n"));
}

TEST_F(WebRequestTest, RedirectsAreFollowedUnlessSwitchedOff) {
  const Text redirect = ConcatTexts(ServerUrl("/redirect?to="), QueryValue("/echo?format=text"));
  Text location;
  WebRequestOptions options;
  options.location = &location;
  EXPECT_EQ(ParseEcho(WebRequest(redirect, options)).requestLine, "GET /echo?format=text");
  EXPECT_EQ(location, "");

  options.noRedirect = true;
  EXPECT_EQ(WebRequest(redirect, options), ByteSet());
  EXPECT_EQ(location, "/echo?format=text");
  EXPECT_EQ(testing::CountRequests("GET /echo?format=text"), 1);
}

class CookieTest : public WebRequestTest {
 protected:
  // Sends the jar to an answer that sets these cookies; returns what the request sent.
  Text Exchange(std::initializer_list<std::string_view> setCookieLines) {
    WebRequestOptions options;
    options.cookies = &jar;
    options.newCookies = &newCookies;
    WebRequest(AnswerUrl(setCookieLines), options);
    return ParseEcho(TextToByteSet(ServerRecord())).Value("Cookie");
  }
  Text jar = "a=1; b=2";
  Text newCookies = "stale";
};

TEST_F(CookieTest, TwoSetCookieLinesAreMergedFirst) {
  EXPECT_EQ(Exchange({"Set-Cookie: b=3; path=/", "Set-Cookie: c=4; Path=/; HttpOnly"}), "a=1; b=2");
  EXPECT_EQ(newCookies, "b=3;c=4;");
  EXPECT_EQ(jar, "b=3; c=4; a=1");
}

TEST_F(CookieTest, ValueEndingTheLineIsCaptured) {
  Exchange({"Set-Cookie: solo=1"});
  EXPECT_EQ(newCookies, "solo=1;");
  EXPECT_EQ(jar, "solo=1; a=1; b=2");
}

TEST_F(CookieTest, DeletedCookieLeavesTheJar) {
  Exchange({"Set-Cookie: b=deleted; expires=Thu, 01 Jan 1970 00:00:00 GMT; path=/"});
  EXPECT_EQ(newCookies, "b=deleted;");
  EXPECT_EQ(jar, "a=1");
}

TEST_F(WebRequestTest, Utf8DeclaredEarlyEnoughIsConvertedToGbk) {
  const Text gbk = " 中文";
  const Text utf8 = ConcatTexts(" ", kUtf8Chinese);
  auto tail = [](const ByteSet& body, std::size_t n) {
    return Text(body.end() - static_cast<std::ptrdiff_t>(std::min(n, body.size())), body.end());
  };
  EXPECT_EQ(tail(WebRequest(ServerUrl("/charset?at=499")), gbk.size()), gbk);
  EXPECT_EQ(tail(WebRequest(ServerUrl("/charset?at=500")), utf8.size()), utf8);
  EXPECT_EQ(tail(WebRequest(ServerUrl("/charset?at=1&letters=upper")), gbk.size()), gbk);
  EXPECT_EQ(ByteSetToText(WebRequest(AnswerUrl({}, "text/html; charset=UTF-8", kUtf8Chinese))), "中文");
  EXPECT_EQ(ByteSetToText(WebRequest(AnswerUrl({}, "text/html", kUtf8Chinese))), kUtf8Chinese);
}

TEST_F(WebRequestTest, FailedExchangeStillWritesTheCallersVariables) {
  Text cookies = " a = 1 ";
  Text newCookies = "stale";
  Text location = "stale";
  Text responseHeaders = "stale";
  WebRequestOptions options;
  options.cookies = &cookies;
  options.newCookies = &newCookies;
  options.location = &location;
  options.responseHeaders = &responseHeaders;
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort()) + "/echo";
  EXPECT_EQ(WebRequest(refused, options), ByteSet());
  EXPECT_EQ(responseHeaders, "");
  EXPECT_EQ(newCookies, "");
  EXPECT_EQ(location, "");
  EXPECT_EQ(cookies, "a=1");  // normalised by the merge
}

}  // namespace
}  // namespace getlink
