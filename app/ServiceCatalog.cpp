#include "app/ServiceCatalog.h"

#include "app/ServiceHosts.h"
#include "app/ShareLink.h"
#include "runtime/TextBuild.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

struct ServiceHost {
  std::string_view host;  // "host" or "host:port"
  Service service;
};

// The built-in services' hosts.
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

// How long the table host is when it stands for the link's host and port (the host itself
// or a domain above it), else 0.
std::size_t MatchLength(std::string_view host, std::string_view port, std::string_view entry) {
  const std::size_t colon = entry.find(':');
  const Text tableHost = LowerText(entry.substr(0, colon));
  if (colon != std::string_view::npos && entry.substr(colon + 1) != port) return 0;
  if (host.size() < tableHost.size() || host.substr(host.size() - tableHost.size()) != tableHost) return 0;
  const bool whole = host.size() == tableHost.size() || host[host.size() - tableHost.size() - 1] == '.';
  return whole ? tableHost.size() : 0;
}

}  // namespace

bool ServiceEntry::AddressOnly() const { return rule ? rule->AddressOnly() : builtIn == Service::Cloud360; }

Text ServiceEntry::Origin() const { return rule ? rule->file : Text("built in"); }

ServiceCatalog::ServiceCatalog() {
  for (const Service service : kBuiltInServices) {
    ServiceEntry entry;
    entry.name = ServiceName(service);
    entry.title = ServiceTitle(service);
    entry.builtIn = service;
    entries_.push_back(std::move(entry));
  }
}

std::vector<FileFault> ServiceCatalog::AddRules(std::vector<ServiceRule> rules) {
  std::vector<FileFault> faults;
  std::vector<bool> fromFile(entries_.size(), false);
  for (ServiceRule& rule : rules) {
    ServiceEntry* same = nullptr;
    for (ServiceEntry& entry : entries_) {
      if (CompareText(entry.name, rule.service, Case::Insensitive) == 0) same = &entry;
    }
    if (same != nullptr && same->rule) {
      faults.push_back({rule.file, 0, ConcatTexts("服务“", rule.service, "”已由 ", same->rule->file, " 给出"),
                        ConcatTexts("the service \"", rule.service, "\" is given by ", same->rule->file, " already")});
      continue;
    }
    if (same == nullptr) {
      entries_.emplace_back();
      same = &entries_.back();
    }
    same->name = rule.service;
    same->title = rule.title;
    same->builtIn.reset();
    same->rule = std::make_shared<const ServiceRule>(std::move(rule));
  }
  return faults;
}

Text ServiceCatalog::Arguments() const {
  Text list;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    list += ConcatTexts(i == 0 ? "" : ", ", std::to_string(i + 1), " ", entries_[i].name);
  return list;
}

const ServiceEntry* ServiceCatalog::FromArgument(std::string_view argument) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (argument == std::to_string(i + 1) || CompareText(argument, entries_[i].name, Case::Insensitive) == 0)
      return &entries_[i];
  }
  return nullptr;
}

const ServiceEntry* ServiceCatalog::ForLink(std::string_view link) const {
  const Text host = LinkHost(link);
  if (host.empty()) return nullptr;
  const Text port = LinkPort(link);
  const ServiceEntry* found = nullptr;
  std::size_t foundLength = 0;
  const auto consider = [&](const ServiceEntry& entry, std::string_view tableHost) {
    const std::size_t length = MatchLength(host, port, tableHost);
    if (length > foundLength) {
      found = &entry;
      foundLength = length;
    }
  };
  for (const ServiceEntry& entry : entries_) {
    if (entry.rule) {
      for (const Text& tableHost : entry.rule->hosts) consider(entry, tableHost);
    } else {
      for (const ServiceHost& table : kServiceHosts) {
        if (table.service == entry.builtIn) consider(entry, table.host);
      }
    }
  }
  return found;
}

std::optional<std::size_t> ServiceCatalog::IndexOf(const ServiceEntry* entry) const {
  if (entry < entries_.data() || entry >= entries_.data() + entries_.size()) return std::nullopt;
  return static_cast<std::size_t>(entry - entries_.data());
}

}  // namespace getlink
