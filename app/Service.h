// The cloud services, numbered as the service combo box lists them.
#pragma once

#include <optional>

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

// A service named on a command line: its number "1" to "6" or its short name (baidu, 360,
// weiyun, weipan, vdisk, qiannao; letters in any case). Nothing for anything else.
std::optional<Service> ServiceFromArgument(std::string_view argument);

// Every service as a command line may name it: "1 baidu, 2 360, 3 weiyun, ...".
Text ServiceArguments();

// The short name a command line uses ("baidu", "360", ...).
Text ServiceName(Service service);

// The name the combo box shows ("百度网盘", ...).
Text ServiceTitle(Service service);

}  // namespace getlink
