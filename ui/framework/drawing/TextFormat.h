// Owner of one GDI+ string format: layout flags, alignment, trimming, hot-key prefix
// and tab stops of drawn and measured text.
#pragma once

#include <memory>
#include <vector>

#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

class TextFormat {
 public:
  // A format with the given Gdiplus::StringFormatFlags; held empty when GDI+ refuses it.
  explicit TextFormat(int flags = 0, LANGID language = LANG_NEUTRAL);
  // Holds no format (asks nothing of GDI+, which may not have started yet).
  static TextFormat Empty() { return TextFormat(EmptyTag{}); }
  TextFormat(TextFormat&&) noexcept = default;
  TextFormat& operator=(TextFormat&&) noexcept = default;

  // Replaces the held format by a new one; false (and empty) when GDI+ refuses it.
  bool Create(int flags, LANGID language = LANG_NEUTRAL);
  void Release();
  // An independent copy of `format` with the same settings; for a null `format`, a
  // format with no flags.
  static TextFormat CopyOf(GpStringFormat* format);
  TextFormat Clone() const { return CopyOf(Handle()); }

  explicit operator bool() const { return format_ != nullptr; }
  GpStringFormat* Handle() const { return format_.get(); }

  // Horizontal alignment (near, centre, far).
  Gdiplus::StringAlignment Align() const;
  void SetAlign(Gdiplus::StringAlignment alignment);
  // Vertical alignment within the layout rectangle.
  Gdiplus::StringAlignment LineAlign() const;
  void SetLineAlign(Gdiplus::StringAlignment alignment);
  Gdiplus::StringTrimming Trimming() const;
  void SetTrimming(Gdiplus::StringTrimming trimming);
  // Whether "&" marks the mnemonic letter (shown underlined or hidden).
  Gdiplus::HotkeyPrefix HotkeyPrefix() const;
  void SetHotkeyPrefix(Gdiplus::HotkeyPrefix prefix);
  int Flags() const;
  void SetFlags(int flags);
  // Tab stops: the first `firstOffset` pixels from the start, then every distance listed.
  void SetTabStops(float firstOffset, const std::vector<float>& distances);

 private:
  struct EmptyTag {};
  explicit TextFormat(EmptyTag) {}

  struct Deleter {
    void operator()(GpStringFormat* format) const noexcept { Gdiplus::DllExports::GdipDeleteStringFormat(format); }
  };
  std::unique_ptr<GpStringFormat, Deleter> format_;
};

}  // namespace getlink
