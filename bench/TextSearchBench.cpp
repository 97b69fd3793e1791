// FindText against a plain byte search on a 4 MiB page of mixed GBK and ASCII, with the
// marker near the end: the character-boundary rule should cost little over memmem.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "runtime/TextSearch.h"

namespace {

const std::string& Page() {
  static const std::string page = [] {
    const char* pieces[] = {"<div class=\"file\">", "文件名称：", "分享者", " ", "</span>\r\n\t\t",
                            "下载次数: 12", "href=\"http://example.com/a/b?c=d\"", "微盘", "，。"};
    std::mt19937 random(7);
    std::string text;
    while (text.size() < (4u << 20) - 64) text += pieces[random() % (sizeof pieces / sizeof *pieces)];
    text += "\"dlink\":\"http://d.example/file&sh=1\" 分享时间:2013-01-01";
    return text;
  }();
  return page;
}

// An ASCII marker, and a Chinese one whose bytes also occur straddling other characters.
const char* const kMarkers[] = {"\"dlink\":\"", "分享时间:"};

void BM_FindText(benchmark::State& state) {
  const std::string& page = Page();
  const char* marker = kMarkers[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(getlink::FindText(page, marker));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_FindText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Memmem(benchmark::State& state) {
  const std::string& page = Page();
  const char* marker = kMarkers[state.range(0)];
  for (auto _ : state)
    benchmark::DoNotOptimize(memmem(page.data(), page.size(), marker, std::strlen(marker)));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Memmem)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_StringViewFind(benchmark::State& state) {
  const std::string_view page = Page();
  const char* marker = kMarkers[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(page.find(marker));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_StringViewFind)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
