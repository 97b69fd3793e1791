// A page of the framework demo. Every page is a file of its own in tools/demo/ named
// *Section.cpp (the build compiles every file there) that registers itself at namespace
// scope:
//
//   const DemoSectionRegistration kRegistration{40, "滚动条", [] { return std::make_unique<MySection>(); }};
//
// The number orders the pages' tabs; adding a page touches no other file.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink::demo {

class DemoSection {
 public:
  virtual ~DemoSection() = default;

  // Creates the page's controls inside `area` of the window (client coordinates).
  virtual void Build(UiWindow& window, const Rect& area) = 0;

  // Called each time the page comes to the front, after its controls are shown.
  virtual void Shown(UiWindow& /*window*/) {}

  // Shows or hides every control the page made with Make.
  void Show(bool visible);

 protected:
  // A control owned by the page, to be created by the caller.
  template <class Control>
  Control& Make() {
    auto control = std::make_unique<Control>();
    Control& made = *control;
    controls_.push_back(std::move(control));
    return made;
  }
  // A small caption over a group of samples.
  void Heading(HWND host, const Rect& rect, Text text);

 private:
  std::vector<std::unique_ptr<UiControl>> controls_;
};

struct DemoSectionEntry {
  int order;
  const char* title;  // GBK, shown on the page's tab
  std::function<std::unique_ptr<DemoSection>()> make;
};

// Every registered page, in tab order.
std::vector<DemoSectionEntry> DemoSections();

struct DemoSectionRegistration {
  DemoSectionRegistration(int order, const char* title, std::function<std::unique_ptr<DemoSection>()> make);
};

// Rectangle helpers for laying out a page from its area's corner.
inline Rect At(const Rect& area, float x, float y, float width, float height) {
  return RectOf(area.left + x, area.top + y, width, height);
}

}  // namespace getlink::demo
