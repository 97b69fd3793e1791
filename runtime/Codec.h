// Conversions between the program's GBK text and other encodings. Every conversion names
// code page 936 explicitly, so results do not depend on the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// UTF-8 bytes to GBK bytes, the way MultiByteToWideChar(CP_UTF8) followed by
// WideCharToMultiByte(936, WC_COMPOSITECHECK) converts them: invalid UTF-8 and characters
// without a GBK form come out as '?'. Zero bytes of the input are kept.
std::string Utf8ToGbkBytes(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates); plain ASCII is.
bool IsUtf8(std::string_view bytes);

// Bytes a user wrote (standard input, a settings file) as GBK text: UTF-8, with or without
// a byte-order mark, is converted; anything else is taken to be GBK already.
Text TextOfUtf8OrGbk(std::string_view bytes);

// GBK bytes to UTF-8 (for output to files, pipes and the X clipboard in tests).
std::string GbkToUtf8(std::string_view gbk);

#ifdef _WIN32
// GBK text to UTF-16 for the wide Windows APIs, and back.
std::wstring ToWide(std::string_view gbk);
Text FromWide(std::wstring_view wide);
#endif

}  // namespace getlink
