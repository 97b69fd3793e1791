#include "app/ServiceForLink.h"

#include "app/ServiceHosts.h"
#include "app/ShareLink.h"
#include "runtime/TextBuild.h"

namespace getlink {
namespace {

struct ServiceHost {
  std::string_view host;  // "host" or "host:port"
  Service service;
};

const ServiceHost kServiceHosts[] = {
    // The services' own share hosts.
    {"pan.baidu.com", Service::Baidu},
    {"yun.baidu.com", Service::Baidu},
    {"yunpan.cn", Service::Cloud360},
    {"yunpan.360.cn", Service::Cloud360},
    {"weiyun.com", Service::Weiyun},
    {"vdisk.weibo.com", Service::Weipan},
    {"vdisk.cn", Service::Vdisk},
    {"qiannao.com", Service::Qiannao},
    // The hosts chosen at build time: a service that moved is followed there.
    {kWeiyunDownloadHost, Service::Weiyun},
    {kVdiskDownloadHost, Service::Vdisk},
    {kQiannaoDownloadHost, Service::Qiannao},
    {kWeipanFileHost, Service::Weipan},
    {kWeipanUserHost, Service::Weipan},
};

bool IsSameOrSubdomain(std::string_view host, std::string_view tableHost) {
  if (host.size() < tableHost.size() || host.substr(host.size() - tableHost.size()) != tableHost) return false;
  return host.size() == tableHost.size() || host[host.size() - tableHost.size() - 1] == '.';
}

}  // namespace

std::optional<Service> ServiceForLink(std::string_view link) {
  const Text host = LinkHost(link);
  if (host.empty()) return std::nullopt;
  const Text port = LinkPort(link);
  std::optional<Service> found;
  std::size_t foundLength = 0;
  for (const ServiceHost& entry : kServiceHosts) {
    const std::size_t colon = entry.host.find(':');
    const Text tableHost = LowerText(entry.host.substr(0, colon));
    const bool portMatches = colon == std::string_view::npos || entry.host.substr(colon + 1) == port;
    if (portMatches && IsSameOrSubdomain(host, tableHost) && tableHost.size() > foundLength) {
      found = entry.service;
      foundLength = tableHost.size();
    }
  }
  return found;
}

}  // namespace getlink
