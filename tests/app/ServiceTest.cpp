#include "app/ServiceCatalog.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

std::optional<Service> ServiceFromArgument(std::string_view argument) {
  static const ServiceCatalog catalog;
  const ServiceEntry* entry = catalog.FromArgument(argument);
  return entry ? entry->builtIn : std::nullopt;
}

TEST(ServiceFromArgument, NumbersAndNames) {
  EXPECT_EQ(ServiceFromArgument("1"), Service::Baidu);
  EXPECT_EQ(ServiceFromArgument("2"), Service::Cloud360);
  EXPECT_EQ(ServiceFromArgument("6"), Service::Qiannao);
  EXPECT_EQ(ServiceFromArgument("weiyun"), Service::Weiyun);
  EXPECT_EQ(ServiceFromArgument("WeiPan"), Service::Weipan);
  EXPECT_EQ(ServiceFromArgument("VDISK"), Service::Vdisk);
  EXPECT_EQ(ServiceFromArgument("360"), Service::Cloud360);
  EXPECT_EQ(static_cast<int>(*ServiceFromArgument("qiannao")), 6);
}

TEST(ServiceFromArgument, RejectsEverythingElse) {
  for (const char* wrong : {"", "0", "7", "01", " 1", "1 ", "baidu2", "bai", "百度网盘"})
    EXPECT_EQ(ServiceFromArgument(wrong), std::nullopt) << wrong;
}

}  // namespace
}  // namespace getlink
