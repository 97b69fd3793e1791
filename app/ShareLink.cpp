#include "app/ShareLink.h"

#include <algorithm>

#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

bool IsBlank(char byte) { return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n'; }

bool IsControl(char byte) { return static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F; }

bool StartsWithScheme(std::string_view link, std::string_view scheme) {
  return link.size() > scheme.size() &&
         CompareText(LeftText(link, TextLength(scheme)), scheme, Case::Insensitive) == 0;
}

// Where the port's colon stands in an authority (after an IPv6 address's brackets), or npos.
std::size_t PortColon(std::string_view authority) {
  const std::size_t hostEnd = authority.empty() || authority[0] != '[' ? 0 : authority.find(']');
  if (hostEnd == std::string_view::npos) return std::string_view::npos;
  return authority.find(':', hostEnd);
}

Text Resolved(std::string_view base, std::string_view location) {
  if (location.empty() || !IsWebLink(base)) return Text();
  if (StartsWithScheme(location, "http://") || StartsWithScheme(location, "https://")) return Text(location);
  const std::size_t schemeEnd = location.find_first_not_of(
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-.");
  if (schemeEnd != 0 && schemeEnd != std::string_view::npos && location[schemeEnd] == ':') return Text();  // file:, ftp:
  const std::size_t hostStart = base.find("://") + 3;
  if (location.substr(0, 2) == "//") return ConcatTexts(base.substr(0, hostStart - 2), location);
  const std::size_t pathStart = std::min(base.find_first_of("/?#", hostStart), base.size());
  if (location[0] == '/') return ConcatTexts(base.substr(0, pathStart), location);
  const std::string_view path = base.substr(pathStart, base.find_first_of("?#", pathStart) - pathStart);
  const std::size_t lastSlash = path.rfind('/');
  const std::string_view directory = lastSlash == std::string_view::npos ? std::string_view("/") : path.substr(0, lastSlash + 1);
  return ConcatTexts(base.substr(0, pathStart), directory, location);
}

// What stands between an http(s) link's "://" and its path, user name and password
// included; empty for any other text.
std::string_view AuthorityWithUserInfo(std::string_view link) {
  if (!IsWebLink(link)) return std::string_view();
  const std::string_view afterScheme = link.substr(link.find("://") + 3);
  return afterScheme.substr(0, afterScheme.find_first_of("/?#"));
}

// The user name and password before the host, with the "@" after them; empty without.
std::string_view UserInfo(std::string_view authority) {
  return authority.substr(0, authority.rfind('@') + 1);  // npos + 1 is 0
}

}  // namespace

Text TrimLink(std::string_view link) {
  std::size_t first = 0;
  std::size_t end = link.size();
  while (first < end && IsBlank(link[first])) ++first;
  while (end > first && IsBlank(link[end - 1])) --end;
  return Text(link.substr(first, end - first));
}

bool IsWebLink(std::string_view link) {
  return (StartsWithScheme(link, "http://") || StartsWithScheme(link, "https://")) &&
         std::none_of(link.begin(), link.end(), IsControl);
}

std::string_view LinkAuthority(std::string_view link) {
  const std::string_view authority = AuthorityWithUserInfo(link);
  return authority.substr(UserInfo(authority).size());
}

Text LinkWithoutUserInfo(std::string_view link) {
  const std::string_view userInfo = UserInfo(AuthorityWithUserInfo(link));
  if (userInfo.empty()) return Text(link);
  const std::size_t at = static_cast<std::size_t>(userInfo.data() - link.data());
  return ConcatTexts(link.substr(0, at), link.substr(at + userInfo.size()));
}

Text LinkHost(std::string_view link) {
  const std::string_view authority = LinkAuthority(link);
  std::string_view host = authority.substr(0, PortColon(authority));
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);
  return LowerText(host);
}

Text ResolveLink(std::string_view base, std::string_view location) {
  Text resolved = Resolved(base, location);
  return IsWebLink(resolved) ? resolved : Text();
}

Text LinkPort(std::string_view link) {
  const std::string_view authority = LinkAuthority(link);
  const std::size_t colon = PortColon(authority);
  return colon == std::string_view::npos ? Text() : Text(authority.substr(colon + 1));
}

}  // namespace getlink
