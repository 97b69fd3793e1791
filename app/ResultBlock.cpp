#include "app/ResultBlock.h"

namespace getlink {

Text ResultBlock(const ShareInfo& info) {
  return ConcatTexts("文件名：", info.name, "\r\n文件大小：", info.size, "\r\n分享用户：", info.sharer,
                     "\r\n分享时间：", info.shareTime, "\r\n下载次数：", info.downloadCount,
                     "\r\n\r\n文件地址：", info.address);
}

Text AddressBlock(std::string_view address) { return ConcatTexts("文件地址：", address); }

Text ResultText(const ShareInfo& info, bool addressOnly) {
  return addressOnly ? AddressBlock(info.address) : ResultBlock(info);
}

}  // namespace getlink
