#include "tools/demo/DemoSection.h"

#include <algorithm>

#include "ui/controls/UiLabel.h"

namespace getlink::demo {
namespace {

// Filled by the pages' registrations before main runs; a function-local list, so that it
// exists before the first registration whatever the order of initialisation.
std::vector<DemoSectionEntry>& Registry() {
  static std::vector<DemoSectionEntry> entries;
  return entries;
}

}  // namespace

void DemoSection::Show(bool visible) {
  for (const auto& control : controls_) control->SetVisible(visible);
}

void DemoSection::Heading(HWND host, const Rect& rect, Text text) {
  LabelOptions options;
  options.text = std::move(text);
  options.textColour = MakeArgb(170, 0, 0, 0);
  Make<UiLabel>().Create(host, rect, options);
}

std::vector<DemoSectionEntry> DemoSections() {
  std::vector<DemoSectionEntry> entries = Registry();
  std::stable_sort(entries.begin(), entries.end(),
                   [](const DemoSectionEntry& a, const DemoSectionEntry& b) { return a.order < b.order; });
  return entries;
}

DemoSectionRegistration::DemoSectionRegistration(int order, const char* title,
                                                 std::function<std::unique_ptr<DemoSection>()> make) {
  Registry().push_back({order, title, std::move(make)});
}

}  // namespace getlink::demo
