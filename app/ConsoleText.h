// The standard streams of a console program: the program's GBK text out, raw bytes in.
#pragma once

#include "runtime/Text.h"

namespace getlink {

enum class StandardStream { Output, Error };

// On a console the text goes out as UTF-16 (WriteConsoleW), so Chinese shows right
// whatever the console's code page; to a file or pipe it goes out as UTF-8 bytes.
void WriteText(StandardStream stream, std::string_view gbk);

// Everything standard input holds, up to its end: the bytes of a file or pipe as they
// are, what is typed on a console as UTF-8.
std::string ReadStandardInput();

}  // namespace getlink
