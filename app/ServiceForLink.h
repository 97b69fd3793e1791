// Which service a share link belongs to, found from the link's host.
#pragma once

#include <optional>

#include "app/Service.h"

namespace getlink {

// The service whose table of hosts holds the link's host: the services' own share hosts
// (pan.baidu.com, yunpan.cn, share.weiyun.com, vdisk.weibo.com, vdisk.cn, qiannao.com, ...)
// and the hosts chosen at build time (app/ServiceHosts.h). A table host also stands for
// its subdomains ("yunpan.cn" for "l3.yunpan.cn"); a table host with a port matches only
// links with that port; the longest matching host wins. Letter case does not count.
// Nothing for another host and for text that is not an http(s) link.
std::optional<Service> ServiceForLink(std::string_view link);

}  // namespace getlink
