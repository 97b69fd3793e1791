#include "runtime/Codec.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <memory>
#endif

namespace getlink {

namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view s) {
  const unsigned char b0 = static_cast<unsigned char>(s[0]);
  std::size_t need;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) need = 2;
  else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 3;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;  // no UTF-16 surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < need) return 0;
  for (std::size_t i = 1; i < need; ++i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (i == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) return 0;
  }
  return need;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void AppendUtf8(std::string& out, char32_t code) {
  const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | code >> 6);
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | code >> 12);
    byte(0x80 | (code >> 6 & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | code >> 18);
    byte(0x80 | (code >> 12 & 0x3F));
    byte(0x80 | (code >> 6 & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

// UTF-16 bytes after their byte-order mark as UTF-8; nothing for an odd count or a
// surrogate without its other half.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  const auto unit = [&](std::size_t at) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  std::string utf8;
  for (std::size_t at = 0; at < bytes.size(); at += 2) {
    char32_t code = unit(at);
    if (code >= 0xDC00 && code <= 0xDFFF) return std::nullopt;
    if (code >= 0xD800 && code <= 0xDBFF) {
      at += 2;
      const char32_t low = at < bytes.size() ? unit(at) : 0;
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(utf8, code);
  }
  return utf8;
}

// Whether every byte is ASCII, the euro sign 0x80 or part of a pair that code page 936
// converts.
bool IsGbk(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (ConvertsAsPairAt(bytes, at)) {
      ++at;
    } else if (static_cast<unsigned char>(bytes[at]) > 0x80) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::size_t Utf8PrefixLength(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t length = Utf8SequenceLength(bytes.substr(at));
    if (length == 0) break;
    at += length;
  }
  return at;
}

bool IsUtf8(std::string_view bytes) { return Utf8PrefixLength(bytes) == bytes.size(); }

Text TextOfUtf8OrGbk(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
  return IsUtf8(bytes) ? Utf8ToGbkBytes(bytes) : Text(bytes);
}

std::optional<Text> TextOfSavedFile(std::string_view bytes) {
  std::optional<Text> text;
  const std::string_view mark = bytes.substr(0, 2);
  if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
    const std::optional<std::string> utf8 = Utf16ToUtf8(bytes.substr(2), mark == "\xFE\xFF");
    if (utf8) text = Utf8ToGbkBytes(*utf8);
  } else {
    const bool marked = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (marked) bytes.remove_prefix(kUtf8Mark.size());
    if (IsUtf8(bytes)) {
      text = Utf8ToGbkBytes(bytes);
    } else if (!marked && IsGbk(bytes)) {
      text = Text(bytes);
    }
  }
  if (text && text->find('\0') != Text::npos) return std::nullopt;
  return text;
}

#ifdef _WIN32

namespace {
constexpr UINT kGbk = 936;

std::wstring MultiByteToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int count = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), count, wide.data(), units);
  return wide;
}

std::string WideToMultiByte(UINT codePage, DWORD flags, std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int count = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(codePage, flags, wide.data(), count, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), count, out.data(), bytes, nullptr, nullptr);
  return out;
}
}  // namespace

std::string Utf8ToGbkBytes(std::string_view utf8) {
  return WideToMultiByte(kGbk, WC_COMPOSITECHECK, MultiByteToWide(CP_UTF8, utf8));
}

std::string GbkToUtf8(std::string_view gbk) {
  return WideToMultiByte(CP_UTF8, 0, MultiByteToWide(kGbk, gbk));
}

std::wstring ToWide(std::string_view gbk) { return MultiByteToWide(kGbk, gbk); }

Text FromWide(std::wstring_view wide) { return WideToMultiByte(kGbk, 0, wide); }

#else  // iconv

namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Converts with iconv; where iconv stops at a sequence it cannot convert, writes '?' and
// skips the offending character (a whole one when the input is well-formed UTF-8 that
// the target lacks, one byte when the input itself is broken).
std::string Convert(const char* to, const char* from, std::string_view input, bool inputIsUtf8) {
  IconvHandle cd(iconv_open(to, from));
  if (cd.get() == reinterpret_cast<iconv_t>(-1)) {
    cd.release();
    return std::string();
  }
  std::string out;
  out.reserve(input.size());
  char buffer[4096];
  std::size_t at = 0;
  while (at < input.size()) {
    char* in = const_cast<char*>(input.data() + at);
    std::size_t inLeft = input.size() - at;
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    at = input.size() - inLeft;
    if (rc != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ or EINVAL: an unconvertible or broken sequence at `at`.
    out.push_back('?');
    std::size_t skip = 1;
    if (inputIsUtf8) {
      const std::size_t n = Utf8SequenceLength(input.substr(at));
      skip = n == 0 ? 1 : n;
    } else if (static_cast<unsigned char>(input[at]) >= 0x80 && at + 1 < input.size()) {
      skip = 2;
    }
    at += skip;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::string Utf8ToGbkBytes(std::string_view utf8) { return Convert("CP936", "UTF-8", utf8, true); }

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "CP936", gbk, false); }

#endif

}  // namespace getlink
