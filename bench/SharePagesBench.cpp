// Each share-page parser on a realistic page of 1 MiB whose fields all sit near its end,
// beside one memmem pass over the same page. "memmem_passes" is the parse's cost in such
// passes (the goal: at most 15). Then a whole fetch without the network, the page's UTF-8
// bytes converted and cut, by the compiled extractor and by the service's example rule:
// "rule_per_compiled" is what the rule costs in compiled fetches (the goal: at most 1.2).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "app/SharePages.h"
#include "app/rules/RuleRunner.h"
#include "app/rules/ServiceRuleReader.h"
#include "runtime/Codec.h"
#include "runtime/TextConvert.h"
#include "tests/app/FixturePageFiles.h"

namespace {

using getlink::ShareInfo;
using getlink::Text;
using Clock = std::chrono::steady_clock;

struct Parser {
  const char* service;
  ShareInfo (*parse)(std::string_view);
};

const Parser kParsers[] = {
    {"baidu", getlink::ParseBaiduPage},     {"weiyun", getlink::ParseWeiyunPage},
    {"vdisk", getlink::ParseVdiskPage},     {"qiannao", getlink::ParseQiannaoPage},
    {"weipan", getlink::ParseWeipanPage},
};

bool Same(const ShareInfo& a, const ShareInfo& b) {
  return a.address == b.address && a.size == b.size && a.name == b.name && a.sharer == b.sharer &&
         a.shareTime == b.shareTime && a.downloadCount == b.downloadCount;
}

// The fixture page with 1 MiB of the kind of markup share pages are full of (lists of
// related files, comments, scripts; GBK and ASCII mixed, no marker whole) after its first
// line, so that every field comes after it.
Text PaddedPage(const char* service) {
  static const char* const pieces[] = {
      "<li class=\"item\"><a href=\"/s/1a2b3c\" title=\"相关文件\">相关文件下载</a><span class=\"size\">12.5 MB</span></li>\r\n",
      "<div class=\"comment\"><p>谢谢分享，资源很好用！</p><span class=\"time\">2013-05-21 10:02</span></div>\r\n",
      "<script type=\"text/javascript\">var _hmt = _hmt || []; _hmt.push([\"_trackPageview\"]);</script>\r\n",
      "\t\t\t<span class=\"tag\">文档</span>\r\n",
      "<a href=\"http://www.example.com/u/2215371460\" target=\"_blank\">分享达人</a>&nbsp;&nbsp;\r\n",
      "{\"server_filename\":\"\\u6587\\u4ef6.rar\",\"size\":2464153},",
  };
  const Text page = getlink::testing::FixturePage(service);
  std::mt19937 random(11);
  Text filler;
  while (filler.size() + page.size() < (1u << 20)) filler += pieces[random() % std::size(pieces)];
  const std::size_t firstLine = page.find('\n') + 1;
  return page.substr(0, firstLine) + filler + page.substr(firstLine);
}

const Text& Page(int index) {
  static const std::vector<Text> pages = [] {
    std::vector<Text> all;
    for (const Parser& parser : kParsers) all.push_back(PaddedPage(parser.service));
    return all;
  }();
  return pages[index];
}

// One pass over the whole page with a marker of the usual kind: the page's last tag.
const void* MemmemPass(const Text& page) {
  static const char kLastTag[] = "</html>";
  return memmem(page.data(), page.size(), kLastTag, sizeof kLastTag - 1);
}

// Seconds of one memmem pass over the page: the best of several timed runs.
double MemmemPassSeconds(const Text& page) {
  double best = 1e9;
  for (int run = 0; run < 20; ++run) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < 20; ++i) benchmark::DoNotOptimize(MemmemPass(page));
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / 20);
  }
  return best;
}

void BM_Parse(benchmark::State& state) {
  const Parser& parser = kParsers[state.range(0)];
  const Text& page = Page(static_cast<int>(state.range(0)));
  if (!Same(parser.parse(page), parser.parse(getlink::testing::FixturePage(parser.service)))) {
    state.SkipWithError("the padding changed what the parser finds");
    return;
  }
  const Clock::time_point start = Clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(parser.parse(page));
  const double perParse = std::chrono::duration<double>(Clock::now() - start).count() / state.iterations();
  state.counters["memmem_passes"] = perParse / MemmemPassSeconds(page);
  state.SetLabel(parser.service);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Parse)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_MemmemPass(benchmark::State& state) {
  const Text& page = Page(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(MemmemPass(page));
  state.SetLabel(kParsers[state.range(0)].service);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_MemmemPass)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// Answers every request with the page's bytes.
class PageTransport : public getlink::RuleTransport {
 public:
  explicit PageTransport(const getlink::ByteSet& page) : page_(page) {}
  getlink::RuleResponse Send(const getlink::RuleRequest&) override {
    getlink::RuleResponse response;
    response.body = page_;
    return response;
  }

 private:
  const getlink::ByteSet& page_;
};

getlink::ServiceRule ExampleRule(const char* service) {
  std::ifstream file(std::string(GETLINK_SERVICES_DIR) + "/" + service + ".json", std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  getlink::ServiceRuleRead read = getlink::ReadServiceRule(bytes.str(), service);
  return read.rule ? std::move(*read.rule) : getlink::ServiceRule();
}

// Compiled and rule fetches alternate, so that both see the same machine.
void BM_RuleAgainstExtractor(benchmark::State& state) {
  const Parser& parser = kParsers[state.range(0)];
  const Text utf8 = getlink::GbkToUtf8(Page(static_cast<int>(state.range(0))));
  const getlink::ByteSet bytes(utf8.begin(), utf8.end());
  const getlink::ServiceRule rule = ExampleRule(parser.service);
  PageTransport transport(bytes);
  const auto compiled = [&] { return parser.parse(getlink::PageToGbk(bytes)); };
  const auto fromRule = [&] { return getlink::RunServiceRule(rule, {"http://h/s/1"}, transport).info; };
  if (rule.steps.empty() || !Same(compiled(), fromRule())) {
    state.SkipWithError("the rule does not give what the extractor gives");
    return;
  }
  // Processor time, not the wall clock's: the ratio stays put while other programs run.
  double compiledSeconds = 0;
  double ruleSeconds = 0;
  for (auto _ : state) {
    std::clock_t start = std::clock();
    benchmark::DoNotOptimize(compiled());
    compiledSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    start = std::clock();
    benchmark::DoNotOptimize(fromRule());
    ruleSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  }
  state.counters["compiled_ms"] = 1000 * compiledSeconds / state.iterations();
  state.counters["rule_ms"] = 1000 * ruleSeconds / state.iterations();
  state.counters["rule_per_compiled"] = ruleSeconds / compiledSeconds;
  state.SetLabel(parser.service);
}
BENCHMARK(BM_RuleAgainstExtractor)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
