#include "app/ShareLink.h"

#include <algorithm>

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

}  // namespace getlink
