// Byte-set operations with 1-based positions, as the edit box's text model uses them.
#pragma once

#include "runtime/Text.h"

namespace getlink {

int ByteSetLength(const ByteSet& bytes);

// n zero bytes; empty for n <= 0.
ByteSet BlankByteSet(int n);

// A copy of n bytes at `address`; empty when n <= 0 or the address is null.
ByteSet ByteSetFromMemory(const void* address, int n);

ByteSet ByteSetLeft(const ByteSet& bytes, int n);
ByteSet ByteSetRight(const ByteSet& bytes, int n);

// n bytes from the 1-based start (<= 0 counts as 1), cut at the end.
ByteSet ByteSetMid(const ByteSet& bytes, int start, int n);

// Replaces n bytes from the 1-based start with `replacement`. When fewer than n bytes
// follow the start, everything from the start on is replaced. A start past the end or
// n <= 0 leaves the bytes unchanged; an empty source gives the replacement.
ByteSet ByteSetReplaceRange(const ByteSet& bytes, int start, int n, const ByteSet& replacement = {});

}  // namespace getlink
