#include "http/UrlDecoding.h"

#include <algorithm>

#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

// The value of a hexadecimal digit of either case, or -1.
int HexValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

}  // namespace

ByteSet Utf8ToGbk(const ByteSet& utf8) {
  const std::string gbk =
      Utf8ToGbkBytes(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  return ByteSet(gbk.begin(), gbk.end());
}

Text UrlDecode(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        if (high != 0 || low != 0) utf8.push_back(static_cast<char>(high * 16 + low));
        i += 3;
        continue;
      }
    }
    utf8.push_back(text[i]);
    ++i;
  }
  Text gbk = Utf8ToGbkBytes(utf8);
  gbk.resize(std::min(gbk.size(), gbk.find('\0')));
  return gbk;
}

Text UrlForRequest(std::string_view url) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  const std::string utf8 = GbkToUtf8(url);
  Text encoded;
  encoded.reserve(utf8.size());
  for (const char byte : utf8) {
    const unsigned char value = static_cast<unsigned char>(byte);
    if (value > 0x20 && value < 0x7F) {
      encoded.push_back(byte);
    } else {
      encoded.push_back('%');
      encoded.push_back(kHexDigits[value >> 4]);
      encoded.push_back(kHexDigits[value & 0x0F]);
    }
  }
  return encoded;
}

Text FormValue(std::string_view gbk) {
  constexpr char kHex[] = "0123456789ABCDEF";
  Text encoded;
  for (const char c : GbkToUtf8(gbk)) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
        byte == '-' || byte == '_' || byte == '.' || byte == '~') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xF];
    }
  }
  return encoded;
}

Text HostOfUrl(std::string_view url, bool keepPort) {
  constexpr std::string_view kScheme = "http://";
  const int scheme = FindText(url, kScheme);
  std::string_view host = scheme < 0 ? url : url.substr(static_cast<std::size_t>(scheme - 1) + kScheme.size());
  const int slash = FindText(host, "/");
  if (slash > 0) host = host.substr(0, static_cast<std::size_t>(slash - 1));
  if (!keepPort) {
    const int colon = FindText(host, ":");
    if (colon > 0) host = host.substr(0, static_cast<std::size_t>(colon - 1));
  }
  return LowerText(host);
}

}  // namespace getlink
