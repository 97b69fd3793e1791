// JSON text: the contents of a string written from GBK text, and a whole JSON text read
// into values. getlink-cli writes its JSON lines with the first; an aria2 request is built
// with it, aria2's answer and the service rule files are read with the second.
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
  int line = 1;                          // the 1-based line of the text where the value starts
  std::string text;                      // a string's contents, a number, "true" or "false"
  std::vector<JsonValue> items;          // an array's values
  std::vector<std::string> memberNames;  // an object's names, beside memberValues
  std::vector<JsonValue> memberValues;

  // The object's member of that name (the last, when a name repeats), or null.
  const JsonValue* Member(std::string_view name) const;
  // The member as a string, or null when it is missing or holds no string.
  const std::string* StringMember(std::string_view name) const;
};

// Why a JSON text could not be read.
enum class JsonFault {
  None,
  NotUtf8,          // a byte sequence that is no UTF-8
  Unexpected,       // a character where none of its kind may stand
  UnendedString,    // a string without its closing quote (or broken by a line end)
  BadEscape,        // a backslash not followed by a JSON escape
  TooDeep,          // arrays and objects nested deeper than allowed
  TextAfterValue,   // something after the whole value
};

struct JsonReadOptions {
  bool comments = false;  // "//" up to the line's end counts as a blank
  int deepest = 64;       // arrays and objects nested at most this deep
};

struct JsonRead {
  std::optional<JsonValue> value;   // nothing when the text could not be read
  JsonFault fault = JsonFault::None;
  int line = 0;                     // the 1-based line of the fault
};

// Reads a whole JSON text (blanks around it allowed). An escaped lone surrogate reads as
// U+FFFD. A hostile text cannot exhaust the stack: nesting is bounded.
JsonRead ReadJson(std::string_view utf8, const JsonReadOptions& options = {});

// The value of a whole JSON text, or nothing when it is not well-formed UTF-8 JSON or nests
// deeper than 64 arrays and objects.
std::optional<JsonValue> ParseJson(std::string_view utf8);

}  // namespace getlink
