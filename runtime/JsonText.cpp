#include "runtime/JsonText.h"

#include "runtime/Codec.h"

#include <algorithm>

namespace getlink {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kDeepestNesting = 64;  // a hostile answer must not exhaust the stack

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A recursive-descent reader over the text; every Read* leaves `at_` after what it read
// and answers false on the first fault, which it names in `fault_` (Unexpected unless a
// more telling one was set) with the line it stands on.
class JsonReader {
 public:
  JsonReader(std::string_view text, const JsonReadOptions& options) : text_(text), options_(options) {}

  JsonRead ReadWhole() {
    JsonRead read;
    JsonValue value;
    if (ReadValue(value, 0)) {
      SkipBlanks();
      if (at_ == text_.size()) {
        read.value = std::move(value);
        return read;
      }
      fault_ = JsonFault::TextAfterValue;
    }
    read.fault = fault_ == JsonFault::None ? JsonFault::Unexpected : fault_;
    read.line = line_;
    return read;
  }

 private:
  bool Fail(JsonFault fault) {
    if (fault_ == JsonFault::None) fault_ = fault;
    return false;
  }

  void SkipBlanks() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '\n') {
        ++line_;
      } else if (c == '/' && options_.comments && text_.substr(at_, 2) == "//") {
        at_ = std::min(text_.find('\n', at_), text_.size());
        continue;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        return;
      }
      ++at_;
    }
  }

  // Whether the next character after blanks is `expected` (left in place).
  bool Next(char expected) {
    SkipBlanks();
    return at_ < text_.size() && text_[at_] == expected;
  }

  bool Take(char expected) {
    if (!Next(expected)) return false;
    ++at_;
    return true;
  }

  bool TakeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool ReadValue(JsonValue& value, int depth) {
    SkipBlanks();
    if (at_ >= text_.size()) return false;
    value.line = line_;
    switch (text_[at_]) {
      case '{': return depth < options_.deepest ? ReadObject(value, depth + 1) : Fail(JsonFault::TooDeep);
      case '[': return depth < options_.deepest ? ReadArray(value, depth + 1) : Fail(JsonFault::TooDeep);
      case '"': value.kind = JsonValue::Kind::String; return ReadString(value.text);
      case 't': value.kind = JsonValue::Kind::Boolean; value.text = "true"; return TakeWord("true");
      case 'f': value.kind = JsonValue::Kind::Boolean; value.text = "false"; return TakeWord("false");
      case 'n': value.kind = JsonValue::Kind::Null; return TakeWord("null");
      default: value.kind = JsonValue::Kind::Number; return ReadNumber(value.text);
    }
  }

  bool ReadObject(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;  // the brace
    if (Take('}')) return true;
    do {
      std::string name;
      JsonValue member;
      if (!Next('"') || !ReadString(name) || !Take(':') || !ReadValue(member, depth)) return false;
      value.memberNames.push_back(std::move(name));
      value.memberValues.push_back(std::move(member));
    } while (Take(','));
    return Take('}');
  }

  bool ReadArray(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++at_;  // the bracket
    if (Take(']')) return true;
    do {
      JsonValue item;
      if (!ReadValue(item, depth)) return false;
      value.items.push_back(std::move(item));
    } while (Take(','));
    return Take(']');
  }

  bool ReadDigits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  bool ReadNumber(std::string& number) {
    const std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!ReadDigits()) {
      return false;
    }
    if (at_ < text_.size() && text_[at_] == '.' && (++at_, !ReadDigits())) return false;
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!ReadDigits()) return false;
    }
    number.assign(text_.substr(start, at_ - start));
    return true;
  }

  std::optional<std::uint32_t> ReadHex4() {
    if (text_.size() - at_ < 4) return std::nullopt;
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
      const char digit = text_[at_++];
      code <<= 4;
      if (digit >= '0' && digit <= '9') code |= static_cast<std::uint32_t>(digit - '0');
      else if (digit >= 'a' && digit <= 'f') code |= static_cast<std::uint32_t>(digit - 'a' + 10);
      else if (digit >= 'A' && digit <= 'F') code |= static_cast<std::uint32_t>(digit - 'A' + 10);
      else return std::nullopt;
    }
    return code;
  }

  // After "\u": one escaped character, two escapes for a surrogate pair.
  bool ReadEscapedCharacter(std::string& out) {
    std::optional<std::uint32_t> code = ReadHex4();
    if (!code) return Fail(JsonFault::BadEscape);
    if (*code >= 0xD800 && *code <= 0xDBFF && text_.substr(at_, 2) == "\\u") {
      const std::size_t pairAt = at_;
      at_ += 2;
      const std::optional<std::uint32_t> low = ReadHex4();
      if (!low) return Fail(JsonFault::BadEscape);
      if (*low >= 0xDC00 && *low <= 0xDFFF) {
        code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
      } else {
        at_ = pairAt;  // not a pair: the second escape stands alone
      }
    }
    AppendUtf8(out, *code >= 0xD800 && *code <= 0xDFFF ? 0xFFFD : *code);
    return true;
  }

  bool ReadString(std::string& out) {
    ++at_;  // the opening quote
    while (at_ < text_.size()) {
      const unsigned char byte = static_cast<unsigned char>(text_[at_++]);
      if (byte == '"') return true;
      if (byte < 0x20) return Fail(JsonFault::UnendedString);
      if (byte != '\\') {
        out += static_cast<char>(byte);
        continue;
      }
      if (at_ >= text_.size()) break;
      switch (text_[at_++]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u':
          if (!ReadEscapedCharacter(out)) return false;
          break;
        default: return Fail(JsonFault::BadEscape);
      }
    }
    return Fail(JsonFault::UnendedString);
  }

  std::string_view text_;
  JsonReadOptions options_;
  std::size_t at_ = 0;
  int line_ = 1;
  JsonFault fault_ = JsonFault::None;
};

}  // namespace

// Steps as the conversion to UTF-8 will: a byte that starts no character could otherwise
// pair with the backslash of an escape and leave the quote after it bare.
Text JsonStringContents(std::string_view text) {
  Text contents;
  ForEachConvertedCharacter(text, [&contents](std::string_view character) {
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    if (character.size() == 2) {
      contents += character;
    } else if (byte == '"' || byte == '\\') {
      contents += ConcatTexts("\\", character);
    } else if (byte == '\r') {
      contents += "\\r";
    } else if (byte == '\n') {
      contents += "\\n";
    } else if (byte == '\t') {
      contents += "\\t";
    } else if (IsControl(byte)) {
      contents += ConcatTexts("\\u00", std::string_view(&kHexDigits[byte >> 4], 1),
                              std::string_view(&kHexDigits[byte & 0xF], 1));
    } else {
      contents += character;
    }
  });
  return contents;
}

const JsonValue* JsonValue::Member(std::string_view name) const {
  for (std::size_t i = memberNames.size(); i-- > 0;) {
    if (memberNames[i] == name) return &memberValues[i];
  }
  return nullptr;
}

const std::string* JsonValue::StringMember(std::string_view name) const {
  const JsonValue* member = Member(name);
  return member != nullptr && member->kind == Kind::String ? &member->text : nullptr;
}

JsonRead ReadJson(std::string_view utf8, const JsonReadOptions& options) {
  if (!IsUtf8(utf8)) {
    JsonRead read;
    read.fault = JsonFault::NotUtf8;
    const std::string_view good = utf8.substr(0, Utf8PrefixLength(utf8));
    read.line = 1 + static_cast<int>(std::count(good.begin(), good.end(), '\n'));
    return read;
  }
  return JsonReader(utf8, options).ReadWhole();
}

std::optional<JsonValue> ParseJson(std::string_view utf8) { return ReadJson(utf8).value; }

}  // namespace getlink
