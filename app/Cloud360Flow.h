// The text work of the 360云盘 extractor: which link needs resolving, where the download
// API is, what it is asked and what its reply means.
#pragma once

#include <functional>

#include "runtime/Text.h"

namespace getlink {

// Whether the link is a long share link (it holds "lk", letter case counting): only a
// short link is resolved first.
bool IsLongShareLink(std::string_view link);

// The long link a short link's answer redirects to: the text after "Location: " up to the
// line's end (letter case ignored). Empty when the answer has none, or when it names
// anything but an http or https address.
Text ShortLinkTarget(std::string_view responseHeaders);

// The share's key in the link the user typed: the text after its last "/"; the whole link
// when it has none.
Text ShareSurl(std::string_view link);

// The share's id in the (URL-decoded) share page: between "nid : '" and "',".
Text ShareNid(std::string_view page);

// The download API on the server of the long link: its scheme, host and port, then
// "/share/downloadfile/". Empty when the long link is not an http or https address.
Text DownloadApiUrl(std::string_view longLink);

// The form the download API is posted: "surl=SURL&nid=NID".
Text DownloadForm(std::string_view surl, std::string_view nid);

// The address in the API's reply: from "http:" up to the next double quote, with every
// backslash removed (the reply escapes each "/" as "\/"). Empty when the reply holds no
// address, or what it holds there is no web link.
Text AddressFromDownloadReply(std::string_view reply);

// The requests of a 360云盘 fetch, made by the caller.
struct Cloud360Requests {
  // The header block of the answer to a POST of the short link (its redirect is not followed).
  std::function<Text(const Text& shortLink)> resolve;
  // The share page at the long link, as the bytes arrived (up to a zero byte).
  std::function<Text(const Text& longLink)> getPage;
  // The API's reply to a POST of the form.
  std::function<Text(const Text& api, const Text& form)> post;
};

// The whole fetch, its requests through the caller: a short link (without "lk") is
// resolved first; then the share page is read (percent-encoded UTF-8) for the share's nid
// and the API asked for the address. Empty when the link is no web link (nothing is asked),
// when a short link leads nowhere (nothing more is asked), or when the reply holds no address.
Text Fetch360Address(std::string_view typedLink, const Cloud360Requests& requests);

}  // namespace getlink
