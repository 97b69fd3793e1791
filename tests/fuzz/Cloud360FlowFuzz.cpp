// Fuzz target: the text steps of the 360云盘 flow on what its servers answer and on the
// link the user typed. Input: the short link's answer headers, the share page, the download
// API's reply and the typed link, separated by zero bytes.
#include "app/Cloud360Flow.h"
#include "app/ShareLink.h"
#include "runtime/TextSearch.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool Holds(std::string_view text, char byte) { return text.find(byte) != std::string_view::npos; }

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view headers = input.NextText();
  const std::string_view page = input.NextText();
  const std::string_view reply = input.NextText();
  const std::string_view typed = input.NextText();

  const Text longLink = ShortLinkTarget(headers);
  Require(longLink.empty() || IsWebLink(longLink), "the redirect target is a web link");

  const Text nid = ShareNid(page);
  Require(FindText(nid, "',") == -1, "the share id stops at its closing quote");

  const Text link = TrimLink(typed);
  Require(TrimLink(link) == link, "a trimmed link stays as it is");
  const Text surl = ShareSurl(link);
  Require(!Holds(surl, '/'), "the share's key holds no slash");
  IsLongShareLink(link);

  const Text api = DownloadApiUrl(IsWebLink(link) ? link : longLink);
  Require(api.empty() || IsWebLink(api), "the download API is a web link");
  Require(api.empty() || FindTextLast(api, "/share/downloadfile/") == TextLength(api) - 19,
          "the download API ends in its path");
  Require(!Holds(api, '@'), "the download API names no user");
  DownloadForm(surl, nid);

  const Text address = AddressFromDownloadReply(reply);
  Require(address.empty() || IsWebLink(address), "the address is a web link");
  // A backslash byte may still be the second byte of a double-byte character.
  Require(FindText(address, "\\") == -1 && !Holds(address, '"'), "the address holds no escape and no quote");
}

}  // namespace getlink::fuzz
