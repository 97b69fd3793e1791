// The executable's directory and whole-file reading. Paths are GBK text; they reach the
// system as UTF-16 converted with code page 936, so Chinese paths work on any locale.
#pragma once

#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// The directory of the running executable without a trailing backslash, e.g. "C:\a\b"
// for C:\a\b\prog.exe; a path without a backslash comes back whole. Empty when the
// system cannot tell the path.
Text RunDirectory();

// Every byte of the file at `path`. Empty when the file cannot be opened or read (a
// missing file is not an error) and for an empty file. Other programs may be reading or
// writing the file meanwhile.
ByteSet ReadFileBytes(std::string_view path);

}  // namespace getlink
