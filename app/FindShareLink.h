// Finding the share link in what a user pastes: a bare link, or a whole share message
// ("链接：https://pan.baidu.com/s/1abc 提取码：x7k2 复制这段内容后打开…").
#pragma once

#include "runtime/Text.h"

namespace getlink {

struct PastedLink {
  Text link;            // the first http(s) link of the text; empty when it holds none
  Text extractionCode;  // the code the text gives with it; empty when it gives none
};

// The first http:// or https:// link (scheme in any case) of a GBK text. A link alone on
// its line (blanks aside) is taken whole, its Chinese characters included
// ("http://host/s/1a?fn=测试文件"); Chinese punctuation and full-width forms (GBK's symbol
// rows A1-A9) never belong to a link, so a line where they follow it is a share text.
// In a share text the link is cut where it ends: at a blank, a line
// break, a quote or angle bracket, or the first non-ASCII character (a Chinese full stop,
// bracket, colon or word glued to the link). Either way, full stops, commas and other
// sentence punctuation at its end, and a closing bracket that opens nowhere in the link,
// are left out.
//
// The extraction code is the run of ASCII letters and digits after the first "提取码",
// "访问码" or "密码" (also in "提取密码", "访问密码") that is followed by one, past blanks
// and colons of either width; failing that, the link's own "pwd=" query value.
PastedLink FindShareLink(std::string_view text);

}  // namespace getlink
