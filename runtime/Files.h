// The executable's directory and whole-file reading. Paths are GBK text; they reach the
// system as UTF-16 converted with code page 936, so Chinese paths work on any locale.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/Text.h"

namespace getlink {

// The directory of the running executable without a trailing backslash, e.g. "C:\a\b"
// for C:\a\b\prog.exe; a path without a backslash comes back whole. Empty when the
// system cannot tell the path.
Text RunDirectory();

// Every byte of the file at `path`; with `atMost`, only its first atMost bytes, so that a
// file too large to use costs no more memory than that (its size is looked at first). Empty
// when the file cannot be opened or read (a missing file is not an error), for an empty
// file, and, without a bound, for a file of 2 GiB or more, which a 32-bit process could not
// hold anyway. Other programs may be reading or writing the file meanwhile.
ByteSet ReadFileBytes(std::string_view path, std::optional<std::size_t> atMost = std::nullopt);

// The names (without the folder) of the files in the folder that match the pattern
// ("*.json"), in no particular order; none when the folder cannot be listed.
std::vector<Text> ListFiles(std::string_view folder, std::string_view pattern);

}  // namespace getlink
