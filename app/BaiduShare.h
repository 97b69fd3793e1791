// Baidu Netdisk's share page, of a public share or of a private one opened with its
// extraction code, as the service's own pages open it.
#pragma once

#include <cstdint>
#include <optional>

#include "app/rules/RuleTransport.h"

namespace getlink {

struct BaiduPageFetch {
  ByteSet page;                         // the share page's bytes as they arrived
  std::optional<FetchFailure> failure;  // why they are not the share's page
};

// A public share: one GET of the link (a redirect is followed as a browser follows it).
// A private share's link answers with a redirect to its code page ".../share/init?surl=ID" on
// the link's host. Without a code nothing more is asked (ShareNeedsCode). With one: a POST
// to the code page's address with "/share/init" replaced by "/share/verify" and "&t=" and
// timeMs added, the form "pwd=CODE&vcode=&vcode_str=" and the code page as Referer; its
// JSON's errno 0 with the cookie BDCLND opens the share, whose page a second GET of the link
// with the fetch's cookies gives; -9 is a wrong code, -62 a wanted picture code (captcha),
// anything else an answer not as expected. The code never appears in a failure. Only http(s)
// links are asked (NotWebLink otherwise).
BaiduPageFetch FetchBaiduPage(std::string_view link, const Text& code, RuleTransport& transport, std::int64_t timeMs);

}  // namespace getlink
