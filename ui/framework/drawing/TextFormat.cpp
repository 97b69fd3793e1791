#include "ui/framework/drawing/TextFormat.h"

#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink {

TextFormat::TextFormat(int flags, LANGID language) { Create(flags, language); }

bool TextFormat::Create(int flags, LANGID language) {
  GpStringFormat* format = nullptr;
  if (gdip::GdipCreateStringFormat(flags, language, &format) != Gdiplus::Ok) format = nullptr;
  format_.reset(format);
  return format_ != nullptr;
}

void TextFormat::Release() { format_.reset(); }

TextFormat TextFormat::CopyOf(GpStringFormat* format) {
  if (format == nullptr) return TextFormat(0);
  TextFormat copy(0);
  GpStringFormat* clone = nullptr;
  copy.format_.reset(gdip::GdipCloneStringFormat(format, &clone) == Gdiplus::Ok ? clone : nullptr);
  return copy;
}

Gdiplus::StringAlignment TextFormat::Align() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  if (format_ != nullptr) gdip::GdipGetStringFormatAlign(format_.get(), &alignment);
  return alignment;
}

void TextFormat::SetAlign(Gdiplus::StringAlignment alignment) {
  if (format_ != nullptr) gdip::GdipSetStringFormatAlign(format_.get(), alignment);
}

Gdiplus::StringAlignment TextFormat::LineAlign() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  if (format_ != nullptr) gdip::GdipGetStringFormatLineAlign(format_.get(), &alignment);
  return alignment;
}

void TextFormat::SetLineAlign(Gdiplus::StringAlignment alignment) {
  if (format_ != nullptr) gdip::GdipSetStringFormatLineAlign(format_.get(), alignment);
}

Gdiplus::StringTrimming TextFormat::Trimming() const {
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  if (format_ != nullptr) gdip::GdipGetStringFormatTrimming(format_.get(), &trimming);
  return trimming;
}

void TextFormat::SetTrimming(Gdiplus::StringTrimming trimming) {
  if (format_ != nullptr) gdip::GdipSetStringFormatTrimming(format_.get(), trimming);
}

Gdiplus::HotkeyPrefix TextFormat::HotkeyPrefix() const {
  INT prefix = Gdiplus::HotkeyPrefixNone;
  if (format_ != nullptr) gdip::GdipGetStringFormatHotkeyPrefix(format_.get(), &prefix);
  return static_cast<Gdiplus::HotkeyPrefix>(prefix);
}

void TextFormat::SetHotkeyPrefix(Gdiplus::HotkeyPrefix prefix) {
  if (format_ != nullptr) gdip::GdipSetStringFormatHotkeyPrefix(format_.get(), prefix);
}

int TextFormat::Flags() const {
  INT flags = 0;
  if (format_ != nullptr) gdip::GdipGetStringFormatFlags(format_.get(), &flags);
  return flags;
}

void TextFormat::SetFlags(int flags) {
  if (format_ != nullptr) gdip::GdipSetStringFormatFlags(format_.get(), flags);
}

void TextFormat::SetTabStops(float firstOffset, const std::vector<float>& distances) {
  if (format_ != nullptr)
    bound::GdipSetStringFormatTabStops(format_.get(), firstOffset, static_cast<INT>(distances.size()),
                                       distances.empty() ? nullptr : distances.data());
}

}  // namespace getlink
