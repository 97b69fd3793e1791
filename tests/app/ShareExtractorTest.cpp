// The extractors end to end: the stand-in server sends the share page, the extractor
// downloads and cuts it.
#include "app/ShareExtractor.h"

#include <gtest/gtest.h>

#include "app/FetchShare.h"

#include "tests/app/FixturePages.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using testing::ExpectedFixtureInfo;
using testing::ExpectShareInfo;
using testing::FixtureLinkPath;
using testing::ServerUrl;

using Operation = void (ShareExtractor::*)(const Text&, ShareInfo&);

struct PageService {
  const char* name;
  Operation operation;
  Service service;
};

const PageService kPageServices[] = {
    {"baidu", &ShareExtractor::ExtractBaidu, Service::Baidu},
    {"weiyun", &ShareExtractor::ExtractWeiyun, Service::Weiyun},
    {"vdisk", &ShareExtractor::ExtractVdisk, Service::Vdisk},
    {"qiannao", &ShareExtractor::ExtractQiannao, Service::Qiannao},
    {"weipan", &ShareExtractor::ExtractWeipan, Service::Weipan},
};

// Fields left over from an earlier fetch, which every operation must overwrite.
ShareInfo Stale() { return ShareInfo{"stale", "stale", "stale", "stale", "stale", "stale"}; }

TEST(ShareExtractor, EveryServiceFromItsSharePage) {
  ShareExtractor extractor;
  for (const PageService& entry : kPageServices) {
    SCOPED_TRACE(entry.name);
    testing::ClearServerRecord();
    ShareInfo info = Stale();
    const std::string path = FixtureLinkPath(entry.name);
    (extractor.*entry.operation)(ServerUrl(path), info);
    ExpectShareInfo(info, ExpectedFixtureInfo(entry.name));
    EXPECT_EQ(testing::CountRequests("GET " + path), 1);
  }
}

TEST(ShareExtractor, ExtractRunsTheServicesOperation) {
  ShareExtractor extractor;
  for (const PageService& entry : kPageServices) {
    SCOPED_TRACE(entry.name);
    ShareInfo info = Stale();
    EXPECT_TRUE(extractor.Extract(entry.service, ServerUrl(FixtureLinkPath(entry.name)), info));
    ExpectShareInfo(info, ExpectedFixtureInfo(entry.name));
  }
  ShareInfo untouched = Stale();
  EXPECT_FALSE(extractor.Extract(Service::Cloud360, ServerUrl(FixtureLinkPath("baidu")), untouched));
  ExpectShareInfo(untouched, Stale());
}

TEST(ShareExtractor, FailedDownloadOverwritesEveryField) {
  ShareExtractor extractor;
  ShareInfo info = Stale();
  extractor.ExtractWeipan(ServerUrl("/status/404"), info);
  ShareInfo weipan;
  weipan.shareTime = "No";
  ExpectShareInfo(info, weipan);
  info = Stale();
  extractor.ExtractBaidu(ServerUrl("/close"), info);
  ExpectShareInfo(info, ShareInfo{});
}

// A server that stops in the middle of its answer broke the connection, on every download
// path: a share page over WinINet, 360云盘's share page by GetHttpFile (whose share "x" the
// API then does not know) and the API's reply through the WinHttp object. The page is not
// one without an address.
TEST(FetchShare, AnAnswerCutShortIsABrokenConnection) {
  const struct {
    const char* path;
    Service service;
  } cases[] = {
      {"/hostile/cut/baidu/s/1", Service::Baidu},
      {"/hostile/cut/weipan/s/1", Service::Weipan},
      {"/hostile/cut/360/lk/x", Service::Cloud360},
      {"/360/lk/hostile-cut", Service::Cloud360},
  };
  const ServiceCatalog services;
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.path);
    ShareInfo info;
    const ServiceEntry& service = services.Entries()[static_cast<std::size_t>(entry.service) - 1];
    EXPECT_EQ(FetchShare(service, ServerUrl(entry.path), "", info), FetchFailure{FailureKind::ConnectionBroken});
  }
}

TEST(ShareExtractor, BrokenUtf8BecomesAQuestionMark) {
  ShareExtractor extractor;
  ShareInfo info;
  extractor.ExtractWeiyun(ServerUrl("/broken-utf8/weiyun/share/1"), info);
  ShareInfo expected = ExpectedFixtureInfo("weiyun");
  EXPECT_EQ(info.name, "?" + expected.name);
  EXPECT_EQ(info.address, expected.address.substr(0, expected.address.size() - expected.name.size()) + info.name);
  EXPECT_EQ(info.sharer, expected.sharer);
}

}  // namespace
}  // namespace getlink
