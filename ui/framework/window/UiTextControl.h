// The base of the controls that draw text in a font of their choosing (button, label,
// group box): the font and its setters, each followed by FontChanged, and the pattern of
// most of their setters, store and repaint.
#pragma once

#include <string_view>
#include <utility>

#include "ui/framework/drawing/ControlFont.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

class UiTextControl : public UiControl {
 public:
  // A new family, size or style keeps the other two; only an own font is ever deleted,
  // never the framework's shared default font.
  const ControlFont& Font() const { return font_; }
  void SetFontName(std::string_view family) {
    font_.SetFamilyName(family);
    FontChanged();
  }
  void SetFontSize(float size) {
    font_.SetSize(size);
    FontChanged();
  }
  void SetFontStyle(FontStyle style) {
    font_.SetStyle(style);
    FontChanged();
  }
  // Takes a ready font.
  void SetFont(UniqueFont font) {
    font_.Adopt(std::move(font));
    FontChanged();
  }
  // Back to the default font (an own font is deleted).
  void ReleaseFont() { font_.Release(); }

 protected:
  // After a font change: the default repaints; a control that measures its text first
  // measures it again.
  virtual void FontChanged() { Repaint(); }

  ControlFont& MutableFont() { return font_; }

  void OnScaleChanged(float ratio) override {
    font_.Rescale(ratio, Style());
    FontChanged();
  }

  // The body of most setters: stores the value and repaints.
  template <class Field, class Value>
  void StoreAndRepaint(Field& field, Value&& value) {
    field = std::forward<Value>(value);
    Repaint();
  }

 private:
  ControlFont font_;
};

}  // namespace getlink
