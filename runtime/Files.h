// The executable's directory and whole-file reading. Paths are GBK text; they reach the
// system as UTF-16 converted with code page 936, so Chinese paths work on any locale.
#pragma once

#include <string_view>
#include <vector>

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

// The same for a file that may be at most maxBytes long: its size is checked before
// anything is read, and one that is larger gives no bytes and tooLarge.
struct BoundedFileRead {
  ByteSet bytes;
  bool tooLarge = false;
};
BoundedFileRead ReadFileBytesUpTo(std::string_view path, std::size_t maxBytes);

// The names (without the folder) of the files in the folder that match the pattern
// ("*.json"), in no particular order; none when the folder cannot be listed.
std::vector<Text> ListFiles(std::string_view folder, std::string_view pattern);

}  // namespace getlink
