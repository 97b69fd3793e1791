// The cloud services, numbered as the service combo box lists them.
#pragma once

#include "runtime/Text.h"

namespace getlink {

enum class Service {
  Baidu = 1,     // 百度网盘
  Cloud360 = 2,  // 360云盘
  Weiyun = 3,    // 腾讯微云
  Weipan = 4,    // 新浪微盘
  Vdisk = 5,     // Vdisk
  Qiannao = 6,   // 千脑网盘
};

// The built-in services in the order of the window's list.
inline constexpr Service kBuiltInServices[] = {Service::Baidu,  Service::Cloud360, Service::Weiyun,
                                               Service::Weipan, Service::Vdisk,    Service::Qiannao};

// The short name a command line uses ("baidu", "360", ...).
Text ServiceName(Service service);

// The name the combo box shows ("百度网盘", ...).
Text ServiceTitle(Service service);

}  // namespace getlink
