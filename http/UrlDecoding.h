// Conversions between web text and the program's GBK text.
#pragma once

#include "runtime/Text.h"

namespace getlink {

// UTF-8 bytes as GBK bytes (code page 936), no terminator; zero bytes are kept.
ByteSet Utf8ToGbk(const ByteSet& utf8);

// Percent-encoded UTF-8 text as GBK text. "%" with two hexadecimal digits (either case)
// stands for that byte; a decoded zero byte is dropped. A "%" without two hexadecimal
// digits after it is kept as it is, and "+" stays "+".
Text UrlDecode(std::string_view text);

// The URL as a request sends it, as a browser sends a link with Chinese in it: GBK text
// taken as UTF-8, each byte of 0x80 and above, each blank and each control character
// written as "%" and two upper-case hexadecimal digits; the rest, "%" included, as it is.
// The result is printable ASCII alone. (A host beyond ASCII is not turned into its
// punycode form.)
Text UrlForRequest(std::string_view url);

// GBK text as the value of a form field or a query parameter: its UTF-8 bytes, each but
// the ASCII letters, digits and "-_.~" written as "%" and two upper-case hexadecimal digits.
Text FormValue(std::string_view gbk);

// The host of an http URL in lower case: the text after "http://" (from the start when
// there is none) up to the first "/", without ":" and the port unless keepPort is true.
Text HostOfUrl(std::string_view url, bool keepPort = false);

}  // namespace getlink
