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

// The host of an http URL in lower case: the text after "http://" (from the start when
// there is none) up to the first "/", without ":" and the port unless keepPort is true.
Text HostOfUrl(std::string_view url, bool keepPort = false);

}  // namespace getlink
