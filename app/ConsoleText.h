// Writing the program's GBK text to the standard streams of a console program.
#pragma once

#include "runtime/Text.h"

namespace getlink {

enum class StandardStream { Output, Error };

// On a console the text goes out as UTF-16 (WriteConsoleW), so Chinese shows right
// whatever the console's code page; to a file or pipe it goes out as UTF-8 bytes.
void WriteText(StandardStream stream, std::string_view gbk);

}  // namespace getlink
