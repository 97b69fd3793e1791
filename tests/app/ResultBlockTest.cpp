#include "app/ResultBlock.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(ResultBlock, LabelsFieldsAndLineBreaks) {
  ShareInfo info;
  info.address = "http://h/f";
  info.size = "1 MB";
  info.name = "文件.zip";
  info.sharer = "某人";
  info.shareTime = "2013-01-01";
  info.downloadCount = "7";
  EXPECT_EQ(ResultBlock(info),
            "文件名：文件.zip\r\n文件大小：1 MB\r\n分享用户：某人\r\n分享时间：2013-01-01\r\n"
            "下载次数：7\r\n\r\n文件地址：http://h/f");
  EXPECT_EQ(ResultBlock(ShareInfo{}),
            "文件名：\r\n文件大小：\r\n分享用户：\r\n分享时间：\r\n下载次数：\r\n\r\n文件地址：");
}

TEST(AddressBlock, LabelAndAddressOnly) {
  EXPECT_EQ(AddressBlock("http://h/f"), "文件地址：http://h/f");
  EXPECT_EQ(AddressBlock(""), "文件地址：");
}

}  // namespace
}  // namespace getlink
