#include "app/Service.h"

#include "runtime/TextSearch.h"

namespace getlink {
namespace {

struct ServiceNames {
  Service service;
  const char* number;
  const char* name;
  const char* title;
};

constexpr ServiceNames kServices[] = {
    {Service::Baidu, "1", "baidu", "百度网盘"},   {Service::Cloud360, "2", "360", "360云盘"},
    {Service::Weiyun, "3", "weiyun", "腾讯微云"}, {Service::Weipan, "4", "weipan", "新浪微盘"},
    {Service::Vdisk, "5", "vdisk", "Vdisk"},      {Service::Qiannao, "6", "qiannao", "千脑网盘"},
};

const ServiceNames* NamesOf(Service service) {
  for (const ServiceNames& entry : kServices) {
    if (entry.service == service) return &entry;
  }
  return nullptr;
}

}  // namespace

std::optional<Service> ServiceFromArgument(std::string_view argument) {
  for (const ServiceNames& entry : kServices) {
    if (argument == entry.number || CompareText(argument, entry.name, Case::Insensitive) == 0)
      return entry.service;
  }
  return std::nullopt;
}

Text ServiceArguments() {
  Text list;
  for (const ServiceNames& entry : kServices) list += ConcatTexts(list.empty() ? "" : ", ", entry.number, " ", entry.name);
  return list;
}

Text ServiceName(Service service) {
  const ServiceNames* names = NamesOf(service);
  return names ? names->name : Text();
}

Text ServiceTitle(Service service) {
  const ServiceNames* names = NamesOf(service);
  return names ? names->title : Text();
}

}  // namespace getlink
