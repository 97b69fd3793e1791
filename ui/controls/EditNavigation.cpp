#include "ui/controls/EditNavigation.h"

#include <vector>

#include "ui/controls/EditCharacters.h"

namespace getlink {
namespace {

// What a double click selects runs of: ASCII digits and letters. Chinese characters,
// spaces and punctuation end a word.
bool IsWordCharacter(std::string_view character) {
  if (character.size() != 1) return false;
  const auto c = static_cast<unsigned char>(character[0]);
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The characters of a line, one string view each.
std::vector<std::string_view> CharactersOf(std::string_view line) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t width = GbkCharacterWidth(line, i);
    characters.push_back(line.substr(i, width));
    i += width;
  }
  return characters;
}

// What the word moves tell apart. GBK's rows with lead bytes 0xA1 to 0xA9 hold
// punctuation and symbols; its other double-byte characters are Chinese.
enum class CharacterClass { Blank, Ascii, Chinese, Symbol };

CharacterClass ClassOf(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead == ' ' || lead == '\t' ? CharacterClass::Blank : CharacterClass::Ascii;
  if (character == "\xA1\xA1") return CharacterClass::Blank;
  return lead >= 0xA1 && lead <= 0xA9 ? CharacterClass::Symbol : CharacterClass::Chinese;
}

}  // namespace

TextPosition StepLeft(const EditDocument& document, TextPosition caret) {
  caret = document.Clamp(caret);
  if (caret.column > 0) return {caret.line, caret.column - 1};
  if (caret.line > 1) return {caret.line - 1, document.LineLength(caret.line - 1)};
  return caret;
}

TextPosition StepRight(const EditDocument& document, TextPosition caret) {
  caret = document.Clamp(caret);
  if (caret.column < document.LineLength(caret.line)) return {caret.line, caret.column + 1};
  if (caret.line < document.LineCount()) return {caret.line + 1, 0};
  return caret;
}

TextPosition StepUp(const EditDocument& document, TextPosition caret) {
  return document.Clamp({caret.line - 1, caret.column});
}

TextPosition StepDown(const EditDocument& document, TextPosition caret) {
  return document.Clamp({caret.line + 1, caret.column});
}

TextPosition LineHome(TextPosition caret) { return {caret.line, 0}; }

TextPosition LineEnd(const EditDocument& document, TextPosition caret) {
  return {caret.line, document.LineLength(document.Clamp(caret).line)};
}

TextPosition WordRight(const EditDocument& document, TextPosition caret) {
  caret = document.Clamp(caret);
  const Text line = document.LineText(caret.line);
  const std::vector<std::string_view> characters = CharactersOf(line);
  const auto count = static_cast<int>(characters.size());
  const auto classAt = [&](int column) { return ClassOf(characters[static_cast<std::size_t>(column)]); };
  int column = caret.column;
  if (column == count) return caret.line < document.LineCount() ? TextPosition{caret.line + 1, 0} : caret;
  const CharacterClass word = classAt(column);
  if (word != CharacterClass::Blank)
    while (column < count && classAt(column) == word) ++column;
  while (column < count && classAt(column) == CharacterClass::Blank) ++column;
  return {caret.line, column};
}

TextPosition WordLeft(const EditDocument& document, TextPosition caret) {
  caret = document.Clamp(caret);
  if (caret.column == 0) return caret.line > 1 ? LineEnd(document, {caret.line - 1, 0}) : caret;
  const Text line = document.LineText(caret.line);
  const std::vector<std::string_view> characters = CharactersOf(line);
  const auto classBefore = [&](int column) { return ClassOf(characters[static_cast<std::size_t>(column - 1)]); };
  int column = caret.column;
  while (column > 0 && classBefore(column) == CharacterClass::Blank) --column;
  if (column == 0) return {caret.line, 0};
  const CharacterClass word = classBefore(column);
  while (column > 0 && classBefore(column) == word) --column;
  return {caret.line, column};
}

TextRange WordAt(const EditDocument& document, TextPosition caret) {
  caret = document.Clamp(caret);
  const Text line = document.LineText(caret.line);
  const std::vector<std::string_view> characters = CharactersOf(line);
  int start = caret.column;
  int end = caret.column;
  while (start > 0 && IsWordCharacter(characters[static_cast<std::size_t>(start - 1)])) --start;
  while (end < static_cast<int>(characters.size()) && IsWordCharacter(characters[static_cast<std::size_t>(end)])) ++end;
  if (start == end && end < static_cast<int>(characters.size())) ++end;
  return {{caret.line, start}, {caret.line, end}};
}

TextRange LineAt(const EditDocument& document, int line) {
  const TextPosition start = document.Clamp({line, 0});
  return {start, LineEnd(document, start)};
}

}  // namespace getlink
