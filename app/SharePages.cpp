#include "app/SharePages.h"

#include "app/ServiceHosts.h"
#include "app/ShareLink.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {

const Text& WeiyunDownloadPrefix() {
  static const Text prefix = ConcatTexts("http://", kWeiyunDownloadHost, "/ftn_handler/");
  return prefix;
}

const Text& VdiskDownloadPrefix() {
  static const Text prefix = ConcatTexts("http://", kVdiskDownloadHost, "/");
  return prefix;
}

const Text& QiannaoDownloadPrefix() {
  static const Text prefix = ConcatTexts("http://", kQiannaoDownloadHost, "/");
  return prefix;
}

const Text& WeipanFilePrefix() {
  static const Text prefix = ConcatTexts("http://", kWeipanFileHost, "/");
  return prefix;
}

const Text& WeipanFileMarker() {
  static const Text marker = ConcatTexts("\"url\":\"http:\\/\\/", kWeipanFileHost, "\\/");
  return marker;
}

const Text& WeipanUserMarker() {
  static const Text marker = ConcatTexts("\" href=\"http://", kWeipanUserHost, "/u/");
  return marker;
}

namespace {

// What a page gives as the address when it is one: a web link, never a fragment of garbage.
Text WebAddress(Text address) { return IsWebLink(address) ? address : Text(); }

}  // namespace

// The address sits in a JSON value inside a script string, its slashes escaped as \\/ :
//   \"dlink\":\"http:\\/\\/host\\/file?...&sh=1&sharesign=...\"
// It runs from the last dlink marker up to and including the first "&sh=1" after it.
ShareInfo ParseBaiduPage(std::string_view page) {
  ShareInfo info;
  Text dlink;
  const int p = FindTextLast(page, "\\\"dlink\\\":\\\"", Case::Insensitive);  // 12 bytes
  if (p != -1) {
    const Text tail = RightText(page, TextLength(page) - p - 11);
    const int k = FindText(tail, "&sh=1", Case::Insensitive);
    if (k > 1) dlink = ConcatTexts(LeftText(tail, k - 1), "&sh=1");
  }
  info.name = CutBetweenMarkers(page, "文件名:", " 文件大小");
  info.size = CutBetweenMarkers(page, "文件大小:", " 分享者");
  info.sharer = CutBetweenMarkers(page, "分享者:", " 分享时间");
  info.shareTime = CutBetweenMarkers(page, "分享时间:", " 下载次数");
  info.downloadCount = CutBetweenMarkers(page, "下载次数:", "\" name=\"description\"/>\r");
  info.address = WebAddress(ReplaceText(dlink, "\\\\", "", Case::Insensitive));
  return info;
}

// A JSON object in the page; the address is the download prefix, the encrypted key and
// the file name from the title, in GBK as it stands.
ShareInfo ParseWeiyunPage(std::string_view page) {
  ShareInfo info;
  info.name = CutBetweenMarkers(page, "<title>", " - 微云</title>");
  info.size = CutBetweenMarkers(page, "\"file_size\":\"", "\"}],\"flag\":");
  info.sharer = CutBetweenMarkers(page, "\"uin\":", ",\"viewcnt");
  info.shareTime = CutBetweenMarkers(page, "\"createtime\":\"", "\",\"data\":");
  info.downloadCount = CutBetweenMarkers(page, "downcnt\":", ",\"file_list\"");
  const Text key = CutBetweenMarkers(page, "dl_encrypt_url\":\"", "\",\"dl_svr_host\"");
  if (!key.empty()) info.address = WebAddress(ConcatTexts(WeiyunDownloadPrefix(), key, "/?fname=", info.name));
  return info;
}

// An HTML page whose labels ("文件大小: ") end their lines with <br>, CR LF and four tabs.
ShareInfo ParseVdiskPage(std::string_view page) {
  ShareInfo info;
  info.name = CutBetweenMarkers(page, "<title>", "_威盘下载</title>");
  info.size = CutBetweenMarkers(page, "文件大小: ", " <br>\r\n\t\t\t\t上传日期:");
  const Text uploader = CutBetweenMarkers(page, "上传用户: ", "<br>\r\n\t\t\t\t相关网站");
  info.sharer = CutBetweenMarkers(uploader, ">", "</a>");  // the text of the uploader's link
  info.shareTime = CutBetweenMarkers(page, "上传日期: ", " <br>\r\n\t\t\t\t下载统计: ");
  info.downloadCount = CutBetweenMarkers(page, "下载统计: ", "<br>\r\n\t\t\t\t今天下载: ");
  // The prefix is both the left marker and the start of the address.
  const Text rest = CutBetweenMarkers(page, VdiskDownloadPrefix(),
                                      "\" target=\"downiframe\">智能线路下载</a></div>\r");
  if (!rest.empty()) info.address = WebAddress(ConcatTexts(VdiskDownloadPrefix(), rest));
  return info;
}

// An HTML page whose labels are followed by four &nbsp;. The address is the first link
// on the download host, which starts the block that ends with the mobile download link.
ShareInfo ParseQiannaoPage(std::string_view page) {
  ShareInfo info;
  const Text downloads = ConcatTexts(
      QiannaoDownloadPrefix(), CutBetweenMarkers(page, QiannaoDownloadPrefix(), "移动多线下载地址"));
  info.name = CutBetweenMarkers(page, "<title>", "; - 千脑云电脑");
  info.sharer = CutBetweenMarkers(page, "<b>会员名称:</b>&nbsp;&nbsp;&nbsp;&nbsp;",
                                  "  &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; 如果非法或侵权");
  info.shareTime = CutBetweenMarkers(page, "<b>上传时间:</b>&nbsp;&nbsp;&nbsp;&nbsp;",
                                     "<br><br>\r\n\t<div style=\"");
  info.size = CutBetweenMarkers(page, "<b>文件大小:</b>&nbsp;&nbsp;&nbsp;&nbsp;",
                                "<br>\r\n\t<div><br />\r");
  info.downloadCount = "No";
  const Text link = CutBetweenMarkers(downloads, "http://", "\" onclick=");
  if (!link.empty()) info.address = WebAddress(ConcatTexts("http://", link));
  return info;
}

// An HTML page with the file's address in a JSON value (slashes escaped as \/). The
// address runs up to its "fn=" parameter and is completed with the name from the title.
ShareInfo ParseWeipanPage(std::string_view page) {
  ShareInfo info;
  const Text addressStart = CutBetweenMarkers(page, WeipanFileMarker(), "fn=");
  const Text url = ReplaceText(ConcatTexts(WeipanFilePrefix(), addressStart), "\\", "", Case::Insensitive);
  // alt="NAME" title="NAME" href=...: the snippet up to its first quote is the name.
  const Text user = CutBetweenMarkers(page, "<dt><a target=\"_blank\" alt=\"", WeipanUserMarker());
  const Text count = CutBetweenMarkers(page, "<div class=\"downNum\">下载：", "<h2>找资源</h2>");
  info.name = CutBetweenMarkers(page, "<title>", "_微盘下载</title>");
  info.size = CutBetweenMarkers(page, "<span class=\"btn_vdisk_size\">",
                                "</span>\r\n\t\t\t<span class=\"vd_bt_v2 btn_vdisk_size_line\">");
  info.sharer = LeftText(user, FindText(user, "\"", Case::Insensitive) - 1);
  info.shareTime = "No";
  info.downloadCount = LeftText(count, FindText(count, "次</div>", Case::Insensitive) - 1);
  if (!addressStart.empty()) info.address = WebAddress(ConcatTexts(url, "fn=", info.name));
  return info;
}

}  // namespace getlink
