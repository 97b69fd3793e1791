#include "app/Service.h"

namespace getlink {
namespace {

struct ServiceNames {
  Service service;
  const char* name;
  const char* title;
};

constexpr ServiceNames kServices[] = {
    {Service::Baidu, "baidu", "百度网盘"},   {Service::Cloud360, "360", "360云盘"},
    {Service::Weiyun, "weiyun", "腾讯微云"}, {Service::Weipan, "weipan", "新浪微盘"},
    {Service::Vdisk, "vdisk", "Vdisk"},      {Service::Qiannao, "qiannao", "千脑网盘"},
};

const ServiceNames* NamesOf(Service service) {
  for (const ServiceNames& entry : kServices) {
    if (entry.service == service) return &entry;
  }
  return nullptr;
}

}  // namespace

Text ServiceName(Service service) {
  const ServiceNames* names = NamesOf(service);
  return names ? names->name : Text();
}

Text ServiceTitle(Service service) {
  const ServiceNames* names = NamesOf(service);
  return names ? names->title : Text();
}

}  // namespace getlink
