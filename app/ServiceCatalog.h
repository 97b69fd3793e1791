// The services the program can fetch from: the built-in ones, numbered 1 to 6 as the
// window's list shows them, then the services rule files add, in file-name order. A rule
// whose service is a built-in's name takes that built-in's place in the list.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/Service.h"
#include "app/rules/ServiceRule.h"
#include "runtime/FileFault.h"

namespace getlink {

struct ServiceEntry {
  Text name;   // the short name a command line uses ("baidu")
  Text title;  // what the window's list shows ("百度网盘")
  std::optional<Service> builtIn;           // set when a compiled extractor fetches
  std::shared_ptr<const ServiceRule> rule;  // set when a rule file fetches

  // Whether a fetch finds the address alone (360云盘, or a rule whose result is the address
  // alone): the result then shows the address line alone.
  bool AddressOnly() const;
  // Where the service comes from: "built in", or the rule's file.
  Text Origin() const;
};

class ServiceCatalog {
 public:
  ServiceCatalog();  // the built-in services

  // Adds the services of rule files read in this order; a file whose service an earlier
  // file already gives is not added, and its fault is returned.
  std::vector<FileFault> AddRules(std::vector<ServiceRule> rules);

  const std::vector<ServiceEntry>& Entries() const { return entries_; }

  // Every service as a command line may name it: "1 baidu, 2 360, 3 weiyun, ...".
  Text Arguments() const;

  // The service a command line names: its number in the list ("1") or its short name
  // (letters in any case). Nothing for anything else.
  const ServiceEntry* FromArgument(std::string_view argument) const;

  // The service whose hosts hold the link's host: the built-ins' own share hosts and those
  // chosen at build time (app/ServiceHosts.h), and the hosts of each rule. A host also
  // stands for its subdomains ("yunpan.cn" for "l3.yunpan.cn"); one with a port matches only
  // links with that port; the longest matching host wins, the earlier service between
  // equals. Letter case does not count. Nothing for another host and for text that is no
  // http(s) link.
  const ServiceEntry* ForLink(std::string_view link) const;

  // The entry's place in the list (0-based), or nothing for an entry of no catalog's.
  std::optional<std::size_t> IndexOf(const ServiceEntry* entry) const;

 private:
  std::vector<ServiceEntry> entries_;
};

}  // namespace getlink
