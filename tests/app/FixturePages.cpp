#include "tests/app/FixturePages.h"

#include <gtest/gtest.h>

#include "app/SharePages.h"

namespace getlink::testing {
namespace {

struct Fixture {
  const char* service;
  const char* linkPath;
  ShareInfo info;
};

// The names and values written into the fixture pages. Literals are GBK.
const Fixture& FixtureOf(std::string_view service) {
  static const Fixture fixtures[] = {
      {"baidu",
       "/baidu/share/link?shareid=3527811924&uk=2215371460",
       {"http://d.pcs.baidu.com/file/1f2e3d4c5b6a79887766554433221100?fid=2215371460-250528-917243655201384"
        "&time=1369031520&rt=sh&sign=FDTAER-DCb740ccc5511e5e8fedcff06b081203-Zx8%2BqWm%3D&expires=8h"
        "&r=482761093&sh=1",
        "2.35M", "毕业设计 终稿.docx", "云端漫步者", "2013-05-20 14:32", "128"}},
      {"weiyun",
       "/weiyun/share/5f1a2b3c4d5e6f708192a3b4c5d6e7f8",
       {ConcatTexts(WeiyunDownloadPrefix(),
                    "9f8e7d6c5b4a3f2e1d0c2b3a4958677685940312a1b2c3d4e5f60718293a4b5c/?fname=2013年度报告（终稿）.pdf"),
        "4718592", "2013年度报告（终稿）.pdf", "282561792", "2013-06-14 09:21:37", "19"}},
      {"vdisk",
       "/vdisk/down/index/11032468.html",
       {ConcatTexts(VdiskDownloadPrefix(), "downfile/2012/1103/9f3a6c2e/%E8%80%83%E7%A0%94.rar?key=7c1d9e"),
        "15.6 MB", "考研英语真题解析（2003-2012）.rar", "学海无涯", "2012-11-03", "3421"}},
      {"qiannao",
       "/qiannao/file/2013/0308/photoshop-cs6.html",
       {ConcatTexts(QiannaoDownloadPrefix(), "down/2013/0308/a1b2c3d4/Photoshop_CS6.zip"), "356.2 MB",
        "Photoshop CS6 教程合集.zip", "设计小站", "2013-03-08 21:15:02", "No"}},
      {"weipan",
       "/weipan/s/aBcDeFgHiJkL",
       {ConcatTexts(WeipanFilePrefix(),
                    "42/17/9a8b7c6d5e4f?ssig=Ab%2Fcd3EfGh&Expires=1400000000&KID=sae,l30zoo1wmz&fn=2014国考申论范文精选.doc"),
        "1.2 MB", "2014国考申论范文精选.doc", "考试达人", "No", "2391"}},
  };
  for (const Fixture& fixture : fixtures) {
    if (service == fixture.service) return fixture;
  }
  ADD_FAILURE() << "no fixture for " << service;
  return fixtures[0];
}

}  // namespace

ShareInfo ExpectedFixtureInfo(std::string_view service) { return FixtureOf(service).info; }

std::string FixtureLinkPath(std::string_view service) { return FixtureOf(service).linkPath; }

void ExpectShareInfo(const ShareInfo& actual, const ShareInfo& expected) {
  EXPECT_EQ(actual.address, expected.address) << "address";
  EXPECT_EQ(actual.size, expected.size) << "size";
  EXPECT_EQ(actual.name, expected.name) << "name";
  EXPECT_EQ(actual.sharer, expected.sharer) << "sharer";
  EXPECT_EQ(actual.shareTime, expected.shareTime) << "shareTime";
  EXPECT_EQ(actual.downloadCount, expected.downloadCount) << "downloadCount";
}

}  // namespace getlink::testing
