// Memory of a download whose body never ends: each download path and each extractor on the
// stand-in server's endless bodies (without a length, and with 4 GiB announced), each in a
// process of its own, with its peak working set (GetProcessMemoryInfo) against the working
// set before the download. Not a test: prints its figures.
//   share_server.py --run -- scripts/wine build/windows/endless-body-bench.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Extract360.h"
#include "app/FetchPage.h"
#include "app/ShareExtractor.h"
#include "http/GetHttpFile.h"
#include "http/WebRequest.h"
#include "runtime/ProcessMemory.h"
#include "runtime/ProgramLifetime.h"
#include "tests/support/ProbeProcess.h"

namespace getlink {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

struct Download {
  const char* name;
  // What it keeps of the body at the link (bytes, or the address an extractor found).
  std::size_t (*run)(const Text& link);
  const char* suffix;  // after the endless route: "/lk" makes a 360 long link
};

const Download kDownloads[] = {
    {"FetchPage", [](const Text& link) { return FetchPage(link).size(); }, ""},
    {"GetHttpFile", [](const Text& link) { return GetHttpFile(link).size(); }, ""},
    {"WebRequest", [](const Text& link) { return WebRequest(link).size(); }, ""},
    {"ExtractBaidu",
     [](const Text& link) {
       ShareInfo info;
       ShareExtractor().ExtractBaidu(link, info);
       return info.address.size();
     },
     ""},
    {"Extract360 (short link)", [](const Text& link) { return Extract360(link).size(); }, ""},
    {"Extract360 (long link)", [](const Text& link) { return Extract360(link).size(); }, "/lk"},
};

const char* const kRoutes[] = {"/hostile/endless", "/hostile/endless?length=huge"};

Text ServerAddress() {
  const char* address = std::getenv("GETLINK_SHARE_SERVER");
  return address ? address : "";
}

// The link of a route, with the download's suffix after the route's path.
Text LinkOf(const Download& download, std::string_view route) {
  const std::string_view path = route.substr(0, route.find('?'));
  const std::string_view query = route.substr(path.size());
  return ConcatTexts(ServerAddress(), path, download.suffix, query);
}

// In the child: one download, its figures on one line.
int MeasureOne(int downloadIndex, int routeIndex) {
  const Download& download = kDownloads[downloadIndex];
  const ProcessMemory before = CurrentProcessMemory();
  const auto started = std::chrono::steady_clock::now();
  const std::size_t kept = download.run(LinkOf(download, kRoutes[routeIndex]));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const ProcessMemory after = CurrentProcessMemory();
  std::printf("%-24s %-30s %10zu %7.1f s %9.1f MiB %9.1f MiB %+9.1f MiB\n", download.name, kRoutes[routeIndex], kept,
              seconds, before.workingSet / kMiB, after.peakWorkingSet / kMiB,
              (static_cast<double>(after.peakWorkingSet) - static_cast<double>(before.workingSet)) / kMiB);
  return 0;
}

int MeasureAll() {
  if (ServerAddress().empty()) {
    std::fprintf(stderr, "run through tests/server/share_server.py --run (GETLINK_SHARE_SERVER is not set)\n");
    return 2;
  }
  std::printf("%-24s %-30s %10s %9s %13s %13s %13s\n", "download", "route", "kept", "time", "before",
              "peak", "growth");
  const std::string self = testing::BesideTestExecutable("endless-body-bench.exe");
  for (int d = 0; d < static_cast<int>(std::size(kDownloads)); ++d) {
    for (int r = 0; r < static_cast<int>(std::size(kRoutes)); ++r) {
      const testing::ProbeRun run = testing::RunProbe(self, std::to_string(d) + " " + std::to_string(r));
      std::fputs(run.exited ? run.output.c_str() : "(did not end within 60 s)\n", stdout);
    }
  }
  return 0;
}

int Run(int argc, char** argv) {
  return argc == 3 ? MeasureOne(std::atoi(argv[1]), std::atoi(argv[2])) : MeasureAll();
}

}  // namespace
}  // namespace getlink

int main(int argc, char** argv) {
  getlink::RunProcess([argc, argv] { return getlink::Run(argc, argv); });
}
