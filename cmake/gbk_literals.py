#!/usr/bin/env python3
"""Compiler launcher of the fuzzing build: compiles a C++ source whose string literals hold
Chinese text as if it had been compiled with -fexec-charset=GBK, which clang does not know.

    gbk_literals.py COMPILER ARGS...    (CMAKE_CXX_COMPILER_LAUNCHER)

The source after -c is copied next to the object file with every non-ASCII character inside
a string literal written as the \\x escapes of its GBK bytes; comments are left alone. A
#line directive keeps diagnostics and debug information pointing at the real file. Headers
are compiled as they are: they must hold no Chinese outside comments.
"""

import os
import sys


def escaped(text, where):
    """The GBK escapes of a run of non-ASCII characters."""
    try:
        data = text.encode("gbk")
    except UnicodeEncodeError as error:
        sys.exit(f"{where}: no GBK form for {text!r}: {error}")
    return "".join(f"\\x{byte:02X}" for byte in data)


def convert(source, where):
    """The source with the non-ASCII characters of its ordinary string literals escaped."""
    out = []
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            end = source.find("\n", i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            i = end
        elif c == "R" and source.startswith('R"', i) and not (i and (source[i - 1].isalnum() or source[i - 1] == "_")):
            delimiter = source[i + 2:source.index("(", i)]
            end = source.index(")" + delimiter + '"', i) + len(delimiter) + 2
            raw = source[i:end]
            if any(ord(ch) > 127 for ch in raw):
                sys.exit(f"{where}: Chinese in a raw string literal cannot be converted")
            out.append(raw)
            i = end
        elif c in "\"'":
            prefix_start = i
            while prefix_start > 0 and (source[prefix_start - 1].isalnum() or source[prefix_start - 1] == "_"):
                prefix_start -= 1
            prefixed = prefix_start < i and source[prefix_start:i] in ("L", "u", "U", "u8")
            j = i + 1
            literal = [c]
            while j < n and source[j] != c:
                if source[j] == "\\":
                    literal.append(source[j:j + 2])
                    j += 2
                    continue
                if ord(source[j]) > 127:
                    if c == "'" or prefixed:
                        sys.exit(f"{where}: Chinese in a character or prefixed literal cannot be converted")
                    k = j
                    while k < n and ord(source[k]) > 127:
                        k += 1
                    literal.append(escaped(source[j:k], where))
                    # A hexadecimal digit right after an escape would join it: split the literal.
                    if k < n and source[k] in "0123456789abcdefABCDEF":
                        literal.append('""')
                    j = k
                    continue
                literal.append(source[j])
                j += 1
            literal.append(c)
            out.append("".join(literal))
            i = j + 1
        else:
            if ord(c) > 127:
                sys.exit(f"{where}: non-ASCII character outside literals and comments")
            out.append(c)
            i += 1
    return "".join(out)


def main(argv):
    command = list(argv)
    if "-c" not in command or "-o" not in command:
        os.execvp(command[0], command)  # linking, or asking the compiler something
    source_at = command.index("-c") + 1
    source = command[source_at]
    converted_path = command[command.index("-o") + 1] + ".gbk.cpp"
    with open(source, encoding="utf-8") as f:
        text = convert(f.read(), source)
    with open(converted_path, "w", encoding="utf-8") as f:
        f.write(f'#line 1 "{os.path.abspath(source)}"\n{text}')
    command[source_at] = converted_path
    os.execvp(command[0], command)


if __name__ == "__main__":
    main(sys.argv[1:])
