#include "app/FindShareLink.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

struct PastedCase {
  const char* text;  // GBK, as the link box or a command line hands it over
  const char* link;
  const char* code;
};

// Share messages as the services' share buttons and chat apps word them: colons and blanks
// of both widths, line breaks, punctuation glued to the link.
const PastedCase kPastedTexts[] = {
    // 百度网盘
    {"链接: https://pan.baidu.com/s/1aBcD_eFgHiJ-kLm 提取码: x7k2 复制这段内容后打开百度网盘手机App，操作更方便哦",
     "https://pan.baidu.com/s/1aBcD_eFgHiJ-kLm", "x7k2"},
    {"链接：https://pan.baidu.com/s/1Qx2Wc3ErTy?pwd=m3n4 \r\n--来自百度网盘超级会员v5的分享",
     "https://pan.baidu.com/s/1Qx2Wc3ErTy?pwd=m3n4", "m3n4"},
    {"HTTP://PAN.BAIDU.COM/share/link?shareid=3527811924&uk=2215371460",
     "HTTP://PAN.BAIDU.COM/share/link?shareid=3527811924&uk=2215371460", ""},
    // 360云盘
    {"https://yunpan.cn/cxRr4HqGdYkKu  访问密码 6a0f", "https://yunpan.cn/cxRr4HqGdYkKu", "6a0f"},
    {"分享文件：毕业设计.docx\r\n链接：http://yunpan.cn/Qx7Yb2Zk（提取码：1b2c）", "http://yunpan.cn/Qx7Yb2Zk", "1b2c"},
    // 腾讯微云
    {"我用微云分享了「2013年度报告.pdf」，点击链接查看：https://share.weiyun.com/5f1a2b3c。密码：k9m8n7",
     "https://share.weiyun.com/5f1a2b3c", "k9m8n7"},
    {"链接：　https://share.weiyun.com/abc\r\n密码错误请重试，提取码：　ab12", "https://share.weiyun.com/abc", "ab12"},
    // 新浪微盘
    {"【新浪微盘】2014国考申论范文精选.doc http://vdisk.weibo.com/s/aBcDeFgHiJkL】", "http://vdisk.weibo.com/s/aBcDeFgHiJkL",
     ""},
    // Vdisk
    {"Vdisk下载地址：http://vdisk.cn/down/index/11032468.html，欢迎下载！", "http://vdisk.cn/down/index/11032468.html", ""},
    {"see http://vdisk.cn/down/index/11032468.html.", "http://vdisk.cn/down/index/11032468.html", ""},
    // 千脑网盘
    {"千脑网盘 —— 地址(http://www.qiannao.com/file/2013/0308/photoshop-cs6.html)",
     "http://www.qiannao.com/file/2013/0308/photoshop-cs6.html", ""},
    {"\"http://www.qiannao.com/file/a_(b).html\"", "http://www.qiannao.com/file/a_(b).html", ""},
    // A link alone on its line is taken whole, Chinese characters included (also those
    // whose second byte is "\\" or "|": 癨 is B0 5C, 諀 D5 7C); punctuation glued to it makes
    // the line a share text.
    {"http://127.0.0.1/baidu/s/1a?fn=测试文件", "http://127.0.0.1/baidu/s/1a?fn=测试文件", ""},
    {" 　https://share.weiyun.com/s/癨諀.pdf.\r\n", "https://share.weiyun.com/s/癨諀.pdf", ""},
    {"通过网盘分享的文件：报告\r\nhttp://a.cn/s/1?fn=报告.doc\r\n提取码：ab12", "http://a.cn/s/1?fn=报告.doc", "ab12"},
    // The trim at its end steps through characters: a second byte "]" or "[" (慮 91 5D,
    // 沒 9B 5D, 廬 8F 5D, 揮 93 5D, 癧 B0 5B) is no bracket.
    {"http://127.0.0.1/baidu/s/1?name=考慮", "http://127.0.0.1/baidu/s/1?name=考慮", ""},
    {"http://a.cn/s/沒廬揮\r\n", "http://a.cn/s/沒廬揮", ""},
    {"http://a.cn/s/考慮]", "http://a.cn/s/考慮", ""},
    {"http://a.cn/s/[考慮]", "http://a.cn/s/[考慮]", ""},
    {"http://a.cn/s/癧]", "http://a.cn/s/癧", ""},
    {"http://a.cn/s/(a))", "http://a.cn/s/(a)", ""},
    {"https://share.weiyun.com/5f1a2b3c文件。密码：k9m8n7", "https://share.weiyun.com/5f1a2b3c", "k9m8n7"},
    {"http://a.cn/s/报告 提取码：ab12", "http://a.cn/s/", "ab12"},
    // The first of two links; a code without a link; no link at all.
    {"http://a.cn/1 http://b.cn/2", "http://a.cn/1", ""},
    {"提取码：abcd", "", "abcd"},
    {"没有链接，也没有密码", "", ""},
    {"", "", ""},
    // "癶" is B0 68: its second byte is an "h", which must not start a link.
    {"癶ttp://a.cn/x", "", ""},
};

TEST(FindShareLink, ShareTextsOfEveryService) {
  for (const PastedCase& entry : kPastedTexts) {
    SCOPED_TRACE(entry.text);
    const PastedLink found = FindShareLink(entry.text);
    EXPECT_EQ(found.link, entry.link);
    EXPECT_EQ(found.extractionCode, entry.code);
  }
}

}  // namespace
}  // namespace getlink
