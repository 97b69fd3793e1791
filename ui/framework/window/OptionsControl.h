// The base of a control made from an options struct. Create takes where the control goes
// (a host window or a parent control), its rectangle (in 96-DPI units) and its options; the control keeps
// the options as its state, reads them through options_ and shows them through
// GetOptions(), and its setters change them there.
//
//   class UiLabel : public OptionsControl<UiTextControl, LabelOptions, ControlType::Label> {
//     std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;  // fonts, formats, state
//   };
//   label.Create(hwnd, {10, 8, 400, 24}, options);   // or label.Create(parentControl, ...)
#pragma once

#include <optional>

#include "ui/framework/window/UiControl.h"

namespace getlink {

template <class Base, class OptionsT, ControlType kType>
class OptionsControl : public Base {
 public:
  using Options = OptionsT;

  // Keeps `options`, readies the control from them and the host's style (Prepare) and
  // creates it as UiControl::Create does. Creating a created control does nothing (and
  // keeps its options); false, with nothing created, when Prepare or the base's Create fails.
  bool Create(ControlHost host, const ControlPlace& place, const Options& options = {}) {
    if (this->IsCreated()) return true;
    options_ = options;
    const std::optional<CreateControlOptions> base = Prepare(host.Style());
    return base && UiControl::Create(host, place, kType, *base);
  }

  const Options& GetOptions() const { return options_; }

 protected:
  // Derives what the control needs from options_ and the style of the window it goes on
  // (fonts, formats, its state back to the start) before the base control is made;
  // answers how to make it, or nothing when the control cannot be made.
  virtual std::optional<CreateControlOptions> Prepare(const UiStyle& style) = 0;

  Options options_;
};

}  // namespace getlink
