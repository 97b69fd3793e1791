#include "app/ServiceCatalog.h"

#include <gtest/gtest.h>

#include "app/ServiceHosts.h"

namespace getlink {
namespace {

TEST(ServiceCatalog, BuiltInServicesOwnAndBuildTimeHosts) {
  const ServiceCatalog catalog;
  const struct {
    Text link;
    std::optional<Service> service;
  } cases[] = {
      {"http://pan.baidu.com/s/1aBcD", Service::Baidu},
      {"https://YUN.Baidu.com/share/link?shareid=1", Service::Baidu},
      {"http://pan.baidu.com.:8080/s/1", Service::Baidu},
      {"http://yunpan.cn/Qx7Yb2Zk", Service::Cloud360},
      {"http://l3.yunpan.cn/lk/Qx7Yb2Zk", Service::Cloud360},
      {"https://share.weiyun.com/5f1a2b3c", Service::Weiyun},
      {"http://vdisk.weibo.com/s/aBcDeFgHiJkL", Service::Weipan},
      {"http://www.vdisk.cn/down/index/11032468.html", Service::Vdisk},
      {"http://www.qiannao.com/file/2013/0308/photoshop-cs6.html", Service::Qiannao},
      {ConcatTexts("http://", kVdiskDownloadHost, "/downfile/1"), Service::Vdisk},
      {ConcatTexts("http://", kQiannaoDownloadHost, "/down/1"), Service::Qiannao},
      {ConcatTexts("http://", kWeipanFileHost, "/42/17"), Service::Weipan},
      // Only the host counts: not a user name, not a look-alike, not a path.
      {"http://pan.baidu.com@127.0.0.1/baidu/s/1", std::nullopt},
      {"http://pan.baidu.com.example.org/s/1", std::nullopt},
      {"http://notyunpan.cn/s/1", std::nullopt},
      {"http://127.0.0.1:8080/weiyun/share/1", std::nullopt},
      {"ftp://pan.baidu.com/s/1", std::nullopt},
      {"pan.baidu.com/s/1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& entry : cases) {
    const ServiceEntry* found = catalog.ForLink(entry.link);
    EXPECT_EQ(found ? found->builtIn : std::nullopt, entry.service) << entry.link;
  }
}

}  // namespace
}  // namespace getlink
