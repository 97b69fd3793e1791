// JSON text: the contents of a string written from GBK text, and a whole JSON text read
// into values. getlink-cli writes its JSON lines with the first; an aria2 request is built
// with it and aria2's answer read with the second.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/Text.h"

namespace getlink {

// The GBK text as the contents of a JSON string (quotes not included): the quote, the
// backslash and control characters escaped, double-byte characters left whole, a byte that
// begins no character "?" (ForEachConvertedCharacter), so that the string stays whole when
// it is converted to UTF-8.
Text JsonStringContents(std::string_view text);

// One JSON value. Strings are their UTF-8 contents with the escapes undone; a number is
// kept as written; an object keeps its members in order.
struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };

  Kind kind = Kind::Null;
  std::string text;                      // a string's contents, a number, "true" or "false"
  std::vector<JsonValue> items;          // an array's values
  std::vector<std::string> memberNames;  // an object's names, beside memberValues
  std::vector<JsonValue> memberValues;

  // The object's member of that name (the last, when a name repeats), or null.
  const JsonValue* Member(std::string_view name) const;
  // The member as a string, or null when it is missing or holds no string.
  const std::string* StringMember(std::string_view name) const;
};

// The value of a whole JSON text (blanks around it allowed), or nothing when the text is
// not well-formed UTF-8 JSON or nests deeper than 64 arrays and objects. An escaped lone
// surrogate reads as U+FFFD.
std::optional<JsonValue> ParseJson(std::string_view utf8);

}  // namespace getlink
