#include "tests/app/FixturePageFiles.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "app/ServiceHosts.h"
#include "runtime/TextConvert.h"

namespace getlink::testing {
namespace {

void FillIn(std::string& page, std::string_view placeholder, std::string_view value) {
  for (auto at = page.find(placeholder); at != std::string::npos; at = page.find(placeholder, at))
    page.replace(at, placeholder.size(), value);
}

}  // namespace

std::string FixturePageUtf8(std::string_view service) {
  const std::string path = std::string(GETLINK_FIXTURE_DIR "/") + std::string(service) + ".html";
  std::ifstream file(path, std::ios::binary);
  std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::pair<std::string_view, std::string_view> hosts[] = {
      {"{{WEIYUN_DOWNLOAD_HOST}}", kWeiyunDownloadHost}, {"{{VDISK_DOWNLOAD_HOST}}", kVdiskDownloadHost},
      {"{{QIANNAO_DOWNLOAD_HOST}}", kQiannaoDownloadHost}, {"{{WEIPAN_FILE_HOST}}", kWeipanFileHost},
      {"{{WEIPAN_USER_HOST}}", kWeipanUserHost}};
  for (const auto& [placeholder, host] : hosts) FillIn(page, placeholder, host);
  return page;
}

Text FixturePage(std::string_view service) { return PageToGbk(TextToByteSet(FixturePageUtf8(service))); }

}  // namespace getlink::testing
