#include "ui/controls/CharacterAdvances.h"

#include "runtime/Codec.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

Rect BoxOf(GpGraphics* graphics, GpFont* font, GpStringFormat* format, std::wstring_view wide) {
  const std::vector<Rect> boxes = MeasureCharacters(graphics, FromWide(wide), font, format, {}, 0, 1);
  return boxes.empty() ? Rect{} : boxes.front();
}

}  // namespace

void CharacterAdvances::Clear() {
  advances_.clear();
  leadingSpace_ = -1;
  rowHeight_ = 0;
  padding_ = 0;
}

void CharacterAdvances::MeasureSample(GpGraphics* graphics, GpFont* font, GpStringFormat* format) {
  if (leadingSpace_ >= 0) return;
  const Rect box = BoxOf(graphics, font, format, L"A");
  leadingSpace_ = box.left;
  rowHeight_ = box.height;
  padding_ = MeasureText(graphics, "A", font, {}, format).width - box.width;
}

float CharacterAdvances::Advance(GpGraphics* graphics, GpFont* font, GpStringFormat* format, wchar_t character) {
  const auto found = advances_.find(character);
  if (found != advances_.end()) return found->second;
  const float advance = BoxOf(graphics, font, format, std::wstring_view(&character, 1)).width;
  advances_.emplace(character, advance);
  return advance;
}

float CharacterAdvances::LeadingSpace(GpGraphics* graphics, GpFont* font, GpStringFormat* format) {
  MeasureSample(graphics, font, format);
  return leadingSpace_;
}

float CharacterAdvances::RowHeight(GpGraphics* graphics, GpFont* font, GpStringFormat* format) {
  MeasureSample(graphics, font, format);
  return rowHeight_;
}

float CharacterAdvances::Padding(GpGraphics* graphics, GpFont* font, GpStringFormat* format) {
  MeasureSample(graphics, font, format);
  return padding_;
}

}  // namespace getlink
